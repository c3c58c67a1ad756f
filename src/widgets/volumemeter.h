#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QRect>
#include <QWidget>

class QTimer;

// Vertical level meters. Levels arrive in tenths of a dB: 1 marks a clip
// (0 dB and a clip mark held for a while), values above 1 are ignored, any
// other value shows floor(value / 10) dB, never below the meter's floor.
// The variants differ only in their bars and in how the width and height
// ratios (percent of the widget) divide the widget.
class VolumeMeterBase : public QWidget
{
    Q_OBJECT
public:
    static constexpr int DefaultClipHoldMs = 5000;

    // Converts a level in tenths of a dB; false when the level is to be ignored.
    static bool levelFromTenths(int tenths, int floorDb, int* db, bool* clip);

    int floorDb() const { return mFloorDb; }
    int barCount() const { return int(mBars.size()); }
    int shownDb(int bar) const;
    bool isClipShown(int bar) const;
    bool isBarHidden(int bar) const;
    QRect barRect(int bar) const;
    QRect clipRect(int bar) const;
    QList<int> widthRatio() const { return mWidthRatio; }
    QList<int> heightRatio() const { return mHeightRatio; }
    bool isScaleLineHidden() const { return mScaleLineHidden; }
    // How long a clip mark stays after the last clip.
    VolumeMeterBase& setClipHoldTime(int ms);

protected:
    enum BarStyle { Main, Origin, Secondary };
    enum WidthRole { Space = -1, Scale = -2 }; // or a column number
    enum HeightRole { HSpace, HClip, HBar };
    struct Bar {
        Bar(int c, BarStyle s) : column(c), style(s) {}
        int column = 0;
        BarStyle style = Main;
        int db = 0;
        bool clip = false;
        bool hidden = false;
        QTimer* clipTimer = nullptr;
    };
    struct WidthSlot {
        int ratioIndex;
        int role;
    };

    VolumeMeterBase(QWidget* parent, int floorDb, QList<Bar> bars, QList<WidthSlot> widthSlots,
        QList<int> widthRatio, QList<HeightRole> heightRoles, QList<int> heightRatio);

    // Shows a level given in tenths of a dB on one bar.
    void showTenths(int bar, int tenths);
    // Shows a level in whole dB (clamped to floor..0) and, with clip, starts the clip mark.
    void showLevel(int bar, int db, bool clip);
    void hideBar(int bar, bool hidden);
    void applyWidthRatio(const QList<int>& ratio);
    void applyHeightRatio(const QList<int>& ratio);
    void applyScaleLineHidden(bool hidden);
    void applyBackgroundColor(const QColor& colour);
    void applyFont(const QFont& font);

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void relayout();
    int levelY(int db) const;
    void clipExpired(int bar);

    int mFloorDb;
    QList<Bar> mBars;
    QList<WidthSlot> mWidthSlots;
    QList<int> mWidthRatio;
    QList<HeightRole> mHeightRoles;
    QList<int> mHeightRatio;
    QList<QRect> mColumns; // bar row part of each column
    QList<QRect> mClips;   // clip row part of each column
    QRect mScale;
    QColor mBackground = Qt::transparent;
    bool mScaleLineHidden = false;
    int mClipHoldMs = DefaultClipHoldMs;
};

class VolumeMeterS1M1 : public VolumeMeterBase
{
    Q_OBJECT
public:
    enum BarIndex { MainBar = 0, SecondaryBar };
    explicit VolumeMeterS1M1(QWidget* parent = nullptr);
    VolumeMeterS1M1& setValue(int tenthsDb) { showTenths(MainBar, tenthsDb); return *this; }
    VolumeMeterS1M1& setValueSecondary(int tenthsDb);
    VolumeMeterS1M1& setBackgroundColor(const QColor& colour) { applyBackgroundColor(colour); return *this; }
    VolumeMeterS1M1& setScaleLineHidden(bool hidden) { applyScaleLineHidden(hidden); return *this; }
    // margin, bar, gap, scale
    VolumeMeterS1M1& setWidthRatio(int margin, int bar, int gap, int scale);
    // top, clip mark, gap, gap, bar, bottom
    VolumeMeterS1M1& setHeightRatio(int top, int clip, int gap1, int gap2, int bar, int bottom);
    VolumeMeterS1M1& setFont(const QFont& font) { applyFont(font); return *this; }
protected:
    VolumeMeterS1M1(QWidget* parent, int floorDb);
};

// The mono meter of the equaliser and compressor windows: floor -60 dB.
class VolumeMeterS1M6 : public VolumeMeterS1M1
{
    Q_OBJECT
public:
    explicit VolumeMeterS1M6(QWidget* parent = nullptr);
};

class VolumeMeterS1M2 : public VolumeMeterBase
{
    Q_OBJECT
public:
    enum BarIndex { LeftBar = 0, RightBar };
    explicit VolumeMeterS1M2(QWidget* parent = nullptr);
    VolumeMeterS1M2& setValueLeft(int tenthsDb) { showTenths(LeftBar, tenthsDb); return *this; }
    VolumeMeterS1M2& setValueRight(int tenthsDb) { showTenths(RightBar, tenthsDb); return *this; }
    // margin, bar, gap, scale
    VolumeMeterS1M2& setWidthRatio(int margin, int bar, int gap, int scale);
    // top, clip mark, gap, gap, bar, bottom
    VolumeMeterS1M2& setHeightRatio(int top, int clip, int gap1, int gap2, int bar, int bottom);
    VolumeMeterS1M2& setScaleLineHidden(bool hidden) { applyScaleLineHidden(hidden); return *this; }
    VolumeMeterS1M2& setFont(const QFont& font) { applyFont(font); return *this; }
};

// Stereo meter with the input (origin) level and the level after a gain per side.
class VolumeMeterS1M3 : public VolumeMeterBase
{
    Q_OBJECT
public:
    enum BarIndex { LeftOrigin = 0, LeftGained, RightOrigin, RightGained };
    explicit VolumeMeterS1M3(QWidget* parent = nullptr);
    // level in tenths of a dB, gain in whole dB
    VolumeMeterS1M3& setValueLeft(int tenthsDb, int gainDb) { showWithGain(LeftOrigin, LeftGained, tenthsDb, gainDb); return *this; }
    VolumeMeterS1M3& setValueRight(int tenthsDb, int gainDb) { showWithGain(RightOrigin, RightGained, tenthsDb, gainDb); return *this; }
    // outer margin, origin bar, gap, gained bar, gap between the sides; the right side mirrors the left
    VolumeMeterS1M3& setWidthRatio(int margin, int originBar, int gap, int gainedBar, int centre);
    VolumeMeterS1M3& setScaleLineHidden(bool hidden) { applyScaleLineHidden(hidden); return *this; }
    VolumeMeterS1M3& setFont(const QFont& font) { applyFont(font); return *this; }
protected:
    void showWithGain(int originBar, int gainedBar, int tenthsDb, int gainDb);
};

// Mono meter with a gained bar (left) and the origin bar (right).
class VolumeMeterS1M4 : public VolumeMeterBase
{
    Q_OBJECT
public:
    enum BarIndex { GainedBar = 0, OriginBar };
    explicit VolumeMeterS1M4(QWidget* parent = nullptr);
    // level in tenths of a dB, gain in whole dB
    VolumeMeterS1M4& setValue(int tenthsDb, int gainDb);
    VolumeMeterS1M4& setGainedHidden(bool hidden) { hideBar(GainedBar, hidden); return *this; }
    bool isGainedHidden() const { return isBarHidden(GainedBar); }
    // margin, left bar, gap, right bar, margin
    VolumeMeterS1M4& setWidthRatio(int left, int bar1, int gap, int bar2, int right);
    // clip mark, gap, bar, bottom
    VolumeMeterS1M4& setHeightRatio(int clip, int gap, int bar, int bottom);
    VolumeMeterS1M4& setScaleLineHidden(bool hidden) { applyScaleLineHidden(hidden); return *this; }
    VolumeMeterS1M4& setFont(const QFont& font) { applyFont(font); return *this; }
};

class VolumeMeterS1M5 : public VolumeMeterS1M4
{
    Q_OBJECT
public:
    explicit VolumeMeterS1M5(QWidget* parent = nullptr);
    VolumeMeterS1M5& setValueGained(int tenthsDb) { showTenths(GainedBar, tenthsDb); return *this; }
    VolumeMeterS1M5& setValueOrigin(int tenthsDb) { showTenths(OriginBar, tenthsDb); return *this; }
};

class VolumeMeterS1M7 : public VolumeMeterBase
{
    Q_OBJECT
public:
    enum BarIndex { LeftBar = 0, RightBar };
    explicit VolumeMeterS1M7(QWidget* parent = nullptr);
    VolumeMeterS1M7& setValueLeft(int tenthsDb) { showTenths(LeftBar, tenthsDb); return *this; }
    VolumeMeterS1M7& setValueRight(int tenthsDb) { showTenths(RightBar, tenthsDb); return *this; }
    VolumeMeterS1M7& setBackgroundColor(const QColor& colour) { applyBackgroundColor(colour); return *this; }
    // outer margin, bar, gap between the bars (mirrored on the right)
    VolumeMeterS1M7& setWidthRatio(int margin, int bar, int gap);
    // clip mark, gap, bar, bottom
    VolumeMeterS1M7& setHeightRatio(int clip, int gap, int bar, int bottom);
    VolumeMeterS1M7& setScaleLineHidden(bool hidden) { applyScaleLineHidden(hidden); return *this; }
    VolumeMeterS1M7& setFont(const QFont& font) { applyFont(font); return *this; }
protected:
    VolumeMeterS1M7(QWidget* parent, int floorDb);
};

// The stereo meter of the ducking strip: floor -60 dB.
class VolumeMeterS1M8 : public VolumeMeterS1M7
{
    Q_OBJECT
public:
    explicit VolumeMeterS1M8(QWidget* parent = nullptr);
};

// The small mono meter of the compact input strips.
class VolumeMeterS2M1 : public VolumeMeterBase
{
    Q_OBJECT
public:
    explicit VolumeMeterS2M1(QWidget* parent = nullptr);
    VolumeMeterS2M1& setValue(int tenthsDb) { showTenths(0, tenthsDb); return *this; }
};
