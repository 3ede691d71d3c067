#include "link/socketerror.h"

int winsockCode(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return 10061; // WSAECONNREFUSED
    case QAbstractSocket::SocketTimeoutError:
    case QAbstractSocket::NetworkError: // host or network unreachable, connect timed out
        return 10060;                   // WSAETIMEDOUT
    case QAbstractSocket::RemoteHostClosedError:
        return 10053; // WSAECONNABORTED
    case QAbstractSocket::HostNotFoundError:
        return 11001; // WSAHOST_NOT_FOUND
    default:
        // Distinct and never one of the three codes that have a message (Qt's values run from
        // -1 to a few dozen).
        return 10000 + int(error);
    }
}
