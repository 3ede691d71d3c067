#pragma once

#include <QAbstractSocket>
#include <QString>

// The link reports socket failures as WinSock-style codes: 10061 connection refused, 10060 the
// terminal could not be reached in time, 10053 the connection was lost. Every other error gets a
// code of its own that the window shows no message for.
int winsockCode(QAbstractSocket::SocketError error);

// Why the socket failed, in the tool's own Portuguese words (Qt's texts come in English).
QString socketFailureReason(QAbstractSocket::SocketError error);
