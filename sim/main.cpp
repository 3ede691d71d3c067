// hxterm-sim: a simulated microterminal on a TCP port, for trying the configuration tool and for
// its tests without a real device.

#include "simfleet.h"
#include "simserver.h"
#include "statefile.h"
#include "terminalstate.h"

#include "files/backupfile.h"
#include "link/openfilelimit.h"

#include "image/cp1252.h"
#include "image/layout.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>

#include <cstdio>
#include <optional>

namespace
{

struct Setup {
    QHostAddress address;
    quint16 port = 0;
    TerminalState state;
    SimOptions options;
    // A fleet: more than one terminal in the process.
    int fleet = 0; // 0: one terminal
    int faulty = -1;
    int addressStep = 0;
    QString fleetFile;
};

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "hxterm-sim: %s\n", qPrintable(message));
    std::exit(1);
}

int positiveNumber(const QCommandLineParser& parser, const QCommandLineOption& option, int low, int high)
{
    bool ok = false;
    const int n = parser.value(option).toInt(&ok);
    if (!ok || n < low || n > high)
        fail(QStringLiteral("--%1 needs a number from %2 to %3, not %4")
                 .arg(option.names().constFirst())
                 .arg(low)
                 .arg(high)
                 .arg(parser.value(option)));
    return n;
}

QByteArray readImageFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1: %2").arg(path, file.errorString()));
    const QByteArray image = file.readAll();
    if (image.size() != image::kImageSize)
        fail(QStringLiteral("%1 holds %2 bytes, not %3").arg(path).arg(image.size()).arg(image::kImageSize));
    return image;
}

Setup parseArguments(const QCoreApplication& app)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Simulated microterminal: answers the configuration tool's status, read, unlock, write,\n"
                       "reboot and logo frames on a TCP port. On start it prints one line\n"
                       "\"hxterm-sim listening on ADDR:PORT\" to stdout."));
    parser.addHelpOption();
    const QCommandLineOption listen(QStringLiteral("listen"),
                                    QStringLiteral("Address to listen on (default 127.0.0.1)."), QStringLiteral("ADDR"),
                                    QStringLiteral("127.0.0.1"));
    const QCommandLineOption port(QStringLiteral("port"), QStringLiteral("TCP port (default 2323; 0 = any free port)."),
                                  QStringLiteral("N"), QStringLiteral("2323"));
    const QCommandLineOption password(QStringLiteral("password"),
                                      QStringLiteral("The terminal's password, 1 to 6 characters (default 123456)."),
                                      QStringLiteral("P"), QStringLiteral("123456"));
    const QCommandLineOption imageFile(
        QStringLiteral("image"),
        QStringLiteral("Initial 260-byte configuration image (raw bytes); bytes 170..176 get the password."),
        QStringLiteral("FILE"));
    const QCommandLineOption stateFile(
        QStringLiteral("state"),
        QStringLiteral("Keeps image, password and logo across runs: loaded at start when present (then "
                       "--image and --password are not used), saved after every write and logo."),
        QStringLiteral("FILE"));
    const QCommandLineOption mute(QStringLiteral("mute"), QStringLiteral("Never answer."));
    const QCommandLineOption refuseUnlock(QStringLiteral("refuse-unlock"),
                                          QStringLiteral("Refuse every unlock ('U' 'N')."));
    const QCommandLineOption notReady(QStringLiteral("not-ready"), QStringLiteral("Answer status with 'S' 'N'."));
    const QCommandLineOption refuseReboot(QStringLiteral("refuse-reboot"),
                                          QStringLiteral("Refuse the reboot ('B' 'N') instead of closing."));
    const QCommandLineOption splitReplies(QStringLiteral("split-replies"),
                                          QStringLiteral("Send each reply in two pieces about 100 ms apart."));
    const QCommandLineOption closeAfter(QStringLiteral("close-after"),
                                        QStringLiteral("Close each connection after N requests."), QStringLiteral("N"));
    const QCommandLineOption garbage(QStringLiteral("garbage"), QStringLiteral("Send garbage instead of each reply."));
    const QCommandLineOption flood(QStringLiteral("flood"),
                                   QStringLiteral("Send a 64 KiB block instead of each reply."));
    const QCommandLineOption floodRead(
        QStringLiteral("flood-read"),
        QStringLiteral("Answer each read with copies of the read reply, one after the other without end."));
    const QCommandLineOption zeroFlood(QStringLiteral("zero-flood"),
                                       QStringLiteral("Answer each read with zero bytes without end."));
    const QCommandLineOption hostileTexts(
        QStringLiteral("hostile-texts"),
        QStringLiteral("Answer each read with a MAC, Login and Password that hold control characters (ESC,\n"
                       "BEL) and line breaks."));
    const QCommandLineOption corruptWrites(
        QStringLiteral("corrupt-writes"),
        QStringLiteral("Answer each write with 'G' but store it with one bit of the local port's first byte "
                       "(image byte 36) flipped, so that a read afterwards differs from what was sent."));
    const QCommandLineOption verbose(
        QStringLiteral("verbose"),
        QStringLiteral("Print a line for every connection, received frame and reply: time, connection, letter,\n"
                       "length, and for a write the fields that differ from the stored image."));
    const QCommandLineOption fleet(
        QStringLiteral("fleet"),
        QStringLiteral("Run N terminals in this process, on ports P to P+N-1 (P from --port; with --port 0 each on\n"
                       "a free port of its own), each with its own MAC (0050C2000001, ...), IP Local (10.0.0.1,\n"
                       "...), password, logo and state; one \"listening\" line each. --state then names a folder\n"
                       "that holds one state file per terminal (terminal-0001.txt, ...)."),
        QStringLiteral("N"));
    const QCommandLineOption faulty(QStringLiteral("faulty"),
                                    QStringLiteral("With --fleet: the fault modes apply to the last K terminals only."),
                                    QStringLiteral("K"));
    const QCommandLineOption addressStep(
        QStringLiteral("address-step"),
        QStringLiteral("With --fleet: terminal i listens on the listen address plus (i-1) x S, all on one port,\n"
                       "so that a range can be scanned (127.0.0.0/8 is loopback as a whole)."),
        QStringLiteral("S"));
    const QCommandLineOption writeFleet(QStringLiteral("write-fleet"),
                                        QStringLiteral("With --fleet: write the fleet file for hxconfig-cli batch "
                                                       "(address as host:port, password)\nbefore the listening lines."),
                                        QStringLiteral("FILE"));
    parser.addOptions({listen,       port,      password,     imageFile,    stateFile,     mute,
                       refuseUnlock, notReady,  refuseReboot, splitReplies, closeAfter,    garbage,
                       flood,        floodRead, zeroFlood,    hostileTexts, corruptWrites, verbose,
                       fleet,        faulty,    addressStep,  writeFleet});
    parser.process(app);

    Setup setup;
    if (!setup.address.setAddress(parser.value(listen)))
        fail(QStringLiteral("not an address: %1").arg(parser.value(listen)));
    bool ok = false;
    const uint portNumber = parser.value(port).toUInt(&ok);
    if (!ok || portNumber > 65535)
        fail(QStringLiteral("not a port: %1").arg(parser.value(port)));
    setup.port = quint16(portNumber);

    SimOptions& options = setup.options;
    options.faults.notReady = parser.isSet(notReady);
    options.faults.refuseUnlock = parser.isSet(refuseUnlock);
    options.faults.refuseReboot = parser.isSet(refuseReboot);
    options.faults.corruptWrites = parser.isSet(corruptWrites);
    options.faults.hostileTexts = parser.isSet(hostileTexts);
    options.mute = parser.isSet(mute);
    options.splitReplies = parser.isSet(splitReplies);
    options.garbage = parser.isSet(garbage);
    options.flood = parser.isSet(flood);
    options.floodRead = parser.isSet(floodRead);
    options.zeroFlood = parser.isSet(zeroFlood);
    options.verbose = parser.isSet(verbose);
    if (parser.isSet(closeAfter)) {
        options.closeAfter = parser.value(closeAfter).toInt(&ok);
        if (!ok || options.closeAfter < 1)
            fail(QStringLiteral("--close-after needs a number of requests, not %1").arg(parser.value(closeAfter)));
    }
    options.statePath = parser.value(stateFile);

    if (parser.isSet(fleet)) {
        setup.fleet = positiveNumber(parser, fleet, 1, 10000);
        if (parser.isSet(faulty))
            setup.faulty = positiveNumber(parser, faulty, 0, setup.fleet);
        if (parser.isSet(addressStep)) {
            setup.addressStep = positiveNumber(parser, addressStep, 1, 65536);
            if (setup.address.protocol() != QAbstractSocket::IPv4Protocol ||
                quint64(setup.address.toIPv4Address()) + quint64(setup.fleet - 1) * quint64(setup.addressStep) >
                    0xFFFFFFFFull)
                fail(QStringLiteral("--address-step needs an IPv4 listen address with room for the fleet"));
        } else if (setup.port != 0 && setup.port + setup.fleet - 1 > 65535) {
            fail(QStringLiteral("ports %1 to %2 do not exist").arg(setup.port).arg(setup.port + setup.fleet - 1));
        }
        setup.fleetFile = parser.value(writeFleet);
    } else if (parser.isSet(faulty) || parser.isSet(addressStep) || parser.isSet(writeFleet)) {
        fail(QStringLiteral("--faulty, --address-step and --write-fleet need --fleet"));
    }

    std::optional<TerminalState> stored;
    if (setup.fleet == 0 && !options.statePath.isEmpty() && QFile::exists(options.statePath)) {
        stored = statefile::load(options.statePath);
        if (!stored)
            fail(QStringLiteral("not a state file: %1").arg(options.statePath));
    }
    if (stored) {
        setup.state = *stored;
    } else {
        const QByteArray pass = cp1252::encode(parser.value(password));
        if (pass.isEmpty() || pass.size() > TerminalState::kPasswordMax)
            fail(QStringLiteral("the password must have 1 to 6 characters"));
        // The frames carry the password unescaped between their start and end bytes.
        if (pass.contains('\x82') || pass.contains('\x83'))
            fail(QStringLiteral("the password must not contain the characters \u201A or \u0192 (bytes 0x82, 0x83)"));
        setup.state = initialState(pass);
        if (parser.isSet(imageFile)) {
            setup.state.image = readImageFile(parser.value(imageFile));
            setup.state.setPassword(pass);
        }
    }
    return setup;
}

int runFleet(QCoreApplication& app, Setup setup)
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
            fail(saved.error);
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
    Setup setup = parseArguments(app);
    if (setup.fleet > 0)
        return runFleet(app, std::move(setup));
    const bool freshState = !setup.options.statePath.isEmpty() && !QFile::exists(setup.options.statePath);

    SimServer server(std::move(setup.state), setup.options);
    if (!server.listen(setup.address, setup.port))
        fail(QStringLiteral("cannot listen on %1:%2: %3")
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
