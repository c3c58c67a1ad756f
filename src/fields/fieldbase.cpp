#include "fields/fieldbase.h"

#include "strips/input/stripbase.h"
#include "widgets/theme.h"

#include <QHBoxLayout>
#include <QMenu>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QToolButton>
#include <QtDebug>

namespace {
constexpr int kSpacing = 4;
}

FieldBase::FieldBase(QWidget* parent, const QString& name)
    : QWidget(parent)
    , WorkspaceObserver(name)
{
    setObjectName(name);
    mStripArea = new QWidget(this);
    auto* row = new QHBoxLayout(mStripArea);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(kSpacing);

    mScrollArea = new QScrollArea(mStripArea);
    mScrollArea->setFrameShape(QFrame::NoFrame);
    mScrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mScrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    mScrollArea->setStyleSheet(QString("QScrollArea, QScrollArea > QWidget > QWidget { background: transparent; }"
                                       "QScrollBar:horizontal { background: %1; height: 8px; }"
                                       "QScrollBar::handle:horizontal { background: %2; border-radius: 4px; }"
                                       "QScrollBar::add-line, QScrollBar::sub-line { width: 0; }")
                                   .arg(Theme::Panel.name(), QColor(70, 70, 70).name()));
    mContainer = new QWidget;
    mScrollArea->setWidget(mContainer);
    row->addWidget(mScrollArea, 1);

    mWidgetAddition = new QToolButton(mStripArea);
    mWidgetAddition->setObjectName("WidgetAddition");
    mWidgetAddition->setText("+");
    mWidgetAddition->setPopupMode(QToolButton::InstantPopup);
    mWidgetAddition->setStyleSheet(QString("QToolButton { background: %1; color: %2; border: none; min-width: 18px; }"
                                           "QToolButton::menu-indicator { image: none; }")
                                       .arg(Theme::Panel.name(), Theme::TextOn.name()));
    mAdditionMenu = new QMenu(mWidgetAddition);
    mWidgetAddition->setMenu(mAdditionMenu);
    mWidgetAddition->hide();
    row->addWidget(mWidgetAddition);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(mStripArea, 1);
}

QWidget* FieldBase::stripArea() const
{
    return mStripArea;
}

FieldBase& FieldBase::setName(const QString& name)
{
    setObjectName(name);
    setObserverName(name);
    return *this;
}

FieldBase& FieldBase::setAdditionEnabled(bool enabled)
{
    mAdditionEnabled = enabled;
    rebuildAdditionMenu();
    return *this;
}

bool FieldBase::listContains(const QString& list, const QString& name)
{
    // A bare substring test would find "IN" inside "OTG IN".
    return !name.isEmpty() && list.contains("|" + name + "|");
}

QString FieldBase::makeList(const QStringList& names)
{
    QString list = "|";
    for (const QString& name : names)
        list += name + "|";
    return list;
}

QStringList FieldBase::splitList(const QString& list)
{
    return list.split('|', Qt::SkipEmptyParts);
}

void FieldBase::setStrips(const QList<Strip>& strips)
{
    for (const Strip& strip : std::as_const(mStrips))
        strip.widget->disconnect(this);
    mStrips = strips;
    for (const Strip& strip : std::as_const(mStrips)) {
        strip.widget->setParent(mContainer);
        if (mAdditionEnabled)
            strip.base->setCloseEnable(true);
        connect(strip.widget, SIGNAL(attributeChanged(QString,QString,QString)),
                this, SLOT(in_mWidgetListAll_attributeChanged(QString,QString,QString)));
    }
    applyVisibleList(visibleList());
}

QWidget* FieldBase::stripWidget(const QString& defaultName) const
{
    for (const Strip& strip : mStrips) {
        if (strip.base->getChannelNameDefault() == defaultName)
            return strip.widget;
    }
    return nullptr;
}

QStringList FieldBase::hiddenNames() const
{
    const QString list = visibleList();
    QStringList names;
    for (const Strip& strip : mStrips) {
        if (!listContains(list, strip.base->getChannelNameDefault()))
            names << strip.base->getChannelNameDefault();
    }
    return names;
}

void FieldBase::applyVisibleList(const QString& list)
{
    for (const Strip& strip : std::as_const(mStrips)) {
        const bool visible = listContains(list, strip.base->getChannelNameDefault());
        strip.base->setEnableSilent(visible);
        strip.widget->setVisible(visible);
    }
    rebuildAdditionMenu();
    relayout();
}

void FieldBase::in_mWidgetListAll_attributeChanged(QString objectName, QString attribute, QString value)
{
    if (attribute == "Resize") {
        relayout();
        return;
    }
    if (attribute != "Hide") {
        emit attributeChanged(objectName, attribute, value);
        return;
    }
    for (const Strip& strip : std::as_const(mStrips)) {
        if (strip.base->getChannelNameDefault() != objectName)
            continue;
        strip.widget->hide();
        strip.base->setEnable(false);
        QStringList names = splitList(visibleList());
        names.removeAll(objectName);
        const QString list = makeList(names);
        storeVisibleList(list);
        rebuildAdditionMenu();
        relayout();
        emit attributeChanged(this->objectName(), "Visible", list);
        return;
    }
    qWarning().noquote() << "FieldBase::in_mWidgetListAll_attributeChanged //no strip named" << objectName;
}

void FieldBase::in_mWidgetAddition_attributeChanged(QString objectName, QString attribute, QString value)
{
    Q_UNUSED(objectName);
    Q_UNUSED(value);
    // attribute: the default channel name chosen in the addition box.
    QWidget* widget = stripWidget(attribute);
    if (!widget || listContains(visibleList(), attribute))
        return;
    // Keep the strips' own order in the list.
    QStringList names;
    const QString current = visibleList();
    for (const Strip& strip : std::as_const(mStrips)) {
        const QString name = strip.base->getChannelNameDefault();
        if (name == attribute || listContains(current, name))
            names << name;
    }
    const QString list = makeList(names);
    storeVisibleList(list);
    widget->show();
    for (const Strip& strip : std::as_const(mStrips)) {
        if (strip.widget == widget)
            strip.base->setEnable(true);
    }
    rebuildAdditionMenu();
    relayout();
    emit attributeChanged(this->objectName(), "Visible", list);
}

void FieldBase::rebuildAdditionMenu()
{
    mAdditionMenu->clear();
    const QStringList hidden = hiddenNames();
    for (const QString& name : hidden) {
        mAdditionMenu->addAction(name, this, [this, name]() {
            in_mWidgetAddition_attributeChanged(mWidgetAddition->objectName(), name, "1");
        });
    }
    mWidgetAddition->setVisible(mAdditionEnabled && !hidden.isEmpty());
}

void FieldBase::loadSettings()
{
    applyVisibleList(visibleList());
}

void FieldBase::relayout()
{
    // Strips keep their aspect ratio at the area's height; the row scrolls
    // when they do not fit.
    const int height = qMax(1, mScrollArea->viewport()->height());
    int x = 0;
    for (const Strip& strip : std::as_const(mStrips)) {
        QWidget* widget = strip.widget;
        if (widget->isHidden())
            continue;
        const QSize minimum = widget->minimumSize();
        const double ratio = minimum.height() > 0 && minimum.width() > 0 ? double(minimum.width()) / minimum.height() : 0.4;
        const int width = qMax(1, int(height * ratio));
        widget->setGeometry(x, 0, width, height);
        x += width + kSpacing;
    }
    mContainer->resize(qMax(0, x - kSpacing), height);
}

void FieldBase::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    relayout();
}

void FieldBase::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    relayout();
}
