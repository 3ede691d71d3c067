// The settings file: every read the tool makes on an arbitrary file, then a write of the address
// history and the logo path, and a reread that must find what was written and nothing else
// changed.
#include "fuzzinput.h"

#include "files/inifile.h"
#include "files/initext.h"
#include "image/cp1252.h"

#include <QStringList>

#include <algorithm>

using fuzzinput::check;

namespace
{

const QStringList kSections = {QStringLiteral("HXConfig"), QStringLiteral("Arquivo"),   QStringLiteral("Rede"),
                               QStringLiteral("Conexao"),  QStringLiteral("Protocolo"), QStringLiteral("Gerais"),
                               QStringLiteral("Seriais")};

struct Snapshot {
    QList<QStringList> keys;
    QStringList values;
};

Snapshot readAll(const IniFile& ini)
{
    Snapshot s;
    for (const QString& section : kSections) {
        const QStringList keys = ini.readSection(section);
        s.keys.append(keys);
        for (const QString& key : keys) {
            const QString value = ini.readString(section, key, QStringLiteral("<none>"));
            check(value.size() <= IniFile::kMaxValueLength, "values are cut to 2047 characters");
            s.values.append(value);
            ini.readInteger(section, key, -1);
        }
    }
    return s;
}

// Whether the tool may rewrite the file: text without NUL bytes, or UTF-16 after its mark (an even
// length and no NUL character), or valid UTF-8 after a UTF-8 mark.
bool writable(const QByteArray& content)
{
    if (content.startsWith("\xFF\xFE") || content.startsWith("\xFE\xFF")) {
        if (content.size() % 2 != 0)
            return false;
        for (qsizetype i = 2; i < content.size(); i += 2) {
            if (content.at(i) == '\0' && content.at(i + 1) == '\0')
                return false;
        }
        return true;
    }
    if (content.contains('\0'))
        return false;
    if (content.startsWith("\xEF\xBB\xBF")) {
        const QByteArray rest = content.mid(3);
        return QString::fromUtf8(rest).toUtf8() == rest;
    }
    return true;
}

bool isUtf16(const QByteArray& content)
{
    return content.startsWith("\xFF\xFE") || content.startsWith("\xFE\xFF");
}

// A value with everything the file's form can carry: for a UTF-16 file its own code units (outside
// the code page, unpaired surrogates, NUL), otherwise its bytes as Windows-1252.
QString awkwardValue(const QByteArray& content)
{
    if (!isUtf16(content))
        return cp1252::decode(content.left(40));
    QString value;
    const bool bigEndian = content.startsWith("\xFE\xFF");
    for (qsizetype i = 2; i + 1 < content.size() && value.size() < 40; i += 2) {
        const auto a = static_cast<unsigned char>(content.at(i));
        const auto b = static_cast<unsigned char>(content.at(i + 1));
        value.append(QChar(bigEndian ? char16_t(a << 8 | b) : char16_t(b << 8 | a)));
    }
    return value;
}

// What a read returns for a written value: cut at a NUL, line breaks became blanks, surrounding blanks and one
// pair of enclosing quotes are taken off, and an empty value gives the default.
QString expectedReadBack(QString value, const QString& defaultValue)
{
    if (value.contains(QChar(u'\0')))
        value.truncate(value.indexOf(QChar(u'\0')));
    value.replace(u'\r', u' ').replace(u'\n', u' ');
    const auto blank = [](QChar c) { return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f'; };
    while (!value.isEmpty() && blank(value.front()))
        value.remove(0, 1);
    while (!value.isEmpty() && blank(value.back()))
        value.chop(1);
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        value = value.mid(1, value.size() - 2);
    return value.isEmpty() ? defaultValue : value.left(IniFile::kMaxValueLength);
}

// The one decoding rule of every text file, stated on its own: without a byte-order mark, UTF-8
// exactly when the bytes are valid UTF-8 holding a byte above 0x7F. Whatever the rule chose, an
// unedited text is given back byte for byte, and text written in the code page reads back as the
// characters the code page holds.
void checkDecodingRule(const QByteArray& content)
{
    const std::optional<IniText> text = initext::decode(content);
    if (!text)
        return;
    check(initext::encode(*text) == content, "an unedited text is given back byte for byte");
    const bool marked =
        content.startsWith("\xFF\xFE") || content.startsWith("\xFE\xFF") || content.startsWith("\xEF\xBB\xBF");
    if (!marked) {
        const bool highByte = std::any_of(content.begin(), content.end(), [](char c) { return c & 0x80; });
        const bool utf8 = highByte && QString::fromUtf8(content).toUtf8() == content;
        check((text->codec == IniText::Codec::Utf8) == utf8, "unmarked text is UTF-8 exactly when it is valid "
                                                             "UTF-8 with a multi-byte sequence");
    }
    const std::optional<IniText> back = initext::decode(initext::encode({{}, IniText::Codec::Cp1252, text->text}));
    check(back && cp1252::encode(back->text) == cp1252::encode(text->text),
          "text written in the code page reads back as the same characters");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray content = fuzzinput::bytes(data, size);
    checkDecodingRule(content);
    const QString path = fuzzinput::writeScratchFile("ConfDefault.ini", content);

    IniFile ini(path);
    const Snapshot before = readAll(ini);
    ini.readString(QStringLiteral("Arquivo"), QStringLiteral("Caminho"), QStringLiteral("C:\\"));
    ini.readInteger(QStringLiteral("HXConfig"), QStringLiteral("ListBox"), 0);

    // A file that is not text is never overwritten; any other text takes the write.
    const QString value = QStringLiteral("127.0.0.1:2323");
    const bool written = ini.writeString(QStringLiteral("HXConfig"), QStringLiteral("9"), value).ok();
    check(written == writable(content), "a text file takes the write, a file that is not text does not");
    if (!written) {
        QFile file(path);
        check(file.open(QIODevice::ReadOnly) && file.readAll() == content, "a refused write left the file alone");
        return 0;
    }

    // A fresh reader of the written file finds the value.
    const IniFile reread(path);
    check(reread.readString(QStringLiteral("HXConfig"), QStringLiteral("9"), QString()) == value,
          "the written value reads back");

    // Writing it again changes no byte of the file.
    QFile file(path);
    check(file.open(QIODevice::ReadOnly), "the written file opens");
    const QByteArray afterFirst = file.readAll();
    file.close();
    for (const char* mark : {"\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"})
        check(content.startsWith(mark) == afterFirst.startsWith(mark), "a write keeps the file's byte-order mark");
    check(!isUtf16(content) || afterFirst.size() % 2 == 0, "a UTF-16 file stays whole code units");
    check(ini.writeString(QStringLiteral("HXConfig"), QStringLiteral("9"), value).ok(), "the second write");
    check(file.open(QIODevice::ReadOnly) && file.readAll() == afterFirst, "writing the same value again");
    file.close();

    // The other sections read as before (the write touched only "HXConfig").
    const Snapshot after = readAll(reread);
    for (int s = 1; s < kSections.size(); ++s)
        check(after.keys.at(s) == before.keys.at(s), "a write kept the other sections' keys");

    // A value with the separators of the format survives on one line.
    const QString awkward = awkwardValue(content);
    check(ini.writeString(QStringLiteral("Arquivo"), QStringLiteral("Caminho"), awkward).ok(), "the path write");
    check(IniFile(path).readString(QStringLiteral("Arquivo"), QStringLiteral("Caminho"), QStringLiteral("C:\\")) ==
              expectedReadBack(awkward, QStringLiteral("C:\\")),
          "a written path reads back as the private-profile functions read it");
    check(ini.eraseSection(QStringLiteral("HXConfig")).ok(), "the erase");
    check(IniFile(path).readSection(QStringLiteral("HXConfig")).isEmpty(), "an erased section is gone");
    return 0;
}
