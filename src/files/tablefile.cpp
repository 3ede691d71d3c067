#include "files/tablefile.h"

#include "files/logrecordrows.h"
#include "files/textline.h"
#include "image/cp1252.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace
{

// Blanks and control characters only: such lines are skipped.
bool isBlankLine(const QString& line)
{
    for (const QChar c : line) {
        if (c.unicode() > 0x20)
            return false;
    }
    return true;
}

} // namespace

Table emptyTable()
{
    return Table{{TableRow{}, TableRow{}}};
}

void SemicolonTableBuilder::addLine(const QString& line)
{
    if (isBlankLine(line))
        return;
    while (m_store.size() <= m_row)
        m_store.append(TableRow{});
    TableRow& row = m_store[m_row];
    QString pending;
    int column = 0;
    for (const QChar c : line) {
        if (c == QLatin1Char(';')) {
            if (column < kTableColumns)
                row[column] = pending;
            pending.clear();
            ++column;
        } else {
            pending += c;
        }
    }
    if (!pending.isEmpty())
        return; // the row is not complete: the next line fills it again
    ++m_row;
    m_rowCount = m_row;
}

Table SemicolonTableBuilder::table() const
{
    // A single completed line still leaves the blank data row of the empty table.
    const int shown = std::max(m_rowCount, 2);
    Table table;
    for (int r = 0; r < shown; ++r)
        table.rows.append(r < m_rowCount && r < m_store.size() ? m_store.at(r) : TableRow{});
    return table;
}

Table parseTable(QIODevice& device, QString* errorText)
{
    SemicolonTableBuilder cells;
    LogRecordTableBuilder records;
    enum class Kind { Unknown, Cells, Records } kind = Kind::Unknown;
    while (!device.atEnd()) {
        QByteArray bytes;
        if (!readTextLine(device, bytes)) {
            if (errorText)
                *errorText = device.errorString();
            break;
        }
        const QString line = cp1252::decode(bytes);
        if (kind == Kind::Unknown && !isBlankLine(line))
            kind = opensLogRecord(line) ? Kind::Records : Kind::Cells;
        if (kind == Kind::Records)
            records.addLine(line);
        else
            cells.addLine(line);
    }
    return kind == Kind::Records ? records.table() : cells.table();
}

Table parseTable(const QByteArray& bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return parseTable(buffer);
}

bool loadTable(const QString& path, Table& table, QString* errorText)
{
    table = emptyTable();
    if (path.isEmpty() || !QFileInfo::exists(path))
        return true;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || QFileInfo(path).isDir()) {
        if (errorText)
            *errorText = QStringLiteral("Cannot open file \"%1\". %2").arg(path, file.errorString());
        return false;
    }
    QString readError;
    table = parseTable(file, &readError);
    if (!readError.isEmpty()) {
        if (errorText)
            *errorText = readError;
        return false;
    }
    return true;
}
