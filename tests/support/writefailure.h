#pragma once

#include <QString>

#include <sys/resource.h>

#include <csignal>

// Ways to make a file write (or read) really fail in a test, also when the tests run as root (root
// ignores permission bits, so a plain read-only directory would not stop it).
namespace writefailure
{

// A path whose parent is a regular file: nothing can be created there (ENOTDIR), not even by root.
// Creates the blocking file "blocker" in dir.
QString pathUnderFile(const QString& dir, const QString& fileName);

// Makes dir read-only (0555) while the scope lives. As root it also switches the effective user to
// "nobody", so the permission bits apply; dir's parents must be reachable by everyone. Files in dir
// that a write should replace should be world-writable, so that only the directory refuses it.
class ReadOnlyDirectory final
{
public:
    explicit ReadOnlyDirectory(QString dir);
    ~ReadOnlyDirectory();
    ReadOnlyDirectory(const ReadOnlyDirectory&) = delete;
    ReadOnlyDirectory& operator=(const ReadOnlyDirectory&) = delete;

    bool active() const { return m_active; } // false when the user switch was refused

private:
    QString m_dir;
    bool m_switchedUser = false;
    bool m_active = false;
};

// Makes one file unreadable while the scope lives: mode 0000, its directory open to everyone (0755)
// so that the file is still seen there. As root it also switches the effective user to "nobody";
// the directory's parents must be reachable by everyone.
class UnreadableFile final
{
public:
    explicit UnreadableFile(QString path);
    ~UnreadableFile();
    UnreadableFile(const UnreadableFile&) = delete;
    UnreadableFile& operator=(const UnreadableFile&) = delete;

    bool active() const { return m_active; } // false when the user switch was refused

private:
    QString m_path;
    bool m_switchedUser = false;
    bool m_active = false;
};

// Caps the size of every file the process writes (RLIMIT_FSIZE, which binds root too): a write
// that would grow a file past the cap fails like a full disk. SIGXFSZ is ignored meanwhile.
class FileSizeLimit final
{
public:
    explicit FileSizeLimit(rlim_t bytes);
    ~FileSizeLimit();
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    bool active() const { return m_active; }

private:
    struct rlimit m_old {
    };
    void (*m_oldHandler)(int) = SIG_DFL;
    bool m_active = false;
};

} // namespace writefailure
