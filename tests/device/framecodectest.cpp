#include "testsupport.h"

#include "device/devicetype1.h"

namespace {
// A sent report as the device would send it back: without the report id.
QByteArray asReceived(const QByteArray& sent)
{
    return sent.mid(1) + QByteArray(1, '\0');
}
} // namespace

class FrameCodecTest : public QObject
{
    Q_OBJECT
private slots:
    void sentReportHasTheWireLayout()
    {
        DeviceType1::FrameInfo f;
        f.header = {0x01, 0x02, 0x03};
        f.command = 0x4603;
        f.value = 0x11223344;
        const QByteArray r = DeviceType1::encodeFrame(f);
        QCOMPARE(r, QByteArray::fromHex("00223301020346031122334400006677").replace(14, 2, "fw"));
    }

    void negativeValuesTravelAsTwosComplement()
    {
        const QByteArray r = DeviceType1::encodeFrame(DeviceType1::makeFrame(0x2101, -1));
        QCOMPARE(r.mid(8, 4), QByteArray::fromHex("ffffffff"));
        const QByteArray r2 = DeviceType1::encodeFrame(DeviceType1::makeFrame(0x2101, -600));
        QCOMPARE(r2.mid(8, 4), QByteArray::fromHex("fffffda8"));
    }

    void roundTrips_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("value");
        QTest::newRow("small") << 0x1001 << 3;
        QTest::newRow("negative") << 0x2110 << -600;
        QTest::newRow("int min") << 0x3111 << int(std::numeric_limits<qint32>::min());
        QTest::newRow("int max") << 0xFFFF << int(std::numeric_limits<qint32>::max());
        QTest::newRow("mixer unit") << 0x3111 << 33554432;
    }
    void roundTrips()
    {
        QFETCH(int, command);
        QFETCH(int, value);
        DeviceType1::FrameInfo f = DeviceType1::makeFrame(quint16(command), value);
        f.header = {0xAA, 0x00, 0x7F};
        const auto back = DeviceType1::decodeFrame(asReceived(DeviceType1::encodeFrame(f)));
        QVERIFY(back.has_value());
        QCOMPARE(*back, f);
    }

    void malformedReportsGiveNothing()
    {
        const QByteArray good = asReceived(DeviceType1::encodeFrame(DeviceType1::makeFrame(0x1001, 1)));
        QVERIFY(DeviceType1::decodeFrame(good).has_value());

        QVERIFY(!DeviceType1::decodeFrame(QByteArray()).has_value());
        QVERIFY(!DeviceType1::decodeFrame(good.left(15)).has_value());
        QVERIFY(!DeviceType1::decodeFrame(good + '\0').has_value());
        // The sent form still carries the report id, so its markers are off by one.
        QVERIFY(!DeviceType1::decodeFrame(DeviceType1::encodeFrame(DeviceType1::makeFrame(0x1001, 1))).has_value());

        QByteArray badFirst = good;
        badFirst[0] = 0x23;
        QVERIFY(!DeviceType1::decodeFrame(badFirst).has_value());
        QByteArray badSecond = good;
        badSecond[1] = 0x22;
        QVERIFY(!DeviceType1::decodeFrame(badSecond).has_value());

        const QByteArray zero = asReceived(DeviceType1::encodeFrame(DeviceType1::makeFrame(0, 5)));
        QVERIFY(!DeviceType1::decodeFrame(zero).has_value());
    }

    void frameInfoIsAMetaType()
    {
        QVERIFY(QMetaType::fromName("DeviceType1::FrameInfo").isValid());
        const QVariant v = QVariant::fromValue(DeviceType1::makeFrame(0x4601, -2));
        QCOMPARE(v.value<DeviceType1::FrameInfo>().value, -2);
    }
};

K93_TEST(FrameCodecTest)
#include "framecodectest.moc"
