#include "testsupport.h"

#include "app/globalfont.h"

#include <QFontMetrics>

class GlobalFontTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { GlobalFont::initialize(); }

    void heightFittingStaysWithinBounds()
    {
        const QFont font = GlobalFont::getFont();
        QCOMPARE(GlobalFont::getSuitablePointSize(font, 0), 4);
        QCOMPARE(GlobalFont::getSuitablePixelSize(font, 1), 4);
        QCOMPARE(GlobalFont::getSuitablePointSize(font, 100000), 60);
        QCOMPARE(GlobalFont::getSuitablePixelSize(font, 100000), 60);

        for (int height : {12, 20, 33, 47}) {
            QFont fitted = font;
            const int size = GlobalFont::getSuitablePixelSize(font, height);
            fitted.setPixelSize(size);
            QVERIFY(QFontMetrics(fitted).height() <= height);
            fitted.setPixelSize(size + 1);
            QVERIFY(QFontMetrics(fitted).height() > height);

            const int points = GlobalFont::getSuitablePointSize(font, height);
            fitted.setPointSize(points);
            QVERIFY(QFontMetrics(fitted).height() <= height);
        }
    }

    void rectangleFittingRespectsWidthAndHeight()
    {
        const QFont font = GlobalFont::getFont();
        const QString text = "Playback 9/10";
        QCOMPARE(GlobalFont::getSuitablePixelSizeInRect(font, text, QRect(0, 0, 2, 200)), 4);
        QCOMPARE(GlobalFont::getSuitablePointSizeInRect(font, text, QRect(0, 0, 100000, 100000)), 60);

        const QRect rect(0, 0, 80, 200);
        const int size = GlobalFont::getSuitablePixelSizeInRect(font, text, rect);
        QFont fitted = font;
        fitted.setPixelSize(size);
        QVERIFY(GlobalFont::isWidthSuitable(fitted, text, rect.width()));
        fitted.setPixelSize(size + 1);
        QVERIFY(!GlobalFont::isWidthSuitable(fitted, text, rect.width()));
        // Wider text never gets a larger size.
        QVERIFY(GlobalFont::getSuitablePixelSizeInRect(font, text + text, rect) <= size);
    }

    void chineseTextHasGlyphs()
    {
        const QFontMetrics metrics(GlobalFont::getFont());
        for (QChar c : QString("系统设置"))
            QVERIFY2(metrics.inFont(c), "the application font must render Chinese");
    }
};

K93_TEST(GlobalFontTest)
#include "globalfonttest.moc"
