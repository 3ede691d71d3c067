#include "files/settingsfolder.h"

#include "files/tooldirectory.h"

#include <QCoreApplication>
#include <QDir>

QString settingsFolder()
{
    // Decided as the window decides it: beside a portable program, in the user's own folder for an
    // installed one. Once per run.
    static const QString folder = tooldir::prepareForProgram(QCoreApplication::applicationDirPath()).path;
    return folder;
}

QString defaultBackupFolder()
{
    return QDir(settingsFolder()).filePath(QStringLiteral("Backups"));
}
