#pragma once

#include "image/outcome.h"

#include <QByteArray>
#include <QString>

// Every file the tool writes goes through here. A whole file is written to a temporary file
// created exclusively (never through an existing name or link) in the target's folder, flushed,
// checked to hold every byte, synced to the disk and only then renamed into place: on any failure
// the old file stays as it was and the temporary file is removed. Failures are Portuguese texts
// that name the file and say why ("disco cheio", "sem permissão", ...).

// The outcome of saving a file: the path it was saved at, or the Portuguese text saying what failed.
using SavedFile = image::Outcome<QString>;

enum class FileAccess {
    OwnerOnly, // mode 0600, also when it replaces a file: it may carry a terminal's password
    AsBefore,  // a replaced file keeps its mode; a new one gets what the umask allows
};

enum class InPlaceFallback {
    No,
    // Where the folder refuses new files but the file itself may be written, the file is
    // rewritten in place: its new length is reserved on the disk first, so that a full disk still
    // leaves it untouched.
    WhereFolderRefuses,
};

// Creates or replaces the file at `path`. What is at that name must be a regular file or nothing:
// a symbolic link there is refused, never written through nor replaced.
SavedFile replaceFile(const QString& path, const QByteArray& bytes, FileAccess access,
                      InPlaceFallback fallback = InPlaceFallback::No);

// The same, readable and writable by its owner only.
SavedFile savePrivateFile(const QString& path, const QByteArray& bytes);

// Creates a new file readable by its owner only in `folder`, named `name`, or, where anything has
// that name already (a link included), "base-2.ext", "base-3.ext", ... The folder must be the
// user's own: a symbolic link, a folder of another user or one others may write to is refused
// with what to do about it.
SavedFile createFreshFile(const QString& folder, const QString& name, const QByteArray& bytes);

// Appends the bytes to the file at `path` in one write, creating it (with `accessIfNew`) when
// missing. A link or anything but a regular file at that name is refused. A short or failed write
// is reported and cut back, so no partial record stays behind; what was there is kept.
SavedFile appendFile(const QString& path, const QByteArray& bytes, FileAccess accessIfNew);

// The warning for a file that group or others may read, or empty (also for a missing file).
QString readableByOthersWarning(const QString& path);
