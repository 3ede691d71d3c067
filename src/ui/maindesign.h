#pragma once

class QMainWindow;

// Builds the main window's designed controls and applies the control rules on a plain main window,
// without any of the window's behaviour: the layout tests and the screenshot renderer look at it.
void buildMainWindowDesign(QMainWindow* window);
