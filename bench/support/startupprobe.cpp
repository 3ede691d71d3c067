#include "startupprobe.h"

#include <QByteArray>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace
{

const QByteArray kMarker = QByteArrayLiteral("hx-first-paint ");

long long monotonicNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

// The benchmark's environment with the probe requested; the offscreen platform unless the caller
// chose another one.
std::vector<std::string> childEnvironment(const QString& probeDir)
{
    std::vector<std::string> env;
    bool platformSet = false;
    std::string pluginPath = probeDir.toStdString();
    for (char** entry = environ; *entry; ++entry) {
        const std::string text = *entry;
        if (text.rfind("QT_QPA_GENERIC_PLUGINS=", 0) == 0)
            continue;
        if (text.rfind("QT_PLUGIN_PATH=", 0) == 0) {
            pluginPath += ':' + text.substr(std::strlen("QT_PLUGIN_PATH="));
            continue;
        }
        platformSet = platformSet || text.rfind("QT_QPA_PLATFORM=", 0) == 0;
        env.push_back(text);
    }
    env.push_back("QT_PLUGIN_PATH=" + pluginPath);
    env.push_back("QT_QPA_GENERIC_PLUGINS=hxfirstpaint");
    if (!platformSet)
        env.emplace_back("QT_QPA_PLATFORM=offscreen");
    return env;
}

std::vector<char*> pointers(std::vector<std::string>& texts)
{
    std::vector<char*> out;
    for (std::string& text : texts)
        out.push_back(text.data());
    out.push_back(nullptr);
    return out;
}

// Reads the child's standard output and error until the marker line arrives, both close or the
// deadline passes. Returns the marker's time stamp, or -1, and the peak it reports (or -1).
long long waitForMarker(int outFd, int errFd, long long deadlineNs, QByteArray& errors, long& peakKib)
{
    QByteArray out;
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    while (fds[0].fd >= 0 || fds[1].fd >= 0) {
        const long long leftMs = (deadlineNs - monotonicNs()) / 1000000;
        if (leftMs <= 0)
            return -1;
        const int ready = poll(fds, 2, static_cast<int>(leftMs));
        if (ready < 0 && errno != EINTR)
            return -1;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || !(fds[i].revents & (POLLIN | POLLHUP | POLLERR)))
                continue;
            char buffer[4096];
            const ssize_t n = read(fds[i].fd, buffer, sizeof buffer);
            if (n <= 0) {
                fds[i].fd = -1;
                continue;
            }
            (i == 0 ? out : errors).append(buffer, n);
        }
        const qsizetype at = out.indexOf(kMarker);
        if (at >= 0 && out.indexOf('\n', at) > at) {
            const qsizetype end = out.indexOf('\n', at);
            const QList<QByteArray> fields = out.mid(at + kMarker.size(), end - at - kMarker.size()).split(' ');
            peakKib = fields.size() > 1 ? fields.at(1).toLong() : -1;
            return fields.at(0).toLongLong();
        }
    }
    return -1;
}

} // namespace

StartupProbe::StartupProbe(QString probeDir, int timeoutMs) : m_probeDir(std::move(probeDir)), m_timeoutMs(timeoutMs) {}

QString StartupProbe::probeDirBeside(const QString& applicationDir)
{
    return applicationDir + QStringLiteral("/probes");
}

StartupRun StartupProbe::run(const StartupCase& startup) const
{
    StartupRun result;
    int out[2];
    int err[2];
    if (pipe2(out, O_CLOEXEC) != 0)
        return {0, 0, QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(std::strerror(errno)))};
    if (pipe2(err, O_CLOEXEC) != 0) {
        close(out[0]);
        close(out[1]);
        return {0, 0, QStringLiteral("pipe: %1").arg(QString::fromLocal8Bit(std::strerror(errno)))};
    }

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, out[1], STDOUT_FILENO);
    posix_spawn_file_actions_adddup2(&actions, err[1], STDERR_FILENO);
    const std::string directory = startup.workingDirectory.toStdString();
    if (!directory.empty())
        posix_spawn_file_actions_addchdir_np(&actions, directory.c_str());

    std::vector<std::string> args{startup.program.toStdString()};
    for (const QString& argument : startup.arguments)
        args.push_back(argument.toStdString());
    std::vector<std::string> env = childEnvironment(m_probeDir);
    std::vector<char*> argv = pointers(args);
    std::vector<char*> envp = pointers(env);

    pid_t pid = 0;
    const long long startNs = monotonicNs();
    const int spawned = posix_spawn(&pid, args.front().c_str(), &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(out[1]);
    close(err[1]);
    if (spawned != 0) {
        close(out[0]);
        close(err[0]);
        return {
            0, 0,
            QStringLiteral("cannot start %1: %2").arg(startup.program, QString::fromLocal8Bit(std::strerror(spawned)))};
    }

    QByteArray errors;
    long reportedPeakKib = -1;
    const long long markerNs =
        waitForMarker(out[0], err[0], startNs + m_timeoutMs * 1000000LL, errors, reportedPeakKib);
    if (markerNs < 0)
        kill(pid, SIGKILL);
    close(out[0]);
    close(err[0]);
    int status = 0;
    rusage usage{};
    while (wait4(pid, &status, 0, &usage) < 0 && errno == EINTR) {
    }
    // The child's own figure: its ru_maxrss also counts the benchmark's peak, taken over at exec.
    result.peakKib = reportedPeakKib > 0 ? reportedPeakKib : usage.ru_maxrss;
    if (markerNs < 0) {
        result.failure = QStringLiteral("%1 showed no painted window within %2 ms; its errors:\n%3")
                             .arg(startup.program)
                             .arg(m_timeoutMs)
                             .arg(QString::fromLocal8Bit(errors));
        return result;
    }
    result.milliseconds = double(markerNs - startNs) / 1e6;
    return result;
}

QList<StartupFigures> StartupProbe::measure(const QList<StartupCase>& cases, int rounds, QString* failure) const
{
    const auto fail = [failure](const QString& text) {
        if (failure)
            *failure = text;
        return QList<StartupFigures>();
    };
    for (const StartupCase& startup : cases) {
        const StartupRun warmUp = run(startup);
        if (!warmUp.failure.isEmpty())
            return fail(warmUp.failure);
    }
    const qsizetype n = cases.size();
    std::vector<std::vector<double>> times(static_cast<std::size_t>(n));
    std::vector<std::vector<double>> peaks(static_cast<std::size_t>(n));
    for (int round = 0; round < rounds; ++round) {
        for (qsizetype k = 0; k < n; ++k) {
            const auto index = static_cast<std::size_t>((round + k) % n);
            const StartupRun measured = run(cases.at(static_cast<qsizetype>(index)));
            if (!measured.failure.isEmpty())
                return fail(measured.failure);
            times[index].push_back(measured.milliseconds);
            peaks[index].push_back(double(measured.peakKib));
        }
    }
    QList<StartupFigures> figures;
    for (qsizetype k = 0; k < n; ++k) {
        const auto index = static_cast<std::size_t>(k);
        figures.append({cases.at(k).label, medianOf(times[index]), medianOf(peaks[index]), rounds});
    }
    return figures;
}

double medianOf(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2.0;
}
