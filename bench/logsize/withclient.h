#pragma once

#include <QString>
#include <QStringList>

#include <map>

// The log viewer with a real screen reader connected: a virtual X server, a session bus with the
// desktop's accessibility bus, hxscreenreaderclient listening, and the viewer shown on the logs of
// 10 000 and 100 000 records, first without the client and then with it, in one process.

// The programs the measure needs and this machine lacks; empty when it can run.
QStringList screenReaderMissing();

// Runs the measure in a child process that is killed after limitSeconds, and prints its figures
// as they come. logDirs holds the directory of each log size to show.
void printScreenReaderFigures(const std::map<int, QString>& logDirs, int limitSeconds);

// The child's side: the argument that selects it, and the run itself, given the record count and
// the directory of each log in turn.
inline const QString kScreenReaderPart = QStringLiteral("--screen-reader-part");
int runScreenReaderPart(const QStringList& recordsAndDirs);
