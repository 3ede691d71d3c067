// Start-up baseline: a plain Qt program that builds the main window's widgets from the same .ui
// file, with the same content, and shows them. The content is what the window shows at start-up
// that the .ui does not hold: the item texts of the choice boxes, taken from the field table as the
// window takes them, with no item selected, and the first page of the notebook in front. Nothing
// else of the tool: no looks beyond the .ui, no control rules, no settings file, no translations,
// no behaviour. The limit for this window with stock Qt.
#include "image/layout.h"
#include "image/readable.h"
#include "ui_tfmvarnel.h"

#include <QApplication>
#include <QComboBox>
#include <QMainWindow>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    Ui::TfmVarnel design;
    design.setupUi(&window);
    for (const image::Field& field : image::layout()) {
        if (field.kind != image::Kind::Choice && field.kind != image::Kind::NumberByte)
            continue;
        if (auto* box = window.findChild<QComboBox*>(QString::fromLatin1(field.control))) {
            box->addItems(image::itemTexts(field));
            box->setCurrentIndex(-1);
        }
    }
    design.ParConfgs->setCurrentIndex(0);
    window.show();
    return QApplication::exec();
}
