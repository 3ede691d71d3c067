#include "files/backuphistory.h"

#include "files/backupfile.h"
#include "files/configsources.h"
#include "image/differences.h"

#include <QDir>
#include <QFileInfo>
#include <QPromise>
#include <QRegularExpression>
#include <QThreadPool>

#include <algorithm>
#include <memory>

namespace
{

// Threads that mostly wait for the disk: more of them than processors, so that the system can
// commit many backups together.
QThreadPool& keeperThreads()
{
    static QThreadPool pool;
    pool.setMaxThreadCount(16);
    return pool;
}

// A MAC as people write it, in the spelling of file names.
QString macKey(const QString& mac)
{
    static const QRegularExpression separated(QStringLiteral("^[0-9A-Fa-f]{2}([:-][0-9A-Fa-f]{2}){5}$"));
    QString plain = mac.trimmed();
    if (separated.match(plain).hasMatch())
        plain.remove(u':').remove(u'-');
    return macInFileName(plain);
}

} // namespace

bool BackupName::operator<(const BackupName& other) const
{
    return stamp != other.stamp ? stamp < other.stamp : number < other.number;
}

std::optional<BackupName> parseBackupName(const QString& fileName)
{
    static const QRegularExpression pattern(QStringLiteral("^(.+)_(\\d{8}-\\d{6})(?:-(\\d{1,9}))?\\.ini$"));
    const QRegularExpressionMatch match = pattern.match(fileName);
    if (!match.hasMatch())
        return std::nullopt;
    BackupName name{match.captured(1), match.captured(2), 1};
    if (match.hasCaptured(3)) {
        name.number = match.captured(3).toInt();
        // saveBackup() counts from 2; "-1" or "-02" is someone else's name.
        if (name.number < 2 || match.captured(3).startsWith(u'0'))
            return std::nullopt;
    }
    return name;
}

QStringList backupsOf(const QString& folder, const QString& mac)
{
    const QString key = macKey(mac);
    const QDir dir(folder);
    QList<std::pair<BackupName, QString>> found;
    for (const QString& file : dir.entryList({QStringLiteral("*.ini")}, QDir::Files)) {
        const std::optional<BackupName> name = parseBackupName(file);
        if (name && name->mac.compare(key, Qt::CaseInsensitive) == 0)
            found.append({*name, dir.filePath(file)});
    }
    std::sort(found.begin(), found.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    QStringList paths;
    for (const auto& [name, path] : std::as_const(found))
        paths.append(path);
    return paths;
}

BackupKeeper::BackupKeeper(QString folder) : m_folder(std::move(folder))
{
    const QDir dir(m_folder);
    for (const QString& file : dir.entryList({QStringLiteral("*.ini")}, QDir::Files)) {
        const std::optional<BackupName> name = parseBackupName(file);
        if (!name)
            continue;
        auto it = m_newest.find(name->mac);
        if (it == m_newest.end() || it->name < *name)
            m_newest.insert(name->mac, {*name, dir.filePath(file), {}});
    }
}

image::Outcome<KeptBackup> BackupKeeper::keep(const QByteArray& image, const TerminalInfo& terminal,
                                              const QDateTime& when)
{
    const QString key = macInFileName(terminal.mac);
    std::optional<Newest> newest;
    {
        const QMutexLocker lock(&m_lock);
        if (auto it = m_newest.constFind(key); it != m_newest.constEnd())
            newest = *it;
    }
    if (newest && newest->image.isEmpty()) {
        auto loaded = loadConfigFile(newest->path);
        if (loaded)
            newest->image = loaded->image;
    }
    if (newest && image::sameConfiguration(newest->image, image))
        return KeptBackup{false, newest->path};

    const SavedFile saved = saveBackup(m_folder, image, terminal, when);
    if (!saved)
        return saved.failure();
    if (const std::optional<BackupName> name = parseBackupName(QFileInfo(*saved).fileName())) {
        const QMutexLocker lock(&m_lock);
        auto it = m_newest.find(key);
        if (it == m_newest.end() || it->name < *name)
            m_newest.insert(key, {*name, *saved, image});
    }
    return KeptBackup{true, *saved};
}

QFuture<image::Outcome<KeptBackup>> BackupKeeper::keepInBackground(const QByteArray& image,
                                                                   const TerminalInfo& terminal, const QDateTime& when)
{
    auto promise = std::make_shared<QPromise<image::Outcome<KeptBackup>>>();
    QFuture<image::Outcome<KeptBackup>> future = promise->future();
    promise->start();
    keeperThreads().start([this, promise, image, terminal, when] {
        promise->addResult(keep(image, terminal, when));
        promise->finish();
    });
    return future;
}
