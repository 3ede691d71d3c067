#include "imagebuilders.h"

#include <QStringList>

#include <algorithm>

QByteArray richImage()
{
    QByteArray img(260, '\0');
    const auto put = [&img](int first, const QByteArray& bytes) {
        for (int i = 0; i < bytes.size(); ++i)
            img[first + i] = bytes[i];
    };
    img[0] = '\x82';
    img[1] = 'F';
    put(2, QByteArray("\x09\x01\x00\x01\x02", 5)); // baud 9 is beyond the list
    put(7, QByteArray("\x03\x02\x01\x00\x01", 5));
    img[12] = 1;
    img[13] = 2;
    img[15] = 5; // any non-zero flag is on
    img[16] = 7;
    img[17] = 42;
    img[18] = 1;
    img[19] = 2;
    put(20, "192.168.0.50");
    put(36, "1001");
    put(41, "192.168.0.10");
    put(57, "00023");
    img[62] = 1;
    img[63] = 0;
    img[64] = 1;
    img[65] = 1;
    put(66, "192.168.0.1");
    put(82, "255.255.255.0");
    put(98, "1000");
    put(102, "03");
    img[104] = 2;
    img[105] = 1;
    img[107] = 5; // unknown protocol: shown as TelNet
    put(108, "10");
    img[110] = 1;
    img[111] = 3;
    put(114, "0050C2A1B2C3");
    img[130] = '\x80';
    img[131] = 1;
    img[133] = 1;
    put(134, "010");
    img[137] = 'X'; // not shown, carried back
    put(138, "020");
    img[142] = 1;
    img[143] = 0;
    put(178, "vt100");
    put(194, "operador");
    put(210, "segredo");
    put(226, "12345678000190");
    for (int i : {14, 106, 112, 113, 126, 127, 128, 129, 132, 177})
        img[i] = char(0x80 + i % 64);
    for (int i = 144; i < 170; ++i)
        img[i] = char(i);
    for (int i = 242; i < 260; ++i)
        img[i] = char(0x83 - (i % 3));
    return img;
}

QString diff(const QByteArray& actual, const QByteArray& expected)
{
    QStringList out;
    for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const int a = i < actual.size() ? quint8(actual[i]) : -1;
        const int e = i < expected.size() ? quint8(expected[i]) : -1;
        if (a != e)
            out.append(QStringLiteral("byte %1: %2 != %3").arg(i).arg(a).arg(e));
    }
    return out.join(QStringLiteral("; "));
}
