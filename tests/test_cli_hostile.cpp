// hxconfig-cli against terminals that send what no terminal should: floods instead of a reply, and
// texts with control characters and line breaks. Nothing of a flood is ever taken for a
// configuration, and nothing a terminal sent reaches the user's console as a command.
#include "clifixtures.h"
#include "cliprocess.h"
#include "simprocess.h"
#include "testprogram.h"

#include "files/configfile.h"
#include "image/layout.h"
#include "image/readable.h"
#include "image/visibletext.h"
#include "terminalmodel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace clifixtures;

namespace
{

const QString kLogin = QStringLiteral("tec\\x1B]0;x\\x07\\x0D\\x0Aroot");
const QString kHostileMac = QStringLiteral("0050\\x1B[2J\\x07\\x0D\\x0A");

// Control bytes other than the line ends the program itself writes.
bool holdsControlBytes(const QByteArray& text)
{
    return std::any_of(text.begin(), text.end(), [](char c) {
        const auto b = static_cast<unsigned char>(c);
        return (b < 0x20 && b != '\n') || b == 0x7F;
    });
}

} // namespace

class TestCliHostile : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void floodIsNoConfiguration_data();
    void floodIsNoConfiguration();
    void zeroFloodEndsWithinTheTimeout();

    void terminalTextIsShownVisibly_data();
    void terminalTextIsShownVisibly();
    void jsonEscapesTerminalText();
    void logRecordKeepsSixteenLines();

    void normalisedValuesAreNoChange_data();
    void normalisedValuesAreNoChange();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }

    QTemporaryDir m_dir;
    QString m_profile;
    QString m_hostileFile; // a configuration file read from the hostile terminal
    QString m_cleanFile;   // the simulator's starting configuration
};

void TestCliHostile::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_profile = writeFile(path(QStringLiteral("profile.ini")), "[Conexao]\r\nCNPJ=99999999000199\r\n");
    QByteArray hostile = startImage();
    TerminalModel::putHostileTexts(hostile);
    m_hostileFile = writeFile(path(QStringLiteral("hostile.ini")), configFileBytes(hostile, {}));
    m_cleanFile = writeFile(path(QStringLiteral("clean.ini")), configFileBytes(startImage(), {}));
    QVERIFY(!m_hostileFile.isEmpty() && !m_cleanFile.isEmpty());
}

void TestCliHostile::floodIsNoConfiguration_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("command");
    for (const char* mode : {"--flood-read", "--zero-flood"}) {
        for (const char* command : {"read", "apply"})
            QTest::addRow("%s %s", command, mode) << QString::fromLatin1(mode) << QString::fromLatin1(command);
    }
}

void TestCliHostile::floodIsNoConfiguration()
{
    QFETCH(QString, mode);
    QFETCH(QString, command);
    SimProcess sim({mode});
    QVERIFY(sim.isRunning());
    const QString tag = QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_');
    const QString output = path(QStringLiteral("flood%1.ini").arg(tag));
    const QString backups = path(QStringLiteral("flood-backups%1").arg(tag));
    const QStringList args =
        command == QStringLiteral("read")
            ? QStringList{command, sim.address(), kPasswordOption, QStringLiteral("-o"), output}
            : QStringList{command, sim.address(), m_profile, kPasswordOption, QStringLiteral("--backup-dir"), backups};
    const CliResult result = runCli(args);
    QCOMPARE(result.exitCode, 3);
    QCOMPARE(result.err, QStringLiteral("hxconfig-cli: %1: resposta inválida do terminal\n").arg(sim.address()));
    QVERIFY(result.out.isEmpty());
    // Nothing saved, nothing written.
    QVERIFY(!QFileInfo::exists(output));
    QVERIFY(!QFileInfo::exists(backups));
    QCOMPARE(sim.storedImage(), startImage());
}

void TestCliHostile::zeroFloodEndsWithinTheTimeout()
{
    // Bytes that keep coming never push the deadline back: the command ends well within its
    // timeout plus the start of a process.
    SimProcess sim({QStringLiteral("--zero-flood")});
    QVERIFY(sim.isRunning());
    QElapsedTimer clock;
    clock.start();
    const CliResult result =
        runCli({QStringLiteral("read"), sim.address(), kPasswordOption, QStringLiteral("--timeout=200")});
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(result.exitCode, 3);
    QCOMPARE(result.err, QStringLiteral("hxconfig-cli: %1: resposta inválida do terminal\n").arg(sim.address()));
    // Far below the seconds a stretched deadline took; generous for a loaded machine.
    QVERIFY2(elapsed < 200 + 1800, qPrintable(QString::number(elapsed)));
}

void TestCliHostile::terminalTextIsShownVisibly_data()
{
    QTest::addColumn<QStringList>("args"); // ADDRESS: the hostile terminal
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("expected"); // a whole line of standard output or error
    QTest::addColumn<bool>("onStandardError");

    const QString address = QStringLiteral("ADDRESS");
    QTest::newRow("show") << QStringList{QStringLiteral("show"), m_hostileFile} << 0
                          << QStringLiteral("  MAC: %1\n").arg(kHostileMac) << false;
    QTest::newRow("show, a text field") << QStringList{QStringLiteral("show"), m_hostileFile} << 0
                                        << QStringLiteral("  Login: %1 [Conexao.Login]\n").arg(kLogin) << false;
    QTest::newRow("diff") << QStringList{QStringLiteral("diff"), m_cleanFile, m_hostileFile} << 1
                          << QStringLiteral("Conexão / Login [Conexao.Login]: %1 -> %2\n")
                                 .arg(image::readableValue(*image::fieldOf("VLogin"), startImage()), kLogin)
                          << false;
    QTest::newRow("apply, dry run") << QStringList{QStringLiteral("apply"),
                                                   address,
                                                   m_profile,
                                                   kPasswordOption,
                                                   QStringLiteral("--dry-run"),
                                                   QStringLiteral("--set"),
                                                   QStringLiteral("Conexao.Login=tecnico")}
                                    << 0
                                    << QStringLiteral("  Conexão / Login [Conexao.Login]: %1 -> tecnico\n").arg(kLogin)
                                    << false;
    QTest::newRow("read") << QStringList{QStringLiteral("read"), address, kPasswordOption, QStringLiteral("-o"),
                                         path(QStringLiteral("read-hostile.ini"))}
                          << 0
                          << QStringLiteral("ADDRESS: configuração de %1 salva em %2\n")
                                 .arg(kHostileMac, path(QStringLiteral("read-hostile.ini")))
                          << false;
    QTest::newRow("restore of another terminal's file")
        << QStringList{QStringLiteral("restore"), address, m_cleanFile, kPasswordOption} << 7
        << QStringLiteral("hxconfig-cli: ADDRESS: o arquivo é de outro terminal (MAC %1; este terminal tem MAC %2)")
               .arg(image::readableValue(*image::fieldOf("edMac"), startImage()), kHostileMac)
        << true;
}

void TestCliHostile::terminalTextIsShownVisibly()
{
    QFETCH(QStringList, args);
    QFETCH(int, exitCode);
    QFETCH(QString, expected);
    QFETCH(bool, onStandardError);

    SimProcess sim({QStringLiteral("--hostile-texts")});
    QVERIFY(sim.isRunning());
    args.replaceInStrings(QStringLiteral("ADDRESS"), sim.address());
    expected.replace(QStringLiteral("ADDRESS"), sim.address());
    const CliResult result = runCli(args);
    QCOMPARE(result.exitCode, exitCode);
    const QString shown = onStandardError ? result.err : result.outText();
    QVERIFY2(shown.contains(expected), qPrintable(shown));
    QVERIFY2(!holdsControlBytes(result.out), result.out.constData());
    QVERIFY2(!holdsControlBytes(result.err.toUtf8()), qPrintable(result.err));
}

void TestCliHostile::jsonEscapesTerminalText()
{
    SimProcess sim({QStringLiteral("--hostile-texts")});
    QVERIFY(sim.isRunning());
    const CliResult result =
        runCli({QStringLiteral("apply"), sim.address(), m_profile, kPasswordOption, QStringLiteral("--dry-run"),
                QStringLiteral("--json"), QStringLiteral("--set"), QStringLiteral("Conexao.Login=tecnico")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(!holdsControlBytes(result.out));
    QVERIFY2(result.out.contains(R"("from":"tec\u001b]0;x\u0007\r\nroot")"), result.out.constData());
    // Read back, the value is what the terminal sent.
    const QJsonArray changes = QJsonDocument::fromJson(result.out).object().value(QStringLiteral("changes")).toArray();
    bool found = false;
    for (const QJsonValue& change : changes) {
        if (change.toObject().value(QStringLiteral("key")).toString() != QStringLiteral("Login"))
            continue;
        found = true;
        QCOMPARE(change.toObject().value(QStringLiteral("from")).toString(), QStringLiteral("tec\x1b]0;x\a\r\nroot"));
    }
    QVERIFY(found);
}

void TestCliHostile::logRecordKeepsSixteenLines()
{
    SimProcess sim({QStringLiteral("--hostile-texts")});
    QVERIFY(sim.isRunning());
    const QString log = path(QStringLiteral("hostile-log.txt"));
    const CliResult result =
        runCli({QStringLiteral("apply"), sim.address(), m_profile, kPasswordOption, QStringLiteral("--no-reboot"),
                QStringLiteral("--log"), log, QStringLiteral("--backup-dir"), path(QStringLiteral("log-backups"))});
    QCOMPARE(result.exitCode, 0);
    const QByteArray record = readFile(log);
    QCOMPARE(record.count("\r\n"), 16);
    QCOMPARE(record.count('\n'), 16);
    QCOMPARE(record.count('\r'), 16);
    const QList<QByteArray> lines = record.split('\n');
    QCOMPARE(lines.at(1), QByteArray("Configuracao MAC: 0050\x1b[2J\a  \r"));
    QVERIFY2(lines.at(4).startsWith("Login:tec\x1b]0;x\a  root Password:s\x1b[8m\a x CNPJ:99999999000199"),
             lines.at(4).constData());
}

void TestCliHostile::normalisedValuesAreNoChange_data()
{
    QTest::addColumn<QStringList>("extra");
    QTest::addColumn<QString>("cnpj"); // the profile's; the terminal has 12345678000190
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QStringList>("frames");

    const QString cnpj = QStringLiteral("  Conexão / CNPJ [Conexao.CNPJ]: 12345678000190 -> 99999999000199\n");
    QTest::newRow("dry run") << QStringList{QStringLiteral("--dry-run")} << QStringLiteral("99999999000199")
                             << QStringLiteral("ADDRESS: simulação, nada foi enviado; 1 campo mudaria\n") + cnpj
                             << QStringList{QStringLiteral("status"), QStringLiteral("read")};
    QTest::newRow("json")
        << QStringList{QStringLiteral("--dry-run"), QStringLiteral("--json")} << QStringLiteral("99999999000199")
        << QStringLiteral(R"({"address":"ADDRESS","result":"dry-run","error":"","exit":0,"changes":[{"caption":"CNPJ",)"
                          R"("from":"12345678000190","key":"CNPJ","page":"Conexão","section":"Conexao",)"
                          R"("to":"99999999000199"}],"backup":"","verified":false})"
                          "\n")
        << QStringList{QStringLiteral("status"), QStringLiteral("read")};
    QTest::newRow("written") << QStringList{QStringLiteral("--no-reboot"), QStringLiteral("--no-verify")}
                             << QStringLiteral("99999999000199")
                             << QStringLiteral("ADDRESS: alterado, 1 campo\n") + cnpj +
                                    QStringLiteral("  não verificado\n")
                             << QStringList{QStringLiteral("status"), QStringLiteral("read"), QStringLiteral("unlock"),
                                            QStringLiteral("write")};
    QTest::newRow("nothing a person reads changes")
        << QStringList{} << QStringLiteral("12345678000190") << QStringLiteral("ADDRESS: inalterado\n")
        << QStringList{QStringLiteral("status"), QStringLiteral("read")};
}

void TestCliHostile::normalisedValuesAreNoChange()
{
    QFETCH(QStringList, extra);
    QFETCH(QString, cnpj);
    QFETCH(QString, expected);
    QFETCH(QStringList, frames);

    // A terminal whose COM 1 flag holds 0x80 and whose protocol byte 7: they read "Sim" and
    // "TelNet", and go back as 1 and 2.
    QByteArray image = startImage();
    image[image::fieldOf("cbCom1")->first] = '\x80';
    image[image::fieldOf("HabTelNet")->first] = '\x07';
    SimProcess sim(imageArgs(
        path(QStringLiteral("normalised-%1.bin").arg(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'_'))),
        image));
    QVERIFY(sim.isRunning());
    // The values the terminal has, as an exported profile names them.
    const QString profileFile =
        writeFile(path(QStringLiteral("normalising-%1.ini").arg(cnpj)),
                  QStringLiteral("[Conexao]\r\nCNPJ=%1\r\n[Protocolo]\r\nProtEmulado=TelNet\r\n[Seriais]\r\n"
                                 "Habilitado1=Sim\r\n")
                      .arg(cnpj)
                      .toUtf8());
    const CliResult result =
        runCli(QStringList{QStringLiteral("apply"), sim.address(), profileFile, kPasswordOption,
                           QStringLiteral("--backup-dir"), path(QStringLiteral("normalised-backups"))} +
               extra);
    QCOMPARE(result.exitCode, 0);
    QString out = result.outText();
    // The backup's name holds the time: compared as far as the line that names it.
    out.remove(QRegularExpression(QStringLiteral("  cópia de segurança: [^\n]*\n")));
    // The checks' findings (a CNPJ's check digits here) have their own suite; this one is about changes.
    out.replace(QRegularExpression(QStringLiteral(",\"problems\":\\[[^\n]*\\]\\}\n")), QStringLiteral("}\n"));
    QCOMPARE(out, QString(expected).replace(QStringLiteral("ADDRESS"), sim.address()));
    const QByteArray stored = sim.storedImage();
    const bool written = frames.contains(QStringLiteral("write"));
    // The bytes that go out are normalised all the same.
    QCOMPARE(stored.at(image::fieldOf("cbCom1")->first), written ? '\x01' : '\x80');
    QCOMPARE(stored.at(image::fieldOf("HabTelNet")->first), written ? '\x02' : '\x07');
}

HX_TEST_GUILESS_MAIN(TestCliHostile)
#include "test_cli_hostile.moc"
