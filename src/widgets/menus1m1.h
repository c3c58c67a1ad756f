#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QWidget>

class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;

// A titled column of row buttons. A row either reports its click or opens a
// pop-up list of sub-items beside itself.
class MenuS1M1 : public QWidget
{
    Q_OBJECT
public:
    struct Item {
        QString text;
        QString name;
        bool flag = false; // row: checkable; sub-item: enabled
    };
    enum PopupSide { PopupLeft, PopupRight };

    explicit MenuS1M1(QWidget* parent = nullptr, const QString& title = QString());

    MenuS1M1& addItem(const Item& item, const QList<Item>& subItems = {});
    MenuS1M1& setItemChecked(const QString& name, bool checked);
    MenuS1M1& setItemText(const QString& name, const QString& text);
    MenuS1M1& setTitle(const QString& title);
    MenuS1M1& setExclusive(bool exclusive);
    MenuS1M1& setHeightRatio(int title, int rows);
    MenuS1M1& setScaleFactor(double factor);
    MenuS1M1& setPopupSide(PopupSide side);

    QPushButton* item(const QString& name) const;
    QMenu* popup(const QString& name) const;

signals:
    void attributeChanged(QString objectName, QString attribute, QString value);

protected:
    void resizeEvent(QResizeEvent* e) override;

private:
    void showPopup(QPushButton* row, QMenu* menu);
    void uncheck(QPushButton* row);
    void updateLayout();

    QLabel* mTitle = nullptr;
    QButtonGroup* mGroup = nullptr;
    QList<QPushButton*> mRows;
    QHash<QString, QMenu*> mPopups;
    int mTitleRatio = 25;
    int mRowsRatio = 75;
    double mScaleFactor = 0.6;
    PopupSide mPopupSide = PopupLeft;
};
