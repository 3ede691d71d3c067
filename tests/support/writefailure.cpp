#include "writefailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace writefailure
{

namespace
{

constexpr uid_t kNobody = 65534;

// Root ignores permission bits; as "nobody" they apply. True when the switch was made.
bool dropRoot()
{
    return ::geteuid() == 0 && ::seteuid(kNobody) == 0;
}

void restoreRoot(bool switched)
{
    if (switched && ::seteuid(0) != 0)
        qFatal("could not switch back to root");
}

} // namespace

QString pathUnderFile(const QString& dir, const QString& fileName)
{
    const QString blocker = QDir(dir).filePath(QStringLiteral("blocker"));
    QFile file(blocker);
    if (file.open(QIODevice::WriteOnly))
        file.write("not a directory");
    return blocker + u'/' + fileName;
}

ReadOnlyDirectory::ReadOnlyDirectory(QString dir) : m_dir(std::move(dir))
{
    const QByteArray native = QFile::encodeName(m_dir);
    if (::chmod(native.constData(), 0555) != 0)
        return;
    const bool root = ::geteuid() == 0;
    m_switchedUser = dropRoot();
    m_active = !root || m_switchedUser;
}

ReadOnlyDirectory::~ReadOnlyDirectory()
{
    restoreRoot(m_switchedUser);
    ::chmod(QFile::encodeName(m_dir).constData(), 0755);
}

UnreadableFile::UnreadableFile(QString path) : m_path(std::move(path))
{
    const QByteArray native = QFile::encodeName(m_path);
    const QByteArray dir = QFile::encodeName(QFileInfo(m_path).absolutePath());
    if (::chmod(dir.constData(), 0755) != 0 || ::chmod(native.constData(), 0) != 0)
        return;
    const bool root = ::geteuid() == 0;
    m_switchedUser = dropRoot();
    m_active = !root || m_switchedUser;
}

UnreadableFile::~UnreadableFile()
{
    restoreRoot(m_switchedUser);
    ::chmod(QFile::encodeName(m_path).constData(), 0644);
}

FileSizeLimit::FileSizeLimit(rlim_t bytes)
{
    if (::getrlimit(RLIMIT_FSIZE, &m_old) != 0)
        return;
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit capped = m_old;
    capped.rlim_cur = bytes;
    m_active = ::setrlimit(RLIMIT_FSIZE, &capped) == 0;
}

FileSizeLimit::~FileSizeLimit()
{
    if (m_active)
        ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
}

} // namespace writefailure
