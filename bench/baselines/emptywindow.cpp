// Start-up baseline: a bare Qt Widgets program that shows one empty window of the main window's
// client size, 638 x 449. What any widget program costs before it shows anything of its own.
#include <QApplication>
#include <QWidget>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(638, 449);
    window.show();
    return QApplication::exec();
}
