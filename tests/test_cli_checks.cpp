// hxconfig-cli and the checks of a configuration: check on a file and on a terminal, apply and
// restore refusing a result with errors before anything that changes the terminal is sent, --force,
// the problems in JSON, show's marks, and batch's fleet checks before any connection.
#include "clifixtures.h"
#include "cliscenario.h"
#include "testprogram.h"

#include "files/configfile.h"
#include "image/layout.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <map>
#include <memory>

using namespace clifixtures;

namespace
{


const QString kMaskError = QStringLiteral("Conexão / Subnet Mask [Conexao.SubNetMask]: erro: a máscara 255.0.255.0 não "
                                          "é contígua (todos os bits 1 devem vir antes dos bits 0); sugestão: "
                                          "255.0.0.0");
const QString kGatewayError = QStringLiteral("Conexão / Gateway [Conexao.Gateway]: erro: o Gateway 10.1.1.1 está fora "
                                             "da rede do IP Local (192.168.0.0/24); sugestão: um endereço de "
                                             "192.168.0.1 a 192.168.0.254, ou 0.0.0.0 sem roteador");
// What the simulator's terminal holds that a write keeps: advice only.
const QStringList kStartWarnings = {
    QStringLiteral("Conexão / Login [Conexao.Login]: aviso: o terminal só envia este valor com Conexão TCP "
                   "\"System\" e protocolo \"TelNet\""),
    QStringLiteral("Conexão / Password [Conexao.Password]: aviso: o terminal só envia este valor com Conexão TCP "
                   "\"System\" e protocolo \"TelNet\""),
    QStringLiteral("Conexão / CNPJ [Conexao.CNPJ]: aviso: os dígitos verificadores do CNPJ 12345678000190 não "
                   "conferem; sugestão: confira o número; com estes 12 primeiros algarismos o CNPJ seria "
                   "12345678000195"),
    QStringLiteral("Conexão / CNPJ [Conexao.CNPJ]: aviso: o terminal só envia este valor com Conexão TCP \"System\" "
                   "e protocolo \"TelNet\"")};

QString lines(const QStringList& list)
{
    return list.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

QJsonObject jsonLine(const QByteArray& out)
{
    const QList<QByteArray> rows = out.trimmed().split('\n');
    return rows.size() == 1 ? QJsonDocument::fromJson(rows.first()).object() : QJsonObject();
}

// "severity section.key already" for each problem of a JSON result.
QStringList problemWords(const QJsonObject& result)
{
    QStringList words;
    for (const QJsonValue& v : result.value(QStringLiteral("problems")).toArray()) {
        const QJsonObject p = v.toObject();
        QString word =
            QStringLiteral("%1 %2.%3")
                .arg(p.value(QStringLiteral("severity")).toString(), p.value(QStringLiteral("section")).toString(),
                     p.value(QStringLiteral("key")).toString());
        if (p.contains(QStringLiteral("already")))
            word += p.value(QStringLiteral("already")).toBool() ? QStringLiteral(" já") : QStringLiteral(" novo");
        words.append(word);
    }
    return words;
}

} // namespace

class TestCliChecks : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void checkFile_data();
    void checkFile();
    void checkFileJson();
    void checkTerminal();
    void showMarksFieldsWithProblems();
    void applyWithAnErrorSendsNothingThatChanges();
    void errorTheTerminalAlreadyHadIsNamed();
    void forceWritesAnyway();
    void restoreOfAFileWithErrorsIsRefused();
    void fleetErrorsRefuseBeforeAnyConnection_data();
    void fleetErrorsRefuseBeforeAnyConnection();
    void fleetWarningsDoNotStopTheBatch();
    void forcedFleetGoesAhead();

private:
    CliScenario& started(const char* name, const QStringList& simArgs, const QStringList& cliArgs);
    CliScenario& finished(const char* name);
    QString path(const QString& name) const { return m_dir.filePath(name); }
    QString configFile(const QString& name, const QByteArray& image) const;

    QTemporaryDir m_dir;
    std::map<QString, std::unique_ptr<CliScenario>> m_runs;
    QTcpServer m_listener; // where refused fleets would connect
    int m_connections = 0;
};

CliScenario& TestCliChecks::started(const char* name, const QStringList& simArgs, const QStringList& cliArgs)
{
    auto& run = m_runs[QString::fromLatin1(name)];
    run = std::make_unique<CliScenario>(simArgs);
    run->start(cliArgs);
    return *run;
}

CliScenario& TestCliChecks::finished(const char* name)
{
    CliScenario& run = *m_runs.at(QString::fromLatin1(name));
    if (!run.wait())
        qFatal("hxconfig-cli did not end in %s", name);
    return run;
}

QString TestCliChecks::configFile(const QString& name, const QByteArray& image) const
{
    return writeFile(path(name), configFileBytes(image, {QStringLiteral("0050C2A1B2C3"), {}, {}}));
}

void TestCliChecks::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QVERIFY(m_listener.listen(QHostAddress::LocalHost, 0));
    connect(&m_listener, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_listener.nextPendingConnection()) {
            ++m_connections;
            socket->deleteLater();
        }
    });

    const QString backups = QStringLiteral("--backup-dir=") + path(QStringLiteral("Backups"));
    const QString profile = writeFile(path(QStringLiteral("p.ini")), "[Seriais]\r\nBaudRate1=19200\r\n");
    const QStringList apply = {QStringLiteral("apply"), QStringLiteral("ADDRESS"), profile, kPasswordOption, backups};

    started("checkterminal", {}, {QStringLiteral("check"), QStringLiteral("ADDRESS"), kPasswordOption});
    const QByteArray badMask = withText(startImage(), "VSubnet", "255.0.255.0");
    started("checkbad", imageArgs(path(QStringLiteral("badmask.img")), badMask),
            {QStringLiteral("check"), QStringLiteral("ADDRESS"), kPasswordOption, QStringLiteral("--json")});
    started("applybad", {}, apply + QStringList{QStringLiteral("--set=Conexao.SubNetMask=255.0.255.0")});
    started("applybadjson", {},
            apply + QStringList{QStringLiteral("--set=Conexao.SubNetMask=255.0.255.0"), QStringLiteral("--json")});
    const QByteArray badGateway = withText(startImage(), "VGateway", "10.1.1.1");
    started("already", imageArgs(path(QStringLiteral("badgateway.img")), badGateway), apply);
    started("force", {},
            apply + QStringList{QStringLiteral("--set=Conexao.SubNetMask=255.0.255.0"), QStringLiteral("--force")});
    started("restorebad", {},
            {QStringLiteral("restore"), QStringLiteral("ADDRESS"), configFile(QStringLiteral("bad.ini"), badMask),
             kPasswordOption, backups});
}

void TestCliChecks::checkFile_data()
{
    QTest::addColumn<QByteArray>("image");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("out");
    QTest::addColumn<QString>("summary");

    QByteArray sound = withText(startImage(), "VCNPJ", "12345678000195");
    sound[image::fieldOf("cbConexaoTCP")->first] = 3; // System over TelNet: Login and Password are sent
    QTest::newRow("sound") << sound << 0 << QString() << QStringLiteral("nenhum problema");
    QTest::newRow("warnings only") << startImage() << 0 << lines(kStartWarnings)
                                   << QStringLiteral("0 erro(s), 4 aviso(s)");
    QTest::newRow("an error") << withText(sound, "VSubnet", "255.0.255.0") << 7 << lines({kMaskError})
                              << QStringLiteral("1 erro(s), 0 aviso(s)");
    QTest::newRow("two errors") << withText(withText(sound, "VSubnet", "255.0.255.0"), "VPortaLocal", "7x") << 7
                                << lines(
                                       {QStringLiteral("Conexão / Porta Local [Conexao.PortaLocal]: erro: \"7x\" não é "
                                                       "uma porta (um número de 0 a 65535)"),
                                        kMaskError})
                                << QStringLiteral("2 erro(s), 0 aviso(s)");
}

void TestCliChecks::checkFile()
{
    QFETCH(QByteArray, image);
    QFETCH(int, exitCode);
    QFETCH(QString, out);
    QFETCH(QString, summary);
    const QString file = configFile(QStringLiteral("%1.ini").arg(QString::fromLatin1(QTest::currentDataTag())), image);
    const CliResult result = runCli({QStringLiteral("check"), file});
    QCOMPARE(result.outText(), out);
    QCOMPARE(result.err, QStringLiteral("hxconfig-cli: %1: %2\n").arg(file, summary));
    QCOMPARE(result.exitCode, exitCode);

    const CliResult quiet = runCli({QStringLiteral("check"), file, QStringLiteral("--quiet")});
    QCOMPARE(quiet.out, QByteArray());
    QCOMPARE(quiet.exitCode, exitCode);
}

void TestCliChecks::checkFileJson()
{
    const QString file = configFile(QStringLiteral("json.ini"), withText(startImage(), "VSubnet", "255.0.255.0"));
    const CliResult result = runCli({QStringLiteral("check"), file, QStringLiteral("--json")});
    QCOMPARE(result.exitCode, 7);
    const QJsonObject object = jsonLine(result.out);
    QCOMPARE(object.value(QStringLiteral("file")).toString(), file);
    QCOMPARE(object.value(QStringLiteral("result")).toString(), QStringLiteral("errors"));
    QCOMPARE(object.value(QStringLiteral("exit")).toInt(), 7);
    QCOMPARE(object.value(QStringLiteral("error")).toString(), QString());
    QCOMPARE(problemWords(object),
             QStringList({QStringLiteral("error Conexao.SubNetMask"), QStringLiteral("warning Conexao.Login"),
                          QStringLiteral("warning Conexao.Password"), QStringLiteral("warning Conexao.CNPJ"),
                          QStringLiteral("warning Conexao.CNPJ")}));
    const QJsonObject mask = object.value(QStringLiteral("problems")).toArray().first().toObject();
    QCOMPARE(mask.value(QStringLiteral("page")).toString(), QStringLiteral("Conexão"));
    QCOMPARE(mask.value(QStringLiteral("caption")).toString(), QStringLiteral("Subnet Mask"));
    QCOMPARE(mask.value(QStringLiteral("suggestion")).toString(), QStringLiteral("255.0.0.0"));

    // A file that cannot be read: a result all the same, and the file problem's exit code.
    const CliResult missing =
        runCli({QStringLiteral("check"), path(QStringLiteral("missing.ini")), QStringLiteral("--json")});
    QCOMPARE(missing.exitCode, 6);
    QCOMPARE(jsonLine(missing.out).value(QStringLiteral("result")).toString(), QStringLiteral("failed"));
    QCOMPARE(jsonLine(missing.out).value(QStringLiteral("exit")).toInt(), 6);
}

void TestCliChecks::checkTerminal()
{
    CliScenario& run = finished("checkterminal");
    QCOMPARE(run.frameWords(), kReadOnlyFrames);
    QCOMPARE(run.cli->outText(), lines(kStartWarnings));
    QCOMPARE(run.cli->exitCode(), 0);

    CliScenario& bad = finished("checkbad");
    QCOMPARE(bad.frameWords(), kReadOnlyFrames);
    QCOMPARE(bad.cli->exitCode(), 7);
    const QJsonObject object = jsonLine(bad.cli->out);
    QCOMPARE(object.value(QStringLiteral("address")).toString(), bad.proxy.address());
    QCOMPARE(object.value(QStringLiteral("result")).toString(), QStringLiteral("errors"));
    QCOMPARE(problemWords(object).first(), QStringLiteral("error Conexao.SubNetMask"));

    // No password, no read.
    const CliResult noPassword = runCli({QStringLiteral("check"), bad.proxy.address()});
    QCOMPARE(noPassword.exitCode, 2);
}

void TestCliChecks::showMarksFieldsWithProblems()
{
    const QString file = configFile(QStringLiteral("show.ini"), withText(startImage(), "VSubnet", "255.0.255.0"));
    const CliResult result = runCli({QStringLiteral("show"), file});
    QCOMPARE(result.exitCode, 0);
    const QStringList shown = result.outText().split(QLatin1Char('\n'));
    const qsizetype mask = shown.indexOf(QStringLiteral("  Subnet Mask: 255.0.255.0 [Conexao.SubNetMask]"));
    QVERIFY2(mask > 0, qPrintable(result.outText()));
    QCOMPARE(shown.at(mask + 1), QStringLiteral("    !! erro: a máscara 255.0.255.0 não é contígua (todos os bits 1 "
                                                "devem vir antes dos bits 0); sugestão: 255.0.0.0"));
    // A field without a problem has no mark under it.
    const qsizetype ip = shown.indexOf(QStringLiteral("  IP Local: 192.168.0.50 [Conexao.IPLocal]"));
    QVERIFY(ip > 0);
    QVERIFY(!shown.at(ip + 1).startsWith(QStringLiteral("    !!")));
    QCOMPARE(result.outText().count(QStringLiteral("!! erro")), 1);
    QCOMPARE(result.outText().count(QStringLiteral("!! aviso")), 4);
}

void TestCliChecks::applyWithAnErrorSendsNothingThatChanges()
{
    CliScenario& run = finished("applybad");
    QCOMPARE(run.frameWords(), kReadOnlyFrames);
    QCOMPARE(run.cli->exitCode(), 7);
    const QString where = QStringLiteral("hxconfig-cli: %1: ").arg(run.proxy.address());
    // The error, then only the warnings the write would bring (none here), then the refusal.
    QCOMPARE(run.cli->errText(), where + kMaskError + QStringLiteral(" (novo)\n") + where +
                                     QStringLiteral("a configuração a gravar tem 1 erro(s); nada foi enviado (--force "
                                                    "grava mesmo assim)\n"));
    QCOMPARE(run.cli->out, QByteArray());
    QCOMPARE(configurationOf(run.sim.storedImage()), configurationOf(startImage()));

    CliScenario& json = finished("applybadjson");
    QCOMPARE(json.cli->exitCode(), 7);
    const QJsonObject object = jsonLine(json.cli->out);
    QCOMPARE(object.value(QStringLiteral("result")).toString(), QStringLiteral("failed"));
    QCOMPARE(problemWords(object),
             QStringList({QStringLiteral("error Conexao.SubNetMask novo"), QStringLiteral("warning Conexao.Login já"),
                          QStringLiteral("warning Conexao.Password já"), QStringLiteral("warning Conexao.CNPJ já"),
                          QStringLiteral("warning Conexao.CNPJ já")}));
}

void TestCliChecks::errorTheTerminalAlreadyHadIsNamed()
{
    CliScenario& run = finished("already");
    QCOMPARE(run.frameWords(), kReadOnlyFrames);
    QCOMPARE(run.cli->exitCode(), 7);
    const QString where = QStringLiteral("hxconfig-cli: %1: ").arg(run.proxy.address());
    QCOMPARE(
        run.cli->errText(),
        where + kGatewayError + QStringLiteral(" (já estava no terminal)\n") + where +
            QStringLiteral("a configuração a gravar tem 1 erro(s); nada foi enviado (--force grava mesmo assim)\n"));

    // A write that brings its own error names both; a mask that divides nothing hides the gateway's.
    const QString profile = writeFile(path(QStringLiteral("port.ini")), "[Conexao]\r\nPortaLocal=70000\r\n");
    const CliResult both =
        runCli({QStringLiteral("apply"), run.proxy.address(), profile, kPasswordOption, QStringLiteral("--dry-run")});
    QCOMPARE(both.exitCode, 7);
    QCOMPARE(both.err, where +
                           QStringLiteral("Conexão / Porta Local [Conexao.PortaLocal]: erro: \"70000\" não é uma "
                                          "porta (um número de 0 a 65535) (novo)\n") +
                           where + kGatewayError + QStringLiteral(" (já estava no terminal)\n") + where +
                           QStringLiteral("a configuração a gravar tem 2 erro(s); nada foi enviado (--force grava "
                                          "mesmo assim)\n"));
    QCOMPARE(configurationOf(run.sim.storedImage()), configurationOf(withText(startImage(), "VGateway", "10.1.1.1")));
}

void TestCliChecks::forceWritesAnyway()
{
    CliScenario& run = finished("force");
    QCOMPARE(run.frameWords(), kFullSequence);
    QCOMPARE(run.cli->exitCode(), 0);
    QVERIFY2(run.cli->errText().startsWith(QStringLiteral("hxconfig-cli: %1: ").arg(run.proxy.address()) + kMaskError +
                                           QStringLiteral(" (novo)\n")),
             qPrintable(run.cli->errText()));
    QCOMPARE(withText(startImage(), "VSubnet", "255.0.255.0").mid(82, 16), run.sim.storedImage().mid(82, 16));
}

void TestCliChecks::restoreOfAFileWithErrorsIsRefused()
{
    CliScenario& run = finished("restorebad");
    QCOMPARE(run.frameWords(), kReadOnlyFrames);
    QCOMPARE(run.cli->exitCode(), 7);
    QVERIFY2(run.cli->errText().contains(kMaskError + QStringLiteral(" (novo)\n")), qPrintable(run.cli->errText()));
}

void TestCliChecks::fleetErrorsRefuseBeforeAnyConnection_data()
{
    QTest::addColumn<QByteArray>("fleet");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("problems");

    const QByteArray port = QByteArray::number(m_listener.serverPort());
    const auto at = [&port](int host) {
        return QStringLiteral("127.0.0.%1:%2").arg(host).arg(QString::fromLatin1(port));
    };
    const QByteArray radio =
        "address;password;Gerais.Interface2G;Gerais.NumTerminal;Gerais.CanalBase;Conexao.IPLocal\n" + at(1).toLatin1() +
        ";123456;Sim;07;02;192.168.0.61\n" + at(2).toLatin1() + ";123456;Sim;08;02;192.168.0.62\n" + at(3).toLatin1() +
        ";123456;Sim;07;02;192.168.0.63\n";
    QTest::newRow("radio clash")
        << radio << QStringList()
        << QStringList{QStringLiteral("linhas 2 e 4 (%1, %2): Gerais / Nº do Terminal [Gerais.NumTerminal]: erro: o "
                                      "mesmo Nº do Terminal 07 no mesmo Canal Base 02 com \"Interface de RF 2.4G\" "
                                      "marcado: os terminais interferem no ar")
                           .arg(at(1), at(3))};
    const QByteArray gateway = "address;password;Conexao.IPLocal\n" + at(1).toLatin1() + ";123456;192.168.0.1\n" +
                               at(2).toLatin1() + ";123456;192.168.0.62\n";
    QTest::newRow("ip local is the gateway")
        << gateway
        << QStringList{QStringLiteral("--set=Conexao.Gateway=192.168.0.1"),
                       QStringLiteral("--set=Conexao.SubNetMask=255.255.255.0")}
        << QStringList{QStringLiteral("linha 2 (%1): Conexão / Gateway [Conexao.Gateway]: erro: o Gateway é o próprio "
                                      "IP Local (192.168.0.1); sugestão: o endereço do roteador da rede, ou 0.0.0.0 "
                                      "sem roteador")
                           .arg(at(1)),
                       QStringLiteral("linhas 2 e 3 (%1, %2): Conexão / IP Local [Conexao.IPLocal]: erro: o IP Local "
                                      "do primeiro (192.168.0.1) é o Gateway do segundo")
                           .arg(at(1), at(2))};
    const QByteArray mask = "address;password;Conexao.SubNetMask\n" + at(1).toLatin1() + ";123456;255.255.255.0\n" +
                            at(2).toLatin1() + ";123456;0.0.0.0\n";
    QTest::newRow("a row's own value")
        << mask << QStringList()
        << QStringList{QStringLiteral("linha 3 (%1): Conexão / Subnet Mask [Conexao.SubNetMask]: erro: a máscara "
                                      "0.0.0.0 não delimita rede alguma; sugestão: 255.255.255.0")
                           .arg(at(2))};
}

void TestCliChecks::fleetErrorsRefuseBeforeAnyConnection()
{
    QFETCH(QByteArray, fleet);
    QFETCH(QStringList, options);
    QFETCH(QStringList, problems);
    const QString file =
        writeFile(path(QStringLiteral("%1.csv").arg(QString::fromLatin1(QTest::currentDataTag()))), fleet);
    m_connections = 0;
    const CliResult result = runCli(QStringList{QStringLiteral("batch"), file} + options);
    QTest::qWait(100); // any connection would have reached the listener by now
    QCOMPARE(m_connections, 0);
    QCOMPARE(result.exitCode, 7);
    QString expected;
    for (const QString& p : problems)
        expected += QStringLiteral("hxconfig-cli: %1: %2\n").arg(file, p);
    expected += QStringLiteral("hxconfig-cli: %1: frota recusada: %2; nenhum terminal foi contatado "
                               "(--force grava mesmo assim)\n")
                    .arg(file,
                         problems.size() == 1 ? QStringLiteral("1 problema")
                                              : QStringLiteral("%1 problemas").arg(problems.size()));
    QCOMPARE(result.err, expected);
}

void TestCliChecks::fleetWarningsDoNotStopTheBatch()
{
    FleetProcess fleet(2);
    QVERIFY2(fleet.isRunning(), qPrintable(fleet.errorOutput()));
    const QByteArray rows = "address;password;Conexao.IPLocal\n" + fleet.addresses().at(0).toLatin1() +
                            ";123456;10.0.0.61\n" + fleet.addresses().at(1).toLatin1() + ";123456;10.0.0.62\n";
    const QString file = writeFile(path(QStringLiteral("spread.csv")), rows);
    // The second terminal gets a narrower mask: its network is another.
    const CliResult result =
        runCli({QStringLiteral("batch"), file, QStringLiteral("--dry-run"), QStringLiteral("--quiet"),
                QStringLiteral("--set=Conexao.SubNetMask=255.0.0.0"), QStringLiteral("--set=Conexao.Gateway=0.0.0.0")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY2(!result.err.contains(QStringLiteral("aviso")), qPrintable(result.err));

    const QByteArray spread = "address;password;Conexao.IPLocal;Conexao.SubNetMask\n" +
                              fleet.addresses().at(0).toLatin1() + ";123456;10.0.0.61;255.0.0.0\n" +
                              fleet.addresses().at(1).toLatin1() + ";123456;10.0.0.62;255.255.255.0\n";
    const QString spreadFile = writeFile(path(QStringLiteral("spread2.csv")), spread);
    const CliResult warned = runCli({QStringLiteral("batch"), spreadFile, QStringLiteral("--dry-run"),
                                     QStringLiteral("--quiet"), QStringLiteral("--set=Conexao.Gateway=0.0.0.0")});
    QCOMPARE(warned.exitCode, 0);
    QVERIFY2(warned.err.startsWith(QStringLiteral("hxconfig-cli: %1: linhas 2 e 3 (%2, %3): Conexão / IP Local "
                                                  "[Conexao.IPLocal]: aviso: os IP Local estão em 2 redes diferentes: "
                                                  "10.0.0.0/8 (1), 10.0.0.0/24 (1)\n")
                                       .arg(spreadFile, fleet.addresses().at(0), fleet.addresses().at(1))),
             qPrintable(warned.err));
}

void TestCliChecks::forcedFleetGoesAhead()
{
    FleetProcess fleet(2);
    QVERIFY2(fleet.isRunning(), qPrintable(fleet.errorOutput()));
    const QByteArray rows = "address;password;Conexao.SubNetMask\n" + fleet.addresses().at(0).toLatin1() +
                            ";123456;0.0.0.0\n" + fleet.addresses().at(1).toLatin1() + ";123456;\n";
    const QString file = writeFile(path(QStringLiteral("forced.csv")), rows);
    const CliResult result = runCli({QStringLiteral("batch"), file, QStringLiteral("--dry-run"),
                                     QStringLiteral("--json"), QStringLiteral("--force")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.err.contains(QStringLiteral("não delimita rede alguma")));
    const QList<QByteArray> results = result.out.trimmed().split('\n');
    QCOMPARE(results.size(), 2);
    const QJsonObject first = QJsonDocument::fromJson(results.at(0)).object();
    QCOMPARE(first.value(QStringLiteral("result")).toString(), QStringLiteral("dry-run"));
    QCOMPARE(problemWords(first).filter(QStringLiteral("error")),
             QStringList{QStringLiteral("error Conexao.SubNetMask novo")});
    const QJsonObject second = QJsonDocument::fromJson(results.at(1)).object();
    QCOMPARE(problemWords(second).filter(QStringLiteral("error")), QStringList());
    QCOMPARE(problemWords(second).size(), 4); // the advice every fleet terminal already had
}

HX_TEST_GUILESS_MAIN(TestCliChecks)
#include "test_cli_checks.moc"
