#include "report.h"

#include <QJsonDocument>

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

void outJson(const QJsonObject& object)
{
    outBytes(QJsonDocument(object).toJson(QJsonDocument::Compact) + '\n');
}

void error(const QString& where, const QString& text)
{
    const QByteArray line = QStringLiteral("hxconfig-cli: %1: %2\n").arg(where, text).toUtf8();
    std::fwrite(line.constData(), 1, size_t(line.size()), stderr);
    std::fflush(stderr);
}

QString differenceLine(const image::FieldDifference& d)
{
    QString place = d.page.isEmpty() ? d.caption : QStringLiteral("%1 / %2").arg(d.page, d.caption);
    if (!d.section.isEmpty())
        place += QStringLiteral(" [%1.%2]").arg(d.section, d.key);
    if (d.from.isEmpty() && d.to.isEmpty())
        return QStringLiteral("%1: alterado").arg(place);
    return QStringLiteral("%1: %2 -> %3").arg(place, d.from, d.to);
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

} // namespace report
