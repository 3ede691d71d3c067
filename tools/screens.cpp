// Renders the main window with each notebook page in front to PNG files, headless, so the layout
// can be looked at without a desktop, and the "Comparar com o Lido" dialog after a few edits.
// Usage: hxscreens <output directory>
#include "files/language.h"
#include "terminalstate.h"
#include "ui/silentdialogs.h"
#include "ui/tfmvarnel.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    // As the program shows them, in the desktop's language (LANG=en_US.UTF-8 for English).
    language::installForEnvironment(app);
    QTextStream err(stderr);
    if (argc != 2) {
        err << "usage: hxscreens <output directory>\n";
        return 2;
    }
    const QString outDir = QString::fromLocal8Bit(argv[1]);
    if (!QDir().mkpath(outDir)) {
        err << "cannot create " << outDir << '\n';
        return 1;
    }

    // A fresh program directory: the first start seeds the settings file there.
    QTemporaryDir settingsDir;
    if (!settingsDir.isValid()) {
        err << "no temporary directory\n";
        return 1;
    }
    SilentDialogs dialogs;
    TfmVarnel window(settingsDir.path() + QLatin1Char('/'), dialogs);
    // A fixed time: the backup line names the backup of the read by it.
    window.setClock([] { return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)); });
    window.FormCreate();
    window.show();
    QApplication::processEvents();

    auto* pages = window.findChild<QTabWidget*>(QStringLiteral("ParConfgs"));
    if (!pages) {
        err << "the window has no notebook\n";
        return 1;
    }
    int failures = 0;
    const auto shoot = [&](const QString& name) {
        QApplication::processEvents();
        const QString file = QDir(outDir).filePath(name + QLatin1String(".png"));
        if (!window.grab().save(file)) {
            err << "cannot write " << file << '\n';
            ++failures;
        }
    };
    for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        shoot(QStringLiteral("%1-%2").arg(i + 1).arg(pages->widget(i)->objectName()));
    }
    // The radio-link boxes of "Gerais" appear only with the 2.4 GHz interface on.
    if (auto* radio = window.findChild<QCheckBox*>(QStringLiteral("cbInterface2G"))) {
        pages->setCurrentWidget(radio->parentWidget());
        radio->setChecked(true);
        shoot(QStringLiteral("%1-TabGerais-RF").arg(pages->count() + 1));
    }
    // And every page again with the simulated terminal's configuration read into the editor.
    QByteArray reply = initialState(QByteArrayLiteral("123456")).image;
    reply[1] = 'F';
    window.setLoadingFlag(true);
    window.ClearEditor();
    window.handleReply(reply);
    for (int i = 0; i < pages->count() - 1; ++i) {
        pages->setCurrentIndex(i);
        shoot(QStringLiteral("%1-%2-lido").arg(pages->count() + 2 + i).arg(pages->widget(i)->objectName()));
    }
    // A few edits, then "Comparar com o Lido…" lists them.
    window.findChild<QLineEdit*>(QStringLiteral("VIpRemoto"))->setText(QStringLiteral("10.0.0.9"));
    window.findChild<QLineEdit*>(QStringLiteral("VPortaRemota"))->setText(QStringLiteral("0024"));
    window.findChild<QRadioButton*>(QStringLiteral("rbSystem"))->click();
    window.findChild<QCheckBox*>(QStringLiteral("cbCom1"))->click();
    const QString compareFile = QDir(outDir).filePath(QStringLiteral("%1-Comparar.png").arg(2 * pages->count() + 1));
    bool compared = false;
    dialogs.onDialog = [&](QDialog& dialog) {
        dialog.show();
        QApplication::processEvents();
        compared = dialog.grab().save(compareFile);
        dialog.hide();
    };
    window.findChild<QAction*>(QStringLiteral("CompararLido1"))->trigger();
    if (!compared) {
        err << "cannot write " << compareFile << '\n';
        ++failures;
    }
    return failures == 0 ? 0 : 1;
}
