// The configuration log, the logo page and the File menu.
#include "ui/tfmvarnel.h"

#include "files/inifile.h"
#include "files/logofile.h"
#include "files/logrecord.h"
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

QString TfmVarnel::selectedItemText(const QComboBox* box)
{
    // Typed text names an item only in full, as for the byte the box stores.
    const int index = namedItem(box, box->currentText());
    return index < 0 ? QString() : box->itemText(index);
}

bool TfmVarnel::GeraLogCfg()
{
    LogValues v;
    v.mac = ui->edMac->text();
    v.ipLocal = ui->VIpLocal->text();
    v.portaLocal = ui->VPortaLocal->text();
    v.ipRemoto = ui->VIpRemoto->text();
    v.portaRemota = ui->VPortaRemota->text();
    v.client = ui->rbClient->isChecked();
    v.server = ui->rbServer->isChecked();
    v.system = ui->rbSystem->isChecked();
    v.gateway = ui->VGateway->text();
    v.subnet = ui->VSubnet->text();
    v.login = ui->VLogin->text();
    v.password = ui->VPassword->text();
    v.cnpj = ui->VCNPJ->text();
    v.velocidade = selectedItemText(ui->cbVelocidade);
    v.hfDuplex = selectedItemText(ui->cbHFDuplex);
    v.timeoutRede = ui->edTimeOutR->text();
    v.retries = ui->edRetries->text();
    v.corvale = ui->HabCorvale->isChecked();
    v.telnet = ui->HabTelNet->isChecked();
    v.vt100 = ui->HabVT100->isChecked();
    v.conTelnet = ui->edConTelNet->text();
    v.del = selectedItemText(ui->cbTeclaDel);
    v.backspace = selectedItemText(ui->cbTeclaBackspace);
    v.impDefault = selectedItemText(ui->cbImpDefault);
    v.acionamento = selectedItemText(ui->cbAcionamento);
    v.teclado = selectedItemText(ui->cbTeclado);
    v.lcm = selectedItemText(ui->cbVLCM);
    v.polaridade = selectedItemText(ui->cbPolaridade);
    v.interface2G = ui->cbInterface2G->isChecked();
    v.bootDelay = ui->edDelay->text();
    v.com0 = ui->cbCom0->isChecked();
    v.timeout0 = ui->edTimeout0->text();
    v.baud0 = selectedItemText(ui->cbBaud0);
    v.paridade0 = selectedItemText(ui->cbParidade0);
    v.bits0 = selectedItemText(ui->cbBits0);
    v.stop0 = selectedItemText(ui->cbStop0);
    v.hand0 = selectedItemText(ui->cbHand0);
    v.flag0 = selectedItemText(ui->cbFlag0);
    v.com1 = ui->cbCom1->isChecked();
    v.timeout1 = ui->edTimeout1->text();
    v.baud1 = selectedItemText(ui->cbBaud1);
    v.paridade1 = selectedItemText(ui->cbParidade1);
    v.bits1 = selectedItemText(ui->cbBits1);
    v.stop1 = selectedItemText(ui->cbStop1);
    v.hand1 = selectedItemText(ui->cbHand1);
    v.flag1 = selectedItemText(ui->cbFlag1);

    // The record is assembled first and appended in one write: a failure never leaves half a record.
    const QByteArray record = buildLogRecord(v, QDateTime::currentDateTime(), QLocale::system());
    if (!appendToFile(m_programDir + logFileName(), record)) {
        showSettingsWriteError();
        return false;
    }
    return true;
}

void TfmVarnel::btnLogClick()
{
    setStatus(GeraLogCfg() ? QStringLiteral("Log de configuração gerado com sucesso!")
                           : QStringLiteral("Falha ao gerar Log de configuração!"));
}

void TfmVarnel::btAbrirArquivoClick()
{
    const QString path =
        m_dialogs.openFile(this, QStringLiteral("Abrir"), QStringLiteral("Arquivo Texto (*.txt)"), m_programDir);
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
        message(QStringLiteral("Não foi possível lêr o arquivo!"));
    ui->btEscreverArquivo->setEnabled(true);
}

void TfmVarnel::btEscreverArquivoClick()
{
    sendFrame(buildLogoFrame(m_image.workingCopy(), m_logo));
}

void TfmVarnel::Diretrio1Click()
{
    m_dialogs.startDetached(QStringLiteral("xdg-open"), {m_programDir});
}

void TfmVarnel::Log1Click()
{
    const QString path = m_programDir + logFileName();
    if (!isFile(path)) {
        m_dialogs.message(this, QStringLiteral("Aviso"), QStringLiteral("Arquivo LogCfg.txt não localizado!"),
                          Dialogs::Icon::Warning);
        return;
    }
    m_dialogs.startDetached(QStringLiteral("xdg-open"), {path});
}

void TfmVarnel::VisualizarLogClick()
{
    emit logViewerRequested(m_programDir + logFileName());
}
