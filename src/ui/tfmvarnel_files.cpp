// The configuration log, the logo page and the File menu.
#include "ui/tfmvarnel.h"

#include "files/inifile.h"
#include "files/logofile.h"
#include "files/logrecord.h"
#include "ui/dialogs.h"
#include "ui_tfmvarnel.h"

#include <QDateTime>
#include <QFile>
#include <QLocale>
#include <QTcpSocket>

namespace
{

const QString kLogFileName = QStringLiteral("LogCfg.txt");

} // namespace

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
    v.velocidade = ui->cbVelocidade->currentText();
    v.hfDuplex = ui->cbHFDuplex->currentText();
    v.timeoutRede = ui->edTimeOutR->text();
    v.retries = ui->edRetries->text();
    v.corvale = ui->HabCorvale->isChecked();
    v.telnet = ui->HabTelNet->isChecked();
    v.vt100 = ui->HabVT100->isChecked();
    v.conTelnet = ui->edConTelNet->text();
    v.del = ui->cbTeclaDel->currentText();
    v.backspace = ui->cbTeclaBackspace->currentText();
    v.impDefault = ui->cbImpDefault->currentText();
    v.acionamento = ui->cbAcionamento->currentText();
    v.teclado = ui->cbTeclado->currentText();
    v.lcm = ui->cbVLCM->currentText();
    v.polaridade = ui->cbPolaridade->currentText();
    v.interface2G = ui->cbInterface2G->isChecked();
    v.bootDelay = ui->edDelay->text();
    v.com0 = ui->cbCom0->isChecked();
    v.timeout0 = ui->edTimeout0->text();
    v.baud0 = ui->cbBaud0->currentText();
    v.paridade0 = ui->cbParidade0->currentText();
    v.bits0 = ui->cbBits0->currentText();
    v.stop0 = ui->cbStop0->currentText();
    v.hand0 = ui->cbHand0->currentText();
    v.flag0 = ui->cbFlag0->currentText();
    v.com1 = ui->cbCom1->isChecked();
    v.timeout1 = ui->edTimeout1->text();
    v.baud1 = ui->cbBaud1->currentText();
    v.paridade1 = ui->cbParidade1->currentText();
    v.bits1 = ui->cbBits1->currentText();
    v.stop1 = ui->cbStop1->currentText();
    v.hand1 = ui->cbHand1->currentText();
    v.flag1 = ui->cbFlag1->currentText();

    // The record is assembled first and appended in one write: a failure never leaves half a record.
    const QByteArray record = buildLogRecord(v, QDateTime::currentDateTime(), QLocale::system());
    if (!appendToFile(m_programDir + kLogFileName, record)) {
        showSettingsWriteError();
        return false;
    }
    return true;
}

void TfmVarnel::btnLogClick()
{
    ui->lbConectado->setText(GeraLogCfg() ? QStringLiteral("Log de configuração gerado com sucesso!")
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
    if (QFile::exists(m_logoPath) && !readLogoFile(m_logoPath, m_logo))
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
    const QString path = m_programDir + kLogFileName;
    if (!QFile::exists(path)) {
        m_dialogs.message(this, QStringLiteral("Aviso"), QStringLiteral("Arquivo LogCfg.txt não localizado!"),
                          Dialogs::Icon::Warning);
        return;
    }
    m_dialogs.startDetached(QStringLiteral("xdg-open"), {path});
}

void TfmVarnel::VisualizarLogClick()
{
    emit logViewerRequested(m_programDir + kLogFileName);
}
