// The editor: filling the controls from the working copy, storing every edit back into it, the
// field interlocks and the write.
#include "ui/tfmvarnel.h"

#include "files/integertext.h"
#include "image/cp1252.h"
#include "image/layout.h"
#include "image/readable.h"
#include "image/writeprep.h"
#include "ui/dialogs.h"
#include "ui/namedcontrols.h"
#include "ui/problemmarkers.h"
#include "ui_tfmvarnel.h"

#include <QTcpSocket>

namespace
{

// Qt ignores setChecked(false) on the checked button of an exclusive group; lift the rule for it.
void uncheckSilently(QRadioButton* button)
{
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}

} // namespace

// The sixteen image text boxes and the twenty-six choice boxes, as the field table names them;
// looked up once, the window's controls live as long as the window.
void TfmVarnel::findEditorBoxes()
{
    const NamedControls controls(this);
    for (const image::Field& field : image::layout()) {
        const QString name = QString::fromLatin1(field.control);
        if (field.kind == image::Kind::Text || field.kind == image::Kind::ShortText || field.kind == image::Kind::Mac)
            m_textBoxes.append(controls.find<QLineEdit>(name));
        else if (field.kind == image::Kind::Choice || field.kind == image::Kind::NumberByte)
            m_choiceBoxes.append(controls.find<QComboBox>(name));
    }
}

const QList<QLineEdit*>& TfmVarnel::editorTextBoxes() const
{
    return m_textBoxes;
}

const QList<QComboBox*>& TfmVarnel::editorChoiceBoxes() const
{
    return m_choiceBoxes;
}

void TfmVarnel::ClearEditor()
{
    m_checking = false;
    if (m_markers) // the window's construction empties the editor before the checks are wired
        m_markers->clear();
    // Emptying a box runs its store under the loading flag's current value.
    for (QLineEdit* box : editorTextBoxes())
        box->setText(QString());
    for (QComboBox* box : editorChoiceBoxes())
        selectIndex(box, -1);
    for (QCheckBox* box : {ui->cbConexaoTCP, ui->cbInterface2G, ui->cbLeitorMifare, ui->cbCom0, ui->cbCom1})
        setChecked(box, false);
    for (QRadioButton* button : {ui->rbServer, ui->rbClient, ui->rbSystem, ui->HabCorvale, ui->HabVT100, ui->HabTelNet})
        uncheckRadio(button);
}

void TfmVarnel::setChecked(QCheckBox* box, bool on)
{
    box->setChecked(on); // toggled runs the click reaction when the state changes
}

void TfmVarnel::checkRadio(QRadioButton* button)
{
    button->setChecked(true); // the others of the group are unchecked silently
}

void TfmVarnel::uncheckRadio(QRadioButton* button)
{
    uncheckSilently(button);
}

void TfmVarnel::selectIndex(QComboBox* box, int index)
{
    // A selection by the program raises no store: the reactions listen to the user's signals only.
    box->setCurrentIndex(index);
    if (index < 0)
        box->setEditText(QString());
}

void TfmVarnel::StoreField(int first, int width, const QString& text)
{
    m_image.storeField(first, width, cp1252::encode(text), m_loading);
}

void TfmVarnel::textFieldChanged(QLineEdit* box, const QString& text)
{
    if (const image::Field* field = image::fieldOf(box->objectName().toStdString()))
        StoreField(field->first, field->width, text);
}

void TfmVarnel::choiceStore(QComboBox* box)
{
    if (const image::Field* field = image::fieldOf(box->objectName().toStdString()))
        m_image.setWorking(field->first, static_cast<std::uint8_t>(box->currentIndex() & 0xFF));
}

void TfmVarnel::choiceTyped(QComboBox* box, const QString& text)
{
    // Typed text selects the item it names in full (ignoring case), or none.
    if (const image::Field* field = image::fieldOf(box->objectName().toStdString())) {
        const int index = namedItem(box, text);
        m_image.setWorking(field->first, static_cast<std::uint8_t>(index & 0xFF));
    }
}

int TfmVarnel::namedItem(const QComboBox* box, const QString& text)
{
    return box->findText(text, Qt::MatchFixedString); // whole text, ignoring letter case
}

std::optional<int> TfmVarnel::integerOrError(const QString& text)
{
    const std::optional<int> value = decimalInteger(text);
    if (!value)
        m_dialogs.error(this, invalidIntegerText(text)); // the toolkit's conversion error box
    return value;
}

void TfmVarnel::numberStore(QComboBox* box, const QString& text)
{
    const image::Field* field = image::fieldOf(box->objectName().toStdString());
    if (!field)
        return;
    const std::optional<int> value = integerOrError(text);
    if (!value)
        return;
    m_image.setWorking(field->first, static_cast<std::uint8_t>(*value & 0xFF));
}

// ---- Filling the editor from the working copy ----

namespace
{

// Appends the field's bytes to what the box shows; a zero byte adds nothing, since a text cannot
// hold a zero character. The text is set once: setting it byte by byte would store the same final
// text, the last store being the one that counts.
void appendBytes(QLineEdit* box, const image::ImageBuffer& image, int first, int width)
{
    QString appended;
    for (int i = first; i < first + width; ++i) {
        const std::uint8_t byte = image.working(i);
        if (byte != 0)
            appended.append(cp1252::decodeByte(byte));
    }
    if (!appended.isEmpty())
        box->setText(box->text() + appended);
}

// A text of 2 or 3 characters built at once; the box keeps what stands before the first zero.
void setShortText(QLineEdit* box, const image::ImageBuffer& image, int first, int count)
{
    QString text;
    for (int i = first; i < first + count; ++i) {
        const std::uint8_t byte = image.working(i);
        if (byte == 0)
            break;
        text.append(cp1252::decodeByte(byte));
    }
    box->setText(text);
}

} // namespace

void TfmVarnel::DecodeImage()
{
    const auto& img = m_image;
    const auto select = [this, &img](QComboBox* box, int byte) {
        const int value = img.working(byte);
        selectIndex(box, value < box->count() ? value : -1);
    };

    appendBytes(ui->edTimeOutR, img, 98, 4);
    select(ui->cbVelocidade, 104);
    select(ui->cbHFDuplex, 105);
    appendBytes(ui->edMac, img, 114, 12);
    setShortText(ui->edRetries, img, 102, 2);

    switch (img.working(19)) {
    case 0:
        setChecked(ui->cbConexaoTCP, false);
        uncheckRadio(ui->rbServer);
        uncheckRadio(ui->rbClient);
        break;
    case 1:
        setChecked(ui->cbConexaoTCP, true);
        checkRadio(ui->rbClient);
        break;
    case 2:
        setChecked(ui->cbConexaoTCP, true);
        checkRadio(ui->rbServer);
        break;
    case 3:
        setChecked(ui->cbConexaoTCP, true);
        checkRadio(ui->rbSystem);
        break;
    default:
        break; // no role shown; the byte goes back as it was read
    }

    appendBytes(ui->VIpRemoto, img, 41, 16);
    appendBytes(ui->VIpLocal, img, 20, 16);
    appendBytes(ui->VPortaRemota, img, 57, 5);
    appendBytes(ui->VPortaLocal, img, 36, 5);
    appendBytes(ui->VGateway, img, 66, 16);
    appendBytes(ui->VSubnet, img, 82, 16);
    appendBytes(ui->VLogin, img, 194, 16);
    appendBytes(ui->VPassword, img, 210, 16);
    appendBytes(ui->VCNPJ, img, 226, 16);
    select(ui->cbTeclaBackspace, 142);
    select(ui->cbTeclaDel, 143);
    select(ui->cbImpDefault, 64);
    appendBytes(ui->edConTelNet, img, 178, 16);

    switch (img.working(107)) {
    case 0:
        checkRadio(ui->HabVT100);
        break;
    case 1:
        checkRadio(ui->HabCorvale);
        break;
    default:
        checkRadio(ui->HabTelNet); // its reaction rewrites an unknown protocol as 2
        break;
    }

    select(ui->cbAcionamento, 13);
    select(ui->cbTeclado, 12);
    select(ui->cbPolaridade, 65);
    select(ui->cbVLCM, 133);
    if (img.working(15) != 0) {
        setChecked(ui->cbInterface2G, true);
        select(ui->cbNumTerm, 16);
        select(ui->cbCanalBase, 17);
        select(ui->cbTaxa, 18);
    } else {
        setChecked(ui->cbInterface2G, false);
    }
    select(ui->cbTecladoTouch, 110);
    select(ui->cbSincronismoVideo, 111);
    setShortText(ui->edDelay, img, 108, 2);

    select(ui->cbBaud0, 2);
    select(ui->cbParidade0, 3);
    select(ui->cbBits0, 4);
    select(ui->cbStop0, 5);
    select(ui->cbHand0, 6);
    select(ui->cbFlag0, 62);
    setShortText(ui->edTimeout0, img, 134, 3);
    setChecked(ui->cbCom0, img.working(130) != 0);

    select(ui->cbBaud1, 7);
    select(ui->cbParidade1, 8);
    select(ui->cbBits1, 9);
    select(ui->cbStop1, 10);
    select(ui->cbHand1, 11);
    select(ui->cbFlag1, 63);
    setShortText(ui->edTimeout1, img, 138, 3);
    setChecked(ui->cbCom1, img.working(131) != 0);

    ui->BtPedeStatus->setEnabled(true);
    ui->BtLer->setEnabled(false);
    ui->BtGravar->setEnabled(false);
    ui->BtDesbloqueio->setEnabled(true);
    ui->BtReboot->setEnabled(false);
    ui->BtDefault->setEnabled(false);
}

void TfmVarnel::readIntake(const QByteArray& reply)
{
    // The editor is emptied under the loading flag before the reply is taken in, so a reply that
    // no "Ler" prepared cannot append to what the boxes already show; after a "Ler" this changes
    // nothing, the boxes being empty already.
    m_loading = true;
    ClearEditor();
    m_image.takeReadReply(reply);
    DecodeImage();
    m_loading = false;
    startProblemChecks();
}

// ---- Interlocks ----

void TfmVarnel::cbCom0Click(bool checked)
{
    const QList<QWidget*> column{ui->cbBaud0, ui->cbParidade0, ui->cbBits0,   ui->cbStop0,
                                 ui->cbHand0, ui->cbFlag0,     ui->edTimeout0};
    if (checked && !m_loading) {
        const bool sure = m_dialogs.question(
            this, tr("Configuração"),
            tr("Geralmente a Porta COM 0 é configurada como \"NÃO\"!\rTêm certeza que deseja configurar "
               "como \"SIM\" e alterar suas configurações?"));
        if (!sure) {
            setChecked(ui->cbCom0, false); // runs this reaction again, unchecked
            return;
        }
    }
    for (QWidget* w : column)
        w->setEnabled(checked);
    m_image.setWorking(130, checked ? 1 : 0);
}

void TfmVarnel::cbCom1Click(bool checked)
{
    for (QWidget* w : std::initializer_list<QWidget*>{ui->cbBaud1, ui->cbParidade1, ui->cbBits1, ui->cbStop1,
                                                      ui->cbHand1, ui->cbFlag1, ui->edTimeout1})
        w->setEnabled(checked);
    m_image.setWorking(131, checked ? 1 : 0);
}

void TfmVarnel::cbConexaoTCPClick(bool checked)
{
    if (checked)
        return; // a role is chosen with the radio buttons
    m_image.setWorking(19, 0);
    uncheckRadio(ui->rbServer);
    uncheckRadio(ui->rbClient);
    uncheckRadio(ui->rbSystem);
}

namespace
{

void enableAll(std::initializer_list<QWidget*> widgets, bool on)
{
    for (QWidget* w : widgets)
        w->setEnabled(on);
}

} // namespace

void TfmVarnel::rbClientClick()
{
    m_image.setWorking(19, 1);
    enableAll({ui->VLogin, ui->VPassword, ui->VCNPJ}, false);
}

void TfmVarnel::rbServerClick()
{
    m_image.setWorking(19, 2);
    enableAll({ui->VLogin, ui->VPassword, ui->VCNPJ}, false);
}

void TfmVarnel::rbSystemClick()
{
    m_image.setWorking(19, 3);
    enableAll({ui->VLogin, ui->VPassword, ui->VCNPJ}, true);
}

void TfmVarnel::HabVT100Click()
{
    m_image.setWorking(107, 0);
    ui->edConTelNet->setEnabled(false);
    enableAll({ui->cbTeclaBackspace, ui->cbTeclaDel, ui->cbImpDefault}, true);
}

void TfmVarnel::HabCorvaleClick()
{
    m_image.setWorking(107, 1);
    enableAll({ui->edConTelNet, ui->cbTeclaBackspace, ui->cbTeclaDel, ui->cbImpDefault}, false);
}

void TfmVarnel::HabTelNetClick()
{
    m_image.setWorking(107, 2);
    enableAll({ui->edConTelNet, ui->cbTeclaBackspace, ui->cbTeclaDel, ui->cbImpDefault}, true);
}

void TfmVarnel::cbInterface2GClick(bool checked)
{
    m_image.setWorking(15, checked ? 1 : 0);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->cbNumTerm, ui->cbCanalBase, ui->cbTaxa, ui->Label13,
                                                      ui->Label17, ui->Label32})
        w->setVisible(checked);
}

// ---- What the editor shows ----

QString TfmVarnel::shownValue(const image::Field& field) const
{
    const QString name = QString::fromLatin1(field.control);
    const auto valueName = [&field](int index) { return image::itemTexts(field).value(index); };
    switch (field.kind) {
    case image::Kind::Text:
    case image::Kind::ShortText:
    case image::Kind::Mac:
        return findChild<QLineEdit*>(name)->text();
    case image::Kind::Choice:
    case image::Kind::NumberByte:
        return selectedItemText(findChild<QComboBox*>(name));
    case image::Kind::Flag:
        return valueName(findChild<QCheckBox*>(name)->isChecked() ? 1 : 0);
    case image::Kind::Code:
        if (field.rule == image::Rule::TcpRole) {
            const int role = ui->rbClient->isChecked()   ? 1
                             : ui->rbServer->isChecked() ? 2
                             : ui->rbSystem->isChecked() ? 3
                                                         : 0;
            return valueName(role);
        }
        return ui->HabVT100->isChecked()     ? valueName(0)
               : ui->HabCorvale->isChecked() ? valueName(1)
               : ui->HabTelNet->isChecked()  ? valueName(2)
                                             : QString();
    case image::Kind::FrameStart:
    case image::Kind::Letter:
    case image::Kind::NewPassword:
    case image::Kind::Reserved:
        break;
    }
    return {};
}

// ---- The write ----

bool TfmVarnel::AllFieldsFilled() const
{
    if (ui->VSenhaAtual->text().isEmpty() || ui->VNovaSenha->text().isEmpty())
        return false;
    return image::emptyTextFields([this](const image::Field& field) { return shownValue(field); }).isEmpty();
}

void TfmVarnel::PadBeforeWrite()
{
    const auto shown = [this](const image::Field& field) { return shownValue(field); };
    m_image.setWorkingCopy(image::padForWrite(m_image.workingCopy(), shown, m_loading));
    showPaddedRetries();
}

void TfmVarnel::showPaddedRetries()
{
    // The retries box itself shows the padded text; its change reaction stores it by the same rule.
    const QString retries = ui->edRetries->text();
    if (retries.size() < 2)
        ui->edRetries->setText(QLatin1Char('0') + retries);
}

void TfmVarnel::BtGravarClick()
{
    if (!AllFieldsFilled()) {
        message(tr("Verifique a existência de campo em branco!"));
        return;
    }
    const QString statusBefore = ui->lbConectado->text();
    setStatus(tr("Aguarde..."));

    const QString newPassword = ui->VNovaSenha->text();
    const bool passwordChanges = newPassword != ui->VSenhaAtual->text();
    const image::WritePreparation prepared = image::prepareWrite(
        m_image.workingCopy(), passwordChanges ? newPassword : QString(),
        [this](const image::Field& field) { return shownValue(field); }, m_loading);
    if (prepared.badNewPassword) {
        message(tr("Nova Senha Deverá ter 6 Dígitos!!!"));
        // Nothing was sent, so the status line goes back to what it said.
        setStatus(statusBefore);
        return;
    }
    m_image.setWorkingCopy(prepared.image);
    if (passwordChanges)
        ui->VSenhaAtual->setText(newPassword);
    showPaddedRetries();
    sendFrame(m_image.workingCopy());
}
