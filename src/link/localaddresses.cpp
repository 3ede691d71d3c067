#include "link/localaddresses.h"

#include <QNetworkInterface>
#include <QStringList>

#include <algorithm>

QString joinLocalAddresses(QList<LocalInterface> interfaces)
{
    std::stable_sort(interfaces.begin(), interfaces.end(),
                     [](const LocalInterface& a, const LocalInterface& b) { return a.index < b.index; });
    QStringList dotted;
    for (const LocalInterface& interface : interfaces) {
        if (!interface.up || interface.loopback)
            continue;
        for (const QHostAddress& address : interface.addresses) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
                dotted.append(address.toString());
        }
    }
    return dotted.join(u'\\');
}

QString GetLocalAddresses()
{
    QList<LocalInterface> interfaces;
    for (const QNetworkInterface& system : QNetworkInterface::allInterfaces()) {
        LocalInterface interface;
        interface.index = system.index();
        interface.up = system.flags().testFlag(QNetworkInterface::IsUp);
        interface.loopback = system.flags().testFlag(QNetworkInterface::IsLoopBack);
        for (const QNetworkAddressEntry& entry : system.addressEntries())
            interface.addresses.append(entry.ip());
        interfaces.append(interface);
    }
    return joinLocalAddresses(interfaces);
}
