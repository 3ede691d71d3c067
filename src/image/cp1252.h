#pragma once

#include <QByteArray>
#include <QString>

// Every text that reaches the image, the log and the settings file is Windows-1252, one byte per
// character. A character the code page cannot hold becomes a single '?'.
namespace cp1252
{

QByteArray encode(const QString& text);
QString decode(const QByteArray& bytes);
QChar decodeByte(unsigned char byte);

} // namespace cp1252
