#pragma once

#include <QByteArray>
#include <QProcess>
#include <QStringList>

// The built hxconfig-cli run as a child process. Several can run at once; waiting keeps the test's
// event loop turning, so a fake terminal or a proxy in the test goes on working meanwhile.
class CliProcess final
{
    Q_DISABLE_COPY_MOVE(CliProcess)

public:
    // HXCONFIG_PASSWORD is removed from the environment unless `environment` sets it. `program`
    // replaces the built hxconfig-cli (a copy of it elsewhere).
    explicit CliProcess(const QStringList& arguments, const QStringList& environment = {}, const QString& program = {});

    // True when the program ended within the time.
    bool wait(int milliseconds = 30000);

    int exitCode() const { return m_process.exitCode(); }
    bool crashed() const { return m_process.exitStatus() != QProcess::NormalExit; }
    QString outText() const { return QString::fromUtf8(out); }
    QString errText() const { return QString::fromUtf8(err); }

    QByteArray out;
    QByteArray err;

private:
    QProcess m_process;
};

// Runs it to the end and returns it (within 30 s).
struct CliResult {
    int exitCode = -1;
    QByteArray out;
    QString err;
    QString outText() const { return QString::fromUtf8(out); }
};
CliResult runCli(const QStringList& arguments, const QStringList& environment = {});
