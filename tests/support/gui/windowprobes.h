#pragma once

// What several of the window's tests read back from it. The test files compile together, so a
// helper two of them need lives here once.

#include "files/language.h"

#include <QAccessible>
#include <QDateTime>
#include <QMetaType>
#include <QString>

class QLabel;
class QWidget;
class WindowFixture;

// The languages as a column of a data-driven test.
Q_DECLARE_METATYPE(Language)

// What a screen reader speaks for the control: its accessible name, or the text asked for.
QString spoken(QWidget* control, QAccessible::Text what = QAccessible::Name);

// The status strip's line that names the last backup.
QLabel* backupLine(WindowFixture& f);

// The clock of a test that reads a terminal: its backups are named after this moment.
inline const QDateTime kReadTime(QDate(2026, 1, 2), QTime(3, 4, 5));

// The box the window shows when no terminal answers at the address.
inline const QString kConnectRefused =
    QStringLiteral("Não foi possível se conectar!\rVerifique se outro aplicativo está sendo executado!");
