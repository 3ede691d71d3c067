// What hxconfig-cli tells a user who got something wrong: each error names what failed and what to
// try, exactly as printed on standard error, against hxterm-sim over loopback.
#include "clifixtures.h"
#include "cliprocess.h"
#include "loopback.h"
#include "simprocess.h"
#include "testprogram.h"

#include "image/layout.h"

#include <QTemporaryDir>
#include <QTest>

using namespace clifixtures;

class TestCliMessages : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void errorsSayWhatToTry_data();
    void errorsSayWhatToTry();
    void rightSpellingOfTheSpeedItem();
    void passwordFileMarkAndLineEnds_data();
    void passwordFileMarkAndLineEnds();

private:
    // "@SIM", "@CLOSED" and "@DIR" stand for the simulator, a closed port and the test's folder.
    QString filledIn(QString text) const;

    QTemporaryDir m_dir;
    std::unique_ptr<SimProcess> m_sim;
    QString m_closed;
};

QString TestCliMessages::filledIn(QString text) const
{
    return text.replace(QStringLiteral("@SIM"), m_sim->address())
        .replace(QStringLiteral("@CLOSED"), m_closed)
        .replace(QStringLiteral("@DIR"), m_dir.path());
}

void TestCliMessages::initTestCase()
{
    QByteArray image = startImage();
    image[image::fieldOf("cbVelocidade")->first] = 1; // "10 Mbit/s"
    m_sim = std::make_unique<SimProcess>(imageArgs(m_dir.filePath(QStringLiteral("start.img")), image));
    QVERIFY(m_sim->isRunning());
    m_closed = QStringLiteral("127.0.0.1:%1").arg(closedPort());
    QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("ConfDefault.ini")),
                       "[Rede]\r\nVelocRede=Automatico\r\n[Conexao]\r\nLogin=loja\r\n")
                 .isEmpty());
    QByteArray logo;
    for (int i = 0; i < 40; ++i)
        logo += i == 6 ? "00,11,2X,33,44,55,\r\n" : "00,11,22,33,44,55,\r\n";
    QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("logo.txt")), logo).isEmpty());
    QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("long.txt")), "1234567\r\n").isEmpty());
}

void TestCliMessages::errorsSayWhatToTry_data()
{
    QTest::addColumn<QString>("arguments"); // split at blanks
    QTest::addColumn<int>("exit");
    QTest::addColumn<QString>("error");

    const QString profile =
        QStringLiteral("@DIR/ConfDefault.ini: é um perfil (seções da empresa, sem a seção [Imagem] de um arquivo lido "
                       "com read), não um arquivo de configuração: para ver o que ele mudaria num terminal, use "
                       "hxconfig-cli apply ENDEREÇO @DIR/ConfDefault.ini --dry-run");
    QTest::newRow("connection refused")
        << QStringLiteral("status @CLOSED") << 3
        << QStringLiteral("hxconfig-cli: @CLOSED: conexão recusada: o terminal está ligado, no endereço e porta "
                          "certos?");
    QTest::newRow("show of a profile") << QStringLiteral("show @DIR/ConfDefault.ini") << 6
                                       << QStringLiteral("hxconfig-cli: show: ") + profile;
    QTest::newRow("diff of a profile") << QStringLiteral("diff @DIR/ConfDefault.ini @DIR/ConfDefault.ini") << 6
                                       << QStringLiteral("hxconfig-cli: diff: ") + profile;
    QTest::newRow("restore of a profile") << QStringLiteral("restore @SIM @DIR/ConfDefault.ini --password=123456") << 6
                                          << QStringLiteral("hxconfig-cli: @SIM: ") + profile;
    QTest::newRow("logo file, its line")
        << QStringLiteral("logo @SIM @DIR/logo.txt --password=123456") << 6
        << QStringLiteral("hxconfig-cli: @SIM: @DIR/logo.txt: não foi possível ler o arquivo de logotipo: linha 7: "
                          "\"2X\" não é um par hexadecimal (coluna 7) (o arquivo tem 40 linhas de seis pares "
                          "hexadecimais, como 00,1F,A0,FF,00,00)");
    QTest::newRow("password file, too long")
        << QStringLiteral("read @SIM --password-file @DIR/long.txt") << 2
        << QStringLiteral("hxconfig-cli: a senha deve ter de 1 a 6 caracteres, não 7");
    QTest::newRow("new password, too short")
        << QStringLiteral("apply @SIM @DIR/ConfDefault.ini --password=123456 --new-password=12345") << 7
        << QStringLiteral("hxconfig-cli: a nova senha deve ter exatamente 6 caracteres, não 5");
    QTest::newRow("parallel out of range") << QStringLiteral("scan 127.0.0.1/32 --parallel=0") << 2
                                           << QStringLiteral("hxconfig-cli: --parallel espera um número de 1 a "
                                                             "10000, não 0");
}

void TestCliMessages::errorsSayWhatToTry()
{
    QFETCH(QString, arguments);
    QFETCH(int, exit);
    QFETCH(QString, error);
    const CliResult run = runCli(filledIn(arguments).split(u' '));
    QCOMPARE(run.exitCode, exit);
    QCOMPARE(run.err, filledIn(error) + QLatin1Char('\n'));
    QVERIFY(run.out.isEmpty());
}

void TestCliMessages::rightSpellingOfTheSpeedItem()
{
    // The terminal's item reads "100 Mbis/s"; the right spelling names it too, and what is shown
    // stays the terminal's own text.
    for (const QString& value :
         {QStringLiteral("100 Mbis/s"), QStringLiteral("100 Mbit/s"), QStringLiteral("100 mbit/s")}) {
        const CliResult run =
            runCli({QStringLiteral("apply"), m_sim->address(), m_dir.filePath(QStringLiteral("ConfDefault.ini")),
                    kPasswordOption, QStringLiteral("--dry-run"), QStringLiteral("--set"),
                    QStringLiteral("Rede.VelocRede=") + value});
        QCOMPARE(run.exitCode, 0);
        QVERIFY2(
            run.outText().contains(QStringLiteral("Velocidade de Rede [Rede.VelocRede]: 10 Mbit/s -> 100 Mbis/s\n")),
            qPrintable(run.outText()));
    }
    // A value that names no item is still refused with the accepted values, in the terminal's words.
    const CliResult wrong =
        runCli({QStringLiteral("apply"), m_sim->address(), m_dir.filePath(QStringLiteral("ConfDefault.ini")),
                kPasswordOption, QStringLiteral("--dry-run"), QStringLiteral("--set=Rede.VelocRede=1000 Mbit/s")});
    QCOMPARE(wrong.exitCode, 7);
    QVERIFY2(wrong.err.contains(QStringLiteral("\"100 Mbis/s\"")), qPrintable(wrong.err));
}

void TestCliMessages::passwordFileMarkAndLineEnds_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("LF") << QByteArray("123456\n");
    QTest::newRow("CR LF") << QByteArray("123456\r\n");
    QTest::newRow("CR, a second line") << QByteArray("123456\rsegunda\r");
    QTest::newRow("byte-order mark, CR LF") << QByteArray("\xEF\xBB\xBF"
                                                          "123456\r\n");
    QTest::newRow("no line end") << QByteArray("123456");
}

void TestCliMessages::passwordFileMarkAndLineEnds()
{
    QFETCH(QByteArray, bytes);
    const QString file = writeFile(m_dir.filePath(QStringLiteral("senha.txt")), bytes);
    const CliResult read = runCli(
        {QStringLiteral("read"), m_sim->address(), QStringLiteral("--password-file"), file, QStringLiteral("--json")});
    QVERIFY2(read.err.isEmpty(), qPrintable(read.err));
    QCOMPARE(read.exitCode, 0);
}

HX_TEST_GUILESS_MAIN(TestCliMessages)
#include "test_cli_messages.moc"
