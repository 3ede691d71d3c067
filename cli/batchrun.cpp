// batch FLEET [PROFILE]: the write sequence of apply on every terminal of a fleet file, side by side.
#include "backupnotice.h"
#include "clitext.h"
#include "commands.h"
#include "problems.h"
#include "progress.h"
#include "report.h"

#include "files/backupfile.h"
#include "files/configsources.h"
#include "files/csvtable.h"
#include "link/batchjob.h"
#include "link/fleetchecks.h"
#include "link/fleetplan.h"
#include "link/openfilelimit.h"
#include "link/writeplan.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace
{

class BatchRun final : public CommandRun
{
public:
    BatchRun(const Invocation& inv, QObject* parent) : CommandRun(parent), m_inv(inv) {}

    int run() override
    {
        auto fleet = loadFleetFile(fleetPath());
        if (!fleet)
            return fileProblem(fleet.failure().text);
        FleetDefaults defaults{{}, m_inv.password, m_inv.newPassword};
        if (m_inv.arguments.size() > 1) {
            auto profile = loadProfile(m_inv.arguments.at(1));
            if (!profile)
                return fileProblem(profile.failure().text);
            defaults.profile = *profile;
        }
        defaults.profile.append(m_inv.sets);

        const FleetPlan plan = planFleet(*fleet, defaults);
        if (!plan.problems.isEmpty())
            return refuse(plan.problems);
        for (const QString& warning : plan.warnings)
            report::error(fleetPath(), Cli::tr("aviso: %1").arg(warning));
        const FleetCheck checks = checkFleetPlan(plan);
        for (const QString& warning : checks.warnings)
            report::error(fleetPath(), warning);
        if (!checks.errors.isEmpty() && !m_inv.force)
            return refuse(checks.errors, Cli::tr(" (--force grava mesmo assim)"));
        for (const QString& error : checks.errors)
            report::error(fleetPath(), error);

        const int parallel = parallelWithinOpenFileLimit(m_inv.parallel);
        if (parallel < m_inv.parallel)
            report::error(fleetPath(), Cli::tr("o limite de arquivos abertos permite %1 terminais ao mesmo "
                                               "tempo, não %2")
                                           .arg(parallel)
                                           .arg(m_inv.parallel));
        QList<BatchJob::Item> items;
        for (const FleetTerminal& terminal : plan.terminals) {
            WriteOptions options = writeOptionsOf(m_inv);
            options.endpoint = terminal.endpoint;
            options.password = terminal.password;
            options.newPassword = terminal.newPassword;
            auto check = std::make_shared<problems::WriteCheck>();
            items.append({options, problems::checked(writeplan::applying(terminal.profile), terminal.newPassword,
                                                     m_inv.force, check)});
            m_checks.append(check);
            m_addresses.append(terminal.address);
            m_lines.append(terminal.line);
        }
        m_job = new BatchJob(std::move(items), parallel, this);
        const Progress::Mode mode =
            !m_inv.quiet && Progress::standardErrorIsTerminal() ? Progress::Mode::StatusLine : Progress::Mode::Lines;
        m_progress = new Progress(mode, m_job->total(), Cli::tr("terminais"), Cli::tr("falhas"), this);
        connect(m_job, &BatchJob::terminalFinished, this, &BatchRun::showOne);
        connect(m_job, &BatchJob::finished, this, &BatchRun::end);
        m_progress->start();
        m_job->start();
        return -1;
    }

private:
    const QString& fleetPath() const { return m_inv.arguments.at(0); }

    int fileProblem(const QString& text)
    {
        report::error(m_inv.command, text);
        if (m_inv.json)
            TerminalLine{{}, resultword::failed, text, ExitCode::FileProblem, {}}.print();
        return int(ExitCode::FileProblem);
    }

    int refuse(const QStringList& problems, const QString& remedy = {})
    {
        for (const QString& problem : problems)
            report::error(fleetPath(), problem);
        const QString refusal =
            Cli::tr("frota recusada: %1; nenhum terminal foi contatado%2")
                .arg(report::counted(problems.size(), Cli::tr("problema"), Cli::tr("problemas")), remedy);
        report::error(fleetPath(), refusal);
        if (m_inv.json) {
            TerminalLine{{}, resultword::refused, refusal, ExitCode::RefusedBeforeWrite, {}}
                .with(QStringLiteral("problems"), QJsonArray::fromStringList(problems))
                .print();
        }
        return int(ExitCode::RefusedBeforeWrite);
    }

    void showOne(int index)
    {
        const WriteResult& r = m_job->results().at(index);
        const bool failed = r.outcome == WriteResult::Outcome::Failed;
        QString line = QStringLiteral("%1: %2").arg(m_addresses.at(index), report::outcomeText(r.outcome));
        if (failed)
            line += QStringLiteral(": ") + r.error;
        m_progress->step(failed, line, failed);
    }

    void end()
    {
        m_progress->finish();
        const QList<WriteResult>& results = m_job->results();
        const QList<QStringList> table = report::batchTable(m_addresses, results, report::Words::People);
        for (qsizetype i = 0; i < results.size(); ++i)
            problems::printFound(m_addresses.at(i), *m_checks.at(i));
        if (m_inv.json) {
            for (qsizetype i = 0; i < results.size(); ++i) {
                report::writeResultLine(m_addresses.at(i), results.at(i))
                    .with(QStringLiteral("problems"), problems::json(m_checks.at(i)->found))
                    .print();
            }
        } else if (!m_inv.quiet) {
            QString text;
            if (m_inv.dryRun) {
                for (qsizetype i = 0; i < results.size(); ++i)
                    text += report::writeResultText(m_addresses.at(i), results.at(i));
                text += QLatin1Char('\n');
            }
            report::out(text + report::alignedText(table));
        }
        warnOfSharedIpLocals();
        for (const WriteResult& r : results)
            noteWhereBackupWent(r.backupPath);
        report::error(fleetPath(), summary());

        int exitCode = int(m_job->failedCount() > 0 ? ExitCode::SomeFailed : ExitCode::Success);
        if (!m_inv.reportPath.isEmpty() && !saveReport() && exitCode == int(ExitCode::Success))
            exitCode = int(ExitCode::FileProblem);
        emit finished(exitCode);
    }

    // The IP Local every terminal ends with is known once it has been read: a terminal whose row
    // sets none keeps its own, which may be another's.
    void warnOfSharedIpLocals()
    {
        QStringList ipLocals;
        for (const WriteResult& r : m_job->results())
            ipLocals.append(r.outcome == WriteResult::Outcome::Failed ? QString() : ipLocalOf(r.sentImage));
        for (const QString& shared : sharedIpLocals(m_lines, m_addresses, ipLocals))
            report::error(fleetPath(), Cli::tr("aviso: %1").arg(shared));
    }

    QString summary() const
    {
        int counts[4] = {};
        for (const WriteResult& r : m_job->results())
            ++counts[int(r.outcome)];
        using O = WriteResult::Outcome;
        using report::counted;
        return Cli::tr("%1: %2, %3, %4, %5, em %6 s")
            .arg(counted(m_job->total(), QStringLiteral("terminal"), Cli::tr("terminais")),
                 counted(counts[int(O::Changed)], Cli::tr("alterado"), Cli::tr("alterados")),
                 counted(counts[int(O::Unchanged)], Cli::tr("inalterado"), Cli::tr("inalterados")),
                 counted(counts[int(O::DryRun)], Cli::tr("simulado"), Cli::tr("simulados")),
                 counted(counts[int(O::Failed)], Cli::tr("falhou"), Cli::tr("falharam")))
            .arg(double(m_progress->elapsedMs()) / 1000.0, 0, 'f', 1);
    }

    bool saveReport()
    {
        QByteArray bytes;
        if (m_inv.reportPath.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) {
            QJsonArray terminals;
            const QList<WriteResult>& results = m_job->results();
            for (qsizetype i = 0; i < results.size(); ++i)
                terminals.append(report::writeResultLine(m_addresses.at(i), results.at(i)).object());
            bytes = QJsonDocument(QJsonObject{{QStringLiteral("terminals"), terminals},
                                              {QStringLiteral("total"), int(m_job->total())},
                                              {QStringLiteral("failed"), m_job->failedCount()}})
                        .toJson(QJsonDocument::Indented);
        } else {
            bytes = spreadsheetCsvBytes(report::batchTable(m_addresses, m_job->results(), report::Words::Machine));
        }
        const SavedFile saved = savePrivateFile(m_inv.reportPath, bytes);
        if (!saved.ok())
            report::error(m_inv.reportPath, saved.failure().text);
        return saved.ok();
    }

    Invocation m_inv;
    QStringList m_addresses; // as the fleet file gives them
    QList<int> m_lines;
    QList<std::shared_ptr<problems::WriteCheck>> m_checks; // one per terminal, filled once it is read
    BatchJob* m_job = nullptr;
    Progress* m_progress = nullptr;
};

} // namespace

CommandRun* makeBatchRun(const Invocation& inv, QObject* parent)
{
    return new BatchRun(inv, parent);
}
