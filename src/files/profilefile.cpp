#include "files/profilefile.h"

#include "files/inidocument.h"
#include "files/inifile.h"
#include "files/iniview.h"
#include "image/layout.h"
#include "image/readable.h"

namespace image
{
namespace
{

template <typename KeysOf, typename ValueOf> Profile profileFrom(KeysOf keysOf, ValueOf valueOf)
{
    Profile profile;
    for (Page page : companyPages()) {
        const QString section = tableText(sectionName(page));
        for (const QString& key : keysOf(section)) {
            const QString value = valueOf(section, key);
            if (!value.isEmpty())
                profile.append({section, key, value});
        }
    }
    return profile;
}

} // namespace

Profile profileFromIni(const IniFile& ini)
{
    // One reading of the file for all its keys.
    const IniView settings = ini.view();
    return profileFrom([&settings](const QString& section) { return settings.readSection(section); },
                       [&settings](const QString& section, const QString& key) {
                           return settings.readString(section, key, QString());
                       });
}

Profile profileFromDocument(const IniDocument& document)
{
    return profileFrom([&document](const QString& section) { return document.keys(section); },
                       [&document](const QString& section, const QString& key) {
                           // Read as the settings file reads a value.
                           return document.value(section, key).value_or(QString()).left(IniFile::kMaxValueLength);
                       });
}

} // namespace image
