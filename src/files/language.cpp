#include "files/language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <optional>

namespace
{

// "en_GB.UTF-8@euro" -> "en"; "C", "POSIX" and "" -> "".
QString languageCode(const QString& locale)
{
    if (locale == QLatin1String("C") || locale == QLatin1String("POSIX") || locale.startsWith(QLatin1String("C.")))
        return {};
    qsizetype end = 0;
    while (end < locale.size() && locale.at(end).isLetter())
        ++end;
    return locale.left(end).toLower();
}

std::optional<Language> translated(const QString& code)
{
    if (code == QLatin1String("en"))
        return Language::English;
    if (code == QLatin1String("pt"))
        return Language::Portuguese;
    return std::nullopt;
}

bool installTranslator(QCoreApplication& app, const QString& path)
{
    auto* translator = new QTranslator(&app);
    if (!translator->load(path)) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace

namespace language
{

Language fromEnvironment(const QProcessEnvironment& environment)
{
    // The first of these that is set is the locale of messages.
    QString locale;
    for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        locale = environment.value(QString::fromLatin1(name));
        if (!locale.isEmpty())
            break;
    }
    const QString code = languageCode(locale);
    // As with gettext, the C locale turns LANGUAGE off; otherwise its list of preferences comes first,
    // and an entry without a translation gives way to the next one.
    if (code.isEmpty())
        return Language::Portuguese;
    const QStringList preferences =
        environment.value(QStringLiteral("LANGUAGE")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    for (const QString& preference : preferences) {
        if (const auto chosen = translated(languageCode(preference)))
            return *chosen;
    }
    return translated(code).value_or(Language::Portuguese);
}

bool install(QCoreApplication& app, Language language)
{
    if (language == Language::English)
        return installTranslator(app, QStringLiteral(":/i18n/hxconfig_en.qm"));
    // Qt's own texts are written in English; Debian's qt6-translations-l10n gives their Portuguese.
    return installTranslator(app,
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QStringLiteral("/qtbase_pt_BR.qm"));
}

Language installForEnvironment(QCoreApplication& app)
{
    const Language language = fromEnvironment(QProcessEnvironment::systemEnvironment());
    install(app, language);
    return language;
}

} // namespace language
