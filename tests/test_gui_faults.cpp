// The main window against a terminal that misbehaves (silent, split replies, closing, refusing,
// garbage, floods) and against a program directory that stops taking writes. After each fault the
// window must still run, no file may be lost, and the next correct action must work.
#include "loopback.h"
#include "simprocess.h"
#include "terminalstate.h"
#include "testprogram.h"
#include "windowfixture.h"
#include "windowprobes.h"
#include "writefailure.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QTimer>

namespace
{

const QString kAguarde = QStringLiteral("Aguarde...");
const QString kPassword = QStringLiteral("123456");
// Counts the ticks of a zero-interval timer while waiting: a blocked event loop counts none.
int ticksDuring(int milliseconds)
{
    int ticks = 0;
    QTimer timer;
    timer.setInterval(0);
    QObject::connect(&timer, &QTimer::timeout, &timer, [&ticks] { ++ticks; });
    timer.start();
    QTest::qWait(milliseconds);
    return ticks;
}

// From the "Conectar" state of a window that has been used: a normal terminal connects and reads.
bool nextSessionWorks(WindowFixture& f)
{
    SimProcess sim;
    if (!sim.isRunning() || !f.connectAndRead(sim.address(), kPassword))
        return false;
    return f.edit("VLogin")->text() == QLatin1String("operador") && f.buttons() == QLatin1String("1010001");
}

// "Desconectar" pressed as many times as it takes to get back to "Conectar".
void backToConectar(WindowFixture& f)
{
    if (f.button("BtConectar")->text() != QLatin1String("Conectar"))
        f.w().BtConectarClick();
}

QString settingsWriteError(const WindowFixture& f)
{
    return QStringLiteral("Erro ao escrever no arquivo de configuração em:\r") + f.settingsDir();
}

} // namespace

class TestGuiFaults : public QObject
{
    Q_OBJECT

private slots:
    void muteTerminalLeavesAguardeAndStaysResponsive();
    void splitReadReplyIsTakenAsShortImage();
    void terminalClosesMidSession();
    void refusedConnectionAfterTerminalWentAway();
    void garbageRepliesAreIgnored();
    void floodOfBytesIsSurvived();
    void readOnlyDirectoryRefusesHistoryLogAndLogoPath();
    void fullDiskLeavesNoHalfLogRecord();
};

void TestGuiFaults::muteTerminalLeavesAguardeAndStaysResponsive()
{
    SimProcess sim({QStringLiteral("--mute")});
    QVERIFY(sim.isRunning());
    WindowFixture f;
    f.create();
    QVERIFY(f.connectTo(sim.address()));
    f.edit("VSenhaAtual")->setText(kPassword);
    f.w().BtPedeStatusClick();
    QCOMPARE(f.status(), kAguarde);
    QVERIFY(ticksDuring(400) > 0);
    QCOMPARE(f.status(), kAguarde);
    f.w().BtLerClick();
    QVERIFY(ticksDuring(300) > 0);
    QCOMPARE(f.status(), kAguarde);
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.buttons(), QStringLiteral("1000000"));

    f.w().BtConectarClick();
    QCOMPARE(f.status(), QStringLiteral("Desconectado"));
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));
    QCOMPARE(f.buttons(), QStringLiteral("0000000"));
    QTRY_COMPARE(f.w().socket()->state(), QAbstractSocket::UnconnectedState);
    QVERIFY(nextSessionWorks(f));
}

void TestGuiFaults::splitReadReplyIsTakenAsShortImage()
{
    SimProcess sim({QStringLiteral("--split-replies")});
    QVERIFY(sim.isRunning());
    WindowFixture f;
    f.create();
    QVERIFY(f.connectTo(sim.address()));
    f.edit("VSenhaAtual")->setText(kPassword);

    // The status reply comes as 82 53 and 4F 83: the first piece has no status byte.
    f.w().BtPedeStatusClick();
    QTRY_COMPARE(f.dialogs.texts(), QStringList{QStringLiteral("Terminal Não Respondendo!")});
    QTest::qWait(300); // the second piece, whose letter 0x83 means nothing
    QCOMPARE(f.dialogs.texts().size(), 1);

    // The read reply comes as two blocks of 130 bytes: the first is the image, cut short.
    f.w().BtLerClick();
    QVERIFY(f.waitStatus(QStringLiteral("Retorno de Leitura")));
    QTest::qWait(300);
    QCOMPARE(f.status(), QStringLiteral("Retorno de Leitura"));
    QByteArray expected = initialState(kPassword.toLatin1()).image;
    expected[1] = 'G';
    const image::ImageBuffer& b = f.w().buffer();
    for (int i = 0; i < 130; ++i)
        QCOMPARE(b.pristine(i), std::uint8_t(expected.at(i)));
    QCOMPARE(b.pristine(130), std::uint8_t(0));
    QCOMPARE(b.working(130), std::uint8_t(0));
    // Bytes past the piece keep the zeros of the connect, so the fields there show nothing.
    for (int i = 131; i < 257; ++i)
        QCOMPARE(b.working(i), std::uint8_t(0));
    QCOMPARE(f.edit("VIpLocal")->text(), QStringLiteral("192.168.0.50"));
    QCOMPARE(f.edit("VLogin")->text(), QString());
    QCOMPARE(f.buttons(), QStringLiteral("1010001"));
    QCOMPARE(f.dialogs.texts().size(), 1);

    backToConectar(f);
    QVERIFY(nextSessionWorks(f));
}

void TestGuiFaults::terminalClosesMidSession()
{
    SimProcess sim({QStringLiteral("--close-after"), QStringLiteral("2")});
    QVERIFY(sim.isRunning());
    WindowFixture f;
    f.create();
    // Status and read are answered, then the terminal hangs up (right behind the read reply, so
    // the label may never be seen at "Retorno de Leitura").
    QVERIFY(f.connectTo(sim.address()));
    f.edit("VSenhaAtual")->setText(kPassword);
    f.w().BtPedeStatusClick();
    QVERIFY(f.waitStatus(QStringLiteral("Retorno de Status")));
    f.w().BtLerClick();
    QVERIFY(f.waitStatus(QStringLiteral("Desconectado")));
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Desconectar"));
    QCOMPARE(f.buttons(), QStringLiteral("1010001"));
    QCOMPARE(f.edit("VIpLocal")->text(), QStringLiteral("192.168.0.50"));

    // An unlock now goes nowhere and nothing answers it.
    f.w().BtDesbloqueioClick();
    QTest::qWait(200);
    QCOMPARE(f.status(), kAguarde);
    QVERIFY(f.dialogs.shown.isEmpty());

    // First press: disconnected state; second press: a new connection to the same terminal.
    f.w().BtConectarClick();
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));
    QCOMPARE(f.edit("VIpLocal")->text(), QString());
    QVERIFY(f.connectTo(sim.address()));
    f.w().BtPedeStatusClick();
    QVERIFY(f.waitStatus(QStringLiteral("Retorno de Status")));
    f.w().BtLerClick();
    QTRY_COMPARE(f.edit("VLogin")->text(), QStringLiteral("operador"));
    QVERIFY(f.waitStatus(QStringLiteral("Desconectado")));
}

void TestGuiFaults::refusedConnectionAfterTerminalWentAway()
{
    WindowFixture f;
    f.create();
    QString address;
    {
        SimProcess sim;
        QVERIFY(sim.isRunning());
        address = sim.address();
        QVERIFY(f.connectAndRead(address, kPassword));
        sim.stop();
        QVERIFY(f.waitStatus(QStringLiteral("Desconectado")));
    }
    f.w().BtConectarClick();
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));

    // Nothing listens there any more.
    f.combo("IpTerm")->setEditText(address);
    f.w().BtConectarClick();
    QVERIFY(f.waitStatus(QStringLiteral("Falha na conexão")));
    QCOMPARE(f.dialogs.texts(), QStringList{kConnectRefused});
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Desconectar"));
    QVERIFY(!f.button("BtPedeStatus")->isEnabled());
    QVERIFY(!f.button("btnLog")->isEnabled());

    // A port where nothing ever listened gives the same.
    f.w().BtConectarClick();
    f.combo("IpTerm")->setEditText(QStringLiteral("127.0.0.1:%1").arg(closedPort()));
    f.w().BtConectarClick();
    QVERIFY(f.waitStatus(QStringLiteral("Falha na conexão")));
    QCOMPARE(f.dialogs.texts(), (QStringList{kConnectRefused, kConnectRefused}));

    backToConectar(f);
    QVERIFY(nextSessionWorks(f));
}

void TestGuiFaults::garbageRepliesAreIgnored()
{
    SimProcess sim({QStringLiteral("--garbage")});
    QVERIFY(sim.isRunning());
    WindowFixture f;
    f.create();
    QVERIFY(f.connectTo(sim.address()));
    f.edit("VSenhaAtual")->setText(kPassword);
    const QByteArray before = f.w().buffer().workingCopy();
    f.w().BtPedeStatusClick();
    QTest::qWait(300);
    f.w().BtLerClick();
    QTest::qWait(300);
    f.w().BtDesbloqueioClick();
    QTest::qWait(300);
    // Every block's second byte is 0x00: no reply the tool knows, so nothing changes.
    QCOMPARE(f.status(), kAguarde);
    QVERIFY(f.dialogs.shown.isEmpty());
    QCOMPARE(f.buttons(), QStringLiteral("1000000"));
    QCOMPARE(f.w().buffer().workingCopy(), before);

    backToConectar(f);
    QVERIFY(nextSessionWorks(f));
}

void TestGuiFaults::floodOfBytesIsSurvived()
{
    SimProcess sim({QStringLiteral("--flood")});
    QVERIFY(sim.isRunning());
    WindowFixture f;
    f.pause.real = false;
    f.dialogs.answers = QList<bool>(100, false);
    f.create();
    QVERIFY(f.connectTo(sim.address()));
    f.edit("VSenhaAtual")->setText(kPassword);
    QTcpSocket* socket = f.w().socket();
    for (int round = 0; round < 3; ++round) {
        f.w().BtPedeStatusClick();
        // 64 KiB arrive in blocks whose second bytes are arbitrary; wait until all were taken.
        QTest::qWait(300);
        QTRY_COMPARE(socket->bytesAvailable(), qint64(0));
    }
    QVERIFY(f.w().isVisible());
    // Whatever a block looked like, only the tool's own texts were shown.
    const QStringList allowed = {QStringLiteral("Terminal Não Respondendo!"),
                                 QStringLiteral("Não foi possível efetuar a leitura\rVerifique a senha"),
                                 QStringLiteral("Não foi Possível Desbloquear Terminal!"),
                                 QStringLiteral("Reboot Não foi concluído!")};
    for (const ScriptedDialogs::Shown& shown : std::as_const(f.dialogs.shown)) {
        if (shown.kind == QLatin1String("question"))
            QCOMPARE(shown.caption, QStringLiteral("Reiniciar Microterminal"));
        else
            QVERIFY2(allowed.contains(shown.text), qPrintable(shown.text));
    }

    backToConectar(f);
    f.dialogs.clear();
    QVERIFY(nextSessionWorks(f));
    QVERIFY(f.dialogs.texts().isEmpty());
}

void TestGuiFaults::readOnlyDirectoryRefusesHistoryLogAndLogoPath()
{
    SimProcess first;
    SimProcess second;
    QVERIFY(first.isRunning() && second.isRunning());
    WindowFixture f;
    f.create();
    QVERIFY(f.connectAndRead(first.address(), kPassword));
    f.w().btnLogClick();
    QCOMPARE(f.status(), QStringLiteral("Log de configuração gerado com sucesso!"));
    f.w().BtConectarClick(); // "Desconectar"
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));
    const QByteArray iniBefore = f.readFile(QStringLiteral("ConfDefault.ini"));
    const QByteArray logBefore = f.readFile(QStringLiteral("LogCfg.txt"));
    QVERIFY(iniBefore.contains(first.address().toLatin1()));
    QVERIFY(!logBefore.isEmpty());
    // Both files may be read by anyone but written by their owner only: for the unprivileged
    // user the guard switches to, neither the files nor the directory can be written.
    QFile::setPermissions(f.path(QStringLiteral("ConfDefault.ini")),
                          QFileDevice::ReadOwner | QFileDevice::ReadOther | QFileDevice::ReadGroup);
    f.writeFile(QStringLiteral("logo.txt"), QByteArray("00,11,22,33,44,55,\r\n").repeated(40));
    f.dialogs.clear();
    {
        writefailure::ReadOnlyDirectory readOnly(f.tempDir());
        if (!readOnly.active())
            QSKIP("cannot make the program directory read-only here");

        // A new address cannot enter the history: the box, no connection attempt.
        f.combo("IpTerm")->setEditText(second.address());
        f.w().BtConectarClick();
        QCOMPARE(f.dialogs.texts(), QStringList{settingsWriteError(f)});
        QCOMPARE(f.dialogs.shown.first().caption, QStringLiteral("Erro"));
        QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Desconectar"));
        QCOMPARE(f.w().socket()->state(), QAbstractSocket::UnconnectedState);
        QTest::qWait(200);
        QCOMPARE(f.status(), QStringLiteral("Desconectado"));

        // "Log Conf." fails with the same box and leaves the old records whole.
        f.w().btnLogClick();
        QCOMPARE(f.dialogs.texts().size(), 2);
        QCOMPARE(f.dialogs.texts().last(), settingsWriteError(f));
        QCOMPARE(f.status(), QStringLiteral("Falha ao gerar Log de configuração!"));

        // The logo path cannot be remembered: label and "Lê Arquivo" stay as they were.
        const QString caption = f.find<QLabel>("lbCaminho")->text();
        f.dialogs.fileChoices = {f.path(QStringLiteral("logo.txt"))};
        f.w().btAbrirArquivoClick();
        QCOMPARE(f.dialogs.texts().size(), 3);
        QCOMPARE(f.dialogs.texts().last(), settingsWriteError(f));
        QCOMPARE(f.find<QLabel>("lbCaminho")->text(), caption);
        QVERIFY(!f.button("btLerArquivo")->isEnabled());
    }
    QCOMPARE(f.readFile(QStringLiteral("ConfDefault.ini")), iniBefore);
    QCOMPARE(f.readFile(QStringLiteral("LogCfg.txt")), logBefore);
    QCOMPARE(QDir(f.tempDir()).entryList(QDir::Files | QDir::Hidden).size(), 3); // no temporary left behind

    // With the directory writable again everything works: the next press gives "Conectar", the
    // one after it connects to the new address.
    f.w().BtConectarClick();
    QCOMPARE(f.button("BtConectar")->text(), QStringLiteral("Conectar"));
    // The list kept the address whose write failed, so this press counts it as known and leaves
    // the file alone.
    QCOMPARE(f.combo("IpTerm")->itemText(0), second.address());
    QVERIFY(f.connectAndRead(second.address(), kPassword));
    QCOMPARE(f.readFile(QStringLiteral("ConfDefault.ini")), iniBefore);
    f.w().btnLogClick();
    QCOMPARE(f.status(), QStringLiteral("Log de configuração gerado com sucesso!"));
    const QByteArray logAfter = f.readFile(QStringLiteral("LogCfg.txt"));
    QVERIFY(logAfter.startsWith(logBefore));
    QCOMPARE(logAfter.size(), 2 * logBefore.size());
}

void TestGuiFaults::fullDiskLeavesNoHalfLogRecord()
{
    SimProcess sim;
    QVERIFY(sim.isRunning());
    WindowFixture f;
    f.create();
    QVERIFY(f.connectAndRead(sim.address(), kPassword));
    f.w().btnLogClick();
    const QByteArray logBefore = f.readFile(QStringLiteral("LogCfg.txt"));
    QVERIFY(!logBefore.isEmpty());
    {
        // Room for a few bytes of the next record only.
        writefailure::FileSizeLimit limit(rlim_t(logBefore.size() + 40));
        if (!limit.active())
            QSKIP("cannot limit the file size here");
        f.w().btnLogClick();
    }
    QCOMPARE(f.dialogs.texts(), QStringList{settingsWriteError(f)});
    QCOMPARE(f.status(), QStringLiteral("Falha ao gerar Log de configuração!"));
    QCOMPARE(f.readFile(QStringLiteral("LogCfg.txt")), logBefore);

    f.w().btnLogClick();
    QCOMPARE(f.status(), QStringLiteral("Log de configuração gerado com sucesso!"));
    QVERIFY(f.readFile(QStringLiteral("LogCfg.txt")).startsWith(logBefore));
}

HX_TEST_MAIN(TestGuiFaults)
#include "test_gui_faults.moc"
