#pragma once

#include "simoptions.h"
#include "terminalstate.h"

#include <QHostAddress>
#include <QObject>
#include <QTcpServer>

// The simulated terminal on a TCP port: every accepted connection gets its own SimConnection,
// all of them share one TerminalState, which is saved to the state file after every change.
class SimServer final : public QObject
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(SimServer)

public:
    SimServer(TerminalState state, SimOptions options, QObject* parent = nullptr);

    bool listen(const QHostAddress& address, quint16 port);
    QHostAddress address() const { return m_server.serverAddress(); }
    quint16 port() const { return m_server.serverPort(); }
    QString errorString() const { return m_server.errorString(); }

    const TerminalState& state() const { return m_state; }
    bool saveState(); // to options.statePath; true when there is none

private:
    void acceptConnections();

    TerminalState m_state;
    SimOptions m_options;
    QTcpServer m_server;
};
