#include "clifixtures.h"
#include "framesplitter.h"
#include "simconnection.h"
#include "simprocess.h"
#include "terminalmodel.h"
#include "terminalstate.h"
#include "testprogram.h"

#include "image/layout.h"
#include "link/frames.h"

#include <QDeadlineTimer>
#include <QFile>
#include <QRandomGenerator>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

using clifixtures::kPasswordBytes;

namespace
{

QByteArray bytes(const char* hex)
{
    return QByteArray::fromHex(hex);
}

QByteArray text(const QByteArray& image, std::string_view control)
{
    const image::Field* field = image::fieldOf(control);
    QByteArray value = image.mid(field->first, field->width);
    const qsizetype zero = value.indexOf('\0');
    return zero < 0 ? value : value.left(zero);
}

// The image as the tool sends it back: read reply with 'G' in byte 1, optionally edited.
QByteArray writeFrame(const QByteArray& readReply)
{
    QByteArray frame = readReply;
    frame[1] = 'G';
    return frame;
}

QByteArray logoFrame(char first, const QByteArray& logo)
{
    QByteArray frame(image::kImageSize, '\x55');
    frame[0] = first;
    frame[1] = 'V';
    frame.replace(2, logo.size(), logo);
    return frame;
}

// Collects what the simulator sends until at least `size` bytes are there (or 5 s have passed).
QByteArray receive(QTcpSocket& socket, qsizetype size)
{
    QByteArray received;
    const QDeadlineTimer deadline(5000);
    while (received.size() < size && !deadline.hasExpired()) {
        if (socket.bytesAvailable() == 0 && !socket.waitForReadyRead(int(qMax<qint64>(1, deadline.remainingTime()))))
            break;
        received += socket.readAll();
    }
    return received;
}

QByteArray exchange(QTcpSocket& socket, const QByteArray& request, qsizetype replySize)
{
    socket.write(request);
    socket.flush();
    return receive(socket, replySize);
}

bool connectTo(QTcpSocket& socket, const SimProcess& sim)
{
    socket.connectToHost(QStringLiteral("127.0.0.1"), sim.port());
    return socket.waitForConnected(5000);
}

} // namespace

class TestSim : public QObject
{
    Q_OBJECT

private slots:
    void initialImageIsRealistic();
    void status();
    void readChecksPassword();
    void writeRefusedBeforeUnlock();
    void unlockThenWrite();
    void unlockBelongsToOneConnection();
    void writeSetsNewPassword();
    void logoStored();
    void reboot();
    void refusals();
    void malformedFramesGetNoReply_data();
    void malformedFramesGetNoReply();
    void splitterJoinsPieces();
    void splitterSeparatesFrames();
    void splitterDropsBrokenFrames();
    void splitterResyncsAfterAStrayZeroStart();
    void splitterKeepsLongFramesHoldingAStatus();
    void garbageNeverGrowsTheBuffer();
    void randomInputNeverCrashes();

    void processStatusAndRead();
    void processStateSurvivesRestart();
    void processSplitReplies();
    void processCloseAfter();
    void processRebootCloses();
    void processGarbageAndFlood();
    void hostileTextsHoldControlCharacters();
    void processHostileModes_data();
    void processHostileModes();
    void processStrayStartBeforeStatus();
    void processFaultOptions();
    void processImageOption();
};

void TestSim::initialImageIsRealistic()
{
    const TerminalState state = initialState(kPasswordBytes);
    QCOMPARE(state.image.size(), 260);
    QCOMPARE(state.logo, QByteArray(240, '\0'));
    QCOMPARE(state.password, kPasswordBytes);
    QCOMPARE(text(state.image, "VIpLocal"), QByteArray("192.168.0.50"));
    QCOMPARE(text(state.image, "VPortaLocal"), QByteArray("1001"));
    QCOMPARE(text(state.image, "VIpRemoto"), QByteArray("192.168.0.10"));
    QCOMPARE(text(state.image, "VPortaRemota"), QByteArray("0023"));
    QCOMPARE(text(state.image, "VGateway"), QByteArray("192.168.0.1"));
    QCOMPARE(text(state.image, "VSubnet"), QByteArray("255.255.255.0"));
    QCOMPARE(state.image.mid(98, 4), QByteArray("1000"));
    QCOMPARE(state.image.mid(102, 2), QByteArray("03"));
    QCOMPARE(state.image.mid(114, 12), QByteArray("0050C2A1B2C3"));
    QCOMPARE(state.image.mid(108, 2), QByteArray("10"));
    QCOMPARE(state.image.mid(134, 4), QByteArray("010\0", 4));
    QCOMPARE(state.image.mid(138, 4), QByteArray("010\0", 4));
    QCOMPARE(text(state.image, "edConTelNet"), QByteArray("vt100"));
    QCOMPARE(text(state.image, "VLogin"), QByteArray("operador"));
    QCOMPARE(int(state.image.at(19)), 1);                 // Client
    QCOMPARE(int(state.image.at(107)), 2);                // TelNet
    QCOMPARE(int(state.image.at(130)), 0);                // COM 0 off
    QCOMPARE(int(state.image.at(131)), 1);                // COM 1 on
    QCOMPARE(int(state.image.at(7)), 3);                  // 9600
    QCOMPARE(state.image.mid(8, 3), QByteArray(3, '\0')); // no parity, 8 bits, 1 stop bit
    QCOMPARE(state.image.mid(170, 7), QByteArray("123456\0", 7));
    for (const image::Field& field : image::layout()) {
        if (field.kind != image::Kind::Reserved)
            continue;
        for (int i = field.first; i < field.first + field.width; ++i)
            QVERIFY2(state.image.at(i) != '\0', qPrintable(QString::number(i)));
    }
}

void TestSim::status()
{
    TerminalState state = initialState(kPasswordBytes);
    TerminalModel model(state);
    QCOMPARE(model.handle(frames::statusRequest()), bytes("82534f83"));
    TerminalModel notReady(state, ModelFaults{.notReady = true});
    QCOMPARE(notReady.handle(frames::statusRequest()), bytes("82534e83"));
}

void TestSim::readChecksPassword()
{
    TerminalState state = initialState(kPasswordBytes);
    state.image[0] = '\0'; // the reply gets its start byte and letter whatever the stored image holds
    state.image[1] = 'G';
    TerminalModel model(state);
    QCOMPARE(model.handle(frames::readRequest("654321")), bytes("824c4e83"));
    QCOMPARE(model.handle(frames::readRequest("12345")), bytes("824c4e83"));
    const QByteArray reply = model.handle(frames::readRequest(kPasswordBytes));
    QCOMPARE(reply.size(), 260);
    QCOMPARE(reply.at(0), '\x82');
    QCOMPARE(reply.at(1), 'F');
    QCOMPARE(reply.mid(2), state.image.mid(2));
}

void TestSim::writeRefusedBeforeUnlock()
{
    TerminalState state = initialState(kPasswordBytes);
    TerminalModel model(state);
    QByteArray frame = writeFrame(model.handle(frames::readRequest(kPasswordBytes)));
    frame.replace(20, 12, "10.1.1.1\0\0\0\0");
    const QByteArray before = state.image;
    QCOMPARE(model.handle(frame), QByteArray());
    QCOMPARE(model.handle(frames::unlockRequest("000000")), bytes("82554e83"));
    QCOMPARE(model.handle(frame), QByteArray());
    QCOMPARE(state.image, before);
    QCOMPARE(state.revision, 0);
}

void TestSim::unlockThenWrite()
{
    TerminalState state = initialState(kPasswordBytes);
    TerminalModel model(state);
    QByteArray frame = writeFrame(model.handle(frames::readRequest(kPasswordBytes)));
    frame.replace(20, 16, QByteArray("10.1.1.1").leftJustified(16, '\0'));
    QCOMPARE(model.handle(frames::unlockRequest(kPasswordBytes)), bytes("82554f83"));
    QVERIFY(model.unlocked());
    QCOMPARE(model.handle(frame), bytes("82474f83"));
    QCOMPARE(state.revision, 1);
    QCOMPARE(state.password, kPasswordBytes);
    const QByteArray again = model.handle(frames::readRequest(kPasswordBytes));
    QCOMPARE(text(again, "VIpLocal"), QByteArray("10.1.1.1"));
    QCOMPARE(again.mid(2), frame.mid(2)); // reserved bytes and all
}

void TestSim::unlockBelongsToOneConnection()
{
    TerminalState state = initialState(kPasswordBytes);
    TerminalModel first(state);
    TerminalModel second(state);
    const QByteArray frame = writeFrame(first.handle(frames::readRequest(kPasswordBytes)));
    QCOMPARE(first.handle(frames::unlockRequest(kPasswordBytes)), bytes("82554f83"));
    QVERIFY(!second.unlocked());
    QCOMPARE(second.handle(frame), QByteArray());
    QCOMPARE(first.handle(frame), bytes("82474f83"));
}

void TestSim::writeSetsNewPassword()
{
    TerminalState state = initialState(kPasswordBytes);
    TerminalModel model(state);
    QByteArray frame = writeFrame(model.handle(frames::readRequest(kPasswordBytes)));
    QCOMPARE(model.handle(frames::unlockRequest(kPasswordBytes)), bytes("82554f83"));
    frame.replace(170, 7,
                  QByteArray("abc\xe7"
                             "de\0",
                             7));
    QCOMPARE(model.handle(frame), bytes("82474f83"));
    QCOMPARE(state.password, QByteArray("abc\xe7"
                                        "de"));
    QCOMPARE(model.handle(frames::readRequest(kPasswordBytes)), bytes("824c4e83"));
    const QByteArray reply = model.handle(frames::readRequest("abc\xe7"
                                                              "de"));
    QCOMPARE(reply.mid(170, 7), QByteArray("abc\xe7"
                                           "de\0",
                                           7));

    // A zero byte 170 leaves the password as it was.
    frame.replace(170, 7, QByteArray(7, '\0'));
    QCOMPARE(model.handle(frame), bytes("82474f83"));
    QCOMPARE(state.password, QByteArray("abc\xe7"
                                        "de"));
    QCOMPARE(state.image.mid(170, 7), QByteArray("abc\xe7"
                                                 "de\0",
                                                 7));
}

void TestSim::logoStored()
{
    TerminalState state = initialState(kPasswordBytes);
    TerminalModel model(state);
    QByteArray logo(240, '\0');
    for (int i = 0; i < logo.size(); ++i)
        logo[i] = char(0xF0 - i);
    const QByteArray before = state.image;
    QCOMPARE(model.handle(logoFrame('\x82', logo)), QByteArray()); // no unlock needed, no reply
    QCOMPARE(state.logo, logo);
    QCOMPARE(state.image, before);
    QCOMPARE(state.revision, 1);
    // Sent before any read, the frame starts with the zero byte of the tool's working copy.
    QCOMPARE(model.handle(logoFrame('\0', QByteArray(240, '\x11'))), QByteArray());
    QCOMPARE(state.logo, QByteArray(240, '\x11'));
    QCOMPARE(model.handle(logoFrame('\x01', logo)), QByteArray());
    QCOMPARE(state.logo, QByteArray(240, '\x11'));
}

void TestSim::reboot()
{
    TerminalState state = initialState(kPasswordBytes);
    TerminalModel model(state);
    QCOMPARE(model.handle(frames::unlockRequest(kPasswordBytes)), bytes("82554f83"));
    QCOMPARE(model.handle(frames::rebootRequest()), QByteArray());
    QVERIFY(model.rebooting());
    QVERIFY(!model.unlocked());
    QCOMPARE(model.handle(frames::statusRequest()), QByteArray());
}

void TestSim::refusals()
{
    TerminalState state = initialState(kPasswordBytes);
    TerminalModel model(state, ModelFaults{.refuseUnlock = true, .refuseReboot = true});
    QCOMPARE(model.handle(frames::unlockRequest(kPasswordBytes)), bytes("82554e83"));
    QVERIFY(!model.unlocked());
    QCOMPARE(model.handle(frames::rebootRequest()), bytes("82424e83"));
    QVERIFY(!model.rebooting());
    QCOMPARE(model.handle(frames::statusRequest()), bytes("82534f83"));
}

void TestSim::malformedFramesGetNoReply_data()
{
    QTest::addColumn<QByteArray>("frame");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("one byte") << bytes("82");
    QTest::newRow("wrong start byte") << bytes("815383");
    QTest::newRow("missing end byte") << bytes("8253");
    QTest::newRow("status with extra byte") << bytes("82535383");
    QTest::newRow("unknown letter") << bytes("825a83");
    QTest::newRow("read without password") << bytes("824c83");
    QTest::newRow("unlock without password") << bytes("82555783");
    QTest::newRow("unlock without W") << bytes("82553132333435363783");
    QTest::newRow("read, 7-char password") << frames::readRequest("1234567");
    QTest::newRow("unlock, 7-char password") << frames::unlockRequest("1234567");
    QTest::newRow("reboot without Z") << bytes("824283");
    QByteArray shortWrite(259, '\0');
    shortWrite[0] = '\x82';
    shortWrite[1] = 'G';
    QTest::newRow("write of 259 bytes") << shortWrite;
    QTest::newRow("write of 261 bytes") << (shortWrite + QByteArray(2, '\0'));
}

void TestSim::malformedFramesGetNoReply()
{
    QFETCH(QByteArray, frame);
    TerminalState state = initialState(kPasswordBytes);
    TerminalModel model(state);
    QCOMPARE(model.handle(frames::unlockRequest(kPasswordBytes)), bytes("82554f83"));
    const QByteArray before = state.image;
    QCOMPARE(model.handle(frame), QByteArray());
    QCOMPARE(state.image, before);
    QCOMPARE(state.password, kPasswordBytes);
    QCOMPARE(state.revision, 0);
}

void TestSim::splitterJoinsPieces()
{
    FrameSplitter splitter;
    const QByteArray unlock = frames::unlockRequest(kPasswordBytes);
    for (int i = 0; i < unlock.size() - 1; ++i)
        QVERIFY(splitter.feed(unlock.mid(i, 1)).isEmpty());
    QCOMPARE(splitter.feed(unlock.right(1)), QList<QByteArray>{unlock});
    QCOMPARE(splitter.pending(), 0);

    // A write frame holding start and end bytes inside, in three pieces.
    QByteArray write(260, '\x83');
    write[0] = '\x82';
    write[1] = 'G';
    write[100] = '\x82';
    QVERIFY(splitter.feed(write.left(3)).isEmpty());
    QVERIFY(splitter.feed(write.mid(3, 200)).isEmpty());
    QCOMPARE(splitter.feed(write.mid(203)), QList<QByteArray>{write});
}

void TestSim::splitterSeparatesFrames()
{
    FrameSplitter splitter;
    const QByteArray logo = logoFrame('\0', QByteArray(240, '\x83'));
    const QList<QByteArray> expected = {frames::statusRequest(), frames::readRequest("1"), logo,
                                        frames::rebootRequest()};
    QCOMPARE(splitter.feed(expected.join()), expected);
    QCOMPARE(splitter.pending(), 0);
}

void TestSim::splitterDropsBrokenFrames()
{
    FrameSplitter splitter;
    // Garbage first, then a status cut short by the next frame, then a good read request.
    const QByteArray stream = bytes("00ff4c5383") + bytes("8253") + frames::readRequest(kPasswordBytes);
    QCOMPARE(splitter.feed(stream), QList<QByteArray>{frames::readRequest(kPasswordBytes)});
    // A short frame far too long to be one is given up; the status behind it still comes through.
    QCOMPARE(splitter.feed(QByteArray("\x82L") + QByteArray(40, 'x') + frames::statusRequest()),
             QList<QByteArray>{frames::statusRequest()});
    QCOMPARE(splitter.pending(), 0);
}

void TestSim::splitterResyncsAfterAStrayZeroStart()
{
    FrameSplitter splitter;
    // 00 'G' looks like the start of a write frame and holds the status request back.
    QVERIFY(splitter.feed(bytes("0047ff10") + frames::statusRequest()).isEmpty());
    QCOMPARE(splitter.pending(), 7);
    QCOMPARE(splitter.resyncStalled(), QList<QByteArray>{frames::statusRequest()});
    QCOMPARE(splitter.pending(), 0);

    // Two stray starts in a row; what lay between them is cut as ever.
    QVERIFY(splitter.feed(bytes("0056aa8257830047") + frames::unlockRequest(kPasswordBytes)).isEmpty());
    QCOMPARE(splitter.resyncStalled(), (QList<QByteArray>{bytes("825783"), frames::unlockRequest(kPasswordBytes)}));
    QCOMPARE(splitter.pending(), 0);

    // Without a whole short frame of a known letter behind it the start stays.
    QVERIFY(splitter.feed(bytes("0047825783")).isEmpty());
    QVERIFY(splitter.resyncStalled().isEmpty());
    QVERIFY(splitter.feed(bytes("8253")).isEmpty());
    QVERIFY(splitter.resyncStalled().isEmpty());
    QCOMPARE(splitter.pending(), 7);
}

void TestSim::splitterKeepsLongFramesHoldingAStatus()
{
    QByteArray write(260, '\x11');
    write[0] = '\x82';
    write[1] = 'G';
    write.replace(40, 3, frames::statusRequest());
    write.replace(90, 4, frames::rebootRequest());
    QCOMPARE(write.size(), 260);
    FrameSplitter splitter;
    QCOMPARE(splitter.feed(write), QList<QByteArray>{write});

    // In two pieces, even with a stall between them: a write frame starts with 0x82.
    QVERIFY(splitter.feed(write.left(100)).isEmpty());
    QVERIFY(splitter.resyncStalled().isEmpty());
    QCOMPARE(splitter.feed(write.mid(100)), QList<QByteArray>{write});

    // A logo frame sent before any read starts with a zero byte; its pieces follow at once.
    QByteArray logo = logoFrame('\0', QByteArray(240, '\0'));
    logo.replace(10, 3, frames::statusRequest());
    QVERIFY(splitter.feed(logo.left(130)).isEmpty());
    QCOMPARE(splitter.feed(logo.mid(130)), (QList<QByteArray>{logo}));
    QCOMPARE(splitter.pending(), 0);
}

void TestSim::garbageNeverGrowsTheBuffer()
{
    FrameSplitter splitter;
    QByteArray flood(64 * 1024, '\0');
    for (int i = 0; i < flood.size(); ++i)
        flood[i] = char(i % 256);
    for (int round = 0; round < 8; ++round) {
        splitter.feed(flood);
        QVERIFY2(splitter.pending() < FrameSplitter::kLongFrame, qPrintable(QString::number(splitter.pending())));
    }
    QVERIFY(splitter.feed(QByteArray(100000, '\x82')).isEmpty());
    QVERIFY(splitter.pending() < FrameSplitter::kLongFrame);
    // After all that a good frame is still understood.
    QCOMPARE(splitter.feed(QByteArray(1, '\x01') + frames::statusRequest()),
             QList<QByteArray>{frames::statusRequest()});
}

void TestSim::randomInputNeverCrashes()
{
    TerminalState state = initialState(kPasswordBytes);
    TerminalModel model(state);
    FrameSplitter splitter;
    QRandomGenerator random(20240601);
    const QByteArray alphabet = QByteArrayLiteral("\x82\x83SLUWBZGVFON1234560");
    for (int round = 0; round < 2000; ++round) {
        QByteArray chunk(random.bounded(1, 300), '\0');
        for (char& c : chunk)
            c = random.bounded(4) == 0 ? char(random.bounded(256)) : alphabet.at(random.bounded(alphabet.size()));
        for (const QByteArray& frame : splitter.feed(chunk)) {
            const QByteArray reply = model.handle(frame);
            QVERIFY(reply.isEmpty() || reply.size() == 4 || reply.size() == 260);
        }
        QVERIFY(splitter.pending() < FrameSplitter::kLongFrame);
    }
    QCOMPARE(state.image.size(), 260);
    QCOMPARE(state.logo.size(), 240);
}

void TestSim::processStatusAndRead()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    QCOMPARE(sim.address(), QStringLiteral("127.0.0.1:%1").arg(sim.port()));
    QTcpSocket socket;
    QVERIFY(connectTo(socket, sim));
    QCOMPARE(exchange(socket, frames::statusRequest(), 4), bytes("82534f83"));
    const QByteArray reply = exchange(socket, frames::readRequest(kPasswordBytes), 260);
    QCOMPARE(reply.size(), 260);
    QCOMPARE(reply.left(2), bytes("8246"));
    QCOMPARE(text(reply, "VIpLocal"), QByteArray("192.168.0.50"));
    // The state file holds the starting configuration from the start.
    QCOMPARE(sim.storedImage().mid(2), reply.mid(2));
    QCOMPARE(sim.storedPassword(), QStringLiteral("123456"));
    QCOMPARE(sim.storedLogo(), QByteArray(240, '\0'));
}

void TestSim::processStateSurvivesRestart()
{
    QTemporaryDir dir;
    const QString statePath = dir.filePath(QStringLiteral("terminal.state"));
    QByteArray frame;
    const QByteArray logo(240, '\x3c');
    {
        SimProcess sim({QStringLiteral("--password"), QStringLiteral("abc")}, statePath);
        QVERIFY(sim.isRunning());
        QTcpSocket socket;
        QVERIFY(connectTo(socket, sim));
        frame = writeFrame(exchange(socket, frames::readRequest("abc"), 260));
        QCOMPARE(frame.size(), 260);
        QCOMPARE(frame.mid(170, 7), QByteArray("abc\0\0\0\0", 7));
        frame.replace(20, 16, QByteArray("10.9.8.7").leftJustified(16, '\0'));
        frame.replace(170, 7, QByteArray("zyxwvu\0", 7));
        QCOMPARE(exchange(socket, frames::unlockRequest("abc"), 4), bytes("82554f83"));
        QCOMPARE(exchange(socket, frame, 4), bytes("82474f83"));
        socket.write(logoFrame('\x82', logo));
        socket.flush();
        QTRY_COMPARE_WITH_TIMEOUT(sim.storedLogo(), logo, 5000);
        QCOMPARE(sim.storedImage().mid(2), frame.mid(2));
        QCOMPARE(sim.storedPassword(), QStringLiteral("zyxwvu"));
    }
    SimProcess again({QStringLiteral("--password"), QStringLiteral("abc")}, statePath);
    QVERIFY(again.isRunning());
    QTcpSocket socket;
    QVERIFY(connectTo(socket, again));
    QCOMPARE(exchange(socket, frames::readRequest("abc"), 4), bytes("824c4e83"));
    const QByteArray reply = exchange(socket, frames::readRequest("zyxwvu"), 260);
    QCOMPARE(reply.size(), 260);
    QCOMPARE(reply.mid(2), frame.mid(2));
    QCOMPARE(again.storedLogo(), logo);
}

void TestSim::processSplitReplies()
{
    SimProcess sim({QStringLiteral("--split-replies")});
    QVERIFY(sim.isRunning());
    QTcpSocket socket;
    QVERIFY(connectTo(socket, sim));
    socket.write(frames::statusRequest());
    QVERIFY(socket.waitForReadyRead(5000));
    QCOMPARE(socket.readAll(), bytes("8253"));
    QVERIFY(socket.waitForReadyRead(5000));
    QCOMPARE(socket.readAll(), bytes("4f83"));
}

void TestSim::processCloseAfter()
{
    SimProcess sim({QStringLiteral("--close-after"), QStringLiteral("2")});
    QVERIFY(sim.isRunning());
    QTcpSocket socket;
    QVERIFY(connectTo(socket, sim));
    QCOMPARE(exchange(socket, frames::statusRequest(), 4), bytes("82534f83"));
    QCOMPARE(exchange(socket, frames::unlockRequest(kPasswordBytes), 4), bytes("82554f83"));
    if (socket.state() != QAbstractSocket::UnconnectedState)
        QVERIFY(socket.waitForDisconnected(5000));
    QCOMPARE(socket.error(), QAbstractSocket::RemoteHostClosedError);
}

void TestSim::processRebootCloses()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    QTcpSocket socket;
    QVERIFY(connectTo(socket, sim));
    socket.write(frames::rebootRequest());
    QVERIFY(socket.waitForDisconnected(5000));
    QCOMPARE(socket.readAll(), QByteArray());

    SimProcess refusing({QStringLiteral("--refuse-reboot")});
    QTcpSocket other;
    QVERIFY(connectTo(other, refusing));
    QCOMPARE(exchange(other, frames::rebootRequest(), 4), bytes("82424e83"));
    QCOMPARE(other.state(), QAbstractSocket::ConnectedState);
}

void TestSim::processGarbageAndFlood()
{
    SimProcess garbage({QStringLiteral("--garbage")});
    QTcpSocket socket;
    QVERIFY(connectTo(socket, garbage));
    const QByteArray block = SimConnection::garbageBlock();
    QCOMPARE(exchange(socket, frames::statusRequest(), block.size()), block);

    SimProcess flood({QStringLiteral("--flood")});
    QTcpSocket other;
    QVERIFY(connectTo(other, flood));
    const QByteArray received = exchange(other, frames::statusRequest(), 64 * 1024);
    QCOMPARE(received.size(), 64 * 1024);
    QCOMPARE(received, SimConnection::floodBlock());
}

void TestSim::processHostileModes_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QByteArray>("statusAnswer");
    QTest::addColumn<QByteArray>("readAnswerStart"); // the first bytes after the read request

    const QByteArray ok = bytes("82534f83");
    QByteArray image = initialState(kPasswordBytes).image;
    image[0] = '\x82';
    image[1] = 'F';
    QByteArray hostile = image;
    TerminalModel::putHostileTexts(hostile);
    // Floods go on well past one reply's worth: 20 images' worth is read of each.
    QTest::newRow("flood of read replies") << QStringLiteral("--flood-read") << ok << image.repeated(20);
    QTest::newRow("flood of zero bytes") << QStringLiteral("--zero-flood") << ok << QByteArray(20 * 260, '\0');
    QTest::newRow("hostile texts") << QStringLiteral("--hostile-texts") << ok << hostile;
}

void TestSim::processHostileModes()
{
    QFETCH(QString, mode);
    QFETCH(QByteArray, statusAnswer);
    QFETCH(QByteArray, readAnswerStart);

    SimProcess sim({mode});
    QTcpSocket socket;
    QVERIFY(connectTo(socket, sim));
    QCOMPARE(exchange(socket, frames::statusRequest(), statusAnswer.size()), statusAnswer);
    // A flood may bring more than was waited for by the time it is looked at.
    QCOMPARE(exchange(socket, frames::readRequest(kPasswordBytes), readAnswerStart.size()).left(readAnswerStart.size()),
             readAnswerStart);
}

void TestSim::hostileTextsHoldControlCharacters()
{
    QByteArray image = initialState(kPasswordBytes).image;
    TerminalModel::putHostileTexts(image);
    QCOMPARE(text(image, "edMac"), QByteArray("0050\x1b[2J\x07\r\n"));
    QCOMPARE(text(image, "VLogin"), QByteArray("tec\x1b]0;x\x07\r\nroot"));
    QCOMPARE(text(image, "VPassword"), QByteArray("s\x1b[8m\x07\nx"));
    // Only those fields change.
    QByteArray other = initialState(kPasswordBytes).image;
    for (const char* control : {"edMac", "VLogin", "VPassword"}) {
        const image::Field* field = image::fieldOf(control);
        other.replace(field->first, field->width, image.mid(field->first, field->width));
    }
    QCOMPARE(other, image);
}

void TestSim::processStrayStartBeforeStatus()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    QTcpSocket socket;
    QVERIFY(connectTo(socket, sim));
    // The status reply comes once the line has been quiet for a while, not never.
    QCOMPARE(exchange(socket, bytes("00477f7f") + frames::statusRequest(), 4), bytes("82534f83"));
    QCOMPARE(exchange(socket, frames::statusRequest(), 4), bytes("82534f83"));
}

void TestSim::processFaultOptions()
{
    SimProcess refusing({QStringLiteral("--not-ready"), QStringLiteral("--refuse-unlock")});
    QTcpSocket socket;
    QVERIFY(connectTo(socket, refusing));
    QCOMPARE(exchange(socket, frames::statusRequest(), 4), bytes("82534e83"));
    QCOMPARE(exchange(socket, frames::unlockRequest(kPasswordBytes), 4), bytes("82554e83"));

    // A mute terminal still reads: with --close-after 1 it closes without having said a word.
    SimProcess mute({QStringLiteral("--mute"), QStringLiteral("--close-after"), QStringLiteral("1")});
    QTcpSocket other;
    QVERIFY(connectTo(other, mute));
    other.write(frames::statusRequest());
    QVERIFY(other.waitForDisconnected(5000));
    QCOMPARE(other.readAll(), QByteArray());
}

void TestSim::processImageOption()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("image.bin"));
    QByteArray image(260, '\0');
    for (int i = 0; i < image.size(); ++i)
        image[i] = char(255 - i);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(image);
    file.close();
    SimProcess sim({QStringLiteral("--image"), path, QStringLiteral("--password"), QStringLiteral("9")});
    QVERIFY(sim.isRunning());
    QTcpSocket socket;
    QVERIFY(connectTo(socket, sim));
    const QByteArray reply = exchange(socket, frames::readRequest("9"), 260);
    QCOMPARE(reply.left(2), bytes("8246"));
    QCOMPARE(reply.mid(2, 168), image.mid(2, 168));
    QCOMPARE(reply.mid(170, 7), QByteArray("9\0\0\0\0\0\0", 7));
    QCOMPARE(reply.mid(177), image.mid(177));

    SimProcess wrongSize({QStringLiteral("--image"), dir.filePath(QStringLiteral("missing.bin"))});
    QVERIFY(!wrongSize.isRunning());
}

HX_TEST_GUILESS_MAIN(TestSim)
#include "test_sim.moc"
