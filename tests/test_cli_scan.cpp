// hxconfig-cli scan: the ranges it takes, and a scan of a loopback range with a few simulated
// terminals in it (ready, not ready, mute) that finds exactly the ones that answer.
#include "clifixtures.h"
#include "cliprocess.h"
#include "simprocess.h"

#include "files/fleetfile.h"
#include "link/addressrange.h"
#include "link/endpoint.h"

#include <QTemporaryDir>
#include <QTest>

using namespace clifixtures;

namespace
{

quint32 ip(const char* text)
{
    return QHostAddress(QString::fromLatin1(text)).toIPv4Address();
}

} // namespace

class TestCliScan : public QObject
{
    Q_OBJECT

private slots:
    void ranges_data();
    void ranges();
    void badRanges_data();
    void badRanges();
    void addressesAsTheCommandLineTakesThem();

    void scanFindsExactlyTheTerminalsThatAnswer();
    void badCommandLines();

private:
    QTemporaryDir m_dir;
};

void TestCliScan::ranges_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<quint32>("first");
    QTest::addColumn<quint32>("last");
    QTest::newRow("/24 without network and broadcast")
        << QStringLiteral("10.1.2.0/24") << ip("10.1.2.1") << ip("10.1.2.254");
    QTest::newRow("host bits set") << QStringLiteral("10.1.2.77/24") << ip("10.1.2.1") << ip("10.1.2.254");
    QTest::newRow("/16, the widest") << QStringLiteral("127.5.0.0/16") << ip("127.5.0.1") << ip("127.5.255.254");
    QTest::newRow("/30") << QStringLiteral("10.0.0.4/30") << ip("10.0.0.5") << ip("10.0.0.6");
    QTest::newRow("/31, both") << QStringLiteral("10.0.0.4/31") << ip("10.0.0.4") << ip("10.0.0.5");
    QTest::newRow("/32, one") << QStringLiteral("10.0.0.4/32") << ip("10.0.0.4") << ip("10.0.0.4");
    QTest::newRow("from-to") << QStringLiteral("10.0.0.250-10.0.1.3") << ip("10.0.0.250") << ip("10.0.1.3");
    QTest::newRow("65536 addresses") << QStringLiteral("10.0.0.0-10.0.255.255") << ip("10.0.0.0") << ip("10.0.255.255");
    QTest::newRow("one") << QStringLiteral("10.0.0.9-10.0.0.9") << ip("10.0.0.9") << ip("10.0.0.9");
}

void TestCliScan::ranges()
{
    QFETCH(QString, text);
    QFETCH(quint32, first);
    QFETCH(quint32, last);
    const auto parsed = addressrange::parse(text);
    QVERIFY(parsed.ok());
    QCOMPARE(parsed.value().first, first);
    QCOMPARE(parsed.value().last, last);
}

void TestCliScan::badRanges_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error");
    const QString usage = QStringLiteral("(a.b.c.d/nn, de /16 a /32, ou a.b.c.d-e.f.g.h)");
    QTest::newRow("/15") << QStringLiteral("10.0.0.0/15")
                         << QStringLiteral("faixa grande demais: 10.0.0.0/15 (no máximo /16, 65536 endereços)");
    QTest::newRow("65537 addresses") << QStringLiteral("10.0.0.0-10.1.0.0")
                                     << QStringLiteral("faixa grande demais: 10.0.0.0-10.1.0.0 (no máximo 65536 "
                                                       "endereços)");
    QTest::newRow("reversed") << QStringLiteral("10.0.0.9-10.0.0.1")
                              << QStringLiteral("faixa invertida: 10.0.0.9-10.0.0.1 (o primeiro endereço vem antes do "
                                                "último)");
    QTest::newRow("/33") << QStringLiteral("10.0.0.0/33") << QStringLiteral("faixa inválida: 10.0.0.0/33 ") + usage;
    QTest::newRow("three parts") << QStringLiteral("10.0.0/24") << QStringLiteral("faixa inválida: 10.0.0/24 ") + usage;
    QTest::newRow("open end") << QStringLiteral("10.0.0.1-") << QStringLiteral("faixa inválida: 10.0.0.1- ") + usage;
    QTest::newRow("a name") << QStringLiteral("terminals") << QStringLiteral("faixa inválida: terminals ") + usage;
}

void TestCliScan::badRanges()
{
    QFETCH(QString, text);
    QFETCH(QString, error);
    const auto parsed = addressrange::parse(text);
    QVERIFY(!parsed.ok());
    QCOMPARE(parsed.failure().text, error);
}

void TestCliScan::addressesAsTheCommandLineTakesThem()
{
    QCOMPARE(shortAddress({QStringLiteral("10.0.0.1"), 23}), QStringLiteral("10.0.0.1"));
    QCOMPARE(shortAddress({QStringLiteral("10.0.0.1"), 2323}), QStringLiteral("10.0.0.1:2323"));
    QCOMPARE(addressrange::addressText(ip("127.77.1.2")), QStringLiteral("127.77.1.2"));
}

void TestCliScan::scanFindsExactlyTheTerminalsThatAnswer()
{
    // Three ready terminals spread over 127.77.1.0/27, a fourth that is not ready, and a mute one
    // (it takes the connection and never answers), all on one port.
    FleetProcess ready(3, {QStringLiteral("--listen"), QStringLiteral("127.77.1.2"), QStringLiteral("--address-step"),
                           QStringLiteral("5")});
    QVERIFY2(ready.isRunning(), qPrintable(ready.errorOutput()));
    const QString port = ready.addresses().at(0).section(u':', 1);
    FleetProcess notReady(1, {QStringLiteral("--listen"), QStringLiteral("127.77.1.20"), QStringLiteral("--port"), port,
                              QStringLiteral("--not-ready")});
    FleetProcess mute(1, {QStringLiteral("--listen"), QStringLiteral("127.77.1.25"), QStringLiteral("--port"), port,
                          QStringLiteral("--mute")});
    QVERIFY2(notReady.isRunning() && mute.isRunning(), qPrintable(notReady.errorOutput() + mute.errorOutput()));
    QCOMPARE(mute.addresses(), QStringList(QStringLiteral("127.77.1.25:") + port));

    const QString csv = m_dir.filePath(QStringLiteral("found.csv"));
    const CliResult scan = runCli({QStringLiteral("scan"), QStringLiteral("127.77.1.0/27"), QStringLiteral("--port"),
                                   port, QStringLiteral("--timeout=500"), QStringLiteral("--csv"), csv});
    QCOMPARE(scan.err, QString());
    QCOMPARE(scan.exitCode, 0);
    // In address order (127.77.1.12 after 127.77.1.7), ready or not.
    QCOMPARE(scan.outText(), QStringLiteral("127.77.1.2:%1 pronto\n127.77.1.7:%1 pronto\n127.77.1.12:%1 pronto\n"
                                            "127.77.1.20:%1 não pronto\n")
                                 .arg(port));

    // The fleet file, ready to be filled in for batch.
    const QByteArray fleet = readFile(csv);
    QCOMPARE(fleet, "\xEF\xBB\xBF" + QStringLiteral("address;password\r\n127.77.1.2:%1;\r\n127.77.1.7:%1;\r\n"
                                                    "127.77.1.12:%1;\r\n127.77.1.20:%1;\r\n")
                                         .arg(port)
                                         .toUtf8());
    const auto parsed = parseFleetFile(fleet);
    QVERIFY(parsed.ok());
    QCOMPARE(parsed.value().rows.size(), 4);

    const CliResult json =
        runCli({QStringLiteral("scan"), QStringLiteral("127.77.1.10-127.77.1.24"), QStringLiteral("--port"), port,
                QStringLiteral("--timeout=500"), QStringLiteral("--json")});
    QCOMPARE(json.exitCode, 0);
    const QList<QByteArray> lines = json.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(1),
             QStringLiteral("{\"address\":\"127.77.1.20:%1\",\"result\":\"not ready\",\"error\":\"\",\"exit\":4}")
                 .arg(port)
                 .toUtf8());

    // Nobody there: nothing found, not a failure.
    const CliResult none = runCli({QStringLiteral("scan"), QStringLiteral("127.77.1.128/28"), QStringLiteral("--port"),
                                   port, QStringLiteral("--timeout=500")});
    QCOMPARE(none.exitCode, 0);
    QCOMPARE(none.outText(), QString());
}

void TestCliScan::badCommandLines()
{
    const CliResult wide = runCli({QStringLiteral("scan"), QStringLiteral("127.0.0.0/8")});
    QCOMPARE(wide.exitCode, 2);
    QCOMPARE(wide.err, QStringLiteral("hxconfig-cli: faixa grande demais: 127.0.0.0/8 (no máximo /16, 65536 "
                                      "endereços)\n"));
    QCOMPARE(runCli({QStringLiteral("scan"), QStringLiteral("127.0.0.1/32"), QStringLiteral("--port=0")}).exitCode, 2);
    QCOMPARE(runCli({QStringLiteral("scan")}).exitCode, 2);
    QCOMPARE(runCli({QStringLiteral("scan"), QStringLiteral("127.0.0.1/32"), QStringLiteral("--password=1")}).exitCode,
             2);
    const CliResult unwritable = runCli({QStringLiteral("scan"), QStringLiteral("127.77.2.1/32"),
                                         QStringLiteral("--csv"), m_dir.filePath(QStringLiteral("missing/found.csv"))});
    QCOMPARE(unwritable.exitCode, 6);
}

QTEST_GUILESS_MAIN(TestCliScan)
#include "test_cli_scan.moc"
