// hxconfig-cli and the files it writes and reads: on a really full file system no backup means no
// write and no good file is replaced by a cut-off one; a backup folder others could change is
// refused; a named pipe or a device as an input is refused at once; the new password has the
// password's sources; the log is its owner's only.
#include "clifixtures.h"
#include "cliscenario.h"
#include "fulldisk.h"
#include "testprogram.h"
#include "umask.h"

#include "files/configfile.h"

#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>
#include <unistd.h>

using namespace clifixtures;

namespace
{

QStringList entriesOf(const QString& folder)
{
    QStringList names = QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    names.removeOne(QStringLiteral("filler"));
    return names;
}

// Sets the umask for the scope (child processes started meanwhile inherit it).
// What a run that must refuse at once ends in: within this time, never waiting on the input.
constexpr int kPromptMs = 10000;

} // namespace

class TestCliFiles : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void fullBackupFolderStopsTheWrite_data();
    void fullBackupFolderStopsTheWrite();
    void fullBackupFolderFailsTheTerminalInABatch();
    void fullDiskKeepsTheFileReadWrote();
    void fullDiskReportAndScanListKeepTheirFiles_data();
    void fullDiskReportAndScanListKeepTheirFiles();
    void fullDiskLogKeepsItsRecords();
    void unsafeBackupFolderStopsTheWrite();
    void inputThatIsNoFileIsRefusedAtOnce_data();
    void inputThatIsNoFileIsRefusedAtOnce();
    void newPasswordSources_data();
    void newPasswordSources();
    void helpSaysWhichOptionsShowInTheProcessList();
    void logIsCreatedForItsOwnerOnly();
    void readableLogIsKeptWithAWarning();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QTemporaryDir m_dir;
    QString m_profile;
    QString m_config;
};

void TestCliFiles::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_profile = writeFile(path(QStringLiteral("profile.ini")), "[Conexao]\r\nIPLocal=192.168.0.5\r\n");
    m_config = writeFile(
        path(QStringLiteral("config.ini")),
        configFileBytes(withText(startImage(), "VIpLocal", "192.168.0.99"), {QStringLiteral("0050C2A1B2C3"), {}, {}}));
    QVERIFY(!m_profile.isEmpty() && !m_config.isEmpty());
}

void TestCliFiles::fullBackupFolderStopsTheWrite_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("apply") << QStringLiteral("apply");
    QTest::newRow("restore") << QStringLiteral("restore");
}

void TestCliFiles::fullBackupFolderStopsTheWrite()
{
    QFETCH(QString, command);
    QTemporaryDir dir;
    FullDisk disk(dir.filePath(QStringLiteral("disk")));
    if (!disk.usable())
        QSKIP(qPrintable(disk.skipReason()));
    const QString folder = disk.folder();
    CliScenario run;
    QVERIFY(run.sim.isRunning());

    disk.engage();
    run.start({command, QStringLiteral("ADDRESS"), command == QStringLiteral("apply") ? m_profile : m_config,
               kPasswordOption, QStringLiteral("--backup-dir"), folder});
    disk.release();
    QVERIFY(run.wait());

    QCOMPARE(run.cli->exitCode(), 6);
    const QString expected = QStringLiteral("hxconfig-cli: %1: não foi possível gravar a cópia de segurança em %2: "
                                            "disco cheio")
                                 .arg(run.proxy.address(), folder);
    QVERIFY2(run.cli->errText().startsWith(expected), qPrintable(run.cli->errText()));
    QVERIFY2(run.cli->errText().endsWith(QStringLiteral("; nada foi gravado no terminal\n")),
             qPrintable(run.cli->errText()));
    QVERIFY(!run.cli->outText().contains(QStringLiteral("cópia de segurança")));
    QCOMPARE(run.frameWords(), kReadOnlyFrames);
    QCOMPARE(run.sim.storedImage(), startImage());
    QCOMPARE(entriesOf(folder), QStringList());
}

void TestCliFiles::fullBackupFolderFailsTheTerminalInABatch()
{
    QTemporaryDir dir;
    FullDisk disk(dir.filePath(QStringLiteral("disk")));
    if (!disk.usable())
        QSKIP(qPrintable(disk.skipReason()));
    SimProcess sim;
    QVERIFY(sim.isRunning());
    const QString fleet = writeFile(dir.filePath(QStringLiteral("fleet.csv")),
                                    "address;password\r\n" + sim.address().toUtf8() + ";123456\r\n");

    disk.engage();
    CliProcess cli({QStringLiteral("batch"), fleet, m_profile, QStringLiteral("--backup-dir"), disk.folder(),
                    QStringLiteral("--json")});
    disk.release();
    QVERIFY(cli.wait());

    QCOMPARE(cli.exitCode(), 8);
    QCOMPARE(sim.storedImage(), startImage());
    const QJsonObject row = QJsonDocument::fromJson(cli.out.trimmed()).object();
    QCOMPARE(row.value(QStringLiteral("address")).toString(), sim.address());
    QCOMPARE(row.value(QStringLiteral("result")).toString(), QStringLiteral("failed"));
    const QString error = row.value(QStringLiteral("error")).toString();
    QVERIFY2(error.startsWith(
                 QStringLiteral("não foi possível gravar a cópia de segurança em %1: disco cheio").arg(disk.folder())),
             qPrintable(error));
    QCOMPARE(entriesOf(disk.folder()), QStringList());
}

void TestCliFiles::fullDiskKeepsTheFileReadWrote()
{
    QTemporaryDir dir;
    FullDisk disk(dir.filePath(QStringLiteral("disk")));
    if (!disk.usable())
        QSKIP(qPrintable(disk.skipReason()));
    SimProcess sim;
    QVERIFY(sim.isRunning());
    const QString output = disk.folder() + QStringLiteral("/terminal.ini");
    // A good configuration file from an earlier read, filling its pages whole.
    QByteArray good = configFileBytes(startImage(), {QStringLiteral("0050C2A1B2C3"), {}, {}});
    good += QByteArray(4096 * 2 - good.size(), ';');
    QVERIFY(!writeFile(output, good).isEmpty());

    disk.engage();
    CliProcess cli({QStringLiteral("read"), sim.address(), kPasswordOption, QStringLiteral("-o"), output});
    disk.release();
    QVERIFY(cli.wait());

    QCOMPARE(cli.exitCode(), 6);
    QCOMPARE(cli.errText(), QStringLiteral("hxconfig-cli: %1: não foi possível gravar %2: disco cheio\n")
                                .arg(sim.address(), output)
                                .replace(QStringLiteral("disco cheio"),
                                         disk.mounted() ? QStringLiteral("disco cheio")
                                                        : QStringLiteral("disco cheio (limite de tamanho de "
                                                                         "arquivo)")));
    QCOMPARE(readFile(output), good);
    QCOMPARE(entriesOf(disk.folder()), QStringList{QStringLiteral("terminal.ini")});
}

void TestCliFiles::fullDiskReportAndScanListKeepTheirFiles_data()
{
    QTest::addColumn<bool>("scan");
    QTest::newRow("batch --report") << false;
    QTest::newRow("scan --csv") << true;
}

void TestCliFiles::fullDiskReportAndScanListKeepTheirFiles()
{
    QFETCH(bool, scan);
    QTemporaryDir dir;
    const QString backups = dir.filePath(QStringLiteral("Backups"));
    FullDisk disk(dir.filePath(QStringLiteral("disk")));
    if (!disk.usable())
        QSKIP(qPrintable(disk.skipReason()));
    SimProcess sim;
    QVERIFY(sim.isRunning());
    const QString target = disk.folder() + QStringLiteral("/list.csv");
    const QByteArray old(4096, 'x');
    QVERIFY(!writeFile(target, old).isEmpty());
    const QString fleet = writeFile(dir.filePath(QStringLiteral("fleet.csv")),
                                    "address;password\r\n" + sim.address().toUtf8() + ";123456\r\n");

    disk.engage();
    const QStringList arguments =
        scan ? QStringList{QStringLiteral("scan"),      QStringLiteral("127.0.0.1/32"), QStringLiteral("--port"),
                           QString::number(sim.port()), QStringLiteral("--csv"),        target}
             : QStringList{QStringLiteral("batch"),
                           fleet,
                           m_profile,
                           QStringLiteral("--dry-run"),
                           QStringLiteral("--backup-dir"),
                           backups,
                           QStringLiteral("--report"),
                           target};
    CliProcess cli(arguments);
    disk.release();
    QVERIFY(cli.wait());

    QCOMPARE(cli.exitCode(), 6);
    QVERIFY2(cli.errText().contains(QStringLiteral("não foi possível gravar %1: disco cheio").arg(target)),
             qPrintable(cli.errText()));
    QCOMPARE(readFile(target), old);
    QCOMPARE(entriesOf(disk.folder()), QStringList{QStringLiteral("list.csv")});
}

void TestCliFiles::fullDiskLogKeepsItsRecords()
{
    QTemporaryDir dir;
    FullDisk disk(dir.filePath(QStringLiteral("disk")));
    if (!disk.usable())
        QSKIP(qPrintable(disk.skipReason()));
    const QString log = disk.folder() + QStringLiteral("/LogCfg.txt");
    const QByteArray records(4096, 'r');
    QVERIFY(!writeFile(log, records).isEmpty());
    QCOMPARE(::chmod(QFile::encodeName(log).constData(), 0600), 0);
    CliScenario run;
    QVERIFY(run.sim.isRunning());

    // Without root, a cap that lets the backup through but not the log's growth.
    disk.engage(rlim_t(records.size()));
    run.start({QStringLiteral("apply"), QStringLiteral("ADDRESS"), m_profile, kPasswordOption,
               QStringLiteral("--backup-dir"), dir.filePath(QStringLiteral("Backups")), QStringLiteral("--no-verify"),
               QStringLiteral("--no-reboot"), QStringLiteral("--log"), log});
    disk.release();
    QVERIFY(run.wait());

    // The terminal took the write; the record that could not be added is a file problem.
    QCOMPARE(run.cli->exitCode(), 6);
    QVERIFY2(run.cli->errText().contains(
                 QStringLiteral("não foi possível acrescentar o registro em %1: disco cheio").arg(log)),
             qPrintable(run.cli->errText()));
    QCOMPARE(readFile(log), records);
}

void TestCliFiles::unsafeBackupFolderStopsTheWrite()
{
    QTemporaryDir dir;
    const QString folder = dir.filePath(QStringLiteral("shared"));
    QVERIFY(QDir().mkdir(folder));
    QCOMPARE(::chmod(QFile::encodeName(folder).constData(), 0777), 0);
    CliScenario run;
    run.start({QStringLiteral("apply"), QStringLiteral("ADDRESS"), m_profile, kPasswordOption,
               QStringLiteral("--backup-dir"), folder});
    QVERIFY(run.wait());
    QCOMPARE(run.cli->exitCode(), 6);
    QCOMPARE(run.cli->errText(),
             QStringLiteral("hxconfig-cli: %1: a pasta %2 pode ser alterada por outros usuários; restrinja-a com "
                            "chmod 700 %2; nada foi gravado no terminal\n")
                 .arg(run.proxy.address(), folder));
    QCOMPARE(run.frameWords(), kReadOnlyFrames);
    QCOMPARE(run.sim.storedImage(), startImage());
}

void TestCliFiles::inputThatIsNoFileIsRefusedAtOnce_data()
{
    QTest::addColumn<QStringList>("arguments"); // INPUT stands for the pipe or device
    QTest::addColumn<QString>("device");        // empty: a named pipe
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("message"); // INPUT stands for it

    const QString notAFile = QStringLiteral("INPUT: não foi possível ler o arquivo: não é um arquivo comum (pipe, "
                                            "dispositivo ou soquete); indique um arquivo");
    const QString address = QStringLiteral("127.0.0.1:9");
    QTest::newRow("show a pipe") << QStringList{QStringLiteral("show"), QStringLiteral("INPUT")} << QString() << 6
                                 << QStringLiteral("hxconfig-cli: show: ") + notAFile;
    QTest::newRow("show a device") << QStringList{QStringLiteral("show"), QStringLiteral("INPUT")}
                                   << QStringLiteral("/dev/zero") << 6
                                   << QStringLiteral("hxconfig-cli: show: ") + notAFile;
    QTest::newRow("profile") << QStringList{QStringLiteral("apply"), address, QStringLiteral("INPUT"), kPasswordOption}
                             << QString() << 6 << QStringLiteral("hxconfig-cli: %1: ").arg(address) + notAFile;
    QTest::newRow("configuration to restore")
        << QStringList{QStringLiteral("restore"), address, QStringLiteral("INPUT"), kPasswordOption}
        << QStringLiteral("/dev/zero") << 6 << QStringLiteral("hxconfig-cli: %1: ").arg(address) + notAFile;
    QTest::newRow("password file") << QStringList{QStringLiteral("read"), address, QStringLiteral("--password-file"),
                                                  QStringLiteral("INPUT")}
                                   << QString() << 6 << QStringLiteral("hxconfig-cli: ") + notAFile;
    QTest::newRow("new password file") << QStringList{QStringLiteral("apply"),
                                                      address,
                                                      QStringLiteral("x.ini"),
                                                      kPasswordOption,
                                                      QStringLiteral("--new-password-file"),
                                                      QStringLiteral("INPUT")}
                                       << QStringLiteral("/dev/zero") << 6
                                       << QStringLiteral("hxconfig-cli: ") + notAFile;
    QTest::newRow("fleet file") << QStringList{QStringLiteral("batch"), QStringLiteral("INPUT")} << QString() << 6
                                << QStringLiteral("hxconfig-cli: batch: ") + notAFile;
    QTest::newRow("diff") << QStringList{QStringLiteral("diff"), QStringLiteral("INPUT"), QStringLiteral("INPUT")}
                          << QString() << 6 << QStringLiteral("hxconfig-cli: diff: ") + notAFile;
    QTest::newRow("logo") << QStringList{QStringLiteral("logo"), address, QStringLiteral("INPUT"), kPasswordOption}
                          << QString() << 6
                          << QStringLiteral(
                                 "hxconfig-cli: %1: INPUT: não foi possível ler o arquivo de logotipo: não é "
                                 "um arquivo (o arquivo tem 40 linhas de seis pares hexadecimais, como "
                                 "00,1F,A0,FF,00,00)")
                                 .arg(address);
}

void TestCliFiles::inputThatIsNoFileIsRefusedAtOnce()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, device);
    QFETCH(int, exitCode);
    QFETCH(QString, message);
    QString input = device;
    QTemporaryDir dir;
    if (input.isEmpty()) {
        input = dir.filePath(QStringLiteral("pipe"));
        QCOMPARE(::mkfifo(QFile::encodeName(input).constData(), 0600), 0);
    }
    arguments.replaceInStrings(QStringLiteral("INPUT"), input);
    CliProcess cli(arguments);
    QVERIFY2(cli.wait(kPromptMs), "hxconfig-cli waited on a pipe or a device");
    QCOMPARE(cli.exitCode(), exitCode);
    QCOMPARE(cli.errText(), message.replace(QStringLiteral("INPUT"), input) + u'\n');
}

void TestCliFiles::newPasswordSources_data()
{
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("environment");
    QTest::addColumn<QString>("stored"); // the terminal's password afterwards
    QTest::newRow("file") << QStringList{QStringLiteral("--new-password-file"), QStringLiteral("FILE")} << QStringList()
                          << QStringLiteral("fromfil");
    QTest::newRow("environment") << QStringList() << QStringList{QStringLiteral("HXCONFIG_NEW_PASSWORD=envpas")}
                                 << QStringLiteral("envpas");
    QTest::newRow("option before file and environment")
        << QStringList{QStringLiteral("--new-password=option"), QStringLiteral("--new-password-file"),
                       QStringLiteral("FILE")}
        << QStringList{QStringLiteral("HXCONFIG_NEW_PASSWORD=envpas")} << QStringLiteral("option");
    QTest::newRow("file before environment")
        << QStringList{QStringLiteral("--new-password-file"), QStringLiteral("FILE")}
        << QStringList{QStringLiteral("HXCONFIG_NEW_PASSWORD=envpas")} << QStringLiteral("fromfil");
}

void TestCliFiles::newPasswordSources()
{
    QFETCH(QStringList, options);
    QFETCH(QStringList, environment);
    QFETCH(QString, stored);
    QTemporaryDir dir;
    // The first line, without its line end; a seventh character would be refused.
    const QString file = writeFile(dir.filePath(QStringLiteral("new.txt")), "fromfi\r\nsecond line\r\n");
    options.replaceInStrings(QStringLiteral("FILE"), file);
    if (stored == QStringLiteral("fromfil"))
        stored = QStringLiteral("fromfi");
    CliScenario run;
    run.start(QStringList{QStringLiteral("apply"), QStringLiteral("ADDRESS"), m_profile, kPasswordOption,
                          QStringLiteral("--backup-dir"), dir.filePath(QStringLiteral("Backups")),
                          QStringLiteral("--no-verify"), QStringLiteral("--no-reboot")} +
                  options,
              environment);
    QVERIFY(run.wait());
    QVERIFY2(run.cli->exitCode() == 0, qPrintable(run.cli->errText()));
    QCOMPARE(run.sim.storedPassword(), stored);
}

void TestCliFiles::helpSaysWhichOptionsShowInTheProcessList()
{
    for (const QString& command : {QStringLiteral("apply"), QStringLiteral("restore"), QStringLiteral("batch")}) {
        const CliResult help = runCli({command, QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        const QString text = help.outText().simplified();
        for (const QString& expected :
             {QStringLiteral("--password P Senha atual do terminal (1 a 6 caracteres). Aparece na lista de processos "
                             "(ps): prefira --password-file ou HXCONFIG_PASSWORD."),
              QStringLiteral("--new-password P Nova senha do terminal, exatamente 6 caracteres (gravada com a "
                             "configuração). Aparece na lista de processos (ps): prefira --new-password-file ou "
                             "HXCONFIG_NEW_PASSWORD."),
              QStringLiteral("--new-password-file ARQUIVO Lê a nova senha da primeira linha do arquivo."),
              QStringLiteral("A nova senha vem de --new-password, de --new-password-file ou da variável de ambiente "
                             "HXCONFIG_NEW_PASSWORD.")})
            QVERIFY2(text.contains(expected), qPrintable(command + u'\n' + help.outText()));
    }
}

void TestCliFiles::logIsCreatedForItsOwnerOnly()
{
    QTemporaryDir dir;
    const QString log = dir.filePath(QStringLiteral("LogCfg.txt"));
    CliScenario run;
    {
        const Umask open(0);
        run.start({QStringLiteral("apply"), QStringLiteral("ADDRESS"), m_profile, kPasswordOption,
                   QStringLiteral("--backup-dir"), dir.filePath(QStringLiteral("Backups")),
                   QStringLiteral("--no-verify"), QStringLiteral("--no-reboot"), QStringLiteral("--log"), log});
    }
    QVERIFY(run.wait());
    QVERIFY2(run.cli->exitCode() == 0, qPrintable(run.cli->errText()));
    QCOMPARE(unixMode(log), 0600);
    QVERIFY(readFile(log).contains("IP Local:192.168.0.5"));
    QVERIFY(!run.cli->errText().contains(QStringLiteral("aviso")));
}

void TestCliFiles::readableLogIsKeptWithAWarning()
{
    QTemporaryDir dir;
    const QString log = writeFile(dir.filePath(QStringLiteral("LogCfg.txt")), "earlier\r\n");
    QCOMPARE(::chmod(QFile::encodeName(log).constData(), 0644), 0);
    CliScenario run;
    run.start({QStringLiteral("apply"), QStringLiteral("ADDRESS"), m_profile, kPasswordOption,
               QStringLiteral("--backup-dir"), dir.filePath(QStringLiteral("Backups")), QStringLiteral("--no-verify"),
               QStringLiteral("--no-reboot"), QStringLiteral("--log"), log});
    QVERIFY(run.wait());
    QCOMPARE(run.cli->exitCode(), 0);
    QCOMPARE(run.cli->errText(),
             QStringLiteral("hxconfig-cli: aviso: %1 pode ser lido por outros usuários e guarda o login e a senha dos "
                            "terminais; restrinja-o com chmod 600 %1\n")
                 .arg(log));
    QCOMPARE(unixMode(log), 0644);
    QVERIFY(readFile(log).startsWith("earlier\r\n"));
}

HX_TEST_GUILESS_MAIN(TestCliFiles)
#include "test_cli_files.moc"
