// hxconfig-cli: reads, compares, applies, verifies and restores terminal configurations from the
// command line, without windows.
#include "commands.h"
#include "invocation.h"
#include "report.h"

#include "files/filewriter.h"
#include "files/language.h"

#include "hxversion.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("hxconfig-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(HX_VERSION));
    language::installForEnvironment(app);

    const ParseOutcome parsed = parseCommandLine(QCoreApplication::arguments());
    if (!parsed.invocation) {
        report::out(parsed.out);
        std::fputs(parsed.err.toUtf8().constData(), stderr);
        // A script that asked for JSON reads its answer even when the command line was wrong.
        if (!parsed.problem.isEmpty() && QCoreApplication::arguments().contains(QStringLiteral("--json")))
            TerminalLine{{}, resultword::failed, parsed.problem, parsed.code, {}}.print();
        return int(parsed.code);
    }
    // The log holds the terminals' login and password; an existing one keeps its mode.
    if (const QString& log = parsed.invocation->logPath; !log.isEmpty()) {
        if (const QString warning = readableByOthersWarning(log); !warning.isEmpty())
            std::fputs(QStringLiteral("hxconfig-cli: %1\n").arg(warning).toUtf8().constData(), stderr);
    }
    CommandRun* command = parsed.makeRun(*parsed.invocation, &app);
    QObject::connect(command, &CommandRun::finished, &app, &QCoreApplication::exit);
    const int immediate = command->run();
    return immediate >= 0 ? immediate : app.exec();
}
