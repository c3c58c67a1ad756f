#pragma once

#include "app/workspace.h"

#include <QList>
#include <QStringList>
#include <QWidget>

class QScrollArea;
class QToolButton;
class QMenu;
class StripBase;

// What every device area shares: the strips in a scrolling row, the visible
// list ("|A|B|") that shows and silently enables them, the "Hide" message and
// the addition box that brings a hidden strip back.
class FieldBase : public QWidget, public WorkspaceObserver
{
    Q_OBJECT
public:
    FieldBase(QWidget* parent, const QString& name);

    FieldBase& setName(const QString& name);
    // Offers the addition box; strips handed over afterwards may be closed.
    FieldBase& setAdditionEnabled(bool enabled);
    bool isAdditionEnabled() const { return mAdditionEnabled; }

    static bool listContains(const QString& list, const QString& name);
    static QString makeList(const QStringList& names);
    static QStringList splitList(const QString& list);

    // Default channel names of the strips hidden by the user, in strip order.
    QStringList hiddenNames() const;
    QWidget* stripWidget(const QString& defaultName) const;
    int stripCount() const { return int(mStrips.size()); }

    void loadSettings() override;

signals:
    // The strips' messages pass through; "Visible" reports the area's own list.
    void attributeChanged(QString objectName, QString attribute, QString value);

public slots:
    void in_mWidgetListAll_attributeChanged(QString objectName, QString attribute, QString value);
    void in_mWidgetAddition_attributeChanged(QString objectName, QString attribute, QString value);

protected:
    struct Strip {
        QWidget* widget;
        StripBase* base;
    };
    void setStrips(const QList<Strip>& strips);
    const QList<Strip>& strips() const { return mStrips; }
    // The list in force; the mixer keeps one per mix.
    virtual QString visibleList() const = 0;
    virtual void storeVisibleList(const QString& list) = 0;
    void applyVisibleList(const QString& list);
    void relayout();
    // The row of strips sits in this layout slot; the mixer adds its mix bar above.
    QWidget* stripArea() const;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void rebuildAdditionMenu();

    QList<Strip> mStrips;
    bool mAdditionEnabled = false;
    QScrollArea* mScrollArea = nullptr;
    QWidget* mContainer = nullptr;
    QToolButton* mWidgetAddition = nullptr;
    QMenu* mAdditionMenu = nullptr;
    QWidget* mStripArea = nullptr;
};
