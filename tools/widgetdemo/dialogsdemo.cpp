// Demo page of the frameless dialogs, message boxes, menus, combo boxes, the
// tab bar and the status circle.
#include "demopage.h"

#include "widgets/circles1m1.h"
#include "widgets/comboboxs1m3.h"
#include "widgets/customtabbar.h"
#include "widgets/menus1m1.h"
#include "widgets/messageboxs3m1.h"
#include "widgets/messageboxwidget4.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QLabel* caption(const QString& text)
{
    auto* label = new QLabel(text);
    label->setStyleSheet("color: rgb(161, 161, 161);");
    return label;
}

MessageBoxS3M1* resetBox(QWidget* parent)
{
    auto* content = new MessageBoxWidget4;
    content->setObjectName("FactoryReset");
    auto* box = new MessageBoxS3M1(content, parent);
    box->setWindowTitle("Factory reset");
    box->setCloseResult(1);
    QObject::connect(content, &MessageBoxWidget4::attributeChanged, box, [box](QString, QString attribute, QString value) {
        if (attribute == "Cancel")
            box->done(2);
        else if (attribute == "Ok" && value == "Item1")
            box->done(3);
        else if (attribute == "Ok" && value == "Item2")
            box->done(4);
    });
    return box;
}

QWidget* menus()
{
    auto* panel = new QWidget;
    panel->setObjectName("MenuPanel");
    panel->setAttribute(Qt::WA_StyledBackground);
    panel->setStyleSheet("QWidget#MenuPanel { background: rgb(22, 22, 22); border-radius: 8px; }");
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(12, 8, 12, 12);

    auto* scene = new MenuS1M1(panel, "Scene");
    scene->addItem({"Chat", "Chat", true}).addItem({"Vocal", "Vocal", true});
    scene->setExclusive(true).setItemChecked("Chat", true).setHeightRatio(30, 70).setScaleFactor(0.5);

    auto* config = new MenuS1M1(panel, "Config");
    const QList<MenuS1M1::Item> users {{"User1", "User1", true}, {"User2", "User2", true}};
    config->addItem({"Save", "Save", true}, users).addItem({"Load", "Load", true}, users);
    config->addItem({"Professional", "Professional", true});
    config->setPopupSide(MenuS1M1::PopupRight).setHeightRatio(18, 82).setScaleFactor(0.5);

    auto* last = new QLabel;
    last->setAlignment(Qt::AlignCenter);
    last->setStyleSheet("color: rgb(161, 161, 161);");
    for (MenuS1M1* menu : {scene, config}) {
        QObject::connect(menu, &MenuS1M1::attributeChanged, last,
                         [last](QString, QString attribute, QString value) { last->setText(attribute + " = " + value); });
    }
    layout->addWidget(scene, 3);
    layout->addSpacing(10);
    layout->addWidget(config, 5);
    layout->addWidget(last, 1);
    return panel;
}

QWidget* controls()
{
    auto* panel = new QWidget;
    auto* layout = new QGridLayout(panel);
    layout->setVerticalSpacing(10);

    auto* rate = new ComboBoxS1M3(panel, Qt::AlignRight | Qt::AlignVCenter);
    rate->addItems({"44100 Hz", "48000 Hz", "96000 Hz"});
    rate->setCurrentIndex(1);
    rate->setMinimumHeight(28);
    auto* type = new ComboBoxS1M3(panel, Qt::AlignCenter);
    type->addItems({"Peak", "Low shelf", "High shelf", "Low cut", "High cut"});
    type->setTextColor(QColor(161, 161, 161)).setArrowScale(0.5);
    type->setMinimumHeight(28);
    layout->addWidget(caption("Combo boxes"), 0, 0, 1, 4);
    layout->addWidget(rate, 1, 0, 1, 2);
    layout->addWidget(type, 1, 2, 1, 2);

    auto* tabs = new CustomTabBar(panel);
    tabs->setObjectName("Tabs");
    tabs->setAttribute(Qt::WA_StyledBackground);
    tabs->setStyleSheet("CustomTabBar { border-radius: 0px; border-bottom: 1px solid #444444; }"
                        "QPushButton { border: none; background: transparent; color: #aaaaaa; padding-bottom: 2px; }"
                        "QPushButton:checked { color: #00d37f; border-bottom: 1px solid #00d37f; }"
                        "QPushButton:hover { color: #00d37f; }");
    tabs->setWeights({60, 72, 64, 72, 64, 72, 64, 72, 60});
    tabs->setFixedHeight(20);
    for (const char* title : {"System", "Device", "ASIO", "About"})
        tabs->addTab(title);
    tabs->setCurrentIndex(1);
    layout->addWidget(caption("Tab bar"), 2, 0, 1, 4);
    layout->addWidget(tabs, 3, 0, 1, 4);

    layout->addWidget(caption("Status circle: idle, counting, done, error"), 4, 0, 1, 4);
    for (int state = 0; state < 4; ++state) {
        auto* circle = new CircleS1M1(panel);
        circle->setState(state).setValue(state == 0 ? 15 : 9);
        circle->setMinimumSize(56, 56);
        layout->addWidget(circle, 5, state);
    }
    layout->setRowMinimumHeight(5, 70);
    layout->setRowStretch(6, 1);
    return panel;
}

QWidget* makePage()
{
    auto* page = new QWidget;
    auto* layout = new QHBoxLayout(page);
    layout->setContentsMargins(16, 12, 16, 16);
    layout->setSpacing(20);

    // The dialog embedded as a plain widget, so that it shows without exec.
    MessageBoxS3M1* embedded = resetBox(nullptr);
    embedded->setWindowFlags(Qt::Widget);
    embedded->setMovable(false).setResizable(false);
    embedded->setMinimumSize(300, 240);
    auto* open = new QPushButton("Open as a dialog");
    open->setStyleSheet("QPushButton { color: rgb(222, 222, 222); background: rgb(66, 66, 66); border: none;"
                        " border-radius: 4px; padding: 6px 14px; } QPushButton:hover { background: rgb(67, 207, 124); }");
    QObject::connect(open, &QPushButton::clicked, page, [page] {
        MessageBoxS3M1* box = resetBox(page);
        box->setAttribute(Qt::WA_DeleteOnClose);
        box->resize(int(page->height() * 0.53) + 2 * box->getShadowWidth(), int(page->height() * 0.4));
        box->open();
    });

    auto* left = new QVBoxLayout;
    left->addWidget(caption("Frameless message box"));
    left->addWidget(embedded, 1);
    left->addWidget(open, 0, Qt::AlignLeft);
    auto* middle = new QVBoxLayout;
    middle->addWidget(caption("Menus"));
    middle->addWidget(menus(), 1);
    layout->addLayout(left, 5);
    layout->addLayout(middle, 2);
    layout->addWidget(controls(), 6);
    return page;
}

} // namespace

static DemoPage page("Dialogs and menus", [] { return makePage(); });
