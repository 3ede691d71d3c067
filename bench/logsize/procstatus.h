#pragma once

#include <QByteArray>
#include <QFile>

// A size field of /proc/self/status in KiB ("VmRSS", "VmHWM"), or -1.
inline long procStatusKb(const QByteArray& field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field + ':'))
            return line.mid(field.size() + 1).trimmed().split(' ').first().toLong();
    }
    return -1;
}
