// hxterm-sim --fleet: many terminals in one process, each with its own identity, memory and
// faults, and the fleet file it writes for hxconfig-cli batch.
#include "clifixtures.h"
#include "projectversion.h"
#include "simprocess.h"
#include "terminalstate.h"
#include "testprogram.h"

#include "files/fleetfile.h"
#include "image/checks.h"
#include "image/layout.h"
#include "image/readable.h"
#include "link/readjob.h"
#include "link/terminalclient.h"
#include "link/writejob.h"
#include "link/writeplan.h"

#include <QProcess>
#include <QTest>

using namespace clifixtures;

namespace
{

// The image the terminal sends, read with the tool's own client; empty when the read failed.
QByteArray readTerminal(const QString& address, const QByteArray& password = kPassword.toLatin1())
{
    TerminalClient client;
    client.setConnectTimeout(2000);
    client.setReplyTimeout(2000);
    ReadJob job(client, password);
    bool over = false;
    bool ok = false;
    QObject::connect(&job, &ReadJob::done, &job, [&] { over = ok = true; });
    QObject::connect(&job, &ReadJob::failed, &job, [&] { over = true; });
    job.start(*parseAddress(address));
    const bool ended = QTest::qWaitFor([&] { return over; }, 5000);
    client.close();
    return ended && ok ? job.image() : QByteArray();
}

TerminalClient::Answer statusOf(const QString& address)
{
    TerminalClient client;
    client.setReplyTimeout(1000);
    std::optional<TerminalClient::Answer> answer;
    QObject::connect(&client, &TerminalClient::connected, &client, [&] { client.requestStatus(); });
    QObject::connect(&client, &TerminalClient::answered, &client,
                     [&](TerminalClient::Request, TerminalClient::Answer a, const QByteArray&) { answer = a; });
    QObject::connect(&client, &TerminalClient::failed, &client,
                     [&] { answer = TerminalClient::Answer::Sent; }); // stands for "no answer"
    client.connectTo(*parseAddress(address));
    if (!QTest::qWaitFor([&] { return answer.has_value(); }, 5000))
        qFatal("no outcome of a status request to %s", qPrintable(address));
    return *answer;
}

struct SimRun {
    int exitCode = -1;
    QString out;
    QString err;
};

// hxterm-sim run to its end with the given options, in the language of `locale` (LC_ALL).
SimRun runSim(const QStringList& arguments, const QString& locale = QStringLiteral("C.UTF-8"))
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("LC_ALL"), locale);
    process.setProcessEnvironment(environment);
    process.start(QStringLiteral(HXTERM_SIM_PATH), arguments);
    if (!process.waitForFinished(5000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    return {process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

class TestSimFleet : public QObject
{
    Q_OBJECT

private slots:
    void identityComesFromTheNumber();
    void everyTerminalAnswersWithItsOwnIdentity();
    void fleetFileListsEveryTerminal();
    void terminalsKeepTheirOwnMemory();
    void faultsOnlyOnTheLastTerminals();
    void addressStepSpreadsTheFleetOverAddresses();
    void commandLineIsChecked_data();
    void commandLineIsChecked();
    void helpSpeaksTheLocalesLanguage();
};

void TestSimFleet::identityComesFromTheNumber()
{
    const TerminalState base = initialState("123456");
    const TerminalState first = fleetTerminalState(base, 1);
    QCOMPARE(shownValue(first.image, "edMac"), QStringLiteral("0050C2000001"));
    QCOMPARE(shownValue(first.image, "VIpLocal"), QStringLiteral("10.0.0.1"));
    const TerminalState big = fleetTerminalState(base, 0x12345);
    QCOMPARE(shownValue(big.image, "edMac"), QStringLiteral("0050C2012345"));
    QCOMPARE(shownValue(big.image, "VIpLocal"), QStringLiteral("10.1.35.69"));

    // Nothing else differs from the single terminal but the network they share: reserved bytes,
    // password, the other fields.
    QByteArray expected = withText(base.image, "edMac", "0050C2000001");
    expected = withText(expected, "VIpLocal", "10.0.0.1");
    expected = withText(expected, "VSubnet", "255.0.0.0");
    expected = withText(expected, "VGateway", "10.255.255.254");
    QCOMPARE(first.image, expected);
    // A fleet terminal is sound as it starts: a write of what it holds is not refused.
    QVERIFY(!image::hasErrors(image::checkImage(first.image)));
    QVERIFY(!image::hasErrors(image::checkImage(big.image)));
    QCOMPARE(first.password, base.password);
}

void TestSimFleet::everyTerminalAnswersWithItsOwnIdentity()
{
    FleetProcess fleet(3);
    QVERIFY2(fleet.isRunning(), qPrintable(fleet.errorOutput()));
    QCOMPARE(QSet<QString>(fleet.addresses().begin(), fleet.addresses().end()).size(), 3);
    for (int number = 1; number <= 3; ++number) {
        const QByteArray image = readTerminal(fleet.addresses().at(number - 1));
        QVERIFY(!image.isEmpty());
        QCOMPARE(shownValue(image, "edMac"), QStringLiteral("0050C200000%1").arg(number));
        QCOMPARE(shownValue(image, "VIpLocal"), QStringLiteral("10.0.0.%1").arg(number));
        // Its state file holds the starting configuration from the start.
        QCOMPARE(configurationOf(fleet.storedImage(number)), configurationOf(image));
    }
}

void TestSimFleet::fleetFileListsEveryTerminal()
{
    FleetProcess fleet(3, {QStringLiteral("--password"), QStringLiteral("abc;12")});
    QVERIFY2(fleet.isRunning(), qPrintable(fleet.errorOutput()));
    QByteArray expected = "\xEF\xBB\xBF"
                          "address;password\r\n";
    for (const QString& address : fleet.addresses())
        expected += address.toLatin1() + ";\"abc;12\"\r\n";
    QCOMPARE(readFile(fleet.fleetFile()), expected);
    QCOMPARE(unixMode(fleet.fleetFile()), 0600);

    const auto parsed = parseFleetFile(expected);
    QVERIFY(parsed.ok());
    const FleetFile& file = parsed.value();
    QCOMPARE(file.rows.size(), 3);
    QCOMPARE(file.rows.at(2).address, fleet.addresses().at(2));
    QCOMPARE(file.rows.at(2).password, QStringLiteral("abc;12"));
    QCOMPARE(file.rows.at(2).line, 4);
}

void TestSimFleet::terminalsKeepTheirOwnMemory()
{
    FleetProcess fleet(3);
    QVERIFY2(fleet.isRunning(), qPrintable(fleet.errorOutput()));
    // A write with a new password to the second terminal, without the pauses.
    WriteOptions options;
    options.endpoint = *parseAddress(fleet.addresses().at(1));
    options.password = "123456";
    options.newPassword = QStringLiteral("654321");
    options.verify = false;
    options.reboot = false;
    QTemporaryDir backups;
    options.backupFolder = backups.path();
    WriteJob job(options, writeplan::applying(
                              {{QStringLiteral("Conexao"), QStringLiteral("IPLocal"), QStringLiteral("10.9.9.9")}}));
    bool over = false;
    connect(&job, &WriteJob::finished, this, [&] { over = true; });
    job.start();
    QVERIFY(QTest::qWaitFor([&] { return over; }, 5000));
    QCOMPARE(job.result().outcome, WriteResult::Outcome::Changed);

    QTRY_COMPARE(shownValue(fleet.storedImage(2), "VIpLocal"), QStringLiteral("10.9.9.9"));
    QCOMPARE(fleet.storedPassword(2), QStringLiteral("654321"));
    QCOMPARE(shownValue(readTerminal(fleet.addresses().at(1), "654321"), "VIpLocal"), QStringLiteral("10.9.9.9"));
    // The others still hold their own configuration and password.
    for (int number : {1, 3}) {
        QCOMPARE(fleet.storedPassword(number), kPassword);
        QCOMPARE(shownValue(readTerminal(fleet.addresses().at(number - 1)), "VIpLocal"),
                 QStringLiteral("10.0.0.%1").arg(number));
    }
}

void TestSimFleet::faultsOnlyOnTheLastTerminals()
{
    FleetProcess fleet(4, {QStringLiteral("--faulty"), QStringLiteral("2"), QStringLiteral("--not-ready")});
    QVERIFY2(fleet.isRunning(), qPrintable(fleet.errorOutput()));
    QCOMPARE(statusOf(fleet.addresses().at(0)), TerminalClient::Answer::Ready);
    QCOMPARE(statusOf(fleet.addresses().at(1)), TerminalClient::Answer::Ready);
    QCOMPARE(statusOf(fleet.addresses().at(2)), TerminalClient::Answer::NotReady);
    QCOMPARE(statusOf(fleet.addresses().at(3)), TerminalClient::Answer::NotReady);

    // Without --faulty every terminal has the fault.
    FleetProcess mute(2, {QStringLiteral("--mute")});
    QVERIFY(mute.isRunning());
    for (const QString& address : mute.addresses())
        QCOMPARE(statusOf(address), TerminalClient::Answer::Sent);
}

void TestSimFleet::addressStepSpreadsTheFleetOverAddresses()
{
    FleetProcess fleet(3, {QStringLiteral("--listen"), QStringLiteral("127.71.0.1"), QStringLiteral("--address-step"),
                           QStringLiteral("4")});
    QVERIFY2(fleet.isRunning(), qPrintable(fleet.errorOutput()));
    const QString port = fleet.addresses().at(0).section(u':', 1);
    QCOMPARE(fleet.addresses(), QStringList({QStringLiteral("127.71.0.1:") + port, QStringLiteral("127.71.0.5:") + port,
                                             QStringLiteral("127.71.0.9:") + port}));
    QCOMPARE(shownValue(readTerminal(fleet.addresses().at(2)), "edMac"), QStringLiteral("0050C2000003"));
}

void TestSimFleet::commandLineIsChecked_data()
{
    QTest::addColumn<QString>("arguments"); // split at blanks
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("printed"); // all of standard output, then all of standard error

    const QString pt = QStringLiteral("pt_BR.UTF-8");
    const QString en = QStringLiteral("en_US.UTF-8");
    QTest::newRow("version") << "--version" << pt << 0 << QStringLiteral("hxterm-sim %1\n").arg(projectVersion());
    QTest::newRow("faulty without fleet")
        << "--faulty 1 --port 0" << pt << 1
        << "hxterm-sim: --faulty, --address-step e --write-fleet precisam de --fleet\n";
    QTest::newRow("fleet of none") << "--fleet 0" << pt << 1
                                   << "hxterm-sim: --fleet espera um número de 1 a 10000, não 0\n";
    QTest::newRow("fleet of none, English")
        << "--fleet 0" << en << 1 << "hxterm-sim: --fleet needs a number from 1 to 10000, not 0\n";
    QTest::newRow("more faulty than terminals")
        << "--fleet 3 --faulty 4" << pt << 1 << "hxterm-sim: --faulty espera um número de 0 a 3, não 4\n";
    QTest::newRow("ports past the last") << "--fleet 3 --port 65534" << pt << 1
                                         << "hxterm-sim: as portas 65534 a 65536 não existem\n";
    QTest::newRow("ports past the last, English")
        << "--fleet 3 --port 65534" << en << 1 << "hxterm-sim: ports 65534 to 65536 do not exist\n";
    // What Qt's parser finds wrong, in Qt's own words from its catalogue.
    QTest::newRow("missing value") << "--port" << pt << 1 << "hxterm-sim: Faltando valor após '--port'.\n";
    QTest::newRow("missing value, English") << "--port" << en << 1 << "hxterm-sim: Missing value after '--port'.\n";
    QTest::newRow("unknown option") << "--mute --bogus" << pt << 1 << "hxterm-sim: Opção desconhecida 'bogus'.\n";
}

void TestSimFleet::commandLineIsChecked()
{
    QFETCH(QString, arguments);
    QFETCH(QString, locale);
    QFETCH(int, exit);
    QFETCH(QString, printed);
    QVERIFY(!projectVersion().isEmpty());
    const SimRun run = runSim(arguments.split(u' '), locale);
    QCOMPARE(run.exitCode, exit);
    QCOMPARE(run.out + run.err, printed);
}

void TestSimFleet::helpSpeaksTheLocalesLanguage()
{
    const SimRun portuguese = runSim({QStringLiteral("--help")}, QStringLiteral("pt_BR.UTF-8"));
    QCOMPARE(portuguese.exitCode, 0);
    QVERIFY2(portuguese.out.startsWith(QStringLiteral("Uso: ")), qPrintable(portuguese.out));
    QVERIFY2(portuguese.out.contains(QStringLiteral("\nTerminal simulado: responde aos quadros de status")),
             qPrintable(portuguese.out));
    QVERIFY2(portuguese.out.contains(QStringLiteral("  --mute                Nunca responde.\n")),
             qPrintable(portuguese.out));
    const SimRun english = runSim({QStringLiteral("--help")}, QStringLiteral("en_US.UTF-8"));
    QCOMPARE(english.exitCode, 0);
    QVERIFY2(english.out.contains(QStringLiteral("\nSimulated microterminal: answers the configuration tool's")),
             qPrintable(english.out));
    QVERIFY2(english.out.contains(QStringLiteral("  --mute                Never answer.\n")), qPrintable(english.out));
}

HX_TEST_GUILESS_MAIN(TestSimFleet)
#include "test_sim_fleet.moc"
