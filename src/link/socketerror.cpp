#include "link/socketerror.h"

#include <QCoreApplication>

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
        return QCoreApplication::translate("Link", "conexão recusada");
    case QAbstractSocket::RemoteHostClosedError:
        return QCoreApplication::translate("Link", "conexão encerrada pelo terminal");
    case QAbstractSocket::HostNotFoundError:
        return QCoreApplication::translate("Link", "endereço não encontrado");
    case QAbstractSocket::SocketTimeoutError:
        return QCoreApplication::translate("Link", "tempo esgotado");
    case QAbstractSocket::NetworkError:
        return QCoreApplication::translate("Link", "rede ou terminal inalcançável");
    case QAbstractSocket::SocketResourceError:
        return QCoreApplication::translate("Link", "sem recursos do sistema para abrir a conexão");
    case QAbstractSocket::SocketAccessError:
        return QCoreApplication::translate("Link", "sem permissão para abrir a conexão");
    case QAbstractSocket::AddressInUseError:
    case QAbstractSocket::SocketAddressNotAvailableError:
        return QCoreApplication::translate("Link", "endereço local indisponível");
    default:
        return QCoreApplication::translate("Link", "erro de rede (código %1)").arg(int(error));
    }
}
