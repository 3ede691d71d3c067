#include "textfilebytes.h"

#include "image/cp1252.h"

QByteArray windowsTextFile(const QStringList& lines)
{
    QByteArray bytes;
    for (const QString& line : lines)
        bytes += cp1252::encode(line) + "\r\n";
    return bytes;
}
