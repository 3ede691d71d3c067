// "Default": the company's standard configuration from the settings file, loaded into the editor
// and the working copy. "Carregar Configuração…" loads a configuration file's keys the same way.
// The keys' effects come in the field table's reading order, since checking a box or a role runs its
// reaction before the next key is read.
#include "ui/tfmvarnel.h"

#include "files/inifile.h"
#include "files/profilefile.h"
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
    // The model's rules decide each key's effect up front: none of them depends on what a control's
    // reaction does to the working copy.
    const image::ApplyResult loaded =
        image::applyProfile(m_image, profile, {.extensions = withExtensions, .asEditor = true});
    m_loading = false;
    for (const image::FieldLoad& load : loaded.loads) {
        // A value that stops the load leaves the loading flag clear.
        if (!loadField(load)) {
            startProblemChecks();
            return false;
        }
    }
    m_loading = true;
    startProblemChecks();
    return true;
}

bool TfmVarnel::loadField(const image::FieldLoad& load)
{
    const int byte = load.field->first;
    FieldBinder* binder = binderOf(*load.field);
    switch (load.action) {
    case image::FieldLoad::Action::Restore:
        m_image.restoreFromPristine(byte, 1);
        break;
    case image::FieldLoad::Action::Text:
        binder->enterText(load.text);
        break;
    case image::FieldLoad::Action::Select:
        // A declined COM 0 question leaves the port off: the byte follows the control, not the file.
        m_image.setWorking(byte, static_cast<std::uint8_t>(binder->select(load.code) & 0xFF));
        break;
    case image::FieldLoad::Action::SwitchOn:
        binder->switchOn();
        m_image.restoreFromPristine(byte, 1);
        break;
    case image::FieldLoad::Action::Stop:
        m_dialogs.error(this, load.text); // the toolkit's conversion error box
        return false;
    }
    return true;
}
