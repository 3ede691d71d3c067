// scan RANGE: which addresses of a range answer as terminals.
#include "clitext.h"
#include "commands.h"
#include "progress.h"
#include "report.h"

#include "files/backupfile.h"
#include "files/csvtable.h"
#include "files/fleetfile.h"
#include "link/addressrange.h"
#include "link/openfilelimit.h"
#include "link/scanjob.h"

namespace
{

class ScanRun final : public CommandRun
{
public:
    ScanRun(const Invocation& inv, QObject* parent) : CommandRun(parent), m_inv(inv) {}

    int run() override
    {
        const addressrange::Range range = m_inv.range;
        QList<Endpoint> endpoints;
        endpoints.reserve(range.size());
        for (quint64 a = range.first; a <= range.last; ++a)
            endpoints.append({addressrange::addressText(quint32(a)), m_inv.port});
        const int parallel = parallelWithinOpenFileLimit(m_inv.parallel);
        m_job = new ScanJob(std::move(endpoints), parallel, m_inv.timeoutMs, this);
        const Progress::Mode mode =
            !m_inv.quiet && Progress::standardErrorIsTerminal() ? Progress::Mode::StatusLine : Progress::Mode::Silent;
        m_progress = new Progress(mode, m_job->total(), Cli::tr("endereços"), Cli::tr("encontrados"), this);
        connect(m_job, &ScanJob::addressDone, this, [this](int index) {
            m_progress->step(m_job->answers().at(index) != ScanJob::Answer::None, {}, false);
        });
        connect(m_job, &ScanJob::finished, this, &ScanRun::end);
        m_progress->start();
        m_job->start();
        return -1;
    }

private:
    void end()
    {
        m_progress->finish();
        QList<QStringList> fleet{{fleetcolumn::address, fleetcolumn::password}};
        QString text;
        for (qsizetype i = 0; i < m_job->total(); ++i) {
            const ScanJob::Answer answer = m_job->answers().at(i);
            if (answer == ScanJob::Answer::None)
                continue;
            const QString address = shortAddress(m_job->endpoints().at(i));
            const bool ready = answer == ScanJob::Answer::Ready;
            const QString result = ready ? resultword::ready : resultword::notReady;
            if (m_inv.json)
                TerminalLine{address, result, {}, ready ? ExitCode::Success : ExitCode::TerminalRefused, {}}.print();
            text += QStringLiteral("%1 %2\n").arg(address, report::readinessText(result));
            fleet.append({address, QString()});
        }
        if (!m_inv.json && !m_inv.quiet)
            report::out(text);
        if (!m_inv.csvPath.isEmpty()) {
            const SavedFile saved = savePrivateFile(m_inv.csvPath, spreadsheetCsvBytes(fleet));
            if (!saved.ok()) {
                report::error(m_inv.csvPath, saved.failure().text);
                if (m_inv.json)
                    TerminalLine{{}, resultword::failed, saved.failure().text, ExitCode::FileProblem, {}}.print();
                emit finished(int(ExitCode::FileProblem));
                return;
            }
        }
        emit finished(int(ExitCode::Success));
    }

    Invocation m_inv;
    ScanJob* m_job = nullptr;
    Progress* m_progress = nullptr;
};

} // namespace

CommandRun* makeScanRun(const Invocation& inv, QObject* parent)
{
    return new ScanRun(inv, parent);
}
