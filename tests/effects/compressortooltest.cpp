#include "testsupport.h"

#include "effects/compressortool.h"

using Points = QList<QPointF>;

class CompressorToolTest : public QObject
{
    Q_OBJECT

    // The compressor dialog's start-up values.
    static void applyDialogDefaults(CompressorTool& tool)
    {
        tool.setThreshold(-30);
        tool.setRatio({4.0, 1.0});
        tool.setAttack(5);
        tool.setRelease(200);
        tool.setGain(0);
        tool.setGainAuto(false);
        tool.setMix(100);
    }

private slots:
    void isAMetaType() { QVERIFY(QMetaType::fromType<CompressorTool*>().isValid()); }

    void defaultsGiveTheCompressedCurve()
    {
        CompressorTool tool;
        applyDialogDefaults(tool);
        QCOMPARE(tool.getCurve(), (Points{{-48, -48}, {-30, -30}, {0, -22.5}}));
        QCOMPARE(tool.getHandle(), QPointF(-90, -90));
        QCOMPARE(tool.getCurveGreen(), (Points{{-90, -90}}));
        QCOMPARE(tool.getCurveGray(), (Points{{-90, -90}, {-48, -48}, {-30, -30}, {0, -22.5}}));
        QVERIFY(tool.getCurveRed().isEmpty());
        QVERIFY(!tool.isClipping());
        QCOMPARE(tool.getOutputLevel(), -900.0);
    }

    void curveShapes_data()
    {
        QTest::addColumn<double>("threshold");
        QTest::addColumn<double>("ratio");
        QTest::addColumn<double>("gain");
        QTest::addColumn<Points>("curve");
        QTest::newRow("make-up under the ceiling")
            << -30.0 << 4.0 << 13.5 << Points{{-48, -34.5}, {-30, -16.5}, {0, -9}};
        QTest::newRow("threshold above the ceiling") << -10.0 << 2.0 << 12.0 << Points{{-48, -36}, {-12, 0}, {0, 0}};
        QTest::newRow("compression meets the ceiling")
            << -30.0 << 2.0 << 20.0 << Points{{-48, -28}, {-30, -10}, {-10, 0}, {0, 0}};
    }

    void curveShapes()
    {
        QFETCH(double, threshold);
        QFETCH(double, ratio);
        QFETCH(double, gain);
        QFETCH(Points, curve);
        CompressorTool tool;
        applyDialogDefaults(tool);
        tool.setThreshold(threshold);
        tool.setRatio({ratio, 1.0});
        tool.setGain(gain);
        QCOMPARE(tool.getCurve(), curve);
    }

    void operatingPointOnTheCeilingClips()
    {
        CompressorTool tool;
        applyDialogDefaults(tool);
        tool.setRatio({2.0, 1.0});
        tool.setGain(20);
        tool.setInputLevel(-50);
        QCOMPARE(tool.getHandle(), QPointF(-5, 0));
        QCOMPARE(tool.getCurveGreen(), (Points{{-48, -28}, {-30, -10}, {-10, 0}, {-5, 0}}));
        QCOMPARE(tool.getCurveRed(), (Points{{-10, 0}, {-5, 0}}));
        QCOMPARE(tool.getCurveGray(), (Points{{-5, 0}, {0, 0}}));
        QVERIFY(tool.isClipping());

        tool.setInputLevel(-200);
        QVERIFY(!tool.isClipping());
        QCOMPARE(tool.getHandle(), QPointF(-20, -5));
        QCOMPARE(tool.getCurveGray(), (Points{{-20, -5}, {-10, 0}, {0, 0}}));
    }

    void inputAtAVertexGoesToGray()
    {
        CompressorTool tool;
        applyDialogDefaults(tool);
        tool.setInputLevel(-300);
        QCOMPARE(tool.getHandle(), QPointF(-30, -30));
        QCOMPARE(tool.getCurveGreen(), (Points{{-48, -48}, {-30, -30}}));
        QCOMPARE(tool.getCurveGray(), (Points{{-30, -30}, {-30, -30}, {0, -22.5}}));
    }

    void zeroWidthSegmentIsFlat()
    {
        // Threshold 0 with gain 0 puts two vertices on (0, 0).
        CompressorTool tool;
        applyDialogDefaults(tool);
        tool.setThreshold(0);
        QCOMPARE(tool.getCurve(), (Points{{-48, -48}, {0, 0}, {0, 0}}));
        for (int level : {0, 30, 120}) {
            tool.setInputLevel(level);
            QCOMPARE(tool.getHandle(), QPointF(level / 10.0, 0));
            QVERIFY(qIsFinite(tool.getOutputLevel()));
        }
        tool.setInputLevel(-100);
        QCOMPARE(tool.getHandle(), QPointF(-10, -10));
    }

    void automaticMakeUpGain()
    {
        CompressorTool tool;
        applyDialogDefaults(tool);
        tool.setGainAuto(true);
        QCOMPARE(tool.getGain(), 13.5);
        QCOMPARE(tool.getGain(true), 14.0);
        tool.setRatio({2.0, 1.0});
        QCOMPARE(tool.getGain(), 6.0);
        tool.setRatio({4.0, 1.0});
        tool.setThreshold(-36);
        QCOMPARE(tool.getGain(), 18.0);
        tool.setThreshold(-12);
        tool.setRatio({1.5, 1.0});
        QCOMPARE(tool.getGain(), 0.0); // -5 before the clamp
        tool.setThreshold(0);
        QCOMPARE(tool.getGain(), 0.0);
    }

    void manualGainIsClampedOnlyByTheNextParameter()
    {
        CompressorTool tool;
        applyDialogDefaults(tool);
        tool.setGain(-3);
        QCOMPARE(tool.getGain(), -3.0);
        tool.setThreshold(-20);
        QCOMPARE(tool.getGain(), 0.0);
    }

    void roundedGain_data()
    {
        QTest::addColumn<double>("gain");
        QTest::addColumn<double>("rounded");
        QTest::newRow("13.5") << 13.5 << 14.0;
        QTest::newRow("13.49") << 13.49 << 13.0;
        QTest::newRow("13.45") << 13.45 << 13.0;
        QTest::newRow("0.04") << 0.04 << 0.0;
        QTest::newRow("18") << 18.0 << 18.0;
    }

    void roundedGain()
    {
        QFETCH(double, gain);
        QFETCH(double, rounded);
        CompressorTool tool;
        tool.setGain(gain);
        QCOMPARE(tool.getGain(true), rounded);
    }

    void outputLevelMixesDryAndWet()
    {
        CompressorTool tool;
        applyDialogDefaults(tool);
        tool.setGain(4);
        tool.setInputLevel(-200);
        tool.setGainReduction(60);
        QCOMPARE(tool.getOutputLevel(), -220.0);
        tool.setMix(0);
        QCOMPARE(tool.getOutputLevel(), -200.0);
        tool.setMix(50);
        QCOMPARE(tool.getOutputLevel(), -210.0);
    }

    void inputsStayWithinTheDialRanges()
    {
        CompressorTool tool;
        applyDialogDefaults(tool);
        tool.setThreshold(-100);
        QCOMPARE(tool.getThreshold(), -36.0);
        tool.setThreshold(qQNaN());
        QCOMPARE(tool.getThreshold(), -36.0);
        tool.setRatio({0.0, 0.0});
        QCOMPARE(tool.getRatio(), std::make_pair(1.0, 1.0));
        tool.setRatio({qInf(), 1.0});
        QCOMPARE(tool.getRatio(), std::make_pair(1.0, 1.0));
        tool.setRatio({1e9, 1.0});
        QCOMPARE(tool.getRatio().first, 1e6);
        tool.setMix(250);
        QCOMPARE(tool.getMix(), 100.0);
        tool.setGain(qInf());
        QVERIFY(qIsFinite(tool.getGain()));
        tool.setAttack(0);
        QCOMPARE(tool.getAttack(), 1.0);
        tool.setRelease(1e9);
        QCOMPARE(tool.getRelease(), 2000.0);
        for (const QPointF& p : tool.getCurve())
            QVERIFY(qIsFinite(p.x()) && qIsFinite(p.y()));
        QVERIFY(qIsFinite(tool.getHandle().y()));
    }
};

K93_TEST(CompressorToolTest)
#include "compressortooltest.moc"
