#include "files/csvtable.h"

#include "files/initext.h"

#include <QCoreApplication>
#include <QStringDecoder>

#include <csv.h>

#include <memory>

namespace
{

constexpr char kSemicolon = ';';

// The separator the header line (the first that is not blank) uses more, counted outside quotes; a
// comma when it uses neither.
char separatorOf(const QByteArray& text)
{
    int commas = 0;
    int semicolons = 0;
    bool quoted = false;
    bool blank = true;
    for (const char c : text) {
        if (c == '\n' && !quoted && !blank)
            break;
        blank = blank && (c == '\n' || c == '\r' || c == ' ' || c == '\t');
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == kSemicolon)
            ++semicolons;
    }
    return semicolons > commas ? kSemicolon : ',';
}

int lineAt(const QByteArray& text, qsizetype offset)
{
    return int(text.left(offset).count('\n')) + 1;
}

// Gathers libcsv's cells into rows and counts lines as it goes: libcsv reports every line end
// (CSV_REPALL_NL), and a quoted cell may hold line ends of its own.
class RowCollector
{
public:
    static void takeCell(void* data, std::size_t size, void* self)
    {
        static_cast<RowCollector*>(self)->cell(QByteArray(static_cast<const char*>(data), qsizetype(size)));
    }
    static void takeRowEnd(int terminator, void* self) { static_cast<RowCollector*>(self)->rowEnd(terminator); }

    QList<CsvRow> rows;

private:
    void cell(const QByteArray& bytes)
    {
        if (m_row.cells.isEmpty())
            m_row.line = m_line;
        // QString::fromUtf8 would drop a cell's leading U+FEFF as if it were a byte-order mark.
        QStringDecoder decoder(QStringDecoder::Utf8,
                               QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
        m_row.cells.append(decoder.decode(bytes));
        m_line += int(bytes.count('\n'));
    }

    void rowEnd(int terminator)
    {
        bool empty = true;
        for (const QString& cell : std::as_const(m_row.cells))
            empty = empty && cell.isEmpty();
        if (!empty)
            rows.append(m_row);
        m_row = {};
        if (terminator == '\n')
            ++m_line;
    }

    CsvRow m_row;
    int m_line = 1;
};

struct ParserDeleter {
    void operator()(csv_parser* parser) const
    {
        csv_free(parser);
        delete parser;
    }
};

bool needsQuotes(const QString& cell)
{
    return cell.contains(QLatin1Char(kSemicolon)) || cell.contains(u'"') || cell.contains(u'\n') ||
           cell.contains(u'\r') || cell.contains(u',') ||
           (!cell.isEmpty() && (cell.front().isSpace() || cell.back().isSpace()));
}

} // namespace

image::Outcome<CsvTable> parseCsv(const QByteArray& bytes)
{
    const std::optional<IniText> decoded = initext::decode(bytes);
    if (!decoded)
        return image::Failure{QCoreApplication::translate("Files", "não é um arquivo de texto")};
    // libcsv reads bytes: UTF-8 keeps the separators and quotes as the single bytes they are.
    QByteArray text = decoded->text.toUtf8();
    // A lone CR ends a line as LF does (old spreadsheets on some systems write it), so that lines
    // are counted alike; CR LF stays as it is.
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text.at(i) == '\r' && (i + 1 == text.size() || text.at(i + 1) != '\n'))
            text[i] = '\n';
    }

    CsvTable table;
    table.separator = separatorOf(text);
    std::unique_ptr<csv_parser, ParserDeleter> parser(new csv_parser{});
    if (csv_init(parser.get(), CSV_STRICT | CSV_STRICT_FINI | CSV_REPALL_NL) != 0)
        return image::Failure{QCoreApplication::translate("Files", "sem memória para ler o arquivo")};
    csv_set_delim(parser.get(), static_cast<unsigned char>(table.separator));

    RowCollector collector;
    const std::size_t parsed = csv_parse(parser.get(), text.constData(), std::size_t(text.size()),
                                         RowCollector::takeCell, RowCollector::takeRowEnd, &collector);
    if (parsed != std::size_t(text.size())) {
        const int line = lineAt(text, qsizetype(parsed));
        return image::Failure{
            QCoreApplication::translate("Files", "aspas fora do lugar (uma célula com aspas deve começar e terminar "
                                                 "com elas, e aspas dentro dela vêm dobradas)"),
            line};
    }
    if (csv_fini(parser.get(), RowCollector::takeCell, RowCollector::takeRowEnd, &collector) != 0) {
        const qsizetype open = text.lastIndexOf('"');
        return image::Failure{QCoreApplication::translate("Files", "aspas abertas e nunca fechadas"),
                              lineAt(text, qMax<qsizetype>(open, 0))};
    }
    if (collector.rows.isEmpty())
        return image::Failure{QCoreApplication::translate("Files", "o arquivo está vazio")};
    table.rows = std::move(collector.rows);
    return table;
}

QByteArray csvBytes(const QList<QStringList>& rows)
{
    QString text;
    for (const QStringList& row : rows) {
        QStringList cells;
        for (const QString& cell : row) {
            if (!needsQuotes(cell)) {
                cells.append(cell);
                continue;
            }
            QString quoted = cell;
            quoted.replace(u'"', QStringLiteral("\"\""));
            cells.append(u'"' + quoted + u'"');
        }
        text += cells.join(QLatin1Char(kSemicolon)) + QStringLiteral("\r\n");
    }
    return QByteArrayLiteral("\xEF\xBB\xBF") + text.toUtf8();
}

QByteArray spreadsheetCsvBytes(const QList<QStringList>& rows)
{
    QList<QStringList> shown = rows;
    for (QStringList& row : shown) {
        for (QString& cell : row) {
            if (!cell.isEmpty() && QStringView(u"=+-@").contains(cell.front()))
                cell.prepend(u'\'');
        }
    }
    return csvBytes(shown);
}
