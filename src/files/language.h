#pragma once

#include <QProcessEnvironment>

class QCoreApplication;

// The language of every text the programs show. Their own texts are written in Portuguese;
// English comes from the catalogue built into the programs.
enum class Language { Portuguese, English };

namespace language
{

// The language a Linux program picks from LANGUAGE, LC_ALL, LC_MESSAGES and LANG: English for an
// English locale, Portuguese for a Portuguese one and for any locale without a translation, the
// C locale included.
Language fromEnvironment(const QProcessEnvironment& environment);

// Installs the catalogues of `language` into the application: the programs' own texts and Qt's
// ("Sim"/"Yes", file dialogs). The translators belong to the application. Returns false when a
// catalogue could not be loaded; the texts then stay in the language they are written in.
bool install(QCoreApplication& app, Language language);

// Both of the above, for the language of the process's environment.
Language installForEnvironment(QCoreApplication& app);

} // namespace language
