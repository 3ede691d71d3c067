#include "cliprocess.h"

#include <QProcessEnvironment>
#include <QTest>

CliProcess::CliProcess(const QStringList& arguments, const QStringList& environment, const QString& program)
{
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("HXCONFIG_PASSWORD"));
    for (const QString& assignment : environment) {
        const qsizetype equals = assignment.indexOf(u'=');
        env.insert(assignment.left(equals), assignment.mid(equals + 1));
    }
    m_process.setProcessEnvironment(env);
    m_process.start(program.isEmpty() ? QStringLiteral(HXCONFIG_CLI_PATH) : program, arguments);
}

bool CliProcess::wait(int milliseconds)
{
    const bool ended = QTest::qWaitFor(
        [this] {
            out += m_process.readAllStandardOutput();
            err += m_process.readAllStandardError();
            return m_process.state() == QProcess::NotRunning;
        },
        milliseconds);
    out += m_process.readAllStandardOutput();
    err += m_process.readAllStandardError();
    return ended;
}

CliResult runCli(const QStringList& arguments, const QStringList& environment)
{
    CliProcess process(arguments, environment);
    CliResult result;
    if (!process.wait())
        return result;
    result.exitCode = process.crashed() ? -2 : process.exitCode();
    result.out = process.out;
    result.err = process.errText();
    return result;
}
