// backup TARGET...: a fleet's configurations kept in the backups folder, a file only when one changed.
#include "clitext.h"
#include "commands.h"
#include "jsonline.h"
#include "progress.h"
#include "report.h"

#include "files/backupfile.h"
#include "files/backuphistory.h"
#include "files/configsources.h"
#include "files/csvtable.h"
#include "image/cp1252.h"
#include "link/backupjob.h"
#include "link/frames.h"
#include "link/openfilelimit.h"
#include "link/scanjob.h"
#include "settingsfolder.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <memory>

namespace
{

class BackupRun final : public CommandRun
{
public:
    BackupRun(const Invocation& inv, QObject* parent) : CommandRun(parent), m_inv(inv) {}

    int run() override
    {
        QStringList problems;
        QList<Endpoint> rangeEndpoints;
        for (const BackupTarget& target : std::as_const(m_inv.targets)) {
            switch (target.kind) {
            case BackupTarget::Kind::FleetFile: {
                auto fleet = loadFleetFile(target.text);
                if (!fleet) {
                    report::error(m_inv.command, fleet.failure().text);
                    if (m_inv.json)
                        TerminalLine{{}, resultword::failed, fleet.failure().text, ExitCode::FileProblem, {}}.print();
                    return int(ExitCode::FileProblem);
                }
                for (const FleetRow& row : fleet->rows)
                    addRow(target.text, row, problems);
                break;
            }
            case BackupTarget::Kind::Address:
                add(target.text, *parseAddress(target.text), m_inv.password);
                break;
            case BackupTarget::Kind::Range:
                for (quint64 a = target.range.first; a <= target.range.last; ++a)
                    rangeEndpoints.append({addressrange::addressText(quint32(a)), m_inv.port});
                break;
            }
        }
        if (!problems.isEmpty())
            return refuse(problems);

        m_parallel = parallelWithinOpenFileLimit(m_inv.parallel);
        if (m_parallel < m_inv.parallel)
            report::error(m_inv.command, Cli::tr("o limite de arquivos abertos permite %1 terminais ao mesmo "
                                                 "tempo, não %2")
                                             .arg(m_parallel)
                                             .arg(m_inv.parallel));
        m_keeper = std::make_unique<BackupKeeper>(m_inv.backupDir.isEmpty() ? defaultBackupFolder() : m_inv.backupDir);
        if (rangeEndpoints.isEmpty())
            startReads();
        else
            scanRanges(std::move(rangeEndpoints));
        return -1;
    }

private:
    // A row of a fleet file: its own password, else the command line's. Its other cells (values,
    // a new password) are batch's and mean nothing to a backup.
    void addRow(const QString& file, const FleetRow& row, QStringList& problems)
    {
        const QString where = Cli::tr("%1: linha %2 (%3)").arg(file).arg(row.line).arg(row.address);
        const std::optional<Endpoint> endpoint = parseAddress(row.address);
        if (!endpoint) {
            problems.append(Cli::tr("%1: endereço inválido (IPv4 ou host:porta)").arg(where));
            return;
        }
        const QByteArray password = row.password.isEmpty() ? m_inv.password : cp1252::encode(row.password);
        if (password.isEmpty()) {
            problems.append(Cli::tr("%1: falta a senha (coluna password, --password, --password-file ou "
                                    "HXCONFIG_PASSWORD)")
                                .arg(where));
            return;
        }
        if (const image::Outcome<void> fit = frames::checkPassword(password); !fit) {
            problems.append(QStringLiteral("%1: %2").arg(where, fit.failure().text));
            return;
        }
        add(row.address, *endpoint, password);
    }

    // A terminal named twice (in two files, or by a file and a range) is read once, with the
    // password of its first mention.
    void add(const QString& address, const Endpoint& endpoint, const QByteArray& password)
    {
        const QString key = canonicalAddress(endpoint);
        if (m_known.contains(key))
            return;
        m_known.insert(key);
        m_addresses.append(address);
        m_items.append({endpoint, password});
    }

    int refuse(const QStringList& problems)
    {
        for (const QString& problem : problems)
            report::error(m_inv.command, problem);
        const QString refusal = Cli::tr("frota recusada: %1; nenhum terminal foi contatado")
                                    .arg(report::counted(problems.size(), Cli::tr("problema"), Cli::tr("problemas")));
        report::error(m_inv.command, refusal);
        if (m_inv.json) {
            TerminalLine{{}, resultword::refused, refusal, ExitCode::RefusedBeforeWrite, {}}
                .with(QStringLiteral("problems"), QJsonArray::fromStringList(problems))
                .print();
        }
        return int(ExitCode::RefusedBeforeWrite);
    }

    // The ranges first, as scan looks at them: only addresses that answer the status are read.
    void scanRanges(QList<Endpoint> endpoints)
    {
        m_scan = new ScanJob(std::move(endpoints), m_parallel, m_inv.timeoutMs, this);
        const Progress::Mode mode =
            !m_inv.quiet && Progress::standardErrorIsTerminal() ? Progress::Mode::StatusLine : Progress::Mode::Silent;
        auto* progress = new Progress(mode, m_scan->total(), Cli::tr("endereços"), Cli::tr("encontrados"), this);
        connect(m_scan, &ScanJob::addressDone, this, [this, progress](int index) {
            progress->step(m_scan->answers().at(index) != ScanJob::Answer::None, {}, false);
        });
        connect(m_scan, &ScanJob::finished, this, [this, progress] {
            progress->finish();
            for (qsizetype i = 0; i < m_scan->total(); ++i) {
                if (m_scan->answers().at(i) != ScanJob::Answer::None)
                    add(shortAddress(m_scan->endpoints().at(i)), m_scan->endpoints().at(i), m_inv.password);
            }
            startReads();
        });
        progress->start();
        m_scan->start();
    }

    void startReads()
    {
        m_job = new BackupJob(m_items, *m_keeper, m_parallel, m_inv.timeoutMs, this);
        const Progress::Mode mode =
            !m_inv.quiet && Progress::standardErrorIsTerminal() ? Progress::Mode::StatusLine : Progress::Mode::Lines;
        m_progress = new Progress(mode, m_job->total(), Cli::tr("terminais"), Cli::tr("falhas"), this);
        connect(m_job, &BackupJob::terminalFinished, this, &BackupRun::showOne);
        connect(m_job, &BackupJob::finished, this, &BackupRun::end);
        m_progress->start();
        m_job->start();
    }

    void showOne(int index)
    {
        const BackupJob::Result& r = m_job->results().at(index);
        const bool failed = r.outcome == BackupJob::Result::Outcome::Failed;
        QString line = QStringLiteral("%1: %2").arg(m_addresses.at(index), outcomeName(r.outcome));
        line += failed ? QStringLiteral(": ") + r.error : QStringLiteral(" ") + r.file;
        m_progress->step(failed, line, failed);
    }

    TerminalLine resultLine(qsizetype index) const
    {
        const BackupJob::Result& r = m_job->results().at(index);
        return TerminalLine{m_addresses.at(index), outcomeName(r.outcome), r.error, exitCodeOf(r.failure), {}}
            .with(QStringLiteral("mac"), r.mac)
            .with(QStringLiteral("file"), r.file);
    }

    QList<QStringList> table() const
    {
        QList<QStringList> rows{{QStringLiteral("address"), QStringLiteral("result"), QStringLiteral("mac"),
                                 QStringLiteral("file"), QStringLiteral("error")}};
        const QList<BackupJob::Result>& results = m_job->results();
        for (qsizetype i = 0; i < results.size(); ++i) {
            const BackupJob::Result& r = results.at(i);
            rows.append({m_addresses.at(i), outcomeName(r.outcome), r.mac, r.file, r.error});
        }
        return rows;
    }

    void end()
    {
        m_progress->finish();
        const QList<QStringList> rows = table();
        if (m_inv.json) {
            for (qsizetype i = 0; i < m_job->total(); ++i)
                resultLine(i).print();
        } else if (!m_inv.quiet) {
            report::out(report::alignedText(rows));
        }
        report::error(m_inv.command, summary());

        int exitCode = int(m_job->failedCount() > 0 ? ExitCode::SomeFailed : ExitCode::Success);
        if (!m_inv.reportPath.isEmpty() && !saveReport(rows) && exitCode == int(ExitCode::Success))
            exitCode = int(ExitCode::FileProblem);
        emit finished(exitCode);
    }

    QString summary() const
    {
        int counts[3] = {};
        for (const BackupJob::Result& r : m_job->results())
            ++counts[int(r.outcome)];
        using O = BackupJob::Result::Outcome;
        using report::counted;
        return Cli::tr("%1: %2, %3, %4, em %5 s")
            .arg(counted(m_job->total(), Cli::tr("terminal"), Cli::tr("terminais")),
                 counted(counts[int(O::New)], Cli::tr("novo"), Cli::tr("novos")),
                 counted(counts[int(O::Unchanged)], Cli::tr("inalterado"), Cli::tr("inalterados")),
                 counted(counts[int(O::Failed)], Cli::tr("falhou"), Cli::tr("falharam")))
            .arg(double(m_progress->elapsedMs()) / 1000.0, 0, 'f', 1);
    }

    bool saveReport(const QList<QStringList>& rows)
    {
        QByteArray bytes;
        if (m_inv.reportPath.endsWith(QStringLiteral(".json"), Qt::CaseInsensitive)) {
            QJsonArray terminals;
            for (qsizetype i = 0; i < m_job->total(); ++i)
                terminals.append(resultLine(i).object());
            bytes = QJsonDocument(QJsonObject{{QStringLiteral("terminals"), terminals},
                                              {QStringLiteral("total"), int(m_job->total())},
                                              {QStringLiteral("failed"), m_job->failedCount()}})
                        .toJson(QJsonDocument::Indented);
        } else {
            bytes = csvBytes(rows);
        }
        const SavedFile saved = savePrivateFile(m_inv.reportPath, bytes);
        if (!saved.ok())
            report::error(m_inv.reportPath, saved.failure().text);
        return saved.ok();
    }

    Invocation m_inv;
    int m_parallel = 1;
    QSet<QString> m_known; // canonical addresses
    QStringList m_addresses;
    QList<BackupJob::Item> m_items;
    std::unique_ptr<BackupKeeper> m_keeper;
    ScanJob* m_scan = nullptr;
    BackupJob* m_job = nullptr;
    Progress* m_progress = nullptr;
};

} // namespace

CommandRun* makeBackupRun(const Invocation& inv, QObject* parent)
{
    return new BackupRun(inv, parent);
}
