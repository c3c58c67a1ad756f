#include "testsupport.h"

#include "widgets/customtabbar.h"

#include <QPushButton>

namespace {

const QList<int> kSettingsWeights {60, 72, 64, 72, 64, 72, 64, 72, 60};

QList<QRect> geometries(const CustomTabBar& bar)
{
    QList<QRect> list;
    for (int i = 0; i < bar.count(); ++i)
        list << bar.button(i)->geometry();
    return list;
}

} // namespace

class CustomTabBarTest : public QObject
{
    Q_OBJECT
private slots:
    void weightsPlaceTheTabsOfTheSettingsDialog()
    {
        CustomTabBar bar;
        bar.setWeights(kSettingsWeights);
        bar.resize(600, 40);
        bar.show();
        for (const char* title : {"System", "Device", "ASIO", "About"})
            bar.addTab(title);
        QCOMPARE(geometries(bar), (QList<QRect> {{60, 0, 72, 40}, {196, 0, 72, 40}, {332, 0, 72, 40}, {468, 0, 72, 40}}));

        // Narrower than the weights' sum: scaled, never collapsed to zero width.
        bar.resize(300, 20);
        QCOMPARE(geometries(bar), (QList<QRect> {{30, 0, 36, 20}, {98, 0, 36, 20}, {166, 0, 36, 20}, {234, 0, 36, 20}}));
        bar.resize(1200, 40);
        QCOMPARE(bar.button(3)->geometry(), QRect(936, 0, 144, 40));
    }

    void missingOrEmptyWeightsFallBackToEqualWidths()
    {
        CustomTabBar bar;
        bar.resize(600, 30);
        bar.show();
        bar.updateLayout(); // no buttons: nothing to do
        for (int i = 0; i < 4; ++i)
            bar.addTab(QString::number(i));
        const QList<QRect> equal {{0, 0, 150, 30}, {150, 0, 150, 30}, {300, 0, 150, 30}, {450, 0, 150, 30}};
        QCOMPARE(geometries(bar), equal);

        bar.setWeights({0, 0, 0, 0, 0, 0, 0, 0, 0});
        QCOMPARE(geometries(bar), equal);
        bar.setWeights(kSettingsWeights);
        bar.addTab("5");
        QCOMPARE(bar.button(4)->geometry(), QRect(480, 0, 120, 30));
        QCOMPARE(bar.button(0)->geometry(), QRect(0, 0, 120, 30));
    }

    void firstTabIsCurrentAndSelectionAlwaysEmits()
    {
        CustomTabBar bar;
        QSignalSpy changed(&bar, &CustomTabBar::currentChanged);
        bar.addTab("System");
        QCOMPARE(changed.count(), 1);
        QCOMPARE(changed.takeFirst().at(0).toInt(), 0);
        bar.addTab("Device").addTab("ASIO");
        QCOMPARE(changed.count(), 0);
        QCOMPARE(bar.currentIndex(), 0);

        bar.setCurrentIndex(3).setCurrentIndex(-1);
        QCOMPARE(changed.count(), 0);
        QCOMPARE(bar.currentIndex(), 0);

        bar.setCurrentIndex(2);
        bar.setCurrentIndex(2);
        QCOMPARE(changed.count(), 2);
        QCOMPARE(bar.currentIndex(), 2);
        QVERIFY(!bar.button(0)->isChecked());

        changed.clear();
        bar.button(1)->click();
        bar.button(1)->click();
        QCOMPARE(changed.count(), 2);
        QCOMPARE(changed.at(1).at(0).toInt(), 1);
        QCOMPARE(bar.currentIndex(), 1);
    }
};

K93_TEST(CustomTabBarTest)
#include "customtabbartest.moc"
