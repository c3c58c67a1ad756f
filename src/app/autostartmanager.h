#pragma once

#include <QString>

// Starts the program when the user logs in.
class AutoStartManager
{
public:
    static AutoStartManager& instance();

    // Windows: the per-user Run value. Elsewhere: the XDG autostart entry.
    bool setRunRegistryValue(bool enabled);

    // The entry or value that setRunRegistryValue writes; exposed for tests.
    static QString autostartEntryPath();
    static QString desktopEntry(const QString& executable);

private:
    AutoStartManager() = default;
};
