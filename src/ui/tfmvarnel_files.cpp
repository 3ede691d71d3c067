// The configuration log, the logo page and the File menu.
#include "ui/tfmvarnel.h"

#include "files/filewriter.h"
#include "files/inifile.h"
#include "files/logofile.h"
#include "image/logrecord.h"
#include "image/imagerecord.h"
#include "ui/dialogs.h"
#include "ui_tfmvarnel.h"

#include <QDateTime>
#include <QFileInfo>
#include <QLocale>
#include <QTcpSocket>

namespace
{

// Only a regular file counts as present; a directory of that name does not.
bool isFile(const QString& path)
{
    return QFileInfo(path).isFile();
}

} // namespace

bool TfmVarnel::GeraLogCfg()
{
    const LogValues v = image::logValuesOf([this](const image::Field& field) { return shownValue(field); });
    // The record is assembled first and appended in one write: a failure never leaves half a record.
    const QByteArray record = buildLogRecord(v, QDateTime::currentDateTime(), QLocale::system());
    if (!appendFile(m_settingsDir + logFileName(), record, FileAccess::AsBefore).ok()) {
        showSettingsWriteError();
        return false;
    }
    return true;
}

void TfmVarnel::btnLogClick()
{
    setStatus(GeraLogCfg() ? tr("Log de configuração gerado com sucesso!") : tr("Falha ao gerar Log de configuração!"));
}

void TfmVarnel::btAbrirArquivoClick()
{
    const QString path = m_dialogs.openFile(this, tr("Abrir"), tr("Arquivo Texto (*.txt)"), m_settingsDir);
    if (path.isEmpty())
        return;
    m_logoPath = path;
    if (!settings().writeString(QStringLiteral("Arquivo"), QStringLiteral("Caminho"), path)) {
        showSettingsWriteError();
        return;
    }
    ui->lbCaminho->setText(path);
    ui->btLerArquivo->setEnabled(true);
}

void TfmVarnel::btLerArquivoClick()
{
    if (isFile(m_logoPath) && !readLogoFile(m_logoPath, m_logo))
        message(tr("Não foi possível lêr o arquivo!"));
    ui->btEscreverArquivo->setEnabled(true);
}

void TfmVarnel::btEscreverArquivoClick()
{
    sendFrame(buildLogoFrame(m_image.workingCopy(), m_logo));
}

void TfmVarnel::Diretrio1Click()
{
    m_dialogs.startDetached(QStringLiteral("xdg-open"), {m_settingsDir});
}

void TfmVarnel::Log1Click()
{
    const QString path = m_settingsDir + logFileName();
    if (!isFile(path)) {
        m_dialogs.message(this, tr("Aviso"), tr("Arquivo LogCfg.txt não localizado!"), Dialogs::Icon::Warning);
        return;
    }
    m_dialogs.startDetached(QStringLiteral("xdg-open"), {path});
}

void TfmVarnel::VisualizarLogClick()
{
    emit logViewerRequested(m_settingsDir + logFileName());
}
