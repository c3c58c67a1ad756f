#pragma once

#include <QFont>
#include <QRect>
#include <QString>

// The application font and the routines every control uses to fit its text
// to the space it was given.
class GlobalFont
{
public:
    // Picks a family that renders both English and Chinese and makes it the
    // application font.
    static void initialize();
    static QFont getFont();
    static void setFont(const QFont& font);

    static int getSuitablePointSize(QFont font, int height);
    static int getSuitablePixelSize(QFont font, int height);
    static int getSuitablePointSizeInRect(QFont font, const QString& text, const QRect& rect);
    static int getSuitablePixelSizeInRect(QFont font, const QString& text, const QRect& rect);
    static bool isWidthSuitable(const QFont& font, const QString& text, int width);

    static constexpr int kSmallestSize = 5;
    static constexpr int kLargestSize = 60;
};
