#pragma once

#include "ui/dialogs.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

// Records every box the windows open and answers from a queue, so tests never open a real box. onShow runs while a box
// "is open", where a real box would run its nested event loop (tests use it to let socket events through).
class ScriptedDialogs final : public Dialogs
{
public:
    struct Shown {
        QString kind; // "message", "question", "error", "open", "save", "dialog", "start"
        QString caption;
        QString text;
        Icon icon = Icon::None;
    };

    void message(QWidget* parent, const QString& caption, const QString& text, Icon icon) override;
    bool question(QWidget* parent, const QString& caption, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    QString openFile(QWidget* parent, const QString& caption, const QString& filter, const QString& folder) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& filter, const QString& proposal) override;
    void showDialog(QDialog& dialog) override;
    void startDetached(const QString& program, const QStringList& arguments) override;

    QList<Shown> shown;
    QList<bool> answers;        // next question answers; Yes when empty
    QList<QString> fileChoices; // next open dialogs; cancel when empty
    QList<QString> saveChoices; // next save dialogs; cancel when empty
    QString lastFilter;
    QString lastFolder;
    QString lastProgram;
    QStringList lastArguments;
    std::function<void()> onShow;

    // What a dialog of the program's own showed the user: its title, its labels and its table.
    struct DialogSeen {
        QString title;
        QStringList labels;      // visible labels, in creation order
        bool tableShown = false; // a table is visible
        QString tableName;       // the table's accessible name
        QStringList headers;     // column heads
        QList<QStringList> rows; // cell texts, row by row
    };
    QList<DialogSeen> dialogsSeen;

    QStringList texts() const; // the texts of every box shown, in order
    void clear();
};
