// hxconfig-cli batch against simulated fleets over loopback: a mixed fleet (good terminals, a wrong
// password, a mute terminal, one that refuses the unlock) with a result per terminal, the refusals
// made before any terminal is contacted, the two separators, the dry run, the report file and the
// progress on standard error. Every run is started at once in initTestCase, so that the write
// sequences' pauses overlap; each test then looks at one of them.
#include "clifixtures.h"
#include "cliprocess.h"
#include "loopback.h"
#include "simprocess.h"
#include "testprogram.h"

#include "files/csvtable.h"
#include "image/cp1252.h"
#include "image/layout.h"
#include "image/readable.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

#include <map>
#include <memory>

using namespace clifixtures;

namespace
{

int baudByte(const QByteArray& image)
{
    return image.isEmpty() ? -1 : image.at(image::fieldOf("cbBaud1")->first);
}

// The words of the table and the progress lines for the machine words of the report.
const QHash<QString, QString> kResultText = {{QStringLiteral("changed"), QStringLiteral("alterado")},
                                             {QStringLiteral("unchanged"), QStringLiteral("inalterado")},
                                             {QStringLiteral("dry-run"), QStringLiteral("simulado")},
                                             {QStringLiteral("failed"), QStringLiteral("falhou")}};

// hxconfig-cli with its standard error on a pseudo-terminal, as when a person runs it.
class TerminalRun final
{
public:
    explicit TerminalRun(const QStringList& arguments)
    {
        if (::openpty(&m_master, &m_slave, nullptr, nullptr, nullptr) != 0)
            qFatal("openpty failed");
        ::fcntl(m_master, F_SETFD, FD_CLOEXEC);
        ::fcntl(m_slave, F_SETFD, FD_CLOEXEC);
        ::fcntl(m_master, F_SETFL, O_NONBLOCK);
        const int slave = m_slave;
        m_process.setChildProcessModifier([slave] { ::dup2(slave, STDERR_FILENO); });
        m_process.start(QStringLiteral(HXCONFIG_CLI_PATH), arguments);
    }
    ~TerminalRun()
    {
        m_process.kill();
        m_process.waitForFinished();
        ::close(m_master);
        ::close(m_slave);
    }

    bool wait()
    {
        const bool ended = QTest::qWaitFor(
            [this] {
                drain();
                return m_process.state() == QProcess::NotRunning;
            },
            30000);
        drain();
        return ended;
    }
    int exitCode() const { return m_process.exitCode(); }
    QString errText() const { return QString::fromUtf8(m_err); }

private:
    void drain()
    {
        char buffer[4096];
        for (ssize_t n; (n = ::read(m_master, buffer, sizeof buffer)) > 0;)
            m_err.append(buffer, n);
    }

    int m_master = -1;
    int m_slave = -1;
    QProcess m_process;
    QByteArray m_err;
};

} // namespace

class TestCliBatch : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void mixedFleetGivesAResultPerTerminal();
    void secondRunChangesNothing();
    void sharedIpLocalIsRefusedBeforeAnyConnection();
    void malformedFileIsRefusedBeforeAnyConnection();
    void semicolonAndCommaFilesGiveTheSamePlan();
    void dryRunWritesNothing();
    void reportFileMatchesTheTable();
    void sharedIpLocalFoundByTheReadsIsWarnedOf();
    void progressOnATerminal();
    void summaryAndLinesInPortuguese_data();
    void summaryAndLinesInPortuguese();
    void badCommandLines();

private:
    QString path(const QString& name) const { return m_dir.filePath(name); }
    CliProcess& finished(const char* name);
    void start(const char* name, const QStringList& arguments,
               const QStringList& environment = {QStringLiteral("HXCONFIG_PASSWORD=123456")});

    QTemporaryDir m_dir;
    QString m_profile;
    std::unique_ptr<FleetProcess> m_good;
    std::unique_ptr<FleetProcess> m_mute;
    std::unique_ptr<FleetProcess> m_refusing;
    std::unique_ptr<FleetProcess> m_pair;   // for the separators
    std::unique_ptr<FleetProcess> m_dry;    // for the dry run
    std::unique_ptr<FleetProcess> m_screen; // for the progress on a terminal
    QTcpServer m_listener;                  // where refused fleets would connect
    int m_connections = 0;
    QByteArray m_pairImages[2];
    QByteArray m_dryImages[2];
    std::map<QString, std::unique_ptr<CliProcess>> m_runs;
};

void TestCliBatch::start(const char* name, const QStringList& arguments, const QStringList& environment)
{
    m_runs[QString::fromLatin1(name)] = std::make_unique<CliProcess>(arguments, environment);
}

CliProcess& TestCliBatch::finished(const char* name)
{
    CliProcess& run = *m_runs.at(QString::fromLatin1(name));
    if (!run.wait())
        qFatal("hxconfig-cli batch did not end in %s", name);
    return run;
}

void TestCliBatch::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_profile = writeFile(path(QStringLiteral("profile.ini")), "[Seriais]\r\nBaudRate1=19200\r\n");
    m_good = std::make_unique<FleetProcess>(3);
    m_mute = std::make_unique<FleetProcess>(1, QStringList{QStringLiteral("--mute")});
    m_refusing = std::make_unique<FleetProcess>(1, QStringList{QStringLiteral("--refuse-unlock")});
    m_pair = std::make_unique<FleetProcess>(2);
    m_dry = std::make_unique<FleetProcess>(2);
    m_screen = std::make_unique<FleetProcess>(2);
    for (FleetProcess* fleet :
         {m_good.get(), m_mute.get(), m_refusing.get(), m_pair.get(), m_dry.get(), m_screen.get()})
        QVERIFY2(fleet->isRunning(), qPrintable(fleet->errorOutput()));
    for (int i = 0; i < 2; ++i) {
        m_pairImages[i] = m_pair->storedImage(i + 1);
        m_dryImages[i] = m_dry->storedImage(i + 1);
    }

    // The mixed fleet: two good terminals (one gets a new password, the other takes the command
    // line's password), one asked with a wrong password, a mute one, one that refuses the unlock.
    const QStringList good = m_good->addresses();
    const QByteArray mixed = "address;password;new_password;Conexao.IPLocal\r\n" + good.at(0).toLatin1() +
                             ";123456;;10.20.0.1\r\n" + good.at(1).toLatin1() + ";;654321;10.20.0.2\r\n" +
                             good.at(2).toLatin1() + ";999999;;10.20.0.3\r\n" + m_mute->addresses().at(0).toLatin1() +
                             ";123456;;10.20.0.4\r\n" + m_refusing->addresses().at(0).toLatin1() +
                             ";123456;;10.20.0.5\r\n";
    start("mixed", {QStringLiteral("batch"), writeFile(path(QStringLiteral("mixed.csv")), mixed), m_profile,
                    QStringLiteral("--timeout=1000"), QStringLiteral("--backup-dir"), path(QStringLiteral("mixed")),
                    QStringLiteral("--report"), path(QStringLiteral("mixed.json"))});

    // Refused before any connection: the fleet's terminals are all the listener here.
    QVERIFY(m_listener.listen(QHostAddress::LocalHost, 0));
    connect(&m_listener, &QTcpServer::newConnection, this, [this] {
        while (QTcpSocket* socket = m_listener.nextPendingConnection()) {
            ++m_connections;
            socket->deleteLater();
        }
    });
    const QByteArray port = QByteArray::number(m_listener.serverPort());
    const QByteArray here = "127.0.0.1:" + port;
    const QByteArray sharedIp = "address,Seriais.BaudRate1\n" + here + ",\n127.0.0.2:" + port + ",\n127.0.0.3:" + port +
                                ",9601\n" + here + ",\n";
    start("sharedip", {QStringLiteral("batch"), writeFile(path(QStringLiteral("sharedip.csv")), sharedIp), m_profile,
                       QStringLiteral("--set=Conexao.IPLocal=10.0.0.5")});
    const QByteArray malformed = "address;password\n" + here + ";123456\n127.0.0.2:" + port + ";12\"3456\n";
    start("malformed", {QStringLiteral("batch"), writeFile(path(QStringLiteral("malformed.csv")), malformed)});

    // One fleet as two spreadsheets would export it.
    const QStringList pair = m_pair->addresses();
    const QByteArray semicolons =
        cp1252::encode(QStringLiteral("address;password;Conexao.IPLocal;Conexao.Login\r\n%1;123456;10.30.0.1;"
                                      "operação\r\n%2;;10.30.0.2;\"um;dois\"\r\n")
                           .arg(pair.at(0), pair.at(1)));
    const QByteArray commas = "\xEF\xBB\xBF"
                              "Address,Password,CONEXAO.IPLOCAL,conexao.login\n\"" +
                              pair.at(0).toLatin1() + "\",\"123456\",10.30.0.1,opera\xC3\xA7\xC3\xA3o\n" +
                              pair.at(1).toLatin1() + ", , 10.30.0.2 ,um;dois\n";
    const QStringList dryJson = {QStringLiteral("--dry-run"), QStringLiteral("--json"), QStringLiteral("--parallel=1")};
    start("semicolons",
          QStringList{QStringLiteral("batch"), writeFile(path(QStringLiteral("semicolons.csv")), semicolons)} +
              dryJson);
    start("commas",
          QStringList{QStringLiteral("batch"), writeFile(path(QStringLiteral("commas.csv")), commas)} + dryJson);

    // The first terminal is given the IP Local the second one already holds.
    const QByteArray late = "address;Conexao.IPLocal\n" + m_dry->addresses().at(0).toLatin1() + ";10.0.0.2\n" +
                            m_dry->addresses().at(1).toLatin1() + ";\n";
    start("lateip", {QStringLiteral("batch"), writeFile(path(QStringLiteral("lateip.csv")), late),
                     QStringLiteral("--dry-run"), QStringLiteral("--quiet")});

    start("dryrun", {QStringLiteral("batch"), m_dry->fleetFile(), m_profile, QStringLiteral("--dry-run"),
                     QStringLiteral("--backup-dir"), path(QStringLiteral("dry")), QStringLiteral("--report"),
                     path(QStringLiteral("dry.csv"))});
}

void TestCliBatch::mixedFleetGivesAResultPerTerminal()
{
    CliProcess& run = finished("mixed");
    QCOMPARE(run.exitCode(), 8);
    const QStringList good = m_good->addresses();
    const QString mute = m_mute->addresses().at(0);
    const QString refusing = m_refusing->addresses().at(0);

    // The report: a result per terminal, in the file's order.
    const QJsonObject report = QJsonDocument::fromJson(readFile(path(QStringLiteral("mixed.json")))).object();
    QCOMPARE(report.value(QStringLiteral("total")).toInt(), 5);
    QCOMPARE(report.value(QStringLiteral("failed")).toInt(), 3);
    const QJsonArray terminals = report.value(QStringLiteral("terminals")).toArray();
    QCOMPARE(terminals.size(), 5);
    const auto field = [&](int i, const char* name) { return terminals.at(i).toObject().value(QLatin1String(name)); };
    const QStringList addresses = {good.at(0), good.at(1), good.at(2), mute, refusing};
    const QStringList results = {QStringLiteral("changed"), QStringLiteral("changed"), QStringLiteral("failed"),
                                 QStringLiteral("failed"), QStringLiteral("failed")};
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(field(i, "address").toString(), addresses.at(i));
        QCOMPARE(field(i, "result").toString(), results.at(i));
    }
    QCOMPARE(field(2, "error").toString(), QStringLiteral("leitura recusada: verifique a senha"));
    QCOMPARE(field(3, "error").toString(), QStringLiteral("sem resposta do terminal em 1000 ms (pedido de status)"));
    QVERIFY(field(4, "error")
                .toString()
                .startsWith(QStringLiteral("desbloqueio recusado pelo terminal (cópia de "
                                           "segurança: ")));

    // Every good terminal was written and verified: its own IP Local, the profile's baud rate, the
    // new password where one was asked; its backup holds what it had.
    for (int i = 0; i < 2; ++i) {
        QVERIFY(field(i, "verified").toBool());
        const QByteArray stored = m_good->storedImage(i + 1);
        QCOMPARE(shownValue(stored, "VIpLocal"), QStringLiteral("10.20.0.%1").arg(i + 1));
        QCOMPARE(baudByte(stored), 4);
        const QString backup = field(i, "backup").toString();
        QCOMPARE(QFileInfo(backup).absolutePath(), path(QStringLiteral("mixed")));
        QCOMPARE(shownValue(parsedConfig(readFile(backup)).image, "VIpLocal"), QStringLiteral("10.0.0.%1").arg(i + 1));
        // IP Local and baud rate; the second also its password bytes.
        QCOMPARE(field(i, "changes").toArray().size(), i == 0 ? 2 : 3);
    }
    QCOMPARE(m_good->storedPassword(1), QStringLiteral("123456"));
    QCOMPARE(m_good->storedPassword(2), QStringLiteral("654321"));
    // The failed ones hold what they held; only the one that got as far as the unlock has a backup.
    QCOMPARE(shownValue(m_good->storedImage(3), "VIpLocal"), QStringLiteral("10.0.0.3"));
    QCOMPARE(baudByte(m_mute->storedImage(1)), 3);
    QCOMPARE(baudByte(m_refusing->storedImage(1)), 3);
    QVERIFY(QFileInfo::exists(field(4, "backup").toString()));
    QCOMPARE(QDir(path(QStringLiteral("mixed"))).entryList(QDir::Files).size(), 3);

    // Standard error is no terminal here: a line per finished terminal as it finishes, then the
    // summary.
    const QStringList lines = run.errText().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 6);
    QStringList finishedLines;
    for (int k = 1; k <= 5; ++k) {
        const QString numbered = QStringLiteral("[%1/5] ").arg(k);
        QVERIFY2(lines.at(k - 1).startsWith(numbered), qPrintable(lines.at(k - 1)));
        finishedLines << lines.at(k - 1).mid(numbered.size());
    }
    QStringList expectedLines;
    for (int i = 0; i < 5; ++i) {
        expectedLines << addresses.at(i) + QStringLiteral(": ") + kResultText.value(results.at(i)) +
                             (i < 2 ? QString() : QStringLiteral(": ") + field(i, "error").toString());
    }
    finishedLines.sort();
    expectedLines.sort();
    QCOMPARE(finishedLines, expectedLines);
    QVERIFY2(lines.last().startsWith(QStringLiteral("hxconfig-cli: %1: 5 terminais: 2 alterados, 0 inalterados, 0 "
                                                    "simulados, 3 falharam, em ")
                                         .arg(path(QStringLiteral("mixed.csv")))),
             qPrintable(lines.last()));
}

void TestCliBatch::secondRunChangesNothing()
{
    QCOMPARE(finished("mixed").exitCode(), 8);
    const QStringList good = m_good->addresses();
    const QByteArray again = "address;password;Conexao.IPLocal\r\n" + good.at(0).toLatin1() + ";123456;10.20.0.1\r\n" +
                             good.at(1).toLatin1() + ";654321;10.20.0.2\r\n";
    const CliResult run =
        runCli({QStringLiteral("batch"), writeFile(path(QStringLiteral("again.csv")), again), m_profile,
                QStringLiteral("--json"), QStringLiteral("--backup-dir"), path(QStringLiteral("again"))});
    QCOMPARE(run.exitCode, 0);
    const QList<QByteArray> lines = run.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    for (const QByteArray& line : lines)
        QCOMPARE(QJsonDocument::fromJson(line).object().value(QStringLiteral("result")).toString(),
                 QStringLiteral("unchanged"));
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("again"))));
}

void TestCliBatch::sharedIpLocalIsRefusedBeforeAnyConnection()
{
    CliProcess& run = finished("sharedip");
    QCOMPARE(run.exitCode(), 7);
    QCOMPARE(run.outText(), QString());
    const QString file = path(QStringLiteral("sharedip.csv"));
    const QString port = QString::number(m_listener.serverPort());
    const QString here = QStringLiteral("127.0.0.1:") + port;
    // Every problem, each on its line.
    const QStringList expected = {
        QStringLiteral("hxconfig-cli: %1: linha 4 (127.0.0.3:%2): Valor não aceito em [Seriais] BaudRate1=9601; "
                       "valores aceitos: \"1200\", \"2400\", \"4800\", \"9600\", \"19200\", \"38400\", \"57600\", "
                       "\"115200\"")
            .arg(file, port),
        QStringLiteral("hxconfig-cli: %1: linhas 2 e 5 (%2, %2): o mesmo terminal %2 em mais de uma linha")
            .arg(file, here),
        QStringLiteral("hxconfig-cli: %1: linhas 2, 3, 4 e 5 (%2, 127.0.0.2:%3, 127.0.0.3:%3, %2): o mesmo IP Local "
                       "10.0.0.5; o perfil define Conexao.IPLocal para todos: dê a cada terminal o seu na coluna "
                       "Conexao.IPLocal")
            .arg(file, here, port),
        QStringLiteral("hxconfig-cli: %1: frota recusada: 3 problemas; nenhum terminal foi contatado").arg(file),
    };
    QCOMPARE(run.errText().split(u'\n', Qt::SkipEmptyParts), expected);
    QTest::qWait(100);
    QCOMPARE(m_connections, 0);
}

void TestCliBatch::malformedFileIsRefusedBeforeAnyConnection()
{
    CliProcess& run = finished("malformed");
    QCOMPARE(run.exitCode(), 6);
    QCOMPARE(run.errText(),
             QStringLiteral("hxconfig-cli: batch: %1: linha 3: aspas fora do lugar (uma célula com "
                            "aspas deve começar e terminar com elas, e aspas dentro dela vêm dobradas)\n")
                 .arg(path(QStringLiteral("malformed.csv"))));
    QTest::qWait(100);
    QCOMPARE(m_connections, 0);
}

void TestCliBatch::semicolonAndCommaFilesGiveTheSamePlan()
{
    CliProcess& semicolons = finished("semicolons");
    CliProcess& commas = finished("commas");
    QCOMPARE(semicolons.exitCode(), 0);
    QCOMPARE(commas.exitCode(), 0);
    QVERIFY(!semicolons.out.isEmpty());
    QCOMPARE(commas.outText(), semicolons.outText());
    // What the plan is: each terminal's own address and login, nothing sent.
    const QList<QByteArray> lines = semicolons.out.trimmed().split('\n');
    QCOMPARE(lines.size(), 2);
    const QJsonArray changes = QJsonDocument::fromJson(lines.at(1)).object().value(QStringLiteral("changes")).toArray();
    QStringList seen;
    for (const QJsonValue& change : changes)
        seen << change.toObject().value(QStringLiteral("key")).toString() + u'=' +
                    change.toObject().value(QStringLiteral("to")).toString();
    QCOMPARE(seen, QStringList({QStringLiteral("IPLocal=10.30.0.2"), QStringLiteral("Login=um;dois")}));
    QVERIFY(semicolons.outText().contains(QStringLiteral("\"to\":\"operação\"")));
    for (int i = 0; i < 2; ++i)
        QCOMPARE(m_pair->storedImage(i + 1), m_pairImages[i]);
}

void TestCliBatch::dryRunWritesNothing()
{
    CliProcess& run = finished("dryrun");
    QCOMPARE(run.exitCode(), 0);
    for (int i = 0; i < 2; ++i)
        QCOMPARE(m_dry->storedImage(i + 1), m_dryImages[i]);
    QVERIFY(!QFileInfo::exists(path(QStringLiteral("dry"))));
    // What would change, terminal by terminal, before the table.
    const QString first = m_dry->addresses().at(0);
    QVERIFY2(
        run.outText().startsWith(QStringLiteral("%1: simulação, nada foi enviado; 1 campo mudaria\n"
                                                "  Seriais / Baud - Rate COM 1 [Seriais.BaudRate1]: 9600 -> 19200\n")
                                     .arg(first)),
        qPrintable(run.outText()));
    QVERIFY(run.errText().contains(QStringLiteral("2 terminais: 0 alterados, 0 inalterados, 2 simulados, 0 falharam")));
}

void TestCliBatch::reportFileMatchesTheTable()
{
    CliProcess& run = finished("dryrun");
    const QString out = run.outText();
    const QList<QStringList> table = tableCells(out.mid(out.indexOf(QStringLiteral("\nendereço")) + 1));
    auto parsed = parseCsv(readFile(path(QStringLiteral("dry.csv"))));
    QVERIFY(parsed.ok());
    QList<QStringList> report;
    for (const CsvRow& row : parsed.value().rows) {
        QStringList cells = row.cells;
        while (!cells.isEmpty() && cells.last().isEmpty()) // the table does not print empty last cells
            cells.removeLast();
        report << cells;
    }
    QCOMPARE(report.size(), 3);
    QCOMPARE(report.first(),
             QStringList({QStringLiteral("address"), QStringLiteral("result"), QStringLiteral("changes"),
                          QStringLiteral("backup"), QStringLiteral("error")}));
    QCOMPARE(report.at(1), QStringList({m_dry->addresses().at(0), QStringLiteral("dry-run"), QStringLiteral("1")}));
    // The same cells for people: Portuguese headings and result words.
    QCOMPARE(table.first(),
             QStringList({QStringLiteral("endereço"), QStringLiteral("resultado"), QStringLiteral("alterações"),
                          QStringLiteral("cópia de segurança"), QStringLiteral("erro")}));
    QCOMPARE(table.size(), report.size());
    for (qsizetype row = 1; row < report.size(); ++row) {
        QStringList expected = report.at(row);
        expected[1] = kResultText.value(expected.at(1));
        QCOMPARE(table.at(row), expected);
    }

    // The mixed run: its JSON report against its table, cell by cell.
    CliProcess& mixed = finished("mixed");
    const QList<QStringList> mixedTable = tableCells(mixed.outText());
    const QJsonArray terminals = QJsonDocument::fromJson(readFile(path(QStringLiteral("mixed.json"))))
                                     .object()
                                     .value(QStringLiteral("terminals"))
                                     .toArray();
    QCOMPARE(mixedTable.size(), terminals.size() + 1);
    for (qsizetype i = 0; i < terminals.size(); ++i) {
        const QJsonObject t = terminals.at(i).toObject();
        QStringList expected = {t.value(QStringLiteral("address")).toString(),
                                kResultText.value(t.value(QStringLiteral("result")).toString()),
                                QString::number(t.value(QStringLiteral("changes")).toArray().size()),
                                t.value(QStringLiteral("backup")).toString(),
                                t.value(QStringLiteral("error")).toString()};
        expected.removeAll(QString());
        QCOMPARE(mixedTable.at(i + 1), expected);
    }
}

void TestCliBatch::sharedIpLocalFoundByTheReadsIsWarnedOf()
{
    CliProcess& run = finished("lateip");
    QCOMPARE(run.exitCode(), 0);
    QVERIFY2(run.errText().contains(
                 QStringLiteral("hxconfig-cli: %1: aviso: linhas 2 e 3 (%2, %3): o mesmo IP Local "
                                "10.0.0.2\n")
                     .arg(path(QStringLiteral("lateip.csv")), m_dry->addresses().at(0), m_dry->addresses().at(1))),
             qPrintable(run.errText()));
}

void TestCliBatch::progressOnATerminal()
{
    // On a terminal: one status line rewritten in place, no line per terminal.
    const QStringList args = {QStringLiteral("batch"), m_screen->fleetFile(), m_profile, QStringLiteral("--dry-run")};
    TerminalRun screen(args);
    QVERIFY(screen.wait());
    QCOMPARE(screen.exitCode(), 0);
    const QString err = screen.errText();
    QVERIFY2(err.contains(QStringLiteral("\r2/2 terminais, falhas: 0, ")), qPrintable(err));
    QVERIFY(err.contains(QStringLiteral("\x1b[K")));
    QVERIFY(!err.contains(QStringLiteral("[1/2]")));

    // With --quiet, the lines again, and nothing on standard output.
    TerminalRun quiet(args + QStringList{QStringLiteral("--quiet")});
    QVERIFY(quiet.wait());
    QVERIFY2(quiet.errText().contains(QStringLiteral("[1/2] ")), qPrintable(quiet.errText()));
    QVERIFY(!quiet.errText().contains(QStringLiteral("\r2/2 terminais")));
}

void TestCliBatch::summaryAndLinesInPortuguese_data()
{
    QTest::addColumn<QString>("rows"); // "dry" and "closed" for a simulated terminal and a closed port
    QTest::addColumn<QString>("line"); // the line of the first terminal, after its address
    QTest::addColumn<QString>("summary");
    QTest::newRow("one dry run") << QStringLiteral("dry") << QStringLiteral("simulado")
                                 << QStringLiteral("1 terminal: 0 alterados, 0 inalterados, 1 simulado, 0 falharam");
    QTest::newRow("one failure") << QStringLiteral("closed")
                                 << QStringLiteral(
                                        "falhou: conexão recusada: o terminal está ligado, no endereço e porta certos?")
                                 << QStringLiteral("1 terminal: 0 alterados, 0 inalterados, 0 simulados, 1 falhou");
    QTest::newRow("both") << QStringLiteral("dry closed") << QStringLiteral("simulado")
                          << QStringLiteral("2 terminais: 0 alterados, 0 inalterados, 1 simulado, 1 falhou");
}

void TestCliBatch::summaryAndLinesInPortuguese()
{
    QFETCH(QString, rows);
    QFETCH(QString, line);
    QFETCH(QString, summary);
    const QString closed = QStringLiteral("127.0.0.1:%1").arg(closedPort());
    QByteArray fleet = "endereço;senha\r\n";
    QStringList addresses;
    for (const QString& row : rows.split(u' ')) {
        addresses << (row == QStringLiteral("dry") ? m_dry->addresses().at(0) : closed);
        fleet += addresses.last().toUtf8() + ";123456\r\n";
    }
    const QString file = writeFile(path(QStringLiteral("words.csv")), "\xEF\xBB\xBF" + fleet);
    const CliResult run =
        runCli({QStringLiteral("batch"), file, m_profile, QStringLiteral("--dry-run"), QStringLiteral("--parallel=1")});
    QVERIFY2(run.err.contains(QStringLiteral("[1/%1] %2: %3\n").arg(addresses.size()).arg(addresses.first(), line)),
             qPrintable(run.err));
    QVERIFY2(run.err.contains(QStringLiteral("hxconfig-cli: %1: %2, em ").arg(file, summary)), qPrintable(run.err));
}

void TestCliBatch::badCommandLines()
{
    const QString fleet = writeFile(path(QStringLiteral("one.csv")), "address\n127.0.0.1:1\n");
    QCOMPARE(runCli({QStringLiteral("batch")}).exitCode, 2);
    QCOMPARE(runCli({QStringLiteral("batch"), fleet, m_profile, QStringLiteral("extra")}).exitCode, 2);
    const CliResult parallel = runCli({QStringLiteral("batch"), fleet, QStringLiteral("--parallel=0")});
    QCOMPARE(parallel.exitCode, 2);
    QVERIFY(parallel.err.contains(QStringLiteral("--parallel espera um número de 1 a 10000")));
    // No password anywhere: refused with the fleet's problems, before any connection.
    const CliResult noPassword = runCli({QStringLiteral("batch"), fleet});
    QCOMPARE(noPassword.exitCode, 7);
    QVERIFY(noPassword.err.contains(QStringLiteral("linha 2 (127.0.0.1:1): falta a senha")));
    const CliResult missing = runCli({QStringLiteral("batch"), path(QStringLiteral("missing.csv"))});
    QCOMPARE(missing.exitCode, 6);
    QVERIFY(missing.err.contains(QStringLiteral("não foi possível ler o arquivo")));
}

HX_TEST_GUILESS_MAIN(TestCliBatch)
#include "test_cli_batch.moc"
