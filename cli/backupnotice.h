#pragma once

#include <QString>

// Once per run, after a backup was saved: when its folder lies in a CMake build tree (the default
// for a program run from build/bin), says on standard error that deleting the build deletes the
// backups, and how to keep them elsewhere.
void noteWhereBackupWent(const QString& backupPath);

// The text of that warning, for the folder and the build tree it lies in.
QString buildTreeBackupWarning(const QString& buildTree);
