// "Default": the company's standard configuration from the settings file, loaded into the editor
// and the working copy. "Carregar Configuração…" loads a configuration file's keys the same way.
// Keys are read in the field table's reading order, since checking a box or a role runs its
// reaction before the next key is read.
#include "ui/tfmvarnel.h"

#include "files/inifile.h"
#include "files/integertext.h"
#include "image/readable.h"
#include "ui/dialogs.h"
#include "ui/fieldbinders.h"
#include "ui_tfmvarnel.h"

#include <QFileInfo>

void TfmVarnel::BtDefaultClick()
{
    // Only a file counts: a directory of that name is no settings file.
    if (!QFileInfo(settingsPath()).isFile())
        return;
    // The extension keys of the configuration file are unknown to the company default.
    loadProfileIntoEditor(image::profileFromIni(settings()), false);
}

bool TfmVarnel::loadProfileIntoEditor(const image::Profile& profile, bool withExtensions)
{
    m_loading = false;
    for (const image::Field* field : image::keyedFields()) {
        if (field->extension && !withExtensions)
            continue;
        // A "SincronismoVideo" that is not a number stops the load: the serial keys are not read
        // and the loading flag stays clear.
        if (!loadKey(profile, *field, withExtensions)) {
            startProblemChecks();
            return false;
        }
    }
    m_loading = true;
    startProblemChecks();
    return true;
}

bool TfmVarnel::loadKey(const image::Profile& profile, const image::Field& field, bool withExtensions)
{
    const QString section = image::sectionOf(field);
    const QString value = image::profileValue(profile, section, image::keyOf(field));
    const int byte = field.first;
    FieldBinder* binder = binderOf(field);
    const auto store = [this, byte](int index) { m_image.setWorking(byte, static_cast<std::uint8_t>(index & 0xFF)); };

    if (field.rule == image::Rule::TcpRole) {
        const QString kind = image::profileValue(profile, section, QString::fromLatin1(field.subKey));
        if (value != image::companyword::yes) {
            if (withExtensions && kind == image::companyword::noRole) {
                setChecked(ui->cbConexaoTCP, false); // its reaction clears the role when it was on
                store(0);
            } else {
                m_image.restoreFromPristine(byte, 1); // "Tipo" is not read
            }
            return true;
        }
        setChecked(ui->cbConexaoTCP, true);
        store(1);
        if (kind.isEmpty()) {
            m_image.restoreFromPristine(byte, 1);
            return true;
        }
        const int role = image::roleCode(kind);
        checkRadio(std::array{ui->rbClient, ui->rbServer, ui->rbSystem}.at(std::size_t(role - 1)));
        store(role);
        return true;
    }
    if (value.isEmpty()) {
        // A text left out changes nothing; any other company field takes its byte as read. A key
        // the company default does not know leaves its field alone.
        if (field.rule != image::Rule::Text && !field.extension)
            m_image.restoreFromPristine(byte, 1);
        return true;
    }

    switch (field.rule) {
    case image::Rule::Text:
        binder->textBox()->setText(value); // the box's change reaction stores it
        break;
    case image::Rule::Speed:
    case image::Rule::List: {
        const int index = field.rule == image::Rule::Speed && value == image::companyword::automatic
                              ? 0
                              : image::namedItem(field, value);
        selectIndex(binder->choiceBox(), index);
        store(index);
        break;
    }
    case image::Rule::YesNo:
        if (field.kind == image::Kind::Flag) {
            QAbstractButton* check = binder->buttons().at(0);
            check->setChecked(image::yesNoCode(value) == 1); // toggled runs the click reaction
            // A declined COM 0 question leaves the port off: the byte follows the box, not the file.
            store(check->isChecked() ? 1 : 0);
        } else {
            selectIndex(binder->choiceBox(), image::yesNoCode(value));
            store(image::yesNoCode(value));
        }
        break;
    case image::Rule::Protocol: {
        const int protocol = image::protocolCode(value);
        checkRadio(std::array{ui->HabVT100, ui->HabCorvale, ui->HabTelNet}.at(std::size_t(protocol)));
        store(protocol);
        break;
    }
    case image::Rule::Index: {
        const std::optional<int> index = integerOrError(value);
        if (!index)
            return false;
        QComboBox* box = binder->choiceBox();
        const int shown = *index >= 0 && *index < box->count() ? *index : -1;
        selectIndex(box, shown);
        store(shown);
        break;
    }
    case image::Rule::Number: {
        // An extension key: the caller has refused values outside the list before the load.
        QComboBox* box = binder->choiceBox();
        const std::optional<int> number = decimalInteger(value);
        if (!number || *number < 0 || *number >= box->count())
            break;
        selectIndex(box, *number);
        store(*number);
        break;
    }
    case image::Rule::TcpRole:
    case image::Rule::None:
        break;
    }
    return true;
}
