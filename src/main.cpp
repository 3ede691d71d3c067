#include "files/tfmexibelog.h"
#include "files/tooldirectory.h"
#include "ui/dialogs.h"
#include "ui/tfmvarnel.h"
#include "ui/translations.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hxconfig"));
    // Lets the desktop shell find the desktop entry and its icon for the window.
    QApplication::setDesktopFileName(QStringLiteral(HX_APP_ID));

    // The interface is Portuguese, Qt's own standard buttons and dialogs included.
    installPortugueseTranslations(app);

    DesktopDialogs dialogs;
    // Beside the program when it runs portable, in the user's own folder when it is installed.
    const tooldir::ToolDirectory folder = tooldir::prepareForProgram(QApplication::applicationDirPath());

    // The main window is created first, the hidden log viewer second.
    TfmVarnel fmVarnel(folder.path, dialogs);
    fmVarnel.FormCreate();
    TfmExibeLog fmExibeLog(dialogs, &fmVarnel);
    // Closing the main window ends the program even while the viewer is open.
    fmExibeLog.setAttribute(Qt::WA_QuitOnClose, false);
    QObject::connect(&fmVarnel, &TfmVarnel::logViewerRequested, &fmExibeLog, &TfmExibeLog::showFile);

    fmVarnel.show();
    return QApplication::exec();
}
