#include "files/settingsfolder.h"

#include <QCoreApplication>
#include <QDir>

QString settingsFolder()
{
    return QCoreApplication::applicationDirPath();
}

QString defaultBackupFolder()
{
    return QDir(settingsFolder()).filePath(QStringLiteral("Backups"));
}
