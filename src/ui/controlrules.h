#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class QLineEdit;
class QWidget;

// How the main window's controls behave beyond what the window design can say: typing limits,
// Tab order exceptions, the fixed frame and the tool-tips.

// Limits what the user can type into the box to maxLength characters. An edit is refused only when
// it makes the text longer than the limit and longer than it was, so a longer text set by the
// program is kept whole and can still be shortened. With lowerCase, typed letters become lower case.
// The rule is owned by the box.
void limitTyping(QLineEdit* box, int maxLength, bool lowerCase = false);

// Moves the keyboard focus into the box as Tab does: with its whole text selected, so that what the
// user types next replaces it. For the program's own focus moves (the password box after a connect).
void focusEditBox(QLineEdit* box);

// Gives every choice box of the editor the item texts of its field in the image layout.
void fillChoiceLists(QWidget* window);

// Applied once after the window design is built: the release in the title, fonts and colours
// (windowlook.h), the choice lists, typing limits, the controls that Tab skips, Enter on a focused
// command button, the menu pictures, and a fixed, centred frame without a maximize button whose
// client area below the menu bar is 638 x 449.
void prepareMainWindowControls(QWidget* window);

// One tool-tip text and the controls that show it.
struct ToolTipEntry {
    QStringList objectNames;
    QString text; // as stored: "\n\r" and a lone "\r" are line breaks
};

// The 49 tool-tip texts in the order in which they are assigned. The text of BtDefault ends with
// the full path of the settings file.
QList<ToolTipEntry> toolTipList(const QString& settingsFilePath);

// The same texts, one (objectName, stored text) pair per control, in assignment order.
QList<QPair<QString, QString>> toolTipTexts(const QString& settingsFilePath);

// Gives every listed control its tool-tip (line breaks made displayable) and a display time of
// 8000 ms. Disabled controls show their tips too.
void assignToolTips(QWidget* window, const QString& settingsFilePath);
