#include "files/configfile.h"

#include "files/inidocument.h"
#include "files/inifile.h"
#include "files/initext.h"
#include "files/profilefile.h"
#include "image/layout.h"
#include "image/readable.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <array>
#include <optional>

namespace
{

const QString kTerminal = QStringLiteral("Terminal");
const QString kImage = QStringLiteral("Imagem");
const QString kMac = QStringLiteral("MAC");
const QString kReadAt = QStringLiteral("LidoEm");
const QString kAddress = QStringLiteral("Endereco");
constexpr int kBytesPerLine = 20;
constexpr int kImageLines = image::kImageSize / kBytesPerLine;

QString imageKey(int first)
{
    return QStringLiteral("Bytes%1").arg(first, 3, 10, QLatin1Char('0'));
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

// The value as the INI reader will give it back: surrounding blanks and one pair of enclosing
// quotes would be taken off, so such a value is written inside quotes.
QString iniValue(const QString& value)
{
    const bool blankAtEnds = !value.isEmpty() && (isBlank(value.front()) || isBlank(value.back()));
    const bool quoted = value.size() >= 2 && value.front() == u'"' && value.back() == u'"';
    return blankAtEnds || quoted ? QLatin1Char('"') + value + QLatin1Char('"') : value;
}

QString dateTimeText(const QDateTime& when)
{
    if (!when.isValid())
        return {};
    // With the offset, so the file says the same moment wherever it is read.
    const QDateTime withOffset = when.toOffsetFromUtc(when.offsetFromUtc());
    return withOffset.toString(when.time().msec() == 0 ? Qt::ISODate : Qt::ISODateWithMs);
}

QString hexLine(const QByteArray& bytes)
{
    return QString::fromLatin1(bytes.toHex(' ').toUpper());
}

image::Failure errorAt(int line, const QString& text)
{
    return {line > 0 ? QStringLiteral("Linha %1: %2").arg(line).arg(text) : text, line};
}

// "82 46 00 ...": twenty pairs of hexadecimal digits, one blank between pairs.
std::optional<QByteArray> parseHexLine(const QString& value)
{
    static const QRegularExpression pattern(
        QStringLiteral("^[0-9A-Fa-f]{2}( [0-9A-Fa-f]{2}){%1}$").arg(kBytesPerLine - 1));
    if (!pattern.match(value).hasMatch())
        return std::nullopt;
    return QByteArray::fromHex(value.toLatin1());
}

struct ImageLines {
    QByteArray image{image::kImageSize, '\0'};
    std::array<int, kImageLines> lineOf{}; // where each key stands; 0 while missing
    int sectionLine = 0;
};

image::Outcome<void> takeImageItem(ImageLines& lines, const IniDocument::Item& item)
{
    if (item.key.isEmpty()) {
        if (lines.sectionLine != 0)
            return errorAt(item.line, QCoreApplication::translate("Files", "seção [Imagem] repetida."));
        lines.sectionLine = item.line;
        return {};
    }
    int index = -1;
    for (int i = 0; i < kImageLines; ++i) {
        if (item.key.compare(imageKey(i * kBytesPerLine), Qt::CaseInsensitive) == 0)
            index = i;
    }
    if (index < 0)
        return errorAt(item.line,
                       QCoreApplication::translate("Files", "chave desconhecida na seção [Imagem]: %1.").arg(item.key));
    if (lines.lineOf.at(std::size_t(index)) != 0)
        return errorAt(item.line,
                       QCoreApplication::translate("Files", "chave %1 repetida na seção [Imagem].").arg(item.key));
    const std::optional<QByteArray> bytes = parseHexLine(item.value);
    if (!bytes) {
        return errorAt(item.line, QCoreApplication::translate(
                                      "Files", "%1 deve ter %2 bytes em hexadecimal, pares separados por um espaço.")
                                      .arg(imageKey(index * kBytesPerLine))
                                      .arg(kBytesPerLine));
    }
    lines.lineOf[std::size_t(index)] = item.line;
    lines.image.replace(index * kBytesPerLine, kBytesPerLine, *bytes);
    return {};
}

// Section "Terminal" read as the settings file reads values: its first section, the first key of a name.
image::Outcome<TerminalInfo> terminalOf(const IniDocument& document)
{
    TerminalInfo terminal;
    terminal.mac = document.value(kTerminal, kMac).value_or(QString());
    terminal.address = document.value(kTerminal, kAddress).value_or(QString());
    const QString readAt = document.value(kTerminal, kReadAt).value_or(QString());
    if (readAt.isEmpty())
        return terminal;
    terminal.readAt = QDateTime::fromString(readAt, Qt::ISODateWithMs);
    if (terminal.readAt.isValid())
        return terminal;
    int line = 0;
    for (const IniDocument::Item& item : document.items()) {
        if (line == 0 && item.section.compare(kTerminal, Qt::CaseInsensitive) == 0 &&
            item.key.compare(kReadAt, Qt::CaseInsensitive) == 0)
            line = item.line;
    }
    return errorAt(line, QCoreApplication::translate(
                             "Files", "data e hora inválidas em LidoEm (esperado aaaa-mm-ddThh:mm:ss): %1.")
                             .arg(readAt));
}

} // namespace

QByteArray configFileBytes(const QByteArray& image, const TerminalInfo& terminal)
{
    // The sections stand in their order with a blank line between them; the keys then go in.
    QString skeleton = QStringLiteral("; Configuração de um microterminal (hxconfig)\r\n");
    for (image::Page page : image::companyPages())
        skeleton += QStringLiteral("\r\n[%1]\r\n").arg(image::tableText(image::sectionName(page)));
    skeleton += QStringLiteral("\r\n[%1]\r\n\r\n[%2]\r\n").arg(kTerminal, kImage);
    IniDocument document(skeleton);

    for (const image::ProfileEntry& entry : image::profileOf(image))
        document.setValue(entry.section, entry.key, iniValue(entry.value));
    document.setValue(kTerminal, kMac, iniValue(terminal.mac));
    document.setValue(kTerminal, kReadAt, dateTimeText(terminal.readAt));
    document.setValue(kTerminal, kAddress, iniValue(terminal.address));
    QByteArray whole = image.left(image::kImageSize);
    whole.resize(image::kImageSize, '\0');
    for (int first = 0; first < image::kImageSize; first += kBytesPerLine)
        document.setValue(kImage, imageKey(first), hexLine(whole.mid(first, kBytesPerLine)));
    // Windows-1252, unless its bytes would read back as UTF-8 (see initext::encode).
    return initext::encode({{}, IniText::Codec::Cp1252, document.text()});
}

image::Outcome<ConfigFile> parseConfigFile(const QByteArray& bytes)
{
    if (bytes.size() > IniFile::kMaxFileSize)
        return errorAt(0, QCoreApplication::translate("Files", "O arquivo de configuração é grande demais."));
    const std::optional<IniText> text = initext::decode(bytes);
    if (!text)
        return errorAt(0, QCoreApplication::translate("Files", "O arquivo de configuração não é um arquivo de texto."));
    const IniDocument document(text->text);

    ConfigFile file;
    ImageLines lines;
    for (const IniDocument::Item& item : document.items()) {
        if (item.section.compare(kImage, Qt::CaseInsensitive) != 0)
            continue;
        if (const image::Outcome<void> taken = takeImageItem(lines, item); !taken)
            return taken.failure();
    }
    if (lines.sectionLine == 0)
        return errorAt(0, QCoreApplication::translate("Files", "Falta a seção [Imagem] com a imagem de 260 bytes."));
    for (int i = 0; i < kImageLines; ++i) {
        if (lines.lineOf.at(std::size_t(i)) == 0)
            return errorAt(lines.sectionLine,
                           QCoreApplication::translate("Files", "falta a chave %1 na seção [Imagem].")
                               .arg(imageKey(i * kBytesPerLine)));
    }
    auto terminal = terminalOf(document);
    if (!terminal)
        return terminal.failure();
    file.terminal = *terminal;
    file.image = lines.image;
    file.readable = image::profileFromDocument(document);
    return file;
}

QString macInFileName(const QString& mac)
{
    if (mac.isEmpty())
        return QStringLiteral("SemMAC");
    QString name = mac;
    // Only letters and digits reach a file name.
    for (QChar& c : name) {
        if (!(c.isLetterOrNumber() && c.unicode() < 0x80))
            c = QLatin1Char('_');
    }
    return name;
}

QString backupFileName(const QByteArray& image, const QDateTime& when)
{
    return macInFileName(image::macText(image)) + QLatin1Char('_') + when.toString(QStringLiteral("yyyyMMdd-HHmmss")) +
           QStringLiteral(".ini");
}
