#include "testsupport.h"

#include "widgets/comboboxs1m3.h"

#include <QApplication>
#include <QLineEdit>
#include <QWheelEvent>

class ComboBoxS1M3Test : public QObject
{
    Q_OBJECT
private slots:
    void showsTheCurrentTextReadOnlyWithItsAlignment()
    {
        ComboBoxS1M3 combo(nullptr, 130);
        combo.addItems({"44100", "48000", "96000"});
        QVERIFY(combo.lineEdit()->isReadOnly());
        QCOMPARE(combo.lineEdit()->alignment(), Qt::AlignRight | Qt::AlignVCenter);
        combo.setCurrentIndex(1);
        QCOMPARE(combo.lineEdit()->text(), QString("48000"));
    }

    void programmaticSelectionDoesNotActivate()
    {
        ComboBoxS1M3 combo;
        combo.addItems({"Dim", "Normal", "Bright"});
        QSignalSpy activated(&combo, &QComboBox::activated);
        combo.setCurrentIndex(2);
        combo.setCurrentIndex(0);
        QCOMPARE(activated.count(), 0);
        QCOMPARE(combo.lineEdit()->text(), QString("Dim"));

        // The shown text is always an item's.
        combo.setCurrentText("Bright");
        QCOMPARE(combo.currentIndex(), 2);
        combo.setCurrentText("Blinding");
        QCOMPARE(combo.currentIndex(), 2);
        QCOMPARE(combo.lineEdit()->text(), QString("Bright"));
        QCOMPARE(activated.count(), 0);
    }

    void wheelScrollsThePageInsteadOfChoosing()
    {
        QWidget page;
        ComboBoxS1M3 combo(&page);
        combo.addItems({"44100", "48000", "96000"});
        combo.setCurrentIndex(1);
        QSignalSpy activated(&combo, &QComboBox::activated);
        page.show();
        QWheelEvent wheel(QPointF(5, 5), combo.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&combo, &wheel);
        QCOMPARE(combo.currentIndex(), 1);
        QCOMPARE(activated.count(), 0);
        QVERIFY(!wheel.isAccepted());
    }

    void fontArrowAndColourSettersChain()
    {
        ComboBoxS1M3 combo;
        QFont font = combo.font();
        font.setPixelSize(17);
        combo.setFont(font).setArrowScale(0.5).setArrowScale(0).setArrowScale(-1).setTextColor(QColor(161, 161, 161));
        QCOMPARE(combo.lineEdit()->font().pixelSize(), 17);
        QCOMPARE(combo.getArrowScale(), 0.5);
        QCOMPARE(combo.getTextColor(), QColor(161, 161, 161));
        QVERIFY(combo.styleSheet().contains("rgb(161, 161, 161)"));
    }
};

K93_TEST(ComboBoxS1M3Test)
#include "comboboxs1m3test.moc"
