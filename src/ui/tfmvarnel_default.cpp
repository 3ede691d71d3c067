// "Default": the company's standard configuration from the settings file, loaded into the editor
// and the working copy. Keys are read in a fixed order, since checking a box or a role runs its
// reaction before the next key is read.
#include "ui/tfmvarnel.h"

#include "files/inifile.h"
#include "image/layout.h"
#include "ui/dialogs.h"
#include "ui_tfmvarnel.h"

#include <QFileInfo>

namespace
{

const QString kNao = QStringLiteral("Nao");

} // namespace

void TfmVarnel::BtDefaultClick()
{
    // Only a file counts: a directory of that name is no settings file.
    if (!QFileInfo(settingsPath()).isFile())
        return;
    IniFile& ini = settings();
    m_loading = false;

    QString section;
    const auto read = [&ini, &section](const char* key) {
        return ini.readString(section, QString::fromLatin1(key), QString());
    };
    const auto fromPristine = [this](int byte) { m_image.restoreFromPristine(byte, 1); };
    const auto text = [&](const char* key, QLineEdit* box) {
        const QString value = read(key);
        if (!value.isEmpty())
            box->setText(value); // the box's change reaction stores it
    };
    const auto list = [&](const char* key, QComboBox* box, int byte) {
        const QString value = read(key);
        if (value.isEmpty()) {
            fromPristine(byte);
            return;
        }
        const int index = namedItem(box, value);
        selectIndex(box, index);
        m_image.setWorking(byte, static_cast<std::uint8_t>(index & 0xFF));
    };
    const auto yesNo = [&](const char* key, QComboBox* box, int byte) {
        const QString value = read(key);
        if (value.isEmpty()) {
            fromPristine(byte);
            return;
        }
        const int index = value == kNao ? 0 : 1;
        selectIndex(box, index);
        m_image.setWorking(byte, static_cast<std::uint8_t>(index));
    };
    const auto port = [&](const char* key, QCheckBox* box, int byte) {
        const QString value = read(key);
        if (value.isEmpty()) {
            fromPristine(byte);
            return;
        }
        setChecked(box, value != kNao);
        // A declined COM 0 question leaves the port off: the byte follows the box, not the file.
        m_image.setWorking(byte, box->isChecked() ? 1 : 0);
    };

    section = QStringLiteral("Rede");
    text("TimeOutRede", ui->edTimeOutR);
    text("NumRetries", ui->edRetries);
    if (read("VelocRede") == QLatin1String("Automatico")) {
        selectIndex(ui->cbVelocidade, 0);
        m_image.setWorking(104, 0);
    } else {
        list("VelocRede", ui->cbVelocidade, 104);
    }
    list("Half/Full", ui->cbHFDuplex, 105);

    section = QStringLiteral("Conexao");
    if (read("ConexaoTCP") == QLatin1String("Sim")) {
        setChecked(ui->cbConexaoTCP, true);
        m_image.setWorking(19, 1);
        const QString kind = read("Tipo");
        if (kind.isEmpty()) {
            fromPristine(19);
        } else if (kind == QLatin1String("Client")) {
            checkRadio(ui->rbClient);
            m_image.setWorking(19, 1);
        } else if (kind == QLatin1String("Server")) {
            checkRadio(ui->rbServer);
            m_image.setWorking(19, 2);
        } else {
            checkRadio(ui->rbSystem);
            m_image.setWorking(19, 3);
        }
    } else {
        fromPristine(19);
    }
    text("IPRemoto", ui->VIpRemoto);
    text("PortaRemota", ui->VPortaRemota);
    text("IPLocal", ui->VIpLocal);
    text("PortaLocal", ui->VPortaLocal);
    text("Gateway", ui->VGateway);
    text("SubNetMask", ui->VSubnet);
    text("Login", ui->VLogin);
    text("Password", ui->VPassword);
    text("CNPJ", ui->VCNPJ);

    section = QStringLiteral("Protocolo");
    const QString protocol = read("ProtEmulado");
    if (protocol.isEmpty()) {
        fromPristine(107);
    } else if (protocol == QLatin1String("VT-100")) {
        checkRadio(ui->HabVT100);
        m_image.setWorking(107, 0);
    } else if (protocol == QLatin1String("Corvale")) {
        checkRadio(ui->HabCorvale);
        m_image.setWorking(107, 1);
    } else {
        checkRadio(ui->HabTelNet);
        m_image.setWorking(107, 2);
    }
    list("DEL", ui->cbTeclaDel, 143);
    list("BackSpace", ui->cbTeclaBackspace, 142);
    list("ImpDefault", ui->cbImpDefault, 64);
    text("ConexaoTelNet", ui->edConTelNet);

    section = QStringLiteral("Gerais");
    list("Acionamento", ui->cbAcionamento, 13);
    list("Teclado", ui->cbTeclado, 12);
    text("BootDelay", ui->edDelay);
    list("Polaridade", ui->cbPolaridade, 65);
    yesNo("LCM", ui->cbVLCM, 133);
    yesNo("TecladoTouch", ui->cbTecladoTouch, 110);
    const QString sync = read("SincronismoVideo");
    if (sync.isEmpty()) {
        fromPristine(111);
    } else {
        // A text that is not a number stops the load: the serial keys are not read and the
        // loading flag stays clear.
        const std::optional<int> index = integerOrError(sync);
        if (!index)
            return;
        const int shown = *index >= 0 && *index < ui->cbSincronismoVideo->count() ? *index : -1;
        selectIndex(ui->cbSincronismoVideo, shown);
        m_image.setWorking(111, static_cast<std::uint8_t>(shown & 0xFF));
    }

    section = QStringLiteral("Seriais");
    port("Habilitado0", ui->cbCom0, 130);
    list("BaudRate0", ui->cbBaud0, 2);
    list("Paridade0", ui->cbParidade0, 3);
    list("NumBits0", ui->cbBits0, 4);
    list("StopBits0", ui->cbStop0, 5);
    list("HandShake0", ui->cbHand0, 6);
    yesNo("FlagSerial0", ui->cbFlag0, 62);
    text("TimeOut0", ui->edTimeout0);
    port("Habilitado1", ui->cbCom1, 131);
    list("BaudRate1", ui->cbBaud1, 7);
    list("Paridade1", ui->cbParidade1, 8);
    list("NumBits1", ui->cbBits1, 9);
    list("StopBits1", ui->cbStop1, 10);
    list("HandShake1", ui->cbHand1, 11);
    yesNo("FlagSerial1", ui->cbFlag1, 63);
    text("TimeOut1", ui->edTimeout1);

    m_loading = true;
}
