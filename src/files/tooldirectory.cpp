#include "files/tooldirectory.h"

#include "files/addresshistory.h"
#include "files/filewriter.h"
#include "files/inidocument.h"
#include "files/inifile.h"
#include "files/initext.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <fcntl.h>
#include <unistd.h>

#ifndef HX_INSTALLED_BINDIR
#define HX_INSTALLED_BINDIR "/usr/bin"
#endif
#ifndef HX_ADMIN_DEFAULT
#define HX_ADMIN_DEFAULT "/etc/hxconfig/ConfDefault.ini"
#endif

namespace tooldir
{

namespace
{

QString withSeparator(const QString& dir)
{
    return dir.endsWith(u'/') ? dir : dir + u'/';
}

// Symbolic links and "/usr/bin/../bin" name the same folder.
bool sameDirectory(const QString& a, const QString& b)
{
    if (a.isEmpty() || b.isEmpty())
        return false;
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    const QString canonicalB = QFileInfo(b).canonicalFilePath();
    if (!canonicalA.isEmpty() && !canonicalB.isEmpty())
        return canonicalA == canonicalB;
    return QDir::cleanPath(a) == QDir::cleanPath(b);
}

// The permissions of the effective user, who is the one creating the files (access() would ask
// about the real user instead).
bool effectiveUserMayWrite(const QString& dir)
{
    return ::faccessat(AT_FDCWD, QFile::encodeName(dir).constData(), W_OK | X_OK, AT_EACCESS) == 0;
}

QString userFolder(const Surroundings& where)
{
    const QString base =
        QDir::isAbsolutePath(where.configHome) ? where.configHome : where.home + QStringLiteral("/.config");
    return withSeparator(QDir::cleanPath(base + QStringLiteral("/hxconfig")));
}

// The administrator's file as the user's first settings file: the same text in the same form
// (code page, byte-order mark, comments), without the address history and the logo path. A file
// that the settings reader would not take (too large, not text) is not copied.
bool copyAdminDefault(const QString& from, const QString& to)
{
    QFile in(from);
    if (!in.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = in.read(IniFile::kMaxFileSize + 1);
    if (in.error() != QFileDevice::NoError || bytes.size() > IniFile::kMaxFileSize)
        return false;
    std::optional<IniText> text = initext::decode(bytes);
    if (!text || !text->writable)
        return false;
    IniDocument document(text->text);
    document.removeSection(history::sectionName());
    document.removeSection(QStringLiteral("Arquivo"));
    text->text = document.text();
    const QByteArray copy = initext::encode(*text);

    return replaceFile(to, copy, FileAccess::AsBefore).ok();
}

bool makeFolder(const QString& path)
{
    if (QFileInfo(path).isDir())
        return true;
    if (!QDir().mkpath(path))
        return false;
    // The settings may hold the terminals' login and password.
    return QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
}

} // namespace

QString settingsFileName()
{
    return QStringLiteral("ConfDefault.ini");
}

QString ToolDirectory::settingsPath() const
{
    return path + settingsFileName();
}

Surroundings fromSystem(const QString& programDir)
{
    Surroundings where;
    where.programDir = withSeparator(programDir);
    where.installedBinDir = QStringLiteral(HX_INSTALLED_BINDIR);
    where.configHome = qEnvironmentVariable("XDG_CONFIG_HOME");
    where.home = QDir::homePath();
    where.adminDefault = QStringLiteral(HX_ADMIN_DEFAULT);
    where.writable = effectiveUserMayWrite;
    return where;
}

ToolDirectory decide(const Surroundings& where)
{
    const QString programDir = withSeparator(where.programDir);
    // Where the package installs the programs stays clean even for root, who may write there.
    if (!sameDirectory(programDir, where.installedBinDir)) {
        if (QFileInfo(programDir + settingsFileName()).isFile() || (where.writable && where.writable(programDir)))
            return {Mode::Portable, programDir};
    }
    return {Mode::Installed, userFolder(where)};
}

ToolDirectory prepare(const Surroundings& where, const std::function<QString()>& localAddresses)
{
    const ToolDirectory folder = decide(where);
    if (folder.mode == Mode::Portable || !makeFolder(folder.path))
        return folder;
    const QString settings = folder.settingsPath();
    if (QFileInfo::exists(settings) || !QFileInfo(where.adminDefault).isFile())
        return folder;
    if (copyAdminDefault(where.adminDefault, settings)) {
        // The copy made the file exist, so the window will not see a first start: seed here.
        IniFile ini(settings);
        // Best effort: a history that could not be seeded is an empty list in the window.
        (void)history::seed(ini, localAddresses ? localAddresses() : QString());
    }
    return folder;
}

} // namespace tooldir
