// hxconfig-cli backup against simulated terminals over loopback: nightly runs that keep only the
// changes, which backup is the newest and what counts as the same configuration, failures per
// terminal (the terminal's faults and a full disk), ranges read as scan finds them, and the command
// lines refused before any terminal is contacted.
#include "clifixtures.h"
#include "cliprocess.h"
#include "fulldisk.h"
#include "simprocess.h"
#include "testprogram.h"
#include "writefailure.h"

#include "files/configfile.h"
#include "image/layout.h"
#include "image/readable.h"
#include "link/readjob.h"
#include "link/terminalclient.h"

#include <QDir>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace clifixtures;

namespace
{

QList<QJsonObject> jsonLines(const QByteArray& out)
{
    QList<QJsonObject> objects;
    for (const QByteArray& line : out.split('\n')) {
        if (!line.isEmpty())
            objects.append(QJsonDocument::fromJson(line).object());
    }
    return objects;
}

QJsonObject resultObject(const QString& address, const QString& result, const QString& error, int exit,
                         const QString& mac, const QString& file)
{
    return {{QStringLiteral("address"), address}, {QStringLiteral("result"), result}, {QStringLiteral("error"), error},
            {QStringLiteral("exit"), exit},       {QStringLiteral("mac"), mac},       {QStringLiteral("file"), file}};
}

QString macOf(const QByteArray& image)
{
    return image::readableValue(*image::fieldOf("edMac"), image);
}

// What a folder holds, but the file that fills a full disk.
QStringList filesIn(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
    names.removeOne(QStringLiteral("filler"));
    return names;
}

QString fleetMac(int number)
{
    return QStringLiteral("0050C2%1").arg(number, 6, 16, QLatin1Char('0')).toUpper();
}

// A backup file as the tool writes it, of this image.
QByteArray backupBytes(const QByteArray& image)
{
    return configFileBytes(image,
                           {macOf(image), QDateTime(QDate(2026, 1, 1), QTime(8, 0)), QStringLiteral("10.0.0.9")});
}

} // namespace

class TestCliBackup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void nightlyRunsKeepOnlyTheChanges();
    void newestBackupDecides_data();
    void newestBackupDecides();
    void failuresAreReportedPerTerminal();
    void diskFailuresFailTheTerminal_data();
    void diskFailuresFailTheTerminal();
    void unchangedNeedsNoSpace();
    void rangesAreReadAsScanFindsThem();
    void refusedBeforeAnyConnection_data();
    void refusedBeforeAnyConnection();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QStringList backupArgs(const QStringList& targets, const QString& folder) const
    {
        return QStringList{QStringLiteral("backup")} + targets +
               QStringList{QStringLiteral("--backup-dir"), folder, QStringLiteral("--json")};
    }

    QTemporaryDir m_dir;
    std::unique_ptr<SimProcess> m_single;
    QTcpServer m_listener; // where refused command lines would connect
    int m_connections = 0;
    int m_refusals = 0;
};

void TestCliBackup::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_single = std::make_unique<SimProcess>();
    QVERIFY2(m_single->isRunning(), qPrintable(m_single->errorOutput()));
    QVERIFY(m_listener.listen(QHostAddress::LocalHost, 0));
    connect(&m_listener, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_listener.nextPendingConnection()) {
            ++m_connections;
            socket->deleteLater();
        }
    });
}

void TestCliBackup::nightlyRunsKeepOnlyTheChanges()
{
    FleetProcess fleet(3);
    QVERIFY2(fleet.isRunning(), qPrintable(fleet.errorOutput()));
    const QString folder = path(QStringLiteral("nightly"));
    const QStringList args = backupArgs({fleet.fleetFile()}, folder);

    // The first night: every terminal new, each file its terminal's image as read.
    const CliResult first = runCli(args);
    QCOMPARE(first.exitCode, 0);
    const QList<QJsonObject> firstLines = jsonLines(first.out);
    QCOMPARE(firstLines.size(), 3);
    QStringList firstFiles;
    for (int i = 0; i < 3; ++i) {
        const QString file = firstLines.at(i).value(QStringLiteral("file")).toString();
        QCOMPARE(firstLines.at(i),
                 resultObject(fleet.addresses().at(i), QStringLiteral("new"), {}, 0, fleetMac(i + 1), file));
        QCOMPARE(QFileInfo(file).absolutePath(), QFileInfo(folder).absoluteFilePath());
        QVERIFY(QFileInfo(file).fileName().startsWith(fleetMac(i + 1) + QLatin1Char('_')));
        const ConfigFile saved = parsedConfig(readFile(file));
        QCOMPARE(configurationOf(saved.image), configurationOf(fleet.storedImage(i + 1)));
        QCOMPARE(saved.terminal.address, fleet.addresses().at(i));
        QCOMPARE(unixMode(file), 0600);
        firstFiles.append(file);
    }
    QCOMPARE(unixMode(folder), 0700);
    // The fixed keys first, in their order, then the command's own.
    QCOMPARE(first.out.left(first.out.indexOf('\n') + 1),
             QStringLiteral("{\"address\":\"%1\",\"result\":\"new\",\"error\":\"\",\"exit\":0,\"mac\":\"%2\","
                            "\"file\":\"%3\"}\n")
                 .arg(fleet.addresses().at(0), fleetMac(1), firstFiles.at(0))
                 .toUtf8());
    QVERIFY(first.err.contains(
        QStringLiteral("hxconfig-cli: backup: 3 terminais: 3 novos, 0 inalterados, 0 falharam, em ")));

    // The second night: nothing changed, nothing saved, each naming its newest file.
    const CliResult second = runCli(args);
    QCOMPARE(second.exitCode, 0);
    const QList<QJsonObject> secondLines = jsonLines(second.out);
    QCOMPARE(secondLines.size(), 3);
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(secondLines.at(i), resultObject(fleet.addresses().at(i), QStringLiteral("unchanged"), {}, 0,
                                                 fleetMac(i + 1), firstFiles.at(i)));
    }
    QCOMPARE(filesIn(folder).size(), 3);

    // Terminal 2 changed during the day: the third night saves it alone.
    const QString profile = writeFile(path(QStringLiteral("baud.ini")), "[Seriais]\r\nBaudRate1=19200\r\n");
    const CliResult apply = runCli({QStringLiteral("apply"), fleet.addresses().at(1), profile, kPasswordOption,
                                    QStringLiteral("--backup-dir"), path(QStringLiteral("applied"))});
    QCOMPARE(apply.exitCode, 0);
    const CliResult third = runCli(args + QStringList{QStringLiteral("--quiet")});
    QCOMPARE(third.exitCode, 0);
    const QList<QJsonObject> thirdLines = jsonLines(third.out);
    QCOMPARE(thirdLines.size(), 3);
    const QString changed = thirdLines.at(1).value(QStringLiteral("file")).toString();
    QVERIFY(!firstFiles.contains(changed));
    QCOMPARE(thirdLines.at(1),
             resultObject(fleet.addresses().at(1), QStringLiteral("new"), {}, 0, fleetMac(2), changed));
    QCOMPARE(thirdLines.at(0).value(QStringLiteral("result")).toString(), QStringLiteral("unchanged"));
    QCOMPARE(thirdLines.at(2).value(QStringLiteral("file")).toString(), firstFiles.at(2));
    const QByteArray changedImage = parsedConfig(readFile(changed)).image;
    QCOMPARE(image::readableValue(*image::fieldOf("cbBaud1"), changedImage), QStringLiteral("19200"));
    QCOMPARE(configurationOf(changedImage), configurationOf(fleet.storedImage(2)));

    // The fourth night compares with the newest, not with the first.
    const CliResult fourth = runCli(args);
    QCOMPARE(jsonLines(fourth.out).at(1),
             resultObject(fleet.addresses().at(1), QStringLiteral("unchanged"), {}, 0, fleetMac(2), changed));
    QCOMPARE(filesIn(folder).size(), 4);

    // Without --json: the progress lines on standard error and the table on standard output.
    const CliResult text =
        runCli({QStringLiteral("backup"), fleet.fleetFile(), QStringLiteral("--backup-dir"), folder});
    QCOMPARE(text.exitCode, 0);
    QCOMPARE(
        tableCells(text.outText()),
        QList<QStringList>({{QStringLiteral("address"), QStringLiteral("result"), QStringLiteral("mac"),
                             QStringLiteral("file"), QStringLiteral("error")},
                            {fleet.addresses().at(0), QStringLiteral("unchanged"), fleetMac(1), firstFiles.at(0)},
                            {fleet.addresses().at(1), QStringLiteral("unchanged"), fleetMac(2), changed},
                            {fleet.addresses().at(2), QStringLiteral("unchanged"), fleetMac(3), firstFiles.at(2)}}));
    for (int i = 0; i < 3; ++i)
        QVERIFY(text.err.contains(QStringLiteral("] %1: unchanged ").arg(fleet.addresses().at(i))));
}

void TestCliBackup::newestBackupDecides_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QList<QByteArray>>("images"); // "garbage": a file that is no configuration
    QTest::addColumn<QString>("expected");         // "new", or the name of the file that stays newest

    const QByteArray same = startImage();
    const QString mac = macOf(same);
    QByteArray byWindow = same;
    byWindow[1] = 'G';
    QByteArray baud = same;
    baud[image::fieldOf("cbBaud1")->first] = 4;
    QByteArray reserved = same;
    reserved[14] = char(0x55);
    QByteArray frameStart = same;
    frameStart[0] = char(0x80);
    const QByteArray garbage("garbage");
    const auto name = [&mac](const char* stamp) {
        return mac + QLatin1Char('_') + QLatin1String(stamp) + QStringLiteral(".ini");
    };

    QTest::newRow("no backup yet") << QStringList{} << QList<QByteArray>{} << QStringLiteral("new");
    QTest::newRow("the same, saved by the window with letter G")
        << QStringList{name("20260101-080000")} << QList<QByteArray>{byWindow} << name("20260101-080000");
    QTest::newRow("the newest the same, an older one different")
        << QStringList{name("20260101-080000"), name("20260102-080000")} << QList<QByteArray>{baud, same}
        << name("20260102-080000");
    QTest::newRow("the newest different, an older one the same")
        << QStringList{name("20260101-080000"), name("20260102-080000")} << QList<QByteArray>{same, baud}
        << QStringLiteral("new");
    QTest::newRow("a reserved byte differs")
        << QStringList{name("20260101-080000")} << QList<QByteArray>{reserved} << QStringLiteral("new");
    QTest::newRow("the frame start differs")
        << QStringList{name("20260101-080000")} << QList<QByteArray>{frameStart} << QStringLiteral("new");
    QTest::newRow("-2 is newer than its second") << QStringList{name("20260101-080000"), name("20260101-080000-2")}
                                                 << QList<QByteArray>{baud, same} << name("20260101-080000-2");
    QTest::newRow("-10 is newer than -9") << QStringList{name("20260101-080000-9"), name("20260101-080000-10")}
                                          << QList<QByteArray>{baud, same} << name("20260101-080000-10");
    QTest::newRow("-9 is older than -10") << QStringList{name("20260101-080000-9"), name("20260101-080000-10")}
                                          << QList<QByteArray>{same, baud} << QStringLiteral("new");
    QTest::newRow("an unreadable newest counts as different")
        << QStringList{name("20260101-080000"), name("20260102-080000")} << QList<QByteArray>{same, garbage}
        << QStringLiteral("new");
    QTest::newRow("another terminal's name") << QStringList{QStringLiteral("0050C2FFFFFF_20260101-080000.ini")}
                                             << QList<QByteArray>{same} << QStringLiteral("new");
    QTest::newRow("a name no backup has") << QStringList{QStringLiteral("notas.ini"), mac + QStringLiteral("_hoje.ini")}
                                          << QList<QByteArray>{same, same} << QStringLiteral("new");
}

void TestCliBackup::newestBackupDecides()
{
    QFETCH(QStringList, names);
    QFETCH(QList<QByteArray>, images);
    QFETCH(QString, expected);

    const QString folder = path(QStringLiteral("newest-") + QString::fromLatin1(QTest::currentDataTag()));
    QVERIFY(QDir().mkpath(folder));
    for (qsizetype i = 0; i < names.size(); ++i) {
        const QByteArray bytes = images.at(i) == "garbage" ? images.at(i) : backupBytes(images.at(i));
        QVERIFY(!writeFile(QDir(folder).filePath(names.at(i)), bytes).isEmpty());
    }
    const CliResult run = runCli(backupArgs({m_single->address()}, folder) + QStringList{kPasswordOption});
    QCOMPARE(run.exitCode, 0);
    const QList<QJsonObject> lines = jsonLines(run.out);
    QCOMPARE(lines.size(), 1);
    const QString file = lines.first().value(QStringLiteral("file")).toString();
    if (expected == QStringLiteral("new")) {
        QCOMPARE(lines.first().value(QStringLiteral("result")).toString(), QStringLiteral("new"));
        QVERIFY(!names.contains(QFileInfo(file).fileName()));
        QCOMPARE(configurationOf(parsedConfig(readFile(file)).image), configurationOf(m_single->storedImage()));
        QCOMPARE(filesIn(folder).size(), names.size() + 1);
    } else {
        QCOMPARE(lines.first(), resultObject(m_single->address(), QStringLiteral("unchanged"), {}, 0,
                                             macOf(startImage()), QDir(folder).filePath(expected)));
        QCOMPARE(filesIn(folder).size(), names.size());
    }
}

void TestCliBackup::failuresAreReportedPerTerminal()
{
    FleetProcess good(2);
    FleetProcess mute(1, {QStringLiteral("--mute")});
    FleetProcess notReady(1, {QStringLiteral("--not-ready")});
    for (FleetProcess* fleet : {&good, &mute, &notReady})
        QVERIFY2(fleet->isRunning(), qPrintable(fleet->errorOutput()));
    QTcpServer closed;
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const QString nobody = QStringLiteral("127.0.0.1:%1").arg(closed.serverPort());
    closed.close();

    // The second good terminal is asked with a wrong password; the command line's password serves
    // the rows without one and the address given on its own.
    const QByteArray fleet = "address;password\r\n" + good.addresses().at(0).toLatin1() + ";\r\n" +
                             good.addresses().at(1).toLatin1() + ";999999\r\n" + mute.addresses().at(0).toLatin1() +
                             ";123456\r\n" + notReady.addresses().at(0).toLatin1() + ";123456\r\n";
    const QString folder = path(QStringLiteral("failures"));
    const QString report = path(QStringLiteral("failures.csv"));
    const CliResult run =
        runCli(backupArgs({writeFile(path(QStringLiteral("failures-fleet.csv")), fleet), nobody}, folder) +
                   QStringList{QStringLiteral("--timeout=700"), QStringLiteral("--report"), report},
               {QStringLiteral("HXCONFIG_PASSWORD=123456")});
    QCOMPARE(run.exitCode, 8);
    const QList<QJsonObject> lines = jsonLines(run.out);
    QCOMPARE(lines.size(), 5);
    const QString saved = lines.at(0).value(QStringLiteral("file")).toString();
    QCOMPARE(lines.at(0), resultObject(good.addresses().at(0), QStringLiteral("new"), {}, 0, fleetMac(1), saved));
    QCOMPARE(lines.at(1),
             resultObject(good.addresses().at(1), QStringLiteral("failed"), refusal::readRefused(), 4, {}, {}));
    QCOMPARE(lines.at(2), resultObject(mute.addresses().at(0), QStringLiteral("failed"),
                                       TerminalClient::failureText(TerminalClient::Failure::NoAnswer,
                                                                   TerminalClient::Request::Status, 700),
                                       3, {}, {}));
    QCOMPARE(lines.at(3),
             resultObject(notReady.addresses().at(0), QStringLiteral("failed"), refusal::notReady(), 4, {}, {}));
    QCOMPARE(lines.at(4),
             resultObject(nobody, QStringLiteral("failed"),
                          QStringLiteral("conexão recusada: o terminal está ligado, no endereço e porta certos?"), 3,
                          {}, {}));
    QCOMPARE(filesIn(folder), QStringList{QFileInfo(saved).fileName()});
    QVERIFY(
        run.err.contains(QStringLiteral("hxconfig-cli: backup: 5 terminais: 1 novo, 0 inalterados, 4 falharam, em ")));

    // The report holds the table's cells.
    QString expectedReport = QStringLiteral("address;result;mac;file;error\r\n");
    for (const QJsonObject& line : lines) {
        expectedReport +=
            QStringList{line.value(QStringLiteral("address")).toString(),
                        line.value(QStringLiteral("result")).toString(), line.value(QStringLiteral("mac")).toString(),
                        line.value(QStringLiteral("file")).toString(), line.value(QStringLiteral("error")).toString()}
                .join(u';') +
            QStringLiteral("\r\n");
    }
    // A cell with the separator's comma or semicolon is quoted, as spreadsheets expect.
    expectedReport.replace(QRegularExpression(QStringLiteral("(?<=;)([^;\r\n]*, [^;\r\n]*)(?=\r\n)")),
                           QStringLiteral("\"\\1\""));
    QCOMPARE(readFile(report), "\xEF\xBB\xBF" + expectedReport.toUtf8());
}

void TestCliBackup::diskFailuresFailTheTerminal_data()
{
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("error"); // a pattern; FOLDER stands for the backups folder

    QTest::newRow("a full disk") << true
                                 << QRegularExpression::escape(
                                        QStringLiteral("não foi possível gravar a cópia de segurança em FOLDER: disco "
                                                       "cheio")) +
                                        QStringLiteral(".*");
    QTest::newRow("a folder under a file") << false
                                           << QRegularExpression::escape(QStringLiteral(
                                                  "não foi possível criar a pasta de cópias de segurança FOLDER: ")) +
                                                  QStringLiteral("[^:]+");
}

void TestCliBackup::diskFailuresFailTheTerminal()
{
    QFETCH(bool, fullDisk);
    QFETCH(QString, error);

    QTemporaryDir dir;
    FullDisk disk(dir.filePath(QStringLiteral("disk")));
    if (fullDisk && !disk.usable())
        QSKIP(qPrintable(disk.skipReason()));
    const QString folder =
        fullDisk ? disk.folder() : writefailure::pathUnderFile(dir.path(), QStringLiteral("Backups"));
    if (fullDisk)
        disk.engage();
    CliProcess cli(backupArgs({m_single->address()}, folder) + QStringList{kPasswordOption});
    if (fullDisk)
        disk.release();
    QVERIFY(cli.wait());

    QCOMPARE(cli.exitCode(), 8);
    const QList<QJsonObject> lines = jsonLines(cli.out);
    QCOMPARE(lines.size(), 1);
    const QString text = lines.first().value(QStringLiteral("error")).toString();
    const QString pattern = QString(error).replace(QStringLiteral("FOLDER"), QRegularExpression::escape(folder));
    QVERIFY2(QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$')).match(text).hasMatch(),
             qPrintable(text));
    QCOMPARE(lines.first(),
             resultObject(m_single->address(), QStringLiteral("failed"), text, 6, macOf(startImage()), {}));
    QVERIFY2(cli.errText().contains(QStringLiteral("failed: ") + text), qPrintable(cli.errText()));
    // Nothing cut, nothing left behind.
    QCOMPARE(filesIn(folder), QStringList{});
}

void TestCliBackup::unchangedNeedsNoSpace()
{
    QTemporaryDir dir;
    FullDisk disk(dir.filePath(QStringLiteral("disk")));
    if (!disk.usable())
        QSKIP(qPrintable(disk.skipReason()));
    const QString newest = QDir(disk.folder()).filePath(macOf(startImage()) + QStringLiteral("_20260101-080000.ini"));
    QVERIFY(!writeFile(newest, backupBytes(startImage())).isEmpty());

    disk.engage();
    CliProcess cli(backupArgs({m_single->address()}, disk.folder()) + QStringList{kPasswordOption});
    disk.release();
    QVERIFY(cli.wait());

    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(jsonLines(cli.out), QList<QJsonObject>{resultObject(m_single->address(), QStringLiteral("unchanged"), {},
                                                                 0, macOf(startImage()), newest)});
}

void TestCliBackup::rangesAreReadAsScanFindsThem()
{
    // Three terminals over 127.78.21.0/28, the first also named on its own: it is read once.
    FleetProcess fleet(3, {QStringLiteral("--listen"), QStringLiteral("127.78.21.2"), QStringLiteral("--address-step"),
                           QStringLiteral("5")});
    QVERIFY2(fleet.isRunning(), qPrintable(fleet.errorOutput()));
    const QString port = fleet.addresses().at(0).section(u':', 1);
    const QString folder = path(QStringLiteral("range"));
    const CliResult run = runCli(backupArgs({fleet.addresses().at(2), QStringLiteral("127.78.21.0/28")}, folder) +
                                 QStringList{QStringLiteral("--port"), port, kPasswordOption});
    QCOMPARE(run.exitCode, 0);
    const QList<QJsonObject> lines = jsonLines(run.out);
    QStringList addresses;
    QStringList macs;
    for (const QJsonObject& line : lines) {
        addresses.append(line.value(QStringLiteral("address")).toString());
        macs.append(line.value(QStringLiteral("mac")).toString());
        QCOMPARE(line.value(QStringLiteral("result")).toString(), QStringLiteral("new"));
    }
    // The address given first, then what the range found in address order, without it.
    QCOMPARE(addresses, QStringList({QStringLiteral("127.78.21.12:") + port, QStringLiteral("127.78.21.2:") + port,
                                     QStringLiteral("127.78.21.7:") + port}));
    QCOMPARE(macs, QStringList({fleetMac(3), fleetMac(1), fleetMac(2)}));
    QCOMPARE(filesIn(folder).size(), 3);
}

void TestCliBackup::refusedBeforeAnyConnection_data()
{
    QTest::addColumn<QStringList>("arguments"); // HERE stands for the listener's address
    QTest::addColumn<QByteArray>("fleet");      // written to FLEET when not empty
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("err");

    QTest::newRow("a row without a password and none given")
        << QStringList{QStringLiteral("FLEET")} << QByteArray("address;password\r\nHERE;\r\n") << 7
        << QStringLiteral("hxconfig-cli: backup: FLEET: linha 2 (HERE): falta a senha (coluna password, --password, "
                          "--password-file ou HXCONFIG_PASSWORD)\n"
                          "hxconfig-cli: backup: frota recusada: 1 problema; nenhum terminal foi contatado\n");
    QTest::newRow("a row with a bad address")
        << QStringList{QStringLiteral("FLEET"), kPasswordOption} << QByteArray("address\r\nHERE\r\nterminal:0\r\n") << 7
        << QStringLiteral("hxconfig-cli: backup: FLEET: linha 3 (terminal:0): endereço inválido (IPv4 ou host:porta)\n"
                          "hxconfig-cli: backup: frota recusada: 1 problema; nenhum terminal foi contatado\n");
    QTest::newRow("an address without a password")
        << QStringList{QStringLiteral("HERE")} << QByteArray() << 2
        << QStringLiteral("hxconfig-cli: backup: falta a senha (--password, --password-file ou HXCONFIG_PASSWORD)\n");
    QTest::newRow("a fleet file that is not there")
        << QStringList{QStringLiteral("/nao/existe/frota.csv"), kPasswordOption} << QByteArray() << 2
        << QStringLiteral("hxconfig-cli: backup: alvo inválido: /nao/existe/frota.csv (não é arquivo de frota, faixa "
                          "a.b.c.d/nn ou a.b.c.d-e.f.g.h, nem endereço)\n");
    QTest::newRow("too wide a range")
        << QStringList{QStringLiteral("HERE"), QStringLiteral("10.0.0.0/8"), kPasswordOption} << QByteArray() << 2
        << QStringLiteral("hxconfig-cli: backup: faixa grande demais: 10.0.0.0/8 (no máximo /16, 65536 endereços)\n");
    QTest::newRow("no target") << QStringList{kPasswordOption} << QByteArray() << 2
                               << QStringLiteral("hxconfig-cli: backup espera ALVO... (hxconfig-cli backup --help)\n");
    QTest::newRow("an option of batch") << QStringList{QStringLiteral("HERE"), kPasswordOption,
                                                       QStringLiteral("--dry-run")}
                                        << QByteArray() << 2
                                        << QStringLiteral("hxconfig-cli: backup: Opção desconhecida 'dry-run'.\n");
}

void TestCliBackup::refusedBeforeAnyConnection()
{
    QFETCH(QStringList, arguments);
    QFETCH(QByteArray, fleet);
    QFETCH(int, exitCode);
    QFETCH(QString, err);

    const QString here = QStringLiteral("127.0.0.1:%1").arg(m_listener.serverPort());
    const QString fleetPath = path(QStringLiteral("refused-%1.csv").arg(++m_refusals));
    if (!fleet.isEmpty())
        QVERIFY(!writeFile(fleetPath, fleet.replace("HERE", here.toLatin1())).isEmpty());
    for (QString& argument : arguments)
        argument.replace(QStringLiteral("HERE"), here).replace(QStringLiteral("FLEET"), fleetPath);
    const QString folder = path(QStringLiteral("refused"));
    const CliResult run =
        runCli(QStringList{QStringLiteral("backup")} + arguments + QStringList{QStringLiteral("--backup-dir"), folder});
    QCOMPARE(run.err, QString(err).replace(QStringLiteral("HERE"), here).replace(QStringLiteral("FLEET"), fleetPath));
    QCOMPARE(run.exitCode, exitCode);
    QCOMPARE(run.out, QByteArray());
    QTest::qWait(50);
    QCOMPARE(m_connections, 0);
    QVERIFY(!QFileInfo::exists(folder));
}

HX_TEST_GUILESS_MAIN(TestCliBackup)
#include "test_cli_backup.moc"
