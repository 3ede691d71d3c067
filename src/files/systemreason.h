#pragma once

#include <QFileDevice>
#include <QString>

// Why a file could not be opened, read or written, in the tool's own Portuguese words: the
// system's and Qt's texts come in English. `errnoValue` is errno taken right after the failure;
// when it says nothing known, Qt's error kind decides.
QString fileFailureReason(int errnoValue, QFileDevice::FileError error);

// The same for a file device that has just failed, with the current errno.
QString fileFailureReason(const QFileDevice& file);
