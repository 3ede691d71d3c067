#include "report.h"
#include "clitext.h"

#include "image/visibletext.h"

#include <cstdio>

namespace report
{

void outBytes(const QByteArray& bytes)
{
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
    std::fflush(stdout);
}

void out(const QString& text)
{
    outBytes(text.toUtf8());
}

void error(const QString& where, const QString& text)
{
    const QByteArray line =
        QStringLiteral("hxconfig-cli: %1: %2\n").arg(image::visibleText(where), image::visibleText(text)).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

QString differenceLine(const image::FieldDifference& d)
{
    QString place = d.page.isEmpty() ? d.caption : QStringLiteral("%1 / %2").arg(d.page, d.caption);
    if (!d.section.isEmpty())
        place += QStringLiteral(" [%1.%2]").arg(d.section, d.key);
    if (d.from.isEmpty() && d.to.isEmpty())
        return Cli::tr("%1: alterado").arg(place);
    return QStringLiteral("%1: %2 -> %3").arg(place, image::visibleText(d.from), image::visibleText(d.to));
}

QJsonArray differencesJson(const QList<image::FieldDifference>& differences)
{
    QJsonArray list;
    for (const image::FieldDifference& d : differences) {
        list.append(QJsonObject{{QStringLiteral("section"), d.section},
                                {QStringLiteral("key"), d.key},
                                {QStringLiteral("page"), d.page},
                                {QStringLiteral("caption"), d.caption},
                                {QStringLiteral("from"), d.from},
                                {QStringLiteral("to"), d.to}});
    }
    return list;
}

void configurationJson(TerminalLine& line, const QByteArray& image, const TerminalInfo& terminal)
{
    QJsonObject values;
    for (const image::ProfileEntry& entry : image::profileOf(image))
        values.insert(QStringLiteral("%1.%2").arg(entry.section, entry.key), entry.value);
    line.with(QStringLiteral("mac"), terminal.mac)
        .with(QStringLiteral("read_at"), terminal.readAt.toString(Qt::ISODate))
        .with(QStringLiteral("values"), values)
        .with(QStringLiteral("image"), QString::fromLatin1(image.toHex().toUpper()));
}

TerminalLine writeResultLine(const QString& address, const WriteResult& r)
{
    return TerminalLine{address, outcomeName(r.outcome), r.error, exitCodeOf(r.failure), {}}
        .with(QStringLiteral("changes"), differencesJson(r.changes))
        .with(QStringLiteral("backup"), r.backupPath)
        .with(QStringLiteral("verified"), r.verified);
}

QString writeResultText(const QString& address, const WriteResult& r)
{
    using O = WriteResult::Outcome;
    QString text;
    switch (r.outcome) {
    case O::Unchanged:
        return Cli::tr("%1: inalterado\n").arg(address);
    case O::DryRun:
        text = Cli::tr("%1: simulação, nada foi enviado; %2\n")
                   .arg(address, r.changes.size() == 1 ? Cli::tr("1 campo mudaria")
                                                       : Cli::tr("%1 campos mudariam").arg(r.changes.size()));
        break;
    case O::Changed:
        text =
            Cli::tr("%1: alterado, %2\n").arg(address, counted(r.changes.size(), Cli::tr("campo"), Cli::tr("campos")));
        break;
    case O::Failed:
        return {};
    }
    for (const image::FieldDifference& d : r.changes)
        text += QStringLiteral("  ") + differenceLine(d) + QLatin1Char('\n');
    if (!r.backupPath.isEmpty())
        text += Cli::tr("  cópia de segurança: %1\n").arg(r.backupPath);
    if (r.outcome == O::Changed)
        text += r.verified ? Cli::tr("  verificado\n") : Cli::tr("  não verificado\n");
    return text;
}

QString readinessText(const QString& resultWord)
{
    return resultWord == resultword::ready ? Cli::tr("pronto") : Cli::tr("não pronto");
}

QString outcomeText(WriteResult::Outcome outcome)
{
    switch (outcome) {
    case WriteResult::Outcome::Changed:
        return Cli::tr("alterado");
    case WriteResult::Outcome::Unchanged:
        return Cli::tr("inalterado");
    case WriteResult::Outcome::DryRun:
        return Cli::tr("simulado");
    case WriteResult::Outcome::Failed:
        return Cli::tr("falhou");
    }
    return {};
}

QString counted(qsizetype count, const QString& singular, const QString& plural)
{
    return QStringLiteral("%1 %2").arg(count).arg(count == 1 ? singular : plural);
}

QList<QStringList> batchTable(const QStringList& addresses, const QList<WriteResult>& results, Words words)
{
    const bool people = words == Words::People;
    QList<QStringList> rows;
    if (people)
        rows.append({Cli::tr("endereço"), Cli::tr("resultado"), Cli::tr("alterações"), Cli::tr("cópia de segurança"),
                     Cli::tr("erro")});
    else
        rows.append({QStringLiteral("address"), QStringLiteral("result"), QStringLiteral("changes"),
                     QStringLiteral("backup"), QStringLiteral("error")});
    for (qsizetype i = 0; i < results.size(); ++i) {
        const WriteResult& r = results.at(i);
        rows.append({addresses.at(i), people ? outcomeText(r.outcome) : outcomeName(r.outcome),
                     QString::number(r.changes.size()), r.backupPath, r.error});
    }
    return rows;
}

QString alignedText(const QList<QStringList>& cells)
{
    QList<QStringList> rows;
    for (const QStringList& row : cells) {
        QStringList shown;
        for (const QString& cell : row)
            shown.append(image::visibleText(cell));
        rows.append(shown);
    }
    QList<qsizetype> widths;
    for (const QStringList& row : std::as_const(rows)) {
        for (qsizetype c = 0; c < row.size(); ++c) {
            if (c >= widths.size())
                widths.append(0);
            widths[c] = std::max(widths.at(c), row.at(c).size());
        }
    }
    QString text;
    for (const QStringList& row : std::as_const(rows)) {
        QString line;
        for (qsizetype c = 0; c < row.size(); ++c)
            line += c + 1 < row.size() ? row.at(c).leftJustified(widths.at(c) + 2) : row.at(c);
        text += line.trimmed() + QLatin1Char('\n');
    }
    return text;
}

} // namespace report
