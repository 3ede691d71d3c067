#include "fakesession.h"

#include "faketerminal.h"
#include "windowfixture.h"

#include <QTest>

namespace fakesession
{

bool connect(WindowFixture& f, FakeTerminal& terminal)
{
    if (!f.connectTo(terminal.address()) || !terminal.waitForPeer())
        return false;
    f.edit("VSenhaAtual")->setText(kPassword);
    terminal.answerEveryRequestWith(QByteArray("\x82SO\x83"));
    f.w().BtPedeStatusClick();
    const bool ready = f.waitStatus(QStringLiteral("Retorno de Status"));
    terminal.answerEveryRequestWith({});
    return ready;
}

bool read(WindowFixture& f, FakeTerminal& terminal, const QByteArray& reply)
{
    return connect(f, terminal) && readNow(f, terminal, reply);
}

bool readNow(WindowFixture& f, FakeTerminal& terminal, const QByteArray& reply)
{
    terminal.answerEveryRequestWith(reply);
    f.w().BtLerClick();
    const bool read = f.waitStatus(QStringLiteral("Retorno de Leitura"));
    terminal.answerEveryRequestWith({});
    return read;
}

bool unlock(WindowFixture& f, FakeTerminal& terminal)
{
    terminal.answerEveryRequestWith(QByteArray("\x82UO\x83"));
    const bool unlocked = f.unlock();
    terminal.answerEveryRequestWith({});
    return unlocked;
}

QByteArray writeFrame(WindowFixture& f, FakeTerminal& terminal)
{
    terminal.received.clear();
    f.w().BtGravarClick();
    (void)QTest::qWaitFor([&terminal] { return terminal.received.size() >= 260; }, 5000);
    QTest::qWait(20); // nothing more may follow
    return terminal.received;
}

} // namespace fakesession
