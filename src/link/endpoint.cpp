#include "link/endpoint.h"

#include <QHostAddress>

namespace
{

bool isDecimal(QStringView text)
{
    if (text.isEmpty())
        return false;
    for (QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

Endpoint parseEndpoint(const QString& text)
{
    Endpoint endpoint;
    endpoint.host = text;
    if (text.count(u':') != 1)
        return endpoint;
    const qsizetype colon = text.indexOf(u':');
    const QStringView portText = QStringView(text).mid(colon + 1);
    if (!isDecimal(portText))
        return endpoint;
    bool ok = false;
    const uint port = portText.toUInt(&ok);
    if (!ok || port < 1 || port > 65535)
        return endpoint;
    endpoint.host = text.left(colon);
    endpoint.port = quint16(port);
    return endpoint;
}

std::optional<Endpoint> parseAddress(const QString& text)
{
    if (text.contains(u':')) {
        const Endpoint endpoint = parseEndpoint(text);
        if (endpoint.host.isEmpty() || endpoint.host == text)
            return std::nullopt;
        return endpoint;
    }
    QHostAddress address;
    if (text.count(u'.') != 3 || !address.setAddress(text) || address.protocol() != QAbstractSocket::IPv4Protocol)
        return std::nullopt;
    return Endpoint{text, 23};
}

QString canonicalAddress(const Endpoint& endpoint)
{
    QHostAddress address;
    const QString host = address.setAddress(endpoint.host) ? address.toString() : endpoint.host.toLower();
    return QStringLiteral("%1:%2").arg(host).arg(endpoint.port);
}

QString shortAddress(const Endpoint& endpoint)
{
    return endpoint.port == 23 ? endpoint.host : QStringLiteral("%1:%2").arg(endpoint.host).arg(endpoint.port);
}
