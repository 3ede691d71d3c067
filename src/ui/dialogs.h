#pragma once

#include <QString>
#include <QStringList>

class QDialog;
class QWidget;

// Everything that waits on the user or leaves the program goes through this interface: message
// boxes, questions, file dialogs and program launches. The windows get one at
// construction; tests hand in a scripted one that records what was asked and answers it.
class Dialogs
{
public:
    enum class Icon { None, Information, Warning, Critical };

    virtual ~Dialogs() = default;

    // A modal box with an OK button. A CR inside the text starts a new line.
    virtual void message(QWidget* parent, const QString& caption, const QString& text, Icon icon) = 0;
    // A modal Yes/No box with the information icon; true for Yes.
    virtual bool question(QWidget* parent, const QString& caption, const QString& text) = 0;
    // The toolkit's standard error box for an error a handler does not catch.
    virtual void error(QWidget* parent, const QString& text) = 0;
    // An open-file dialog; returns the chosen full path, or an empty text when cancelled. The filter
    // is either file type names and their patterns separated by '|' ("Arquivo Texto|*.txt", several
    // patterns separated by ';'), each name shown exactly as given, or a filter in Qt's own form
    // ("Arquivo Texto (*.txt)"), shown as written.
    virtual QString openFile(QWidget* parent, const QString& caption, const QString& filter, const QString& folder) = 0;
    // A save-file dialog with a filter in Qt's own form ("Configuração (*.ini)"), opened on `proposal`
    // (a folder, or a folder and a file name); a name typed without a suffix gets the filter's first
    // one. Returns the chosen full path, or an empty text when cancelled.
    virtual QString saveFile(QWidget* parent, const QString& caption, const QString& filter,
                             const QString& proposal) = 0;
    // Runs a dialog of the program's own modally, until the user closes it.
    virtual void showDialog(QDialog& dialog) = 0;
    // Starts another program without waiting for it.
    virtual void startDetached(const QString& program, const QStringList& arguments) = 0;
};

// The real boxes and dialogs of the desktop.
class DesktopDialogs final : public Dialogs
{
public:
    void message(QWidget* parent, const QString& caption, const QString& text, Icon icon) override;
    bool question(QWidget* parent, const QString& caption, const QString& text) override;
    void error(QWidget* parent, const QString& text) override;
    QString openFile(QWidget* parent, const QString& caption, const QString& filter, const QString& folder) override;
    QString saveFile(QWidget* parent, const QString& caption, const QString& filter, const QString& proposal) override;
    void showDialog(QDialog& dialog) override;
    void startDetached(const QString& program, const QStringList& arguments) override;
};

// A stored text's CRs become line breaks when it is shown.
QString displayText(const QString& stored);
