#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>
#include <optional>

// Every device command code of the program, in one place: the encoders, the
// main window's dispatch and the simulated K93 all read this table. The high
// four bits of a code name the device area.
//
// The codes are the program's own; the device's real codes replace them in
// commandtable.cpp and nowhere else.
//
// One entry serves a command and the report of the same value, which the
// device echoes. Entries the device only reports are named for what they
// carry:
//   "Level"                       level of a mono channel, tenths of a dB
//   "LevelLeft", "LevelRight"     levels of a stereo channel, tenths of a dB
//   "LevelInput", "LevelInputSecondary", "LevelOutputSecondary",
//   "GainReduction"               compressor meters ("Compressor"); 0x460B
//                                 is "Reserved11" and drives nothing
//   "LevelInputLeft", "LevelInputRight", "LevelOutputLeft",
//   "LevelOutputRight"            meters of the equaliser windows
//   "FirmwareVersion1".."5"       firmware version parts ("MainWindow")
//   "HardwareVersion"             hardware version, 100 x major + minor
// The device answers ("MainWindow", "Auth") with the handshake result as the
// value of the same "Auth" code.
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
    Thousandths,  // decimal number x 1000, rounded
    Choice,       // one of the entry's keyword texts, or its value as an integer
};

struct Choice {
    QString text;
    qint32 value;
};

struct Entry {
    quint16 command;
    QString channel;   // object name ("Input_IN1", "Mixer_IN12", "MainWindow" ...)
    QString attribute; // attribute of the message ("GAIN", "MixA_GainMLCL" ...)
    ValueKind kind;
    QList<Choice> choices = {}; // ValueKind::Choice only
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
// The value as a message text, as the entry's kind writes it ("0.29" for a
// Percent of 29, the keyword of a Choice).
QString valueText(const Entry& entry, qint32 value);
// Turns a value text into the device value by the entry's kind.
std::optional<qint32> parseValue(const Entry& entry, const QString& value);

// The entries the device reports on its own to drive the level meters.
QList<const Entry*> levelEntries();

} // namespace CommandTable
