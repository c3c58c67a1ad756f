#include "testsupport.h"

#include "widgets/chart.h"

#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QGraphicsObject>
#include <QLineSeries>
#include <QMouseEvent>
#include <QLogValueAxis>
#include <QSplineSeries>
#include <QValueAxis>
#include <limits>

namespace {
const QString kHandle = ":/Icon/CompressHandle.png";
}

class ChartTest : public QObject
{
    Q_OBJECT
private slots:
    void duplicateAndUnknownNamesAreIgnored()
    {
        Chart chart;
        chart.addLineSeries("Green", QColor(67, 207, 124), 2.0, Qt::SolidLine)
            .addLineSeries("Green", Qt::red, 5.0, Qt::DashLine)
            .addSplineSeries("Green", Qt::blue, 1.0, Qt::SolidLine)
            .addSplineSeries("1", Qt::white, 2.0, Qt::DashLine);
        QCOMPARE(chart.chart()->series().size(), 2);
        QCOMPARE(chart.lineSeries("Green")->pen().color(), QColor(67, 207, 124));
        QCOMPARE(chart.lineSeries("Green")->pen().widthF(), 2.0);
        QVERIFY(!chart.splineSeries("Green"));
        QCOMPARE(chart.splineSeries("1")->pen().style(), Qt::DashLine);

        // Unknown names, and a spline name given to a line setter, change nothing.
        Chart& same = chart.setLineSeriesData("Red", {{1, 1}})
                          .setLineSeriesData("1", {{1, 1}})
                          .setSplineSeriesData("Green", {{1, 1}})
                          .setSplineSeriesVisible("Red", false)
                          .setHandlePosition("None", {0, 0})
                          .setHandleVisible("None", false)
                          .setHandleLinesVisible("None", false)
                          .setHandleLock("None", true);
        QCOMPARE(&same, &chart);
        QCOMPARE(chart.lineSeries("Green")->count(), 0);
        QCOMPARE(chart.splineSeries("1")->count(), 0);
        QVERIFY(!chart.handle("None"));
    }

    void dataIsReplacedAndVisibilitySwitched()
    {
        Chart chart;
        chart.setCompressorStyle();
        chart.addLineSeries("Gray", QColor(142, 142, 142), 2.0, Qt::SolidLine);
        chart.setLineSeriesData("Gray", {{-48, -48}, {-24, -24}, {0, -12}});
        chart.setLineSeriesData("Gray", {{-48, -40}, {0, 0}});
        QCOMPARE(chart.lineSeries("Gray")->points(), (QList<QPointF> {{-48, -40}, {0, 0}}));

        const double nan = std::numeric_limits<double>::quiet_NaN();
        chart.setLineSeriesData("Gray", {{-48, nan}, {-10, -10}, {std::numeric_limits<double>::infinity(), 0}});
        QCOMPARE(chart.lineSeries("Gray")->points(), (QList<QPointF> {{-10, -10}}));

        chart.addSplineSeries("Combined", QColor(255, 98, 0), 2.0, Qt::SolidLine);
        chart.setSplineSeriesVisible("Combined", false);
        QVERIFY(!chart.splineSeries("Combined")->isVisible());
        chart.setSplineSeriesVisible("Combined", true);
        QVERIFY(chart.splineSeries("Combined")->isVisible());
    }

    void stylesGiveTheirAxisRanges()
    {
        Chart chart;
        chart.addSplineSeries("Early", Qt::white, 2.0, Qt::SolidLine);
        chart.setCompressorStyle();
        auto* x = qobject_cast<QValueAxis*>(chart.axisX());
        auto* y = qobject_cast<QValueAxis*>(chart.axisY());
        QVERIFY(x && y);
        QCOMPARE(x->min(), -48.0);
        QCOMPARE(x->max(), 0.0);
        QCOMPARE(y->min(), -48.0);
        QCOMPARE(y->max(), 0.0);
        QCOMPARE(x->tickCount(), 5);
        QVERIFY(!x->labelsVisible());

        chart.setEqualizerStyle();
        auto* frequency = qobject_cast<QLogValueAxis*>(chart.axisX());
        auto* level = qobject_cast<QValueAxis*>(chart.axisY());
        QVERIFY(frequency && level);
        QCOMPARE(frequency->min(), 20.0);
        QCOMPARE(frequency->max(), 22000.0);
        QCOMPARE(frequency->minorTickCount(), 8);
        QCOMPARE(level->min(), -20.0);
        QCOMPARE(level->max(), 20.0);
        QCOMPARE(level->tickCount(), 5);
        QCOMPARE(chart.chart()->axes().size(), 2);
        // A series added before the style follows the new axes.
        QCOMPARE(chart.splineSeries("Early")->attachedAxes().size(), 2);
        QVERIFY(chart.splineSeries("Early")->attachedAxes().contains(frequency));

        // A frequency of 0 cannot be drawn on the logarithmic axis.
        chart.setSplineSeriesData("Early", {{0, 1}, {20, 1}, {1000, -3}});
        QCOMPARE(chart.splineSeries("Early")->count(), 2);

        QVERIFY(chart.textItemCount() > 0);
        chart.clearTextItems();
        QCOMPARE(chart.textItemCount(), 0);
    }

    void handlesAreAddedOnceAndKeepTheirLocks()
    {
        Chart chart;
        chart.setCompressorStyle();
        chart.resize(300, 300);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        QVERIFY(chart.chart()->plotArea().width() > 0);
        chart.addHandle("", {-24, -24}, kHandle)
            .addHandle("Broken", {-24, -24}, ":/Icon/DoesNotExist.png")
            .addHandle("CompressorS1M1Default", {-24, -24}, kHandle)
            .addHandle("CompressorS1M1Default", {-10, -10}, ":/Icon/CompressHandle1.png");
        QVERIFY(!chart.handle(""));
        QVERIFY(!chart.handle("Broken"));
        QGraphicsObject* handle = chart.handle("CompressorS1M1Default");
        QVERIFY(handle);
        QCOMPARE(chart.handlePosition("CompressorS1M1Default"), QPointF(-24, -24));
        QCOMPARE(handle->property("LockX").toBool(), false);

        chart.setHandleLock("CompressorS1M1Default", true);
        QCOMPARE(handle->property("LockX").toBool(), true);
        QCOMPARE(handle->property("LockY").toBool(), true);
        chart.setHandleLock("CompressorS1M1Default", false);
        QCOMPARE(handle->property("LockY").toBool(), false);

        chart.setHandlePosition("CompressorS1M1Default", {-12, -6});
        QCOMPARE(chart.handlePosition("CompressorS1M1Default"), QPointF(-12, -6));
        QCOMPARE(handle->pos(), chart.valueToScene({-12, -6}));
        const QPointF back = chart.sceneToValue(handle->pos());
        QVERIFY(qAbs(back.x() + 12) < 1e-6 && qAbs(back.y() + 6) < 1e-6);

        // Guide lines show only beside a visible marker.
        auto guides = [&chart, handle] {
            int shown = 0;
            for (QGraphicsItem* item : chart.scene()->items()) {
                if (item->type() == QGraphicsLineItem::Type && item->zValue() == handle->zValue() - 1 && item->isVisible())
                    ++shown;
            }
            return shown;
        };
        QCOMPARE(guides(), 2);
        chart.setHandleVisible("CompressorS1M1Default", false);
        QVERIFY(!handle->isVisible());
        QCOMPARE(guides(), 0);
        chart.setHandleLinesVisible("CompressorS1M1Default", false).setHandleVisible("CompressorS1M1Default", true);
        QVERIFY(!chart.handleLinesVisible("CompressorS1M1Default"));
        QCOMPARE(guides(), 0);
        chart.setHandleLinesVisible("CompressorS1M1Default", true);
        QCOMPARE(guides(), 2);
    }

    void onlyUnlockedHandlesFollowTheMouse()
    {
        Chart chart;
        chart.setCompressorStyle();
        chart.resize(300, 300);
        chart.show();
        QVERIFY(QTest::qWaitForWindowExposed(&chart));
        chart.addHandle("Point", {-24, -24}, kHandle).addHandle("Fixed", {-36, -12}, kHandle);
        chart.setHandleLock("Fixed", true);
        QSignalSpy moved(&chart, &Chart::handleMoved);

        auto dragBy = [&chart](const QString& name, QPoint offset) {
            const QPoint from = chart.mapFromScene(chart.valueToScene(chart.handlePosition(name)));
            QTest::mousePress(chart.viewport(), Qt::LeftButton, {}, from);
            QMouseEvent move(QEvent::MouseMove, QPointF(from + offset), QPointF(chart.viewport()->mapToGlobal(from + offset)),
                             Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(chart.viewport(), &move);
            QTest::mouseRelease(chart.viewport(), Qt::LeftButton, {}, from + offset);
        };

        dragBy("Fixed", {30, -30});
        QCOMPARE(chart.handlePosition("Fixed"), QPointF(-36, -12));
        QCOMPARE(moved.count(), 0);

        dragBy("Point", {40, 0});
        QCOMPARE(moved.count(), 1);
        QCOMPARE(moved.at(0).at(0).toString(), QString("Point"));
        QVERIFY(chart.handlePosition("Point").x() > -24);
        QVERIFY(qAbs(chart.handlePosition("Point").y() + 24) < 0.5);

        // Dragged far outside, it stops at the axes' ends.
        dragBy("Point", {2000, -2000});
        QCOMPARE(chart.handlePosition("Point"), QPointF(0, 0));
    }

    void fontReachesAxesAndTexts()
    {
        Chart chart;
        chart.setEqualizerStyle();
        QFont font = chart.font();
        font.setPointSize(13);
        QCOMPARE(&chart.setFont(font).setChartMargins(0, 6, 0, 8), &chart);
        QCOMPARE(chart.axisY()->labelsFont().pointSize(), 13);
        qreal left = -1, top = -1, right = -1, bottom = -1;
        chart.chart()->layout()->getContentsMargins(&left, &top, &right, &bottom);
        QCOMPARE(QList<qreal>({left, top, right, bottom}), QList<qreal>({0, 6, 0, 8}));
    }
};

K93_TEST(ChartTest)
#include "charttest.moc"
