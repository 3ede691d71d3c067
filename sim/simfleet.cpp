#include "simfleet.h"

#include "statefile.h"

#include "files/csvtable.h"
#include "files/fleetfile.h"
#include "image/cp1252.h"

#include <QDir>
#include <QFile>

SimFleet::SimFleet(FleetSetup setup) : m_setup(std::move(setup)) {}

QString SimFleet::stateFileName(int number)
{
    return QStringLiteral("terminal-%1.txt").arg(number, 4, 10, QLatin1Char('0'));
}

SimOptions SimFleet::withoutFaults(SimOptions options)
{
    options.faults = {};
    options.mute = false;
    options.splitReplies = false;
    options.closeAfter = 0;
    options.garbage = false;
    options.flood = false;
    options.floodRead = false;
    options.zeroFlood = false;
    return options;
}

std::optional<TerminalState> SimFleet::stateOf(int number, const QString& statePath, QString* error) const
{
    if (!statePath.isEmpty() && QFile::exists(statePath)) {
        std::optional<TerminalState> stored = statefile::load(statePath);
        if (!stored && error)
            *error = QStringLiteral("not a state file: %1").arg(statePath);
        return stored;
    }
    return fleetTerminalState(m_setup.base, number);
}

bool SimFleet::start(QString* error)
{
    if (!m_setup.stateFolder.isEmpty() && !QDir().mkpath(m_setup.stateFolder)) {
        *error = QStringLiteral("cannot create the state folder %1").arg(m_setup.stateFolder);
        return false;
    }
    const int firstFaulty = m_setup.faulty < 0 ? 1 : m_setup.count - m_setup.faulty + 1;
    quint16 port = m_setup.port;
    for (int number = 1; number <= m_setup.count; ++number) {
        SimOptions options = number >= firstFaulty ? m_setup.options : withoutFaults(m_setup.options);
        options.statePath =
            m_setup.stateFolder.isEmpty() ? QString() : QDir(m_setup.stateFolder).filePath(stateFileName(number));
        const bool fresh = !options.statePath.isEmpty() && !QFile::exists(options.statePath);
        std::optional<TerminalState> state = stateOf(number, options.statePath, error);
        if (!state) {
            m_servers.clear();
            return false;
        }
        QHostAddress address = m_setup.address;
        quint16 listenPort = port;
        if (m_setup.addressStep > 0)
            address = QHostAddress(m_setup.address.toIPv4Address() + quint32((number - 1) * m_setup.addressStep));
        else if (port != 0)
            listenPort = quint16(port + number - 1);
        auto server = std::make_unique<SimServer>(std::move(*state), options);
        if (!server->listen(address, listenPort)) {
            *error = QStringLiteral("terminal %1 cannot listen on %2:%3: %4")
                         .arg(number)
                         .arg(address.toString())
                         .arg(listenPort)
                         .arg(server->errorString());
            m_servers.clear();
            return false;
        }
        // With an address step, every terminal takes the port the first one got.
        if (m_setup.addressStep > 0 && port == 0)
            port = server->port();
        if (fresh && !server->saveState()) {
            *error = QStringLiteral("cannot write %1").arg(options.statePath);
            m_servers.clear();
            return false;
        }
        m_servers.push_back(std::move(server));
    }
    return true;
}

QByteArray SimFleet::fleetFileBytes() const
{
    QList<QStringList> rows{{fleetcolumn::address, fleetcolumn::password}};
    for (const auto& server : m_servers) {
        rows.append({QStringLiteral("%1:%2").arg(server->address().toString()).arg(server->port()),
                     cp1252::decode(server->state().password)});
    }
    return csvBytes(rows);
}
