#include "simserver.h"

#include "simconnection.h"
#include "statefile.h"

#include <QTcpSocket>

#include <cstdio>

SimServer::SimServer(TerminalState state, SimOptions options, QObject* parent)
    : QObject(parent), m_state(std::move(state)), m_options(std::move(options))
{
    connect(&m_server, &QTcpServer::newConnection, this, &SimServer::acceptConnections);
}

bool SimServer::listen(const QHostAddress& address, quint16 port)
{
    return m_server.listen(address, port);
}

bool SimServer::saveState()
{
    if (m_options.statePath.isEmpty())
        return true;
    QString error;
    if (statefile::save(m_options.statePath, m_state, &error))
        return true;
    std::fprintf(stderr, "hxterm-sim: cannot save %s: %s\n", qPrintable(m_options.statePath), qPrintable(error));
    return false;
}

void SimServer::acceptConnections()
{
    while (QTcpSocket* socket = m_server.nextPendingConnection()) {
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        auto* connection = new SimConnection(socket, m_state, m_options); // owned by the socket
        connect(connection, &SimConnection::stateChanged, this, &SimServer::saveState);
    }
}
