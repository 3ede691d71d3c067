// hxterm-sim: a simulated microterminal on a TCP port, for trying the configuration tool and for
// its tests without a real device.

#include "simserver.h"
#include "statefile.h"
#include "terminalstate.h"

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
};

[[noreturn]] void fail(const QString& message)
{
    std::fprintf(stderr, "hxterm-sim: %s\n", qPrintable(message));
    std::exit(1);
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
    const QCommandLineOption corruptWrites(
        QStringLiteral("corrupt-writes"),
        QStringLiteral("Answer each write with 'G' but store it with one bit of the local port's first byte "
                       "(image byte 36) flipped, so that a read afterwards differs from what was sent."));
    const QCommandLineOption verbose(
        QStringLiteral("verbose"),
        QStringLiteral("Print a line for every connection, received frame and reply: time, connection, letter,\n"
                       "length, and for a write the fields that differ from the stored image."));
    parser.addOptions({listen, port, password, imageFile, stateFile, mute, refuseUnlock, notReady, refuseReboot,
                       splitReplies, closeAfter, garbage, flood, corruptWrites, verbose});
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
    options.mute = parser.isSet(mute);
    options.splitReplies = parser.isSet(splitReplies);
    options.garbage = parser.isSet(garbage);
    options.flood = parser.isSet(flood);
    options.verbose = parser.isSet(verbose);
    if (parser.isSet(closeAfter)) {
        options.closeAfter = parser.value(closeAfter).toInt(&ok);
        if (!ok || options.closeAfter < 1)
            fail(QStringLiteral("--close-after needs a number of requests, not %1").arg(parser.value(closeAfter)));
    }
    options.statePath = parser.value(stateFile);

    std::optional<TerminalState> stored;
    if (!options.statePath.isEmpty() && QFile::exists(options.statePath)) {
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

} // namespace

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hxterm-sim"));
    Setup setup = parseArguments(app);
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
