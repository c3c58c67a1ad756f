#pragma once

#include <QDialog>
#include <QPointF>
#include <QPointer>
#include <QRect>

class QFrame;
class QLabel;
class QPushButton;
class QVBoxLayout;
class QGraphicsDropShadowEffect;

// Frameless dialog base: a title bar with minimise and close over a body,
// framed and surrounded by a drop shadow whose width is also the outer margin.
// Dragging and edge resizing live in the base's own mouse and event handling,
// so subclasses may override eventFilter or showEvent freely.
class FramelessWindow : public QDialog
{
    Q_OBJECT
public:
    enum WindowButtonType { Minimize, Close };
    Q_ENUM(WindowButtonType)

    explicit FramelessWindow(QWidget* parent = nullptr);
    ~FramelessWindow() override;

    FramelessWindow& setCentralWidget(QWidget* widget);
    QWidget* centralWidget() const;
    FramelessWindow& setShadowWidth(int width);
    int getShadowWidth() const { return mShadowWidth; }
    FramelessWindow& setTitleBarMode(int mode);
    int getTitleBarMode() const { return mTitleBarMode; }
    FramelessWindow& setMovable(bool movable);
    bool isMovable() const { return mMovable; }
    FramelessWindow& setResizable(bool resizable);
    bool isResizable() const { return mResizable; }
    FramelessWindow& setKeepAspectRatio(bool keep);
    FramelessWindow& setStretch(int titleBar, int body);
    FramelessWindow& setCloseResult(int result);
    int getCloseResult() const { return mCloseResult; }
    FramelessWindow& setParentWindow(QWidget* parent);

    // Moves the window to its top-left at the last press plus the offset.
    virtual void moveWindow(QPointF offset);

public slots:
    // Escape and the window system's close end the dialog like the close button.
    void reject() override;

signals:
    void windowButtonClicked(FramelessWindow::WindowButtonType button);

protected:
    bool event(QEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;
    void showEvent(QShowEvent* e) override;

    QWidget* titleBar() const { return mTitleBar; }
    QFrame* contentFrame() const { return mFrame; }

    // The title-bar widget; subclasses test it with underMouse().
    QWidget* mTitleBar = nullptr;

private:
    void layoutTitleBar();
    void applyFrameStyle();
    Qt::Edges edgesAt(const QPoint& pos) const;
    void updateCursor(const QPoint& pos);
    void resizeWindow(const QPointF& offset);

    QVBoxLayout* mOuterLayout = nullptr;
    QFrame* mFrame = nullptr;
    QVBoxLayout* mFrameLayout = nullptr;
    QLabel* mTitle = nullptr;
    QPushButton* mButtonMinimize = nullptr;
    QPushButton* mButtonClose = nullptr;
    QWidget* mBody = nullptr;
    QVBoxLayout* mBodyLayout = nullptr;
    QPointer<QWidget> mCentralWidget;
    QGraphicsDropShadowEffect* mShadow = nullptr;

    int mShadowWidth = 20;
    int mTitleBarMode = 0;
    int mCloseResult = QDialog::Rejected;
    bool mMovable = true;
    bool mResizable = true;
    bool mKeepAspectRatio = false;

    enum class Drag { None, Move, Resize };
    Drag mDrag = Drag::None;
    Qt::Edges mDragEdges;
    QPointF mPressGlobal;
    QPoint mPressTopLeft;
    QRect mPressGeometry;
};
