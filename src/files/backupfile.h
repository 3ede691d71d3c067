#pragma once

#include "files/configfile.h"
#include "files/filewriter.h"

#include <QByteArray>
#include <QDateTime>
#include <QFuture>
#include <QString>

// Saves the configuration file of an image as read into `folder`, named by backupFileName(), as a
// fresh file for its owner only (see createFreshFile: never through a link, never in a folder
// others may change); a missing folder is created for its owner only. An earlier backup of the
// same second, or anything else of that name, is kept: the new one then gets "-2", "-3", ...
// before ".ini", also when two are being saved at once. Only a backup complete on the disk counts.
SavedFile saveBackup(const QString& folder, const QByteArray& image, const TerminalInfo& terminal,
                     const QDateTime& when);
// The same on a thread for files: a backup waits for the disk to hold it, and a fleet's other
// terminals on the event loop must not wait with it.
QFuture<SavedFile> saveBackupInBackground(const QString& folder, const QByteArray& image, const TerminalInfo& terminal,
                                          const QDateTime& when);
