// The editor: filling the controls from the working copy, storing every edit back into it, the
// field interlocks and the write.
#include "ui/tfmvarnel.h"

#include "image/cp1252.h"
#include "image/integertext.h"
#include "image/layout.h"
#include "image/readable.h"
#include "image/writeprep.h"
#include "ui/dialogs.h"
#include "ui/fieldbinders.h"
#include "ui/namedcontrols.h"
#include "ui/problemmarkers.h"
#include "ui_tfmvarnel.h"

#include <QTcpSocket>

#include <algorithm>

// The binders of the fields the table gives a control, looked up once; the window's controls live
// as long as the window.
void TfmVarnel::makeBinders()
{
    const NamedControls controls(this);
    for (const image::Field& field : image::layout())
        m_binders.push_back(makeFieldBinder(field, controls));
}

FieldBinder* TfmVarnel::binderOf(const image::Field& field) const
{
    const std::span<const image::Field> rows = image::layout();
    const std::less<const image::Field*> before;
    if (before(&field, rows.data()) || !before(&field, rows.data() + rows.size()))
        return nullptr; // not a row of the table
    return m_binders.at(std::size_t(&field - rows.data())).get();
}

void TfmVarnel::ClearEditor()
{
    m_checking = false;
    if (m_markers) // the window's construction empties the editor before the checks are wired
        m_markers->clear();
    // Emptying a box runs its store under the loading flag's current value.
    for (const auto& binder : m_binders) {
        if (binder)
            binder->clear();
    }
    setChecked(ui->cbLeitorMifare, false);
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
    ::selectIndex(box, index);
}

void TfmVarnel::StoreField(int first, int width, const QString& text)
{
    m_image.storeField(first, width, cp1252::encode(text), m_loading);
}

void TfmVarnel::choiceStore(const image::Field& field, const QComboBox* box)
{
    m_image.setWorking(field.first, static_cast<std::uint8_t>(box->currentIndex() & 0xFF));
}

void TfmVarnel::choiceTyped(const image::Field& field, const QString& text)
{
    // Typed text selects the item it names in full (ignoring case), or none.
    m_image.setWorking(field.first, static_cast<std::uint8_t>(image::namedItem(field, text) & 0xFF));
}

std::optional<int> TfmVarnel::integerOrError(const QString& text)
{
    const std::optional<int> value = decimalInteger(text);
    if (!value)
        m_dialogs.error(this, invalidIntegerText(text)); // the toolkit's conversion error box
    return value;
}

void TfmVarnel::numberStore(const image::Field& field, const QString& text)
{
    const std::optional<int> value = integerOrError(text);
    if (!value)
        return;
    m_image.setWorking(field.first, static_cast<std::uint8_t>(*value & 0xFF));
}

// ---- Filling the editor from the working copy ----

void TfmVarnel::DecodeImage()
{
    // In the table's order: a check box or button's reaction stores its byte before the next field
    // is shown, each binder reading the working copy as it is by then.
    for (const auto& binder : m_binders) {
        if (binder)
            binder->show(m_image.workingCopy());
    }

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
    m_image.setWorking(image::com0Field().first, checked ? 1 : 0);
}

void TfmVarnel::cbCom1Click(bool checked)
{
    for (QWidget* w : std::initializer_list<QWidget*>{ui->cbBaud1, ui->cbParidade1, ui->cbBits1, ui->cbStop1,
                                                      ui->cbHand1, ui->cbFlag1, ui->edTimeout1})
        w->setEnabled(checked);
    m_image.setWorking(image::com1Field().first, checked ? 1 : 0);
}

void TfmVarnel::cbConexaoTCPClick(bool checked)
{
    if (checked)
        return; // a role is chosen with the radio buttons
    m_image.setWorking(image::tcpRoleField().first, 0);
    uncheckRadio(ui->rbServer);
    uncheckRadio(ui->rbClient);
    uncheckRadio(ui->rbSystem);
}

void TfmVarnel::storeButtonCode(const image::Field& field, const QAbstractButton* button)
{
    // The code is the button's place in the field's row.
    const auto& names = field.buttons;
    const auto at = std::find(names.begin(), names.end(), button->objectName().toStdString());
    Q_ASSERT(at != names.end());
    m_image.setWorking(field.first, static_cast<std::uint8_t>(at - names.begin()));
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
    storeButtonCode(image::tcpRoleField(), ui->rbClient);
    enableAll({ui->VLogin, ui->VPassword, ui->VCNPJ}, false);
}

void TfmVarnel::rbServerClick()
{
    storeButtonCode(image::tcpRoleField(), ui->rbServer);
    enableAll({ui->VLogin, ui->VPassword, ui->VCNPJ}, false);
}

void TfmVarnel::rbSystemClick()
{
    storeButtonCode(image::tcpRoleField(), ui->rbSystem);
    enableAll({ui->VLogin, ui->VPassword, ui->VCNPJ}, true);
}

void TfmVarnel::HabVT100Click()
{
    storeButtonCode(image::protocolField(), ui->HabVT100);
    ui->edConTelNet->setEnabled(false);
    enableAll({ui->cbTeclaBackspace, ui->cbTeclaDel, ui->cbImpDefault}, true);
}

void TfmVarnel::HabCorvaleClick()
{
    storeButtonCode(image::protocolField(), ui->HabCorvale);
    enableAll({ui->edConTelNet, ui->cbTeclaBackspace, ui->cbTeclaDel, ui->cbImpDefault}, false);
}

void TfmVarnel::HabTelNetClick()
{
    storeButtonCode(image::protocolField(), ui->HabTelNet);
    enableAll({ui->edConTelNet, ui->cbTeclaBackspace, ui->cbTeclaDel, ui->cbImpDefault}, true);
}

void TfmVarnel::cbInterface2GClick(bool checked)
{
    m_image.setWorking(image::interface2GField().first, checked ? 1 : 0);
    for (QWidget* w : std::initializer_list<QWidget*>{ui->cbNumTerm, ui->cbCanalBase, ui->cbTaxa, ui->Label13,
                                                      ui->Label17, ui->Label32})
        w->setVisible(checked);
}

// ---- What the editor shows ----

QString TfmVarnel::shownValue(const image::Field& field) const
{
    const FieldBinder* binder = binderOf(field);
    return binder ? binder->shown() : QString();
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
