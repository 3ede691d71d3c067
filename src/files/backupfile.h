#pragma once

#include "files/configfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QFuture>
#include <QString>

// The outcome of saving a file: its path, or a Portuguese text saying what failed.
struct SavedFile {
    QString path;
    QString error;
    bool ok() const { return error.isEmpty(); }
};

// Writes the whole file or nothing (a temporary file renamed over the target), readable and
// writable by its owner only: configuration files carry the terminal's password.
SavedFile savePrivateFile(const QString& path, const QByteArray& bytes);

// Saves the configuration file of an image as read into `folder`, named by backupFileName(); a
// missing folder is created for its owner only. An earlier backup of the same second is kept:
// the new one then gets "-2", "-3", ... before ".ini", also when two are being saved at once.
SavedFile saveBackup(const QString& folder, const QByteArray& image, const TerminalInfo& terminal,
                     const QDateTime& when);
// The same on a thread for files: a backup waits for the disk to hold it, and a fleet's other
// terminals on the event loop must not wait with it.
QFuture<SavedFile> saveBackupInBackground(const QString& folder, const QByteArray& image, const TerminalInfo& terminal,
                                          const QDateTime& when);
