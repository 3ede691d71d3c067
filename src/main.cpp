#include "files/tfmexibelog.h"
#include "ui/dialogs.h"
#include "ui/tfmvarnel.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("hxconfig"));

    // The interface is Portuguese: the standard buttons and dialogs read "Sim", "Não", "Abrir".
    QTranslator qtTranslator;
    if (qtTranslator.load(QLocale(QLocale::Portuguese, QLocale::Brazil), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTranslator);

    DesktopDialogs dialogs;
    const QString programDir = QApplication::applicationDirPath() + QLatin1Char('/');

    // The main window is created first, the hidden log viewer second.
    TfmVarnel fmVarnel(programDir, dialogs);
    fmVarnel.FormCreate();
    TfmExibeLog fmExibeLog(dialogs, &fmVarnel);
    // Closing the main window ends the program even while the viewer is open.
    fmExibeLog.setAttribute(Qt::WA_QuitOnClose, false);
    QObject::connect(&fmVarnel, &TfmVarnel::logViewerRequested, &fmExibeLog, &TfmExibeLog::showFile);

    fmVarnel.show();
    return QApplication::exec();
}
