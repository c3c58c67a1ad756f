#pragma once

#include <QHash>
#include <QString>
#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QLabel;
class QPushButton;

// Confirmation panel of the factory reset: keep or clear the two user
// configurations, then Ok or Cancel.
class MessageBoxWidget4 : public QWidget
{
    Q_OBJECT
public:
    explicit MessageBoxWidget4(QWidget* parent = nullptr);

    MessageBoxWidget4& setLanguage(const QString& language);
    MessageBoxWidget4& setFont(const QFont& font);
    // "Item1", "Item2" or empty while nothing is picked.
    QString choice() const;

signals:
    void attributeChanged(QString objectName, QString attribute, QString value);

protected:
    void resizeEvent(QResizeEvent* e) override;
    void paintEvent(QPaintEvent* e) override;

private:
    void applyStyle(int indicatorSide);

    int mIndicatorSide = 0;
    QLabel* mLabel = nullptr;
    QCheckBox* mItem1 = nullptr;
    QCheckBox* mItem2 = nullptr;
    QButtonGroup* mGroup = nullptr;
    QPushButton* mButtonOk = nullptr;
    QPushButton* mButtonCancel = nullptr;
};
