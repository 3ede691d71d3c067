#include "writefailure.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace writefailure
{

namespace
{
constexpr uid_t kNobody = 65534;
}

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
    if (::geteuid() == 0) {
        m_switchedUser = ::seteuid(kNobody) == 0;
        m_active = m_switchedUser;
    } else {
        m_active = true;
    }
}

ReadOnlyDirectory::~ReadOnlyDirectory()
{
    if (m_switchedUser && ::seteuid(0) != 0)
        qFatal("could not switch back to root");
    ::chmod(QFile::encodeName(m_dir).constData(), 0755);
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
