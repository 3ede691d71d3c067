// hxterm-sim: a simulated microterminal on a TCP port, for trying the configuration tool and for
// its tests without a real device.

#include "simarguments.h"
#include "simfleet.h"
#include "simserver.h"

#include "files/backupfile.h"
#include "files/language.h"
#include "link/openfilelimit.h"

#include "hxversion.h"

#include <QCoreApplication>
#include <QFile>

#include <cstdio>

namespace
{

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "hxterm-sim: %s\n", qPrintable(message));
    std::exit(1);
}

int runFleet(QCoreApplication& app, SimSetup setup)
{
    raiseOpenFileLimit();
    FleetSetup fleetSetup;
    fleetSetup.count = setup.fleet;
    fleetSetup.address = setup.address;
    fleetSetup.port = setup.port;
    fleetSetup.addressStep = setup.addressStep;
    fleetSetup.faulty = setup.faulty;
    fleetSetup.base = std::move(setup.state);
    fleetSetup.stateFolder = setup.options.statePath;
    fleetSetup.options = std::move(setup.options);
    SimFleet fleet(std::move(fleetSetup));
    QString error;
    if (!fleet.start(&error))
        fail(error);
    if (!setup.fleetFile.isEmpty()) {
        const SavedFile saved = savePrivateFile(setup.fleetFile, fleet.fleetFileBytes());
        if (!saved.ok())
            fail(saved.failure().text);
    }
    for (const auto& server : fleet.servers())
        std::printf("hxterm-sim listening on %s:%u\n", qPrintable(server->address().toString()),
                    unsigned(server->port()));
    std::fflush(stdout);
    return app.exec();
}

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hxterm-sim"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HX_VERSION));
    language::installForEnvironment(app);
    auto parsed = parseSimArguments(QCoreApplication::arguments());
    if (const auto* problem = std::get_if<QString>(&parsed))
        fail(*problem);
    SimSetup setup = std::move(std::get<SimSetup>(parsed));
    if (setup.fleet > 0)
        return runFleet(app, std::move(setup));
    const bool freshState = !setup.options.statePath.isEmpty() && !QFile::exists(setup.options.statePath);

    SimServer server(std::move(setup.state), setup.options);
    if (!server.listen(setup.address, setup.port))
        fail(SimText::tr("não foi possível escutar em %1:%2: %3")
                 .arg(setup.address.toString())
                 .arg(setup.port)
                 .arg(server.errorString()));
    // A new state file holds the starting configuration at once, so that tests and scripts can read it.
    if (freshState && !server.saveState())
        return 1;

    std::printf("hxterm-sim listening on %s:%u\n", qPrintable(server.address().toString()), unsigned(server.port()));
    std::fflush(stdout);
    return app.exec();
}
