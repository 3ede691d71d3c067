// hxconfig-cli's reading commands against hxterm-sim over loopback: status, read, show, diff and
// logo, the help texts, the password sources, and the exit codes of bad command lines.
#include "clifixtures.h"
#include "cliprocess.h"
#include "loopback.h"
#include "projectversion.h"
#include "recordingproxy.h"
#include "simprocess.h"
#include "testprogram.h"

#include "files/configfile.h"
#include "image/layout.h"
#include "link/frames.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

using namespace clifixtures;

namespace
{

QStringList args(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* a : list)
        result << QString::fromUtf8(a);
    return result;
}

QJsonObject jsonOf(const QByteArray& line)
{
    return QJsonDocument::fromJson(line).object();
}

} // namespace

class TestCli : public QObject
{
    Q_OBJECT

private slots:
    void helpListsCommandsOptionsAndExitCodes();
    void version();
    void badCommandLinesExitTwo_data();
    void badCommandLinesExitTwo();
    void newPasswordOfWrongLengthIsRefused();

    void status();
    void statusFailures();
    void readToStandardOutputAndFile();
    void readPasswordSources();
    void readFailures();
    void showGroupsFieldsByPage();
    void showRejectsBadFiles();
    void diffFilesAndAddresses();
    void diffFailures();
    void logoFrameOnTheWire();
    void logoFileProblems();

private:
    QTemporaryDir m_dir;
};

void TestCli::helpListsCommandsOptionsAndExitCodes()
{
    const CliResult general = runCli(args({"--help"}));
    QCOMPARE(general.exitCode, 0);
    for (const char* command : {"status", "read", "show", "diff", "check", "apply", "restore", "logo"})
        QVERIFY2(general.outText().contains(QStringLiteral("\n  %1 ").arg(QLatin1String(command))), command);
    QVERIFY(general.outText().contains(QStringLiteral("Códigos de saída:\n  0  sucesso")));
    QVERIFY(general.outText().contains(QStringLiteral("  7  recusado antes de gravar")));

    const QStringList writeOptions = {QStringLiteral("--new-password P"),
                                      QStringLiteral("--dry-run"),
                                      QStringLiteral("--no-reboot"),
                                      QStringLiteral("--no-verify"),
                                      QStringLiteral("--backup-dir PASTA"),
                                      QStringLiteral("--log ARQUIVO"),
                                      QStringLiteral("--json"),
                                      QStringLiteral("--quiet"),
                                      QStringLiteral("--set Secao.Chave=Valor"),
                                      QStringLiteral("--password P"),
                                      QStringLiteral("--password-file ARQUIVO"),
                                      QStringLiteral("--timeout MS"),
                                      QStringLiteral("--force")};
    for (const char* command : {"apply", "restore"}) {
        const CliResult help = runCli({QString::fromLatin1(command), QStringLiteral("--help")});
        QCOMPARE(help.exitCode, 0);
        QVERIFY(
            help.outText().startsWith(QStringLiteral("Uso: hxconfig-cli %1 [opções] ").arg(QLatin1String(command))));
        for (const QString& option : writeOptions)
            QVERIFY2(help.outText().contains(QStringLiteral("  ") + option), qPrintable(option));
        for (int code = 0; code <= 7; ++code)
            QVERIFY(help.outText().contains(QStringLiteral("\n  %1  ").arg(code)));
        QVERIFY(help.outText().contains(QStringLiteral("HXCONFIG_PASSWORD")));
    }
    const CliResult restore = runCli(args({"restore", "-h"}));
    QVERIFY(restore.outText().contains(QStringLiteral("  --clone")));
    QVERIFY(restore.outText().contains(QStringLiteral("  --keep-ip")));
    // Each command lists only its own options, and the exit codes.
    const CliResult show = runCli(args({"show", "--help"}));
    QCOMPARE(show.exitCode, 0);
    QVERIFY(!show.outText().contains(QStringLiteral("--password")));
    QVERIFY(show.outText().contains(QStringLiteral("Códigos de saída:")));
    const CliResult read = runCli(args({"read", "--help"}));
    QVERIFY(read.outText().contains(QStringLiteral("  -o, --output ARQUIVO")));
    QVERIFY(!read.outText().contains(QStringLiteral("--dry-run")));
}

void TestCli::version()
{
    const CliResult result = runCli(args({"--version"}));
    QCOMPARE(result.exitCode, 0);
    QVERIFY(!projectVersion().isEmpty());
    QCOMPARE(result.outText(), QStringLiteral("hxconfig-cli %1\n").arg(projectVersion()));
}

void TestCli::badCommandLinesExitTwo_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("message");
    const QString a = QStringLiteral("127.0.0.1:1");
    QTest::newRow("no command") << QStringList{} << QStringLiteral("falta o comando");
    QTest::newRow("unknown command") << args({"write", "1.2.3.4"}) << QStringLiteral("comando desconhecido: write");
    QTest::newRow("unknown option") << args({"status", "--bogus", "1.2.3.4"})
                                    << QStringLiteral("status: Opção desconhecida 'bogus'.");
    QTest::newRow("option of another command")
        << args({"status", "--dry-run", "1.2.3.4"}) << QStringLiteral("status: Opção desconhecida 'dry-run'.");
    QTest::newRow("option before the command")
        << args({"--quiet", "status", "1.2.3.4"}) << QStringLiteral("hxconfig-cli: Opção desconhecida 'quiet'.\n");
    QTest::newRow("missing value") << args({"status", "1.2.3.4", "--timeout"})
                                   << QStringLiteral("hxconfig-cli: status: Faltando valor após '--timeout'.\n");
    QTest::newRow("missing argument") << args({"apply", "1.2.3.4"}) << QStringLiteral("apply espera ENDEREÇO PERFIL");
    QTest::newRow("extra argument") << args({"status", "1.2.3.4", "5.6.7.8"}) << QStringLiteral("status espera");
    QTest::newRow("bare host name") << args({"status", "terminal"})
                                    << QStringLiteral("endereço inválido: terminal (IPv4 ou host:porta)");
    QTest::newRow("bad port") << args({"status", "1.2.3.4:99999"}) << QStringLiteral("endereço inválido");
    QTest::newRow("bad timeout") << QStringList{QStringLiteral("status"), QStringLiteral("--timeout=0"), a}
                                 << QStringLiteral("--timeout espera milissegundos");
    QTest::newRow("set without key") << QStringList{QStringLiteral("apply"), a, QStringLiteral("p.ini"),
                                                    kPasswordOption, QStringLiteral("--set=Rede=1")}
                                     << QStringLiteral("--set espera Secao.Chave=Valor, não Rede=1");
    QTest::newRow("set unknown key") << QStringList{QStringLiteral("apply"), a, QStringLiteral("p.ini"),
                                                    kPasswordOption, QStringLiteral("--set=Rede.Bogus=1")}
                                     << QStringLiteral("--set: chave desconhecida Rede.Bogus");
    QTest::newRow("clone without address") << QStringList{QStringLiteral("restore"), a, QStringLiteral("f.ini"),
                                                          kPasswordOption, QStringLiteral("--clone")}
                                           << QStringLiteral("--clone pede --set Conexao.IPLocal=... ou --keep-ip");
    QTest::newRow("keep-ip alone") << QStringList{QStringLiteral("restore"), a, QStringLiteral("f.ini"),
                                                  kPasswordOption, QStringLiteral("--keep-ip")}
                                   << QStringLiteral("--keep-ip só vale com --clone");
    QTest::newRow("no password") << QStringList{QStringLiteral("read"), a}
                                 << QStringLiteral("read: falta a senha (--password, --password-file ou "
                                                   "HXCONFIG_PASSWORD)");
    QTest::newRow("password too long") << QStringList{QStringLiteral("read"), a, QStringLiteral("--password=1234567")}
                                       << QStringLiteral("a senha deve ter de 1 a 6 caracteres");
}

void TestCli::badCommandLinesExitTwo()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, message);
    const CliResult result = runCli(arguments);
    QCOMPARE(result.exitCode, 2);
    QVERIFY(result.out.isEmpty());
    QVERIFY2(result.err.startsWith(QStringLiteral("hxconfig-cli: ")), qPrintable(result.err));
    QVERIFY2(result.err.contains(message), qPrintable(result.err));
}

void TestCli::newPasswordOfWrongLengthIsRefused()
{
    // Refused before anything is sent: no terminal listens there.
    const CliResult result = runCli({QStringLiteral("apply"), QStringLiteral("127.0.0.1:%1").arg(closedPort()),
                                     QStringLiteral("p.ini"), kPasswordOption, QStringLiteral("--new-password=12345")});
    QCOMPARE(result.exitCode, 7);
    QCOMPARE(result.err, QStringLiteral("hxconfig-cli: a nova senha deve ter exatamente 6 caracteres, não 5\n"));
}

void TestCli::status()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    CliResult result = runCli({QStringLiteral("status"), sim.address()});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.outText(), QStringLiteral("pronto\n"));
    QVERIFY(result.err.isEmpty());

    result = runCli({QStringLiteral("status"), sim.address(), QStringLiteral("--json")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(jsonOf(result.out).value(QStringLiteral("result")).toString(), QStringLiteral("ready"));
    QCOMPARE(jsonOf(result.out).value(QStringLiteral("address")).toString(), sim.address());

    result = runCli({QStringLiteral("status"), sim.address(), QStringLiteral("--quiet")});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.isEmpty());

    SimProcess notReady({QStringLiteral("--not-ready")});
    QVERIFY(notReady.isRunning());
    result = runCli({QStringLiteral("status"), notReady.address()});
    QCOMPARE(result.exitCode, 4);
    QCOMPARE(result.outText(), QStringLiteral("não pronto\n"));
}

void TestCli::statusFailures()
{
    const QString closed = QStringLiteral("127.0.0.1:%1").arg(closedPort());
    CliResult result = runCli({QStringLiteral("status"), closed});
    QCOMPARE(result.exitCode, 3);
    QVERIFY(result.out.isEmpty());
    QCOMPARE(result.err,
             QStringLiteral("hxconfig-cli: %1: conexão recusada: o terminal está ligado, no endereço e porta certos?\n")
                 .arg(closed));

    StalledPort stalled;
    const QString unanswered = QStringLiteral("127.0.0.1:%1").arg(stalled.port());
    result = runCli({QStringLiteral("status"), unanswered, QStringLiteral("--timeout=300")});
    QCOMPARE(result.exitCode, 3);
    QCOMPARE(result.err,
             QStringLiteral("hxconfig-cli: %1: terminal não localizado: sem conexão em 300 ms\n").arg(unanswered));

    SimProcess mute({QStringLiteral("--mute")});
    QVERIFY(mute.isRunning());
    result =
        runCli({QStringLiteral("status"), mute.address(), QStringLiteral("--timeout=300"), QStringLiteral("--json")});
    QCOMPARE(result.exitCode, 3);
    QCOMPARE(result.err, QStringLiteral("hxconfig-cli: %1: sem resposta do terminal em 300 ms (pedido de status)\n")
                             .arg(mute.address()));
    QCOMPARE(jsonOf(result.out).value(QStringLiteral("result")).toString(), QStringLiteral("failed"));
}

void TestCli::readToStandardOutputAndFile()
{
    SimProcess sim({QStringLiteral("--split-replies")});
    QVERIFY(sim.isRunning());
    CliResult result = runCli({QStringLiteral("read"), sim.address(), kPasswordOption});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.contains("\r\n[Imagem]\r\n"));
    const ConfigFile fromStdout = parsedConfig(result.out);
    QCOMPARE(fromStdout.image, sim.storedImage());
    QCOMPARE(fromStdout.terminal.mac, QStringLiteral("0050C2A1B2C3"));
    QCOMPARE(fromStdout.terminal.address, sim.address());

    const QString path = m_dir.filePath(QStringLiteral("read.ini"));
    result = runCli({QStringLiteral("read"), sim.address(), kPasswordOption, QStringLiteral("-o"), path});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(result.outText(),
             QStringLiteral("%1: configuração de 0050C2A1B2C3 salva em %2\n").arg(sim.address(), path));
    QCOMPARE(parsedConfig(readFile(path)).image, sim.storedImage());
    // It carries the terminal's password: for its owner only.
    QCOMPARE(unixMode(path), 0600);

    result = runCli({QStringLiteral("read"), sim.address(), kPasswordOption, QStringLiteral("--output=-")});
    QCOMPARE(result.exitCode, 0);
    QCOMPARE(parsedConfig(result.out).image, sim.storedImage());
}

void TestCli::readPasswordSources()
{
    SimProcess sim({QStringLiteral("--password"), QStringLiteral("abc")});
    QVERIFY(sim.isRunning());
    const QString file = writeFile(m_dir.filePath(QStringLiteral("pw.txt")), "abc\r\nsecond line\r\n");
    CliResult result = runCli({QStringLiteral("read"), sim.address(), QStringLiteral("--password-file"), file});
    QCOMPARE(result.exitCode, 0);
    result = runCli({QStringLiteral("read"), sim.address()}, {QStringLiteral("HXCONFIG_PASSWORD=abc")});
    QCOMPARE(result.exitCode, 0);
    // --password wins over the environment.
    result = runCli({QStringLiteral("read"), sim.address(), QStringLiteral("--password=xyz")},
                    {QStringLiteral("HXCONFIG_PASSWORD=abc")});
    QCOMPARE(result.exitCode, 4);
    QCOMPARE(result.err, QStringLiteral("hxconfig-cli: %1: leitura recusada: verifique a senha\n").arg(sim.address()));

    const QString missing = m_dir.filePath(QStringLiteral("missing.txt"));
    result = runCli({QStringLiteral("read"), sim.address(), QStringLiteral("--password-file"), missing});
    QCOMPARE(result.exitCode, 6);
    QVERIFY2(result.err.startsWith(QStringLiteral("hxconfig-cli: %1: não foi possível ler o arquivo").arg(missing)),
             qPrintable(result.err));
}

void TestCli::readFailures()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    // A folder where the file should go: nothing is left behind.
    const QString folder = m_dir.filePath(QStringLiteral("target"));
    QVERIFY(QDir().mkpath(folder));
    CliResult result = runCli({QStringLiteral("read"), sim.address(), kPasswordOption, QStringLiteral("-o"), folder});
    QCOMPARE(result.exitCode, 6);
    QVERIFY(result.err.contains(QStringLiteral("não foi possível")));
    QCOMPARE(QDir(m_dir.path()).entryList(QDir::Files | QDir::NoDotAndDotDot).filter(QStringLiteral("target")),
             QStringList());
    QVERIFY(QDir(folder).isEmpty());

    SimProcess notReady({QStringLiteral("--not-ready")});
    QVERIFY(notReady.isRunning());
    result = runCli({QStringLiteral("read"), notReady.address(), kPasswordOption});
    QCOMPARE(result.exitCode, 4);
    QCOMPARE(result.err,
             QStringLiteral("hxconfig-cli: %1: terminal não está pronto (status recusado)\n").arg(notReady.address()));
    QVERIFY(result.out.isEmpty());
}

void TestCli::showGroupsFieldsByPage()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    const QString path = m_dir.filePath(QStringLiteral("show.ini"));
    QCOMPARE(runCli({QStringLiteral("read"), sim.address(), kPasswordOption, QStringLiteral("-o"), path}).exitCode, 0);
    const CliResult result = runCli({QStringLiteral("show"), path});
    QCOMPARE(result.exitCode, 0);
    const QStringList lines = result.outText().split(u'\n');
    QCOMPARE(lines.value(0), QStringLiteral("Terminal"));
    QCOMPARE(lines.value(1), QStringLiteral("  MAC: 0050C2A1B2C3"));
    // The pages in the editor's order, each followed by its fields.
    qsizetype last = -1;
    for (const QString& page : {QStringLiteral("Rede"), QStringLiteral("Conexão"), QStringLiteral("Protocolo"),
                                QStringLiteral("Gerais"), QStringLiteral("Seriais")}) {
        const qsizetype at = lines.indexOf(page);
        QVERIFY2(at > last, qPrintable(page));
        last = at;
    }
    const qsizetype conexao = lines.indexOf(QStringLiteral("Conexão"));
    const qsizetype ip = lines.indexOf(QStringLiteral("  IP Local: 192.168.0.50 [Conexao.IPLocal]"));
    QVERIFY(ip > conexao && ip < lines.indexOf(QStringLiteral("Protocolo")));
    QVERIFY(lines.contains(QStringLiteral("  Baud - Rate COM 1: 9600 [Seriais.BaudRate1]")));
    QVERIFY(lines.contains(QStringLiteral("  Velocidade de Rede: Automático [Rede.VelocRede]")));
    // One line per field: every keyed field once.
    QCOMPARE(lines.filter(QRegularExpression(QStringLiteral("^  .*\\[[A-Za-z]+\\.[A-Za-z0-9/]+\\]$"))).size(),
             qsizetype(image::keyedFields().size()));
}

void TestCli::showRejectsBadFiles()
{
    const QString missing = m_dir.filePath(QStringLiteral("none.ini"));
    CliResult result = runCli({QStringLiteral("show"), missing});
    QCOMPARE(result.exitCode, 6);
    QCOMPARE(result.err, QStringLiteral("hxconfig-cli: show: %1: não foi possível ler o arquivo: arquivo ou pasta "
                                        "inexistente\n")
                             .arg(missing));
    // A folder is no file; the reason is the tool's own, never the system's English.
    result = runCli({QStringLiteral("show"), m_dir.path()});
    QCOMPARE(result.exitCode, 6);
    QCOMPARE(result.err,
             QStringLiteral("hxconfig-cli: show: %1: não foi possível ler o arquivo: é uma pasta, não um arquivo\n")
                 .arg(m_dir.path()));

    SimProcess sim;
    QVERIFY(sim.isRunning());
    const CliResult read = runCli({QStringLiteral("read"), sim.address(), kPasswordOption});
    QByteArray broken = read.out;
    broken.replace("Bytes020=31", "Bytes020=ZZ");
    const qsizetype brokenLine = broken.left(broken.indexOf("Bytes020=")).count('\n') + 1;
    const QString path = writeFile(m_dir.filePath(QStringLiteral("broken.ini")), broken);
    result = runCli({QStringLiteral("show"), path});
    QCOMPARE(result.exitCode, 6);
    QVERIFY2(result.err.contains(QStringLiteral("%1: ").arg(path)), qPrintable(result.err));
    QVERIFY2(result.err.contains(QString::number(brokenLine)), qPrintable(result.err));
    QVERIFY(result.out.isEmpty());
}

void TestCli::diffFilesAndAddresses()
{
    SimProcess a;
    const QByteArray otherImage = withText(startImage(), "VIpLocal", "10.1.1.1");
    SimProcess b(imageArgs(m_dir.filePath(QStringLiteral("b.img")), otherImage));
    QVERIFY(a.isRunning() && b.isRunning());
    const QString fileA = m_dir.filePath(QStringLiteral("a.ini"));
    QCOMPARE(runCli({QStringLiteral("read"), a.address(), kPasswordOption, QStringLiteral("-o"), fileA}).exitCode, 0);

    // Equal: nothing printed, exit 0, like diff.
    CliResult result = runCli({QStringLiteral("diff"), fileA, fileA});
    QCOMPARE(result.exitCode, 0);
    QVERIFY(result.out.isEmpty());
    result = runCli({QStringLiteral("diff"), fileA, a.address(), kPasswordOption});
    QCOMPARE(result.exitCode, 0);

    // Two terminals read side by side.
    result = runCli({QStringLiteral("diff"), a.address(), b.address(), kPasswordOption});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.outText(), QStringLiteral("Conexão / IP Local [Conexao.IPLocal]: 192.168.0.50 -> 10.1.1.1\n"));

    result = runCli({QStringLiteral("diff"), fileA, b.address(), kPasswordOption, QStringLiteral("--json")});
    QCOMPARE(result.exitCode, 1);
    const QJsonObject json = jsonOf(result.out);
    QCOMPARE(json.value(QStringLiteral("result")).toString(), QStringLiteral("different"));
    const QJsonObject change = json.value(QStringLiteral("changes")).toArray().at(0).toObject();
    QCOMPARE(change.value(QStringLiteral("section")).toString(), QStringLiteral("Conexao"));
    QCOMPARE(change.value(QStringLiteral("key")).toString(), QStringLiteral("IPLocal"));
    QCOMPARE(change.value(QStringLiteral("page")).toString(), QStringLiteral("Conexão"));
    QCOMPARE(change.value(QStringLiteral("caption")).toString(), QStringLiteral("IP Local"));
    QCOMPARE(change.value(QStringLiteral("from")).toString(), QStringLiteral("192.168.0.50"));
    QCOMPARE(change.value(QStringLiteral("to")).toString(), QStringLiteral("10.1.1.1"));

    // Reserved bytes are reported as changed only.
    QByteArray reserved = startImage();
    reserved[144] = char(reserved.at(144) ^ 0x40);
    SimProcess c(imageArgs(m_dir.filePath(QStringLiteral("c.img")), reserved));
    QVERIFY(c.isRunning());
    result = runCli({QStringLiteral("diff"), a.address(), c.address(), kPasswordOption});
    QCOMPARE(result.exitCode, 1);
    QCOMPARE(result.outText(), QStringLiteral("Reservado (bytes 144..169): alterado\n"));
}

void TestCli::diffFailures()
{
    SimProcess mute({QStringLiteral("--mute")});
    QVERIFY(mute.isRunning());
    const QString closed = QStringLiteral("127.0.0.1:%1").arg(closedPort());
    // Both are tried; the worse failure decides.
    CliResult result =
        runCli({QStringLiteral("diff"), closed, mute.address(), kPasswordOption, QStringLiteral("--timeout=300")});
    QCOMPARE(result.exitCode, 3);
    QVERIFY(result.err.contains(
        QStringLiteral("hxconfig-cli: %1: conexão recusada: o terminal está ligado, no endereço e porta certos?\n")
            .arg(closed)));
    QVERIFY(result.err.contains(QStringLiteral("hxconfig-cli: %1: sem resposta").arg(mute.address())));
    QVERIFY(result.out.isEmpty());

    const QString missing = m_dir.filePath(QStringLiteral("nothing.ini"));
    result = runCli({QStringLiteral("diff"), missing, missing});
    QCOMPARE(result.exitCode, 6);
    // Files alone need no password.
    QVERIFY(!result.err.contains(QStringLiteral("senha")));
}

void TestCli::logoFrameOnTheWire()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    RecordingProxy proxy(sim.port());
    QStringList lines;
    for (int i = 0; i < 40; ++i)
        lines << QStringLiteral("%1,11,22,33,44,55,").arg(i, 2, 16, QLatin1Char('0'));
    const QString logo =
        writeFile(m_dir.filePath(QStringLiteral("logo.txt")), lines.join(QStringLiteral("\r\n")).toLatin1());
    CliProcess cli({QStringLiteral("logo"), proxy.address(), logo, kPasswordOption});
    QVERIFY(cli.wait());
    QCOMPARE(cli.exitCode(), 0);
    QCOMPARE(cli.outText(), QStringLiteral("%1: logotipo enviado\n").arg(proxy.address()));

    const QList<QByteArray> frames = proxy.frameBytes();
    QCOMPARE(frames.size(), 3);
    QCOMPARE(frames.at(0), frames::statusRequest());
    QCOMPARE(frames.at(1), frames::readRequest("123456"));
    const QByteArray image = sim.storedImage();
    const QByteArray& frame = frames.at(2);
    QCOMPARE(frame.size(), image::kImageSize);
    QCOMPARE(frame.at(0), '\x82');
    QCOMPARE(frame.at(1), 'V');
    QCOMPARE(frame.mid(2, 6), QByteArray::fromHex("001122334455"));
    QCOMPARE(frame.mid(236, 6), QByteArray::fromHex("271122334455"));
    QCOMPARE(frame.mid(242), image.mid(242));
    QTRY_COMPARE(sim.storedLogo(), frame.mid(2, 240));
}

void TestCli::logoFileProblems()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    RecordingProxy proxy(sim.port());
    // 39 lines: refused before connecting.
    QStringList lines;
    for (int i = 0; i < 39; ++i)
        lines << QStringLiteral("00,11,22,33,44,55,");
    const QString logo =
        writeFile(m_dir.filePath(QStringLiteral("short.txt")), lines.join(QStringLiteral("\r\n")).toLatin1());
    const CliResult result = runCli({QStringLiteral("logo"), proxy.address(), logo, kPasswordOption});
    QCOMPARE(result.exitCode, 6);
    QCOMPARE(result.err, QStringLiteral("hxconfig-cli: %1: %2: não foi possível ler o arquivo de logotipo: linha 40: o "
                                        "arquivo acaba na linha 39; são necessárias 40 linhas (o arquivo tem 40 linhas "
                                        "de seis pares hexadecimais, como 00,1F,A0,FF,00,00)\n")
                             .arg(proxy.address(), logo));
    QVERIFY(proxy.blocks.isEmpty());
    QCOMPARE(sim.storedLogo(), QByteArray(240, '\0'));
}

HX_TEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
