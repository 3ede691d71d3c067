// The headless terminal client: reply framing across pieces, the link rules for each reply, the
// timeouts, and many terminals on one event loop.
#include "faketerminal.h"
#include "loopback.h"
#include "simprocess.h"

#include "image/layout.h"
#include "link/frames.h"
#include "link/replyassembler.h"
#include "link/terminalclient.h"

#include <QElapsedTimer>

#include <QSignalSpy>
#include <QTest>
#include <algorithm>

#include <memory>

namespace
{

using Answer = TerminalClient::Answer;
using Failure = TerminalClient::Failure;
using Request = TerminalClient::Request;

const QByteArray kPassword = QByteArrayLiteral("123456");

// What one client ended in.
struct Outcome {
    bool done = false;
    Request request = Request::Connect;
    Answer answer = Answer::Sent;
    Failure failure = Failure::Other;
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
                [this](Request r, Failure f, const QString& text) { outcome = {true, r, {}, f, true, {}, text}; });
    }

    QList<std::function<void(TerminalClient&)>> steps;
    QList<Answer> answers;
    Outcome outcome;

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
    void assemblerJoinsPiecesByLength();
    void assemblerDropsWhatIsNoReply();

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

void TestCliClient::assemblerJoinsPiecesByLength()
{
    ReplyAssembler assembler;
    QByteArray image(image::kImageSize, '\x11');
    image[0] = '\x82';
    image[1] = 'F';
    // A read reply byte by byte: only the last byte completes it.
    for (int i = 0; i < image.size() - 1; ++i)
        QVERIFY(!assembler.feed(image.mid(i, 1)));
    const auto whole = assembler.feed(image.right(1));
    QVERIFY(whole);
    QCOMPARE(*whole, image);
    QCOMPARE(assembler.pending(), 0);

    // A short reply cut after its letter waits for the status byte.
    QVERIFY(!assembler.feed(QByteArray::fromHex("8253")));
    QCOMPARE(assembler.feed(QByteArray::fromHex("4f83")).value(), QByteArray::fromHex("82534f"));

    // Cut after the status byte: the end byte that follows alone is the old reply's, not a new one.
    QCOMPARE(assembler.feed(QByteArray::fromHex("82554f")).value(), QByteArray::fromHex("82554f"));
    QVERIFY(!assembler.feed(QByteArray::fromHex("83")));
    QCOMPARE(assembler.pending(), 0);
    QCOMPARE(assembler.feed(QByteArray::fromHex("82474f83")).value(), QByteArray::fromHex("82474f"));

    // Bytes after a read reply in the same block are dropped with it.
    assembler.clear();
    QCOMPARE(assembler.feed(image + QByteArray::fromHex("82534f83")).value(), image);
    QCOMPARE(assembler.pending(), 0);
}

void TestCliClient::assemblerDropsWhatIsNoReply()
{
    ReplyAssembler assembler;
    QVERIFY(!assembler.feed(QByteArrayLiteral("\x7f\x00\xff\x10garbage\x83\x82")));
    QCOMPARE(assembler.pending(), 0);
    QVERIFY(!assembler.feed(QByteArray::fromHex("82")));
    QCOMPARE(assembler.pending(), 1);
    assembler.clear();
    QCOMPARE(assembler.pending(), 0);
    for (char letter : {'S', 'L', 'U', 'G', 'B'})
        QCOMPARE(ReplyAssembler::replyLength(letter), 3);
    QCOMPARE(ReplyAssembler::replyLength('F'), image::kImageSize);
    QCOMPARE(ReplyAssembler::replyLength('V'), 0);
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
        [](TerminalClient& c) { c.requestRead(kPassword); },
        [&](TerminalClient& c) {
            image = driver.outcome.image;
            c.requestUnlock(kPassword);
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
        [](TerminalClient& c) { c.requestUnlock(kPassword); },
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
    QCOMPARE(driver.outcome.failure, Failure::NoAnswer);
    QCOMPARE(driver.outcome.request, Request::Status);
    QCOMPARE(driver.outcome.text, QStringLiteral("sem resposta do terminal em 300 ms (pedido de status)"));

    // Garbage is no answer either.
    SimProcess garbage({QStringLiteral("--garbage")});
    QVERIFY(garbage.isRunning());
    TerminalClient second;
    second.setReplyTimeout(300);
    Driver driver2(second);
    driver2.steps = {[](TerminalClient& c) { c.requestRead(kPassword); }};
    second.connectTo(endpointOf(garbage.port()));
    QTRY_VERIFY_WITH_TIMEOUT(driver2.outcome.failed, 5000);
    QCOMPARE(driver2.outcome.failure, Failure::NoAnswer);
}

void TestCliClient::refusedConnection()
{
    TerminalClient client;
    Driver driver(client);
    client.connectTo(endpointOf(closedPort()));
    QTRY_VERIFY_WITH_TIMEOUT(driver.outcome.failed, 5000);
    QCOMPARE(driver.outcome.failure, Failure::Refused);
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
    QCOMPARE(driver.outcome.failure, Failure::Unreachable);
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
    QCOMPARE(failed.at(0).at(1).value<Failure>(), Failure::Closed);

    FakeTerminal fake; // answers nothing
    QVERIFY(fake.isListening());
    QSignalSpy connected(&client, &TerminalClient::connected);
    client.connectTo({QStringLiteral("127.0.0.1"), quint16(fake.address().section(u':', 1).toUInt())});
    QTRY_COMPARE(connected.size(), 1);
    client.requestStatus();
    client.requestRead(kPassword); // while the status is pending
    QTRY_COMPARE(failed.size(), 2);
    QCOMPARE(failed.at(1).at(0).value<Request>(), Request::Read);
    QCOMPARE(failed.at(1).at(1).value<Failure>(), Failure::Busy);
}

void TestCliClient::closedBeforeTheAnswer()
{
    FakeTerminal fake;
    QVERIFY(fake.isListening());
    TerminalClient client;
    Driver driver(client);
    driver.steps = {[](TerminalClient& c) { c.requestRead(kPassword); }};
    client.connectTo({QStringLiteral("127.0.0.1"), quint16(fake.address().section(u':', 1).toUInt())});
    QVERIFY(fake.waitForPeer());
    QTRY_VERIFY(!fake.received.isEmpty());
    QCOMPARE(fake.received, frames::readRequest(kPassword));
    fake.send(QByteArray(100, '\x46')); // the first part of a reply only
    fake.peer()->disconnectFromHost();
    QTRY_VERIFY(driver.outcome.failed);
    QCOMPARE(driver.outcome.failure, Failure::Closed);
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
                                 [](TerminalClient& c) { c.requestRead(kPassword); }};
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

QTEST_GUILESS_MAIN(TestCliClient)
#include "test_cli_client.moc"
