// hxterm-sim --verbose: one line per connection event, received frame and reply, and for a write
// the names of the fields that differ from the stored image, taken from the image's field table.
#include "clifixtures.h"
#include "simprocess.h"
#include "terminalstate.h"
#include "testprogram.h"
#include "trafficlog.h"

#include "image/layout.h"
#include "link/frames.h"

#include <QRegularExpression>
#include <QTcpSocket>
#include <QTest>

using clifixtures::kPasswordBytes;

namespace
{

void putText(QByteArray& image, std::string_view control, const QByteArray& text)
{
    const image::Field* field = image::fieldOf(control);
    QVERIFY(field);
    for (int i = 0; i < field->width; ++i)
        image[field->first + i] = i < text.size() ? text.at(i) : '\0';
}

// The lines after the time stamp, which must lead every line.
QStringList withoutTimes(const QString& output)
{
    static const QRegularExpression stamp(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d\\.\\d\\d\\d "));
    QStringList lines;
    for (const QString& line : output.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QRegularExpressionMatch match = stamp.match(line);
        lines.append(match.hasMatch() ? line.mid(match.capturedLength()) : QStringLiteral("<no time> ") + line);
    }
    return lines;
}

bool waitForLines(SimProcess& sim, int count)
{
    return QTest::qWaitFor([&] { return withoutTimes(sim.output()).size() >= count; }, 5000);
}

QByteArray askAndRead(QTcpSocket& socket, const QByteArray& request, qsizetype replySize)
{
    socket.write(request);
    socket.flush();
    QByteArray received;
    while (received.size() < replySize && socket.waitForReadyRead(5000))
        received += socket.readAll();
    return received;
}

} // namespace

class TestSimVerbose : public QObject
{
    Q_OBJECT

private slots:
    void changedFieldsComeFromTheTable();
    void linesOfASession();
    void quietWithoutVerbose();
};

void TestSimVerbose::changedFieldsComeFromTheTable()
{
    const QByteArray stored = initialState(kPasswordBytes).image;
    QByteArray frame = stored;
    frame[1] = 'G';
    QCOMPARE(TrafficLog::changedFields(frame, stored), QStringLiteral("none")); // the letter is no field
    putText(frame, "edTimeOutR", "4000");
    putText(frame, "VIpLocal", "10.1.1.1");
    frame[image::fieldOf("cbBaud1")->first] = char(stored.at(image::fieldOf("cbBaud1")->first) + 1);
    frame[150] = 0; // inside the reserved bytes 144..169
    QCOMPARE(TrafficLog::changedFields(frame, stored),
             QStringLiteral("cbBaud1, VIpLocal, edTimeOutR, reserved 144..169"));
    QCOMPARE(TrafficLog::receivedText(frame, stored),
             QStringLiteral("<- G, 260 bytes (write), changed: cbBaud1, VIpLocal, edTimeOutR, reserved 144..169"));
    QCOMPARE(TrafficLog::sentText(QByteArray("\x82UN\x83")), QStringLiteral("-> U N, 4 bytes (unlock)"));
    QCOMPARE(TrafficLog::receivedText(QByteArray("\x01\x02", 2), stored), QStringLiteral("<- 0x02, 2 bytes"));
}

void TestSimVerbose::linesOfASession()
{
    SimProcess sim({QStringLiteral("--verbose")});
    QVERIFY(sim.isRunning());
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), sim.port());
    QVERIFY(socket.waitForConnected(5000));
    QCOMPARE(askAndRead(socket, frames::statusRequest(), 4).size(), 4);
    QByteArray image = askAndRead(socket, frames::readRequest(kPasswordBytes), 260);
    QCOMPARE(image.size(), 260);
    QCOMPARE(askAndRead(socket, frames::unlockRequest(kPasswordBytes), 4), QByteArray("\x82UO\x83"));
    image[1] = 'G';
    putText(image, "VGateway", "10.0.0.1");
    putText(image, "VLogin", "tecnico");
    QCOMPARE(askAndRead(socket, image, 4), QByteArray("\x82GO\x83"));
    const QString port = QString::number(socket.localPort());
    socket.disconnectFromHost();
    QVERIFY(waitForLines(sim, 10));

    const QStringList lines = withoutTimes(sim.output());
    QCOMPARE(lines, (QStringList{
                        QStringLiteral("#1 connected from 127.0.0.1:") + port,
                        QStringLiteral("#1 <- S, 3 bytes (status)"),
                        QStringLiteral("#1 -> S O, 4 bytes (status)"),
                        QStringLiteral("#1 <- L, 9 bytes (read)"),
                        QStringLiteral("#1 -> F, 260 bytes (image)"),
                        QStringLiteral("#1 <- U, 10 bytes (unlock)"),
                        QStringLiteral("#1 -> U O, 4 bytes (unlock)"),
                        QStringLiteral("#1 <- G, 260 bytes (write), changed: VGateway, VLogin"),
                        QStringLiteral("#1 -> G O, 4 bytes (write)"),
                        QStringLiteral("#1 closed"),
                    }));

    // A second connection has its own number; the write is now the stored image.
    QTcpSocket second;
    second.connectToHost(QStringLiteral("127.0.0.1"), sim.port());
    QVERIFY(second.waitForConnected(5000));
    QCOMPARE(askAndRead(second, frames::readRequest("wrong!"), 4), QByteArray("\x82LN\x83"));
    QVERIFY(waitForLines(sim, 13));
    QCOMPARE(withoutTimes(sim.output()).mid(11), (QStringList{QStringLiteral("#2 <- L, 9 bytes (read)"),
                                                              QStringLiteral("#2 -> L N, 4 bytes (read refused)")}));
}

void TestSimVerbose::quietWithoutVerbose()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), sim.port());
    QVERIFY(socket.waitForConnected(5000));
    QCOMPARE(askAndRead(socket, frames::statusRequest(), 4).size(), 4);
    QTest::qWait(100);
    QCOMPARE(sim.output(), QString());
}

HX_TEST_GUILESS_MAIN(TestSimVerbose)
#include "test_sim_verbose.moc"
