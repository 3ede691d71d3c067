// The link controller driven against the simulated terminal over loopback: every state of the
// command buttons, every reply and every refusal, with the boxes answered by scripted dialogs.
#include "faketerminal.h"
#include "loopback.h"
#include "simprocess.h"
#include "testprogram.h"
#include "windowfixture.h"
#include "windowprobes.h"

#include <QSignalSpy>
#include <QTest>

class TestGuiLink : public QObject
{
    Q_OBJECT

private slots:
    void initialStateAndConnect();
    void enterInPasswordMovesFocusToRead();
    void secondEnterReads();
    void statusClickLeavesFocus();
    void readWithoutPasswordSendsNothing();
    void readFillsEditorAndButtons();
    void wrongPasswordIsRefused();
    void unlockAndWriteAnsweredNo();
    void writeAnsweredYesUnlocksAndReboots();
    void refusals_data();
    void refusals();
    void rebootPressEndsInDisconnectedState();
    void connectionRefusedShowsMessage();
    void disconnectWhileConnecting();
    void terminalClosingTheConnection();
    void emptyAddress();
    void connectZeroesWorkingCopy();
    void anyReplyNeverCrashes();
    void replyHandledWhileABoxIsOpen();
    void yesPathHandlesTheUnlockReply();
};

void TestGuiLink::initialStateAndConnect()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    WindowFixture f;
    f.create();
    QCOMPARE(f.status(), QStringLiteral("Desconectado"));
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));
    QCOMPARE(f.buttons(), QStringLiteral("0000000"));

    f.combo("IpTerm")->setEditText(sim.address());
    f.w().BtConectarClick();
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Desconectar"));
    QCOMPARE(f.status(), QStringLiteral("Aguarde..."));
    QVERIFY(f.waitStatus(QStringLiteral("Conectado")));
    QCOMPARE(f.buttons(), QStringLiteral("1000000"));
    QTRY_VERIFY(f.edit("VSenhaAtual")->hasFocus());

    // "Desconectar" brings the disconnected state back.
    f.w().BtConectarClick();
    QCOMPARE(f.status(), QStringLiteral("Desconectado"));
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));
    QCOMPARE(f.buttons(), QStringLiteral("0000000"));
}

void TestGuiLink::enterInPasswordMovesFocusToRead()
{
    SimProcess sim;
    WindowFixture f;
    f.create();
    QVERIFY(f.connectTo(sim.address()));
    // Enter with an empty password still asks the status.
    QTest::keyClick(f.edit("VSenhaAtual"), Qt::Key_Return);
    QCOMPARE(f.status(), QStringLiteral("Aguarde..."));
    QVERIFY(f.w().loadingFlag());
    QVERIFY(f.waitStatus(QStringLiteral("Retorno de Status")));
    QCOMPARE(f.buttons(), QStringLiteral("1100000"));
    QTRY_VERIFY(f.button("BtLer")->hasFocus());
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestGuiLink::secondEnterReads()
{
    SimProcess sim;
    WindowFixture f;
    f.create();
    QVERIFY(f.connectTo(sim.address()));
    QTest::keyClicks(f.edit("VSenhaAtual"), QStringLiteral("123456"));
    QCOMPARE(f.edit("VNovaSenha")->text(), QStringLiteral("123456")); // the mirror
    QTest::keyClick(f.edit("VSenhaAtual"), Qt::Key_Return);
    QTRY_VERIFY(f.button("BtLer")->hasFocus());
    // Enter on the focused "Ler" presses it.
    QTest::keyClick(f.button("BtLer"), Qt::Key_Return);
    QVERIFY(f.waitStatus(QStringLiteral("Retorno de Leitura")));
    QCOMPARE(f.edit("VIpLocal")->text(), QStringLiteral("192.168.0.50"));
}

void TestGuiLink::statusClickLeavesFocus()
{
    SimProcess sim;
    WindowFixture f;
    f.create();
    QVERIFY(f.connectTo(sim.address()));
    f.edit("VSenhaAtual")->setText(QStringLiteral("123456"));
    f.edit("VSenhaAtual")->setFocus();
    f.w().BtPedeStatusClick();
    QVERIFY(!f.w().loadingFlag());
    QVERIFY(f.waitStatus(QStringLiteral("Retorno de Status")));
    QVERIFY(!f.button("BtLer")->hasFocus());
    // The passwords survive the emptying of the editor.
    QCOMPARE(f.edit("VSenhaAtual")->text(), QStringLiteral("123456"));
    QCOMPARE(f.edit("VNovaSenha")->text(), QStringLiteral("123456"));
}

void TestGuiLink::readWithoutPasswordSendsNothing()
{
    SimProcess sim;
    WindowFixture f;
    f.create();
    QVERIFY(f.connectTo(sim.address()));
    f.w().BtPedeStatusClick();
    QVERIFY(f.waitStatus(QStringLiteral("Retorno de Status")));
    f.w().BtLerClick();
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("Digite a Senha!")});
    QCOMPARE(f.status(), QStringLiteral("Retorno de Status"));
    QCOMPARE(f.buttons(), QStringLiteral("1100000"));
    f.w().BtDesbloqueioClick();
    QCOMPARE(f.dialogs.texts().last(), QStringLiteral("Digite a Senha para Desbloqueio!"));
}

void TestGuiLink::readFillsEditorAndButtons()
{
    SimProcess sim;
    WindowFixture f;
    f.create();
    QVERIFY(f.connectAndRead(sim.address(), QStringLiteral("123456")));
    QCOMPARE(f.buttons(), QStringLiteral("1010001"));
    QVERIFY(!f.w().loadingFlag());
    QCOMPARE(f.edit("VIpLocal")->text(), QStringLiteral("192.168.0.50"));
    QCOMPARE(f.edit("edMac")->text(), QStringLiteral("0050C2A1B2C3"));
    QCOMPARE(f.w().buffer().working(1), std::uint8_t('G'));
    QCOMPARE(f.w().buffer().working(0), std::uint8_t(0x82));
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestGuiLink::wrongPasswordIsRefused()
{
    SimProcess sim;
    WindowFixture f;
    f.create();
    QVERIFY(f.connectTo(sim.address()));
    f.edit("VSenhaAtual")->setText(QStringLiteral("999999"));
    f.w().BtLerClick();
    QTRY_COMPARE(f.dialogs.texts(),
                 QStringList{QStringLiteral("Não foi possível efetuar a leitura\rVerifique a senha")});
    QCOMPARE(f.status(), QStringLiteral("Aguarde..."));
}

void TestGuiLink::unlockAndWriteAnsweredNo()
{
    SimProcess sim;
    WindowFixture f;
    f.create();
    QVERIFY(f.connectAndRead(sim.address(), QStringLiteral("123456")));
    QVERIFY(f.unlock());
    QCOMPARE(f.buttons(), QStringLiteral("1001111"));

    f.dialogs.answers = {false};
    f.w().BtGravarClick();
    QTRY_COMPARE(f.status(), QStringLiteral("Aviso: Reiniciar Terminal!"));
    QCOMPARE(f.dialogs.shown.size(), 1);
    QCOMPARE(f.dialogs.shown.first().caption, QStringLiteral("Reiniciar Microterminal"));
    QCOMPARE(f.dialogs.shown.first().text,
             QStringLiteral("Gravação realizada com sucesso!\rDeseja reiniciar o terminal para que os\rnovo valores "
                            "entrem em funcionamento?"));
    // A second write needs a new unlock; "Default" keeps its state.
    QCOMPARE(f.buttons(), QStringLiteral("1010111"));
    QVERIFY(f.pause.pauses.isEmpty());
}

void TestGuiLink::writeAnsweredYesUnlocksAndReboots()
{
    SimProcess sim;
    WindowFixture f;
    f.create();
    QVERIFY(f.connectAndRead(sim.address(), QStringLiteral("123456")));
    QVERIFY(f.unlock());
    f.edit("VNovaSenha")->setText(QStringLiteral("654321"));
    f.dialogs.answers = {true};
    f.w().BtGravarClick();
    QTRY_COMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));
    QCOMPARE(f.pause.pauses, (QList<int>{1500, 1500}));
    QCOMPARE(f.status(), QStringLiteral("Desconectado"));
    QCOMPARE(f.buttons(), QStringLiteral("0000000"));
    // The second unlock used the new password: the terminal accepted it (no refusal shown).
    QCOMPARE(f.dialogs.texts().size(), 1);
    QCOMPARE(f.edit("VSenhaAtual")->text(), QStringLiteral("654321"));
    QTRY_COMPARE(sim.storedPassword(), QStringLiteral("654321"));
}

void TestGuiLink::refusals_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("expected");
    QTest::newRow("not ready") << QStringLiteral("--not-ready") << QStringLiteral("Terminal Não Respondendo!");
    QTest::newRow("unlock") << QStringLiteral("--refuse-unlock")
                            << QStringLiteral("Não foi Possível Desbloquear Terminal!");
    QTest::newRow("reboot") << QStringLiteral("--refuse-reboot") << QStringLiteral("Reboot Não foi concluído!");
}

void TestGuiLink::refusals()
{
    QFETCH(QString, mode);
    QFETCH(QString, expected);
    SimProcess sim({mode});
    WindowFixture f;
    f.create();
    QVERIFY(f.connectTo(sim.address()));
    f.edit("VSenhaAtual")->setText(QStringLiteral("123456"));
    const QString before = f.buttons();
    if (mode == QLatin1String("--not-ready")) {
        f.w().BtPedeStatusClick();
    } else if (mode == QLatin1String("--refuse-unlock")) {
        f.w().BtDesbloqueioClick();
    } else {
        // A reboot press closes the connection at once, so the refusal can only come in on an
        // open link as a reply of its own: hand it to the dispatch as the socket would.
        f.w().handleReply(QByteArray("\x82"
                                     "B"
                                     "N"
                                     "\x83",
                                     4));
    }
    QTRY_COMPARE(f.dialogs.texts(), QStringList{expected});
    QCOMPARE(f.buttons(), before);
}

void TestGuiLink::rebootPressEndsInDisconnectedState()
{
    SimProcess sim;
    WindowFixture f;
    f.create();
    QVERIFY(f.connectAndRead(sim.address(), QStringLiteral("123456")));
    QVERIFY(f.unlock());
    f.w().BtRebootClick();
    QCOMPARE(f.status(), QStringLiteral("Desconectado"));
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));
    QCOMPARE(f.buttons(), QStringLiteral("0000000"));
    // The editor was emptied.
    QCOMPARE(f.edit("VIpLocal")->text(), QString());
}

void TestGuiLink::connectionRefusedShowsMessage()
{
    WindowFixture f;
    f.create();
    f.combo("IpTerm")->setEditText(QStringLiteral("127.0.0.1:%1").arg(closedPort()));
    f.w().BtConectarClick();
    QVERIFY(f.waitStatus(QStringLiteral("Falha na conexão")));
    QCOMPARE(f.dialogs.texts(), QStringList{kConnectRefused});
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Desconectar"));
    // First press: disconnected state; second press: a new attempt.
    f.w().BtConectarClick();
    QCOMPARE(f.status(), QStringLiteral("Desconectado"));
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));
    SimProcess sim;
    QVERIFY(f.connectTo(sim.address()));
}

void TestGuiLink::disconnectWhileConnecting()
{
    SimProcess sim;
    WindowFixture f;
    f.create();
    f.combo("IpTerm")->setEditText(sim.address());
    f.w().BtConectarClick();
    f.w().BtConectarClick(); // before the connect completes
    QVERIFY(f.w().disconnectRequested());
    QCOMPARE(f.status(), QStringLiteral("Desconectado"));
    QTest::qWait(300);
    QCOMPARE(f.status(), QStringLiteral("Desconectado"));
    QCOMPARE(f.buttons(), QStringLiteral("0000000"));
    QCOMPARE(f.w().socket()->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(f.dialogs.shown.isEmpty());
}

void TestGuiLink::terminalClosingTheConnection()
{
    SimProcess sim({QStringLiteral("--close-after"), QStringLiteral("1")});
    WindowFixture f;
    f.create();
    QVERIFY(f.connectTo(sim.address()));
    f.w().BtPedeStatusClick();
    QVERIFY(f.waitStatus(QStringLiteral("Desconectado")));
    QVERIFY(f.dialogs.shown.isEmpty());
    // The buttons stay as they were; a frame sent now goes nowhere.
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Desconectar"));
    f.w().BtPedeStatusClick();
    QTest::qWait(200);
    QCOMPARE(f.status(), QStringLiteral("Aguarde..."));
    f.w().BtConectarClick();
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));
}

void TestGuiLink::emptyAddress()
{
    WindowFixture f;
    f.create();
    f.combo("IpTerm")->setEditText(QString());
    QTest::keyClick(f.combo("IpTerm"), Qt::Key_Return);
    QCOMPARE(f.dialogs.texts(), QStringList{QStringLiteral("Digite o Endreço IP do Terminal")});
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Desconectar"));
    // Enter again while "Desconectar" shows: the disconnected state.
    QTest::keyClick(f.combo("IpTerm"), Qt::Key_Return);
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));
    QCOMPARE(f.dialogs.texts().size(), 1);
}

void TestGuiLink::connectZeroesWorkingCopy()
{
    SimProcess sim;
    WindowFixture f;
    f.create();
    for (int i = 0; i < 260; ++i)
        f.w().buffer().setWorking(i, 0x5A);
    QVERIFY(f.connectTo(sim.address()));
    for (int i = 0; i < 257; ++i)
        QCOMPARE(f.w().buffer().working(i), std::uint8_t(0));
    for (int i = 257; i < 260; ++i)
        QCOMPARE(f.w().buffer().working(i), std::uint8_t(0x5A));
}

void TestGuiLink::anyReplyNeverCrashes()
{
    // A fake terminal that sends blocks of arbitrary length and content.
    FakeTerminal terminal;
    QVERIFY(terminal.isListening());
    WindowFixture f;
    f.create();
    QVERIFY(f.connectTo(terminal.address()));
    QVERIFY(terminal.waitForPeer());
    f.dialogs.answers = QList<bool>(200, false);
    quint32 seed = 12345;
    const auto next = [&seed] { return seed = seed * 1103515245u + 12345u; };
    for (int round = 0; round < 120; ++round) {
        const int length = round < 8 ? round : int(next() % 700);
        QByteArray block(length, '\0');
        for (char& c : block)
            c = char(next() >> 16);
        if (length > 1 && round % 3 == 0)
            block[1] = "SFLUGBV"[round % 7];
        terminal.send(block);
        QTest::qWait(5);
    }
    QTest::qWait(100);
    QVERIFY(f.w().isVisible());
}

void TestGuiLink::replyHandledWhileABoxIsOpen()
{
    // A fake terminal: the first status answer says not ready, the one sent while its message box
    // is open says ready. The box's event loop must handle that second reply.
    FakeTerminal terminal;
    terminal.answerEveryRequestWith(QByteArray("\x82SN\x83"));
    WindowFixture f;
    f.create();
    QVERIFY(f.connectTo(terminal.address()));
    QVERIFY(terminal.waitForPeer());
    QString statusInsideBox;
    f.dialogs.onShow = [&] {
        if (f.dialogs.shown.size() != 1)
            return;
        terminal.send(QByteArray("\x82SO\x83"));
        (void)QTest::qWaitFor([&] { return f.status() == QLatin1String("Retorno de Status"); }, 3000);
        statusInsideBox = f.status();
    };
    f.w().BtPedeStatusClick();
    QTRY_COMPARE(f.dialogs.texts(), QStringList{QStringLiteral("Terminal Não Respondendo!")});
    QCOMPARE(statusInsideBox, QStringLiteral("Retorno de Status"));
    QCOMPARE(f.buttons(), QStringLiteral("1100000"));
}

void TestGuiLink::yesPathHandlesTheUnlockReply()
{
    SimProcess sim;
    WindowFixture f;
    f.create();
    QVERIFY(f.connectAndRead(sim.address(), QStringLiteral("123456")));
    QVERIFY(f.unlock());
    QSignalSpy shown(&f.w(), &TfmVarnel::statusShown);
    f.dialogs.answers = {true};
    f.w().BtGravarClick();
    QTRY_COMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));
    QStringList seen;
    for (const QList<QVariant>& args : shown)
        seen.append(args.at(0).toString());
    // The write, the second unlock answered inside the sequence, then the reboot; the closed
    // connection reports itself once more.
    QCOMPARE(seen, (QStringList{QStringLiteral("Aguarde..."), QStringLiteral("Aguarde..."),
                                QStringLiteral("Terminal Desbloqueado"), QStringLiteral("Reiniciando..."),
                                QStringLiteral("Desconectado"), QStringLiteral("Desconectado")}));
}

HX_TEST_MAIN(TestGuiLink)
#include "test_gui_link.moc"
