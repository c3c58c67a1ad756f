#pragma once

#include <QChartView>
#include <QColor>
#include <QHash>
#include <QList>
#include <QPointF>
#include <QString>

class QAbstractAxis;
class QGraphicsObject;
class QGraphicsSimpleTextItem;
class QLineSeries;
class QSplineSeries;
class QXYSeries;

// Chart view for response and transfer curves: named line and spline series
// on two shared axes, named image handles with guide lines, and scale texts.
// Every operation that names a series or handle ignores names it does not hold.
class Chart : public QChartView
{
    Q_OBJECT
public:
    explicit Chart(QWidget* parent = nullptr);
    ~Chart() override;

    Chart& setCompressorStyle();
    Chart& setEqualizerStyle();

    Chart& addLineSeries(const QString& name, const QColor& color, double width = 2.0, Qt::PenStyle style = Qt::SolidLine);
    Chart& addSplineSeries(const QString& name, const QColor& color, double width = 2.0, Qt::PenStyle style = Qt::SolidLine);
    Chart& setLineSeriesData(const QString& name, const QList<QPointF>& points);
    Chart& setSplineSeriesData(const QString& name, const QList<QPointF>& points);
    Chart& setSplineSeriesVisible(const QString& name, bool visible);

    Chart& addHandle(const QString& name, QPointF point, const QString& imagePath);
    Chart& setHandlePosition(const QString& name, QPointF point);
    Chart& setHandleVisible(const QString& name, bool visible);
    Chart& setHandleLinesVisible(const QString& name, bool visible);
    Chart& setHandleLock(const QString& name, bool locked);

    Chart& clearTextItems();
    Chart& setChartMargins(int left, int top, int right, int bottom);
    Chart& setFont(const QFont& font);

    QLineSeries* lineSeries(const QString& name) const;
    QSplineSeries* splineSeries(const QString& name) const;
    QGraphicsObject* handle(const QString& name) const;
    QPointF handlePosition(const QString& name) const;
    bool handleLinesVisible(const QString& name) const;
    QAbstractAxis* axisX() const { return mAxisX; }
    QAbstractAxis* axisY() const { return mAxisY; }
    int textItemCount() const { return int(mTexts.size()); }

    // Chart value and widget scene position, through the current plot area.
    QPointF valueToScene(QPointF value) const;
    QPointF sceneToValue(QPointF scene) const;

signals:
    // A handle that is not locked was dragged to a new value.
    void handleMoved(QString name, QPointF point);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    struct Handle;
    struct Text {
        QGraphicsSimpleTextItem* item;
        QPointF value;
        Qt::Alignment alignment;
    };

    bool hasSeries(const QString& name) const;
    void addSeries(QXYSeries* series, const QString& name, const QColor& color, double width, Qt::PenStyle style);
    void replaceData(QXYSeries* series, const QList<QPointF>& points) const;
    void setAxes(QAbstractAxis* x, QAbstractAxis* y, QPointF min, QPointF max, bool logX);
    void addText(const QString& text, QPointF value, Qt::Alignment alignment);
    void reposition();
    void placeHandle(Handle& handle);
    void dragHandle(const QString& name, QPointF scene);

    QAbstractAxis* mAxisX = nullptr;
    QAbstractAxis* mAxisY = nullptr;
    QPointF mMin {0, 0};
    QPointF mMax {1, 1};
    bool mLogX = false;
    QHash<QString, QLineSeries*> mLineSeries;
    QHash<QString, QSplineSeries*> mSplineSeries;
    QHash<QString, Handle*> mHandles;
    QList<Text> mTexts;
};
