#include "files/backupfile.h"

#include "files/systemreason.h"

#include <QDir>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

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

QString freeName(const QDir& folder, const QString& name)
{
    if (!folder.exists(name))
        return folder.filePath(name);
    const QString base = QFileInfo(name).completeBaseName();
    const QString suffix = QFileInfo(name).suffix();
    for (int n = 2;; ++n) {
        const QString candidate = QStringLiteral("%1-%2.%3").arg(base).arg(n).arg(suffix);
        if (!folder.exists(candidate))
            return folder.filePath(candidate);
    }
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
    return savePrivateFile(freeName(QDir(folder), backupFileName(image, when)), configFileBytes(image, terminal));
}
