#pragma once

#include "image/logrecord.h"
#include "image/readable.h"

#include <QByteArray>
#include <QDateTime>
#include <QLocale>

// The record "Log Conf." appends, built from what the editor shows.
namespace image
{

// The values of the record from what the editor shows for each field.
LogValues logValuesOf(const ShownValue& shown);

// The sixteen-line record "Log Conf." writes right after a read of this image.
QByteArray logRecordOf(const QByteArray& image, const QDateTime& now, const QLocale& locale);

} // namespace image
