// history MAC: one terminal's backups, oldest first, each with what changed since the one before.
#include "clitext.h"
#include "commands.h"
#include "jsonline.h"
#include "report.h"

#include "files/backuphistory.h"
#include "files/configsources.h"
#include "image/differences.h"
#include "settingsfolder.h"

namespace
{

const QString kMac = QStringLiteral("mac");
const QString kFile = QStringLiteral("file");

class HistoryRun final : public CommandRun
{
public:
    HistoryRun(const Invocation& inv, QObject* parent) : CommandRun(parent), m_inv(inv) {}

    int run() override
    {
        const QString& mac = m_inv.arguments.at(0);
        const QString folder = m_inv.backupDir.isEmpty() ? defaultBackupFolder() : m_inv.backupDir;
        const QStringList paths = backupsOf(folder, mac);
        if (paths.isEmpty()) {
            const QString text = Cli::tr("nenhuma cópia de segurança de %1 em %2").arg(mac, folder);
            report::error(m_inv.command, text);
            if (m_inv.json)
                TerminalLine{{}, resultword::failed, text, ExitCode::FileProblem, {}}.with(kMac, mac).print();
            return int(ExitCode::FileProblem);
        }
        ExitCode result = ExitCode::Success;
        QString text;
        QString previousPath;
        QByteArray previous;
        for (const QString& path : paths) {
            auto loaded = loadConfigFile(path);
            if (!loaded) {
                // The others still tell the story; the one that cannot be read is left out of it.
                report::error(m_inv.command, loaded.failure().text);
                if (m_inv.json) {
                    TerminalLine{{}, resultword::failed, loaded.failure().text, ExitCode::FileProblem, {}}
                        .with(kMac, mac)
                        .with(kFile, path)
                        .print();
                }
                result = ExitCode::FileProblem;
                continue;
            }
            const ConfigFile& file = *loaded;
            const QList<image::FieldDifference> changes =
                previous.isEmpty() ? QList<image::FieldDifference>{} : image::differences(previous, file.image);
            if (m_inv.json)
                entryLine(path, previousPath, file, changes).print();
            else
                text += entryText(path, previous.isEmpty(), file, changes);
            previous = file.image;
            previousPath = path;
        }
        if (!m_inv.json && !m_inv.quiet)
            report::out(text);
        return int(result);
    }

private:
    static QString entryText(const QString& path, bool first, const ConfigFile& file,
                             const QList<image::FieldDifference>& changes)
    {
        QString text = path;
        if (file.terminal.readAt.isValid())
            text += Cli::tr("  lido em %1").arg(file.terminal.readAt.toString(Qt::ISODate));
        if (!file.terminal.address.isEmpty())
            text += Cli::tr(" de %1").arg(file.terminal.address);
        text += QLatin1Char('\n');
        if (first)
            text += Cli::tr("  a primeira cópia\n");
        else if (changes.isEmpty())
            text += Cli::tr("  nenhum campo mudou\n");
        for (const image::FieldDifference& d : changes)
            text += QStringLiteral("  ") + report::differenceLine(d) + QLatin1Char('\n');
        return text;
    }

    // result "first", "changed" or "same" (a backup with no field changed since the one before).
    static TerminalLine entryLine(const QString& path, const QString& previousPath, const ConfigFile& file,
                                  const QList<image::FieldDifference>& changes)
    {
        const QString result = previousPath.isEmpty() ? QStringLiteral("first")
                               : changes.isEmpty()    ? QStringLiteral("same")
                                                      : QStringLiteral("changed");
        return TerminalLine{file.terminal.address, result, {}, ExitCode::Success, {}}
            .with(kMac, file.terminal.mac)
            .with(kFile, path)
            .with(QStringLiteral("previous"), previousPath)
            .with(QStringLiteral("read_at"),
                  file.terminal.readAt.isValid() ? file.terminal.readAt.toString(Qt::ISODate) : QString())
            .with(QStringLiteral("changes"), report::differencesJson(changes));
    }

    Invocation m_inv;
};

} // namespace

CommandRun* makeHistoryRun(const Invocation& inv, QObject* parent)
{
    return new HistoryRun(inv, parent);
}
