#pragma once

#include "terminalmodel.h"

#include <QString>

// How the simulated terminal misbehaves on purpose, for fault tests, and what it prints.
struct SimOptions {
    ModelFaults faults;
    bool mute = false;         // read every request, answer none
    bool splitReplies = false; // each reply in two pieces, ~100 ms apart
    int closeAfter = 0;        // close the connection after this many requests; 0 never
    bool garbage = false;      // send garbage instead of each reply
    bool flood = false;        // send a 64 KiB block instead of each reply
    bool floodRead = false;    // answer a read with copies of the read reply, without end
    bool zeroFlood = false;    // answer a read with zero bytes, without end
    QString statePath;         // where image, password and logo are kept; empty keeps nothing
    bool verbose = false;      // a line on stdout for every frame and reply (TrafficLog)
};
