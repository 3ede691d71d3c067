#include "ui/maindesign.h"

#include "ui/controlrules.h"
#include "ui_tfmvarnel.h"

#include <QMainWindow>

void buildMainWindowDesign(QMainWindow* window)
{
    // The widgets belong to the window; the Ui object only holds pointers to them.
    Ui::TfmVarnel design;
    design.setupUi(window);
    prepareMainWindowControls(window);
}
