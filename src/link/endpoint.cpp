#include "link/endpoint.h"

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
