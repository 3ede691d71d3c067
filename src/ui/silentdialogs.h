#pragma once

#include "ui/dialogs.h"

// Dialogs for programs that only look at the window or time it (the screenshot renderer, the
// benchmarks): every box closes at once, every question is answered No, every file dialog is
// cancelled, every dialog of the program's own closes at once and pauses do not wait.
class SilentDialogs final : public Dialogs
{
public:
    void message(QWidget*, const QString&, const QString&, Icon) override {}
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    void error(QWidget*, const QString&) override {}
    QString openFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    void showDialog(QDialog&) override {}
    void startDetached(const QString&, const QStringList&) override {}
    void pause(int) override {}
};
