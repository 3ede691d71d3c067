#include "image/checks.h"

#include "image/controlname.h"
#include "image/readable.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>
#include <QStringList>

#include <algorithm>
#include <bit>

namespace image
{
namespace
{

constexpr int kRoleClient = 1;
constexpr int kRoleServer = 2;
constexpr int kRoleSystem = 3;
constexpr int kProtocolTelNet = 2;
constexpr int kCnpjDigits = 14;

const QString& ipv4Hint()
{
    static const QString hint = QCoreApplication::translate("Checks", "quatro números de 0 a 255 separados por pontos");
    return hint;
}

int byteAt(const QByteArray& image, int i)
{
    return i < image.size() ? static_cast<unsigned char>(image.at(i)) : 0;
}

// The one row whose control or rule plays this part; the table has exactly one of each.
const Field& rowOf(ControlName control)
{
    return control.field();
}

const Field& codeRow(Rule rule)
{
    const auto rows = layout();
    return *std::find_if(rows.begin(), rows.end(), [rule](const Field& f) { return f.rule == rule; });
}

const Field& ipLocalRow()
{
    return ipLocalField();
}
const Field& ipRemoteRow()
{
    return rowOf("VIpRemoto");
}
const Field& gatewayRow()
{
    return rowOf("VGateway");
}
const Field& portLocalRow()
{
    return rowOf("VPortaLocal");
}
const Field& portRemoteRow()
{
    return rowOf("VPortaRemota");
}
const Field& maskRow()
{
    const auto rows = layout();
    return *std::find_if(rows.begin(), rows.end(), [](const Field& f) { return f.content == Content::Mask; });
}
const Field& radioRow()
{
    return rowOf("cbInterface2G");
}
const Field& terminalNumberRow()
{
    return rowOf("cbNumTerm");
}
const Field& channelRow()
{
    return rowOf("cbCanalBase");
}

// The role as the editor's buttons show it: 1..3, or 0 for none.
int roleOf(const QByteArray& image)
{
    const int byte = byteAt(image, codeRow(Rule::TcpRole).first);
    return byte >= kRoleClient && byte <= kRoleSystem ? byte : 0;
}

bool telNetOf(const QByteArray& image)
{
    return byteAt(image, codeRow(Rule::Protocol).first) >= kProtocolTelNet;
}

std::optional<quint32> addressIn(const Field& field, const QByteArray& image)
{
    return parseIpv4(readableValue(field, image));
}

std::optional<int> portIn(const Field& field, const QByteArray& image)
{
    const QString text = readableValue(field, image);
    static const QRegularExpression digits(QStringLiteral("^[0-9]{1,5}$"));
    if (!digits.match(text).hasMatch())
        return std::nullopt;
    const int port = text.toInt();
    return port <= 65535 ? std::optional<int>(port) : std::nullopt;
}

quint32 maskOfLength(int length)
{
    return length == 0 ? 0u : ~quint32(0) << (32 - length);
}

// A mask fit to divide addresses: contiguous and not 0.0.0.0.
struct Network {
    quint32 address = 0;
    int length = 0;
    quint32 mask() const { return maskOfLength(length); }
    quint32 broadcast() const { return address | ~mask(); }
    bool contains(quint32 ip) const { return (ip & mask()) == address; }
    QString text() const { return QStringLiteral("%1/%2").arg(ipv4Text(address)).arg(length); }
    // "um endereço de 192.168.0.1 a 192.168.0.254"
    QString hostRange() const
    {
        if (length > 30)
            return QCoreApplication::translate("Checks", "uma máscara mais curta, como 255.255.255.0");
        return QCoreApplication::translate("Checks", "um endereço de %1 a %2")
            .arg(ipv4Text(address + 1), ipv4Text(broadcast() - 1));
    }
};

std::optional<Network> networkOf(quint32 ip, const QByteArray& image)
{
    const std::optional<quint32> mask = addressIn(maskRow(), image);
    if (!mask || *mask == 0)
        return std::nullopt;
    const std::optional<int> length = maskLength(*mask);
    if (!length)
        return std::nullopt;
    return Network{ip & *mask, *length};
}

bool isDigits(const QString& text)
{
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); });
}

class Checker
{
public:
    explicit Checker(const QByteArray& image) : m_image(image) {}

    QString value(const Field& field) const { return readableValue(field, m_image); }

    void add(const Field& field, Severity severity, const QString& message, const QString& suggestion = {},
             QList<const Field*> others = {})
    {
        QList<const Field*> basis{&field};
        basis.append(others);
        m_problems.append({&field, severity, message, suggestion, basis});
    }

    void content(const Field& field)
    {
        switch (field.content) {
        case Content::Address:
        case Content::Mask:
            return address(field);
        case Content::Port:
            return port(field);
        case Content::Digits:
            if (const QString text = value(field); !isDigits(text))
                add(field, Severity::Error,
                    QCoreApplication::translate("Checks", "\"%1\" deve ter só algarismos").arg(text));
            return;
        case Content::Cnpj:
            return cnpj(field);
        case Content::Free:
            return;
        }
    }

    void address(const Field& field)
    {
        const QString text = value(field);
        const std::optional<quint32> parsed = parseIpv4(text);
        if (!parsed) {
            add(field, Severity::Error,
                text.isEmpty()
                    ? QCoreApplication::translate("Checks", "vazio; é preciso um endereço IPv4 (%1)").arg(ipv4Hint())
                    : QCoreApplication::translate("Checks", "\"%1\" não é um endereço IPv4 (%2)").arg(text, ipv4Hint()),
                field.content == Content::Mask ? QStringLiteral("255.255.255.0") : QString());
            return;
        }
        if (field.content != Content::Mask)
            return;
        if (*parsed == 0) {
            add(field, Severity::Error,
                QCoreApplication::translate("Checks", "a máscara 0.0.0.0 não delimita rede alguma"),
                QStringLiteral("255.255.255.0"));
        } else if (!maskLength(*parsed)) {
            const int leadingOnes = std::countl_one(*parsed);
            add(field, Severity::Error,
                QCoreApplication::translate("Checks",
                                            "a máscara %1 não é contígua (todos os bits 1 devem vir antes dos bits 0)")
                    .arg(text),
                ipv4Text(maskOfLength(leadingOnes)));
        }
    }

    void port(const Field& field)
    {
        if (portIn(field, m_image))
            return;
        const QString text = value(field);
        add(field, Severity::Error,
            text.isEmpty()
                ? QCoreApplication::translate("Checks", "vazia; é preciso uma porta (um número de 0 a 65535)")
                : QCoreApplication::translate("Checks", "\"%1\" não é uma porta (um número de 0 a 65535)").arg(text));
    }

    void cnpj(const Field& field)
    {
        const QString text = value(field);
        if (text.isEmpty())
            return;
        QString digits = text;
        digits.remove(QRegularExpression(QStringLiteral("[./-]")));
        if (digits != text && isDigits(digits)) {
            add(field, Severity::Warning,
                QCoreApplication::translate("Checks", "escreva o CNPJ só com algarismos, sem pontos, barra ou traço"),
                digits);
        }
        if (digits.size() != kCnpjDigits || !isDigits(digits)) {
            add(field, Severity::Warning,
                QCoreApplication::translate("Checks", "o CNPJ \"%1\" não tem 14 algarismos").arg(text));
            return;
        }
        const QString check = cnpjCheckDigits(digits.left(12));
        if (digits.right(2) != check) {
            add(field, Severity::Warning,
                QCoreApplication::translate("Checks", "os dígitos verificadores do CNPJ %1 não conferem").arg(digits),
                QCoreApplication::translate("Checks",
                                            "confira o número; com estes 12 primeiros algarismos o CNPJ seria %1%2")
                    .arg(digits.left(12), check));
        }
    }

    void advice(const Field& field)
    {
        const QString text = value(field);
        if (field.advised > 0 && text.size() > field.advised) {
            add(field, Severity::Warning,
                QCoreApplication::translate("Checks", "tem %1 caracteres; a dica aconselha no máximo %2")
                    .arg(text.size())
                    .arg(field.advised));
        }
        if (field.telNetOnly && !text.isEmpty() && !(roleOf(m_image) == kRoleSystem && telNetOf(m_image))) {
            add(field, Severity::Warning,
                QCoreApplication::translate(
                    "Checks", "o terminal só envia este valor com Conexão TCP \"System\" e protocolo \"TelNet\""),
                {}, {&codeRow(Rule::TcpRole), &codeRow(Rule::Protocol)});
        }
    }

    // A setting changed from what the terminal holds while the flag that puts it to use is off.
    void unused(const Field& field, const QByteArray& before)
    {
        if (field.usedWhen == 0 || byteAt(m_image, field.usedWhen) != 0)
            return;
        if (valueText(field, m_image) == valueText(field, before))
            return;
        const Field& flag = *std::find_if(layout().begin(), layout().end(),
                                          [&field](const Field& f) { return f.first == field.usedWhen; });
        const QString caption = captionOf(flag);
        add(field, Severity::Warning,
            QCoreApplication::translate(
                "Checks", "alterado com \"%1\" desmarcado: o terminal só usa este valor com \"%1\" marcado")
                .arg(caption),
            QCoreApplication::translate("Checks", "marque \"%1\" ou desfaça a alteração").arg(caption), {&flag});
    }

    void network()
    {
        const Field& ipRow = ipLocalRow();
        const Field& mask = maskRow();
        const std::optional<quint32> ip = addressIn(ipRow, m_image);
        std::optional<Network> net;
        if (ip && *ip == 0) {
            add(ipRow, Severity::Error, QCoreApplication::translate("Checks", "o IP Local não pode ser 0.0.0.0"));
        } else if (ip) {
            net = networkOf(*ip, m_image);
            if (net && *ip == net->address) {
                add(ipRow, Severity::Error,
                    QCoreApplication::translate("Checks", "%1 é o endereço da própria rede %2")
                        .arg(ipv4Text(*ip), net->text()),
                    net->hostRange(), {&mask});
            } else if (net && *ip == net->broadcast()) {
                add(ipRow, Severity::Error,
                    QCoreApplication::translate("Checks", "%1 é o endereço de broadcast da rede %2")
                        .arg(ipv4Text(*ip), net->text()),
                    net->hostRange(), {&mask});
            }
        }

        const Field& gwRow = gatewayRow();
        const std::optional<quint32> gateway = addressIn(gwRow, m_image);
        if (!gateway || *gateway == 0 || !ip || *ip == 0)
            return;
        if (*gateway == *ip) {
            add(gwRow, Severity::Error,
                QCoreApplication::translate("Checks", "o Gateway é o próprio IP Local (%1)").arg(ipv4Text(*ip)),
                QCoreApplication::translate("Checks", "o endereço do roteador da rede, ou 0.0.0.0 sem roteador"),
                {&ipRow});
        } else if (net && !net->contains(*gateway)) {
            add(gwRow, Severity::Error,
                QCoreApplication::translate("Checks", "o Gateway %1 está fora da rede do IP Local (%2)")
                    .arg(ipv4Text(*gateway), net->text()),
                QCoreApplication::translate("Checks", "%1, ou 0.0.0.0 sem roteador").arg(net->hostRange()),
                {&ipRow, &mask});
        }
    }

    void role()
    {
        const Field& roleRow = codeRow(Rule::TcpRole);
        const int role = roleOf(m_image);
        if (role == kRoleClient) {
            if (const auto remote = addressIn(ipRemoteRow(), m_image); remote && *remote == 0) {
                add(ipRemoteRow(), Severity::Error,
                    QCoreApplication::translate("Checks",
                                                "com Conexão TCP \"Client\" o IP Remoto não pode ser 0.0.0.0"),
                    QCoreApplication::translate("Checks", "o endereço do servidor ao qual o terminal se conecta"),
                    {&roleRow});
            }
            if (const auto port = portIn(portRemoteRow(), m_image); port && *port == 0) {
                add(portRemoteRow(), Severity::Error,
                    QCoreApplication::translate("Checks", "com Conexão TCP \"Client\" a Porta Remota não pode ser 0"),
                    QCoreApplication::translate("Checks", "a porta do servidor ao qual o terminal se conecta"),
                    {&roleRow});
            }
        } else if (role == kRoleServer) {
            if (const auto port = portIn(portLocalRow(), m_image); port && *port == 0) {
                add(portLocalRow(), Severity::Error,
                    QCoreApplication::translate("Checks", "com Conexão TCP \"Server\" a Porta Local não pode ser 0"),
                    QCoreApplication::translate("Checks", "a porta em que o terminal aceita conexões, de 1 a 65535"),
                    {&roleRow});
            }
        }
    }

    QList<Problem> problems() const
    {
        QList<Problem> sorted = m_problems;
        std::stable_sort(sorted.begin(), sorted.end(),
                         [](const Problem& a, const Problem& b) { return a.field->first < b.field->first; });
        return sorted;
    }

private:
    const QByteArray& m_image;
    QList<Problem> m_problems;
};

bool knows(const FleetMember& member, const Field& field)
{
    return !member.unknown.contains(&field);
}

} // namespace

QString severityName(Severity severity)
{
    return severity == Severity::Error ? QCoreApplication::translate("Checks", "erro")
                                       : QCoreApplication::translate("Checks", "aviso");
}

QString severityKey(Severity severity)
{
    return severity == Severity::Error ? QStringLiteral("error") : QStringLiteral("warning");
}

QString problemLine(const Problem& problem)
{
    const Field& f = *problem.field;
    QString line =
        QStringLiteral("%1 / %2 [%3.%4]: %5: %6")
            .arg(pageOf(f), captionOf(f), sectionOf(f), keyOf(f), severityName(problem.severity), problem.message);
    if (!problem.suggestion.isEmpty())
        line += QCoreApplication::translate("Checks", "; sugestão: ") + problem.suggestion;
    return line;
}

std::optional<quint32> parseIpv4(const QString& text)
{
    static const QRegularExpression dotted(
        QStringLiteral("^([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})\\.([0-9]{1,3})$"));
    const QRegularExpressionMatch match = dotted.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    quint32 address = 0;
    for (int i = 1; i <= 4; ++i) {
        const int part = match.captured(i).toInt();
        if (part > 255)
            return std::nullopt;
        address = (address << 8) | quint32(part);
    }
    return address;
}

QString ipv4Text(quint32 address)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(address >> 24)
        .arg((address >> 16) & 0xff)
        .arg((address >> 8) & 0xff)
        .arg(address & 0xff);
}

std::optional<int> maskLength(quint32 mask)
{
    const int ones = std::countl_one(mask);
    return mask == maskOfLength(ones) ? std::optional<int>(ones) : std::nullopt;
}

QString cnpjCheckDigits(const QString& twelveDigits)
{
    QString digits = twelveDigits;
    for (int round = 0; round < 2; ++round) {
        // Weights 2..9 from the right, starting over after 9.
        int sum = 0;
        for (qsizetype i = 0; i < digits.size(); ++i) {
            const int weight = 2 + int((digits.size() - 1 - i) % 8);
            sum += digits.at(i).digitValue() * weight;
        }
        const int rest = sum % 11;
        digits += QString::number(rest < 2 ? 0 : 11 - rest);
    }
    return digits.right(2);
}

QList<Problem> checkImage(const QByteArray& image, const QByteArray& before)
{
    Checker checker(image);
    for (const Field& field : layout()) {
        checker.content(field);
        checker.advice(field);
        if (!before.isEmpty())
            checker.unused(field, before);
    }
    checker.network();
    checker.role();
    return checker.problems();
}

bool hasErrors(const QList<Problem>& problems)
{
    return errorCount(problems) > 0;
}

int errorCount(const QList<Problem>& problems)
{
    return int(std::count_if(problems.begin(), problems.end(),
                             [](const Problem& p) { return p.severity == Severity::Error; }));
}

QList<FleetProblem> checkFleet(const QList<FleetMember>& members)
{
    QList<FleetProblem> problems;
    const Field& radio = radioRow();
    const Field& number = terminalNumberRow();
    const Field& channel = channelRow();
    const Field& ipRow = ipLocalRow();
    const Field& gwRow = gatewayRow();
    const Field& mask = maskRow();

    // The radio: one number per channel.
    QHash<int, QList<int>> onAir;
    QList<int> airOrder;
    for (int i = 0; i < members.size(); ++i) {
        const FleetMember& m = members.at(i);
        if (!knows(m, radio) || !knows(m, number) || !knows(m, channel) || byteAt(m.image, radio.first) == 0)
            continue;
        const int key = byteAt(m.image, channel.first) * 256 + byteAt(m.image, number.first);
        if (!onAir.contains(key))
            airOrder.append(key);
        onAir[key].append(i);
    }
    for (int key : std::as_const(airOrder)) {
        const QList<int>& group = onAir.value(key);
        if (group.size() < 2)
            continue;
        const QByteArray& image = members.at(group.first()).image;
        problems.append({Severity::Error, group, &number,
                         QCoreApplication::translate(
                             "Checks", "o mesmo %1 %2 no mesmo %3 %4 com \"%5\" marcado: os terminais interferem "
                                       "no ar")
                             .arg(captionOf(number), valueText(number, image), captionOf(channel),
                                  valueText(channel, image), captionOf(radio))});
    }

    // A terminal that takes the address another one sends its traffic to.
    for (int g = 0; g < members.size(); ++g) {
        if (!knows(members.at(g), gwRow))
            continue;
        const std::optional<quint32> gateway = addressIn(gwRow, members.at(g).image);
        if (!gateway || *gateway == 0)
            continue;
        for (int i = 0; i < members.size(); ++i) {
            if (i == g || !knows(members.at(i), ipRow))
                continue;
            if (addressIn(ipRow, members.at(i).image) == gateway) {
                problems.append(
                    {Severity::Error,
                     {i, g},
                     &ipRow,
                     QCoreApplication::translate("Checks", "o IP Local do primeiro (%1) é o Gateway do segundo")
                         .arg(ipv4Text(*gateway))});
            }
        }
    }

    // One fleet, one network.
    QStringList networks;
    QHash<QString, int> counts;
    QList<int> addressed;
    for (int i = 0; i < members.size(); ++i) {
        const FleetMember& m = members.at(i);
        if (!knows(m, ipRow) || !knows(m, mask))
            continue;
        const std::optional<quint32> ip = addressIn(ipRow, m.image);
        if (!ip || *ip == 0)
            continue;
        const std::optional<Network> net = networkOf(*ip, m.image);
        if (!net)
            continue;
        const QString text = net->text();
        if (!counts.contains(text))
            networks.append(text);
        ++counts[text];
        addressed.append(i);
    }
    if (networks.size() > 1) {
        QStringList parts;
        for (const QString& net : std::as_const(networks))
            parts.append(QStringLiteral("%1 (%2)").arg(net).arg(counts.value(net)));
        problems.append({Severity::Warning, addressed, &ipRow,
                         QCoreApplication::translate("Checks", "os IP Local estão em %1 redes diferentes: %2")
                             .arg(networks.size())
                             .arg(parts.join(QStringLiteral(", ")))});
    }
    return problems;
}

} // namespace image
