#include "widgets/chart.h"

#include "widgets/theme.h"

#include <QGraphicsLayout>
#include <QGraphicsLineItem>
#include <QGraphicsObject>
#include <QGraphicsSceneMouseEvent>
#include <QGraphicsSimpleTextItem>
#include <QLineSeries>
#include <QLogValueAxis>
#include <QPainter>
#include <QSplineSeries>
#include <QValueAxis>
#include <cmath>
#include <functional>

namespace {

const QColor kGrid(52, 52, 52);
const QColor kLabel(161, 161, 161);

// A draggable picture centred on its chart point. Locks are the dynamic
// properties "LockX" and "LockY", so callers and tests can read them.
class HandleItem : public QGraphicsObject
{
public:
    explicit HandleItem(const QPixmap& pixmap)
        : mPixmap(pixmap)
    {
        setProperty("LockX", false);
        setProperty("LockY", false);
        setZValue(10);
        setCursor(Qt::OpenHandCursor);
    }

    std::function<void(QPointF)> onDrag;

    QRectF boundingRect() const override
    {
        const QSizeF size = mPixmap.deviceIndependentSize();
        return {QPointF(-size.width() / 2, -size.height() / 2), size};
    }
    void paint(QPainter* painter, const QStyleOptionGraphicsItem*, QWidget*) override
    {
        painter->drawPixmap(boundingRect().topLeft(), mPixmap);
    }

protected:
    void mousePressEvent(QGraphicsSceneMouseEvent* e) override
    {
        if (property("LockX").toBool() && property("LockY").toBool())
            e->ignore();
        else
            e->accept();
    }
    void mouseMoveEvent(QGraphicsSceneMouseEvent* e) override
    {
        if (onDrag)
            onDrag(e->scenePos());
    }

private:
    QPixmap mPixmap;
};

} // namespace

struct Chart::Handle {
    HandleItem* item = nullptr;
    QGraphicsLineItem* lineX = nullptr; // vertical, down to the x axis
    QGraphicsLineItem* lineY = nullptr; // horizontal, across to the y axis
    QPointF value;
    bool linesVisible = true;
};

Chart::Chart(QWidget* parent)
    : QChartView(parent)
{
    chart()->legend()->hide();
    chart()->setBackgroundRoundness(0);
    chart()->setBackgroundBrush(Theme::Panel);
    chart()->setBackgroundPen(Qt::NoPen);
    chart()->setMargins(QMargins(0, 0, 0, 0));
    chart()->layout()->setContentsMargins(0, 0, 0, 0);
    setRenderHint(QPainter::Antialiasing);
    setFrameShape(QFrame::NoFrame);
    setBackgroundBrush(Theme::Panel);
    setAxes(new QValueAxis, new QValueAxis, {0, 0}, {1, 1}, false);
    connect(chart(), &QChart::plotAreaChanged, this, [this] { reposition(); });
}

Chart::~Chart()
{
    qDeleteAll(mHandles);
}

Chart& Chart::setCompressorStyle()
{
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    for (QValueAxis* axis : {x, y}) {
        axis->setRange(-48, 0);
        axis->setTickCount(5);
        axis->setLabelsVisible(false);
        axis->setLineVisible(false);
        axis->setGridLinePen(QPen(kGrid, 1));
    }
    setAxes(x, y, {-48, -48}, {0, 0}, false);
    clearTextItems();
    for (int db = -36; db < 0; db += 12) {
        addText(QString::number(db), {double(db), -48}, Qt::AlignHCenter | Qt::AlignBottom);
        addText(QString::number(db), {-48, double(db)}, Qt::AlignLeft | Qt::AlignVCenter);
    }
    return *this;
}

Chart& Chart::setEqualizerStyle()
{
    auto* x = new QLogValueAxis;
    x->setBase(10);
    x->setRange(20, 22000);
    x->setMinorTickCount(8);
    x->setLabelsVisible(false);
    x->setLineVisible(false);
    x->setGridLinePen(QPen(kGrid, 1));
    x->setMinorGridLinePen(QPen(kGrid.darker(130), 1));
    auto* y = new QValueAxis;
    y->setRange(-20, 20);
    y->setTickCount(5);
    y->setLabelFormat("%d");
    y->setLabelsColor(kLabel);
    y->setLineVisible(false);
    y->setGridLinePen(QPen(kGrid, 1));
    setAxes(x, y, {20, -20}, {22000, 20}, true);
    clearTextItems();
    const QList<QPair<double, QString>> marks {{50, "50"},   {100, "100"}, {200, "200"}, {500, "500"},
                                              {1000, "1k"}, {2000, "2k"}, {5000, "5k"}, {10000, "10k"}};
    for (const auto& [hz, text] : marks)
        addText(text, {hz, -20}, Qt::AlignHCenter | Qt::AlignBottom);
    return *this;
}

Chart& Chart::addLineSeries(const QString& name, const QColor& color, double width, Qt::PenStyle style)
{
    if (hasSeries(name))
        return *this;
    auto* series = new QLineSeries;
    mLineSeries.insert(name, series);
    addSeries(series, name, color, width, style);
    return *this;
}

Chart& Chart::addSplineSeries(const QString& name, const QColor& color, double width, Qt::PenStyle style)
{
    if (hasSeries(name))
        return *this;
    auto* series = new QSplineSeries;
    mSplineSeries.insert(name, series);
    addSeries(series, name, color, width, style);
    return *this;
}

Chart& Chart::setLineSeriesData(const QString& name, const QList<QPointF>& points)
{
    if (QLineSeries* series = mLineSeries.value(name))
        replaceData(series, points);
    return *this;
}

Chart& Chart::setSplineSeriesData(const QString& name, const QList<QPointF>& points)
{
    if (QSplineSeries* series = mSplineSeries.value(name))
        replaceData(series, points);
    return *this;
}

Chart& Chart::setSplineSeriesVisible(const QString& name, bool visible)
{
    if (QSplineSeries* series = mSplineSeries.value(name))
        series->setVisible(visible);
    return *this;
}

Chart& Chart::addHandle(const QString& name, QPointF point, const QString& imagePath)
{
    if (name.isEmpty() || mHandles.contains(name))
        return *this;
    const QPixmap pixmap(imagePath);
    if (pixmap.isNull())
        return *this;
    auto* handle = new Handle;
    handle->item = new HandleItem(pixmap);
    handle->item->setObjectName(name);
    handle->item->onDrag = [this, name](QPointF scene) { dragHandle(name, scene); };
    const QPen guide(QColor(120, 120, 120), 1, Qt::DashLine);
    handle->lineX = new QGraphicsLineItem;
    handle->lineY = new QGraphicsLineItem;
    for (QGraphicsLineItem* line : {handle->lineX, handle->lineY}) {
        line->setPen(guide);
        line->setZValue(9);
        scene()->addItem(line);
    }
    scene()->addItem(handle->item);
    handle->value = point;
    mHandles.insert(name, handle);
    placeHandle(*handle);
    return *this;
}

Chart& Chart::setHandlePosition(const QString& name, QPointF point)
{
    if (Handle* handle = mHandles.value(name)) {
        handle->value = point;
        placeHandle(*handle);
    }
    return *this;
}

Chart& Chart::setHandleVisible(const QString& name, bool visible)
{
    if (Handle* handle = mHandles.value(name)) {
        handle->item->setVisible(visible);
        // Guide lines to a hidden marker would point at nothing.
        handle->lineX->setVisible(visible && handle->linesVisible);
        handle->lineY->setVisible(visible && handle->linesVisible);
    }
    return *this;
}

Chart& Chart::setHandleLinesVisible(const QString& name, bool visible)
{
    if (Handle* handle = mHandles.value(name)) {
        handle->linesVisible = visible;
        handle->lineX->setVisible(visible && handle->item->isVisible());
        handle->lineY->setVisible(visible && handle->item->isVisible());
    }
    return *this;
}

Chart& Chart::setHandleLock(const QString& name, bool locked)
{
    if (Handle* handle = mHandles.value(name)) {
        handle->item->setProperty("LockX", locked);
        handle->item->setProperty("LockY", locked);
        handle->item->setCursor(locked ? Qt::ArrowCursor : Qt::OpenHandCursor);
    }
    return *this;
}

Chart& Chart::clearTextItems()
{
    for (const Text& text : std::as_const(mTexts))
        delete text.item;
    mTexts.clear();
    viewport()->update();
    return *this;
}

Chart& Chart::setChartMargins(int left, int top, int right, int bottom)
{
    chart()->layout()->setContentsMargins(left, top, right, bottom);
    return *this;
}

Chart& Chart::setFont(const QFont& font)
{
    QChartView::setFont(font);
    for (QAbstractAxis* axis : {mAxisX, mAxisY})
        axis->setLabelsFont(font);
    for (const Text& text : std::as_const(mTexts))
        text.item->setFont(font);
    reposition();
    return *this;
}

QLineSeries* Chart::lineSeries(const QString& name) const
{
    return mLineSeries.value(name);
}

QSplineSeries* Chart::splineSeries(const QString& name) const
{
    return mSplineSeries.value(name);
}

QGraphicsObject* Chart::handle(const QString& name) const
{
    const Handle* handle = mHandles.value(name);
    return handle ? handle->item : nullptr;
}

QPointF Chart::handlePosition(const QString& name) const
{
    const Handle* handle = mHandles.value(name);
    return handle ? handle->value : QPointF();
}

bool Chart::handleLinesVisible(const QString& name) const
{
    const Handle* handle = mHandles.value(name);
    return handle && handle->linesVisible;
}

QPointF Chart::valueToScene(QPointF value) const
{
    const QRectF plot = chart()->plotArea();
    double fx = 0;
    if (mLogX)
        fx = value.x() > 0 ? std::log(value.x() / mMin.x()) / std::log(mMax.x() / mMin.x()) : 0.0;
    else
        fx = (value.x() - mMin.x()) / (mMax.x() - mMin.x());
    const double fy = (value.y() - mMin.y()) / (mMax.y() - mMin.y());
    return chart()->mapToScene(QPointF(plot.left() + fx * plot.width(), plot.bottom() - fy * plot.height()));
}

QPointF Chart::sceneToValue(QPointF scene) const
{
    const QRectF plot = chart()->plotArea();
    const QPointF p = chart()->mapFromScene(scene);
    if (plot.width() <= 0 || plot.height() <= 0)
        return mMin;
    const double fx = (p.x() - plot.left()) / plot.width();
    const double fy = (plot.bottom() - p.y()) / plot.height();
    const double x = mLogX ? mMin.x() * std::pow(mMax.x() / mMin.x(), fx) : mMin.x() + fx * (mMax.x() - mMin.x());
    return {x, mMin.y() + fy * (mMax.y() - mMin.y())};
}

void Chart::resizeEvent(QResizeEvent* e)
{
    QChartView::resizeEvent(e);
    reposition();
}

bool Chart::hasSeries(const QString& name) const
{
    return mLineSeries.contains(name) || mSplineSeries.contains(name);
}

void Chart::addSeries(QXYSeries* series, const QString& name, const QColor& color, double width, Qt::PenStyle style)
{
    series->setName(name);
    QPen pen(color, width, style);
    pen.setCapStyle(Qt::RoundCap);
    series->setPen(pen);
    chart()->addSeries(series);
    series->attachAxis(mAxisX);
    series->attachAxis(mAxisY);
}

void Chart::replaceData(QXYSeries* series, const QList<QPointF>& points) const
{
    // A NaN, an infinity or a non-positive frequency on the log axis would
    // throw the whole curve off the plot; such points are dropped.
    QList<QPointF> clean;
    clean.reserve(points.size());
    for (const QPointF& p : points) {
        if (std::isfinite(p.x()) && std::isfinite(p.y()) && (!mLogX || p.x() > 0))
            clean.append(p);
    }
    series->replace(clean);
}

void Chart::setAxes(QAbstractAxis* x, QAbstractAxis* y, QPointF min, QPointF max, bool logX)
{
    const QList<QAbstractSeries*> series = chart()->series();
    for (QAbstractAxis* old : {mAxisX, mAxisY}) {
        if (!old)
            continue;
        chart()->removeAxis(old);
        delete old;
    }
    mAxisX = x;
    mAxisY = y;
    mMin = min;
    mMax = max;
    mLogX = logX;
    x->setLabelsFont(font());
    y->setLabelsFont(font());
    chart()->addAxis(x, Qt::AlignBottom);
    chart()->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* s : series) {
        s->attachAxis(x);
        s->attachAxis(y);
    }
    reposition();
}

void Chart::addText(const QString& text, QPointF value, Qt::Alignment alignment)
{
    auto* item = new QGraphicsSimpleTextItem(text);
    item->setBrush(kLabel);
    item->setFont(font());
    item->setZValue(5);
    scene()->addItem(item);
    mTexts.append({item, value, alignment});
    reposition();
}

void Chart::reposition()
{
    for (Handle* handle : std::as_const(mHandles))
        placeHandle(*handle);
    for (const Text& text : std::as_const(mTexts)) {
        const QRectF box = text.item->boundingRect();
        QPointF at = valueToScene(text.value);
        if (text.alignment & Qt::AlignHCenter)
            at.rx() -= box.width() / 2;
        else if (text.alignment & Qt::AlignLeft)
            at.rx() += 3;
        if (text.alignment & Qt::AlignBottom)
            at.ry() -= box.height() + 1;
        else if (text.alignment & Qt::AlignVCenter)
            at.ry() -= box.height() / 2;
        text.item->setPos(at);
    }
}

void Chart::placeHandle(Handle& handle)
{
    const QPointF at = valueToScene(handle.value);
    handle.item->setPos(at);
    const QPointF bottom = valueToScene({handle.value.x(), mMin.y()});
    const QPointF left = valueToScene({mMin.x(), handle.value.y()});
    handle.lineX->setLine(QLineF(at, bottom));
    handle.lineY->setLine(QLineF(at, left));
}

void Chart::dragHandle(const QString& name, QPointF scene)
{
    Handle* handle = mHandles.value(name);
    if (!handle)
        return;
    QPointF value = sceneToValue(scene);
    if (handle->item->property("LockX").toBool())
        value.setX(handle->value.x());
    if (handle->item->property("LockY").toBool())
        value.setY(handle->value.y());
    value.setX(std::clamp(value.x(), mMin.x(), mMax.x()));
    value.setY(std::clamp(value.y(), mMin.y(), mMax.y()));
    if (value == handle->value)
        return;
    handle->value = value;
    placeHandle(*handle);
    emit handleMoved(name, value);
}
