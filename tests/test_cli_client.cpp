// The headless terminal client: reply framing across pieces, the link rules for each reply, the
// timeouts, and many terminals on one event loop.
#include "clifixtures.h"
#include "faketerminal.h"
#include "loopback.h"
#include "simprocess.h"
#include "testprogram.h"

#include "image/layout.h"
#include "link/frames.h"
#include "link/replyassembler.h"
#include "link/terminalclient.h"

#include <QElapsedTimer>
#include <QThread>
#include <QTimer>

#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include <memory>

using clifixtures::kPasswordBytes;

namespace
{

using Answer = TerminalClient::Answer;
using ClientFailure = TerminalClient::Failure;
using Request = TerminalClient::Request;

// What one client ended in.
struct ClientOutcome {
    bool done = false;
    Request request = Request::Connect;
    Answer answer = Answer::Sent;
    ClientFailure failure = ClientFailure::Other;
    bool failed = false;
    QByteArray image;
    QString text;
};

// Drives a client through a list of steps, one per answer, and records how it ended.
class Driver final : public QObject
{
public:
    explicit Driver(TerminalClient& client) : m_client(client)
    {
        connect(&client, &TerminalClient::connected, this, [this] { next(); });
        connect(&client, &TerminalClient::answered, this, [this](Request r, Answer a, const QByteArray& image) {
            outcome = {true, r, a, {}, false, image, {}};
            answers.append(a);
            next();
        });
        connect(&client, &TerminalClient::failed, this,
                [this](Request r, ClientFailure f, const QString& text) { outcome = {true, r, {}, f, true, {}, text}; });
    }

    QList<std::function<void(TerminalClient&)>> steps;
    QList<Answer> answers;
    ClientOutcome outcome;

private:
    void next()
    {
        if (steps.isEmpty()) {
            outcome.done = true;
            return;
        }
        outcome.done = false;
        steps.takeFirst()(m_client);
    }

    TerminalClient& m_client;
};

Endpoint endpointOf(quint16 port)
{
    return {QStringLiteral("127.0.0.1"), port};
}

} // namespace

class TestCliClient : public QObject
{
    Q_OBJECT

private slots:
    void intakeTakesExactlyOneReply_data();
    void intakeTakesExactlyOneReply();
    void invalidRepliesFromATerminal_data();
    void invalidRepliesFromATerminal();
    void deadlineHoldsWhileBytesKeepComing();
    void answerThatCameWhileTheLoopWasBusy();

    void fullSequenceAgainstTheSimulator_data();
    void fullSequenceAgainstTheSimulator();
    void refusalsAreAnswers();
    void muteTerminalTimesOut();
    void refusedConnection();
    void connectTimesOut();
    void requestsOutOfOrderFailLater();
    void closedBeforeTheAnswer();
    void logoLeavesAndIsStored();
    void manyTerminalsOnOneLoop();
};

QByteArray readReply()
{
    QByteArray image(image::kImageSize, '\x11');
    image[0] = '\x82';
    image[1] = 'F';
    return image;
}

void TestCliClient::intakeTakesExactlyOneReply_data()
{
    using State = ReplyAssembler::State;
    QTest::addColumn<QByteArray>("letters"); // empty: no request waits
    QTest::addColumn<QByteArray>("stream");
    QTest::addColumn<int>("pieceSize");
    QTest::addColumn<State>("state");
    QTest::addColumn<QByteArray>("reply");

    const QByteArray image = readReply();
    const QByteArray ok = QByteArray::fromHex("82534f83");
    QTest::newRow("read reply whole") << QByteArray("FL") << image << 260 << State::Complete << image;
    QTest::newRow("read reply byte by byte") << QByteArray("FL") << image << 1 << State::Complete << image;
    QTest::newRow("read reply in 7-byte pieces") << QByteArray("FL") << image << 7 << State::Complete << image;
    QTest::newRow("read refused") << QByteArray("FL") << QByteArray::fromHex("824c4e83") << 4 << State::Complete
                                  << QByteArray::fromHex("824c4e83");
    QTest::newRow("status in two pieces") << QByteArray("S") << ok << 2 << State::Complete << ok;
    QTest::newRow("status cut after its status byte") << QByteArray("S") << ok << 3 << State::Complete << ok;
    QTest::newRow("part of a read reply")
        << QByteArray("FL") << image.left(100) << 50 << State::Waiting << QByteArray();
    QTest::newRow("a flood of images") << QByteArray("FL") << image.repeated(4) << 300 << State::Invalid
                                       << QByteArray();
    QTest::newRow("a byte beyond the image, alone")
        << QByteArray("FL") << image + '\x83' << 260 << State::Invalid << QByteArray();
    QTest::newRow("a byte beyond the status") << QByteArray("S") << ok + '\0' << 4 << State::Invalid << QByteArray();
    QTest::newRow("two replies in one block") << QByteArray("S") << ok + ok << 8 << State::Invalid << QByteArray();
    QTest::newRow("a byte before the reply") << QByteArray("S") << '\0' + ok << 5 << State::Invalid << QByteArray();
    QTest::newRow("zero bytes") << QByteArray("FL") << QByteArray(1000, '\0') << 1000 << State::Invalid << QByteArray();
    QTest::newRow("no start byte") << QByteArray("FL") << QByteArray(image).replace(0, 1, "\x83") << 260
                                   << State::Invalid << QByteArray();
    QTest::newRow("another request's letter") << QByteArray("FL") << ok << 4 << State::Invalid << QByteArray();
    QTest::newRow("a letter no request has")
        << QByteArray("S") << QByteArray::fromHex("82564f83") << 4 << State::Invalid << QByteArray();
    QTest::newRow("a short reply without its end byte")
        << QByteArray("S") << QByteArray::fromHex("82534f82534f83") << 7 << State::Invalid << QByteArray();
    QTest::newRow("garbage") << QByteArray("S") << QByteArrayLiteral("\x7f\x00\xff\x10garbage\x83\x82") << 3
                             << State::Invalid << QByteArray();
    QTest::newRow("bytes while nothing was asked") << QByteArray() << ok << 4 << State::Invalid << QByteArray();
}

void TestCliClient::intakeTakesExactlyOneReply()
{
    QFETCH(QByteArray, letters);
    QFETCH(QByteArray, stream);
    QFETCH(int, pieceSize);
    QFETCH(ReplyAssembler::State, state);
    QFETCH(QByteArray, reply);

    ReplyAssembler intake;
    intake.expect("S"); // what an earlier request left behind goes with the next one
    intake.feed(QByteArray::fromHex("8253"));
    if (letters.isEmpty())
        intake.clear();
    else
        intake.expect(letters);
    for (qsizetype at = 0; at < stream.size(); at += pieceSize) {
        intake.feed(stream.mid(at, pieceSize));
        QVERIFY(intake.pending() <= image::kImageSize);
    }
    QCOMPARE(intake.state(), state);
    if (state == ReplyAssembler::State::Complete)
        QCOMPARE(intake.reply(), reply);
    for (char letter : {'S', 'L', 'U', 'G', 'B'})
        QCOMPARE(ReplyAssembler::replyLength(letter), 4);
    QCOMPARE(ReplyAssembler::replyLength('F'), image::kImageSize);
    QCOMPARE(ReplyAssembler::replyLength('V'), 0);
}

void TestCliClient::invalidRepliesFromATerminal_data()
{
    QTest::addColumn<QByteArray>("statusAnswer");
    QTest::addColumn<QByteArray>("between"); // sent after a good status answer, before the read
    QTest::addColumn<QList<Answer>>("answers");
    QTest::addColumn<QByteArray>("framesSent");

    const QByteArray ok = QByteArray::fromHex("82534f83");
    const QByteArray status = frames::statusRequest();
    QTest::newRow("two replies in one block") << ok + ok << QByteArray() << QList<Answer>{} << status;
    QTest::newRow("a reply and the start of another")
        << ok + QByteArray::fromHex("82") << QByteArray() << QList<Answer>{} << status;
    QTest::newRow("the status of another letter")
        << QByteArray::fromHex("82554f83") << QByteArray() << QList<Answer>{} << status;
    // The terminal speaks between two requests: the read is not even sent.
    QTest::newRow("a byte between two requests") << ok << QByteArray(1, '\0') << QList<Answer>{Answer::Ready} << status;
    QTest::newRow("a flood of images between two requests")
        << ok << readReply().repeated(40) << QList<Answer>{Answer::Ready} << status;
}

void TestCliClient::invalidRepliesFromATerminal()
{
    QFETCH(QByteArray, statusAnswer);
    QFETCH(QByteArray, between);
    QFETCH(QList<Answer>, answers);
    QFETCH(QByteArray, framesSent);

    FakeTerminal fake;
    QVERIFY(fake.isListening());
    TerminalClient client;
    Driver driver(client);
    driver.steps = {[](TerminalClient& c) { c.requestStatus(); }};
    client.connectTo({QStringLiteral("127.0.0.1"), quint16(fake.address().section(u':', 1).toUInt())});
    QTRY_COMPARE(fake.received, frames::statusRequest());
    fake.send(statusAnswer);
    QTRY_VERIFY_WITH_TIMEOUT(driver.outcome.done, 5000);
    if (!between.isEmpty()) {
        QVERIFY(!driver.outcome.failed);
        fake.send(between);
        QTest::qWait(200);
        client.requestRead(kPasswordBytes);
        QTRY_VERIFY_WITH_TIMEOUT(driver.outcome.failed, 5000);
    }
    QVERIFY(driver.outcome.failed);
    QCOMPARE(driver.outcome.failure, ClientFailure::Invalid);
    QCOMPARE(driver.outcome.text, QStringLiteral("resposta inválida do terminal"));
    QCOMPARE(driver.answers, answers);
    QTest::qWait(50);
    QCOMPARE(fake.received, framesSent);
}

void TestCliClient::deadlineHoldsWhileBytesKeepComing()
{
    // A read reply that comes a byte every 5 ms would take over a second: the request ends at its
    // deadline, however many bytes are on their way then.
    FakeTerminal fake;
    QVERIFY(fake.isListening());
    TerminalClient client;
    client.setReplyTimeout(300);
    Driver driver(client);
    driver.steps = {[](TerminalClient& c) { c.requestRead(kPasswordBytes); }};
    client.connectTo({QStringLiteral("127.0.0.1"), quint16(fake.address().section(u':', 1).toUInt())});
    QTRY_COMPARE(fake.received, frames::readRequest(kPasswordBytes));
    QElapsedTimer clock;
    clock.start();
    const QByteArray reply = readReply();
    QTimer drip;
    qsizetype sent = 0;
    connect(&drip, &QTimer::timeout, this, [&] {
        if (sent < reply.size())
            fake.send(reply.mid(sent++, 1));
    });
    drip.start(5);
    QTRY_VERIFY_WITH_TIMEOUT(driver.outcome.failed, 5000);
    const qint64 elapsed = clock.elapsed();
    QCOMPARE(driver.outcome.failure, ClientFailure::NoAnswer);
    QCOMPARE(driver.outcome.text, QStringLiteral("sem resposta do terminal em 300 ms (leitura)"));
    QVERIFY2(elapsed >= 290 && elapsed < 300 + 700, qPrintable(QString::number(elapsed)));
    QVERIFY(sent < reply.size());
}

void TestCliClient::answerThatCameWhileTheLoopWasBusy()
{
    // The loop comes to the timeout late, after the answer had arrived: the answer counts.
    FakeTerminal fake;
    QVERIFY(fake.isListening());
    TerminalClient client;
    client.setReplyTimeout(1000);
    Driver driver(client);
    client.connectTo({QStringLiteral("127.0.0.1"), quint16(fake.address().section(u':', 1).toUInt())});
    QTRY_VERIFY(driver.outcome.done);
    client.requestStatus();
    QTRY_COMPARE(fake.received, frames::statusRequest());
    fake.send(QByteArray::fromHex("82534f83")); // on its way before the loop is held
    QThread::msleep(1500);                      // held past the timeout
    QTRY_VERIFY(!driver.answers.isEmpty() || driver.outcome.failed);
    QVERIFY2(!driver.outcome.failed, qPrintable(driver.outcome.text));
    QCOMPARE(driver.answers, QList<Answer>{Answer::Ready});
}

void TestCliClient::fullSequenceAgainstTheSimulator_data()
{
    QTest::addColumn<QStringList>("simArgs");
    QTest::newRow("whole replies") << QStringList{};
    QTest::newRow("replies in two pieces") << QStringList{QStringLiteral("--split-replies")};
}

void TestCliClient::fullSequenceAgainstTheSimulator()
{
    QFETCH(QStringList, simArgs);
    SimProcess sim(simArgs);
    QVERIFY(sim.isRunning());
    TerminalClient client;
    Driver driver(client);
    QByteArray image;
    driver.steps = {
        [](TerminalClient& c) { c.requestStatus(); },
        [](TerminalClient& c) { c.requestRead(kPasswordBytes); },
        [&](TerminalClient& c) {
            image = driver.outcome.image;
            c.requestUnlock(kPasswordBytes);
        },
        [&](TerminalClient& c) {
            QByteArray frame = image;
            frame[1] = 'G';
            frame[image::fieldOf("VCNPJ")->first] = 'X';
            c.requestWrite(frame);
        },
        [](TerminalClient& c) { c.requestReboot(); },
    };
    client.connectTo(endpointOf(sim.port()));
    QTRY_VERIFY_WITH_TIMEOUT(driver.outcome.done, 10000);
    QVERIFY2(!driver.outcome.failed, qPrintable(driver.outcome.text));
    QCOMPARE(driver.answers,
             (QList<Answer>{Answer::Ready, Answer::Image, Answer::Unlocked, Answer::Written, Answer::Rebooted}));
    QCOMPARE(image.size(), image::kImageSize);
    QCOMPARE(image.at(1), 'F');
    QCOMPARE(sim.storedImage().at(image::fieldOf("VCNPJ")->first), 'X');
}

void TestCliClient::refusalsAreAnswers()
{
    SimProcess sim(
        {QStringLiteral("--not-ready"), QStringLiteral("--refuse-unlock"), QStringLiteral("--refuse-reboot")});
    QVERIFY(sim.isRunning());
    TerminalClient client;
    Driver driver(client);
    driver.steps = {
        [](TerminalClient& c) { c.requestStatus(); },
        [](TerminalClient& c) { c.requestRead("wrong"); },
        [](TerminalClient& c) { c.requestUnlock(kPasswordBytes); },
        [](TerminalClient& c) { c.requestReboot(); },
    };
    client.connectTo(endpointOf(sim.port()));
    QTRY_VERIFY_WITH_TIMEOUT(driver.outcome.done, 10000);
    QCOMPARE(driver.answers,
             (QList<Answer>{Answer::NotReady, Answer::ReadRefused, Answer::UnlockRefused, Answer::RebootRefused}));
}

void TestCliClient::muteTerminalTimesOut()
{
    SimProcess sim({QStringLiteral("--mute")});
    QVERIFY(sim.isRunning());
    TerminalClient client;
    client.setReplyTimeout(300);
    Driver driver(client);
    driver.steps = {[](TerminalClient& c) { c.requestStatus(); }};
    QElapsedTimer clock;
    clock.start();
    client.connectTo(endpointOf(sim.port()));
    QTRY_VERIFY_WITH_TIMEOUT(driver.outcome.failed, 5000);
    QVERIFY(clock.elapsed() >= 300);
    QCOMPARE(driver.outcome.failure, ClientFailure::NoAnswer);
    QCOMPARE(driver.outcome.request, Request::Status);
    QCOMPARE(driver.outcome.text, QStringLiteral("sem resposta do terminal em 300 ms (pedido de status)"));

    // Garbage is an invalid reply, at once.
    SimProcess garbage({QStringLiteral("--garbage")});
    QVERIFY(garbage.isRunning());
    TerminalClient second;
    second.setReplyTimeout(3000);
    Driver driver2(second);
    driver2.steps = {[](TerminalClient& c) { c.requestRead(kPasswordBytes); }};
    clock.restart();
    second.connectTo(endpointOf(garbage.port()));
    QTRY_VERIFY_WITH_TIMEOUT(driver2.outcome.failed, 5000);
    QCOMPARE(driver2.outcome.failure, ClientFailure::Invalid);
    QVERIFY(clock.elapsed() < 3000);
}

void TestCliClient::refusedConnection()
{
    TerminalClient client;
    Driver driver(client);
    client.connectTo(endpointOf(closedPort()));
    QTRY_VERIFY_WITH_TIMEOUT(driver.outcome.failed, 5000);
    QCOMPARE(driver.outcome.failure, ClientFailure::Refused);
    QCOMPARE(driver.outcome.request, Request::Connect);
    QCOMPARE(driver.outcome.text,
             QStringLiteral("conexão recusada: o terminal está ligado, no endereço e porta certos?"));
}

void TestCliClient::connectTimesOut()
{
    StalledPort stalled;
    QVERIFY(stalled.port() != 0);
    TerminalClient client;
    client.setConnectTimeout(300);
    Driver driver(client);
    QElapsedTimer clock;
    clock.start();
    client.connectTo(endpointOf(stalled.port()));
    QTRY_VERIFY_WITH_TIMEOUT(driver.outcome.failed, 5000);
    QVERIFY(clock.elapsed() >= 300);
    QCOMPARE(driver.outcome.failure, ClientFailure::Unreachable);
    QCOMPARE(driver.outcome.request, Request::Connect);
    QCOMPARE(driver.outcome.text, QStringLiteral("terminal não localizado: sem conexão em 300 ms"));
}

void TestCliClient::requestsOutOfOrderFailLater()
{
    TerminalClient client;
    QSignalSpy failed(&client, &TerminalClient::failed);
    client.requestStatus();     // not connected
    QCOMPARE(failed.size(), 0); // never from inside the call
    QTRY_COMPARE(failed.size(), 1);
    QCOMPARE(failed.at(0).at(1).value<ClientFailure>(), ClientFailure::Closed);

    FakeTerminal fake; // answers nothing
    QVERIFY(fake.isListening());
    QSignalSpy connected(&client, &TerminalClient::connected);
    client.connectTo({QStringLiteral("127.0.0.1"), quint16(fake.address().section(u':', 1).toUInt())});
    QTRY_COMPARE(connected.size(), 1);
    client.requestStatus();
    client.requestRead(kPasswordBytes); // while the status is pending
    QTRY_COMPARE(failed.size(), 2);
    QCOMPARE(failed.at(1).at(0).value<Request>(), Request::Read);
    QCOMPARE(failed.at(1).at(1).value<ClientFailure>(), ClientFailure::Busy);
}

void TestCliClient::closedBeforeTheAnswer()
{
    FakeTerminal fake;
    QVERIFY(fake.isListening());
    TerminalClient client;
    Driver driver(client);
    driver.steps = {[](TerminalClient& c) { c.requestRead(kPasswordBytes); }};
    client.connectTo({QStringLiteral("127.0.0.1"), quint16(fake.address().section(u':', 1).toUInt())});
    QVERIFY(fake.waitForPeer());
    QTRY_VERIFY(!fake.received.isEmpty());
    QCOMPARE(fake.received, frames::readRequest(kPasswordBytes));
    fake.send(readReply().left(100)); // the first part of a reply only
    fake.peer()->disconnectFromHost();
    QTRY_VERIFY(driver.outcome.failed);
    QCOMPARE(driver.outcome.failure, ClientFailure::Closed);
    QCOMPARE(driver.outcome.text, QStringLiteral("conexão encerrada pelo terminal (leitura)"));
}

void TestCliClient::logoLeavesAndIsStored()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    TerminalClient client;
    Driver driver(client);
    QByteArray frame(image::kImageSize, '\x33');
    frame[0] = '\x82';
    frame[1] = 'V';
    driver.steps = {[](TerminalClient& c) { c.requestStatus(); }, [&](TerminalClient& c) { c.sendLogo(frame); }};
    client.connectTo(endpointOf(sim.port()));
    QTRY_VERIFY_WITH_TIMEOUT(driver.outcome.done, 5000);
    QCOMPARE(driver.answers, (QList<Answer>{Answer::Ready, Answer::Sent}));
    QTRY_COMPARE(sim.storedLogo(), frame.mid(2, 240));
}

void TestCliClient::manyTerminalsOnOneLoop()
{
    // One simulator, many connections, all on this thread: each client is read to the end while
    // the others wait for their answers.
    SimProcess sim({QStringLiteral("--split-replies")});
    QVERIFY(sim.isRunning());
    constexpr int kClients = 60;
    std::vector<std::unique_ptr<TerminalClient>> clients;
    std::vector<std::unique_ptr<Driver>> drivers;
    for (int i = 0; i < kClients; ++i) {
        clients.push_back(std::make_unique<TerminalClient>());
        drivers.push_back(std::make_unique<Driver>(*clients.back()));
        drivers.back()->steps = {[](TerminalClient& c) { c.requestStatus(); },
                                 [](TerminalClient& c) { c.requestRead(kPasswordBytes); }};
        clients.back()->connectTo(endpointOf(sim.port()));
    }
    // Served side by side, not one after the other: most statuses are answered before the first
    // image arrives (each reply comes in two pieces ~100 ms apart).
    int readyBeforeFirstImage = -1;
    for (const auto& c : clients) {
        connect(c.get(), &TerminalClient::answered, this, [&](Request, Answer a, const QByteArray&) {
            if (a == Answer::Image && readyBeforeFirstImage < 0)
                readyBeforeFirstImage = int(std::count_if(
                    drivers.begin(), drivers.end(), [](const auto& d) { return d->answers.contains(Answer::Ready); }));
        });
    }
    QTRY_VERIFY_WITH_TIMEOUT(std::all_of(drivers.begin(), drivers.end(), [](const auto& d) { return d->outcome.done; }),
                             20000);
    for (const auto& d : drivers) {
        QVERIFY2(!d->outcome.failed, qPrintable(d->outcome.text));
        QCOMPARE(d->answers, (QList<Answer>{Answer::Ready, Answer::Image}));
        QCOMPARE(d->outcome.image.size(), image::kImageSize);
    }
    QVERIFY2(readyBeforeFirstImage > kClients / 2, qPrintable(QString::number(readyBeforeFirstImage)));
}

HX_TEST_GUILESS_MAIN(TestCliClient)
#include "test_cli_client.moc"
