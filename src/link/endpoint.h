#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

// What the address box holds: "host" (port 23) or "host:port". Anything that is not exactly one
// colon followed by a decimal port 1..65535 is taken whole as the host, passed on unchecked.
struct Endpoint {
    QString host;
    quint16 port = 23;
};

Endpoint parseEndpoint(const QString& text);

// What the command line takes as a terminal's address: a dotted IPv4 address (port 23) or
// host:port; nothing else.
std::optional<Endpoint> parseAddress(const QString& text);

// One spelling per terminal, so that two addresses of the same terminal compare equal: the IPv4
// address in its usual form or the host name in lower case, a colon and the port ("127.0.0.1:23").
QString canonicalAddress(const Endpoint& endpoint);

// The shortest address the command line takes for it: "192.168.0.50" on port 23, else host:port.
QString shortAddress(const Endpoint& endpoint);
