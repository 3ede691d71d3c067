#pragma once

#include "image/outcome.h"

#include <QList>
#include <QString>
#include <QtGlobal>

// The IPv4 addresses a scan visits, in ascending order:
//   a.b.c.d/nn       the network of prefix nn (16 to 32); for a prefix up to /30 without its network
//                    and broadcast addresses, as no terminal can have them (a /24 gives 254)
//   a.b.c.d-e.f.g.h  every address from the first to the last, both included, at most 65 536
// Addresses are numbers in host order (127.0.0.1 is 0x7F000001).
namespace addressrange
{

constexpr int kWidestPrefix = 16;
constexpr quint32 kMostAddresses = 65536;

struct Range {
    quint32 first = 0;
    quint32 last = 0;
    quint32 size() const { return last - first + 1; }
};

// Refused with a Portuguese text saying what is wrong when `text` is no range.
image::Outcome<Range> parse(const QString& text);

QString addressText(quint32 address); // "127.0.0.1"

} // namespace addressrange
