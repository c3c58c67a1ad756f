#include "testsupport.h"

#include "widgets/menus1m1.h"

#include <QMenu>
#include <QPushButton>

using k93test::Message;

class MenuS1M1Test : public QObject
{
    Q_OBJECT
private slots:
    void plainRowsReportTheirCheckedState()
    {
        MenuS1M1 menu(nullptr, "Config");
        menu.setObjectName("Menu");
        menu.addItem({"Professional", "Professional", true}).addItem({"Load preset1", "Load preset1", false});
        menu.resize(100, 200);
        k93test::AttributeRecorder recorder(&menu);

        menu.item("Professional")->click();
        menu.item("Professional")->click();
        menu.item("Load preset1")->click();
        menu.item("Load preset1")->click();
        QCOMPARE(recorder.messages(), (QList<Message> {{"Menu", "Professional", "true"},
                                                       {"Menu", "Professional", "false"},
                                                       {"Menu", "Load preset1", "true"},
                                                       {"Menu", "Load preset1", "true"}}));
        QVERIFY(!menu.item("Load preset1")->isChecked());
    }

    void exclusiveRowsReportOnlyTheClickedRow()
    {
        MenuS1M1 menu(nullptr, "Scene");
        menu.setObjectName("Scene");
        menu.addItem({"Chat", "Chat", true}).addItem({"Vocal", "Vocal", true}).setExclusive(true);
        menu.setItemChecked("Chat", true);
        k93test::AttributeRecorder recorder(&menu);

        menu.item("Chat")->click();
        QVERIFY(menu.item("Chat")->isChecked());
        menu.item("Vocal")->click();
        QVERIFY(!menu.item("Chat")->isChecked());
        QVERIFY(menu.item("Vocal")->isChecked());
        QCOMPARE(recorder.messages(), (QList<Message> {{"Scene", "Chat", "true"}, {"Scene", "Vocal", "true"}}));
    }

    void setItemCheckedIsSilentAndUnchecksExclusiveRows()
    {
        MenuS1M1 menu(nullptr, "Scene");
        menu.addItem({"Chat", "Chat", true}).addItem({"Vocal", "Vocal", true}).addItem({"Save", "Save", false});
        menu.setExclusive(true);
        k93test::AttributeRecorder recorder(&menu);
        QSignalSpy toggled(menu.item("Chat"), &QPushButton::toggled);

        menu.setItemChecked("Chat", true);
        QVERIFY(menu.item("Chat")->isChecked());
        menu.setItemChecked("Chat", false);
        QVERIFY(!menu.item("Chat")->isChecked());
        menu.setItemChecked("Save", true);
        QVERIFY(!menu.item("Save")->isChecked());
        menu.setItemChecked("Nothing", true).setItemText("Nothing", "x");
        QCOMPARE(recorder.count(), 0);
        QCOMPARE(toggled.count(), 0);

        menu.setItemText("Vocal", "唱歌").setTitle("场景");
        QCOMPARE(menu.item("Vocal")->text(), QString("唱歌"));
    }

    void subItemChoiceReportsRowAndSubItemAndUnchecksTheRow()
    {
        for (bool exclusive : {false, true}) {
            MenuS1M1 menu(nullptr, "Config");
            menu.setObjectName("Config");
            menu.addItem({"Save", "Save", true}, {{"User1", "User1", true}, {"User2", "User2", false}});
            menu.addItem({"Professional", "Professional", true});
            menu.setExclusive(exclusive).setPopupSide(MenuS1M1::PopupRight);
            menu.resize(100, 200);
            menu.show();
            k93test::AttributeRecorder recorder(&menu);

            menu.item("Save")->click();
            QMenu* popup = menu.popup("Save");
            QVERIFY(popup);
            QVERIFY(popup->isVisible());
            QVERIFY(menu.item("Save")->isChecked());
            // 10 pixels to the right of the row.
            QCOMPARE(popup->pos().x(), menu.item("Save")->mapToGlobal(QPoint(0, 0)).x() + menu.item("Save")->width() + 10);
            QVERIFY(!popup->actions().at(1)->isEnabled());

            popup->actions().at(0)->trigger();
            popup->hide();
            QVERIFY(!menu.item("Save")->isChecked());
            QCOMPARE(recorder.messages(), (QList<Message> {{"Config", "Save", "User1"}}));
        }
    }
};

K93_TEST(MenuS1M1Test)
#include "menus1m1test.moc"
