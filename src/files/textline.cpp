#include "files/textline.h"

#include <QIODevice>

bool readTextLine(QIODevice& device, QByteArray& line, qsizetype keep)
{
    line.clear();
    char c = 0;
    if (!device.getChar(&c))
        return false;
    while (c != '\n' && c != '\r') {
        if (line.size() < keep)
            line.append(c);
        if (!device.getChar(&c))
            return true; // the last line needs no line end
    }
    if (c == '\r') {
        char next = 0;
        if (device.peek(&next, 1) == 1 && next == '\n')
            device.skip(1);
    }
    return true;
}
