// "Log Conf.": the sixteen-line record of what the editor shows, appended to LogCfg.txt in the
// program directory, and the status line that reports it.
#include "editorinput.h"
#include "image/logrecord.h"
#include "imagebuilders.h"
#include "testprogram.h"
#include "windowfixture.h"
#include "writefailure.h"

#include <QTest>

namespace
{

const QString kWriteError = QStringLiteral("Erro ao escrever no arquivo de configuração em:\r");
const QString kSuccess = QStringLiteral("Log de configuração gerado com sucesso!");
const QString kFailure = QStringLiteral("Falha ao gerar Log de configuração!");

// Lines 2..16 of the record for richImage() as the editor shows it after the read, Windows-1252.
QList<QByteArray> richRecordBody()
{
    return {
        "Configuracao MAC: 0050C2A1B2C3",
        "IP Local:192.168.0.50 Porta Local:1001 IP Remoto:192.168.0.10 Porta Remota:00023",
        "Conexao TCP: Servidor Gateway:192.168.0.1 Mascara de Rede:255.255.255.0",
        "Login:operador Password:segredo CNPJ:12345678000190",
        "Velocidade: 100 Mbis/s Half/Full Duplex:Full Duplex",
        "Timeout:1000 Retries:03",
        "Protocolo: Telnet Conexao Telnet:vt100",
        "DEL:Chr(27) BackSpace:Chr(127) Imp Default:Serial",
        "Acionamento:Entrada Teclado:44 Qwerty LCM:Sim Polaridade AT:Descida",
        "Interf. 2.4GHz:SIM  Boot Delay: 10",
        "Com0: ON Timeout: 010",
        "Baud: Paridade:Par Bits:8 Stop:2 HandShake:Nenhum Flag:Sim",
        "Com1: ON Timeout: 020",
        "Baud:9600 Paridade:\xCDmpar Bits:7 Stop:1 HandShake:XOn/ XOff Flag:N\xE3o",
        QByteArray(77, '='),
    };
}

// The date line of a record written between the two moments.
bool dateLineFits(const QByteArray& line, const QDateTime& before, const QDateTime& after)
{
    const QByteArray bar(10, '=');
    for (const QDateTime& t : {before, after}) {
        if (line == bar + logDateText(t, QLocale::system()).toLatin1() + bar)
            return true;
    }
    return false;
}

// Presses "Log Conf." and checks that the file ends with one record of these body lines.
void pressAndCheck(WindowFixture& f, const QList<QByteArray>& body)
{
    const QByteArray before = f.readFile(QStringLiteral("LogCfg.txt"));
    const QDateTime t0 = QDateTime::currentDateTime();
    f.button("btnLog")->click();
    const QDateTime t1 = QDateTime::currentDateTime();
    QCOMPARE(f.status(), kSuccess);
    const QByteArray file = f.readFile(QStringLiteral("LogCfg.txt"));
    QVERIFY(file.startsWith(before));
    const QByteArray record = file.mid(before.size());
    QVERIFY2(record.endsWith("\r\n"), record.constData());
    QList<QByteArray> lines = record.chopped(2).split('\n');
    QCOMPARE(lines.size(), 16);
    for (QByteArray& line : lines) {
        QVERIFY2(line.endsWith('\r') || &line == &lines.last(), line.constData());
        if (line.endsWith('\r'))
            line.chop(1);
    }
    QVERIFY2(dateLineFits(lines.first(), t0, t1), lines.first().constData());
    QCOMPARE(lines.mid(1), body);
}

} // namespace

class TestGuiLogConf : public QObject
{
    Q_OBJECT

private slots:
    void recordOfWhatTheEditorShows();
    void secondPressAppends();
    void settingsDirectoryNotWritable();
    void failedAppendLeavesOldFile();
};

void TestGuiLogConf::recordOfWhatTheEditorShows()
{
    WindowFixture f;
    f.create();
    feedRead(f, richImage());
    QVERIFY(f.button("btnLog")->isEnabled());
    QVERIFY(!QFile::exists(f.path(QStringLiteral("LogCfg.txt"))));
    const QByteArray image = f.w().buffer().workingCopy();
    pressAndCheck(f, richRecordBody());
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(f.w().buffer().workingCopy(), image); // the record reads the controls only
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestGuiLogConf::secondPressAppends()
{
    WindowFixture f;
    f.create();
    feedRead(f, richImage());
    pressAndCheck(f, richRecordBody());
    if (QTest::currentTestFailed())
        return;
    const QByteArray first = f.readFile(QStringLiteral("LogCfg.txt"));

    // No role, protocol Corvale, COM 0 and the radio off, a semicolon in a value, typed choice texts.
    f.check("cbConexaoTCP")->setChecked(false);
    f.radio("HabCorvale")->setChecked(true);
    f.check("cbCom0")->setChecked(false);
    f.check("cbInterface2G")->setChecked(false);
    f.edit("VLogin")->setText(QStringLiteral("a;b"));
    f.edit("VPassword")->clear();
    QLineEdit* hand = f.combo("cbHand1")->lineEdit();
    hand->selectAll();
    QTest::keyClicks(hand, QStringLiteral("nenhum"));
    QLineEdit* baud = f.combo("cbBaud1")->lineEdit();
    baud->selectAll();
    QTest::keyClicks(baud, QStringLiteral("xyz"));
    QList<QByteArray> body = richRecordBody();
    body[2] = "Gateway:192.168.0.1 Mascara de Rede:255.255.255.0";
    body[3] = "Login:a;b Password: CNPJ:12345678000190";
    body[6] = "Protocolo: Corvale Conexao Telnet:vt100";
    body[9] = "Boot Delay: 10";
    body[10] = "Com0: OFF Timeout: 010";
    body[13] = "Baud: Paridade:\xCDmpar Bits:7 Stop:1 HandShake:Nenhum Flag:N\xE3o";
    pressAndCheck(f, body);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(f.readFile(QStringLiteral("LogCfg.txt")).startsWith(first));
}

void TestGuiLogConf::settingsDirectoryNotWritable()
{
    WindowFixture f;
    f.setSettingsDir(writefailure::pathUnderFile(f.tempDir(), QStringLiteral("prog")) + QLatin1Char('/'));
    f.create(); // the start-up cannot seed the settings file either
    feedRead(f, richImage());
    f.dialogs.clear();
    f.button("btnLog")->click();
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].kind, QStringLiteral("message"));
    QCOMPARE(f.dialogs.shown[0].caption, QStringLiteral("Erro"));
    QCOMPARE(f.dialogs.shown[0].text, kWriteError + f.settingsDir());
    QCOMPARE(f.status(), kFailure);
    QVERIFY(!QFile::exists(f.path(QStringLiteral("LogCfg.txt"))));
}

void TestGuiLogConf::failedAppendLeavesOldFile()
{
    WindowFixture f;
    f.create();
    feedRead(f, richImage());
    const QByteArray old = "earlier records\r\n";
    f.writeFile(QStringLiteral("LogCfg.txt"), old);
    {
        // Room for part of a record only.
        writefailure::FileSizeLimit limit(old.size() + 100);
        QVERIFY(limit.active());
        f.button("btnLog")->click();
    }
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown[0].caption, QStringLiteral("Erro"));
    QCOMPARE(f.dialogs.shown[0].text, kWriteError + f.settingsDir());
    QCOMPARE(f.status(), kFailure);
    QCOMPARE(f.readFile(QStringLiteral("LogCfg.txt")), old);

    // The next press appends a whole record after the old content.
    pressAndCheck(f, richRecordBody());
}

HX_TEST_MAIN(TestGuiLogConf)
#include "test_gui_logconf.moc"
