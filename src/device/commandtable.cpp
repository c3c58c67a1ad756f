#include "device/commandtable.h"

#include <QDebug>
#include <QHash>
#include <algorithm>
#include <cmath>
#include <limits>

namespace CommandTable {

namespace {

using K = ValueKind;

constexpr quint16 code(Area area, unsigned low)
{
    return quint16((unsigned(area) << 12) | (low & 0x0FFF));
}

QString key(const QString& channel, const QString& attribute)
{
    return channel + QLatin1Char('\x1f') + attribute;
}

struct Table {
    QList<Entry> list;
    QHash<QString, qsizetype> byName;
    QHash<quint16, qsizetype> byCode;

    void add(quint16 command, const QString& channel, const QString& attribute, ValueKind kind,
             QList<Choice> choices = {})
    {
        Q_ASSERT(!byCode.contains(command));
        Q_ASSERT(!byName.contains(key(channel, attribute)));
        byName.insert(key(channel, attribute), list.size());
        byCode.insert(command, list.size());
        list.append(Entry {command, channel, attribute, kind, std::move(choices)});
    }

    Table()
    {
        buildSystem();
        buildInputs();
        buildMixer();
        buildEffects();
        buildLoopback();
        buildOutputs();
        buildEqualizers();
    }

    void buildSystem()
    {
        const Area a = Area::System;
        add(code(a, 0x001), "MainWindow", "Auth", K::Integer);
        add(code(a, 0x002), "MainWindow", "HeartBeat", K::Integer);
        for (int i = 1; i <= 5; ++i)
            add(code(a, 0x010 + unsigned(i) - 1), "MainWindow", QStringLiteral("FirmwareVersion%1").arg(i), K::Integer);
        add(code(a, 0x015), "MainWindow", "HardwareVersion", K::Integer);

        // The device settings page.
        const QString page = "K93_PrivateWidget7";
        add(code(a, 0x020), page, "Bluetooth", K::Switch);
        add(code(a, 0x021), page, "Brightness", K::Choice, {{"Dim", 0}, {"Normal", 1}, {"Bright", 2}});
        add(code(a, 0x022), page, "OtgDirection", K::Switch);
        add(code(a, 0x023), page, "UsbCCharging", K::Choice, {{"Charge", 0}, {"Discharge", 1}, {"Disabled", 2}});
        add(code(a, 0x024), page, "DisplayMode", K::Choice,
            {{"Mobile mode", 1}, {"Live streaming mode", 2}, {"Pro audio mode", 3}});
        add(code(a, 0x025), page, "AutoPoweroff", K::Switch);
        add(code(a, 0x026), page, "RestoreDefault", K::Integer);
        add(code(a, 0x027), page, "MainButtonSingle", K::Integer);
        add(code(a, 0x028), page, "MainButtonDouble", K::Integer);
    }

    // A stereo channel's gain, mute and the levels it reports.
    void addStereoChannel(Area a, unsigned base, const QString& name)
    {
        add(code(a, base | 0x01), name, "GAIN", K::Integer);
        add(code(a, base | 0x02), name, "MUTE", K::Switch);
        add(code(a, base | 0x11), name, "LevelLeft", K::Integer);
        add(code(a, base | 0x12), name, "LevelRight", K::Integer);
    }

    void buildInputs()
    {
        const Area a = Area::Inputs;
        const QList<Choice> mics {{"Mic1", 0}, {"Mic35", 1}, {"MicHP", 2}};
        const QStringList mono {"Input_IN1", "Input_IN2"};
        const QStringList stereo {"Input_AUX", "Input_BT", "Input_OTGIN"};
        unsigned ch = 1;
        for (const QString& name : mono) {
            const unsigned base = ch++ << 8;
            add(code(a, base | 0x01), name, "GAIN", K::Integer);
            add(code(a, base | 0x02), name, "MUTE", K::Switch);
            add(code(a, base | 0x03), name, "48V", K::Switch);
            add(code(a, base | 0x04), name, "MIC", K::Choice, mics);
            add(code(a, base | 0x10), name, "Level", K::Integer);
        }
        for (const QString& name : stereo)
            addStereoChannel(a, ch++ << 8, name);
    }

    void buildMixer()
    {
        // 0x3 | channel | mix | gain; mix nibble 0xF holds the channel's levels.
        const Area a = Area::Mixer;
        const QStringList channels {"Mixer_IN12", "Mixer_AUX",  "Mixer_BT",   "Mixer_OTGIN", "Mixer_FX",
                                    "Mixer_PB12", "Mixer_PB34", "Mixer_PB56", "Mixer_PB78",  "Mixer_PB910"};
        const QStringList gains {"GainMLCL", "GainMLCR", "GainMRCL", "GainMRCR"};
        unsigned ch = 1;
        for (const QString& name : channels) {
            const unsigned base = ch++ << 8;
            for (unsigned mix = 0; mix < 5; ++mix)
                for (unsigned g = 0; g < 4; ++g)
                    add(code(a, base | ((mix + 1) << 4) | (g + 1)), name,
                        QStringLiteral("Mix%1_%2").arg(QChar('A' + mix)).arg(gains[g]), K::Integer);
            add(code(a, base | 0xF1), name, "LevelLeft", K::Integer);
            add(code(a, base | 0xF2), name, "LevelRight", K::Integer);
        }
    }

    void buildEffects()
    {
        const Area a = Area::Effects;
        add(code(a, 0x101), "Effect_NC", "NoiseReductionType", K::Choice,
            {{"Bypass", 0}, {"NC1", 15}, {"NC2", 30}, {"NC3", 45}});
        add(code(a, 0x102), "Effect_NC", "NoiseReduction", K::Integer);

        add(code(a, 0x201), "Effect_Reverb", "ReverbType", K::Choice,
            {{"Bypass", 1}, {"STUDIO", 2}, {"LIVE", 3}, {"HALL", 4}});
        add(code(a, 0x202), "Effect_Reverb", "DryWet", K::Integer);
        add(code(a, 0x203), "Effect_Reverb", "Room", K::Integer);
        add(code(a, 0x204), "Effect_Reverb", "Decay", K::Integer);
        add(code(a, 0x205), "Effect_Reverb", "Width", K::Percent);

        add(code(a, 0x301), "Ducking", "DuckingSwitch", K::Switch);
        add(code(a, 0x302), "Ducking", "Threshold", K::Float);
        add(code(a, 0x303), "Ducking", "Attack", K::Float);
        add(code(a, 0x304), "Ducking", "Reduction", K::Float);
        add(code(a, 0x305), "Ducking", "Release", K::Float);
        add(code(a, 0x306), "Ducking", "MapIN1", K::Integer);
        add(code(a, 0x307), "Ducking", "MapIN2", K::Integer);
        add(code(a, 0x308), "Ducking", "IN1WorkState", K::Switch);
        add(code(a, 0x309), "Ducking", "IN2WorkState", K::Switch);

        add(code(a, 0x401), "Effect_Integration", "MuteFX", K::Switch);
        add(code(a, 0x402), "Effect_Integration", "Input1Level", K::Integer);
        add(code(a, 0x403), "Effect_Integration", "Input2Level", K::Integer);
        add(code(a, 0x404), "Effect_Integration", "AuxLevel", K::Integer);
        add(code(a, 0x405), "Effect_Integration", "BluetoothLevel", K::Integer);
        add(code(a, 0x406), "Effect_Integration", "OtgLevel", K::Integer);

        // The compressor's codes are the device's own: high byte 0x46.
        add(0x4601, "Compressor", "Switch", K::Switch);
        add(0x4602, "Compressor", "Threshold", K::Float);
        add(0x4603, "Compressor", "Ratio", K::Tenths);
        add(0x4604, "Compressor", "Attack", K::Float);
        add(0x4605, "Compressor", "Release", K::Float);
        add(0x4606, "Compressor", "Gain", K::Float);
        add(0x4607, "Compressor", "GainAuto", K::Switch);
        add(0x4608, "Compressor", "Mix", K::Float);
        add(0x4609, "Compressor", "LevelInput", K::Integer);
        add(0x460A, "Compressor", "GainReduction", K::Integer);
        add(0x460B, "Compressor", "Reserved11", K::Integer);
        add(0x460C, "Compressor", "LevelOutputSecondary", K::Integer);
        add(0x460D, "Compressor", "LevelInputSecondary", K::Integer);
    }

    void buildLoopback()
    {
        const Area a = Area::Loopback;
        addStereoChannel(a, 0x100, "Loopback_LB12");
        // The playback pair that "Mobile mode" routes to the recording.
        add(code(a, 0x201), "Loopback_B", "GAINLeft", K::Integer);
        add(code(a, 0x202), "Loopback_B", "GAINRight", K::Integer);
        add(code(a, 0x203), "Loopback_B", "MUTE", K::Switch);
    }

    void buildOutputs()
    {
        const Area a = Area::Outputs;
        const QStringList outputs {"Output_HP", "Output_OTGOUT", "Output_LB12"};
        unsigned ch = 1;
        for (const QString& name : outputs)
            addStereoChannel(a, ch++ << 8, name);
    }

    void addEqualizer(Area a, unsigned window, const QString& name, int bands, bool outputGainOnly)
    {
        // 0x7/0x8 | window | band | field; band 0 is the window itself.
        const unsigned base = window << 8;
        add(code(a, base | 0x01), name, "Switch", K::Switch);
        add(code(a, base | 0x02), name, "GainInputLeft", K::Tenths);
        add(code(a, base | 0x03), name, "GainInputRight", K::Tenths);
        add(code(a, base | 0x04), name, "GainOutputLeft", K::Tenths);
        add(code(a, base | 0x05), name, "GainOutputRight", K::Tenths);
        add(code(a, base | 0x06), name, "LevelInputLeft", K::Integer);
        add(code(a, base | 0x07), name, "LevelInputRight", K::Integer);
        add(code(a, base | 0x08), name, "LevelOutputLeft", K::Integer);
        add(code(a, base | 0x09), name, "LevelOutputRight", K::Integer);
        // The input equalisers have one output gain slider.
        if (outputGainOnly)
            add(code(a, base | 0x0A), name, "Gain", K::Tenths);
        for (int band = 1; band <= bands; ++band) {
            const QString bandName = name + '@' + QString::number(band);
            const unsigned b = base | (unsigned(band) << 4);
            add(code(a, b | 0x1), bandName, "Type", K::Integer);
            add(code(a, b | 0x2), bandName, "Gain", K::Tenths);
            add(code(a, b | 0x3), bandName, "Freq", K::Float);
            add(code(a, b | 0x4), bandName, "Q", K::Thousandths);
            add(code(a, b | 0x5), bandName, "Switch", K::Switch);
        }
    }

    void buildEqualizers()
    {
        addEqualizer(Area::InputEqualizer, 1, "EQ_IN1", 4, true);
        addEqualizer(Area::InputEqualizer, 2, "EQ_IN2", 4, true);
        addEqualizer(Area::HeadphoneEqualizer, 1, "EQ_HP", 10, false);
    }
};

const Table& table()
{
    static const Table t;
    return t;
}

qint32 clampToInt32(double v)
{
    constexpr double lo = std::numeric_limits<qint32>::min();
    constexpr double hi = std::numeric_limits<qint32>::max();
    return qint32(std::clamp(v, lo, hi));
}

std::optional<double> parseNumber(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

} // namespace

const QList<Entry>& entries()
{
    return table().list;
}

const Entry* find(const QString& channel, const QString& attribute)
{
    const Table& t = table();
    const auto it = t.byName.constFind(key(channel, attribute));
    return it == t.byName.cend() ? nullptr : &t.list[*it];
}

const Entry* find(quint16 command)
{
    const Table& t = table();
    const auto it = t.byCode.constFind(command);
    return it == t.byCode.cend() ? nullptr : &t.list[*it];
}

std::optional<qint32> parseValue(const Entry& entry, const QString& value)
{
    const QString text = value.trimmed();
    switch (entry.kind) {
    case ValueKind::Integer: {
        bool ok = false;
        const qlonglong v = text.toLongLong(&ok);
        if (!ok)
            return std::nullopt;
        return qint32(std::clamp<qlonglong>(v, std::numeric_limits<qint32>::min(), std::numeric_limits<qint32>::max()));
    }
    case ValueKind::Switch: {
        if (text == "1" || text.compare("true", Qt::CaseInsensitive) == 0 || text.compare("On", Qt::CaseInsensitive) == 0)
            return 1;
        if (text == "0" || text.compare("false", Qt::CaseInsensitive) == 0 || text.compare("Off", Qt::CaseInsensitive) == 0)
            return 0;
        return std::nullopt;
    }
    case ValueKind::Percent: {
        const auto v = parseNumber(text);
        if (!v)
            return std::nullopt;
        return qint32(std::clamp(std::round(*v * 100.0), 0.0, 100.0));
    }
    case ValueKind::Tenths: {
        const auto v = parseNumber(text);
        return v ? std::optional<qint32>(clampToInt32(std::round(*v * 10.0))) : std::nullopt;
    }
    case ValueKind::Thousandths: {
        const auto v = parseNumber(text);
        return v ? std::optional<qint32>(clampToInt32(std::round(*v * 1000.0))) : std::nullopt;
    }
    case ValueKind::Float: {
        const auto v = parseNumber(text);
        return v ? std::optional<qint32>(clampToInt32(std::round(*v))) : std::nullopt;
    }
    case ValueKind::Choice: {
        for (const Choice& c : entry.choices)
            if (c.text == text)
                return c.value;
        bool ok = false;
        const int v = text.toInt(&ok);
        return ok ? std::optional<qint32>(v) : std::nullopt;
    }
    }
    return std::nullopt;
}

std::optional<Encoded> encode(const QString& channel, const QString& attribute, const QString& value)
{
    if (attribute.startsWith(QLatin1String("Save_")))
        return std::nullopt;
    const Entry* entry = find(channel, attribute);
    if (!entry)
        return std::nullopt;
    const auto v = parseValue(*entry, value);
    if (!v) {
        qWarning().noquote() << QStringLiteral("CommandTable::encode //unreadable value \"%1\" for %2 %3")
                                    .arg(value, channel, attribute);
        return std::nullopt;
    }
    return Encoded {entry->command, *v};
}

QString valueText(const Entry& entry, qint32 value)
{
    switch (entry.kind) {
    case ValueKind::Integer:
    case ValueKind::Float:
        return QString::number(value);
    case ValueKind::Switch:
        return value ? QStringLiteral("1") : QStringLiteral("0");
    case ValueKind::Percent:
        return QString::number(value / 100.0, 'g', 6);
    case ValueKind::Tenths:
        return QString::number(value / 10.0, 'g', 6);
    case ValueKind::Thousandths:
        return QString::number(value / 1000.0, 'g', 6);
    case ValueKind::Choice:
        for (const Choice& c : entry.choices)
            if (c.value == value)
                return c.text;
        return QString::number(value);
    }
    return QString::number(value);
}

QList<const Entry*> levelEntries()
{
    QList<const Entry*> result;
    for (const Entry& e : entries()) {
        const Area area = areaOf(e.command);
        const bool meterArea = area == Area::Inputs || area == Area::Mixer || area == Area::Loopback
                               || area == Area::Outputs;
        if (meterArea && e.attribute.startsWith(QLatin1String("Level")))
            result.append(&e);
    }
    return result;
}

} // namespace CommandTable
