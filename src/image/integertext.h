#pragma once

#include <QString>

#include <optional>

// Numbers typed or stored as text: a decimal integer with optional blanks around it and an
// optional sign, and the message shown when a text is not one.
std::optional<int> decimalInteger(const QString& text);
QString invalidIntegerText(const QString& text);
// A number given on a command line, as QString::toInt reads it, when it lies within low..high.
std::optional<int> integerWithin(const QString& text, int low, int high);
