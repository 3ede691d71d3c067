#include "scripteddialogs.h"

#include <QDialog>
#include <QLabel>
#include <QTableWidget>

void ScriptedDialogs::message(QWidget*, const QString& caption, const QString& text, Icon icon)
{
    shown.append({QStringLiteral("message"), caption, text, icon});
    if (onShow)
        onShow();
}

bool ScriptedDialogs::question(QWidget*, const QString& caption, const QString& text)
{
    shown.append({QStringLiteral("question"), caption, text, Icon::Information});
    if (onShow)
        onShow();
    return answers.isEmpty() ? true : answers.takeFirst();
}

void ScriptedDialogs::error(QWidget*, const QString& text)
{
    shown.append({QStringLiteral("error"), QString(), text, Icon::Critical});
    if (onShow)
        onShow();
}

QString ScriptedDialogs::openFile(QWidget*, const QString& caption, const QString& filter, const QString& folder)
{
    shown.append({QStringLiteral("open"), caption, QString(), Icon::None});
    lastFilter = filter;
    lastFolder = folder;
    return fileChoices.isEmpty() ? QString() : fileChoices.takeFirst();
}

QString ScriptedDialogs::saveFile(QWidget*, const QString& caption, const QString& filter, const QString& proposal)
{
    shown.append({QStringLiteral("save"), caption, QString(), Icon::None});
    lastFilter = filter;
    lastFolder = proposal;
    return saveChoices.isEmpty() ? QString() : saveChoices.takeFirst();
}

void ScriptedDialogs::showDialog(QDialog& dialog)
{
    shown.append({QStringLiteral("dialog"), dialog.windowTitle(), QString(), Icon::None});
    DialogSeen seen;
    seen.title = dialog.windowTitle();
    for (const QLabel* label : dialog.findChildren<QLabel*>()) {
        if (label->isVisibleTo(&dialog))
            seen.labels.append(label->text());
    }
    if (const QTableWidget* table = dialog.findChild<QTableWidget*>()) {
        seen.tableShown = table->isVisibleTo(&dialog);
        seen.tableName = table->accessibleName();
        for (int column = 0; column < table->columnCount(); ++column)
            seen.headers.append(table->horizontalHeaderItem(column)->text());
        for (int row = 0; row < table->rowCount(); ++row) {
            QStringList cells;
            for (int column = 0; column < table->columnCount(); ++column)
                cells.append(table->item(row, column) ? table->item(row, column)->text() : QString());
            seen.rows.append(cells);
        }
    }
    dialogsSeen.append(seen);
    if (onShow)
        onShow();
}

void ScriptedDialogs::startDetached(const QString& program, const QStringList& arguments)
{
    shown.append({QStringLiteral("start"), program, arguments.join(QLatin1Char(' ')), Icon::None});
    lastProgram = program;
    lastArguments = arguments;
}

QStringList ScriptedDialogs::texts() const
{
    QStringList out;
    for (const Shown& s : shown) {
        if (s.kind == QLatin1String("message") || s.kind == QLatin1String("question") ||
            s.kind == QLatin1String("error"))
            out.append(s.text);
    }
    return out;
}

void ScriptedDialogs::clear()
{
    shown.clear();
    dialogsSeen.clear();
}
