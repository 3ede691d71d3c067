#include "settingsfolder.h"

#include "files/tooldirectory.h"
#include "link/localaddresses.h"

#include <QCoreApplication>
#include <QDir>

QString prepareSettingsFolder()
{
    // Decided as the window decides it: beside a portable program, in the user's own folder for an
    // installed one, made ready with the host's own addresses. Once per run.
    static const QString folder =
        tooldir::prepare(tooldir::fromSystem(QCoreApplication::applicationDirPath()), [] { return GetLocalAddresses(); })
            .path;
    return folder;
}

QString defaultBackupFolder()
{
    return QDir(prepareSettingsFolder()).filePath(QStringLiteral("Backups"));
}
