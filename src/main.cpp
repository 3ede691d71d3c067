#include "files/language.h"
#include "ui/tfmexibelog.h"
#include "files/tooldirectory.h"
#include "link/localaddresses.h"
#include "ui/dialogs.h"
#include "ui/tfmvarnel.h"

#include <QApplication>

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hxconfig"));
    // Lets the desktop shell find the desktop entry and its icon for the window.
    QApplication::setDesktopFileName(QStringLiteral(HX_APP_ID));

    // The desktop's language, Qt's own standard buttons and dialogs included.
    language::installForEnvironment(app);

    DesktopDialogs dialogs;
    // Beside the program when it runs portable, in the user's own folder when it is installed.
    const tooldir::ToolDirectory folder =
        tooldir::prepare(tooldir::fromSystem(QApplication::applicationDirPath()), [] { return GetLocalAddresses(); });

    TfmVarnel fmVarnel(folder.path, dialogs);
    fmVarnel.FormCreate();
    // The log viewer is hidden until "Visualizar Log" shows it, and nothing else uses it: it is
    // built then, so that start-up does not pay for it. The program never changes its current
    // directory, so the viewer's creation finds the same one as at start-up.
    std::unique_ptr<TfmExibeLog> fmExibeLog;
    QObject::connect(&fmVarnel, &TfmVarnel::logViewerRequested, &fmVarnel, [&](const QString& path) {
        if (!fmExibeLog) {
            fmExibeLog = std::make_unique<TfmExibeLog>(dialogs, &fmVarnel);
            // Closing the main window ends the program even while the viewer is open.
            fmExibeLog->setAttribute(Qt::WA_QuitOnClose, false);
        }
        fmExibeLog->showFile(path);
    });

    fmVarnel.show();
    return QApplication::exec();
}
