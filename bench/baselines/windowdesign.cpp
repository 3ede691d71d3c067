// Start-up baseline: a plain Qt program that builds the main window's widgets from the same .ui
// file and shows them, with stock Qt and nothing of the tool: no looks beyond the .ui, no control
// rules, no settings file, no translations, no behaviour. The limit for this window with stock Qt.
#include "ui_tfmvarnel.h"

#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    Ui::TfmVarnel design;
    design.setupUi(&window);
    window.show();
    return QApplication::exec();
}
