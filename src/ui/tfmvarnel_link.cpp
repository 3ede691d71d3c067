// The link controller: the connection to one terminal, the command frames, the replies and the
// command buttons' states.
#include "ui/tfmvarnel.h"

#include "image/cp1252.h"
#include "link/endpoint.h"
#include "link/frames.h"
#include "link/socketerror.h"
#include "ui/controlrules.h"
#include "ui/dialogs.h"
#include "ui_tfmvarnel.h"

#include <QCoreApplication>
#include <QTcpSocket>

namespace
{

// Functions, not constants: the texts are in the language chosen at start-up.
QString kConectar()
{
    return TfmVarnel::tr("Conectar");
}

QString kDesconectar()
{
    return TfmVarnel::tr("Desconectar");
}

QString kAguarde()
{
    return TfmVarnel::tr("Aguarde...");
}

constexpr int kPostWritePauseMs = 1500;

} // namespace

void TfmVarnel::sendFrame(const QByteArray& frame)
{
    // Without an established connection the bytes are dropped without a message.
    if (Config->state() != QAbstractSocket::ConnectedState)
        return;
    Config->write(frame);
    // Hand the frame to the network now, so a reply can arrive while the GUI thread pauses.
    Config->flush();
}

void TfmVarnel::closeConnection()
{
    // Acts only on an established connection; a connect still under way needs abort(). Frames
    // already sent still go out; replies not yet handled are dropped with the read buffer.
    if (Config->state() == QAbstractSocket::ConnectedState) {
        m_closingOurselves = true;
        Config->close();
        m_closingOurselves = false;
    }
}

void TfmVarnel::abortConnection()
{
    // Ends a connect under way too; whatever was not handled yet is dropped.
    m_closingOurselves = true;
    Config->abort();
    m_closingOurselves = false;
}

void TfmVarnel::handleWaitingMessages()
{
    // Without waiting for new ones: the socket notifications already there, then the reply
    // handling they queued.
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(this, QEvent::MetaCall);
}

void TfmVarnel::BtConectarClick()
{
    closeConnection();
    if (ui->BtConectar->text() != kConectar()) {
        abortConnection();
        m_disconnectRequest = true;
        SetDisconnectedState();
        return;
    }
    setConnectCaption(kDesconectar());
    m_disconnectRequest = false;

    const QString address = ui->IpTerm->currentText();
    if (address.isEmpty()) {
        message(tr("Digite o Endreço IP do Terminal"));
        return;
    }
    if (!rememberAddress(address))
        return;
    setStatus(kAguarde());

    // A socket left closing by an earlier session would ignore the new connect.
    abortConnection();
    const Endpoint endpoint = parseEndpoint(address);
    Config->connectToHost(endpoint.host, endpoint.port);
}

void TfmVarnel::ConfigConnect()
{
    if (m_disconnectRequest) {
        SetDisconnectedState();
        m_disconnectRequest = false;
        return;
    }
    m_image.zeroForConnect();
    setStatus(tr("Conectado"));
    ui->BtPedeStatus->setEnabled(true);
    ui->BtLer->setEnabled(false);
    ui->BtGravar->setEnabled(false);
    ui->BtDesbloqueio->setEnabled(false);
    ui->BtDefault->setEnabled(false);
    focusEditBox(ui->VSenhaAtual);
}

void TfmVarnel::ConfigDisconnect()
{
    setStatus(tr("Desconectado"));
}

void TfmVarnel::BtPedeStatusClick()
{
    ClearEditor();
    sendFrame(frames::statusRequest());
    m_loading = false;
    setStatus(kAguarde());
}

void TfmVarnel::VSenhaAtualEnter()
{
    // An OK status reply then moves the focus to "Ler", so a second Enter reads.
    BtPedeStatusClick();
    m_loading = true;
}

void TfmVarnel::VSenhaAtualChange(const QString& text)
{
    ui->VNovaSenha->setText(text);
}

void TfmVarnel::BtLerClick()
{
    const QString password = ui->VSenhaAtual->text();
    if (password.isEmpty()) {
        message(tr("Digite a Senha!"));
        return;
    }
    sendFrame(frames::readRequest(cp1252::encode(password)));
    ClearEditor();
    setStatus(kAguarde());
    m_loading = true;
}

void TfmVarnel::BtDesbloqueioClick()
{
    const QString password = ui->VSenhaAtual->text();
    if (password.isEmpty()) {
        message(tr("Digite a Senha para Desbloqueio!"));
        return;
    }
    sendFrame(frames::unlockRequest(cp1252::encode(password)));
    setStatus(kAguarde());
}

void TfmVarnel::BtRebootClick()
{
    setStatus(tr("Reiniciando..."));
    sendFrame(frames::rebootRequest());
    handleWaitingMessages();
    SetDisconnectedState();
}

void TfmVarnel::BtSairClick()
{
    closeConnection();
    close();
}

void TfmVarnel::ConfigRead()
{
    handleReply(Config->readAll());
}

void TfmVarnel::handleReply(const QByteArray& block)
{
    const frames::Reply reply = frames::classify(block);
    if (!reply.valid)
        return;
    switch (reply.letter) {
    case 'S':
        if (!reply.statusOk()) {
            message(tr("Terminal Não Respondendo!"));
            return;
        }
        ui->BtPedeStatus->setEnabled(true);
        ui->BtLer->setEnabled(true);
        ui->BtGravar->setEnabled(false);
        ui->BtDesbloqueio->setEnabled(false);
        ui->BtReboot->setEnabled(false);
        if (m_loading)
            ui->BtLer->setFocus();
        setStatus(tr("Retorno de Status"));
        return;
    case 'F':
        readIntake(block);
        ui->btnLog->setEnabled(true);
        setStatus(tr("Retorno de Leitura"));
        saveReadBackup(); // after the read handling, which it never changes
        return;
    case 'L':
        if (reply.statusRefused())
            message(tr("Não foi possível efetuar a leitura\rVerifique a senha"));
        return;
    case 'U':
        if (!reply.statusOk()) {
            message(tr("Não foi Possível Desbloquear Terminal!"));
            return;
        }
        ui->BtPedeStatus->setEnabled(true);
        ui->BtGravar->setEnabled(true);
        ui->BtDefault->setEnabled(true);
        ui->BtReboot->setEnabled(true);
        ui->BtLer->setEnabled(false);
        ui->BtDesbloqueio->setEnabled(false);
        setStatus(tr("Terminal Desbloqueado"));
        return;
    case 'G':
        askRebootAfterWrite();
        return;
    case 'B':
        message(tr("Reboot Não foi concluído!"));
        return;
    default:
        return;
    }
}

void TfmVarnel::askRebootAfterWrite()
{
    const bool reboot = m_dialogs.question(this, tr("Reiniciar Microterminal"),
                                           tr("Gravação realizada com sucesso!\rDeseja reiniciar o "
                                              "terminal para que os\rnovo valores entrem em funcionamento?"));
    if (reboot) {
        // The terminal needs a fresh unlock, with the password it has just stored, before the reboot.
        m_pause->wait(kPostWritePauseMs);
        BtDesbloqueioClick();
        m_pause->wait(kPostWritePauseMs);
        handleWaitingMessages(); // the unlock reply is normally among them
        BtRebootClick();
        return;
    }
    ui->BtPedeStatus->setEnabled(true);
    ui->BtDesbloqueio->setEnabled(true);
    ui->BtReboot->setEnabled(true);
    ui->BtLer->setEnabled(false);
    ui->BtGravar->setEnabled(false);
    setStatus(tr("Aviso: Reiniciar Terminal!"));
}

void TfmVarnel::ConfigError(QAbstractSocket::SocketError error)
{
    // An error on an established connection is dropped; a closed connection shows as "Desconectado".
    if (Config->state() == QAbstractSocket::ConnectedState)
        return;
    switch (winsockCode(error)) {
    case 10060:
        message(tr("Terminal não localizado\rVerifique endereço IP"));
        break;
    case 10061:
        message(tr("Não foi possível se conectar!\rVerifique se outro aplicativo está sendo executado!"));
        break;
    case 10053:
        message(tr("Conexão perdida!\rVerifique se o terminal não foi desligado!"));
        break;
    default:
        break;
    }
    ClearEditor();
    abortConnection();
    ui->BtPedeStatus->setEnabled(false);
    ui->btnLog->setEnabled(false);
    setStatus(tr("Falha na conexão"));
}

void TfmVarnel::setConnectCaption(const QString& caption)
{
    // A screen reader announces the button by its accessible name: it says what the button shows.
    ui->BtConectar->setText(caption);
    ui->BtConectar->setAccessibleName(caption);
}

void TfmVarnel::SetDisconnectedState()
{
    setConnectCaption(kConectar());
    setStatus(tr("Desconectado"));
    for (QPushButton* button :
         {ui->BtPedeStatus, ui->BtLer, ui->BtGravar, ui->BtDesbloqueio, ui->BtReboot, ui->BtDefault, ui->btnLog})
        button->setEnabled(false);
    ClearEditor();
    closeConnection();
}
