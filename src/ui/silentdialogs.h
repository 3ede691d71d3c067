#pragma once

#include "ui/dialogs.h"

#include <functional>

// Dialogs for programs that only look at the window or time it (the screenshot renderer, the
// benchmarks): every box closes at once, every question is answered No, every file dialog is
// cancelled and every dialog of the program's own closes at once (after onDialog, which may look at
// it).
class SilentDialogs final : public Dialogs
{
public:
    void message(QWidget*, const QString&, const QString&, Icon) override {}
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    void error(QWidget*, const QString&) override {}
    QString openFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    QString saveFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    void showDialog(QDialog& dialog) override
    {
        if (onDialog)
            onDialog(dialog);
    }
    void startDetached(const QString&, const QStringList&) override {}

    std::function<void(QDialog&)> onDialog;
};
