#pragma once

#include <QtGlobal>

// A port on loopback where nothing listens (it was free a moment ago).
quint16 closedPort();

// A loopback port whose listen queue is full: a connect there is neither accepted nor refused,
// it just waits, as a connect to a switched-off terminal does. Closed when the object goes.
class StalledPort final
{
    Q_DISABLE_COPY_MOVE(StalledPort)

public:
    // On 127.0.0.1 and a free port, or on the given loopback address and port (host order).
    StalledPort();
    StalledPort(quint32 address, quint16 port);
    ~StalledPort();
    quint16 port() const { return m_port; }

private:
    int m_listener = -1;
    int m_fillers[3] = {-1, -1, -1};
    quint16 m_port = 0;
};
