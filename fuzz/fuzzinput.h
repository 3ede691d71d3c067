#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

// Shared by the fuzz targets: the input as bytes, a scratch directory for file readers, and a
// check that stops the run loudly so libFuzzer keeps the input that broke an invariant.
namespace fuzzinput
{

inline QByteArray bytes(const std::uint8_t* data, std::size_t size)
{
    return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// One directory for the whole run; each input overwrites the same file in it. In memory when the
// machine has /dev/shm: the settings file syncs every write to the disk, which would otherwise
// slow the fuzzer down to a few runs a second.
inline const QTemporaryDir& scratch()
{
    static const QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                       ? QStringLiteral("/dev/shm/hxfuzz-XXXXXX")
                                       : QDir::tempPath() + QStringLiteral("/hxfuzz-XXXXXX"));
    return dir;
}

inline QString writeScratchFile(const char* name, const QByteArray& content)
{
    const QString path = scratch().filePath(QString::fromLatin1(name));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(content) != content.size())
        std::abort();
    return path;
}

[[noreturn]] inline void fail(const char* what)
{
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}

inline void check(bool condition, const char* what)
{
    if (!condition)
        fail(what);
}

} // namespace fuzzinput
