// hxconfig-cli in English and in Portuguese: its help and one error of each exit code in the
// language of the locale it runs in, against hxterm-sim over loopback.
#include "clifixtures.h"
#include "cliprocess.h"
#include "loopback.h"
#include "simprocess.h"
#include "testprogram.h"

#include "files/configfile.h"

#include <QTemporaryDir>
#include <QTest>

using namespace clifixtures;

class TestCliLanguage : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void textsFollowTheLocale_data();
    void textsFollowTheLocale();

private:
    // "@SIM", "@BAD", "@CLOSED" and "@DIR": the simulator, one that stores what it is sent with a
    // bit flipped, a closed port and the test's folder.
    QString filledIn(QString text) const;

    QTemporaryDir m_dir;
    std::unique_ptr<SimProcess> m_sim;
    std::unique_ptr<SimProcess> m_corrupting;
    QString m_closed;
};

QString TestCliLanguage::filledIn(QString text) const
{
    return text.replace(QStringLiteral("@SIM"), m_sim->address())
        .replace(QStringLiteral("@BAD"), m_corrupting->address())
        .replace(QStringLiteral("@CLOSED"), m_closed)
        .replace(QStringLiteral("@DIR"), m_dir.path());
}

void TestCliLanguage::initTestCase()
{
    m_sim = std::make_unique<SimProcess>(imageArgs(m_dir.filePath(QStringLiteral("start.img")), startImage()));
    m_corrupting = std::make_unique<SimProcess>(QStringList{QStringLiteral("--corrupt-writes")});
    QVERIFY(m_sim->isRunning());
    QVERIFY(m_corrupting->isRunning());
    m_closed = QStringLiteral("127.0.0.1:%1").arg(closedPort());
    QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("profile.ini")), "[Conexao]\r\nLogin=loja\r\n").isEmpty());
    QVERIFY(
        !writeFile(m_dir.filePath(QStringLiteral("retries.ini")),
                   configFileBytes(withText(startImage(), "edRetries", "3x"), {QStringLiteral("0050C2A1B2C3"), {}, {}}))
             .isEmpty());
    QVERIFY(!writeFile(m_dir.filePath(QStringLiteral("fleet.csv")), "address\r\n" + m_closed.toLatin1() + "\r\n")
                 .isEmpty());
}

void TestCliLanguage::textsFollowTheLocale_data()
{
    QTest::addColumn<QString>("arguments"); // split at blanks
    QTest::addColumn<int>("exit");
    QTest::addColumn<bool>("onStandardError");
    QTest::addColumn<QString>("portuguese"); // the start of what is printed, blanks aside
    QTest::addColumn<QString>("english");

    QTest::newRow("help") << "--help" << 0 << false
                          << "Uso: hxconfig-cli COMANDO [opções] ARGUMENTOS\n     hxconfig-cli COMANDO --help\n\n"
                             "Lê, compara, aplica, verifica e restaura a configuração de microterminais pela rede.\n"
                          << "Usage: hxconfig-cli COMMAND [options] ARGUMENTS\n       hxconfig-cli COMMAND --help\n\n"
                             "Reads, compares, applies, verifies and restores the configuration of microterminals "
                             "over the\nnetwork.\n";
    QTest::newRow("command help") << "read --help" << 0 << false
                                  << "Uso: hxconfig-cli read [opções] ENDEREÇO\n\nLê a configuração do terminal"
                                  << "Usage: hxconfig-cli read [options] ADDRESS\n\nReads the terminal's configuration";
    QTest::newRow("2 usage") << "scan 127.0.0.1/32 --parallel=0" << 2 << true
                             << "hxconfig-cli: --parallel espera um número de 1 a 10000, não 0\n"
                             << "hxconfig-cli: --parallel expects a number from 1 to 10000, not 0\n";
    QTest::newRow("2 missing value") << "status @CLOSED --timeout" << 2 << true
                                     << "hxconfig-cli: status: Faltando valor após '--timeout'.\n"
                                     << "hxconfig-cli: status: Missing value after '--timeout'.\n";
    QTest::newRow("3 no connection")
        << "status @CLOSED" << 3 << true
        << "hxconfig-cli: @CLOSED: conexão recusada: o terminal está ligado, no endereço e porta certos?\n"
        << "hxconfig-cli: @CLOSED: connection refused: is the terminal on, at the right address and port?\n";
    QTest::newRow("4 terminal refused") << "read @SIM --password=654321" << 4 << true
                                        << "hxconfig-cli: @SIM: leitura recusada: verifique a senha\n"
                                        << "hxconfig-cli: @SIM: read refused: check the password\n";
    QTest::newRow("5 verification failed")
        << "apply @BAD @DIR/profile.ini --password=123456 --set=Conexao.PortaLocal=4321 --backup-dir @DIR/backups" << 5
        << true << "hxconfig-cli: @BAD: verificação falhou: o terminal guarda outra configuração do que a enviada"
        << "hxconfig-cli: @BAD: verification failed: the terminal holds another configuration than the one sent";
    QTest::newRow("6 file problem") << "show @DIR/missing.ini" << 6 << true
                                    << "hxconfig-cli: show: @DIR/missing.ini: não foi possível ler o arquivo: "
                                       "arquivo ou pasta inexistente\n"
                                    << "hxconfig-cli: show: @DIR/missing.ini: could not read the file: "
                                       "no such file or folder\n";
    QTest::newRow("7 refused before writing")
        << "apply @SIM @DIR/profile.ini --password=123456 --new-password=12345" << 7 << true
        << "hxconfig-cli: a nova senha deve ter exatamente 6 caracteres, não 5\n"
        << "hxconfig-cli: the new password must have exactly 6 characters, not 5\n";
    QTest::newRow("8 some failed") << "batch @DIR/fleet.csv @DIR/profile.ini --password=123456" << 8 << false
                                   << "endereço   resultado  alterações  cópia de segurança  erro\n"
                                   << "address    result     changes     backup              error\n";
    // Page names and captions come from the field table; section and key names and values stay.
    QTest::newRow("show") << "show @DIR/retries.ini" << 0 << false
                          << "Terminal\n  MAC: 0050C2A1B2C3\nRede\n  Timeout Rede: 1000 [Rede.TimeOutRede]\n"
                             "  Nº Retries: 3x [Rede.NumRetries]\n    !! erro: \"3x\" deve ter só algarismos\n"
                             "  Velocidade de Rede: Automático [Rede.VelocRede]\n"
                          << "Terminal\n  MAC: 0050C2A1B2C3\nNetwork\n  Network Timeout: 1000 [Rede.TimeOutRede]\n"
                             "  No. of Retries: 3x [Rede.NumRetries]\n    !! error: \"3x\" must hold digits only\n"
                             "  Network Speed: Automático [Rede.VelocRede]\n";
    QTest::newRow("check") << "check @DIR/retries.ini" << 7 << false
                           << "Rede / Nº Retries [Rede.NumRetries]: erro: \"3x\" deve ter só algarismos\n"
                           << "Network / No. of Retries [Rede.NumRetries]: error: \"3x\" must hold digits only\n";
}

void TestCliLanguage::textsFollowTheLocale()
{
    QFETCH(QString, arguments);
    QFETCH(int, exit);
    QFETCH(bool, onStandardError);
    QFETCH(QString, portuguese);
    QFETCH(QString, english);
    const struct {
        const char* locale;
        QString expected;
    } languages[] = {{"LC_ALL=pt_BR.UTF-8", portuguese}, {"LC_ALL=en_US.UTF-8", english}};
    for (const auto& [locale, expected] : languages) {
        const CliResult run = runCli(filledIn(arguments).split(u' '), {QString::fromLatin1(locale)});
        QCOMPARE(run.exitCode, exit);
        const QString shown = onStandardError ? run.err : run.outText();
        // Blanks as they come: a table's columns are as wide as the port numbers of the run.
        QVERIFY2(shown.simplified().startsWith(filledIn(expected).simplified()),
                 qPrintable(QString::fromLatin1(locale) + QLatin1Char('\n') + shown));
    }
}

HX_TEST_MAIN(TestCliLanguage)
#include "test_cli_language.moc"
