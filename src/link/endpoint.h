#pragma once

#include <QString>
#include <QtGlobal>

// What the address box holds: "host" (port 23) or "host:port". Anything that is not exactly one
// colon followed by a decimal port 1..65535 is taken whole as the host, passed on unchecked.
struct Endpoint {
    QString host;
    quint16 port = 23;
};

Endpoint parseEndpoint(const QString& text);
