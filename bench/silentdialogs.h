#pragma once

#include "ui/dialogs.h"

// Dialogs for the benchmarks: every box closes at once, every question is answered No, every file
// dialog is cancelled and pauses do not wait, so only the tool's own work is timed.
class SilentDialogs final : public Dialogs
{
public:
    void message(QWidget*, const QString&, const QString&, Icon) override {}
    bool question(QWidget*, const QString&, const QString&) override { return false; }
    void error(QWidget*, const QString&) override {}
    QString openFile(QWidget*, const QString&, const QString&, const QString&) override { return {}; }
    void startDetached(const QString&, const QStringList&) override {}
    void pause(int) override {}
};
