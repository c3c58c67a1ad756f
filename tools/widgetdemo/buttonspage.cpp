// Demo pages "Buttons" and "Meters": every push button, button group and level meter.
#include "demopage.h"

#include "widgets/pushbutton.h"
#include "widgets/pushbuttongroup.h"
#include "widgets/volumemeter.h"

#include <QGridLayout>
#include <QLabel>

namespace {
QLabel* caption(const QString& text)
{
    auto* label = new QLabel(text);
    label->setStyleSheet("color: rgb(161,161,161);");
    label->setAlignment(Qt::AlignCenter);
    label->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return label;
}

void place(QGridLayout* grid, int row, int column, const QString& name, QWidget* widget, QSize size)
{
    // Grows with the page, so that the 1.5 grab shows the controls scaled.
    widget->setMinimumSize(size);
    widget->setMaximumSize(size * 1.6);
    widget->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    grid->addWidget(caption(name), row * 2, column);
    grid->addWidget(widget, row * 2 + 1, column); // centred in its cell once at its maximum
}

QWidget* buttonsPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setSpacing(10);

    auto* s1m2 = new PushButtonS1M2;
    s1m2->setStateSOLO(true);
    place(grid, 0, 0, "PushButtonS1M2", s1m2, {120, 28});
    auto* s1m4 = new PushButtonS1M4;
    s1m4->setStateIN12().setStateNC2();
    place(grid, 0, 1, "PushButtonS1M4", s1m4, {180, 56});
    auto* s1m5 = new PushButtonS1M5;
    s1m5->setStateIN1().setStateHALL();
    place(grid, 0, 2, "PushButtonS1M5", s1m5, {200, 56});
    auto* s1m6 = new PushButtonS1M6;
    s1m6->setStateSOLORight(true).setStateMUTELeft(true);
    place(grid, 0, 3, "PushButtonS1M6", s1m6, {120, 56});

    auto* s1m7 = new PushButtonS1M7;
    s1m7->setWidthRatio(70).setStateMUTE(true);
    place(grid, 1, 0, "PushButtonS1M7", s1m7, {90, 28});
    auto* s1m8 = new PushButtonS1M8;
    s1m8->setStateMic35().setState48V(true);
    place(grid, 1, 1, "PushButtonS1M8", s1m8, {180, 56});
    auto* s1m9 = new PushButtonS1M9;
    s1m9->setStateMUTE(true);
    place(grid, 1, 2, "PushButtonS1M9", s1m9, {120, 28});

    auto* g2 = new PushButtonGroupS1M2;
    g2->setState("MUTE", "1");
    place(grid, 2, 0, "PushButtonGroupS1M2", g2, {120, 40});
    auto* g3 = new PushButtonGroupS1M3;
    g3->setState("ANTI", "1").setState("SOLO", "1");
    place(grid, 2, 1, "PushButtonGroupS1M3", g3, {180, 40});
    auto* g4 = new PushButtonGroupS1M4;
    place(grid, 2, 2, "PushButtonGroupS1M4", g4, {80, 40});
    auto* g7 = new PushButtonGroupS1M7;
    g7->setState("MUTE", "1");
    place(grid, 2, 3, "PushButtonGroupS1M7", g7, {50, 100});

    auto* g9 = new PushButtonGroupS1M9;
    g9->setState("MicHP", "1");
    place(grid, 3, 0, "PushButtonGroupS1M9", g9, {180, 40});
    auto* g11 = new PushButtonGroupS1M11;
    g11->setState("48V", "1").setState("EQ", "1");
    place(grid, 3, 1, "PushButtonGroupS1M11", g11, {140, 70});

    return page;
}

QWidget* metersPage()
{
    auto* page = new QWidget;
    auto* grid = new QGridLayout(page);
    grid->setSpacing(14);
    const QSize size(60, 300);

    auto* m1 = new VolumeMeterS1M1;
    m1->setValue(-120).setValueSecondary(-60);
    place(grid, 0, 0, "S1M1", m1, size);
    auto* m2 = new VolumeMeterS1M2;
    m2->setValueLeft(1).setValueRight(-180);
    place(grid, 0, 1, "S1M2", m2, size);
    auto* m3 = new VolumeMeterS1M3;
    m3->setValueLeft(-240, 6).setValueRight(-300, -12);
    place(grid, 0, 2, "S1M3", m3, size);
    auto* m4 = new VolumeMeterS1M4;
    m4->setValue(-200, 10);
    place(grid, 0, 3, "S1M4", m4, size);
    auto* m5 = new VolumeMeterS1M5;
    m5->setValueGained(-35).setValueOrigin(-420);
    place(grid, 0, 4, "S1M5", m5, size);
    auto* m6 = new VolumeMeterS1M6;
    m6->setValue(-300).setValueSecondary(-150);
    place(grid, 0, 5, "S1M6 (-60)", m6, size);
    auto* m7 = new VolumeMeterS1M7;
    m7->setValueLeft(-90).setValueRight(1);
    place(grid, 0, 6, "S1M7", m7, size);
    auto* m8 = new VolumeMeterS1M8;
    m8->setValueLeft(-450).setValueRight(-240);
    place(grid, 0, 7, "S1M8 (-60)", m8, size);
    auto* s2 = new VolumeMeterS2M1;
    s2->setValue(-150);
    place(grid, 0, 8, "S2M1", s2, {24, 300});

    return page;
}
}

static DemoPage buttons("Buttons", buttonsPage);
static DemoPage meters("Meters", metersPage);
