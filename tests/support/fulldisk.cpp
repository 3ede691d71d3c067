#include "fulldisk.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <utility>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

FullDisk::FullDisk(QString folder) : m_folder(std::move(folder))
{
    QDir().mkpath(m_folder);
    const QByteArray native = QFile::encodeName(m_folder);
    m_mounted = ::geteuid() == 0 &&
                ::mount("tmpfs", native.constData(), "tmpfs", MS_NOSUID | MS_NODEV, "size=64k,mode=0700") == 0;
    struct rlimit limit {
    };
    m_canCap = !m_mounted && ::getrlimit(RLIMIT_FSIZE, &limit) == 0;
}

FullDisk::~FullDisk()
{
    release();
    if (m_mounted)
        ::umount2(QFile::encodeName(m_folder).constData(), MNT_DETACH);
}

QString FullDisk::skipReason() const
{
    return QStringLiteral("neither a tmpfs can be mounted (not root) nor the file size capped here");
}

void FullDisk::engage()
{
    if (m_mounted) {
        // Filled to the last page: the file system answers ENOSPC from then on.
        const QByteArray filler = QFile::encodeName(QDir(m_folder).filePath(QStringLiteral("filler")));
        const int fd = ::open(filler.constData(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0600);
        const QByteArray block(4096, 'f');
        while (fd >= 0 && ::write(fd, block.constData(), size_t(block.size())) > 0) {
        }
        while (fd >= 0 && ::write(fd, block.constData(), 1) > 0) {
        }
        if (fd >= 0)
            ::close(fd);
        return;
    }
    if (!m_canCap || m_capped || ::getrlimit(RLIMIT_FSIZE, &m_old) != 0)
        return;
    m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit capped = m_old;
    capped.rlim_cur = 1;
    m_capped = ::setrlimit(RLIMIT_FSIZE, &capped) == 0;
}

void FullDisk::release()
{
    if (!m_capped)
        return;
    ::setrlimit(RLIMIT_FSIZE, &m_old);
    std::signal(SIGXFSZ, m_oldHandler);
    m_capped = false;
}
