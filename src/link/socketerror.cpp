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

QString socketFailureReason(QAbstractSocket::SocketError error)
{
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return QStringLiteral("conexão recusada");
    case QAbstractSocket::RemoteHostClosedError:
        return QStringLiteral("conexão encerrada pelo terminal");
    case QAbstractSocket::HostNotFoundError:
        return QStringLiteral("endereço não encontrado");
    case QAbstractSocket::SocketTimeoutError:
        return QStringLiteral("tempo esgotado");
    case QAbstractSocket::NetworkError:
        return QStringLiteral("rede ou terminal inalcançável");
    case QAbstractSocket::SocketResourceError:
        return QStringLiteral("sem recursos do sistema para abrir a conexão");
    case QAbstractSocket::SocketAccessError:
        return QStringLiteral("sem permissão para abrir a conexão");
    case QAbstractSocket::AddressInUseError:
    case QAbstractSocket::SocketAddressNotAvailableError:
        return QStringLiteral("endereço local indisponível");
    default:
        return QStringLiteral("erro de rede (código %1)").arg(int(error));
    }
}
