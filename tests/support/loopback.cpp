#include "loopback.h"

#include <QTcpServer>
#include <QThread>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

quint16 closedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    const quint16 port = probe.serverPort();
    probe.close();
    return port;
}

StalledPort::StalledPort() : StalledPort(INADDR_LOOPBACK, 0) {}

StalledPort::StalledPort(quint32 ipv4, quint16 port)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(ipv4);
    address.sin_port = htons(port);
    socklen_t length = sizeof address;
    m_listener = ::socket(AF_INET, SOCK_STREAM, 0);
    // A queue of one connection, never accepted; the fillers take it, later connects wait.
    if (m_listener < 0 || ::bind(m_listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(m_listener, 0) != 0 || ::getsockname(m_listener, reinterpret_cast<sockaddr*>(&address), &length) != 0)
        return;
    for (int& filler : m_fillers) {
        filler = ::socket(AF_INET, SOCK_STREAM, 0);
        ::fcntl(filler, F_SETFL, O_NONBLOCK);
        ::connect(filler, reinterpret_cast<sockaddr*>(&address), sizeof address);
    }
    QThread::msleep(100); // the fillers' handshakes complete
    m_port = ntohs(address.sin_port);
}

StalledPort::~StalledPort()
{
    for (int filler : m_fillers) {
        if (filler >= 0)
            ::close(filler);
    }
    if (m_listener >= 0)
        ::close(m_listener);
}
