#include "widgets/framelesswindow.h"

#include "app/globalfont.h"

#include <QEvent>
#include <QFrame>
#include <QGraphicsDropShadowEffect>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHoverEvent>
#include <QIcon>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>
#include <QWindow>
#include <algorithm>
#include <cmath>
#include <functional>

namespace {

constexpr int kGrip = 6; // pixels inside the frame that still grab an edge
constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::FramelessWindowHint;

// Lays out its buttons whenever it is resized, also while the window is hidden.
class TitleBar : public QWidget
{
public:
    using QWidget::QWidget;
    std::function<void()> onResize;

protected:
    void resizeEvent(QResizeEvent* e) override
    {
        QWidget::resizeEvent(e);
        if (onResize)
            onResize();
    }
};

bool onWayland()
{
    return QGuiApplication::platformName().startsWith("wayland");
}

} // namespace

FramelessWindow::FramelessWindow(QWidget* parent)
    : QDialog(parent, kDialogFlags)
{
    qRegisterMetaType<FramelessWindow::WindowButtonType>();
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_Hover);

    mOuterLayout = new QVBoxLayout(this);
    mOuterLayout->setSpacing(0);

    mFrame = new QFrame(this);
    mFrame->setObjectName("FramelessWindowFrame");
    mFrame->installEventFilter(this);
    mOuterLayout->addWidget(mFrame);

    mShadow = new QGraphicsDropShadowEffect(mFrame);
    mShadow->setOffset(0, 0);
    mShadow->setColor(QColor(0, 0, 0, 170));
    mFrame->setGraphicsEffect(mShadow);

    mFrameLayout = new QVBoxLayout(mFrame);
    mFrameLayout->setContentsMargins(0, 0, 0, 0);
    mFrameLayout->setSpacing(0);

    auto* bar = new TitleBar(mFrame);
    bar->setObjectName("FramelessWindowTitleBar");
    bar->onResize = [this] { layoutTitleBar(); };
    mTitleBar = bar;
    // Its buttons follow its height; their sizes must not hold the window's minimum.
    mTitleBar->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Ignored);
    auto* barLayout = new QHBoxLayout(mTitleBar);
    barLayout->setContentsMargins(10, 0, 6, 0);
    barLayout->setSpacing(4);
    mTitle = new QLabel(windowTitle(), mTitleBar);
    mTitle->setStyleSheet("background: transparent; color: rgb(161, 161, 161);");
    mButtonMinimize = new QPushButton(mTitleBar);
    mButtonMinimize->setObjectName("FramelessWindowMinimize");
    mButtonMinimize->setIcon(QIcon(":/Icon/WindowMinimize.svg"));
    mButtonClose = new QPushButton(mTitleBar);
    mButtonClose->setObjectName("FramelessWindowClose");
    mButtonClose->setIcon(QIcon(":/Icon/close.svg"));
    for (QPushButton* button : {mButtonMinimize, mButtonClose}) {
        button->setFocusPolicy(Qt::NoFocus);
        button->setStyleSheet("QPushButton { background: transparent; border: none; border-radius: 3px; }"
                              "QPushButton:hover { background: rgb(60, 60, 60); }");
    }
    barLayout->addWidget(mTitle, 1);
    barLayout->addWidget(mButtonMinimize);
    barLayout->addWidget(mButtonClose);

    mBody = new QWidget(mFrame);
    mBody->setObjectName("FramelessWindowBody");
    mBodyLayout = new QVBoxLayout(mBody);
    mBodyLayout->setContentsMargins(0, 0, 0, 0);
    mBodyLayout->setSpacing(0);

    mFrameLayout->addWidget(mTitleBar, 1);
    mFrameLayout->addWidget(mBody, 10);

    connect(this, &QWidget::windowTitleChanged, mTitle, &QLabel::setText);
    connect(mButtonMinimize, &QPushButton::clicked, this, [this] {
        emit windowButtonClicked(Minimize);
        showMinimized();
    });
    connect(mButtonClose, &QPushButton::clicked, this, [this] {
        emit windowButtonClicked(Close);
        done(mCloseResult);
    });

    setShadowWidth(mShadowWidth);
    applyFrameStyle();
}

FramelessWindow::~FramelessWindow() = default;

FramelessWindow& FramelessWindow::setCentralWidget(QWidget* widget)
{
    if (!widget || widget == mCentralWidget)
        return *this;
    if (mCentralWidget) {
        mBodyLayout->removeWidget(mCentralWidget);
        mCentralWidget->hide();
        mCentralWidget->deleteLater();
    }
    mCentralWidget = widget;
    mBodyLayout->addWidget(widget);
    widget->show();
    return *this;
}

QWidget* FramelessWindow::centralWidget() const
{
    return mCentralWidget;
}

FramelessWindow& FramelessWindow::setShadowWidth(int width)
{
    mShadowWidth = std::max(0, width);
    mOuterLayout->setContentsMargins(mShadowWidth, mShadowWidth, mShadowWidth, mShadowWidth);
    mShadow->setBlurRadius(mShadowWidth);
    mShadow->setEnabled(mShadowWidth > 0);
    return *this;
}

FramelessWindow& FramelessWindow::setTitleBarMode(int mode)
{
    mTitleBarMode = mode;
    mTitleBar->setVisible(mode != 1);
    applyFrameStyle();
    return *this;
}

FramelessWindow& FramelessWindow::setMovable(bool movable)
{
    mMovable = movable;
    return *this;
}

FramelessWindow& FramelessWindow::setResizable(bool resizable)
{
    mResizable = resizable;
    if (!resizable)
        unsetCursor();
    return *this;
}

FramelessWindow& FramelessWindow::setKeepAspectRatio(bool keep)
{
    mKeepAspectRatio = keep;
    return *this;
}

FramelessWindow& FramelessWindow::setStretch(int titleBar, int body)
{
    mFrameLayout->setStretch(0, std::max(0, titleBar));
    mFrameLayout->setStretch(1, std::max(0, body));
    return *this;
}

FramelessWindow& FramelessWindow::setCloseResult(int result)
{
    mCloseResult = result;
    return *this;
}

FramelessWindow& FramelessWindow::setParentWindow(QWidget* parent)
{
    // setParent drops the window type; a dialog that was embedded becomes a dialog again.
    Qt::WindowFlags flags = windowFlags() | Qt::FramelessWindowHint;
    if ((flags & Qt::WindowType_Mask) == Qt::Widget)
        flags |= Qt::Dialog;
    const bool wasVisible = isVisible();
    setParent(parent, flags);
    if (wasVisible)
        show();
    return *this;
}

void FramelessWindow::moveWindow(QPointF offset)
{
    if (!mMovable)
        return;
    if (mDrag == Drag::Move && onWayland() && windowHandle()) {
        // Reached only when a subclass's rule let the drag through.
        windowHandle()->startSystemMove();
        mDrag = Drag::None;
        return;
    }
    move((QPointF(mPressTopLeft) + offset).toPoint());
}

void FramelessWindow::reject()
{
    done(mCloseResult);
}

bool FramelessWindow::event(QEvent* e)
{
    if (e->type() == QEvent::HoverMove && mDrag == Drag::None)
        updateCursor(static_cast<QHoverEvent*>(e)->position().toPoint());
    else if (e->type() == QEvent::HoverLeave && mDrag == Drag::None)
        unsetCursor();
    return QDialog::event(e);
}

void FramelessWindow::mousePressEvent(QMouseEvent* e)
{
    if (e->button() != Qt::LeftButton || !isWindow()) {
        QDialog::mousePressEvent(e);
        return;
    }
    mPressGlobal = e->globalPosition();
    mPressTopLeft = pos();
    mPressGeometry = geometry();
    mDragEdges = mResizable ? edgesAt(e->position().toPoint()) : Qt::Edges();
    mDrag = mDragEdges ? Drag::Resize : Drag::Move;
    if (mDrag == Drag::Resize && onWayland() && windowHandle()) {
        // The compositor refuses programmatic geometry; hand the drag to it.
        windowHandle()->startSystemResize(mDragEdges);
        mDrag = Drag::None;
    }
    e->accept();
}

void FramelessWindow::mouseMoveEvent(QMouseEvent* e)
{
    const QPointF offset = e->globalPosition() - mPressGlobal;
    if (mDrag == Drag::Move && (e->buttons() & Qt::LeftButton))
        moveWindow(offset);
    else if (mDrag == Drag::Resize && (e->buttons() & Qt::LeftButton))
        resizeWindow(offset);
    else
        QDialog::mouseMoveEvent(e);
}

void FramelessWindow::mouseReleaseEvent(QMouseEvent* e)
{
    if (e->button() == Qt::LeftButton && mDrag != Drag::None) {
        mDrag = Drag::None;
        updateCursor(e->position().toPoint());
        e->accept();
        return;
    }
    QDialog::mouseReleaseEvent(e);
}

void FramelessWindow::resizeEvent(QResizeEvent* e)
{
    QDialog::resizeEvent(e);
    layoutTitleBar();
}

void FramelessWindow::showEvent(QShowEvent* e)
{
    QDialog::showEvent(e);
    layoutTitleBar();
}

void FramelessWindow::layoutTitleBar()
{
    if (!mTitleBar->isVisibleTo(this) && mTitleBarMode == 1)
        return;
    const int h = mTitleBar->height();
    const int side = std::max(8, int(h * 0.62));
    for (QPushButton* button : {mButtonMinimize, mButtonClose}) {
        button->setFixedSize(side, side);
        button->setIconSize(QSize(int(side * 0.6), int(side * 0.6)));
    }
    QFont font = mTitle->font();
    font.setPixelSize(std::max(GlobalFont::kSmallestSize, GlobalFont::getSuitablePixelSize(font, int(h * 0.42))));
    mTitle->setFont(font);
}

void FramelessWindow::applyFrameStyle()
{
    if (mTitleBarMode == 1)
        mFrame->setStyleSheet("QFrame#FramelessWindowFrame { background: transparent; border: none; }");
    else
        mFrame->setStyleSheet("QFrame#FramelessWindowFrame { background: rgb(31, 31, 31);"
                              " border: 1px solid rgb(58, 58, 58); border-radius: 6px; }"
                              "QWidget#FramelessWindowTitleBar, QWidget#FramelessWindowBody { background: transparent; }");
}

Qt::Edges FramelessWindow::edgesAt(const QPoint& pos) const
{
    const QRect frame = mFrame->geometry();
    const QRect inner = frame.adjusted(kGrip, kGrip, -kGrip, -kGrip);
    if (!rect().contains(pos) || inner.contains(pos))
        return {};
    Qt::Edges edges;
    if (pos.x() < inner.left())
        edges |= Qt::LeftEdge;
    else if (pos.x() > inner.right())
        edges |= Qt::RightEdge;
    if (pos.y() < inner.top())
        edges |= Qt::TopEdge;
    else if (pos.y() > inner.bottom())
        edges |= Qt::BottomEdge;
    return edges;
}

void FramelessWindow::updateCursor(const QPoint& pos)
{
    const Qt::Edges edges = (mResizable && isWindow()) ? edgesAt(pos) : Qt::Edges();
    if (edges == (Qt::LeftEdge | Qt::TopEdge) || edges == (Qt::RightEdge | Qt::BottomEdge))
        setCursor(Qt::SizeFDiagCursor);
    else if (edges == (Qt::RightEdge | Qt::TopEdge) || edges == (Qt::LeftEdge | Qt::BottomEdge))
        setCursor(Qt::SizeBDiagCursor);
    else if (edges & (Qt::LeftEdge | Qt::RightEdge))
        setCursor(Qt::SizeHorCursor);
    else if (edges & (Qt::TopEdge | Qt::BottomEdge))
        setCursor(Qt::SizeVerCursor);
    else
        unsetCursor();
}

void FramelessWindow::resizeWindow(const QPointF& offset)
{
    const QPoint d = offset.toPoint();
    const QRect press = mPressGeometry;
    QRect r = press;
    if (mDragEdges & Qt::LeftEdge)
        r.setLeft(press.left() + d.x());
    if (mDragEdges & Qt::RightEdge)
        r.setRight(press.right() + d.x());
    if (mDragEdges & Qt::TopEdge)
        r.setTop(press.top() + d.y());
    if (mDragEdges & Qt::BottomEdge)
        r.setBottom(press.bottom() + d.y());

    const QSize minimum = minimumSize().expandedTo(QSize(2 * mShadowWidth + 2 * kGrip, 2 * mShadowWidth + 2 * kGrip));
    int w = std::clamp(r.width(), minimum.width(), std::max(minimum.width(), maximumWidth()));
    int h = std::clamp(r.height(), minimum.height(), std::max(minimum.height(), maximumHeight()));

    const bool horizontal = mDragEdges & (Qt::LeftEdge | Qt::RightEdge);
    const bool vertical = mDragEdges & (Qt::TopEdge | Qt::BottomEdge);
    if (mKeepAspectRatio && minimumWidth() > 0 && minimumHeight() > 0) {
        const double ratio = double(minimumWidth()) / minimumHeight();
        const bool byWidth = horizontal && (!vertical
                                            || std::abs(w - press.width()) / double(press.width())
                                                   >= std::abs(h - press.height()) / double(press.height()));
        if (byWidth)
            h = std::max(minimumHeight(), int(std::lround(w / ratio)));
        else
            w = std::max(minimumWidth(), int(std::lround(h * ratio)));
    }
    // The edges that are not dragged stay where they were.
    const int left = (mDragEdges & Qt::LeftEdge) ? press.right() - w + 1 : press.left();
    const int top = (mDragEdges & Qt::TopEdge) ? press.bottom() - h + 1 : press.top();
    setGeometry(left, top, w, h);
}
