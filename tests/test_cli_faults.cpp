// hxconfig-cli against terminals that misbehave (hxterm-sim's fault modes): each ends in its exit
// code within the timeout, names the backup once one was saved, and leaves no partial file behind.
#include "clifixtures.h"
#include "cliscenario.h"
#include "loopback.h"

#include "files/configfile.h"
#include "image/layout.h"
#include "terminalmodel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

using namespace clifixtures;

class TestCliFaults : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void corruptWritesAreStoredSpoilt();
    void muteTerminalEndsAfterTheTimeout();
    void garbageIsAnInvalidReply();
    void refusedConnection();
    void closedAfterTheWriteBeforeVerification();
    void closedBeforeTheWriteWasAnswered();
    void storedSomethingElseFailsVerification();
    void storedSomethingElseAsJson();
    void wrongPasswordAndNotReady();
    void noPartialFilesLeftBehind();

private:
    CliScenario& started(const char* name, const QStringList& simArgs, QStringList cliArgs);
    CliScenario& finished(const char* name);
    QString backups(const char* name) const { return m_dir.filePath(QString::fromLatin1(name)); }

    QTemporaryDir m_dir;
    QString m_profile;
    std::map<QString, std::unique_ptr<CliScenario>> m_runs;
    std::map<QString, qint64> m_elapsed;
    QElapsedTimer m_clock;
};

CliScenario& TestCliFaults::started(const char* name, const QStringList& simArgs, QStringList cliArgs)
{
    auto& run = m_runs[QString::fromLatin1(name)];
    run = std::make_unique<CliScenario>(simArgs);
    cliArgs << QStringLiteral("--backup-dir") << backups(name);
    run->start(cliArgs);
    return *run;
}

CliScenario& TestCliFaults::finished(const char* name)
{
    CliScenario& run = *m_runs.at(QString::fromLatin1(name));
    if (!run.wait())
        qFatal("hxconfig-cli did not end in %s", name);
    m_elapsed.emplace(QString::fromLatin1(name), m_clock.elapsed());
    return run;
}

void TestCliFaults::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_profile = writeFile(m_dir.filePath(QStringLiteral("profile.ini")), "[Conexao]\r\nCNPJ=99999999000191\r\n");
    // A short timeout only where nothing will answer: a loaded machine may be slow to answer.
    const QStringList apply = {QStringLiteral("apply"), QStringLiteral("ADDRESS"), m_profile, kPasswordOption};
    const QStringList applyShort = apply + QStringList{QStringLiteral("--timeout=300")};
    m_clock.start();
    started("mute", {QStringLiteral("--mute")}, applyShort);
    started("garbage", {QStringLiteral("--garbage")}, applyShort);
    // status, read, unlock, write: closed right after the write's answer.
    started("closeafterwrite", {QStringLiteral("--close-after"), QStringLiteral("4")}, apply);
    // status, read, unlock: closed before the write is answered.
    started("closebeforewrite", {QStringLiteral("--close-after"), QStringLiteral("3")}, apply);
    started("corrupt", {QStringLiteral("--corrupt-writes")}, apply);
    started("corruptjson", {QStringLiteral("--corrupt-writes")}, apply + QStringList{QStringLiteral("--json")});
    started("notready", {QStringLiteral("--not-ready")}, apply);
    started("wrongpassword", {QStringLiteral("--password"), QStringLiteral("654321")}, apply);
}

void TestCliFaults::corruptWritesAreStoredSpoilt()
{
    // The fault mode itself: the write is answered 'G' and stored with the local port's first
    // character spoilt.
    TerminalState state = initialState("123456");
    TerminalModel model(state, ModelFaults{.corruptWrites = true});
    QCOMPARE(model.handle(QByteArray::fromHex("825557313233343536 83")), QByteArray::fromHex("82554f83"));
    QByteArray frame = state.image;
    frame[1] = 'G';
    QCOMPARE(model.handle(frame).at(1), 'G');
    const int spoilt = image::fieldOf("VPortaLocal")->first;
    QCOMPARE(state.image.at(spoilt), char(frame.at(spoilt) ^ 0x01));
    state.image[spoilt] = frame.at(spoilt);
    QCOMPARE(state.image, frame);
}

void TestCliFaults::muteTerminalEndsAfterTheTimeout()
{
    CliScenario& run = finished("mute");
    QCOMPARE(run.cli->exitCode(), 3);
    QCOMPARE(run.cli->errText(), QStringLiteral("hxconfig-cli: %1: sem resposta do terminal em 300 ms (pedido de "
                                                "status)\n")
                                     .arg(run.proxy.address()));
    QCOMPARE(run.frameWords(), QStringList{QStringLiteral("status")});
    QVERIFY(m_elapsed.at(QStringLiteral("mute")) >= 300); // it waited for the answer, then gave up
    QVERIFY(!QFileInfo::exists(backups("mute")));
}

void TestCliFaults::garbageIsAnInvalidReply()
{
    CliScenario& run = finished("garbage");
    QCOMPARE(run.cli->exitCode(), 3);
    QCOMPARE(run.cli->errText(),
             QStringLiteral("hxconfig-cli: %1: resposta inválida do terminal\n").arg(run.proxy.address()));
    QCOMPARE(run.frameWords(), QStringList{QStringLiteral("status")});
    QVERIFY(!QFileInfo::exists(backups("garbage")));
}

void TestCliFaults::refusedConnection()
{
    const QString address = QStringLiteral("127.0.0.1:%1").arg(closedPort());
    const CliResult result = runCli({QStringLiteral("apply"), address, m_profile, kPasswordOption,
                                     QStringLiteral("--backup-dir"), backups("refused")});
    QCOMPARE(result.exitCode, 3);
    QCOMPARE(result.err,
             QStringLiteral("hxconfig-cli: %1: conexão recusada: o terminal está ligado, no endereço e porta certos?\n")
                 .arg(address));
    QVERIFY(result.out.isEmpty());
}

void TestCliFaults::closedAfterTheWriteBeforeVerification()
{
    CliScenario& run = finished("closeafterwrite");
    QCOMPARE(run.cli->exitCode(), 3);
    const QString backup = backupNamedIn(run.cli->errText());
    QCOMPARE(run.cli->errText(), QStringLiteral("hxconfig-cli: %1: conexão encerrada pelo terminal (leitura) (cópia "
                                                "de segurança: %2)\n")
                                     .arg(run.proxy.address(), backup));
    QCOMPARE(QFileInfo(backup).absolutePath(), backups("closeafterwrite"));
    auto parsed = parseConfigFile(readFile(backup));
    QVERIFY(parsed.ok());
    QCOMPARE(parsed.value().image, startImage());
    // The terminal had taken the write.
    QCOMPARE(run.frameWords(), (QStringList{QStringLiteral("status"), QStringLiteral("read 123456"),
                                            QStringLiteral("unlock 123456"), QStringLiteral("write")}));
    QCOMPARE(configurationOf(run.sim.storedImage()), configurationOf(run.writeFrame()));
}

void TestCliFaults::closedBeforeTheWriteWasAnswered()
{
    CliScenario& run = finished("closebeforewrite");
    QCOMPARE(run.cli->exitCode(), 3);
    const QString err = run.cli->errText();
    QVERIFY2(err.startsWith(QStringLiteral("hxconfig-cli: %1: conexão encerrada pelo terminal (gravação) (cópia de "
                                           "segurança: ")
                                .arg(run.proxy.address())),
             qPrintable(err));
    QVERIFY(QFileInfo::exists(backupNamedIn(err)));
    QCOMPARE(run.sim.storedImage(), startImage());
}

void TestCliFaults::storedSomethingElseFailsVerification()
{
    CliScenario& run = finished("corrupt");
    QCOMPARE(run.cli->exitCode(), 5);
    const QString backup = backupNamedIn(run.cli->errText());
    QCOMPARE(run.cli->errText(),
             QStringLiteral("hxconfig-cli: %1: verificação falhou: o terminal guarda outra configuração do que a "
                            "enviada (Porta Local) (cópia de segurança: %2)\n")
                 .arg(run.proxy.address(), backup));
    QCOMPARE(parsedConfig(readFile(backup)).image, startImage());
    // Stopped at the verification: no unlock, no reboot.
    QCOMPARE(run.frameWords(),
             (QStringList{QStringLiteral("status"), QStringLiteral("read 123456"), QStringLiteral("unlock 123456"),
                          QStringLiteral("write"), QStringLiteral("read 123456")}));
    QVERIFY(run.cli->out.isEmpty());
}

void TestCliFaults::storedSomethingElseAsJson()
{
    CliScenario& run = finished("corruptjson");
    QCOMPARE(run.cli->exitCode(), 5);
    const QJsonObject json = QJsonDocument::fromJson(run.cli->out).object();
    QCOMPARE(json.value(QStringLiteral("result")).toString(), QStringLiteral("failed"));
    QCOMPARE(json.value(QStringLiteral("verified")).toBool(true), false);
    const QString backup = json.value(QStringLiteral("backup")).toString();
    QVERIFY(QFileInfo::exists(backup));
    QVERIFY(json.value(QStringLiteral("error")).toString().startsWith(QStringLiteral("verificação falhou")));
    QCOMPARE(json.value(QStringLiteral("changes")).toArray().size(), 1);
    // The error goes to standard error as well.
    QVERIFY(run.cli->errText().contains(backup));
}

void TestCliFaults::wrongPasswordAndNotReady()
{
    CliScenario& wrong = finished("wrongpassword");
    QCOMPARE(wrong.cli->exitCode(), 4);
    QCOMPARE(wrong.cli->errText(),
             QStringLiteral("hxconfig-cli: %1: leitura recusada: verifique a senha\n").arg(wrong.proxy.address()));
    CliScenario& notReady = finished("notready");
    QCOMPARE(notReady.cli->exitCode(), 4);
    QCOMPARE(
        notReady.cli->errText(),
        QStringLiteral("hxconfig-cli: %1: terminal não está pronto (status recusado)\n").arg(notReady.proxy.address()));
    QCOMPARE(notReady.frameWords(), QStringList{QStringLiteral("status")});
}

void TestCliFaults::noPartialFilesLeftBehind()
{
    // Every backup folder holds whole configuration files only: no temporary files, nothing cut.
    for (const auto& [name, run] : m_runs) {
        QVERIFY(run->wait());
        const QDir folder(backups(qPrintable(name)));
        if (!folder.exists())
            continue;
        QCOMPARE(unixMode(folder.path()), 0700);
        for (const QString& file : folder.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot)) {
            QVERIFY2(file.endsWith(QStringLiteral(".ini")), qPrintable(file));
            QCOMPARE(unixMode(folder.filePath(file)), 0600);
            QVERIFY2(parseConfigFile(readFile(folder.filePath(file))).ok(), qPrintable(file));
        }
    }
}

QTEST_GUILESS_MAIN(TestCliFaults)
#include "test_cli_faults.moc"
