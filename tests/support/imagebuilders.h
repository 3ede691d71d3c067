#pragma once

#include <QByteArray>
#include <QString>

// Configuration images for the window tests and a readable comparison of two images.

// A terminal image with every field filled, odd flag and code values and non-zero reserved bytes.
QByteArray richImage();

// "byte 15: 1 != 5; ..." for every byte that differs; empty when the two are equal.
QString diff(const QByteArray& actual, const QByteArray& expected);
