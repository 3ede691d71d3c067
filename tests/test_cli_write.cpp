// hxconfig-cli apply and restore against hxterm-sim over loopback: the frames of the write
// sequence and its two pauses as they pass on the wire, the backup, the verification, the no-op
// second run, restore and clone, and the refusals before anything is written. Every sequence is
// started at once in initTestCase, so their pauses overlap; each test then looks at one of them.
#include "clifixtures.h"
#include "cliscenario.h"
#include "testprogram.h"

#include "files/configfile.h"
#include "image/layout.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

using namespace clifixtures;

namespace
{

constexpr qint64 kTerminalPauseMs = 1500; // after a write, and before a reboot


// Another terminal: its own MAC, reserved bytes, password bytes, login, baud rate and address.
QByteArray otherTerminal()
{
    QByteArray image = withText(startImage(), "edMac", "001122334455");
    image = withText(image, "VLogin", "outro");
    image = withText(image, "VIpLocal", "192.168.7.7");
    image = withText(image, "VNovaSenha", "999999");
    image[image::fieldOf("cbBaud1")->first] = 5; // 38400
    image[144] = char(image.at(144) ^ 0x40);
    return image;
}

QByteArray textBytesOf(const QByteArray& image, std::string_view control)
{
    const image::Field* field = image::fieldOf(control);
    const QByteArray bytes = image.mid(field->first, field->width);
    const qsizetype zero = bytes.indexOf('\0');
    return zero < 0 ? bytes : bytes.left(zero);
}

} // namespace

class TestCliWrite : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void applyWritesVerifiesAndReboots();
    void secondApplyIsANoOp();
    void newPasswordIsUsedAfterTheWrite();
    void withoutVerification();
    void withoutReboot();
    void withoutVerificationAndReboot();
    void splitRepliesAreJoined();
    void restoreWritesTheFileByteForByte();
    void restoreOfAnotherTerminalIsRefused();
    void cloneTakesOnlyEditableFields();
    void cloneKeepsItsOwnAddress();
    void dryRunSendsNothingThatChanges();
    void valueThatNamesNoItemIsRefused();
    void emptyTextFieldIsRefused();
    void unlockRefused();
    void rebootRefused();
    void noBackupNoWrite();
    void logThatCannotBeWritten();

private:
    CliScenario& started(const char* name, const QStringList& simArgs, const QStringList& cliArgs,
                         const QString& program = {});
    CliScenario& finished(const char* name);
    QString folder(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
    QString m_program; // a copy of hxconfig-cli, so that its "Backups" folder is the test's
    QString m_profile;
    std::map<QString, std::unique_ptr<CliScenario>> m_runs;
};

CliScenario& TestCliWrite::started(const char* name, const QStringList& simArgs, const QStringList& cliArgs,
                                   const QString& program)
{
    auto& run = m_runs[QString::fromLatin1(name)];
    run = std::make_unique<CliScenario>(simArgs);
    QDir().mkpath(folder(name));
    run->start(cliArgs, {}, program);
    return *run;
}

CliScenario& TestCliWrite::finished(const char* name)
{
    CliScenario& run = *m_runs.at(QString::fromLatin1(name));
    if (!run.wait())
        qFatal("hxconfig-cli did not end in %s", name);
    return run;
}

void TestCliWrite::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(QDir().mkpath(m_dir.filePath(QStringLiteral("program"))));
    m_program = m_dir.filePath(QStringLiteral("program/hxconfig-cli"));
    QVERIFY(QFile::copy(QStringLiteral(HXCONFIG_CLI_PATH), m_program));
    m_profile = writeFile(m_dir.filePath(QStringLiteral("profile.ini")),
                          "[Conexao]\r\nIPLocal=192.168.0.5\r\n[Seriais]\r\nBaudRate1=19200\r\n");
    const auto backups = [this](const char* name) {
        return QStringList{QStringLiteral("--backup-dir"), folder(name) + QStringLiteral("/Backups")};
    };
    const QStringList apply = {QStringLiteral("apply"), QStringLiteral("ADDRESS"), m_profile, kPasswordOption};

    // The default backup folder, beside the program.
    started("apply", {}, apply + QStringList{QStringLiteral("--log"), folder("apply") + QStringLiteral("/LogCfg.txt")},
            m_program);
    started("newpassword", {},
            apply + backups("newpassword") +
                QStringList{QStringLiteral("--new-password=654321"), QStringLiteral("--json")});
    started("noverify", {}, apply + backups("noverify") + QStringList{QStringLiteral("--no-verify")});
    started("noreboot", {}, apply + backups("noreboot") + QStringList{QStringLiteral("--no-reboot")});
    started("noboth", {},
            apply + backups("noboth") + QStringList{QStringLiteral("--no-reboot"), QStringLiteral("--no-verify")});
    started("split", {QStringLiteral("--split-replies")}, apply + backups("split"));

    QByteArray restored = withText(startImage(), "VIpLocal", "192.168.0.99");
    const QString restoreFile = writeFile(folder("restore") + QStringLiteral(".ini"),
                                          configFileBytes(restored, {QStringLiteral("0050C2A1B2C3"), {}, {}}));
    started("restore", {},
            {QStringLiteral("restore"), QStringLiteral("ADDRESS"), restoreFile, kPasswordOption,
             QStringLiteral("--backup-dir"), folder("restore")});

    const QString otherFile = writeFile(m_dir.filePath(QStringLiteral("other.ini")),
                                        configFileBytes(otherTerminal(), {QStringLiteral("001122334455"), {}, {}}));
    const QStringList restoreOther = {QStringLiteral("restore"), QStringLiteral("ADDRESS"), otherFile, kPasswordOption};
    started("foreign", {}, restoreOther + backups("foreign"));
    started("clone", {},
            restoreOther + backups("clone") +
                QStringList{QStringLiteral("--clone"), QStringLiteral("--set=Conexao.IPLocal=192.168.0.9")});
    started("clonekeep", {},
            restoreOther + backups("clonekeep") + QStringList{QStringLiteral("--clone"), QStringLiteral("--keep-ip")});

    started("dryrun", {}, apply + backups("dryrun") + QStringList{QStringLiteral("--dry-run")});
    started("badvalue", {}, apply + backups("badvalue") + QStringList{QStringLiteral("--set=Seriais.BaudRate1=9601")});
    started("emptyfield",
            imageArgs(folder("emptyfield") + QStringLiteral(".img"), withText(startImage(), "VLogin", "")),
            apply + backups("emptyfield"));
    started("refuseunlock", {QStringLiteral("--refuse-unlock")}, apply + backups("refuseunlock"));
    started("refusereboot", {QStringLiteral("--refuse-reboot")}, apply + backups("refusereboot"));
    const QString notAFolder = writeFile(m_dir.filePath(QStringLiteral("not-a-folder")), "x");
    QVERIFY(!notAFolder.isEmpty());
    started("nobackup", {},
            apply + QStringList{QStringLiteral("--backup-dir"), notAFolder + QStringLiteral("/Backups")});
    started("badlog", {},
            apply + backups("badlog") +
                QStringList{QStringLiteral("--no-verify"), QStringLiteral("--no-reboot"), QStringLiteral("--log"),
                            folder("badlog") + QStringLiteral("/missing/Log.txt")});
}

void TestCliWrite::applyWritesVerifiesAndReboots()
{
    CliScenario& run = finished("apply");
    QCOMPARE(run.cli->errText(), QString());
    QCOMPARE(run.cli->exitCode(), 0);

    // The exact frames, with the terminal's two pauses.
    QCOMPARE(run.frameWords(), kFullSequence);
    QVERIFY2(run.gapBefore(4) >= kTerminalPauseMs, qPrintable(QString::number(run.gapBefore(4))));
    QVERIFY2(run.gapBefore(6) >= kTerminalPauseMs, qPrintable(QString::number(run.gapBefore(6))));
    QVERIFY(run.gapBefore(4) < 5000 && run.gapBefore(6) < 5000);

    // The write frame: the image as read with the two values applied, byte 1 'G'.
    const QByteArray write = run.writeFrame();
    QByteArray expected = withText(startImage(), "VIpLocal", "192.168.0.5");
    expected[image::fieldOf("cbBaud1")->first] = 4; // 19200
    expected[1] = 'G';
    QCOMPARE(write, expected);
    QCOMPARE(configurationOf(run.sim.storedImage()), configurationOf(expected));

    // The backup: the image as read, in "Backups" beside the program, for its owner only.
    const QString backup = backupNamedIn(run.cli->outText());
    QCOMPARE(QFileInfo(backup).absolutePath(), QFileInfo(m_program).absolutePath() + QStringLiteral("/Backups"));
    QVERIFY2(QRegularExpression(QStringLiteral("^0050C2A1B2C3_\\d{8}-\\d{6}\\.ini$"))
                 .match(QFileInfo(backup).fileName())
                 .hasMatch(),
             qPrintable(backup));
    QCOMPARE(unixMode(backup), 0600);
    QCOMPARE(unixMode(QFileInfo(backup).absolutePath()), 0700);
    QCOMPARE(parsedConfig(readFile(backup)).image, startImage());

    const QString out = run.cli->outText();
    QCOMPARE(out, QStringLiteral("%1: alterado, 2 campos\n"
                                 "  Seriais / Baud - Rate COM 1 [Seriais.BaudRate1]: 9600 -> 19200\n"
                                 "  Conexão / IP Local [Conexao.IPLocal]: 192.168.0.50 -> 192.168.0.5\n"
                                 "  cópia de segurança: %2\n"
                                 "  verificado\n")
                      .arg(run.proxy.address(), backup));

    // The record of what was written, as "Log Conf." writes it.
    const QByteArray log = readFile(folder("apply") + QStringLiteral("/LogCfg.txt"));
    QCOMPARE(log.count("\r\n"), 16);
    QVERIFY(log.contains("IP Local:192.168.0.5 "));
    QVERIFY(log.contains("Baud:19200 Paridade:Sem Bits:8 Stop:1 HandShake:Nenhum"));
}

void TestCliWrite::secondApplyIsANoOp()
{
    CliScenario& first = finished("apply");
    QCOMPARE(first.cli->exitCode(), 0);
    const QByteArray stored = first.sim.storedImage();
    RecordingProxy proxy(first.sim.port());
    CliProcess again({QStringLiteral("apply"), proxy.address(), m_profile, kPasswordOption}, {}, m_program);
    QVERIFY(again.wait());
    QCOMPARE(again.exitCode(), 0);
    QCOMPARE(again.outText(), QStringLiteral("%1: inalterado\n").arg(proxy.address()));
    QCOMPARE(proxy.frameBytes().size(), 2); // status and read, nothing more
    QCOMPARE(first.sim.storedImage(), stored);
    QCOMPARE(QDir(QFileInfo(m_program).absolutePath() + QStringLiteral("/Backups")).entryList(QDir::Files).size(), 1);
}

void TestCliWrite::newPasswordIsUsedAfterTheWrite()
{
    CliScenario& run = finished("newpassword");
    QCOMPARE(run.cli->exitCode(), 0);
    QCOMPARE(run.frameWords(),
             (QStringList{QStringLiteral("status"), QStringLiteral("read 123456"), QStringLiteral("unlock 123456"),
                          QStringLiteral("write"), QStringLiteral("read 654321"), QStringLiteral("unlock 654321"),
                          QStringLiteral("reboot")}));
    const image::Field* password = image::fieldOf("VNovaSenha");
    QCOMPARE(run.writeFrame().mid(password->first, password->width), QByteArray("654321\0", 7));
    QCOMPARE(run.sim.storedPassword(), QStringLiteral("654321"));

    const QJsonObject json = QJsonDocument::fromJson(run.cli->out).object();
    QCOMPARE(json.value(QStringLiteral("address")).toString(), run.proxy.address());
    QCOMPARE(json.value(QStringLiteral("result")).toString(), QStringLiteral("changed"));
    QCOMPARE(json.value(QStringLiteral("verified")).toBool(), true);
    QCOMPARE(json.value(QStringLiteral("error")).toString(), QString());
    const QString backup = json.value(QStringLiteral("backup")).toString();
    QCOMPARE(QFileInfo(backup).absolutePath(), folder("newpassword") + QStringLiteral("/Backups"));
    QCOMPARE(parsedConfig(readFile(backup)).image, startImage());
    const QJsonArray changes = json.value(QStringLiteral("changes")).toArray();
    QCOMPARE(changes.size(), 3);
    QCOMPARE(changes.at(0).toObject(), (QJsonObject{{QStringLiteral("section"), QStringLiteral("Seriais")},
                                                    {QStringLiteral("key"), QStringLiteral("BaudRate1")},
                                                    {QStringLiteral("page"), QStringLiteral("Seriais")},
                                                    {QStringLiteral("caption"), QStringLiteral("Baud - Rate COM 1")},
                                                    {QStringLiteral("from"), QStringLiteral("9600")},
                                                    {QStringLiteral("to"), QStringLiteral("19200")}}));
    // The password bytes: changed, their values never shown.
    const QJsonObject secret = changes.at(2).toObject();
    QCOMPARE(secret.value(QStringLiteral("caption")).toString(), QStringLiteral("Nova Senha"));
    QCOMPARE(secret.value(QStringLiteral("from")).toString(), QString());
    QCOMPARE(secret.value(QStringLiteral("to")).toString(), QString());
    QVERIFY(!run.cli->out.contains("654321"));
}

void TestCliWrite::withoutVerification()
{
    CliScenario& run = finished("noverify");
    QCOMPARE(run.cli->exitCode(), 0);
    // The window's own Yes path: pause, unlock, pause, reboot.
    QCOMPARE(run.frameWords(),
             (QStringList{QStringLiteral("status"), QStringLiteral("read 123456"), QStringLiteral("unlock 123456"),
                          QStringLiteral("write"), QStringLiteral("unlock 123456"), QStringLiteral("reboot")}));
    QVERIFY(run.gapBefore(4) >= kTerminalPauseMs);
    QVERIFY(run.gapBefore(5) >= kTerminalPauseMs);
    QVERIFY(run.cli->outText().endsWith(QStringLiteral("  não verificado\n")));
}

void TestCliWrite::withoutReboot()
{
    CliScenario& run = finished("noreboot");
    QCOMPARE(run.cli->exitCode(), 0);
    QCOMPARE(run.frameWords(), kFullSequence.mid(0, 5));
    QVERIFY(run.gapBefore(4) >= kTerminalPauseMs);
    QVERIFY(run.cli->outText().endsWith(QStringLiteral("  verificado\n")));
}

void TestCliWrite::withoutVerificationAndReboot()
{
    CliScenario& run = finished("noboth");
    QCOMPARE(run.cli->exitCode(), 0);
    QCOMPARE(run.frameWords(), kFullSequence.mid(0, 4));
    QCOMPARE(textBytesOf(run.sim.storedImage(), "VIpLocal"), QByteArray("192.168.0.5"));
}

void TestCliWrite::splitRepliesAreJoined()
{
    CliScenario& run = finished("split");
    QCOMPARE(run.cli->errText(), QString());
    QCOMPARE(run.cli->exitCode(), 0);
    QCOMPARE(run.frameWords(), kFullSequence);
    QVERIFY(run.cli->outText().endsWith(QStringLiteral("  verificado\n")));
}

void TestCliWrite::restoreWritesTheFileByteForByte()
{
    CliScenario& run = finished("restore");
    QCOMPARE(run.cli->errText(), QString());
    QCOMPARE(run.cli->exitCode(), 0);
    QCOMPARE(run.frameWords(), kFullSequence);
    QByteArray expected = withText(startImage(), "VIpLocal", "192.168.0.99");
    expected[1] = 'G';
    QCOMPARE(run.writeFrame(), expected);
    QCOMPARE(configurationOf(run.sim.storedImage()), configurationOf(expected));
}

void TestCliWrite::restoreOfAnotherTerminalIsRefused()
{
    CliScenario& run = finished("foreign");
    QCOMPARE(run.cli->exitCode(), 7);
    QCOMPARE(run.cli->errText(),
             QStringLiteral("hxconfig-cli: %1: o arquivo é de outro terminal (MAC 001122334455; este terminal tem MAC "
                            "0050C2A1B2C3): use --clone para copiar só os campos editáveis\n")
                 .arg(run.proxy.address()));
    QCOMPARE(run.frameWords(), kReadOnlyFrames);
    QVERIFY(!QFileInfo::exists(folder("foreign") + QStringLiteral("/Backups")));
    QCOMPARE(run.sim.storedImage(), startImage());
}

void TestCliWrite::cloneTakesOnlyEditableFields()
{
    CliScenario& run = finished("clone");
    QCOMPARE(run.cli->errText(), QString());
    QCOMPARE(run.cli->exitCode(), 0);
    const QByteArray stored = run.sim.storedImage();
    const QByteArray mine = startImage();
    // The target's own: MAC, reserved bytes, password.
    for (const image::Field& field : image::layout()) {
        using enum image::Kind;
        if (field.kind == Mac || field.kind == Reserved || field.kind == NewPassword)
            QVERIFY2(stored.mid(field.first, field.width) == mine.mid(field.first, field.width), field.control.data());
    }
    QCOMPARE(run.sim.storedPassword(), kPassword);
    // The file's: the editable fields; the address from --set.
    QCOMPARE(textBytesOf(stored, "VLogin"), QByteArray("outro"));
    QCOMPARE(int(stored.at(image::fieldOf("cbBaud1")->first)), 5);
    QCOMPARE(textBytesOf(stored, "VIpLocal"), QByteArray("192.168.0.9"));
}

void TestCliWrite::cloneKeepsItsOwnAddress()
{
    CliScenario& run = finished("clonekeep");
    QCOMPARE(run.cli->exitCode(), 0);
    const QByteArray stored = run.sim.storedImage();
    QCOMPARE(textBytesOf(stored, "VIpLocal"), QByteArray("192.168.0.50"));
    QCOMPARE(textBytesOf(stored, "VLogin"), QByteArray("outro"));
    QCOMPARE(textBytesOf(stored, "edMac"), QByteArray("0050C2A1B2C3"));
}

void TestCliWrite::dryRunSendsNothingThatChanges()
{
    CliScenario& run = finished("dryrun");
    QCOMPARE(run.cli->exitCode(), 0);
    QCOMPARE(run.frameWords(), kReadOnlyFrames);
    QCOMPARE(run.cli->outText(), QStringLiteral("%1: simulação, nada foi enviado; 2 campos mudariam\n"
                                                "  Seriais / Baud - Rate COM 1 [Seriais.BaudRate1]: 9600 -> 19200\n"
                                                "  Conexão / IP Local [Conexao.IPLocal]: 192.168.0.50 -> 192.168.0.5\n")
                                     .arg(run.proxy.address()));
    QVERIFY(!QFileInfo::exists(folder("dryrun") + QStringLiteral("/Backups")));
    QCOMPARE(run.sim.storedImage(), startImage());
}

void TestCliWrite::valueThatNamesNoItemIsRefused()
{
    CliScenario& run = finished("badvalue");
    QCOMPARE(run.cli->exitCode(), 7);
    const QString err = run.cli->errText();
    QVERIFY2(err.startsWith(QStringLiteral("hxconfig-cli: %1: Valor não aceito em [Seriais] BaudRate1=9601; valores "
                                           "aceitos: \"1200\", ")
                                .arg(run.proxy.address())),
             qPrintable(err));
    QVERIFY(err.contains(QStringLiteral("\"115200\"")));
    QCOMPARE(run.frameWords(), kReadOnlyFrames);
    QCOMPARE(run.sim.storedImage(), startImage());
}

void TestCliWrite::emptyTextFieldIsRefused()
{
    CliScenario& run = finished("emptyfield");
    QCOMPARE(run.cli->exitCode(), 7);
    QCOMPARE(run.cli->errText(),
             QStringLiteral("hxconfig-cli: %1: campos de texto vazios: Login\n").arg(run.proxy.address()));
    QCOMPARE(run.frameWords(), kReadOnlyFrames);
}

void TestCliWrite::unlockRefused()
{
    CliScenario& run = finished("refuseunlock");
    QCOMPARE(run.cli->exitCode(), 4);
    const QString backup = backupNamedIn(run.cli->errText());
    QCOMPARE(run.cli->errText(), QStringLiteral("hxconfig-cli: %1: desbloqueio recusado pelo terminal (cópia de "
                                                "segurança: %2)\n")
                                     .arg(run.proxy.address(), backup));
    QCOMPARE(parsedConfig(readFile(backup)).image, startImage());
    QCOMPARE(run.frameWords(), kFullSequence.mid(0, 3));
    QCOMPARE(run.sim.storedImage(), startImage());
}

void TestCliWrite::rebootRefused()
{
    CliScenario& run = finished("refusereboot");
    QCOMPARE(run.cli->exitCode(), 4);
    QVERIFY2(run.cli->errText().startsWith(
                 QStringLiteral("hxconfig-cli: %1: reinício não concluído: o terminal recusou (cópia de segurança: ")
                     .arg(run.proxy.address())),
             qPrintable(run.cli->errText()));
    QCOMPARE(run.frameWords(), kFullSequence);
    QVERIFY(run.cli->out.isEmpty());
}

void TestCliWrite::noBackupNoWrite()
{
    CliScenario& run = finished("nobackup");
    QCOMPARE(run.cli->exitCode(), 6);
    QVERIFY2(run.cli->errText().contains(QStringLiteral("não foi possível criar a pasta de cópias de segurança")),
             qPrintable(run.cli->errText()));
    QVERIFY(run.cli->errText().endsWith(QStringLiteral("; nada foi gravado no terminal\n")));
    QCOMPARE(run.frameWords(), kReadOnlyFrames);
    QCOMPARE(run.sim.storedImage(), startImage());
}

void TestCliWrite::logThatCannotBeWritten()
{
    // The terminal took the write; the missing record is still a file problem.
    CliScenario& run = finished("badlog");
    QCOMPARE(run.cli->exitCode(), 6);
    QVERIFY2(run.cli->errText().contains(QStringLiteral("não foi possível acrescentar o registro em %1")
                                             .arg(folder("badlog") + QStringLiteral("/missing/Log.txt"))),
             qPrintable(run.cli->errText()));
    QCOMPARE(textBytesOf(run.sim.storedImage(), "VIpLocal"), QByteArray("192.168.0.5"));
}

HX_TEST_GUILESS_MAIN(TestCliWrite)
#include "test_cli_write.moc"
