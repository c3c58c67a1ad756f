#include "testsupport.h"

#include "equalizer/eqwidgetitemdata.h"

#include <QVariant>

class EqWidgetItemDataTest : public QObject
{
    Q_OBJECT

signals:
    void changed(EqWidgetItemData data);

private slots:
    void constructionClearsTheFlags()
    {
        const EqWidgetItemData data(3, "1", -2.5f, 632.0f, 0.707f, false);
        QCOMPARE(data.index, 3);
        QCOMPARE(data.type, QString("1"));
        QCOMPARE(data.gain, -2.5f);
        QCOMPARE(data.frequency, 632.0f);
        QCOMPARE(data.q, 0.707f);
        QCOMPARE(data.enabled, false);
        QCOMPARE(data.changedFlags, quint8(0));
    }

    void equalityIgnoresIndexAndFlags()
    {
        const EqWidgetItemData a(1, "0", 0.0f, 1000.0f, 0.7f, true);
        EqWidgetItemData b(7, "0", 0.0f, 1000.0f, 0.7f, true);
        b.changedFlags = EqWidgetItemData::GainChanged | EqWidgetItemData::QChanged;
        QVERIFY(a == b);

        EqWidgetItemData c = a;
        c.type = "";
        QVERIFY(a != c);
        c = a;
        c.enabled = false;
        QVERIFY(a != c);
        c = a;
        c.q = 0.71f;
        QVERIFY(a != c);
        c = a;
        c.gain = qQNaN();
        QVERIFY(!(c == c));
    }

    void isANamedMetaTypeForQueuedSignals()
    {
        const QMetaType type = QMetaType::fromName("EqWidgetItemData");
        QVERIFY(type.isValid());
        QCOMPARE(type, QMetaType::fromType<EqWidgetItemData>());

        const EqWidgetItemData sent(2, "3", 1.5f, 100.0f, 2.0f, true);
        QList<EqWidgetItemData> received;
        connect(this, &EqWidgetItemDataTest::changed, this,
                [&](const EqWidgetItemData& data) { received.append(data); }, Qt::QueuedConnection);
        emit changed(sent);
        QVERIFY(received.isEmpty());
        QCoreApplication::processEvents();
        QCOMPARE(received.size(), 1);
        QVERIFY(received.first() == sent);
        QCOMPARE(received.first().index, 2);

        const QVariant variant = QVariant::fromValue(sent);
        QCOMPARE(variant.metaType(), type);
        QVERIFY(*static_cast<const EqWidgetItemData*>(variant.constData()) == sent);
    }
};

K93_TEST(EqWidgetItemDataTest)
#include "eqwidgetitemdatatest.moc"
