#include "jsonline.h"

#include <QJsonArray>
#include <QJsonDocument>

#include <cstdio>

namespace
{

// A value as JSON text. QJsonDocument writes arrays and objects only, so the value is wrapped in
// an array and the brackets taken off again.
QByteArray jsonText(const QJsonValue& value)
{
    const QByteArray wrapped = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return wrapped.mid(1, wrapped.size() - 2);
}

} // namespace

TerminalLine& TerminalLine::with(const QString& key, const QJsonValue& value)
{
    own.append({key, value});
    return *this;
}

QByteArray TerminalLine::bytes() const
{
    // QJsonObject orders its keys alphabetically; the fixed keys come first in their own order.
    QList<std::pair<QString, QJsonValue>> keys{{QStringLiteral("address"), address},
                                               {QStringLiteral("result"), result},
                                               {QStringLiteral("error"), error},
                                               {QStringLiteral("exit"), int(exit)}};
    keys.append(own);
    QByteArray line = "{";
    for (const auto& [key, value] : std::as_const(keys)) {
        if (line.size() > 1)
            line += ',';
        line += jsonText(key) + ':' + jsonText(value);
    }
    return line + "}\n";
}

QJsonObject TerminalLine::object() const
{
    QJsonObject gathered{{QStringLiteral("address"), address},
                         {QStringLiteral("result"), result},
                         {QStringLiteral("error"), error},
                         {QStringLiteral("exit"), int(exit)}};
    for (const auto& [key, value] : own)
        gathered.insert(key, value);
    return gathered;
}

void TerminalLine::print() const
{
    const QByteArray line = bytes();
    std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
    std::fflush(stdout);
}
