#include "link/endpoint.h"
#include "link/frames.h"
#include "link/socketerror.h"
#include "testprogram.h"

#include <QSet>
#include <QTest>

using namespace Qt::StringLiterals;

class TestFrames : public QObject
{
    Q_OBJECT

private slots:
    void shortFrames();
    void passwordFrames_data();
    void passwordFrames();
    void shortBlocksAreIgnored();
    void twoByteBlockHasNoStatus();
    void replyTable_data();
    void replyTable();
    void winsockCodes();
    void otherErrorsHaveDistinctSilentCodes();
    void endpoints_data();
    void endpoints();
};

void TestFrames::shortFrames()
{
    QCOMPARE(frames::statusRequest(), QByteArray::fromHex("825383"));
    QCOMPARE(frames::rebootRequest(), QByteArray::fromHex("82425a83"));
}

void TestFrames::passwordFrames_data()
{
    QTest::addColumn<QByteArray>("password");
    QTest::addColumn<QByteArray>("read");
    QTest::addColumn<QByteArray>("unlock");
    QTest::newRow("one character") << QByteArray("7") << QByteArray::fromHex("824c3783")
                                   << QByteArray::fromHex("8255573783");
    QTest::newRow("six characters") << QByteArray("123456") << QByteArray::fromHex("824c31323334353683")
                                    << QByteArray::fromHex("82555731323334353683");
    // Neither padded nor escaped: the bytes go in as typed.
    QTest::newRow("start and end bytes inside") << QByteArray("\x82\x83\x00", 3) << QByteArray::fromHex("824c82830083")
                                                << QByteArray::fromHex("825557828300"
                                                                       "83");
}

void TestFrames::passwordFrames()
{
    QFETCH(QByteArray, password);
    QFETCH(QByteArray, read);
    QFETCH(QByteArray, unlock);
    QCOMPARE(frames::readRequest(password), read);
    QCOMPARE(frames::readRequest(password).size(), password.size() + 3);
    QCOMPARE(frames::unlockRequest(password), unlock);
    QCOMPARE(frames::unlockRequest(password).size(), password.size() + 4);
}

void TestFrames::shortBlocksAreIgnored()
{
    QVERIFY(!frames::classify(QByteArray()).valid);
    QVERIFY(!frames::classify(QByteArray("\x82", 1)).valid);
    QVERIFY(!frames::classify(QByteArray("S", 1)).valid);
}

void TestFrames::twoByteBlockHasNoStatus()
{
    const frames::Reply reply = frames::classify(QByteArray::fromHex("8253"));
    QVERIFY(reply.valid);
    QCOMPARE(reply.letter, 'S');
    QVERIFY(!reply.hasStatus);
    QVERIFY(!reply.statusOk());
    QVERIFY(!reply.statusRefused());
}

void TestFrames::replyTable_data()
{
    QTest::addColumn<QByteArray>("block");
    QTest::addColumn<char>("letter");
    QTest::addColumn<char>("status");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<bool>("refused");
    QTest::newRow("status ok") << QByteArray::fromHex("82534f83") << 'S' << 'O' << true << false;
    QTest::newRow("status N") << QByteArray::fromHex("82534e83") << 'S' << 'N' << false << true;
    QTest::newRow("status other") << QByteArray::fromHex("82535883") << 'S' << 'X' << false << false;
    QTest::newRow("read refused") << QByteArray::fromHex("824c4e83") << 'L' << 'N' << false << true;
    QTest::newRow("read O is no refusal") << QByteArray::fromHex("824c4f83") << 'L' << 'O' << true << false;
    QTest::newRow("unlock ok") << QByteArray::fromHex("82554f83") << 'U' << 'O' << true << false;
    QTest::newRow("unlock refused") << QByteArray::fromHex("82554e83") << 'U' << 'N' << false << true;
    QTest::newRow("write, any third byte") << QByteArray::fromHex("82470083") << 'G' << '\0' << false << false;
    QTest::newRow("reboot refused") << QByteArray::fromHex("82424e83") << 'B' << 'N' << false << true;
    QTest::newRow("unknown letter") << QByteArray::fromHex("825a4f83") << 'Z' << 'O' << true << false;
    QTest::newRow("byte 0 not looked at") << QByteArray::fromHex("00534f") << 'S' << 'O' << true << false;
    QByteArray image(260, '\0');
    image[0] = '\x82';
    image[1] = 'F';
    image[2] = 'N';
    QTest::newRow("read reply") << image << 'F' << 'N' << false << true;
}

void TestFrames::replyTable()
{
    QFETCH(QByteArray, block);
    QFETCH(char, letter);
    QFETCH(char, status);
    QFETCH(bool, ok);
    QFETCH(bool, refused);
    const frames::Reply reply = frames::classify(block);
    QVERIFY(reply.valid);
    QVERIFY(reply.hasStatus);
    QCOMPARE(reply.letter, letter);
    QCOMPARE(reply.status, status);
    QCOMPARE(reply.statusOk(), ok);
    QCOMPARE(reply.statusRefused(), refused);
}

void TestFrames::winsockCodes()
{
    QCOMPARE(winsockCode(QAbstractSocket::ConnectionRefusedError), 10061);
    QCOMPARE(winsockCode(QAbstractSocket::SocketTimeoutError), 10060);
    QCOMPARE(winsockCode(QAbstractSocket::NetworkError), 10060);
    QCOMPARE(winsockCode(QAbstractSocket::RemoteHostClosedError), 10053);
    QCOMPARE(winsockCode(QAbstractSocket::HostNotFoundError), 11001);
}

void TestFrames::otherErrorsHaveDistinctSilentCodes()
{
    using E = QAbstractSocket::SocketError;
    const QList<E> others = {E::SocketAccessError,
                             E::SocketResourceError,
                             E::DatagramTooLargeError,
                             E::AddressInUseError,
                             E::SocketAddressNotAvailableError,
                             E::UnsupportedSocketOperationError,
                             E::UnfinishedSocketOperationError,
                             E::ProxyAuthenticationRequiredError,
                             E::SslHandshakeFailedError,
                             E::ProxyConnectionRefusedError,
                             E::ProxyConnectionClosedError,
                             E::ProxyConnectionTimeoutError,
                             E::ProxyNotFoundError,
                             E::ProxyProtocolError,
                             E::OperationError,
                             E::SslInternalError,
                             E::SslInvalidUserDataError,
                             E::TemporaryError,
                             E::UnknownSocketError};
    QSet<int> seen = {10053, 10060, 10061, 11001};
    for (E error : others) {
        const int code = winsockCode(error);
        QVERIFY2(code != 0, qPrintable(QString::number(int(error))));
        QVERIFY2(!seen.contains(code), qPrintable(QString::number(code)));
        seen.insert(code);
    }
}

void TestFrames::endpoints_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("host");
    QTest::addColumn<int>("port");
    QTest::newRow("host alone") << u"192.168.0.50"_s << u"192.168.0.50"_s << 23;
    QTest::newRow("host and port") << u"127.0.0.1:2323"_s << u"127.0.0.1"_s << 2323;
    QTest::newRow("lowest port") << u"terminal:1"_s << u"terminal"_s << 1;
    QTest::newRow("highest port") << u"terminal:65535"_s << u"terminal"_s << 65535;
    QTest::newRow("leading zeros") << u"10.0.0.1:0023"_s << u"10.0.0.1"_s << 23;
    QTest::newRow("port 0") << u"10.0.0.1:0"_s << u"10.0.0.1:0"_s << 23;
    QTest::newRow("port too big") << u"10.0.0.1:65536"_s << u"10.0.0.1:65536"_s << 23;
    QTest::newRow("huge port") << u"10.0.0.1:99999999999"_s << u"10.0.0.1:99999999999"_s << 23;
    QTest::newRow("letters") << u"10.0.0.1:telnet"_s << u"10.0.0.1:telnet"_s << 23;
    QTest::newRow("sign") << u"10.0.0.1:+80"_s << u"10.0.0.1:+80"_s << 23;
    QTest::newRow("blank") << u"10.0.0.1: 80"_s << u"10.0.0.1: 80"_s << 23;
    QTest::newRow("empty port") << u"10.0.0.1:"_s << u"10.0.0.1:"_s << 23;
    QTest::newRow("two colons") << u"::1"_s << u"::1"_s << 23;
    QTest::newRow("two colons with port") << u"a:b:80"_s << u"a:b:80"_s << 23;
    QTest::newRow("empty") << QString() << QString() << 23;
}

void TestFrames::endpoints()
{
    QFETCH(QString, text);
    QFETCH(QString, host);
    QFETCH(int, port);
    const Endpoint endpoint = parseEndpoint(text);
    QCOMPARE(endpoint.host, host);
    QCOMPARE(int(endpoint.port), port);
}

HX_TEST_GUILESS_MAIN(TestFrames)
#include "test_frames.moc"
