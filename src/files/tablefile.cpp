#include "files/tablefile.h"

#include "files/logrecordrows.h"
#include "files/textline.h"
#include "image/cp1252.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

Table parseTable(QIODevice& device, bool* readFailed)
{
    SemicolonTableBuilder cells;
    LogRecordTableBuilder records;
    enum class Kind { Unknown, Cells, Records } kind = Kind::Unknown;
    if (readFailed)
        *readFailed = false;
    while (!device.atEnd()) {
        QByteArray bytes;
        if (!readTextLine(device, bytes)) {
            if (readFailed)
                *readFailed = true;
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

image::Outcome<void> loadTable(const QString& path, Table& table)
{
    table = emptyTable();
    // Only a file is loaded: nothing at the path, a folder or a device leaves the empty table.
    const QFileInfo info(path);
    if (path.isEmpty() || !info.isFile())
        return {};
    // The texts are the tool's own: the system's reason may come in English. Opened here so that
    // the reason of a refusal is known; without blocking, should a pipe have taken the file's place.
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    struct stat status {
    };
    if (fd >= 0 && (::fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))) {
        ::close(fd);
        return {};
    }
    QFile file;
    if (fd < 0 || !file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        const int reason = errno;
        if (fd >= 0)
            ::close(fd);
        QString text = QCoreApplication::translate("Files", "Não foi possível abrir o arquivo \"%1\".").arg(path);
        if (reason == EACCES || reason == EPERM)
            text += QCoreApplication::translate("Files", "\rSem permissão de leitura.");
        return image::Failure{text};
    }
    bool readFailed = false;
    table = parseTable(file, &readFailed);
    if (readFailed)
        return image::Failure{QCoreApplication::translate(
                                  "Files", "Erro ao ler o arquivo \"%1\"; a tabela mostra o que foi lido até o erro.")
                                  .arg(path)};
    return {};
}
