// Demo page: every dial and fader on the dark theme.
#include "demopage.h"

#include "widgets/dials1m1.h"
#include "widgets/dials1m3.h"
#include "widgets/dials1m5.h"
#include "widgets/dials1m6.h"
#include "widgets/hsliders2m1.h"
#include "widgets/vsliders1m1.h"
#include "widgets/vsliders1m2.h"

#include "app/globalfont.h"

#include <QBoxLayout>
#include <QLabel>
#include <cmath>

namespace {

class DialsAndFadersPage : public QWidget
{
public:
    DialsAndFadersPage()
    {
        auto* page = new QVBoxLayout(this);
        page->setContentsMargins(24, 24, 24, 24);
        auto* dialRow = new QHBoxLayout;
        auto* faderRow = new QHBoxLayout;
        page->addLayout(dialRow);
        page->addSpacing(24);
        page->addLayout(faderRow);
        page->addStretch(1);

        auto addDial = [&](DialBase* dial, const QString& caption) {
            dialRow->addLayout(column(dial, caption));
            mDials << dial;
        };

        auto* reverb = new DialS1M1;
        reverb->setRange(0, 1).setStep(0.05f).setWheelStep(0.05f).setDefault(0.7f).setValue(0.65f);
        addDial(reverb, "DialS1M1\nwidth 0..1");

        auto* balance = new DialS1M3;
        balance->setRange(0, 100).setDefault(50).setValue(72).setBipolar(true).showText(false);
        addDial(balance, "DialS1M3\nbipolar");

        auto* gainM3 = new DialS1M3;
        gainM3->setRange(-90, 12).setDefault(0).setValue(-90).showMinusInf(true);
        addDial(gainM3, "DialS1M3\n-∞ at minimum");

        auto* gain = new DialS1M5;
        gain->setRange(-12, 12).setDefault(0).setValue(4.5f);
        gain->setDragStep(0.1f).setWheelStep(0.5f).setKeyStep(1.0f).setPrecision(1).showPlusSign(true)
            .setSuffix("dB").setFitText("+00.0dB").setEditable(true).setEditorDecimals(1);
        addDial(gain, "DialS1M5\ngain, editable");

        QList<float> q {0.1f, 0.104f, 0.112f, 0.119f, 0.125f, 0.135f, 0.1405f, 0.1563f, 0.1953f, 0.2f, 0.2168f,
                        0.2293f, 0.2441f, 0.2679f, 0.3052f, 0.3433f, 0.3815f, 0.4239f, 0.4421f, 0.4768f, 0.5395f,
                        0.596f, 0.68f, 0.707f, 0.903f, 1.1642f, 1.3206f, 1.4552f, 1.819f, 2.0213f, 2.2737f, 2.412f,
                        2.5623f, 2.8422f, 3.1452f, 3.5527f, 3.8477f, 4.4409f, 4.9865f, 5.5511f, 6.0724f, 6.9389f,
                        7.7348f, 8.6736f, 10.842f, 13.5525f, 15.0f};
        auto* qDial = new DialS1M5;
        qDial->setMode(1).setValueList(q).setDefault(0.707f).setValue(0.707f).setPrecision(3).setFitText("00.000");
        addDial(qDial, "DialS1M5\nQ list");

        QList<float> ratios;
        for (int i = 10; i <= 40; ++i)
            ratios << i / 10.0f;
        ratios << 4.4f << 4.7f << 5.2f << 5.6f << 6.1f << 6.7f << 7.2f << 7.9f << 8.6f << 9.3f << 10.2f << 11.1f
               << 12.1f << 13.1f << 14.3f << 15.5f << 16.9f << 18.4f << 20.1f << 21.8f << 23.8f << 25.9f << 28.2f
               << 30.7f << 33.4f << 36.3f << 39.5f << 43.0f << 46.9f << 51.0f;
        auto* ratio = new DialS1M5;
        ratio->setMode(1).setValueList(ratios).setDefault(4).setValue(51).setPrecision(1).setSuffix(":1")
            .showPlusInf(true).setFitText("+00000");
        addDial(ratio, "DialS1M5\nratio, ∞ at max");

        auto* dimmed = new DialS1M5;
        dimmed->setRange(0, 36).setValue(12).setSuffix("dB").setDimmed(true).setFitText("+00000");
        addDial(dimmed, "DialS1M5\ndimmed");

        auto* disabled = new DialS1M5;
        disabled->setRange(0, 100).setValue(40).setColorPointerDisabled(QColor(81, 81, 81)).setEnable(false);
        addDial(disabled, "DialS1M5\ndisabled");

        auto* zones = new DialS1M6;
        zones->setRange(12, 12, -90, -90).setDefault(0).setValue(-20).showMinusInf(true);
        addDial(zones, "DialS1M6\n12, 12, -90, -90");

        auto* zones2 = new DialS1M6;
        zones2->setRange(9, -10, -52, -90).setDefault(0).setValue(-90).showMinusInf(true).showArc(false);
        addDial(zones2, "DialS1M6\n-∞, no arc");

        auto addFader = [&](SliderBase* fader, const QString& caption) {
            faderRow->addLayout(column(fader, caption));
            mFaders << fader;
        };
        auto* m1 = new VSliderS1M1;
        m1->setRange(-90, 12).setDefaultValue(0).setHeightRatio(8, 3, 89).setShowMinusInfinity(true).setValue(-6);
        addFader(m1, "VSliderS1M1\n-90..12");
        auto* m1inf = new VSliderS1M1;
        m1inf->setRange(-90, 0).setDefaultValue(0).setHeightRatio(8, 3, 89).setShowMinusInfinity(true).setValue(-90);
        addFader(m1inf, "VSliderS1M1\n-∞ at minimum");
        auto* m2 = new VSliderS1M2;
        m2->setRange(9, -10, -52, -90).setDefaultValue(-50).setHeightRatio(8, 3, 89).setValue(-10.5f);
        addFader(m2, "VSliderS1M2\n9, -10, -52, -90");
        auto* m2flat = new VSliderS1M2;
        m2flat->setRange(0, 0, -60, -60).setDefaultValue(0).setHeightRatio(8, 3, 89).setValue(-24);
        addFader(m2flat, "VSliderS1M2\n0, 0, -60, -60");
        auto* m2off = new VSliderS1M2;
        m2off->setRange(0, -10, -20, -30).setDefaultValue(0).setHeightRatio(8, 3, 89).setShowMinusInfinity(true)
            .setValue(-12);
        m2off->setEnabled(false);
        addFader(m2off, "VSliderS1M2\ndisabled");

        auto* horizontal = new QVBoxLayout;
        auto* h1 = new HSliderS2M1;
        h1->setValue(12);
        auto* h2 = new HSliderS2M1;
        h2->setRange(0, 60).setDefaultValue(26).setValue(26);
        horizontal->addWidget(h1);
        horizontal->addWidget(caption("HSliderS2M1  -50..50"));
        horizontal->addSpacing(12);
        horizontal->addWidget(h2);
        horizontal->addWidget(caption("HSliderS2M1  0..60"));
        horizontal->addStretch(1);
        faderRow->addSpacing(24);
        faderRow->addLayout(horizontal, 1);
        mHorizontal = {h1, h2};
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QWidget::resizeEvent(event);
        const double scale = std::min(width() / 900.0, height() / 570.0);
        auto px = [scale](double v) { return int(std::lround(v * scale)); };
        QFont font = GlobalFont::getFont();
        font.setPixelSize(std::max(8, px(11)));
        for (QLabel* label : findChildren<QLabel*>())
            label->setFont(font);
        for (QWidget* dial : mDials)
            dial->setFixedSize(px(72), px(72));
        for (QWidget* fader : mFaders)
            fader->setFixedSize(px(48), px(300));
        for (QWidget* h : mHorizontal)
            h->setFixedHeight(px(24));
    }

private:
    static QLabel* caption(const QString& text)
    {
        auto* label = new QLabel(text);
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
        label->setStyleSheet("color: rgb(161,161,161);");
        return label;
    }

    static QVBoxLayout* column(QWidget* control, const QString& text)
    {
        auto* box = new QVBoxLayout;
        box->setSpacing(6);
        box->addWidget(control, 0, Qt::AlignHCenter);
        box->addWidget(caption(text));
        return box;
    }

    QList<QWidget*> mDials;
    QList<QWidget*> mFaders;
    QList<QWidget*> mHorizontal;
};

static DemoPage page("Dials and faders", [] { return new DialsAndFadersPage; });

} // namespace
