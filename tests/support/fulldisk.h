#pragma once

#include <QString>

#include <sys/resource.h>

#include <memory>

// A really full file system for a test. As root (the tests and CI run so): a 64 KiB tmpfs mounted
// on a folder, which the test fills with its files first; engage() then fills what space is left,
// so that every further write fails with ENOSPC. Without root: the folder stays a plain folder and
// engage() caps the size of every file written from then on (RLIMIT_FSIZE, SIGXFSZ ignored) until
// release(), so that a child process started meanwhile inherits the cap and its writes fail with
// EFBIG; the test must write nothing itself between the two. Unmounted when the object goes.
class FullDisk final
{
public:
    explicit FullDisk(QString folder);
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // False when neither way is possible here; skipReason() then says why.
    bool usable() const { return m_mounted || m_canCap; }
    bool mounted() const { return m_mounted; }
    QString skipReason() const;
    QString folder() const { return m_folder; }

    void engage();
    void release();

private:
    QString m_folder;
    bool m_mounted = false;
    bool m_canCap = false;
    bool m_capped = false;
    struct rlimit m_old {
    };
    void (*m_oldHandler)(int) = nullptr;
};
