#include "files/backupfile.h"

#include "files/systemreason.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPromise>
#include <QThreadPool>

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

// Threads that mostly wait for the disk: more of them than processors, so that the system can
// commit many backups together.
QThreadPool& diskThreads()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(16);
    return pool;
}

} // namespace

SavedFile saveBackup(const QString& folder, const QByteArray& image, const TerminalInfo& terminal,
                     const QDateTime& when)
{
    if (!makeFolder(folder))
        return image::Failure{
            QCoreApplication::translate("Files", "não foi possível criar a pasta de cópias de segurança %1: %2")
                .arg(folder, folderFailureReason(folder))};
    return createFreshFile(folder, backupFileName(image, when), configFileBytes(image, terminal));
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
