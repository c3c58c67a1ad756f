#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

// Every device command code of the program, in one place: the encoders, the
// main window's dispatch and the simulated K93 all read this table. The high
// four bits of a code name the device area.
namespace CommandTable {

enum class Area : quint8 {
    System = 1,
    Inputs = 2,
    Mixer = 3,
    Effects = 4,
    Loopback = 5,
    Outputs = 6,
    InputEqualizer = 7,
    HeadphoneEqualizer = 8,
};

inline Area areaOf(quint16 command) { return Area(command >> 12); }

// How the message text becomes the 32-bit value.
enum class ValueKind : quint8 {
    Integer,      // decimal integer text
    Switch,       // "1"/"0" (also "true"/"false", "On"/"Off")
    Percent,      // decimal fraction x 100, rounded, clamped 0..100 ("Width")
    Tenths,       // decimal number x 10, rounded
    Float,        // decimal number, rounded
};

struct Entry {
    quint16 command;
    QString channel;   // object name ("Input_IN1", "Mixer_IN12", "MainWindow" ...)
    QString attribute; // attribute of the message ("GAIN", "MixA_GainMLCL" ...)
    ValueKind kind;
};

const QList<Entry>& entries();
const Entry* find(const QString& channel, const QString& attribute);
const Entry* find(quint16 command);

struct Encoded {
    quint16 command;
    qint32 value;
};
// Nothing for unknown pairs, "Save_" attributes and value texts that do not
// parse (logged).
std::optional<Encoded> encode(const QString& channel, const QString& attribute, const QString& value);

} // namespace CommandTable
