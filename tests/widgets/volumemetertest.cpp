#include "testsupport.h"

#include "widgets/volumemeter.h"

#include <QPaintEvent>
#include <QTest>

#include <climits>

namespace {
// Collects the regions a widget is asked to paint.
class PaintRecorder : public QObject
{
public:
    QList<QRect> rects;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            rects.append(static_cast<QPaintEvent*>(event)->rect());
        return false;
    }
};
}

class VolumeMeterTest : public QObject
{
    Q_OBJECT
private slots:
    void tenthsOfDbToShownLevel_data()
    {
        QTest::addColumn<int>("tenths");
        QTest::addColumn<int>("floorDb");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("db");
        QTest::addColumn<bool>("clip");
        QTest::newRow("clip") << 1 << -90 << true << 0 << true;
        QTest::newRow("above clip") << 2 << -90 << false << 0 << false;
        QTest::newRow("huge") << INT_MAX << -90 << false << 0 << false;
        QTest::newRow("zero") << 0 << -90 << true << 0 << false;
        QTest::newRow("-0.5 dB floors down") << -5 << -90 << true << -1 << false;
        QTest::newRow("-1.0 dB") << -10 << -90 << true << -1 << false;
        QTest::newRow("-23.4 dB") << -234 << -90 << true << -24 << false;
        QTest::newRow("floor") << -900 << -90 << true << -90 << false;
        QTest::newRow("below floor") << -1500 << -90 << true << -90 << false;
        QTest::newRow("lowest int") << INT_MIN << -90 << true << -90 << false;
        QTest::newRow("-60 floor") << -601 << -60 << true << -60 << false;
        QTest::newRow("-59.9 dB, -60 floor") << -599 << -60 << true << -60 << false;
        QTest::newRow("-55 dB, -60 floor") << -550 << -60 << true << -55 << false;
    }
    void tenthsOfDbToShownLevel()
    {
        QFETCH(int, tenths);
        QFETCH(int, floorDb);
        QFETCH(bool, accepted);
        int db = 123;
        bool clip = false;
        QCOMPARE(VolumeMeterBase::levelFromTenths(tenths, floorDb, &db, &clip), accepted);
        if (accepted) {
            QTEST(db, "db");
            QTEST(clip, "clip");
        }
    }

    void clipMarkIsHeldThenCleared()
    {
        VolumeMeterS1M7 m;
        m.setClipHoldTime(30);
        m.setValueLeft(-120).setValueRight(1);
        QCOMPARE(m.shownDb(VolumeMeterS1M7::LeftBar), -12);
        QCOMPARE(m.shownDb(VolumeMeterS1M7::RightBar), 0);
        QVERIFY(m.isClipShown(VolumeMeterS1M7::RightBar));
        QVERIFY(!m.isClipShown(VolumeMeterS1M7::LeftBar));
        m.setValueRight(-300); // the level falls, the mark stays
        QVERIFY(m.isClipShown(VolumeMeterS1M7::RightBar));
        m.setValueRight(2); // ignored
        QCOMPARE(m.shownDb(VolumeMeterS1M7::RightBar), -30);
        QTRY_VERIFY_WITH_TIMEOUT(!m.isClipShown(VolumeMeterS1M7::RightBar), 2000);
        QCOMPARE(VolumeMeterS1M8().floorDb(), -60);
        QCOMPARE(VolumeMeterS1M7().floorDb(), -90);
    }

    void monoMetersAndFloors()
    {
        VolumeMeterS1M6 m6;
        m6.setValue(-900);
        QCOMPARE(m6.shownDb(VolumeMeterS1M1::MainBar), -60);
        VolumeMeterS1M1 m1;
        m1.setValue(-900).setValueSecondary(1);
        QCOMPARE(m1.shownDb(VolumeMeterS1M1::MainBar), -90);
        QCOMPARE(m1.shownDb(VolumeMeterS1M1::SecondaryBar), 0);
        QVERIFY(!m1.isClipShown(VolumeMeterS1M1::SecondaryBar));
        VolumeMeterS2M1 s2;
        s2.setValue(-5);
        QCOMPARE(s2.shownDb(0), -1);
        VolumeMeterS1M2 m2;
        m2.setValueLeft(-234).setValueRight(5);
        QCOMPARE(m2.shownDb(VolumeMeterS1M2::LeftBar), -24);
        QCOMPARE(m2.shownDb(VolumeMeterS1M2::RightBar), -90);
    }

    void originAndGainedBars()
    {
        VolumeMeterS1M4 m;
        m.setValue(-200, 10);
        QCOMPARE(m.shownDb(VolumeMeterS1M4::OriginBar), -20);
        QCOMPARE(m.shownDb(VolumeMeterS1M4::GainedBar), -10);
        m.setValue(-30, 12); // capped at 0 dB with the clip mark
        QCOMPARE(m.shownDb(VolumeMeterS1M4::GainedBar), 0);
        QVERIFY(m.isClipShown(VolumeMeterS1M4::GainedBar));
        QVERIFY(!m.isClipShown(VolumeMeterS1M4::OriginBar));
        m.setValue(-300, -90);
        QCOMPARE(m.shownDb(VolumeMeterS1M4::GainedBar), -90);
        m.setValue(-300, INT_MIN);
        QCOMPARE(m.shownDb(VolumeMeterS1M4::GainedBar), -90);
        m.setValue(-300, INT_MAX);
        QCOMPARE(m.shownDb(VolumeMeterS1M4::GainedBar), 0);
        m.setValue(5, -6); // ignored as a whole
        QCOMPARE(m.shownDb(VolumeMeterS1M4::OriginBar), -30);

        VolumeMeterS1M4 clipped;
        clipped.setValue(1, -6);
        QVERIFY(clipped.isClipShown(VolumeMeterS1M4::OriginBar));
        QCOMPARE(clipped.shownDb(VolumeMeterS1M4::GainedBar), -6);
        QVERIFY(!clipped.isClipShown(VolumeMeterS1M4::GainedBar));

        clipped.setGainedHidden(true);
        QVERIFY(clipped.isGainedHidden());
        clipped.setValue(-100, 20);
        QVERIFY(!clipped.isClipShown(VolumeMeterS1M4::GainedBar)); // nothing shown while hidden

        VolumeMeterS1M3 stereo;
        stereo.setValueLeft(-234, 6).setValueRight(-5, -3);
        QCOMPARE(stereo.shownDb(VolumeMeterS1M3::LeftOrigin), -24);
        QCOMPARE(stereo.shownDb(VolumeMeterS1M3::LeftGained), -18);
        QCOMPARE(stereo.shownDb(VolumeMeterS1M3::RightOrigin), -1);
        QCOMPARE(stereo.shownDb(VolumeMeterS1M3::RightGained), -4);

        VolumeMeterS1M5 m5;
        m5.setValueGained(1).setValueOrigin(-234);
        QCOMPARE(m5.shownDb(VolumeMeterS1M4::GainedBar), 0);
        QVERIFY(m5.isClipShown(VolumeMeterS1M4::GainedBar));
        QCOMPARE(m5.shownDb(VolumeMeterS1M4::OriginBar), -24);
        m5.setValueOrigin(3);
        QCOMPARE(m5.shownDb(VolumeMeterS1M4::OriginBar), -24);
    }

    void ratiosTakeNegativeAsZeroAndIgnoreWrongCounts()
    {
        VolumeMeterS1M6 m;
        m.setHeightRatio(-1, 3, 2, 1, 91, 3).setWidthRatio(0, 25, 16, 50);
        QCOMPARE(m.heightRatio(), (QList<int> {0, 3, 2, 1, 91, 3}));
        QCOMPARE(m.widthRatio(), (QList<int> {0, 25, 16, 50}));
        m.resize(100, 200);
        m.show();
        QCOMPARE(m.barRect(VolumeMeterS1M1::MainBar), QRect(0, 12, 25, 182));
        QCOMPARE(m.clipRect(VolumeMeterS1M1::MainBar), QRect(0, 0, 25, 6));

        VolumeMeterS1M7 s;
        s.setWidthRatio(13, 24, 26).setHeightRatio(2, 2, 96, 0);
        s.resize(100, 100);
        s.show();
        QCOMPARE(s.barRect(VolumeMeterS1M7::LeftBar), QRect(13, 4, 24, 96));
        QCOMPARE(s.barRect(VolumeMeterS1M7::RightBar), QRect(63, 4, 24, 96));

        VolumeMeterS1M3 pair; // the right side mirrors the left
        pair.setWidthRatio(7, 8, 12, 8, 30);
        pair.resize(100, 100);
        pair.show();
        QCOMPARE(pair.barRect(VolumeMeterS1M3::LeftOrigin).x(), 7);
        QCOMPARE(pair.barRect(VolumeMeterS1M3::LeftGained).x(), 27);
        QCOMPARE(pair.barRect(VolumeMeterS1M3::RightOrigin).x(), 65);
        QCOMPARE(pair.barRect(VolumeMeterS1M3::RightGained).right(), 92);
    }

    void repaintsOnlyWhatChanged()
    {
        VolumeMeterS1M7 m;
        m.resize(60, 300);
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QCoreApplication::processEvents();
        PaintRecorder recorder;
        m.installEventFilter(&recorder);

        m.setValueLeft(-125);
        QCoreApplication::processEvents();
        QCOMPARE(recorder.rects.size(), 1);
        const QRect bar = m.barRect(VolumeMeterS1M7::LeftBar);
        QVERIFY(bar.contains(recorder.rects.first()));
        QVERIFY(recorder.rects.first().height() < bar.height());

        recorder.rects.clear();
        m.setValueLeft(-121); // still -13 dB shown
        m.setValueLeft(-130);
        m.setValueRight(-900); // already at the floor
        QCoreApplication::processEvents();
        QCOMPARE(recorder.rects.size(), 0);
    }
};

K93_TEST(VolumeMeterTest)
#include "volumemetertest.moc"
