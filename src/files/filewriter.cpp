#include "files/filewriter.h"

#include "files/systemreason.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace
{

constexpr mode_t kOwnerOnly = 0600;
constexpr int kMaxFreeNameTries = 10000;

// A file descriptor closed when it goes.
class Descriptor final
{
public:
    explicit Descriptor(int fd = -1) : m_fd(fd) {}
    ~Descriptor()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }
    Descriptor(const Descriptor&) = delete;
    Descriptor& operator=(const Descriptor&) = delete;

    int get() const { return m_fd; }
    bool valid() const { return m_fd >= 0; }
    // Closes now, as a close may be the first to report a failed write (network file systems).
    int closeNow()
    {
        const int result = ::close(m_fd);
        m_fd = -1;
        return result;
    }

private:
    int m_fd;
};

// A failure's text: what could not be done to which file, and why.
image::Failure failure(const QString& path, const QString& what, int errnoValue)
{
    return {QStringLiteral("%1 %2: %3").arg(what, path, fileFailureReason(errnoValue, QFileDevice::WriteError))};
}

// Every byte, through short writes and interruptions. Returns 0 or the errno of the failure.
int writeAll(int fd, const QByteArray& bytes, off_t at = -1)
{
    const char* next = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const size_t piece = size_t(std::min<qsizetype>(left, qsizetype(1) << 30));
        const ssize_t written = at < 0 ? ::write(fd, next, piece) : ::pwrite(fd, next, piece, at);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        if (written == 0)
            return ENOSPC;
        next += written;
        left -= written;
        if (at >= 0)
            at += written;
    }
    return 0;
}

int syncAndClose(Descriptor& file)
{
    if (::fsync(file.get()) != 0)
        return errno;
    if (file.closeNow() != 0)
        return errno;
    return 0;
}

// The folder part and the name part of a path.
struct Place {
    QString folder;
    QString name;
};

Place placeOf(const QString& path)
{
    const QFileInfo info(path);
    return {info.absolutePath(), info.fileName()};
}

QByteArray native(const QString& path)
{
    return QFile::encodeName(path);
}

// A new temporary file in the folder, created exclusively and never through a link. Returns the
// descriptor, or -1 with errno set.
int createTemporary(int folder, const QString& forName, mode_t mode, QByteArray& tempName)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempName = native(QStringLiteral(".%1.%2.tmp")
                              .arg(forName.left(200))
                              .arg(QRandomGenerator::system()->generate64(), 16, 16, QLatin1Char('0')));
        const int fd =
            ::openat(folder, tempName.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    errno = EEXIST;
    return -1;
}

// Writes the whole content into a fresh temporary file of the folder, synced and closed, with its
// final mode. Returns 0 or the errno of the failure (the temporary file is then gone).
int writeTemporary(int folder, const QString& forName, const QByteArray& bytes, mode_t createMode,
                   std::optional<mode_t> finalMode, QByteArray& tempName)
{
    Descriptor file(createTemporary(folder, forName, createMode, tempName));
    if (!file.valid())
        return errno;
    int error = writeAll(file.get(), bytes);
    if (error == 0 && finalMode && ::fchmod(file.get(), *finalMode) != 0)
        error = errno;
    if (error == 0)
        error = syncAndClose(file);
    if (error != 0)
        ::unlinkat(folder, tempName.constData(), 0);
    return error;
}

// Rewrites a regular file in place: its new length is reserved first, so that a full disk is
// noticed before any byte of it changes.
int rewriteInPlace(int folder, const QByteArray& name, const QByteArray& bytes)
{
    Descriptor file(::openat(folder, name.constData(), O_WRONLY | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK));
    if (!file.valid())
        return errno;
    struct stat status {
    };
    if (::fstat(file.get(), &status) != 0)
        return errno;
    if (!S_ISREG(status.st_mode))
        return EINVAL;
    if (!bytes.isEmpty()) {
        const int reserved = ::posix_fallocate(file.get(), 0, off_t(bytes.size()));
        if (reserved != 0 && reserved != EOPNOTSUPP && reserved != EINVAL)
            return reserved;
    }
    if (const int error = writeAll(file.get(), bytes, 0); error != 0)
        return error;
    if (::ftruncate(file.get(), off_t(bytes.size())) != 0)
        return errno;
    return syncAndClose(file);
}

// What stands at a name of the folder, not following a link: true when something does.
bool statAt(int folder, const QByteArray& name, struct stat& status)
{
    return ::fstatat(folder, name.constData(), &status, AT_SYMLINK_NOFOLLOW) == 0;
}

QString notAFileReason(const struct stat& status)
{
    if (S_ISLNK(status.st_mode))
        return QCoreApplication::translate(
            "Files", "é um link simbólico; nada foi gravado através dele (indique o arquivo de destino)");
    if (S_ISDIR(status.st_mode))
        return fileFailureReason(EISDIR, QFileDevice::OpenError);
    return QCoreApplication::translate("Files", "não é um arquivo comum");
}

// Renames the temporary file to the name unless something has that name. Returns 0 or errno.
int renameNoReplace(int folder, const QByteArray& from, const QByteArray& to)
{
    if (::renameat2(folder, from.constData(), folder, to.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL && errno != ENOSYS)
        return errno;
    // File systems without an exclusive rename: a hard link fails just the same on a taken name.
    if (::linkat(folder, from.constData(), folder, to.constData(), 0) != 0)
        return errno;
    ::unlinkat(folder, from.constData(), 0);
    return 0;
}

// The refusal of a folder that others could use to swap or read the backups, or empty.
QString unsafeFolderReason(const QString& folder, const struct stat& status)
{
    if (status.st_uid != ::geteuid())
        return QCoreApplication::translate(
                   "Files", "a pasta %1 pertence a outro usuário; use uma pasta sua (por exemplo, crie uma nova "
                            "com mkdir -m 700)")
            .arg(folder);
    if (status.st_mode & (S_IWGRP | S_IWOTH))
        return QCoreApplication::translate(
                   "Files", "a pasta %1 pode ser alterada por outros usuários; restrinja-a com chmod 700 %1")
            .arg(folder);
    return {};
}

} // namespace

SavedFile replaceFile(const QString& path, const QByteArray& bytes, FileAccess access, InPlaceFallback fallback)
{
    const QString cannotWrite = QCoreApplication::translate("Files", "não foi possível gravar");
    const Place place = placeOf(path);
    if (path.isEmpty() || path.endsWith(u'/') || place.name.isEmpty())
        return failure(path, cannotWrite, EISDIR);
    Descriptor folder(::open(native(place.folder).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (!folder.valid())
        return failure(path, cannotWrite, errno);
    const QByteArray name = native(place.name);

    struct stat existing {
    };
    const bool exists = statAt(folder.get(), name, existing);
    if (exists && !S_ISREG(existing.st_mode))
        return image::Failure{QStringLiteral("%1 %2: %3").arg(cannotWrite, path, notAFileReason(existing))};

    // A replaced file keeps its mode; a new one is created with the umask's say.
    std::optional<mode_t> finalMode = kOwnerOnly;
    mode_t createMode = kOwnerOnly;
    if (access == FileAccess::AsBefore) {
        finalMode = exists ? std::optional<mode_t>(existing.st_mode & 07777) : std::nullopt;
        createMode = exists ? kOwnerOnly : 0666;
    }
    QByteArray tempName;
    const int error = writeTemporary(folder.get(), place.name, bytes, createMode, finalMode, tempName);
    if (error != 0) {
        const bool refusedHere = error == EACCES || error == EPERM || error == EROFS;
        if (!(exists && refusedHere && fallback == InPlaceFallback::WhereFolderRefuses))
            return failure(path, cannotWrite, error);
        if (const int inPlace = rewriteInPlace(folder.get(), name, bytes); inPlace != 0)
            return failure(path, cannotWrite, inPlace);
        return path;
    }
    if (::renameat(folder.get(), tempName.constData(), folder.get(), name.constData()) != 0) {
        const int renameError = errno;
        ::unlinkat(folder.get(), tempName.constData(), 0);
        return failure(path, cannotWrite, renameError);
    }
    // The new name itself must reach the disk too.
    ::fsync(folder.get());
    return path;
}

SavedFile savePrivateFile(const QString& path, const QByteArray& bytes)
{
    return replaceFile(path, bytes, FileAccess::OwnerOnly);
}

SavedFile createFreshFile(const QString& folderPath, const QString& name, const QByteArray& bytes)
{
    const QString inFolder = QCoreApplication::translate("Files", "não foi possível gravar a cópia de segurança em");
    struct stat status {
    };
    if (::lstat(native(folderPath).constData(), &status) != 0)
        return failure(folderPath, inFolder, errno);
    if (S_ISLNK(status.st_mode))
        return image::Failure{QCoreApplication::translate(
                                  "Files",
                                  "a pasta %1 é um link simbólico; as cópias de segurança não são gravadas através de "
                                  "links (indique a pasta de destino)")
                                  .arg(folderPath)};
    Descriptor folder(::open(native(folderPath).constData(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    if (!folder.valid())
        return failure(folderPath, inFolder, errno);
    // Checked on the folder as opened: what is checked is what is written to.
    if (::fstat(folder.get(), &status) != 0)
        return failure(folderPath, inFolder, errno);
    if (const QString unsafe = unsafeFolderReason(folderPath, status); !unsafe.isEmpty())
        return image::Failure{unsafe};

    QByteArray tempName;
    if (const int error = writeTemporary(folder.get(), name, bytes, kOwnerOnly, kOwnerOnly, tempName); error != 0)
        return failure(folderPath, inFolder, error);

    const QFileInfo parts(name);
    const QString base = parts.completeBaseName();
    const QString suffix = parts.suffix().isEmpty() ? QString() : u'.' + parts.suffix();
    for (int n = 1; n <= kMaxFreeNameTries; ++n) {
        const QString candidate = n == 1 ? name : QStringLiteral("%1-%2%3").arg(base).arg(n).arg(suffix);
        const int error = renameNoReplace(folder.get(), tempName, native(candidate));
        if (error == EEXIST)
            continue;
        if (error != 0) {
            ::unlinkat(folder.get(), tempName.constData(), 0);
            return failure(folderPath, inFolder, error);
        }
        ::fsync(folder.get());
        return QDir(folderPath).filePath(candidate);
    }
    ::unlinkat(folder.get(), tempName.constData(), 0);
    return failure(folderPath, inFolder, EEXIST);
}

SavedFile appendFile(const QString& path, const QByteArray& bytes, FileAccess accessIfNew)
{
    const QString cannotAppend = QCoreApplication::translate("Files", "não foi possível acrescentar o registro em");
    // Not blocking: a pipe put at that name must not hold the program up.
    const mode_t mode = accessIfNew == FileAccess::OwnerOnly ? kOwnerOnly : 0666;
    Descriptor file(
        ::open(native(path).constData(), O_WRONLY | O_APPEND | O_CREAT | O_NOFOLLOW | O_CLOEXEC | O_NONBLOCK, mode));
    if (!file.valid()) {
        const int error = errno;
        struct stat status {
        };
        if (error == ELOOP && ::lstat(native(path).constData(), &status) == 0)
            return image::Failure{QStringLiteral("%1 %2: %3").arg(cannotAppend, path, notAFileReason(status))};
        return failure(path, cannotAppend, error);
    }
    struct stat status {
    };
    if (::fstat(file.get(), &status) != 0)
        return failure(path, cannotAppend, errno);
    if (!S_ISREG(status.st_mode))
        return image::Failure{QStringLiteral("%1 %2: %3").arg(cannotAppend, path, notAFileReason(status))};
    const off_t before = status.st_size;
    const int error = writeAll(file.get(), bytes);
    if (error != 0) {
        // Only what this write added goes: the records that were there stay.
        if (::fstat(file.get(), &status) == 0 && status.st_size > before)
            ::ftruncate(file.get(), before);
        return failure(path, cannotAppend, error);
    }
    if (file.closeNow() != 0)
        return failure(path, cannotAppend, errno);
    return path;
}

QString readableByOthersWarning(const QString& path)
{
    struct stat status {
    };
    if (::stat(native(path).constData(), &status) != 0 || !S_ISREG(status.st_mode))
        return {};
    if (!(status.st_mode & (S_IRGRP | S_IROTH)))
        return {};
    return QCoreApplication::translate(
               "Files", "aviso: %1 pode ser lido por outros usuários e guarda o login e a senha dos terminais; "
                        "restrinja-o com chmod 600 %1")
        .arg(path);
}
