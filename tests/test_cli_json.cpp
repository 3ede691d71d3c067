// hxconfig-cli --json against hxterm-sim over loopback: every command answers with JSON Lines, one
// object per terminal per line, on success and failure alike, each line starting with address,
// result, error and exit in that order, then the command's own keys; read without -o gives the
// configuration itself.
#include "clifixtures.h"
#include "cliprocess.h"
#include "loopback.h"
#include "simprocess.h"
#include "testprogram.h"

#include "image/layout.h"
#include "image/profile.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTest>

using namespace clifixtures;

namespace
{

const QStringList kFixedKeys = {QStringLiteral("address"), QStringLiteral("result"), QStringLiteral("error"),
                                QStringLiteral("exit")};

// "@SIM", "@NOTREADY", "@CLOSED", "@PORT" (the simulator's) and "@DIR" stand for the test's terminals and folder.
QStringList filledIn(QStringList list, const QMap<QString, QString>& places)
{
    for (QString& item : list) {
        for (auto it = places.begin(); it != places.end(); ++it)
            item.replace(it.key(), it.value());
    }
    return list;
}

QStringList rows(std::initializer_list<const char*> list)
{
    QStringList result;
    for (const char* row : list)
        result << QString::fromUtf8(row);
    return result;
}

QStringList words(const char* spaced)
{
    return QString::fromUtf8(spaced).split(u' ', Qt::SkipEmptyParts);
}

} // namespace

class TestCliJson : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyCommandAnswersInJsonLines_data();
    void everyCommandAnswersInJsonLines();
    void readWithoutOutputGivesTheConfiguration();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<SimProcess> m_notReady;
    QMap<QString, QString> m_places;
};

void TestCliJson::initTestCase()
{
    m_sim = std::make_unique<SimProcess>();
    m_notReady = std::make_unique<SimProcess>(QStringList{QStringLiteral("--not-ready")});
    QVERIFY(m_sim->isRunning());
    QVERIFY(m_notReady->isRunning());
    m_places = {{QStringLiteral("@PORT"), QString::number(m_sim->port())},
                {QStringLiteral("@SIM"), m_sim->address()},
                {QStringLiteral("@NOTREADY"), m_notReady->address()},
                {QStringLiteral("@CLOSED"), QStringLiteral("127.0.0.1:%1").arg(closedPort())},
                {QStringLiteral("@DIR"), m_dir.path()}};

    // Two configuration files that differ in one field, one of another terminal.
    QByteArray image = startImage();
    const TerminalInfo info{QStringLiteral("0050C2A1B2C3"), {}, {}};
    QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("a.ini")), configFileBytes(image, info)).isEmpty());
    image = withText(image, "VLogin", "outro");
    QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("b.ini")), configFileBytes(image, info)).isEmpty());
    image[image::fieldOf("edMac")->first] = '9';
    QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("other.ini")), configFileBytes(image, info)).isEmpty());
    QVERIFY(
        !writeFile(m_dir.filePath(QStringLiteral("profile.ini")), "[Conexao]\r\nIPLocal=192.168.0.3\r\n").isEmpty());
    QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("login.ini")), "[Conexao]\r\nLogin=frota\r\n").isEmpty());
    QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("short-logo.txt")), "00,11,22,33,44,55,\r\n").isEmpty());
    const QByteArray fleet = "address;password\r\n" + m_sim->address().toLatin1() + ";123456\r\n" +
                             m_places.value(QStringLiteral("@CLOSED")).toLatin1() + ";123456\r\n";
    QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("fleet.csv")), fleet).isEmpty());
    const QByteArray twice = "address;password\r\n" + m_sim->address().toLatin1() + ";123456\r\n" +
                             m_sim->address().toLatin1() + ";123456\r\n";
    QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("twice.csv")), twice).isEmpty());
}

void TestCliJson::everyCommandAnswersInJsonLines_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("processExit");
    // Each line's "ADDRESS RESULT EXIT" ("-" for an empty address), in order.
    QTest::addColumn<QStringList>("lines");
    QTest::addColumn<QStringList>("ownKeys");
    // A part of the first line's error. A line's error is empty unless its result is "failed" or
    // "refused".
    QTest::addColumn<QString>("error");

    const QStringList write = words("changes backup verified problems");
    const QStringList sides = words("a b");
    QTest::newRow("status ready") << words("status @SIM") << 0 << rows({"@SIM ready 0"}) << QStringList{} << QString();
    QTest::newRow("status not ready") << words("status @NOTREADY") << 4 << rows({"@NOTREADY not_ready 4"})
                                      << QStringList{} << QString();
    QTest::newRow("status refused") << words("status @CLOSED") << 3 << rows({"@CLOSED failed 3"}) << QStringList{}
                                    << QStringLiteral("conexão recusada");
    QTest::newRow("read to a file") << words("read @SIM -o @DIR/read.ini --password=123456") << 0
                                    << rows({"@SIM read 0"}) << words("mac file") << QString();
    QTest::newRow("read to standard output") << words("read @SIM -o - --password=123456") << 0 << rows({"@SIM read 0"})
                                             << words("mac read_at values image") << QString();
    QTest::newRow("read, wrong password") << words("read @SIM --password=654321") << 4 << rows({"@SIM failed 4"})
                                          << QStringList{} << QStringLiteral("verifique a senha");
    QTest::newRow("read, no terminal") << words("read @CLOSED --password=123456") << 3 << rows({"@CLOSED failed 3"})
                                       << QStringList{} << QStringLiteral("conexão recusada");
    QTest::newRow("read, output not written")
        << words("read @SIM -o @DIR/missing/read.ini --password=123456") << 6 << rows({"@SIM failed 6"})
        << QStringList{} << QStringLiteral("@DIR/missing/read.ini");
    QTest::newRow("diff equal") << words("diff @DIR/a.ini @DIR/a.ini") << 0 << rows({"- equal 0"})
                                << words("a b changes disagreements") << QString();
    QTest::newRow("diff different") << words("diff @DIR/a.ini @DIR/b.ini") << 1 << rows({"- different 1"})
                                    << words("a b changes disagreements") << QString();
    QTest::newRow("diff, missing file") << words("diff @DIR/none.ini @DIR/a.ini") << 6 << rows({"- failed 6"}) << sides
                                        << QStringLiteral("@DIR/none.ini");
    QTest::newRow("diff, no terminal") << words("diff @DIR/a.ini @CLOSED --password=123456") << 3
                                       << rows({"@CLOSED failed 3"}) << sides
                                       << QStringLiteral("@CLOSED: conexão recusada");
    QTest::newRow("apply dry run") << words("apply @SIM @DIR/profile.ini --dry-run --password=123456") << 0
                                   << rows({"@SIM dry-run 0"}) << write << QString();
    QTest::newRow("apply, missing profile") << words("apply @SIM @DIR/none.ini --password=123456") << 6
                                            << rows({"@SIM failed 6"}) << write << QStringLiteral("@DIR/none.ini");
    QTest::newRow("restore another terminal's file")
        << words("restore @SIM @DIR/other.ini --dry-run --password=123456") << 7 << rows({"@SIM failed 7"}) << write
        << QStringLiteral("--clone");
    QTest::newRow("check a file") << words("check @DIR/a.ini") << 0 << rows({"- warnings 0"}) << words("file problems")
                                  << QString();
    QTest::newRow("check a terminal") << words("check @SIM --password=123456") << 0 << rows({"@SIM warnings 0"})
                                      << words("problems") << QString();
    QTest::newRow("check, missing file") << words("check @DIR/none.ini") << 6 << rows({"- failed 6"})
                                         << words("file problems") << QStringLiteral("@DIR/none.ini");
    QTest::newRow("logo, bad file") << words("logo @SIM @DIR/short-logo.txt --password=123456") << 6
                                    << rows({"@SIM failed 6"}) << QStringList{} << QStringLiteral("logotipo");
    QTest::newRow("batch, one per terminal") << words("batch @DIR/fleet.csv @DIR/login.ini --dry-run --password=123456")
                                             << 8 << rows({"@SIM dry-run 0", "@CLOSED failed 3"}) << write << QString();
    QTest::newRow("batch refused") << words("batch @DIR/twice.csv --dry-run") << 7 << rows({"- refused 7"})
                                   << words("problems") << QStringLiteral("frota recusada");
    QTest::newRow("batch, missing fleet") << words("batch @DIR/none.csv --dry-run --password=123456") << 6
                                          << rows({"- failed 6"}) << QStringList{} << QStringLiteral("@DIR/none.csv");
    QTest::newRow("scan") << words("scan 127.0.0.1/32 --port=@PORT") << 0 << rows({"@SIM ready 0"}) << QStringList{}
                          << QString();
    QTest::newRow("bad command line") << words("status @SIM --timeout=0") << 2 << rows({"- failed 2"}) << QStringList{}
                                      << QStringLiteral("--timeout espera milissegundos");
}

void TestCliJson::everyCommandAnswersInJsonLines()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, processExit);
    QFETCH(QStringList, lines);
    QFETCH(QStringList, ownKeys);
    QFETCH(QString, error);

    const CliResult run = runCli(filledIn(arguments, m_places) << QStringLiteral("--json"));
    QCOMPARE(run.exitCode, processExit);
    QVERIFY2(run.out.endsWith('\n'), run.out.constData());
    const QList<QByteArray> got = run.out.chopped(1).split('\n');
    QCOMPARE(got.size(), lines.size());
    for (qsizetype i = 0; i < got.size(); ++i) {
        const QByteArray& text = got.at(i);
        QJsonParseError problem;
        const QJsonDocument document = QJsonDocument::fromJson(text, &problem);
        QVERIFY2(problem.error == QJsonParseError::NoError && document.isObject(), text.constData());
        const QJsonObject object = document.object();

        // The same keys in the same places: the four fixed ones, then the command's own.
        const QStringList keys = kFixedKeys + ownKeys;
        QCOMPARE(QStringList(object.keys()).size(), keys.size());
        qsizetype previous = -1;
        for (const QString& key : keys) {
            const qsizetype at = text.indexOf('"' + key.toUtf8() + "\":");
            QVERIFY2(at > previous,
                     qPrintable(QStringLiteral("%1 out of place in %2").arg(key, QString::fromUtf8(text))));
            previous = at;
        }
        QVERIFY(text.startsWith("{\"address\":"));

        const QStringList expected = filledIn(lines.at(i).split(u' '), m_places);
        QCOMPARE(object.value(QStringLiteral("address")).toString(),
                 expected.at(0) == QStringLiteral("-") ? QString() : expected.at(0));
        QCOMPARE(object.value(QStringLiteral("result")).toString(), QString(expected.at(1)).replace(u'_', u' '));
        QCOMPARE(object.value(QStringLiteral("exit")).toInt(-1), expected.at(2).toInt());
        const QString lineError = object.value(QStringLiteral("error")).toString();
        const bool failed = expected.at(1) == QStringLiteral("failed") || expected.at(1) == QStringLiteral("refused");
        QCOMPARE(lineError.isEmpty(), !failed);
        if (i == 0 && !error.isEmpty())
            QVERIFY2(lineError.contains(filledIn({error}, m_places).at(0)), qPrintable(lineError));
        // What standard error says, the line says too.
        if (!lineError.isEmpty())
            QVERIFY2(run.err.contains(lineError), qPrintable(run.err));
    }
}

void TestCliJson::readWithoutOutputGivesTheConfiguration()
{
    const CliResult run = runCli({QStringLiteral("read"), m_sim->address(), kPasswordOption, QStringLiteral("--json")});
    QCOMPARE(run.exitCode, 0);
    QCOMPARE(run.out.count('\n'), 1);
    const QJsonObject object = QJsonDocument::fromJson(run.out).object();
    const QByteArray image = m_sim->storedImage();
    QCOMPARE(image.size(), image::kImageSize);
    QCOMPARE(object.value(QStringLiteral("mac")).toString(), QStringLiteral("0050C2A1B2C3"));
    QCOMPARE(QByteArray::fromHex(object.value(QStringLiteral("image")).toString().toLatin1()), image);
    QVERIFY(!object.value(QStringLiteral("read_at")).toString().isEmpty());

    // Every key of the configuration file, with the file's value.
    const QJsonObject values = object.value(QStringLiteral("values")).toObject();
    const image::Profile keys = image::profileOf(image);
    QCOMPARE(values.size(), keys.size());
    for (const image::ProfileEntry& entry : keys) {
        const QString name = entry.section + QLatin1Char('.') + entry.key;
        QVERIFY2(values.contains(name), qPrintable(name));
        QCOMPARE(values.value(name).toString(), entry.value);
    }
    QCOMPARE(values.value(QStringLiteral("Conexao.IPLocal")).toString(), QStringLiteral("192.168.0.50"));
}

HX_TEST_GUILESS_MAIN(TestCliJson)
#include "test_cli_json.moc"
