#pragma once

#include <QColor>

// The dark theme shared by every control.
namespace Theme {
inline const QColor Window {31, 31, 31};
inline const QColor Panel {22, 22, 22};
inline const QColor TextOff {161, 161, 161};
inline const QColor TextOn {222, 222, 222};
inline const QColor Accent {67, 207, 124};
inline const QColor Solo {217, 169, 61};
inline const QColor Mute {149, 40, 37};
}
