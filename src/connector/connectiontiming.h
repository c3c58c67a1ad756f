#pragma once

// Intervals of detection and handshake, in milliseconds. Tests shorten them;
// the program never changes them.
struct ConnectionTiming {
    static inline int pollMs = 500;          // connector's device detection
    static inline int failedReturnMs = 2000; // failure page before waiting again
    static inline int authMs = 500;          // handshake retry tick
    static inline int authTicks = 10;        // the tenth tick without answer fails
    static inline int heartbeatMs = 2000;
    static inline int onlineMs = 500;        // factory page watching the driver
    static inline int driverPollMs = 500;

    static void restoreDefaults()
    {
        pollMs = 500;
        failedReturnMs = 2000;
        authMs = 500;
        authTicks = 10;
        heartbeatMs = 2000;
        onlineMs = 500;
        driverPollMs = 500;
    }
};
