#include "testsupport.h"

#include "widgets/framelesswindow.h"
#include "widgets/messageboxs3m1.h"
#include "widgets/messageboxwidget4.h"

#include <QCheckBox>
#include <QLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

namespace {

void sendMouse(QWidget* target, QEvent::Type type, QPoint local, QPointF global)
{
    const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton;
    const Qt::MouseButtons buttons = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
    QMouseEvent event(type, QPointF(local), global, button, buttons, Qt::NoModifier);
    QApplication::sendEvent(target, &event);
}

// Drags from a point of the window by an offset, in press, move, release.
void drag(QWidget* window, QPoint from, QPoint offset)
{
    const QPointF global(window->mapToGlobal(from));
    sendMouse(window, QEvent::MouseButtonPress, from, global);
    sendMouse(window, QEvent::MouseMove, from + offset, global + QPointF(offset));
    sendMouse(window, QEvent::MouseButtonRelease, from + offset, global + QPointF(offset));
}

// Overrides what later dialogs override; dragging must survive that.
class OnlyHorizontal : public FramelessWindow
{
public:
    using FramelessWindow::FramelessWindow;
    int calls = 0;
    void moveWindow(QPointF offset) override
    {
        ++calls;
        FramelessWindow::moveWindow(QPointF(offset.x(), 0));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override { return QObject::eventFilter(watched, event); }
    void showEvent(QShowEvent*) override {}
};

} // namespace

class FramelessWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void moveWindowAddsTheOffsetToThePressPositionRounded()
    {
        FramelessWindow window;
        window.resize(300, 200);
        window.move(100, 100);
        window.show();
        const QPoint inTitle(60, window.getShadowWidth() + 5);
        sendMouse(&window, QEvent::MouseButtonPress, inTitle, QPointF(window.mapToGlobal(inTitle)));
        window.moveWindow(QPointF(10.6, -5.4));
        QCOMPARE(window.pos(), QPoint(111, 95));
        // Always from the press position, never accumulated.
        window.moveWindow(QPointF(-20.4, 3.5));
        QCOMPARE(window.pos(), QPoint(80, 104));
        sendMouse(&window, QEvent::MouseButtonRelease, inTitle, QPointF(window.mapToGlobal(inTitle)));
    }

    void dragGoesThroughTheVirtualMoveAndIsRefusedWhenNotMovable()
    {
        OnlyHorizontal window;
        window.resize(300, 200);
        window.move(50, 50);
        window.show();
        drag(&window, QPoint(80, window.getShadowWidth() + 8), QPoint(30, 40));
        QVERIFY(window.calls > 0);
        QCOMPARE(window.pos(), QPoint(80, 50));

        window.setMovable(false);
        drag(&window, QPoint(80, window.getShadowWidth() + 8), QPoint(30, 40));
        QCOMPARE(window.pos(), QPoint(80, 50));
        window.moveWindow(QPointF(5, 5));
        QCOMPARE(window.pos(), QPoint(80, 50));
    }

    void edgeResizeFollowsTheFlagsAndTheAspectRatio()
    {
        FramelessWindow window;
        window.setMinimumSize(200, 100);
        window.setGeometry(100, 100, 300, 150);
        window.show();
        const int s = window.getShadowWidth();
        const QPoint rightEdge(window.width() - s - 2, window.height() / 2);

        drag(&window, rightEdge, QPoint(40, 0));
        QCOMPARE(window.size(), QSize(340, 150));
        QCOMPARE(window.pos(), QPoint(100, 100));

        // Never below the minimum size.
        drag(&window, QPoint(window.width() - s - 2, window.height() / 2), QPoint(-500, 0));
        QCOMPARE(window.width(), 200);

        window.setKeepAspectRatio(true);
        drag(&window, QPoint(window.width() - s - 2, window.height() / 2), QPoint(100, 0));
        QCOMPARE(window.size(), QSize(300, 150));

        window.setResizable(false);
        const QSize before = window.size();
        drag(&window, QPoint(window.width() - s - 2, window.height() / 2), QPoint(60, 0));
        QCOMPARE(window.size(), before);
    }

    void closeButtonEndsExecWithTheCloseResult()
    {
        FramelessWindow window;
        window.setCloseResult(7);
        QSignalSpy buttons(&window, &FramelessWindow::windowButtonClicked);
        QTimer::singleShot(0, &window, [&window] {
            window.findChild<QPushButton*>("FramelessWindowClose")->click();
        });
        QCOMPARE(window.exec(), 7);
        QCOMPARE(buttons.count(), 1);
        QCOMPARE(buttons.at(0).at(0).value<FramelessWindow::WindowButtonType>(), FramelessWindow::Close);

        // Escape and the window system's close give the same result, not 0.
        window.setCloseResult(INT_MIN);
        QTimer::singleShot(0, &window, [&window] { window.reject(); });
        QCOMPARE(window.exec(), INT_MIN);
    }

    void setCentralWidgetReplacesAndDeletesTheOldBody()
    {
        FramelessWindow window;
        QPointer<QWidget> first = new QWidget;
        window.setCentralWidget(first);
        QCOMPARE(window.centralWidget(), first.data());
        QVERIFY(window.isAncestorOf(first));

        window.setCentralWidget(nullptr);
        window.setCentralWidget(first);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(first);
        QCOMPARE(window.centralWidget(), first.data());

        QPointer<QWidget> second = new QWidget;
        window.setCentralWidget(second);
        QCOMPARE(window.centralWidget(), second.data());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(second);
    }

    void shadowWidthIsTheOuterMarginAndTitleBarModeHidesTheBar()
    {
        FramelessWindow window;
        QCOMPARE(window.getShadowWidth(), 20);
        QCOMPARE(window.layout()->contentsMargins(), QMargins(20, 20, 20, 20));
        window.setShadowWidth(5);
        QCOMPARE(window.getShadowWidth(), 5);
        QCOMPARE(window.layout()->contentsMargins(), QMargins(5, 5, 5, 5));
        window.setShadowWidth(-3);
        QCOMPARE(window.getShadowWidth(), 0);

        window.show();
        QWidget* bar = window.findChild<QWidget*>("FramelessWindowTitleBar");
        QVERIFY(bar && bar->isVisible());
        window.setTitleBarMode(1);
        QVERIFY(!bar->isVisible());
    }

    void setParentWindowKeepsAFramelessDialog()
    {
        QWidget owner;
        FramelessWindow window;
        window.setParentWindow(&owner);
        QCOMPARE(window.parentWidget(), &owner);
        QVERIFY(window.isWindow());
        QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);

        // A dialog embedded as a plain widget becomes a dialog again.
        window.setWindowFlags(Qt::Widget);
        window.setParentWindow(&owner);
        QVERIFY(window.isWindow());
        QCOMPARE(window.windowType(), Qt::Dialog);
    }
};

class MessageBoxTest : public QObject
{
    Q_OBJECT
private slots:
    void contentReportsItsChoiceWithOkAndCancel()
    {
        MessageBoxWidget4 content;
        content.setObjectName("Reset");
        k93test::AttributeRecorder recorder(&content);
        auto* ok = content.findChild<QPushButton*>("ButtonOk");
        auto* cancel = content.findChild<QPushButton*>("ButtonCancel");
        const auto boxes = content.findChildren<QCheckBox*>();
        QCOMPARE(boxes.size(), 2);

        ok->click();
        boxes[0]->click();
        ok->click();
        boxes[1]->click();
        QVERIFY(!boxes[0]->isChecked());
        ok->click();
        cancel->click();
        QCOMPARE(recorder.messages(), (QList<k93test::Message> {{"Reset", "Ok", ""},
                                                                 {"Reset", "Ok", "Item1"},
                                                                 {"Reset", "Ok", "Item2"},
                                                                 {"Reset", "Cancel", "Item2"}}));
    }

    void languageSwitchesTexts()
    {
        MessageBoxWidget4 content;
        const auto boxes = content.findChildren<QCheckBox*>();
        QCOMPARE(boxes[0]->text(), QString("Reset device, keep configs 1/2"));
        QCOMPARE(boxes[1]->text(), QString("Reset device, clear configs 1/2"));
        content.setLanguage("Chinese");
        QCOMPARE(boxes[0]->text(), QString("重置设备，保留配置1/2"));
        content.setLanguage("Klingon");
        QCOMPARE(boxes[0]->text(), QString("重置设备，保留配置1/2"));
        content.setLanguage("English");
        QCOMPARE(content.findChild<QPushButton*>("ButtonCancel")->text(), QString("Cancel"));
    }

    void frameEndsWithWhatTheContentDecides()
    {
        auto* content = new MessageBoxWidget4;
        MessageBoxS3M1 box(content);
        box.setCloseResult(1).setMovable(false).setResizable(false);
        QCOMPARE(box.centralWidget(), content);
        connect(content, &MessageBoxWidget4::attributeChanged, &box, [&box](QString, QString attribute, QString value) {
            if (attribute == "Cancel")
                box.done(2);
            else if (attribute == "Ok" && value == "Item2")
                box.done(4);
        });
        QTimer::singleShot(0, &box, [content] {
            content->findChildren<QCheckBox*>().at(1)->click();
            content->findChild<QPushButton*>("ButtonOk")->click();
        });
        QCOMPARE(box.exec(), 4);

        QTimer::singleShot(0, &box, [&box] { box.findChild<QPushButton*>("FramelessWindowClose")->click(); });
        QCOMPARE(box.exec(), 1);
    }
};

K93_TEST(FramelessWindowTest)
K93_TEST(MessageBoxTest)
#include "framelesswindowtest.moc"
