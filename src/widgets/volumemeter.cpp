#include "widgets/volumemeter.h"

#include "widgets/theme.h"

#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {
const QColor kTrack {40, 40, 40};
const QColor kClipOff {46, 46, 46};
const QColor kClipOn {230, 66, 56};
const QColor kHot {230, 66, 56};
const QColor kScaleLine {22, 22, 22};

// Scale points: level in dB and its height as a fraction of the bar.
struct Mark {
    int db;
    double fraction;
};
const Mark kMarks[] = {{0, 1.0}, {-6, 0.8}, {-12, 0.62}, {-24, 0.4}, {-48, 0.16}};

double fractionOf(int db, int floorDb)
{
    if (db >= 0)
        return 1.0;
    if (db <= floorDb)
        return 0.0;
    double upperDb = 0, upperF = 1.0;
    for (const Mark& m : kMarks) {
        if (m.db <= floorDb)
            break;
        if (db >= m.db)
            return m.fraction + (upperF - m.fraction) * (db - m.db) / (upperDb - m.db);
        upperDb = m.db;
        upperF = m.fraction;
    }
    return upperF * (db - floorDb) / (upperDb - floorDb);
}

int floorDiv10(int v)
{
    return v >= 0 ? v / 10 : -((-(long long)v + 9) / 10);
}
}

bool VolumeMeterBase::levelFromTenths(int tenths, int floorDb, int* db, bool* clip)
{
    if (tenths > 1)
        return false;
    *clip = tenths == 1;
    *db = *clip ? 0 : std::max(floorDiv10(tenths), floorDb);
    return true;
}

VolumeMeterBase::VolumeMeterBase(QWidget* parent, int floorDb, QList<Bar> bars, QList<WidthSlot> widthSlots,
    QList<int> widthRatio, QList<HeightRole> heightRoles, QList<int> heightRatio)
    : QWidget(parent)
    , mFloorDb(floorDb)
    , mBars(std::move(bars))
    , mWidthSlots(std::move(widthSlots))
    , mWidthRatio(std::move(widthRatio))
    , mHeightRoles(std::move(heightRoles))
    , mHeightRatio(std::move(heightRatio))
{
    for (Bar& bar : mBars)
        bar.db = mFloorDb;
    setMinimumSize(8, 40);
    relayout();
}

int VolumeMeterBase::shownDb(int bar) const
{
    return bar >= 0 && bar < mBars.size() ? mBars[bar].db : mFloorDb;
}

bool VolumeMeterBase::isClipShown(int bar) const
{
    return bar >= 0 && bar < mBars.size() && mBars[bar].clip && !mBars[bar].hidden;
}

bool VolumeMeterBase::isBarHidden(int bar) const
{
    return bar >= 0 && bar < mBars.size() && mBars[bar].hidden;
}

QRect VolumeMeterBase::barRect(int bar) const
{
    if (bar < 0 || bar >= mBars.size() || mBars[bar].column >= mColumns.size())
        return {};
    return mColumns[mBars[bar].column];
}

QRect VolumeMeterBase::clipRect(int bar) const
{
    if (bar < 0 || bar >= mBars.size() || mBars[bar].column >= mClips.size())
        return {};
    return mClips[mBars[bar].column];
}

VolumeMeterBase& VolumeMeterBase::setClipHoldTime(int ms)
{
    mClipHoldMs = std::max(1, ms);
    for (Bar& bar : mBars)
        if (bar.clipTimer)
            bar.clipTimer->setInterval(mClipHoldMs);
    return *this;
}

void VolumeMeterBase::showTenths(int bar, int tenths)
{
    int db = 0;
    bool clip = false;
    if (levelFromTenths(tenths, mFloorDb, &db, &clip))
        showLevel(bar, db, clip);
}

void VolumeMeterBase::showLevel(int index, int db, bool clip)
{
    if (index < 0 || index >= mBars.size())
        return;
    Bar& bar = mBars[index];
    db = std::clamp(db, mFloorDb, 0);
    const QRect column = barRect(index);
    if (db != bar.db) {
        const int y1 = levelY(bar.db);
        const int y2 = levelY(db);
        bar.db = db;
        if (!bar.hidden && y1 != y2)
            update(QRect(column.left(), std::min(y1, y2), column.width(), std::abs(y1 - y2) + 1) & column);
    }
    if (clip) {
        if (!bar.clipTimer) {
            bar.clipTimer = new QTimer(this);
            bar.clipTimer->setSingleShot(true);
            bar.clipTimer->setInterval(mClipHoldMs);
            connect(bar.clipTimer, &QTimer::timeout, this, [this, index] { clipExpired(index); });
        }
        bar.clipTimer->start();
        if (!bar.clip) {
            bar.clip = true;
            if (!bar.hidden)
                update(clipRect(index));
        }
    }
}

void VolumeMeterBase::clipExpired(int index)
{
    if (!mBars[index].clip)
        return;
    mBars[index].clip = false;
    update(clipRect(index));
}

void VolumeMeterBase::hideBar(int index, bool hidden)
{
    if (index < 0 || index >= mBars.size() || mBars[index].hidden == hidden)
        return;
    mBars[index].hidden = hidden;
    update();
}

void VolumeMeterBase::applyWidthRatio(const QList<int>& ratio)
{
    if (ratio.size() != mWidthRatio.size())
        return;
    for (int i = 0; i < ratio.size(); ++i)
        mWidthRatio[i] = std::clamp(ratio[i], 0, 100);
    relayout();
    update();
}

void VolumeMeterBase::applyHeightRatio(const QList<int>& ratio)
{
    if (ratio.size() != mHeightRatio.size())
        return;
    for (int i = 0; i < ratio.size(); ++i)
        mHeightRatio[i] = std::clamp(ratio[i], 0, 100);
    relayout();
    update();
}

void VolumeMeterBase::applyScaleLineHidden(bool hidden)
{
    if (mScaleLineHidden == hidden)
        return;
    mScaleLineHidden = hidden;
    update();
}

void VolumeMeterBase::applyBackgroundColor(const QColor& colour)
{
    mBackground = colour;
    update();
}

void VolumeMeterBase::applyFont(const QFont& font)
{
    QWidget::setFont(font);
    update();
}

void VolumeMeterBase::relayout()
{
    // Vertical: the clip row and the bar row.
    int y = 0;
    int clipTop = 0, clipHeight = 0, barTop = 0, barHeight = 0;
    for (int i = 0; i < mHeightRoles.size(); ++i) {
        const int h = height() * mHeightRatio[i] / 100;
        if (mHeightRoles[i] == HClip) {
            clipTop = y;
            clipHeight = h;
        } else if (mHeightRoles[i] == HBar) {
            barTop = y;
            barHeight = h;
        }
        y += h;
    }
    // Horizontal: columns and the scale, in order.
    int columns = 0;
    for (const Bar& bar : mBars)
        columns = std::max(columns, bar.column + 1);
    mColumns = QList<QRect>(columns);
    mClips = QList<QRect>(columns);
    mScale = QRect();
    int x = 0;
    for (const WidthSlot& slot : mWidthSlots) {
        const int w = width() * mWidthRatio[slot.ratioIndex] / 100;
        if (slot.role >= 0 && slot.role < columns) {
            mColumns[slot.role] = QRect(x, barTop, w, barHeight);
            mClips[slot.role] = QRect(x, clipTop, w, clipHeight);
        } else if (slot.role == Scale) {
            mScale = QRect(x, barTop, w, barHeight);
        }
        x += w;
    }
}

int VolumeMeterBase::levelY(int db) const
{
    if (mColumns.isEmpty())
        return 0;
    const QRect& c = mColumns.first();
    return c.top() + int(std::lround(c.height() * (1.0 - fractionOf(db, mFloorDb))));
}

void VolumeMeterBase::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    const QRect dirty = event->rect();
    if (mBackground.alpha() > 0)
        painter.fillRect(dirty, mBackground);

    const int yRed = levelY(-3);
    const int yAmber = levelY(-12);
    for (int c = 0; c < mColumns.size(); ++c) {
        const QRect& column = mColumns[c];
        if (column.isEmpty() || !column.intersects(dirty))
            continue;
        bool anyShown = false;
        for (const Bar& bar : mBars)
            anyShown = anyShown || (bar.column == c && !bar.hidden);
        if (anyShown)
            painter.fillRect(column, kTrack);
    }
    // Translucent levels first, so that the main level stays readable over them.
    QList<int> order;
    for (int i = 0; i < mBars.size(); ++i)
        if (mBars[i].style == Secondary)
            order.append(i);
    for (int i = 0; i < mBars.size(); ++i)
        if (mBars[i].style != Secondary)
            order.append(i);
    for (int i : order) {
        const Bar& bar = mBars[i];
        const QRect& column = mColumns[bar.column];
        if (bar.hidden || column.isEmpty())
            continue;
        if (column.intersects(dirty) && bar.db > mFloorDb) {
            const int top = levelY(bar.db);
            const int bottom = column.bottom() + 1;
            if (bar.style == Secondary) {
                painter.fillRect(QRect(column.left(), top, column.width(), bottom - top), QColor(255, 255, 255, 70));
            } else {
                const int alpha = bar.style == Origin ? 120 : 255;
                auto band = [&](int from, int to, QColor colour) {
                    from = std::max(from, top);
                    if (to > from) {
                        colour.setAlpha(alpha);
                        painter.fillRect(QRect(column.left(), from, column.width(), to - from), colour);
                    }
                };
                band(yAmber, bottom, Theme::Accent);
                band(yRed, yAmber, Theme::Solo);
                band(top, yRed, kHot);
            }
        }
        const QRect& clip = mClips[bar.column];
        if (bar.style != Secondary && !clip.isEmpty() && clip.intersects(dirty))
            painter.fillRect(clip, bar.clip ? kClipOn : kClipOff);
    }

    if (!mScaleLineHidden) {
        for (const Mark& m : kMarks) {
            if (m.db <= mFloorDb || m.db == 0) // no line at the top edge
                continue;
            const int y = levelY(m.db);
            for (const QRect& column : mColumns)
                if (!column.isEmpty())
                    painter.fillRect(QRect(column.left(), y, column.width(), 1), kScaleLine);
        }
    }
    if (!mScale.isEmpty() && mScale.intersects(dirty)) {
        QFont scaleFont = font();
        scaleFont.setPixelSize(std::clamp(mScale.width() / 2, 6, 12));
        painter.setFont(scaleFont);
        painter.setPen(Theme::TextOff);
        const int textHeight = painter.fontMetrics().height();
        QList<int> marks;
        for (const Mark& m : kMarks)
            if (m.db > mFloorDb)
                marks.append(m.db);
        marks.append(mFloorDb);
        for (int db : marks) {
            const int y = std::clamp(levelY(db) - textHeight / 2, 0, std::max(0, height() - textHeight));
            painter.drawText(QRect(mScale.left() + 2, y, mScale.width() - 2, textHeight),
                Qt::AlignLeft | Qt::AlignVCenter, QString::number(db));
        }
    }
}

void VolumeMeterBase::resizeEvent(QResizeEvent*)
{
    relayout();
}

// --- Variants: bars, ratio roles and default ratios.

VolumeMeterS1M1::VolumeMeterS1M1(QWidget* parent)
    : VolumeMeterS1M1(parent, -90)
{
}

VolumeMeterS1M1::VolumeMeterS1M1(QWidget* parent, int floorDb)
    : VolumeMeterBase(parent, floorDb, {Bar {0, Main}, Bar {0, Secondary}},
          {{0, Space}, {1, 0}, {2, Space}, {3, Scale}}, {20, 30, 6, 44},
          {HSpace, HClip, HSpace, HSpace, HBar, HSpace}, {2, 3, 2, 1, 90, 2})
{
}

VolumeMeterS1M1& VolumeMeterS1M1::setValueSecondary(int tenthsDb)
{
    int db = 0;
    bool clip = false;
    // The translucent level has no clip mark of its own.
    if (levelFromTenths(tenthsDb, floorDb(), &db, &clip))
        showLevel(SecondaryBar, db, false);
    return *this;
}

VolumeMeterS1M1& VolumeMeterS1M1::setWidthRatio(int margin, int bar, int gap, int scale)
{
    applyWidthRatio({margin, bar, gap, scale});
    return *this;
}

VolumeMeterS1M1& VolumeMeterS1M1::setHeightRatio(int top, int clip, int gap1, int gap2, int bar, int bottom)
{
    applyHeightRatio({top, clip, gap1, gap2, bar, bottom});
    return *this;
}

VolumeMeterS1M6::VolumeMeterS1M6(QWidget* parent)
    : VolumeMeterS1M1(parent, -60)
{
}

VolumeMeterS1M2::VolumeMeterS1M2(QWidget* parent)
    : VolumeMeterBase(parent, -90, {Bar {0, Main}, Bar {1, Main}},
          {{0, Space}, {1, 0}, {2, Space}, {1, 1}, {2, Space}, {3, Scale}}, {10, 22, 6, 30},
          {HSpace, HClip, HSpace, HSpace, HBar, HSpace}, {2, 3, 2, 1, 90, 2})
{
}

VolumeMeterS1M2& VolumeMeterS1M2::setWidthRatio(int margin, int bar, int gap, int scale)
{
    applyWidthRatio({margin, bar, gap, scale});
    return *this;
}

VolumeMeterS1M2& VolumeMeterS1M2::setHeightRatio(int top, int clip, int gap1, int gap2, int bar, int bottom)
{
    applyHeightRatio({top, clip, gap1, gap2, bar, bottom});
    return *this;
}

VolumeMeterS1M3::VolumeMeterS1M3(QWidget* parent)
    : VolumeMeterBase(parent, -90, {Bar {0, Origin}, Bar {1, Main}, Bar {2, Origin}, Bar {3, Main}},
          {{0, Space}, {1, 0}, {2, Space}, {3, 1}, {4, Space}, {1, 2}, {2, Space}, {3, 3}, {0, Space}},
          {8, 12, 4, 12, 28}, {HSpace, HClip, HSpace, HBar, HSpace}, {1, 3, 2, 92, 2})
{
}

VolumeMeterS1M3& VolumeMeterS1M3::setWidthRatio(int margin, int originBar, int gap, int gainedBar, int centre)
{
    applyWidthRatio({margin, originBar, gap, gainedBar, centre});
    return *this;
}

namespace {
// The gained level is origin + gain, at most 0 dB (with the clip mark) and at least the floor.
void gainedLevel(int originDb, bool originClip, int gainDb, int floorDb, int* db, bool* clip)
{
    const long long sum = (long long)originDb + gainDb;
    *clip = sum > 0 || (originClip && gainDb >= 0);
    *db = int(std::clamp<long long>(sum, floorDb, 0));
}
}

void VolumeMeterS1M3::showWithGain(int originBar, int gainedBar, int tenthsDb, int gainDb)
{
    int db = 0;
    bool clip = false;
    if (!levelFromTenths(tenthsDb, floorDb(), &db, &clip))
        return;
    showLevel(originBar, db, clip);
    int gained = 0;
    bool gainedClip = false;
    gainedLevel(db, clip, gainDb, floorDb(), &gained, &gainedClip);
    showLevel(gainedBar, gained, gainedClip);
}

VolumeMeterS1M4::VolumeMeterS1M4(QWidget* parent)
    : VolumeMeterBase(parent, -90, {Bar {0, Main}, Bar {1, Origin}},
          {{0, Space}, {1, 0}, {2, Space}, {3, 1}, {4, Space}}, {20, 25, 10, 25, 20},
          {HClip, HSpace, HBar, HSpace}, {3, 2, 93, 2})
{
}

VolumeMeterS1M4& VolumeMeterS1M4::setValue(int tenthsDb, int gainDb)
{
    int db = 0;
    bool clip = false;
    if (!levelFromTenths(tenthsDb, floorDb(), &db, &clip))
        return *this;
    showLevel(OriginBar, db, clip);
    int gained = 0;
    bool gainedClip = false;
    gainedLevel(db, clip, gainDb, floorDb(), &gained, &gainedClip);
    showLevel(GainedBar, gained, gainedClip);
    return *this;
}

VolumeMeterS1M4& VolumeMeterS1M4::setWidthRatio(int left, int bar1, int gap, int bar2, int right)
{
    applyWidthRatio({left, bar1, gap, bar2, right});
    return *this;
}

VolumeMeterS1M4& VolumeMeterS1M4::setHeightRatio(int clip, int gap, int bar, int bottom)
{
    applyHeightRatio({clip, gap, bar, bottom});
    return *this;
}

VolumeMeterS1M5::VolumeMeterS1M5(QWidget* parent)
    : VolumeMeterS1M4(parent)
{
}

VolumeMeterS1M7::VolumeMeterS1M7(QWidget* parent)
    : VolumeMeterS1M7(parent, -90)
{
}

VolumeMeterS1M7::VolumeMeterS1M7(QWidget* parent, int floorDb)
    : VolumeMeterBase(parent, floorDb, {Bar {0, Main}, Bar {1, Main}},
          {{0, Space}, {1, 0}, {2, Space}, {1, 1}, {0, Space}}, {20, 25, 10},
          {HClip, HSpace, HBar, HSpace}, {3, 2, 93, 2})
{
}

VolumeMeterS1M7& VolumeMeterS1M7::setWidthRatio(int margin, int bar, int gap)
{
    applyWidthRatio({margin, bar, gap});
    return *this;
}

VolumeMeterS1M7& VolumeMeterS1M7::setHeightRatio(int clip, int gap, int bar, int bottom)
{
    applyHeightRatio({clip, gap, bar, bottom});
    return *this;
}

VolumeMeterS1M8::VolumeMeterS1M8(QWidget* parent)
    : VolumeMeterS1M7(parent, -60)
{
}

VolumeMeterS2M1::VolumeMeterS2M1(QWidget* parent)
    : VolumeMeterBase(parent, -90, {Bar {0, Main}}, {{0, Space}, {1, 0}, {0, Space}}, {20, 60},
          {HClip, HSpace, HBar}, {6, 4, 90})
{
    setMinimumSize(6, 30);
}
