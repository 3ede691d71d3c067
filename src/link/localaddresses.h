#pragma once

#include <QHostAddress>
#include <QList>
#include <QString>

// One network interface of the host as the address lookup sees it.
struct LocalInterface {
    int index = 0; // the system's interface index: the order in which interfaces are listed
    bool up = false;
    bool loopback = false;
    QList<QHostAddress> addresses; // in the order the system gives them
};

// The dotted IPv4 addresses of the interfaces that are up and not loopback, by interface index and
// then address order, joined by one backslash. IPv6 and loopback addresses are left out.
QString joinLocalAddresses(QList<LocalInterface> interfaces);

// The host's own IPv4 addresses, "192.168.0.15\10.0.0.5", or an empty text when there are none.
QString GetLocalAddresses();
