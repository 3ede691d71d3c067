#include "filebytes.h"
#include "files/inifile.h"
#include "testprogram.h"

#include "writefailure.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace Qt::StringLiterals;

namespace
{

// The settings file as a technician writes it by hand: comments, CR LF, the company sections with
// Windows-1252 accents, a section the tool does not know, and the address history.
const QByteArray kHandWritten = QByteArrayLiteral("; Configura\xE7\xE3o padr\xE3o da empresa\r\n"
                                                  "[Rede]\r\n"
                                                  "TimeOutRede=1000\r\n"
                                                  "VelocRede = Automatico\r\n"
                                                  "\r\n"
                                                  "[Conexao]\r\n"
                                                  "ConexaoTCP=Sim\r\n"
                                                  "Tipo=Client\r\n"
                                                  "\r\n"
                                                  "[Protocolo]\r\n"
                                                  "ProtEmulado=VT-100\r\n"
                                                  "\r\n"
                                                  "[Gerais]\r\n"
                                                  "Teclado=44 Num\xE9rico\r\n"
                                                  "Acionamento=Sa\xED"
                                                  "da\r\n"
                                                  "\r\n"
                                                  "[Seriais]\r\n"
                                                  "Paridade0=\xCDmpar\r\n"
                                                  "; COM 1 desligada\r\n"
                                                  "Habilitado1=Nao\r\n"
                                                  "\r\n"
                                                  "[Oficina]\r\n"
                                                  "Nota=n\xE3o mexer\r\n"
                                                  "\r\n"
                                                  "[HXConfig]\r\n"
                                                  "listbox=1\r\n"
                                                  "1=192.168.0.100\r\n"
                                                  "\r\n"
                                                  "; fim\r\n");

// The hand-written file as a desktop editor saves it as "Unicode".
const QString kUnicodeText = u"; Configuração padrão\r\n"
                             u"[Gerais]\r\n"
                             u"Teclado = 44 Numérico\r\n"
                             u"\r\n"
                             u"[Seriais]\r\n"
                             u"Paridade0=Ímpar\n"
                             u"[HXConfig]\r\n"
                             u"ListBox=1\r\n"
                             u"1=192.168.0.100\r\n"_s;

QByteArray utf16(const QString& text, bool bigEndian)
{
    QByteArray bytes = bigEndian ? QByteArray("\xFE\xFF") : QByteArray("\xFF\xFE");
    for (QChar c : text) {
        const char high = char(c.unicode() >> 8);
        const char low = char(c.unicode() & 0xFF);
        bytes.append(bigEndian ? high : low).append(bigEndian ? low : high);
    }
    return bytes;
}

} // namespace

class TestIniFile : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void readString_data();
    void readString();
    void readInteger_data();
    void readInteger();
    void valuesAreCutAt2047Characters();
    void openingCreatesNothing();
    void externalEditsAreSeen();
    void readSectionListsKeysOnce();
    void writesPreserveEveryOtherByte();
    void newKeyAndSectionPlacement_data();
    void newKeyAndSectionPlacement();
    void writtenValueStaysOneLine();
    void eraseSection();
    void eraseMissingSectionTouchesNothing();
    void writeFailsUnderARegularFile();
    void writeFailsInReadOnlyDirectory();
    void writeFailsWhenTheDiskIsFull();
    void unusableFilesReadAsEmptyAndStayWhole_data();
    void unusableFilesReadAsEmptyAndStayWhole();
    void fileOfExactlyTheLimitIsRead();
    void directoryAtThePath();
    void garbageTextIsKept();
    void utf16FileReads_data();
    void utf16FileReads();
    void utf16WriteKeepsTheEncoding_data();
    void utf16WriteKeepsTheEncoding();
    void utf16KeepsCharactersOutsideTheCodePage();
    void utf16KeepsUnpairedSurrogates();
    void utf8MarkDoesNotHideTheFirstSection();
    void utf8MarkWithCodePageTextReadsButIsNotWritten();
    void valueIsCutAtNul();

private:
    QString settingsPath() const { return m_dir->filePath(QStringLiteral("ConfDefault.ini")); }
    std::unique_ptr<QTemporaryDir> m_dir;
};

void TestIniFile::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
}

void TestIniFile::readString_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");

    QTest::newRow("letter case of section and key")
        << QByteArray("[HxConfig]\r\nlistBOX=3\r\n") << u"HXCONFIG"_s << u"ListBox"_s << u"3"_s;
    QTest::newRow("Latin-1 letters in names")
        << QByteArray("[Se\xE7\xE3o]\r\n\xCDmpar=1\r\n") << u"SEÇÃO"_s << u"ímpar"_s << u"1"_s;
    QTest::newRow("Windows-1252 value") << kHandWritten << u"Seriais"_s << u"Paridade0"_s << u"Ímpar"_s;
    QTest::newRow("accent inside value") << kHandWritten << u"gerais"_s << u"TECLADO"_s << u"44 Numérico"_s;
    QTest::newRow("blanks around = and value") << kHandWritten << u"Rede"_s << u"VelocRede"_s << u"Automatico"_s;
    QTest::newRow("tabs trimmed") << QByteArray("[A]\r\n\tk\t=\t v w \t\r\n") << u"A"_s << u"k"_s << u"v w"_s;
    QTest::newRow("missing section") << kHandWritten << u"Arquivo"_s << u"Caminho"_s << u"DEF"_s;
    QTest::newRow("missing key") << kHandWritten << u"Rede"_s << u"NumRetries"_s << u"DEF"_s;
    QTest::newRow("key of another section") << kHandWritten << u"Rede"_s << u"Tipo"_s << u"DEF"_s;
    QTest::newRow("empty value") << QByteArray("[A]\r\nk=\r\n") << u"A"_s << u"k"_s << u"DEF"_s;
    QTest::newRow("blank value") << QByteArray("[A]\r\nk=   \r\n") << u"A"_s << u"k"_s << u"DEF"_s;
    QTest::newRow("quotes removed") << QByteArray("[A]\r\nk=\"  x  \"\r\n") << u"A"_s << u"k"_s << u"  x  "_s;
    QTest::newRow("empty quotes") << QByteArray("[A]\r\nk=\"\"\r\n") << u"A"_s << u"k"_s << u"DEF"_s;
    QTest::newRow("lone quote kept") << QByteArray("[A]\r\nk=\"\r\n") << u"A"_s << u"k"_s << u"\""_s;
    QTest::newRow("unmatched quote kept") << QByteArray("[A]\r\nk=\"x\r\n") << u"A"_s << u"k"_s << u"\"x"_s;
    QTest::newRow("first key wins") << QByteArray("[A]\r\nk=1\r\nK=2\r\n") << u"A"_s << u"k"_s << u"1"_s;
    QTest::newRow("first section wins") << QByteArray("[A]\r\nj=1\r\n[a]\r\nk=2\r\n") << u"A"_s << u"k"_s << u"DEF"_s;
    QTest::newRow("comment is no key") << QByteArray("[A]\r\n;k=1\r\n") << u"A"_s << u";k"_s << u"DEF"_s;
    QTest::newRow("LF only") << QByteArray("[A]\nx=1\n[B]\nk=2\n") << u"B"_s << u"k"_s << u"2"_s;
    QTest::newRow("CR only") << QByteArray("[A]\rx=1\r[B]\rk=2") << u"B"_s << u"k"_s << u"2"_s;
    QTest::newRow("key before any section") << QByteArray("k=1\r\n[A]\r\n") << u"A"_s << u"k"_s << u"DEF"_s;
}

void TestIniFile::readString()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, section);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    writeBytes(settingsPath(), file);
    const IniFile ini(settingsPath());
    QVERIFY(ini.exists());
    QCOMPARE(ini.readString(section, key, u"DEF"_s), expected);
}

void TestIniFile::readInteger_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("expected");
    QTest::newRow("decimal") << QByteArray("42") << 42;
    QTest::newRow("blanks") << QByteArray("  42  ") << 42;
    QTest::newRow("negative") << QByteArray("-7") << -7;
    QTest::newRow("empty") << QByteArray("") << -1;
    QTest::newRow("letters") << QByteArray("abc") << -1;
    QTest::newRow("digits then letters") << QByteArray("12abc") << -1;
    QTest::newRow("too large") << QByteArray("99999999999") << -1;
}

void TestIniFile::readInteger()
{
    QFETCH(QByteArray, value);
    QFETCH(int, expected);
    writeBytes(settingsPath(), "[HXConfig]\r\nListBox=" + value + "\r\n");
    const IniFile ini(settingsPath());
    QCOMPARE(ini.readInteger(u"HXConfig"_s, u"ListBox"_s, -1), expected);
    QCOMPARE(ini.readInteger(u"HXConfig"_s, u"Missing"_s, -1), -1);
}

void TestIniFile::valuesAreCutAt2047Characters()
{
    QByteArray longValue;
    for (int i = 0; i < 3000; ++i)
        longValue.append(char('a' + i % 26));
    writeBytes(settingsPath(), "[Arquivo]\r\nCaminho=" + longValue + "\r\n");
    const QString read = IniFile(settingsPath()).readString(u"Arquivo"_s, u"Caminho"_s, {});
    QCOMPARE(read.size(), 2047);
    QCOMPARE(read, QString::fromLatin1(longValue.left(2047)));
}

void TestIniFile::openingCreatesNothing()
{
    IniFile ini(settingsPath());
    QCOMPARE(ini.path(), settingsPath());
    QVERIFY(!ini.exists());
    QCOMPARE(ini.readString(u"Arquivo"_s, u"Caminho"_s, u"C:\\"_s), u"C:\\"_s);
    QCOMPARE(ini.readInteger(u"HXConfig"_s, u"ListBox"_s, 0), 0);
    QVERIFY(!QFile::exists(settingsPath()));

    QVERIFY(ini.writeInteger(u"HXConfig"_s, u"ListBox"_s, -15));
    QVERIFY(ini.exists());
    QCOMPARE(readBytes(settingsPath()), QByteArray("[HXConfig]\r\nListBox=-15\r\n"));
}

void TestIniFile::externalEditsAreSeen()
{
    IniFile ini(settingsPath());
    writeBytes(settingsPath(), "[A]\r\nx=1\r\n");
    QCOMPARE(ini.readString(u"A"_s, u"x"_s, {}), u"1"_s);
    // Same size, rewritten in place within the same instant: only the content tells them apart.
    writeBytes(settingsPath(), "[A]\r\nx=2\r\n");
    QCOMPARE(ini.readString(u"A"_s, u"x"_s, {}), u"2"_s);
    QVERIFY(ini.writeString(u"A"_s, u"y"_s, u"3"_s));
    QCOMPARE(readBytes(settingsPath()), QByteArray("[A]\r\nx=2\r\ny=3\r\n"));
    QVERIFY(QFile::remove(settingsPath()));
    QCOMPARE(ini.readString(u"A"_s, u"x"_s, u"gone"_s), u"gone"_s);
}

void TestIniFile::readSectionListsKeysOnce()
{
    writeBytes(settingsPath(), "[H]\r\n2=b\r\n; c\r\n 1 =a\r\nX=1\r\nx=2\r\n[h]\r\n3=c\r\n");
    QCOMPARE(IniFile(settingsPath()).readSection(u"h"_s), (QStringList{u"2"_s, u"1"_s, u"X"_s}));
    QCOMPARE(IniFile(settingsPath()).readSection(u"none"_s), QStringList());
}

void TestIniFile::writesPreserveEveryOtherByte()
{
    writeBytes(settingsPath(), kHandWritten);
    IniFile ini(settingsPath());
    QVERIFY(ini.writeInteger(u"HXCONFIG"_s, u"ListBox"_s, 2));
    QVERIFY(ini.writeString(u"HXConfig"_s, u"2"_s, u"10.0.0.100"_s));
    QVERIFY(ini.writeString(u"Oficina"_s, u"Autor"_s, u"José"_s));
    QVERIFY(ini.writeString(u"Arquivo"_s, u"Caminho"_s, u"C:\\Logos\\Logotipo.txt"_s));
    QVERIFY(ini.writeString(u"Rede"_s, u"velocrede"_s, u"Automático"_s));

    const QByteArray expected = QByteArrayLiteral("; Configura\xE7\xE3o padr\xE3o da empresa\r\n"
                                                  "[Rede]\r\n"
                                                  "TimeOutRede=1000\r\n"
                                                  "VelocRede = Autom\xE1tico\r\n"
                                                  "\r\n"
                                                  "[Conexao]\r\n"
                                                  "ConexaoTCP=Sim\r\n"
                                                  "Tipo=Client\r\n"
                                                  "\r\n"
                                                  "[Protocolo]\r\n"
                                                  "ProtEmulado=VT-100\r\n"
                                                  "\r\n"
                                                  "[Gerais]\r\n"
                                                  "Teclado=44 Num\xE9rico\r\n"
                                                  "Acionamento=Sa\xED"
                                                  "da\r\n"
                                                  "\r\n"
                                                  "[Seriais]\r\n"
                                                  "Paridade0=\xCDmpar\r\n"
                                                  "; COM 1 desligada\r\n"
                                                  "Habilitado1=Nao\r\n"
                                                  "\r\n"
                                                  "[Oficina]\r\n"
                                                  "Nota=n\xE3o mexer\r\n"
                                                  "Autor=Jos\xE9\r\n"
                                                  "\r\n"
                                                  "[HXConfig]\r\n"
                                                  "listbox=2\r\n"
                                                  "1=192.168.0.100\r\n"
                                                  "2=10.0.0.100\r\n"
                                                  "\r\n"
                                                  "; fim\r\n"
                                                  "[Arquivo]\r\n"
                                                  "Caminho=C:\\Logos\\Logotipo.txt\r\n");
    QCOMPARE(readBytes(settingsPath()), expected);
    QCOMPARE(ini.readString(u"Rede"_s, u"VelocRede"_s, {}), u"Automático"_s);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files), QStringList{u"ConfDefault.ini"_s});
}

void TestIniFile::newKeyAndSectionPlacement_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QByteArray>("after");

    QTest::newRow("new section, file without final line end")
        << QByteArray("[A]\r\nx=1") << u"B"_s << QByteArray("[A]\r\nx=1\r\n[B]\r\nk=v\r\n");
    QTest::newRow("new section after a final CR LF")
        << QByteArray("[A]\r\nx=1\r\n\r\n") << u"B"_s << QByteArray("[A]\r\nx=1\r\n\r\n[B]\r\nk=v\r\n");
    QTest::newRow("new section in an empty file") << QByteArray() << u"B"_s << QByteArray("[B]\r\nk=v\r\n");
    QTest::newRow("last section without final line end")
        << QByteArray("[A]\r\nx=1") << u"A"_s << QByteArray("[A]\r\nx=1\r\nk=v\r\n");
    QTest::newRow("section without keys: right after its header")
        << QByteArray("[A]\r\n; note\r\n\r\n[B]\r\n") << u"a"_s << QByteArray("[A]\r\nk=v\r\n; note\r\n\r\n[B]\r\n");
    QTest::newRow("other line endings kept")
        << QByteArray("[A]\nx=1\r[B]\r\ny=2") << u"A"_s << QByteArray("[A]\nx=1\rk=v\r\n[B]\r\ny=2");
    QTest::newRow("existing key keeps spelling, blanks and ending")
        << QByteArray("[A]\n  K = old  \n[B]\r\n") << u"A"_s << QByteArray("[A]\n  K = v\n[B]\r\n");
    QTest::newRow("only the first of two sections")
        << QByteArray("[A]\r\nx=1\r\n[A]\r\ny=2\r\n") << u"A"_s << QByteArray("[A]\r\nx=1\r\nk=v\r\n[A]\r\ny=2\r\n");
}

void TestIniFile::newKeyAndSectionPlacement()
{
    QFETCH(QByteArray, before);
    QFETCH(QString, section);
    QFETCH(QByteArray, after);
    writeBytes(settingsPath(), before);
    IniFile ini(settingsPath());
    QVERIFY(ini.writeString(section, u"k"_s, u"v"_s));
    QCOMPARE(readBytes(settingsPath()), after);
    QCOMPARE(ini.readString(section, u"K"_s, {}), u"v"_s);
}

void TestIniFile::writtenValueStaysOneLine()
{
    IniFile ini(settingsPath());
    QVERIFY(ini.writeString(u"A"_s, u"k"_s, u"a\r\nb"_s));
    QCOMPARE(readBytes(settingsPath()), QByteArray("[A]\r\nk=a  b\r\n"));
}

void TestIniFile::eraseSection()
{
    writeBytes(settingsPath(), "; top\r\n[HXConfig]\r\nListBox=1\r\n1=10.0.0.100\r\n\r\n[Rede]\r\nTimeOutRede=1000\r\n"
                               "[hxconfig]\r\n; old\r\n2=x\r\n[Arquivo]\r\nCaminho=C:\\\r\n");
    IniFile ini(settingsPath());
    QVERIFY(ini.eraseSection(u"HXCONFIG"_s));
    QCOMPARE(readBytes(settingsPath()),
             QByteArray("; top\r\n[Rede]\r\nTimeOutRede=1000\r\n[Arquivo]\r\nCaminho=C:\\\r\n"));
    QCOMPARE(ini.readInteger(u"HXConfig"_s, u"ListBox"_s, 0), 0);
    QVERIFY(ini.exists());
}

void TestIniFile::eraseMissingSectionTouchesNothing()
{
    IniFile ini(settingsPath());
    QVERIFY(ini.eraseSection(u"HXConfig"_s));
    QVERIFY(!QFile::exists(settingsPath()));
    writeBytes(settingsPath(), kHandWritten);
    QVERIFY(ini.eraseSection(u"Arquivo"_s));
    QCOMPARE(readBytes(settingsPath()), kHandWritten);
}

void TestIniFile::writeFailsUnderARegularFile()
{
    // The settings path's directory is a regular file: creating anything there fails, even as root.
    IniFile ini(writefailure::pathUnderFile(m_dir->path(), u"ConfDefault.ini"_s));
    QVERIFY(!ini.exists());
    QVERIFY(!ini.writeInteger(u"HXConfig"_s, u"ListBox"_s, 1));
    QVERIFY(!ini.writeString(u"HXConfig"_s, u"1"_s, u"10.0.0.100"_s));
    QVERIFY(!ini.exists());
    QCOMPARE(ini.readString(u"HXConfig"_s, u"1"_s, u"DEF"_s), u"DEF"_s);
    QCOMPARE(readBytes(m_dir->filePath(u"blocker"_s)), QByteArray("not a directory"));
}

void TestIniFile::writeFailsInReadOnlyDirectory()
{
    // The directory must be reachable for the unprivileged user the guard switches to.
    QVERIFY(QFile::setPermissions(m_dir->path(), QFile::Permissions(0x7755)));
    const QString sub = m_dir->filePath(u"programa"_s);
    QVERIFY(QDir().mkdir(sub));
    const QString path = sub + u"/ConfDefault.ini"_s;
    writeBytes(path, kHandWritten);
    IniFile ini(path);

    // A settings file that may be written is written in place when the directory refuses the
    // temporary file.
    QVERIFY(QFile::setPermissions(path, QFile::Permissions(0x6666)));
    {
        const writefailure::ReadOnlyDirectory readOnly(sub);
        QVERIFY(readOnly.active());
        QVERIFY(ini.writeString(u"HXConfig"_s, u"2"_s, u"10.0.0.100"_s));
        QCOMPARE(QDir(sub).entryList(QDir::Files | QDir::Hidden), QStringList{u"ConfDefault.ini"_s});
    }
    QCOMPARE(ini.readString(u"HXConfig"_s, u"2"_s, {}), u"10.0.0.100"_s);
    QCOMPARE(ini.readString(u"Rede"_s, u"TimeOutRede"_s, {}), u"1000"_s);

    // A file and a directory that both refuse: the write fails and the file stays as it was.
    const QByteArray before = readBytes(path);
    QVERIFY(QFile::setPermissions(path, QFile::Permissions(0x4444)));
    {
        const writefailure::ReadOnlyDirectory readOnly(sub);
        QVERIFY(readOnly.active());
        QVERIFY(!ini.writeString(u"HXConfig"_s, u"3"_s, u"10.0.0.101"_s));
        QVERIFY(!ini.eraseSection(u"Rede"_s));
        QCOMPARE(QDir(sub).entryList(QDir::Files | QDir::Hidden), QStringList{u"ConfDefault.ini"_s});
    }
    QCOMPARE(readBytes(path), before);
    // The same write goes through once the directory is writable again: the guard was the cause.
    QVERIFY(ini.writeString(u"HXConfig"_s, u"3"_s, u"10.0.0.101"_s));
    QCOMPARE(ini.readString(u"HXConfig"_s, u"3"_s, {}), u"10.0.0.101"_s);
}

void TestIniFile::writeFailsWhenTheDiskIsFull()
{
    writeBytes(settingsPath(), kHandWritten);
    IniFile ini(settingsPath());
    {
        // The new text is longer than the cap: writing the temporary file fails part-way.
        const writefailure::FileSizeLimit full(static_cast<rlim_t>(kHandWritten.size()) + 4);
        QVERIFY(full.active());
        QVERIFY(!ini.writeString(u"Arquivo"_s, u"Caminho"_s, u"C:\\Logos\\Logotipo.txt"_s));
    }
    QCOMPARE(readBytes(settingsPath()), kHandWritten);
    QCOMPARE(QDir(m_dir->path()).entryList(QDir::Files | QDir::Hidden), QStringList{u"ConfDefault.ini"_s});
    QVERIFY(ini.writeString(u"Arquivo"_s, u"Caminho"_s, u"C:\\Logos\\Logotipo.txt"_s));
}

void TestIniFile::unusableFilesReadAsEmptyAndStayWhole_data()
{
    QTest::addColumn<QByteArray>("file");
    QByteArray huge("[A]\r\nx=1\r\n;");
    huge.append(IniFile::kMaxFileSize + 1 - huge.size(), 'p');
    QTest::newRow("over 4 MiB") << huge;
    QTest::newRow("NUL bytes") << QByteArray("[A]\r\nx=1\r\n\0\x01\x02", 13);
    QTest::newRow("UTF-16 without a mark") << QByteArray("[\0A\0]\0\r\0\n\0x\0=\0\x31\0", 16);
    QTest::newRow("UTF-16 of odd length") << QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0x\0=\0\x31\0\r", 19);
    QTest::newRow("UTF-16BE of odd length") << QByteArray("\xFE\xFF\0[\0A\0]\0\r\0\n\0x\0=\0\x31\0", 19);
    QTest::newRow("UTF-16 with a NUL character") << QByteArray("\xFF\xFE[\0A\0]\0\r\0\n\0x\0=\0\x31\0\0\0", 20);
    QTest::newRow("UTF-8 mark and NUL bytes") << QByteArray("\xEF\xBB\xBF[A]\r\nx=1\0", 13);
}

void TestIniFile::unusableFilesReadAsEmptyAndStayWhole()
{
    QFETCH(QByteArray, file);
    writeBytes(settingsPath(), file);
    IniFile ini(settingsPath());
    QVERIFY(ini.exists());
    QCOMPARE(ini.readString(u"A"_s, u"x"_s, u"DEF"_s), u"DEF"_s);
    QCOMPARE(ini.readInteger(u"A"_s, u"x"_s, 7), 7);
    QVERIFY(!ini.writeString(u"A"_s, u"x"_s, u"2"_s));
    QVERIFY(!ini.eraseSection(u"A"_s));
    QVERIFY(readBytes(settingsPath()) == file);
}

void TestIniFile::fileOfExactlyTheLimitIsRead()
{
    QByteArray file("[A]\r\nx=1\r\n;");
    file.append(IniFile::kMaxFileSize - file.size(), 'p');
    writeBytes(settingsPath(), file);
    QCOMPARE(IniFile(settingsPath()).readString(u"A"_s, u"x"_s, {}), u"1"_s);
}

void TestIniFile::directoryAtThePath()
{
    QVERIFY(QDir().mkdir(settingsPath()));
    IniFile ini(settingsPath());
    QVERIFY(!ini.exists());
    QCOMPARE(ini.readString(u"A"_s, u"x"_s, u"DEF"_s), u"DEF"_s);
    QVERIFY(!ini.writeString(u"A"_s, u"x"_s, u"1"_s));
    QVERIFY(QFileInfo(settingsPath()).isDir());
}

void TestIniFile::garbageTextIsKept()
{
    QByteArray garbage("]]=[[\x1A\xFF==\r\r\n[");
    for (int byte = 1; byte < 256; ++byte)
        garbage.append(char(byte));
    IniFile ini(settingsPath());
    writeBytes(settingsPath(), garbage);
    QCOMPARE(ini.readString(u"A"_s, u"x"_s, u"DEF"_s), u"DEF"_s);
    QVERIFY(ini.writeString(u"A"_s, u"x"_s, u"1"_s));
    QCOMPARE(readBytes(settingsPath()), garbage + "\r\n[A]\r\nx=1\r\n");
    QCOMPARE(ini.readString(u"a"_s, u"X"_s, {}), u"1"_s);
}

void TestIniFile::utf16FileReads_data()
{
    QTest::addColumn<bool>("bigEndian");
    QTest::newRow("little-endian") << false;
    QTest::newRow("big-endian") << true;
}

void TestIniFile::utf16FileReads()
{
    QFETCH(bool, bigEndian);
    writeBytes(settingsPath(), utf16(kUnicodeText, bigEndian));
    const IniFile ini(settingsPath());
    QCOMPARE(ini.readString(u"gerais"_s, u"TECLADO"_s, {}), u"44 Numérico"_s);
    QCOMPARE(ini.readString(u"Seriais"_s, u"Paridade0"_s, {}), u"Ímpar"_s);
    QCOMPARE(ini.readInteger(u"HXConfig"_s, u"listbox"_s, 0), 1);
    QCOMPARE(ini.readSection(u"HXConfig"_s), QStringList({u"ListBox"_s, u"1"_s}));
}

void TestIniFile::utf16WriteKeepsTheEncoding_data()
{
    utf16FileReads_data();
}

void TestIniFile::utf16WriteKeepsTheEncoding()
{
    QFETCH(bool, bigEndian);
    writeBytes(settingsPath(), utf16(kUnicodeText, bigEndian));
    IniFile ini(settingsPath());
    QVERIFY(ini.writeString(u"hxconfig"_s, u"1"_s, u"10.0.0.1"_s));
    QVERIFY(ini.writeString(u"HXConfig"_s, u"2"_s, u"192.168.0.100"_s));
    QVERIFY(ini.writeString(u"Arquivo"_s, u"Caminho"_s, u"C:\\Logos\\Médio.txt"_s));
    QString expected = kUnicodeText;
    expected.replace(u"1=192.168.0.100\r\n"_s,
                     u"1=10.0.0.1\r\n2=192.168.0.100\r\n[Arquivo]\r\nCaminho=C:\\Logos\\Médio.txt\r\n"_s);
    QCOMPARE(readBytes(settingsPath()), utf16(expected, bigEndian));
    QCOMPARE(IniFile(settingsPath()).readString(u"Arquivo"_s, u"Caminho"_s, {}), u"C:\\Logos\\Médio.txt"_s);

    QVERIFY(ini.eraseSection(u"Seriais"_s));
    expected.remove(u"[Seriais]\r\nParidade0=Ímpar\n"_s);
    QCOMPARE(readBytes(settingsPath()), utf16(expected, bigEndian));
}

void TestIniFile::utf16KeepsCharactersOutsideTheCodePage()
{
    const QString text = u"[Oficina]\r\nNome=日本 filial\r\n[Arquivo]\r\nCaminho=C:\\\r\n"_s;
    writeBytes(settingsPath(), utf16(text, false));
    IniFile ini(settingsPath());
    QCOMPARE(ini.readString(u"Oficina"_s, u"Nome"_s, {}), u"日本 filial"_s);
    QVERIFY(ini.writeString(u"Arquivo"_s, u"Caminho"_s, u"D:\\東京\\logo.txt"_s));
    QCOMPARE(readBytes(settingsPath()),
             utf16(u"[Oficina]\r\nNome=日本 filial\r\n[Arquivo]\r\nCaminho=D:\\東京\\logo.txt\r\n"_s, false));
    QCOMPARE(IniFile(settingsPath()).readString(u"Arquivo"_s, u"Caminho"_s, {}), u"D:\\東京\\logo.txt"_s);
}

void TestIniFile::utf16KeepsUnpairedSurrogates()
{
    // An editor may leave half a surrogate pair; it is not ours to repair.
    const QByteArray file = QByteArray("\xFF\xFE;\0\x00\xD8\r\0\n\0\x00\xDE;\0\r\0\n\0", 18);
    writeBytes(settingsPath(), file);
    IniFile ini(settingsPath());
    QVERIFY(ini.writeString(u"A"_s, u"x"_s, u"1"_s));
    QCOMPARE(readBytes(settingsPath()), file + utf16(u"[A]\r\nx=1\r\n"_s, false).mid(2));
}

void TestIniFile::utf8MarkDoesNotHideTheFirstSection()
{
    const QByteArray file = "\xEF\xBB\xBF[Rede]\r\nTimeOutRede=1000\r\nNota=Num\xC3\xA9rico \xE6\x97\xA5\r\n";
    writeBytes(settingsPath(), file);
    IniFile ini(settingsPath());
    QCOMPARE(ini.readSection(u"Rede"_s), QStringList({u"TimeOutRede"_s, u"Nota"_s}));
    QCOMPARE(ini.readInteger(u"rede"_s, u"timeoutrede"_s, 0), 1000);
    QCOMPARE(ini.readString(u"Rede"_s, u"Nota"_s, {}), u"Numérico 日"_s);
    QVERIFY(ini.writeString(u"Arquivo"_s, u"Caminho"_s, u"C:\\Média"_s));
    QCOMPARE(readBytes(settingsPath()), file + "[Arquivo]\r\nCaminho=C:\\M\xC3\xA9"
                                               "dia\r\n");
}

void TestIniFile::utf8MarkWithCodePageTextReadsButIsNotWritten()
{
    // The mark is there but the text is not UTF-8: the rest reads as Windows-1252 and no byte changes.
    const QByteArray file = "\xEF\xBB\xBF[Gerais]\r\nTeclado=44 Num\xE9rico\r\n";
    writeBytes(settingsPath(), file);
    IniFile ini(settingsPath());
    QCOMPARE(ini.readString(u"Gerais"_s, u"Teclado"_s, {}), u"44 Numérico"_s);
    QVERIFY(!ini.writeString(u"Gerais"_s, u"Nota"_s, u"1"_s));
    QVERIFY(!ini.eraseSection(u"Gerais"_s));
    QCOMPARE(readBytes(settingsPath()), file);
}

void TestIniFile::valueIsCutAtNul()
{
    IniFile ini(settingsPath());
    QVERIFY(ini.writeString(u"A"_s, u"x"_s,
                            u"12\u0000"
                            "34"_s));
    QCOMPARE(readBytes(settingsPath()), QByteArray("[A]\r\nx=12\r\n"));
    QCOMPARE(ini.readString(u"A"_s, u"x"_s, {}), u"12"_s);
}

HX_TEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
