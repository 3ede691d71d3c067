#include "files/logrecordrows.h"

#include <QCoreApplication>
#include <QStringList>

namespace
{

const QString kBar = QString(10, QLatin1Char('='));

enum Column {
    Mac,
    IpLocal,
    DateTime,
    PortaLocal,
    IpRemoto,
    PortaRemota,
    Gateway,
    Mascara,
    ModoTcp,
    Protocolo,
    Com0,
    Com1,
    ConexaoTelnet,
    BootDelay,
};

// The viewer's first row, in the user's language; the record itself keeps its Portuguese labels.
TableRow headings()
{
    return {QCoreApplication::translate("Files", "MAC"),
            QCoreApplication::translate("Files", "IP Local"),
            QCoreApplication::translate("Files", "Data/Hora"),
            QCoreApplication::translate("Files", "Porta Local"),
            QCoreApplication::translate("Files", "IP Remoto"),
            QCoreApplication::translate("Files", "Porta Remota"),
            QCoreApplication::translate("Files", "Gateway"),
            QCoreApplication::translate("Files", "Máscara"),
            QCoreApplication::translate("Files", "Modo TCP"),
            QCoreApplication::translate("Files", "Protocolo"),
            QCoreApplication::translate("Files", "COM 0"),
            QCoreApplication::translate("Files", "COM 1"),
            QCoreApplication::translate("Files", "Conexão TelNet"),
            QCoreApplication::translate("Files", "Boot Delay")};
}

bool onlyBars(const QString& line)
{
    for (const QChar c : line) {
        if (c != QLatin1Char('='))
            return false;
    }
    return true;
}

bool isBlank(const QString& line)
{
    return line.trimmed().isEmpty();
}

// The values that follow each label, searched in order; a missing label leaves its value empty.
// `before` receives the text ahead of the first label found (the whole line when none is).
QStringList valuesAfter(const QString& line, const QStringList& labels, QString* before = nullptr)
{
    QList<qsizetype> at;
    qsizetype from = 0;
    for (const QString& label : labels) {
        const qsizetype found = line.indexOf(label, from);
        at.append(found);
        if (found >= 0)
            from = found + label.size();
    }
    QStringList values;
    qsizetype first = -1;
    for (qsizetype k = 0; k < labels.size(); ++k) {
        if (at[k] < 0) {
            values.append(QString());
            continue;
        }
        if (first < 0)
            first = at[k];
        qsizetype end = line.size();
        for (qsizetype next = k + 1; next < labels.size(); ++next) {
            if (at[next] >= 0) {
                end = at[next];
                break;
            }
        }
        const qsizetype start = at[k] + labels[k].size();
        values.append(line.mid(start, end - start));
    }
    if (before)
        *before = first < 0 ? line : line.left(first);
    return values;
}

// "Conexao TCP: Cliente Conexao TCP: System " -> "Cliente System".
QString withoutRepeatedLabel(QString text, const QString& label)
{
    text.remove(label);
    return text.simplified();
}

} // namespace

bool opensLogRecord(const QString& line)
{
    return line.startsWith(kBar) && !onlyBars(line) && !line.contains(QLatin1Char(';'));
}

LogRecordTableBuilder::LogRecordTableBuilder() : m_rows{headings()} {}

void LogRecordTableBuilder::addLine(const QString& line)
{
    if (isBlank(line))
        return;
    if (line.startsWith(kBar)) {
        m_lineInRecord = 0;
        if (onlyBars(line))
            return; // the closing line
        m_rows.append(TableRow{});
        QString date = line;
        while (date.startsWith(QLatin1Char('=')))
            date.remove(0, 1);
        while (date.endsWith(QLatin1Char('=')))
            date.chop(1);
        m_rows.last()[DateTime] = date;
        m_lineInRecord = 1;
        return;
    }
    if (m_lineInRecord == 0)
        return; // text between records is not part of any
    ++m_lineInRecord;
    takeRecordLine(line);
}

void LogRecordTableBuilder::takeRecordLine(const QString& line)
{
    TableRow& row = m_rows.last();
    QString before;
    switch (m_lineInRecord) {
    case 2:
        row[Mac] = valuesAfter(line, {QStringLiteral("Configuracao MAC: ")}).at(0);
        break;
    case 3: {
        const QStringList v = valuesAfter(line, {QStringLiteral("IP Local:"), QStringLiteral(" Porta Local:"),
                                                 QStringLiteral(" IP Remoto:"), QStringLiteral(" Porta Remota:")});
        row[IpLocal] = v.at(0);
        row[PortaLocal] = v.at(1);
        row[IpRemoto] = v.at(2);
        row[PortaRemota] = v.at(3);
        break;
    }
    case 4: {
        const QStringList v =
            valuesAfter(line, {QStringLiteral("Gateway:"), QStringLiteral(" Mascara de Rede:")}, &before);
        row[ModoTcp] = withoutRepeatedLabel(before, QStringLiteral("Conexao TCP: "));
        row[Gateway] = v.at(0);
        row[Mascara] = v.at(1);
        break;
    }
    case 8: {
        const QStringList v = valuesAfter(line, {QStringLiteral("Conexao Telnet:")}, &before);
        row[Protocolo] = withoutRepeatedLabel(before, QStringLiteral("Protocolo: "));
        row[ConexaoTelnet] = v.at(0);
        break;
    }
    case 11:
        row[BootDelay] = valuesAfter(line, {QStringLiteral("Boot Delay: ")}).at(0);
        break;
    case 12:
        row[Com0] = valuesAfter(line, {QStringLiteral("Com0:"), QStringLiteral("Timeout:")}).at(0).trimmed();
        break;
    case 14:
        row[Com1] = valuesAfter(line, {QStringLiteral("Com1:"), QStringLiteral("Timeout:")}).at(0).trimmed();
        break;
    default:
        break; // the other lines have no column of their own
    }
}

Table LogRecordTableBuilder::table() const
{
    Table table{m_rows};
    if (table.rows.size() < 2)
        table.rows.append(TableRow{});
    return table;
}
