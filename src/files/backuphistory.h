#pragma once

#include "files/configfile.h"

#include <QByteArray>
#include <QDateTime>
#include <QFuture>
#include <QHash>
#include <QMutex>
#include <QString>
#include <QStringList>

#include <optional>

// The backups a folder keeps of each terminal, named as saveBackup() names them:
// "<MAC>_<yyyyMMdd-HHmmss>.ini", with "-2", "-3", ... before ".ini" for more of one second. Their
// order is the time in the name, then that number; other files in the folder are not backups.

struct BackupName {
    QString mac;    // as file names spell it (macInFileName)
    QString stamp;  // "yyyyMMdd-HHmmss"
    int number = 1; // 1 for the first of its second, then 2, 3, ...
    bool operator<(const BackupName& other) const;
};

std::optional<BackupName> parseBackupName(const QString& fileName);

// The paths of one terminal's backups in the folder, oldest first. The MAC is compared ignoring
// letter case, and "00:50:C2:00:00:01" or "00-50-..." stands for "0050C2000001".
QStringList backupsOf(const QString& folder, const QString& mac);

// What keeping a terminal's configuration ended in, when it did not fail.
struct KeptBackup {
    bool isNew = false; // saved now; otherwise it was the same as the newest backup
    QString path;       // the new file, or the newest existing one
};

// A fleet's backups in one folder: the folder is listed once, and each terminal's configuration is
// saved only when it differs (sameConfiguration) from the newest backup of the same MAC, so that a
// nightly run keeps the changes and not a copy a night. A newest backup that cannot be read counts
// as different. Safe to use from several threads at once.
class BackupKeeper final
{
    Q_DISABLE_COPY_MOVE(BackupKeeper)

public:
    explicit BackupKeeper(QString folder);

    image::Outcome<KeptBackup> keep(const QByteArray& image, const TerminalInfo& terminal, const QDateTime& when);
    // The same on a thread for files, so that the event loop of a fleet's reads never waits for
    // the disk. The keeper must outlive the result.
    QFuture<image::Outcome<KeptBackup>> keepInBackground(const QByteArray& image, const TerminalInfo& terminal,
                                                         const QDateTime& when);

private:
    struct Newest {
        BackupName name;
        QString path;
        QByteArray image; // empty until read or saved here
    };

    QString m_folder;
    QMutex m_lock;
    QHash<QString, Newest> m_newest; // by the MAC as file names spell it
};
