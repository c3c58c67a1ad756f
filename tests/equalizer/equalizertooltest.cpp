#include "testsupport.h"

#include "equalizer/equalizertool.h"

#include <cmath>

using Band = EqualizerTool::BandData;

namespace {

Band band(const QString& name, int type, double frequency, double gain, double q, bool enabled = true)
{
    Band b;
    b.name = name;
    b.enabled = enabled;
    b.type = type;
    b.frequency = frequency;
    b.gain = gain;
    b.q = q;
    return b;
}

qsizetype indexOf(const EqualizerTool& tool, quint32 frequency)
{
    return tool.getFrequencies().indexOf(frequency);
}

double levelAt(const EqualizerTool& tool, const QString& curve, quint32 frequency)
{
    const qsizetype i = indexOf(tool, frequency);
    Q_ASSERT(i >= 0);
    return tool.getCurve(curve)->at(i).y();
}

bool near(double a, double b, double tolerance = 1e-9)
{
    return std::abs(a - b) <= tolerance;
}

} // namespace

class EqualizerToolTest : public QObject
{
    Q_OBJECT
private slots:
    void defaultGrid()
    {
        QTest::ignoreMessage(QtWarningMsg, "EqualizerTool::EqualizerTool //SampleCount Request[ 676 ] Actual[ 600 ]");
        EqualizerTool tool(20, 22000, 676, true);
        const QList<quint32>& f = tool.getFrequencies();
        QCOMPARE(f.size(), 600);
        QCOMPARE(f.first(), 20u);
        QCOMPARE(f[84], 104u);
        QCOMPARE(f[85], 106u);
        QCOMPARE(f[300], 983u);
        QCOMPARE(f.last(), 21773u);
        QVERIFY(std::is_sorted(f.begin(), f.end()) && std::adjacent_find(f.begin(), f.end()) == f.end());
    }

    void unusableRangesStillGiveAGrid()
    {
        EqualizerTool zeroStart(0, 100, 10);
        QVERIFY(!zeroStart.getFrequencies().isEmpty());
        QVERIFY(zeroStart.getFrequencies().first() >= 1u);
        EqualizerTool reversed(1000, 20, 50);
        QCOMPARE(reversed.getFrequencies(), QList<quint32>{1000});
        EqualizerTool noSamples(20, 22000, 0);
        QCOMPARE(noSamples.getFrequencies(), QList<quint32>{20});
        noSamples.setBandData({band("1", 0, 100, 3, 1), band("2", 1, 100, 0, 1)}, 48000);
        QCOMPARE(noSamples.getCurve("FilteredRawAlignment")->size(), 1);
    }

    void initialCurves()
    {
        EqualizerTool tool;
        for (const char* name :
             {"Target", "TargetRaw", "TargetCompensated", "Source", "SourceRaw", "SourceCompensated"}) {
            const QList<QPointF>* curve = tool.getCurve(name);
            QVERIFY(curve);
            QCOMPARE(curve->size(), 600);
            QCOMPARE(curve->at(300), QPointF(983, 0));
        }
        for (const char* name : {"Combined", "FilteredRaw", "FilteredRawAlignment", "FilteredCompensated",
                                 "FilteredCompensatedAlignment"}) {
            QCOMPARE(*tool.getCurve(name), QList<QPointF>(600, QPointF(20, 0)));
        }
        QVERIFY(!tool.getCurve("target"));
        QVERIFY(!tool.getCurve("1"));
    }

    void filterResponses()
    {
        EqualizerTool tool;
        tool.setBandData({band("1", 0, 993, 6, 1), band("2", 1, 993, 0, 0.707), band("3", 2, 993, 9, 0.707),
                          band("4", 3, 100, 6, 0.707), band("5", 4, 993, 6, 0.707)},
                         48000);
        QVERIFY(near(levelAt(tool, "1", 993), 6.0));
        QVERIFY(near(levelAt(tool, "2", 993), -3.0116, 5e-5));
        QVERIFY(near(levelAt(tool, "3", 993), -3.0116, 5e-5)); // gain plays no part
        QVERIFY(near(levelAt(tool, "4", 100), 3.0));
        QVERIFY(near(levelAt(tool, "4", 20), 5.99, 0.01));
        QVERIFY(near(levelAt(tool, "4", 21773), 0.0, 1e-3));
        QVERIFY(near(levelAt(tool, "5", 20), 0.0, 1e-2));
        QVERIFY(near(levelAt(tool, "5", 993), 3.0));
        QVERIFY(near(levelAt(tool, "5", 21773), 6.0, 1e-3));
        QVERIFY(levelAt(tool, "2", 20) > -1e-3 && levelAt(tool, "2", 21773) < -50);
        QVERIFY(levelAt(tool, "3", 21773) > -1e-3 && levelAt(tool, "3", 20) < -60);
        QCOMPARE(tool.getCurve("1")->size(), 600);
    }

    void combinedIsTheProductPlusPreGain()
    {
        EqualizerTool tool;
        tool.setBandData({band("1", 0, 993, 6, 1), band("2", 0, 993, 6, 1)}, 48000);
        QVERIFY(near(levelAt(tool, "Combined", 993), 12.0));
        QCOMPARE(*tool.getCurve("FilteredRaw"), *tool.getCurve("Combined"));
        QCOMPARE(*tool.getCurve("SourceCompensated"), *tool.getCurve("TargetCompensated"));

        const QList<QPointF> alignedBefore = *tool.getCurve("FilteredRawAlignment");
        const QList<QPointF> combinedBefore = *tool.getCurve("Combined");
        tool.setPreGain(3);
        QCOMPARE(tool.getPreGain(), 3.0);
        const QList<QPointF>& combined = *tool.getCurve("Combined");
        for (qsizetype i = 0; i < combined.size(); ++i) {
            QVERIFY(near(combined[i].y(), combinedBefore[i].y() + 3.0));
            QVERIFY(near(tool.getCurve("FilteredCompensated")->at(i).y(), combined[i].y()));
            QVERIFY(near(tool.getCurve("FilteredRawAlignment")->at(i).y(), alignedBefore[i].y()));
        }
        QCOMPARE(tool.getCurve("FilteredRawAlignment")->at(300).y(), 0.0);
    }

    void noFiltersGiveAFlatPreGain()
    {
        EqualizerTool tool;
        tool.setPreGain(-2.5);
        for (const QPointF& p : *tool.getCurve("Combined"))
            QCOMPARE(p.y(), -2.5);
        QCOMPARE(tool.getCurve("Combined")->at(599).x(), 21773.0);
    }

    void disabledFilterIsFlatButKeepsItsParameters()
    {
        EqualizerTool tool;
        tool.setBandData({band("1", 0, 993, 6, 1), band("2", 3, 200, -9, 2, false)}, 48000);
        for (const QPointF& p : *tool.getCurve("2"))
            QVERIFY(near(p.y(), 0.0));
        QVERIFY(near(levelAt(tool, "Combined", 993), 6.0));
        QCOMPARE(tool.getBandData().value("2"), band("2", 3, 200, -9, 2, false));
    }

    void singleRecordUpdatesOneFilterAndListsReplaceAll()
    {
        EqualizerTool tool;
        tool.setBandData({band("1", 0, 993, 6, 1), band("2", 0, 993, 6, 1)}, 48000);
        const QList<QPointF>* second = tool.getCurve("2");
        tool.setBandData({band("1", 0, 993, -6, 1)}, 48000);
        QVERIFY(near(levelAt(tool, "Combined", 993), 0.0));
        QCOMPARE(tool.getCurve("2"), second); // untouched, same list
        tool.setBandData({band("3", 0, 993, 2, 1)}, 48000);
        QCOMPARE(tool.getFilterNames(), (QStringList{"1", "2", "3"}));
        QVERIFY(near(levelAt(tool, "Combined", 993), 2.0));

        tool.setBandData({band("3", 0, 993, 1, 1), band("4", 0, 993, 1, 1)}, 48000);
        QCOMPARE(tool.getFilterNames(), (QStringList{"3", "4"}));
        QCOMPARE(tool.getBandData().keys(), (QStringList{"3", "4"}));
        QVERIFY(!tool.getCurve("1"));
        QVERIFY(near(levelAt(tool, "Combined", 993), 2.0));
    }

    void unknownTypeGivesMinusInfinity()
    {
        EqualizerTool tool;
        tool.setBandData({band("1", 7, 993, 6, 1)}, 48000);
        QVERIFY(std::isinf(levelAt(tool, "1", 993)) && levelAt(tool, "1", 993) < 0);
    }
};

K93_TEST(EqualizerToolTest)
#include "equalizertooltest.moc"
