#include "image/logrecord.h"
#include "testprogram.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace
{

LogValues sampleValues()
{
    LogValues v;
    v.mac = QStringLiteral("0050C2123ABC");
    v.ipLocal = QStringLiteral("192.168.0.20");
    v.portaLocal = QStringLiteral("0023");
    v.ipRemoto = QStringLiteral("192.168.0.1");
    v.portaRemota = QStringLiteral("9000");
    v.client = true;
    v.gateway = QStringLiteral("192.168.0.254");
    v.subnet = QStringLiteral("255.255.255.0");
    v.login = QStringLiteral("admin");
    v.password = QStringLiteral("segredo");
    v.cnpj = QStringLiteral("12345678000199");
    v.velocidade = QStringLiteral("Automático");
    v.hfDuplex = QStringLiteral("Full Duplex");
    v.timeoutRede = QStringLiteral("030");
    v.retries = QStringLiteral("03");
    v.corvale = true;
    v.conTelnet = QStringLiteral("Terminal 1");
    v.del = QStringLiteral("Chr(127)");
    v.backspace = QStringLiteral("Chr(08)");
    v.impDefault = QStringLiteral("Paralela");
    v.acionamento = QStringLiteral("Saída");
    v.teclado = QStringLiteral("44 Numérico");
    v.lcm = QStringLiteral("Não");
    v.polaridade = QStringLiteral("Subida");
    v.interface2G = true;
    v.bootDelay = QStringLiteral("05");
    v.com0 = true;
    v.timeout0 = QStringLiteral("010");
    v.baud0 = QStringLiteral("9600");
    v.paridade0 = QStringLiteral("Ímpar");
    v.bits0 = QStringLiteral("8");
    v.stop0 = QStringLiteral("1");
    v.hand0 = QStringLiteral("Cts/ Rts");
    v.flag0 = QStringLiteral("Sim");
    v.timeout1 = QStringLiteral("000");
    v.baud1 = QStringLiteral("115200");
    v.paridade1 = QStringLiteral("Sem");
    v.bits1 = QStringLiteral("7");
    v.stop1 = QStringLiteral("2");
    v.hand1 = QStringLiteral("XOn/ XOff");
    v.flag1 = QStringLiteral("Não");
    return v;
}

const QDateTime kRecordTime(QDate(2026, 12, 7), QTime(3, 41));
const QLocale kSlashes(QLocale::Portuguese, QLocale::Brazil);
const QLocale kDots(QLocale::German, QLocale::Germany);

QList<QByteArray> recordLines(const QByteArray& record)
{
    QList<QByteArray> lines = record.split('\n');
    lines.removeLast(); // after the final LF
    return lines;
}

} // namespace

class TestLogRecord : public QObject
{
    Q_OBJECT

private slots:
    void wholeRecordMatchesTheReferenceFile()
    {
        QFile expected(QStringLiteral(HX_TEST_DATA "/logcfg_record.txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly));
        QCOMPARE(buildLogRecord(sampleValues(), kRecordTime, kSlashes), expected.readAll());
    }

    void sixteenLinesEachEndingWithCrLf()
    {
        const QList<QByteArray> lines = recordLines(buildLogRecord(LogValues{}, kRecordTime, kSlashes));
        QCOMPARE(lines.size(), 16);
        for (const QByteArray& line : lines)
            QVERIFY(line.endsWith('\r'));
        QCOMPARE(lines.last(), QByteArray(77, '=') + '\r');
    }

    void dateFollowsTheRegionalSeparators()
    {
        QCOMPARE(logDateText(kRecordTime, kSlashes), QStringLiteral("07/12/26 - 03:41"));
        QCOMPARE(logDateText(kRecordTime, kDots), QStringLiteral("07.12.26 - 03:41"));
        QCOMPARE(recordLines(buildLogRecord(LogValues{}, kRecordTime, kDots)).first(),
                 QByteArray("==========07.12.26 - 03:41==========\r"));
        const QDateTime evening(QDate(2001, 1, 2), QTime(23, 5));
        QCOMPARE(logDateText(evening, kSlashes), QStringLiteral("02/01/01 - 23:05"));
    }

    void tcpModeTexts_data()
    {
        QTest::addColumn<bool>("client");
        QTest::addColumn<bool>("server");
        QTest::addColumn<bool>("system");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("none") << false << false << false << QByteArray("Gateway:g Mascara de Rede:m\r");
        QTest::newRow("server") << false << true << false
                                << QByteArray("Conexao TCP: Servidor Gateway:g Mascara de Rede:m\r");
        QTest::newRow("system") << false << false << true
                                << QByteArray("Conexao TCP: System Gateway:g Mascara de Rede:m\r");
        QTest::newRow("all") << true << true << true
                             << QByteArray("Conexao TCP: Cliente Conexao TCP: Servidor Conexao TCP: System "
                                           "Gateway:g Mascara de Rede:m\r");
    }

    void tcpModeTexts()
    {
        QFETCH(bool, client);
        QFETCH(bool, server);
        QFETCH(bool, system);
        QFETCH(QByteArray, line);
        LogValues v;
        v.client = client;
        v.server = server;
        v.system = system;
        v.gateway = QStringLiteral("g");
        v.subnet = QStringLiteral("m");
        QCOMPARE(recordLines(buildLogRecord(v, kRecordTime, kSlashes)).at(3), line);
    }

    void protocolTexts_data()
    {
        QTest::addColumn<bool>("corvale");
        QTest::addColumn<bool>("telnet");
        QTest::addColumn<bool>("vt100");
        QTest::addColumn<QByteArray>("line");
        QTest::newRow("none") << false << false << false << QByteArray("Conexao Telnet:t\r");
        QTest::newRow("telnet") << false << true << false << QByteArray("Protocolo: Telnet Conexao Telnet:t\r");
        QTest::newRow("vt100") << false << false << true << QByteArray("Protocolo: VT-100 Conexao Telnet:t\r");
        QTest::newRow("corvale+vt100") << true << false << true
                                       << QByteArray("Protocolo: Corvale Protocolo: VT-100 Conexao Telnet:t\r");
    }

    void protocolTexts()
    {
        QFETCH(bool, corvale);
        QFETCH(bool, telnet);
        QFETCH(bool, vt100);
        QFETCH(QByteArray, line);
        LogValues v;
        v.corvale = corvale;
        v.telnet = telnet;
        v.vt100 = vt100;
        v.conTelnet = QStringLiteral("t");
        QCOMPARE(recordLines(buildLogRecord(v, kRecordTime, kSlashes)).at(7), line);
    }

    void emptyValuesLeaveTheLabelsAlone()
    {
        const QList<QByteArray> lines = recordLines(buildLogRecord(LogValues{}, kRecordTime, kSlashes));
        QCOMPARE(lines.at(1), QByteArray("Configuracao MAC: \r"));
        QCOMPARE(lines.at(2), QByteArray("IP Local: Porta Local: IP Remoto: Porta Remota:\r"));
        QCOMPARE(lines.at(4), QByteArray("Login: Password: CNPJ:\r"));
        QCOMPARE(lines.at(10), QByteArray("Boot Delay: \r"));
        QCOMPARE(lines.at(11), QByteArray("Com0: OFF Timeout: \r"));
        QCOMPARE(lines.at(12), QByteArray("Baud: Paridade: Bits: Stop: HandShake: Flag:\r"));
        QCOMPARE(lines.at(13), QByteArray("Com1: OFF Timeout: \r"));
    }

    void valuesAreWrittenUnchanged()
    {
        LogValues v;
        v.login = QStringLiteral("a;b\"c");
        v.com1 = true;
        const QList<QByteArray> lines = recordLines(buildLogRecord(v, kRecordTime, kSlashes));
        QCOMPARE(lines.at(4), QByteArray("Login:a;b\"c Password: CNPJ:\r"));
        QCOMPARE(lines.at(13), QByteArray("Com1: ON Timeout: \r"));
    }

    void lineBreaksInValuesBecomeBlanks_data()
    {
        QTest::addColumn<QString>("login");
        QTest::addColumn<QString>("mac");
        QTest::addColumn<QByteArray>("loginLine");
        QTest::addColumn<QByteArray>("macLine");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb") << QStringLiteral("00\r\n") << QByteArray("Login:a  b")
                               << QByteArray("Configuracao MAC: 00  ");
        QTest::newRow("LF alone") << QStringLiteral("\na") << QStringLiteral("0\n0") << QByteArray("Login: a")
                                  << QByteArray("Configuracao MAC: 0 0");
        QTest::newRow("CR alone") << QStringLiteral("a\r") << QStringLiteral("\r") << QByteArray("Login:a ")
                                  << QByteArray("Configuracao MAC:  ");
        // Other control characters are the terminal's bytes: the record keeps them.
        QTest::newRow("ESC and BEL") << QStringLiteral("\x1b[2J\a") << QStringLiteral("\t")
                                     << QByteArray("Login:\x1b[2J\a") << QByteArray("Configuracao MAC: \t");
    }

    void lineBreaksInValuesBecomeBlanks()
    {
        QFETCH(QString, login);
        QFETCH(QString, mac);
        QFETCH(QByteArray, loginLine);
        QFETCH(QByteArray, macLine);
        LogValues v;
        v.login = login;
        v.mac = mac;
        const QByteArray record = buildLogRecord(v, kRecordTime, kSlashes);
        QCOMPARE(record.count('\n'), 16);
        QCOMPARE(record.count('\r'), 16);
        const QList<QByteArray> lines = recordLines(record);
        QCOMPARE(lines.at(1), macLine + '\r');
        QCOMPARE(lines.at(4), loginLine + " Password: CNPJ:\r");
    }
};

HX_TEST_GUILESS_MAIN(TestLogRecord)
#include "test_logrecord.moc"
