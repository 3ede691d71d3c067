#pragma once

#include <QIcon>
#include <QStyle>

// A standard picture of a style as an icon whose images are read when the icon is first drawn,
// measured or asked whether it is null. QStyle::standardIcon decodes every size of a picture at
// once (three PNG images for a folder, 128 pixels the largest); the main window's menu pictures
// are seen only once the menu opens. Drawn, the icon is the style's own, pixel for pixel.
QIcon deferredStandardIcon(const QStyle* style, QStyle::StandardPixmap picture);
