#pragma once

#include <QFileDevice>
#include <QString>

// Why a file could not be opened, read or written, in the tool's own Portuguese words: the
// system's and Qt's texts come in English. `errnoValue` is errno taken right after the failure;
// when it says nothing known, Qt's error kind decides.
QString fileFailureReason(int errnoValue, QFileDevice::FileError error);

// Why opening `path` for reading or for writing failed. Qt makes further system calls after the
// failing one, so errno no longer tells: the system is asked again about the file and its folder.
QString openFailureReason(const QString& path, bool forWriting, QFileDevice::FileError error);

// Why reading or writing a file that is open failed, from errno and the device's error kind.
QString transferFailureReason(const QFileDevice& file);

// Why a folder could not be made at `folder`.
QString folderFailureReason(const QString& folder);
