#include "files/logofile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace
{

LogoData filled(std::uint8_t value)
{
    LogoData logo;
    logo.fill(value);
    return logo;
}

QByteArray repeatedLines(const QByteArray& line, int count)
{
    QByteArray out;
    for (int i = 0; i < count; ++i)
        out += line + "\r\n";
    return out;
}

} // namespace

class TestLogoFile : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QByteArray& bytes)
    {
        const QString path = m_dir.filePath(QStringLiteral("logo.txt"));
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(bytes) != bytes.size())
            qFatal("cannot write the logo file");
        return path;
    }

private slots:
    void fortyGoodLines()
    {
        LogoData logo = filled(0xEE);
        QVERIFY(readLogoFile(write(repeatedLines("00,11,22,33,44,55,", 40)), logo));
        for (std::size_t k = 0; k < logo.size(); ++k)
            QCOMPARE(logo[k], static_cast<std::uint8_t>((k % 6) * 0x11));
    }

    void bytesInFileOrderAndLowerCase()
    {
        QByteArray text;
        for (int line = 0; line < 40; ++line) {
            for (int g = 0; g < 6; ++g)
                text += QByteArray::number(line * 6 + g, 16).rightJustified(2, '0') + ' ';
            text += "trailing text is ignored\r\n";
        }
        text += "line 41 is not read\r\n";
        LogoData logo = filled(0);
        QVERIFY(readLogoFile(write(text), logo));
        for (std::size_t k = 0; k < logo.size(); ++k)
            QCOMPARE(logo[k], static_cast<std::uint8_t>(k));

        LogoData upper = filled(0);
        LogoData lower = filled(0);
        QVERIFY(readLogoFile(write(repeatedLines("FF;Ab;c0;9f;E1;0d;", 40)), upper));
        QVERIFY(readLogoFile(write(repeatedLines("ff;aB;C0;9F;e1;0D;", 40)), lower));
        QCOMPARE(upper, lower);
        QCOMPARE(upper[0], std::uint8_t{0xFF});
        QCOMPARE(upper[1], std::uint8_t{0xAB});
    }

    void lastSeparatorMayBeMissing()
    {
        LogoData logo = filled(0);
        QVERIFY(readLogoFile(write(repeatedLines("01 02 03 04 05 06", 40)), logo)); // 17 characters
        QCOMPARE(logo[239], std::uint8_t{6});
        QVERIFY(readLogoFile(write(repeatedLines("0a,0b,0c,0d,0e,0f", 39) + "0a 0b 0c 0d 0e 0f"), logo)); // no line end
        QCOMPARE(logo[239], std::uint8_t{0x0f});
    }

    void shortLineFails()
    {
        LogoData logo = filled(0x77);
        QByteArray text = repeatedLines("10,20,30,40,50,60,", 2) + "AA,BB,CC,DD,EE\r\n" + // 14 characters
                          repeatedLines("10,20,30,40,50,60,", 37);
        QVERIFY(!readLogoFile(write(text), logo));
        QCOMPARE(logo[12], std::uint8_t{0xAA});
        QCOMPARE(logo[16], std::uint8_t{0xEE});
        QCOMPARE(logo[17], std::uint8_t{0x77}); // the sixth group was never read
        QCOMPARE(logo[18], std::uint8_t{0x77});

        logo = filled(0x77);
        QVERIFY(!readLogoFile(write(repeatedLines("01,02,03,04,05", 40)), logo)); // 15 characters
        QCOMPARE(logo[4], std::uint8_t{0x05});
        QCOMPARE(logo[5], std::uint8_t{0x77});
        QVERIFY(!readLogoFile(write(repeatedLines("01,02,03,04,05,0", 40)), logo)); // half a group
    }

    void thirtyNineLinesStore234Bytes()
    {
        LogoData logo = filled(0x5A);
        QVERIFY(!readLogoFile(write(repeatedLines("00,11,22,33,44,55,", 39)), logo));
        for (std::size_t k = 0; k < 234; ++k)
            QCOMPARE(logo[k], static_cast<std::uint8_t>((k % 6) * 0x11));
        for (std::size_t k = 234; k < 240; ++k)
            QCOMPARE(logo[k], std::uint8_t{0x5A});
    }

    void nonHexStopsAtTheGroup()
    {
        LogoData logo = filled(0x33);
        QVERIFY(!readLogoFile(write("01,02,0G,04,05,06,\r\n" + repeatedLines("00,00,00,00,00,00,", 39)), logo));
        QCOMPARE(logo[0], std::uint8_t{1});
        QCOMPARE(logo[1], std::uint8_t{2});
        QCOMPARE(logo[2], std::uint8_t{0x33});
        // A blank or a sign is no digit either.
        QVERIFY(!readLogoFile(write(repeatedLines(" 1,02,03,04,05,06,", 40)), logo));
        QVERIFY(!readLogoFile(write(repeatedLines("+1,02,03,04,05,06,", 40)), logo));
    }

    void emptyMissingAndGarbage()
    {
        LogoData logo = filled(0x42);
        QVERIFY(!readLogoFile(write(QByteArray()), logo));
        QVERIFY(!readLogoFile(m_dir.filePath(QStringLiteral("absent.txt")), logo));
        QVERIFY(!readLogoFile(m_dir.path(), logo)); // a directory cannot be read
        QCOMPARE(logo, filled(0x42));

        QByteArray garbage;
        for (int i = 0; i < 5000; ++i)
            garbage += static_cast<char>((i * 151 + 7) % 256);
        QVERIFY(!readLogoFile(write(garbage), logo));
    }

    void hugeFileIsReadOnlyAsFarAsNeeded()
    {
        // Forty long lines followed by megabytes on a single line: the bytes come from the starts.
        QByteArray text;
        for (int i = 0; i < 40; ++i)
            text += "AB CD EF 01 23 45 " + QByteArray(100000, 'x') + "\r\n";
        text += QByteArray(8 * 1024 * 1024, 'y');
        LogoData logo = filled(0);
        QVERIFY(readLogoFile(write(text), logo));
        QCOMPARE(logo[234], std::uint8_t{0xAB});
        QCOMPARE(logo[239], std::uint8_t{0x45});

        LogoData once = filled(0x11);
        QVERIFY(!readLogoFile(write(QByteArray(16 * 1024 * 1024, '0')), once)); // one huge line, then no more
        QCOMPARE(once[0], std::uint8_t{0});
    }

    void loneCrEndsALine()
    {
        QByteArray text;
        for (int line = 0; line < 40; ++line) {
            for (int g = 0; g < 6; ++g)
                text += QByteArray::number(line * 6 + g, 16).rightJustified(2, '0') + ',';
            text += "\r\n";
        }
        LogoData crLf = filled(0);
        QVERIFY(readLogoFile(write(text), crLf));
        QCOMPARE(crLf[239], std::uint8_t{239});

        LogoData crOnly = filled(0x11);
        QVERIFY(readLogoFile(write(QByteArray(text).replace("\r\n", "\r")), crOnly));
        QCOMPARE(crOnly, crLf);

        // CR, LF and CR LF taking turns; CR LF still ends one line, not two.
        const QList<QByteArray> lines = text.split('\n');
        const QByteArray endings[] = {"\r", "\n", "\r\n"};
        QByteArray mixed;
        for (int line = 0; line < 40; ++line)
            mixed += lines.at(line).chopped(1) + endings[line % 3];
        LogoData fromMixed = filled(0x22);
        QVERIFY(readLogoFile(write(mixed), fromMixed));
        QCOMPARE(fromMixed, crLf);
    }

    void lfCrEndsTwoLines()
    {
        // LF then CR is two line ends: the empty line between them is too short.
        LogoData logo = filled(0x33);
        QVERIFY(!readLogoFile(write(repeatedLines("01 02 03 04 05 06", 40).replace("\r\n", "\n\r")), logo));
        QCOMPARE(logo[5], std::uint8_t{0x06});
        QCOMPARE(logo[6], std::uint8_t{0x33});
    }

    void longCrOnlyLinesKeepTheirStarts()
    {
        // The part of a line past the kept length is skipped up to a lone CR, not past it.
        QByteArray text;
        for (int i = 0; i < 40; ++i)
            text +=
                "AB CD EF 01 23 " + QByteArray::number(i % 10).rightJustified(2, '0') + QByteArray(5000, 'x') + '\r';
        LogoData logo = filled(0);
        QVERIFY(readLogoFile(write(text), logo));
        QCOMPARE(logo[6], std::uint8_t{0xAB});
        QCOMPARE(logo[11], std::uint8_t{0x01});
        QCOMPARE(logo[239], std::uint8_t{0x09});
    }

    void problemsNameTheLine_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("problem");
        const QByteArray good = repeatedLines("00,11,22,33,44,55,", 2);
        QTest::newRow("ends early") << repeatedLines("00,11,22,33,44,55,", 39)
                                    << QStringLiteral(
                                           "linha 40: o arquivo acaba na linha 39; são necessárias 40 linhas");
        QTest::newRow("empty") << QByteArray()
                               << QStringLiteral("linha 1: o arquivo acaba na linha 0; são necessárias 40 linhas");
        QTest::newRow("five pairs") << good + repeatedLines("01,02,03,04,05", 38)
                                    << QStringLiteral("linha 3: tem 5 pares, não 6");
        QTest::newRow("not hexadecimal") << good + "01,02,0G,04,05,06,\r\n" + repeatedLines("00,00,00,00,00,00,", 37)
                                         << QStringLiteral("linha 3: \"0G\" não é um par hexadecimal (coluna 7)");
    }

    void problemsNameTheLine()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, problem);
        LogoData logo = filled(0);
        const image::Outcome<void> read = readLogoFile(write(text), logo);
        QVERIFY(!read);
        QCOMPARE(read.failure().text, problem);
        // The line the text names is the failure's line.
        QCOMPARE(QStringLiteral("linha %1: ").arg(read.failure().line), problem.left(problem.indexOf(u':') + 2));
        const image::Outcome<void> absent = readLogoFile(m_dir.filePath(QStringLiteral("absent.txt")), logo);
        QVERIFY(!absent);
        QCOMPARE(absent.failure(), (image::Failure{QStringLiteral("não foi possível abrir o arquivo"), 0}));
    }

    void frameLayout()
    {
        QByteArray working(260, '\0');
        working[0] = char(0x82);
        working[1] = 'G';
        for (int i = 2; i < 260; ++i)
            working[i] = static_cast<char>(i);
        LogoData logo;
        for (std::size_t k = 0; k < logo.size(); ++k)
            logo[k] = static_cast<std::uint8_t>(255 - k);
        const QByteArray frame = buildLogoFrame(working, logo);
        QCOMPARE(frame.size(), 260);
        QCOMPARE(static_cast<unsigned char>(frame[0]), 0x82u);
        QCOMPARE(frame[1], 'V');
        for (int k = 0; k < 240; ++k)
            QCOMPARE(static_cast<unsigned char>(frame[k + 2]), static_cast<unsigned char>(255 - k));
        QCOMPARE(frame.mid(242), working.mid(242));
        QCOMPARE(buildLogoFrame(working, logo), frame); // the same frame every time
    }
};

QTEST_GUILESS_MAIN(TestLogoFile)
#include "test_logofile.moc"
