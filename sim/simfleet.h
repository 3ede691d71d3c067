#pragma once

#include "simoptions.h"
#include "simserver.h"
#include "terminalstate.h"

#include <QHostAddress>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

// Many simulated terminals in one process, each a SimServer with its own state (configuration with
// its own MAC and IP Local, password, unlock state per connection, logo), all on one event loop.
//
// Where they listen: terminal i (from 1) on the listen address and port P + i - 1, or with an
// address step S on the listen address plus (i - 1) x S, all on port P (127.0.0.0/8 is loopback
// as a whole on Linux, so a fleet can fill a range there to be scanned). Port 0 lets the system
// choose: each terminal gets a free port of its own, or with a step the first one's port for all.
//
// Their memory: in the process only, or with a state folder one state file per terminal,
// "terminal-0001.txt", ... (the format of statefile.h), loaded when present and written at start
// and after every change. The fault modes apply to the last `faulty` terminals only (all when -1).
struct FleetSetup {
    int count = 1;
    QHostAddress address;
    quint16 port = 0;
    int addressStep = 0;
    int faulty = -1;
    TerminalState base; // each terminal's starting state, before its own MAC and IP Local
    SimOptions options;
    QString stateFolder; // empty: in memory
};

class SimFleet final
{
    Q_DISABLE_COPY_MOVE(SimFleet)

public:
    explicit SimFleet(FleetSetup setup);

    // Loads or creates the terminals' states and starts them listening; on failure `error` says
    // which terminal and why, and nothing keeps listening.
    bool start(QString* error);

    const std::vector<std::unique_ptr<SimServer>>& servers() const { return m_servers; }

    // The fleet file hxconfig-cli batch takes: address (host:port) and password of every terminal.
    QByteArray fleetFileBytes() const;

    static QString stateFileName(int number); // "terminal-0001.txt"
    // The options without any fault mode, for the terminals that behave.
    static SimOptions withoutFaults(SimOptions options);

private:
    std::optional<TerminalState> stateOf(int number, const QString& statePath, QString* error) const;

    FleetSetup m_setup;
    std::vector<std::unique_ptr<SimServer>> m_servers;
};
