#pragma once

#include <QByteArray>
#include <QString>

class QComboBox;
class QWidget;
class WindowFixture;

// Input to the editor the way the events bring it.

// The read reply taken in as a "Ler" would: the editor emptied under the loading flag first.
void feedRead(WindowFixture& f, const QByteArray& reply);

// Types any text, one key press per character, as a keyboard with those keys would.
void typeText(QWidget* widget, const QString& text);

// The user's pick of an item from the list.
void pick(QComboBox* box, int index);
