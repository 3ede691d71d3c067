#pragma once

class QWidget;

// The main window's fonts and colours, set on the widgets themselves: bold "Arial" of 13 pixels
// for every control, navy for the top strip and the command row (the command buttons 12 pixels,
// "Sair" red), bold italic navy tab captions of 15 pixels, the status strip on the highlight
// colour with white 19-pixel texts, and '*' as the echo of the two password boxes. Disabled
// controls keep these text colours. Applied once after the window design is built.
void applyWindowLook(QWidget* window);
