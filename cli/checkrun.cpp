// check FILE|ADDRESS: the checks of a configuration file or of what a terminal holds.
#include "clitext.h"
#include "commands.h"
#include "problems.h"
#include "report.h"

#include "files/configsources.h"
#include "image/readable.h"
#include "link/readjob.h"
#include "link/terminalclient.h"

#include <QJsonArray>

namespace
{

class CheckRun final : public CommandRun
{
public:
    CheckRun(const Invocation& inv, QObject* parent) : CommandRun(parent), m_inv(inv), m_read(m_client, inv.password)
    {
        m_client.setConnectTimeout(inv.timeoutMs);
        m_client.setReplyTimeout(inv.timeoutMs);
        connect(&m_read, &ReadJob::done, this, [this] {
            m_client.close();
            emit finished(report(m_read.image()));
        });
        connect(&m_read, &ReadJob::failed, this, [this](FailureKind kind, const QString& text) {
            m_client.close();
            emit finished(fail(exitCodeOf(kind), text));
        });
    }

    int run() override
    {
        // A file that cannot be read is named by its path; a terminal by its address.
        if (isAddressArgument(source())) {
            m_address = source();
            m_read.start(*parseAddress(source()));
            return -1;
        }
        m_file = source();
        auto loaded = loadConfigFile(source());
        if (!loaded)
            return fail(ExitCode::FileProblem, loaded.failure().text);
        m_address = loaded->terminal.address;
        return report(loaded->image);
    }

private:
    const QString& source() const { return m_inv.arguments.at(0); }

    TerminalLine line(const QString& outcome, const QString& error, ExitCode c) const
    {
        TerminalLine line{m_address, outcome, error, c, {}};
        if (!m_file.isEmpty())
            line.with(QStringLiteral("file"), m_file);
        return line;
    }

    int fail(ExitCode c, const QString& text)
    {
        report::error(source(), text);
        if (m_inv.json)
            line(resultword::failed, text, c).with(QStringLiteral("problems"), QJsonArray()).print();
        return int(c);
    }

    int report(const QByteArray& image)
    {
        const QList<image::Problem> found = image::checkImage(image::workingCopyAfterRead(image));
        const int errors = image::errorCount(found);
        const ExitCode c = errors > 0 ? ExitCode::RefusedBeforeWrite : ExitCode::Success;
        if (m_inv.json) {
            const QString outcome = errors > 0        ? QStringLiteral("errors")
                                    : found.isEmpty() ? QStringLiteral("ok")
                                                      : QStringLiteral("warnings");
            line(outcome, {}, c).with(QStringLiteral("problems"), problems::json(found)).print();
        } else if (!m_inv.quiet) {
            QString text;
            for (const image::Problem& p : found)
                text += image::problemLine(p) + QLatin1Char('\n');
            report::out(text);
        }
        report::error(source(), found.isEmpty()
                                    ? Cli::tr("nenhum problema")
                                    : Cli::tr("%1 erro(s), %2 aviso(s)").arg(errors).arg(found.size() - errors));
        return int(c);
    }

    Invocation m_inv;
    TerminalClient m_client;
    ReadJob m_read; // after the client: it goes first
    QString m_address;
    QString m_file;
};

} // namespace

CommandRun* makeCheckRun(const Invocation& inv, QObject* parent)
{
    return new CheckRun(inv, parent);
}
