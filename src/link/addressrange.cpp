#include "link/addressrange.h"

#include <QCoreApplication>
#include <QHostAddress>

#include <optional>

namespace addressrange
{
namespace
{

std::optional<quint32> ipv4(const QString& text)
{
    QHostAddress address;
    if (text.count(u'.') != 3 || !address.setAddress(text) || address.protocol() != QAbstractSocket::IPv4Protocol)
        return std::nullopt;
    return address.toIPv4Address();
}

image::Failure usage(const QString& text)
{
    return image::Failure{
        QCoreApplication::translate("Link", "faixa inválida: %1 (a.b.c.d/nn, de /16 a /32, ou a.b.c.d-e.f.g.h)")
            .arg(text)};
}

} // namespace

QString addressText(quint32 address)
{
    return QHostAddress(address).toString();
}

image::Outcome<Range> parse(const QString& text)
{
    if (const qsizetype slash = text.indexOf(u'/'); slash >= 0) {
        const std::optional<quint32> base = ipv4(text.left(slash));
        bool ok = false;
        const int prefix = text.mid(slash + 1).toInt(&ok);
        if (!base || !ok || prefix < 0 || prefix > 32)
            return usage(text);
        if (prefix < kWidestPrefix)
            return image::Failure{
                QCoreApplication::translate("Link", "faixa grande demais: %1 (no máximo /%2, %3 endereços)")
                    .arg(text)
                    .arg(kWidestPrefix)
                    .arg(kMostAddresses)};
        const quint32 mask = prefix == 0 ? 0 : ~quint32(0) << (32 - prefix);
        Range range{*base & mask, (*base & mask) | ~mask};
        if (prefix <= 30) {
            ++range.first;
            --range.last;
        }
        return range;
    }
    const qsizetype dash = text.indexOf(u'-');
    const std::optional<quint32> first = dash > 0 ? ipv4(text.left(dash)) : std::nullopt;
    const std::optional<quint32> last = dash > 0 ? ipv4(text.mid(dash + 1)) : std::nullopt;
    if (!first || !last)
        return usage(text);
    if (*last < *first)
        return image::Failure{
            QCoreApplication::translate("Link", "faixa invertida: %1 (o primeiro endereço vem antes do último)")
                .arg(text)};
    if (*last - *first >= kMostAddresses)
        return image::Failure{QCoreApplication::translate("Link", "faixa grande demais: %1 (no máximo %2 endereços)")
                                  .arg(text)
                                  .arg(kMostAddresses)};
    return Range{*first, *last};
}

} // namespace addressrange
