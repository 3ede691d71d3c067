// The safety net around a write: a backup of every configuration read, the comparison of the
// editor with what was read, and a terminal's configuration exported to a file and loaded back.
#include "ui/tfmvarnel.h"

#include "files/backupfile.h"
#include "files/buildtree.h"
#include "files/configfile.h"
#include "files/configsources.h"
#include "image/differences.h"
#include "image/readable.h"
#include "ui/comparedialog.h"
#include "ui/dialogs.h"
#include "ui_tfmvarnel.h"

#include <QDir>
#include <QFileInfo>
#include <QTcpSocket>

namespace
{

QString configurationFilter()
{
    return TfmVarnel::tr("Configuração (*.ini)");
}

} // namespace

QString TfmVarnel::backupFolder() const
{
    return m_settingsDir + QStringLiteral("Backups");
}

TerminalInfo TfmVarnel::terminalInfo(const QByteArray& image) const
{
    return {image::macText(image), m_readAt, m_readFrom};
}

// Runs once the read handling is done: the copies already hold the reply, the editor shows it and
// the status line says so. Whatever happens here, the read stands as it is.
void TfmVarnel::saveReadBackup()
{
    m_readAt = m_clock();
    m_readFrom = Config->state() == QAbstractSocket::ConnectedState
                     ? QStringLiteral("%1:%2").arg(Config->peerName()).arg(Config->peerPort())
                     : QString();
    // The pristine copy: the reply as it arrived, byte 1 'G', untouched by the decoding.
    const QByteArray asRead = m_image.pristineCopy();
    const SavedFile saved = saveBackup(backupFolder(), asRead, terminalInfo(asRead), m_readAt);
    if (saved.ok()) {
        // The strip names the file; its tip says where it went.
        showBackupState(tr("Backup: ") + QFileInfo(*saved).fileName(),
                        tr("Backup: ") + QDir::toNativeSeparators(QFileInfo(*saved).absoluteFilePath()));
    } else {
        showBackupState(tr("Backup falhou: ") + saved.failure().text);
    }
}

void TfmVarnel::showBackupState(const QString& text, const QString& tip)
{
    // Too long a text is shortened in the middle on the strip; its tip and its accessible name say
    // it whole.
    QLabel* label = ui->lbBackup;
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideMiddle, label->width()));
    label->setToolTip(tip.isEmpty() ? text : tip);
    label->setAccessibleName(text);
    label->setAccessibleDescription(tip);
}

// A program run from a CMake build folder keeps its backups there, and `rm -rf build` would take
// the only copy of the terminals' old configurations with it. Said once, on the strip until the
// first read replaces it, never in a box that would stop the user.
void TfmVarnel::warnOfBackupsInBuildTree()
{
    const QString buildTree = enclosingBuildTree(backupFolder());
    if (buildTree.isEmpty())
        return;
    showBackupState(tr("Aviso: apagar a pasta de compilação apaga os backups"),
                    tr("Os backups das leituras vão para %1, dentro da pasta de compilação %2: apagar essa pasta "
                       "apaga também os backups.\nPara guardá-los em outro lugar, use o pacote instalado (backups em "
                       "~/.config/hxconfig/Backups) ou o hxconfig-cli com --backup-dir PASTA.")
                        .arg(QDir::toNativeSeparators(backupFolder()), QDir::toNativeSeparators(buildTree)));
}

// The items that need a read configuration follow "Log Conf.", which is available exactly then;
// loading a file follows "Default", since both change the editor before a write.
void TfmVarnel::followCommandButtons()
{
    ui->CompararLido1->setEnabled(ui->btnLog->isEnabled());
    ui->ExportarConfiguracao1->setEnabled(ui->btnLog->isEnabled());
    ui->CarregarConfiguracao1->setEnabled(ui->BtDefault->isEnabled());
}

void TfmVarnel::CompararLido1Click()
{
    CompareDialog dialog(image::changesSinceRead(m_image.pristineCopy(), m_image.workingCopy()), this);
    m_dialogs.showDialog(dialog);
}

void TfmVarnel::ExportarConfiguracao1Click()
{
    const QByteArray image = m_image.workingCopy();
    const QString path = m_dialogs.saveFile(this, tr("Exportar Configuração"), configurationFilter(),
                                            m_settingsDir + backupFileName(image, m_clock()));
    if (path.isEmpty())
        return;
    // The file carries the passwords of the image: readable by its owner only.
    const SavedFile saved = savePrivateFile(path, configFileBytes(image, terminalInfo(image)));
    if (!saved.ok())
        m_dialogs.message(this, tr("Erro"), tr("Não foi possível exportar a configuração:\r") + saved.failure().text,
                          Dialogs::Icon::Critical);
}

void TfmVarnel::CarregarConfiguracao1Click()
{
    const QString caption = tr("Carregar Configuração");
    const QString path = m_dialogs.openFile(this, caption, configurationFilter(), m_settingsDir);
    if (path.isEmpty())
        return;
    auto loaded = loadConfigFile(path);
    if (!loaded) {
        m_dialogs.message(this, tr("Erro"), tr("Não foi possível carregar a configuração:\r") + loaded.failure().text,
                          Dialogs::Icon::Critical);
        return;
    }
    const ConfigFile& file = *loaded;
    image::Profile profile = file.readable;

    // Every value must name an item before anything changes: a load is whole or nothing.
    const QList<image::ProfileProblem> problems = image::applyProfile(m_image.pristineCopy(), profile).problems;
    if (!problems.isEmpty()) {
        QStringList lines{tr("Nada foi carregado. Valores que não correspondem a nenhum item:")};
        for (const image::ProfileProblem& problem : problems)
            lines.append(problem.text());
        m_dialogs.message(this, caption, lines.join(QLatin1Char('\r')), Dialogs::Icon::Warning);
        return;
    }

    // The terminal keeps its own MAC and reserved bytes whatever the file says: no key carries
    // them. Another terminal's configuration would also give this one that terminal's address.
    const QString fileMac = image::macText(file.image);
    if (fileMac.compare(image::macText(m_image.pristineCopy()), Qt::CaseInsensitive) != 0) {
        if (!m_dialogs.question(
                this, caption,
                tr("Esta configuração é de outro terminal (MAC %1). Carregar mesmo assim?").arg(fileMac)))
            return;
        const image::Field& ipLocal = image::ipLocalField();
        profile.removeIf([&ipLocal](const image::ProfileEntry& entry) {
            return image::fieldOfKey(entry.section, entry.key) == &ipLocal;
        });
    }
    loadProfileIntoEditor(profile, true);
}

void TfmVarnel::AbrirBackups1Click()
{
    if (!QFileInfo(backupFolder()).isDir()) {
        m_dialogs.message(this, tr("Aviso"), tr("Pasta Backups não localizada!"), Dialogs::Icon::Warning);
        return;
    }
    m_dialogs.startDetached(QStringLiteral("xdg-open"), {backupFolder() + QDir::separator()});
}
