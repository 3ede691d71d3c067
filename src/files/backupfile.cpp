#include "files/backupfile.h"

#include "files/systemreason.h"

#include <QDir>
#include <QFileInfo>
#include <QMutex>
#include <QPromise>
#include <QSaveFile>
#include <QSet>
#include <QThreadPool>

#include <cerrno>
#include <memory>

namespace
{

constexpr auto kOwnerOnlyFolder = QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner;

// Parents are made as the system makes them; the folder itself only for its owner.
bool makeFolder(const QString& folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return true;
    const QDir parent = info.absoluteDir();
    if (!parent.exists() && !QDir().mkpath(parent.absolutePath()))
        return false;
    return QDir().mkdir(info.absoluteFilePath(), kOwnerOnlyFolder) || QFileInfo(folder).isDir();
}

// The paths being saved right now, so that two backups of one name in one second, saved at once,
// do not take the same free name.
QMutex reservedLock;
QSet<QString> reserved;

// A name no file has and no save in progress has taken; given back with release().
QString reserveFreeName(const QDir& folder, const QString& name)
{
    const QMutexLocker lock(&reservedLock);
    const auto isFree = [&folder](const QString& candidate) {
        return !folder.exists(candidate) && !reserved.contains(folder.filePath(candidate));
    };
    QString chosen = name;
    const QString base = QFileInfo(name).completeBaseName();
    const QString suffix = QFileInfo(name).suffix();
    for (int n = 2; !isFree(chosen); ++n)
        chosen = QStringLiteral("%1-%2.%3").arg(base).arg(n).arg(suffix);
    reserved.insert(folder.filePath(chosen));
    return folder.filePath(chosen);
}

void release(const QString& path)
{
    const QMutexLocker lock(&reservedLock);
    reserved.remove(path);
}

// Threads that mostly wait for the disk: more of them than processors, so that the system can
// commit many backups together.
QThreadPool& diskThreads()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(16);
    return pool;
}

} // namespace

SavedFile savePrivateFile(const QString& path, const QByteArray& bytes)
{
    SavedFile saved{path, {}};
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        saved.error =
            QStringLiteral("não foi possível criar %1: %2").arg(path, openFailureReason(path, true, file.error()));
        return saved;
    }
    if (!file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner) || file.write(bytes) != bytes.size() ||
        !file.commit()) {
        saved.error = QStringLiteral("não foi possível gravar %1: %2").arg(path, transferFailureReason(file));
        file.cancelWriting();
    }
    return saved;
}

SavedFile saveBackup(const QString& folder, const QByteArray& image, const TerminalInfo& terminal,
                     const QDateTime& when)
{
    if (!makeFolder(folder))
        return {{},
                QStringLiteral("não foi possível criar a pasta de cópias de segurança %1: %2")
                    .arg(folder, folderFailureReason(folder))};
    const QString path = reserveFreeName(QDir(folder), backupFileName(image, when));
    const SavedFile saved = savePrivateFile(path, configFileBytes(image, terminal));
    release(path);
    return saved;
}

QFuture<SavedFile> saveBackupInBackground(const QString& folder, const QByteArray& image, const TerminalInfo& terminal,
                                          const QDateTime& when)
{
    auto promise = std::make_shared<QPromise<SavedFile>>();
    QFuture<SavedFile> future = promise->future();
    promise->start();
    diskThreads().start([promise, folder, image, terminal, when] {
        promise->addResult(saveBackup(folder, image, terminal, when));
        promise->finish();
    });
    return future;
}
