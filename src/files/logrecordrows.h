#pragma once

#include "files/tablefile.h"

#include <QString>

// LogCfg.txt holds sixteen-line records and no semicolons; the viewer shows each record as one
// row: MAC in column 0 and the local IP in column 1, the two sort keys.
bool opensLogRecord(const QString& line);

class LogRecordTableBuilder
{
public:
    LogRecordTableBuilder();
    void addLine(const QString& line);
    Table table() const;

private:
    void takeRecordLine(const QString& line);

    QList<TableRow> m_rows;
    int m_lineInRecord = 0; // 0 outside a record, 1 on the opening line
};
