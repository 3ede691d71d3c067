#include "windowprobes.h"

#include "windowfixture.h"

#include <QLabel>

QString spoken(QWidget* control, QAccessible::Text what)
{
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(control);
    return face ? face->text(what) : QStringLiteral("<no accessible interface>");
}

QLabel* backupLine(WindowFixture& f)
{
    return f.find<QLabel>("lbBackup");
}
