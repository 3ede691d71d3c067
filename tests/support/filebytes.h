#pragma once

#include <QByteArray>
#include <QString>

// A file's bytes, or "<unreadable>": a missing file never compares equal to an empty one.
QByteArray readBytes(const QString& path);

// Writes the file whole, failing the running test when it cannot.
void writeBytes(const QString& path, const QByteArray& bytes);
