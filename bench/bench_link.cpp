// Measures the link against a baseline taken in the same run: status, read (with decoding) and
// write against hxterm-sim on loopback, against the round trip of a status frame over a bare
// QTcpSocket to the same simulator. Prints medians and ratios. The read includes the backup the
// window saves of it; a second run with the backups folder blocked (a file in its place, so the
// save fails before any disk write) gives the read without it. hxterm-sim is expected beside this
// program. Start-up and memory are measured on whole processes by bench_startup.
#include "startupprobe.h"
#include "ui/silentdialogs.h"
#include "ui/tfmvarnel.h"
#include "waitforpaint.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <functional>
#include <memory>
#include <vector>

namespace
{

constexpr int kRepeats = 50;
constexpr int kWaitLimitMs = 5000;

struct ToolWindow {
    QTemporaryDir settingsDir;
    SilentDialogs dialogs;
    std::unique_ptr<TfmVarnel> window;
};

std::unique_ptr<ToolWindow> createTool()
{
    auto tool = std::make_unique<ToolWindow>();
    tool->window = std::make_unique<TfmVarnel>(tool->settingsDir.path() + QLatin1Char('/'), tool->dialogs);
    tool->window->setLocalAddressSource([] { return QString(); });
    tool->window->FormCreate();
    return tool;
}

// Runs hxterm-sim on a free loopback port; stopped when the object goes.
class Simulator
{
public:
    Simulator()
    {
        m_process.start(QCoreApplication::applicationDirPath() + QStringLiteral("/hxterm-sim"),
                        {QStringLiteral("--port"), QStringLiteral("0")});
        if (!m_process.waitForStarted(5000) || !m_process.waitForReadyRead(5000))
            qFatal("hxterm-sim did not start");
        const QByteArray line = m_process.readLine().trimmed();
        m_port = quint16(line.mid(line.lastIndexOf(':') + 1).toUInt());
        if (m_port == 0)
            qFatal("hxterm-sim said: %s", line.constData());
    }
    ~Simulator()
    {
        m_process.terminate();
        m_process.waitForFinished(2000);
    }
    quint16 port() const { return m_port; }

private:
    QProcess m_process;
    quint16 m_port = 0;
};

// Runs the event loop until done() holds after the sender's signal, or fails after a limit: the
// bare socket's data notification, or the window's status line once a reply has been handled.
template <typename Sender, typename Signal>
void runUntil(Sender* sender, Signal signal, const std::function<bool()>& done)
{
    if (done())
        return;
    QEventLoop loop;
    QTimer limit;
    limit.setSingleShot(true);
    QObject::connect(&limit, &QTimer::timeout, &loop, [] { qFatal("no answer within %d ms", kWaitLimitMs); });
    const auto check = QObject::connect(sender, signal, &loop, [&] {
        if (done())
            loop.quit();
    });
    limit.start(kWaitLimitMs);
    loop.exec();
    QObject::disconnect(check);
}

double bareRoundTripUs(quint16 port)
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port);
    if (!socket.waitForConnected(kWaitLimitMs))
        qFatal("bare socket did not connect");
    std::vector<double> runs;
    for (int i = 0; i < kRepeats; ++i) {
        QByteArray got;
        QElapsedTimer timer;
        timer.start();
        socket.write(QByteArray("\x82S\x83", 3));
        socket.flush();
        runUntil(&socket, &QTcpSocket::readyRead, [&] {
            got += socket.readAll();
            return got.size() >= 4;
        });
        runs.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    return medianOf(runs);
}

struct LinkTimes {
    double status = 0, read = 0, write = 0;
};

LinkTimes toolLinkUs(quint16 port, bool backupsBlocked = false)
{
    auto tool = createTool();
    if (backupsBlocked) {
        QFile blocker(tool->window->backupFolder());
        if (!blocker.open(QIODevice::WriteOnly))
            qFatal("cannot block the backups folder");
    }
    TfmVarnel& w = *tool->window;
    waitForPaint(w, kWaitLimitMs);
    QLabel* label = w.findChild<QLabel*>(QStringLiteral("lbConectado"));
    const auto statusIs = [label](const char* text) {
        return [label, text] { return label->text() == QLatin1String(text); };
    };
    w.findChild<QComboBox*>(QStringLiteral("IpTerm"))->setEditText(QStringLiteral("127.0.0.1:%1").arg(port));
    w.BtConectarClick();
    QElapsedTimer limit;
    limit.start();
    while (label->text() != QLatin1String("Conectado") && limit.elapsed() < kWaitLimitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    w.findChild<QLineEdit*>(QStringLiteral("VSenhaAtual"))->setText(QStringLiteral("123456"));

    std::vector<double> status, read, write;
    for (int i = 0; i < kRepeats; ++i) {
        QElapsedTimer timer;
        timer.start();
        w.BtPedeStatusClick();
        runUntil(&w, &TfmVarnel::statusShown, statusIs("Retorno de Status"));
        status.push_back(double(timer.nsecsElapsed()) / 1000.0);

        timer.start();
        w.BtLerClick();
        runUntil(&w, &TfmVarnel::statusShown, statusIs("Retorno de Leitura"));
        read.push_back(double(timer.nsecsElapsed()) / 1000.0);

        w.BtDesbloqueioClick(); // not timed: a write needs it first
        runUntil(&w, &TfmVarnel::statusShown, statusIs("Terminal Desbloqueado"));
        timer.start();
        w.BtGravarClick(); // the reboot question is answered No
        runUntil(&w, &TfmVarnel::statusShown, statusIs("Aviso: Reiniciar Terminal!"));
        write.push_back(double(timer.nsecsElapsed()) / 1000.0);
    }
    return {medianOf(status), medianOf(read), medianOf(write)};
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    Simulator sim;
    const double roundTripUs = bareRoundTripUs(sim.port());
    const LinkTimes link = toolLinkUs(sim.port());
    const LinkTimes noBackup = toolLinkUs(sim.port(), true);

    std::printf("%-44s %12s %12s %8s\n", "measure (median)", "tool", "baseline", "ratio");
    std::printf("%-44s %10.0f us %10.0f us %8.2f\n", "status (vs bare socket status round trip)", link.status,
                roundTripUs, link.status / roundTripUs);
    std::printf("%-44s %10.0f us %10.0f us %8.2f\n", "read incl. decoding, backup (vs round trip)", link.read,
                roundTripUs, link.read / roundTripUs);
    std::printf("%-44s %10.0f us %10.0f us %8.2f\n", "read and its backup (vs read, backup blocked)", link.read,
                noBackup.read, link.read / noBackup.read);
    std::printf("%-44s %10.0f us %10.0f us %8.2f\n", "write (vs same round trip)", link.write, roundTripUs,
                link.write / roundTripUs);
    std::printf("(%d repeats each)\n", kRepeats);
    return 0;
}
