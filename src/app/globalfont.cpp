#include "app/globalfont.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>

namespace {

QFont& applicationFont()
{
    static QFont font;
    return font;
}

enum class Unit { Point, Pixel };

void applySize(QFont& font, Unit unit, int size)
{
    if (unit == Unit::Point)
        font.setPointSize(size);
    else
        font.setPixelSize(size);
}

// Counts up from the smallest size while the text still fits; the last size
// that fitted wins, one below the smallest when nothing does. Every resize of
// every control lands here, so results are cached per font, text and box.
int fit(QFont font, Unit unit, const QString* text, int width, int height)
{
    static QHash<QString, int> cache;
    applySize(font, unit, GlobalFont::kSmallestSize);
    const QString key = QString("%1|%2|%3|%4|%5")
                            .arg(font.key())
                            .arg(int(unit))
                            .arg(width)
                            .arg(height)
                            .arg(text ? *text : QString());
    if (auto it = cache.constFind(key); it != cache.constEnd())
        return *it;

    int size = GlobalFont::kSmallestSize;
    while (size <= GlobalFont::kLargestSize) {
        applySize(font, unit, size);
        const QFontMetrics metrics(font);
        if (metrics.height() > height)
            break;
        if (text && metrics.horizontalAdvance(*text) > width)
            break;
        ++size;
    }
    const int result = size - 1;
    if (cache.size() > 4096)
        cache.clear();
    cache.insert(key, result);
    return result;
}

} // namespace

void GlobalFont::initialize()
{
    QFont font = QApplication::font();
    const QStringList preferred {"WenQuanYi Micro Hei", "Noto Sans CJK SC", "Droid Sans Fallback", "DejaVu Sans"};
    const QStringList families = QFontDatabase::families();
    for (const QString& family : preferred) {
        if (families.contains(family)) {
            font.setFamily(family);
            break;
        }
    }
    font.setPointSize(10);
    setFont(font);
    QApplication::setFont(font);
}

QFont GlobalFont::getFont()
{
    return applicationFont();
}

void GlobalFont::setFont(const QFont& font)
{
    applicationFont() = font;
}

int GlobalFont::getSuitablePointSize(QFont font, int height)
{
    return fit(font, Unit::Point, nullptr, 0, height);
}

int GlobalFont::getSuitablePixelSize(QFont font, int height)
{
    return fit(font, Unit::Pixel, nullptr, 0, height);
}

int GlobalFont::getSuitablePointSizeInRect(QFont font, const QString& text, const QRect& rect)
{
    return fit(font, Unit::Point, &text, rect.width(), rect.height());
}

int GlobalFont::getSuitablePixelSizeInRect(QFont font, const QString& text, const QRect& rect)
{
    return fit(font, Unit::Pixel, &text, rect.width(), rect.height());
}

bool GlobalFont::isWidthSuitable(const QFont& font, const QString& text, int width)
{
    return QFontMetrics(font).horizontalAdvance(text) <= width;
}
