#pragma once

#include <QByteArray>
#include <QStringList>

// The bytes of a text file as the tool's files hold them: Windows-1252, every line ending with CR LF.
QByteArray windowsTextFile(const QStringList& lines);
