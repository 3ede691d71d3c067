#include "link/fleetplan.h"

#include "image/cp1252.h"
#include "image/layout.h"
#include "image/readable.h"
#include "link/frames.h"

#include <QHash>

#include <algorithm>

namespace
{

const image::Field& ipLocalField()
{
    return *image::fieldOf("VIpLocal");
}

// An image with nothing in it: values are checked on it, and what a profile sets shows on it.
QByteArray neutralImage()
{
    QByteArray image(image::kImageSize, '\0');
    image[0] = char(image::kStartByte);
    image[1] = 'F';
    return image;
}

// "linha 3", "linhas 3 e 7", "linhas 3, 7 e 9"
QString linesText(const QList<int>& lines)
{
    if (lines.size() == 1)
        return QStringLiteral("linha %1").arg(lines.first());
    QStringList numbers;
    for (int line : lines)
        numbers.append(QString::number(line));
    const QString last = numbers.takeLast();
    return QStringLiteral("linhas %1 e %2").arg(numbers.join(QStringLiteral(", ")), last);
}

// Groups of two or more rows that share a key, in the order of their first row.
QList<QList<qsizetype>> sharedGroups(const QStringList& keys)
{
    QHash<QString, QList<qsizetype>> rowsOf;
    QStringList order;
    for (qsizetype i = 0; i < keys.size(); ++i) {
        if (keys.at(i).isEmpty())
            continue;
        if (!rowsOf.contains(keys.at(i)))
            order.append(keys.at(i));
        rowsOf[keys.at(i)].append(i);
    }
    QList<QList<qsizetype>> groups;
    for (const QString& key : std::as_const(order)) {
        if (rowsOf.value(key).size() > 1)
            groups.append(rowsOf.value(key));
    }
    return groups;
}

// The rows by line and address; a long group by its first rows and how many more.
QString groupText(const QList<qsizetype>& group, const QList<int>& lines, const QStringList& addresses)
{
    constexpr qsizetype kNamed = 8;
    QList<int> groupLines;
    QStringList groupAddresses;
    for (qsizetype i : group.first(std::min(group.size(), kNamed))) {
        groupLines.append(lines.at(i));
        groupAddresses.append(addresses.at(i));
    }
    if (group.size() > kNamed) {
        QStringList numbers;
        for (int line : groupLines)
            numbers.append(QString::number(line));
        return QStringLiteral("linhas %1 e mais %2 (%3, ...)")
            .arg(numbers.join(QStringLiteral(", ")))
            .arg(group.size() - kNamed)
            .arg(groupAddresses.join(QStringLiteral(", ")));
    }
    return QStringLiteral("%1 (%2)").arg(linesText(groupLines), groupAddresses.join(QStringLiteral(", ")));
}

} // namespace

QString rowsText(const QList<qsizetype>& rows, const QList<int>& lines, const QStringList& addresses)
{
    return groupText(rows, lines, addresses);
}

QString ipLocalOf(const QByteArray& image)
{
    return image::readableValue(ipLocalField(), image);
}

QStringList sharedIpLocals(const QList<int>& lines, const QStringList& addresses, const QStringList& ipLocals)
{
    QStringList texts;
    for (const QList<qsizetype>& group : sharedGroups(ipLocals)) {
        texts.append(QStringLiteral("%1: o mesmo IP Local %2")
                         .arg(groupText(group, lines, addresses), ipLocals.at(group.first())));
    }
    return texts;
}

FleetPlan planFleet(const FleetFile& file, const FleetDefaults& defaults)
{
    FleetPlan plan;
    const QByteArray neutral = neutralImage();
    const QList<image::ProfileProblem> profileProblems = image::applyProfile(neutral, defaults.profile).problems;
    for (const image::ProfileProblem& problem : profileProblems)
        plan.problems.append(QStringLiteral("perfil: %1").arg(problem.text()));

    QList<int> lines;
    QStringList addresses;
    QStringList canonical;
    QStringList ipLocals;
    const image::Field& ipField = ipLocalField();
    for (const FleetRow& row : file.rows) {
        const QString where = QStringLiteral("linha %1 (%2)").arg(row.line).arg(row.address);
        FleetTerminal terminal;
        terminal.line = row.line;
        terminal.address = row.address;
        const std::optional<Endpoint> endpoint = parseAddress(row.address);
        if (endpoint)
            terminal.endpoint = *endpoint;
        else
            plan.problems.append(
                QStringLiteral("linha %1: endereço inválido: %2 (IPv4 ou host:porta)").arg(row.line).arg(row.address));

        const QString password = row.password.isEmpty() ? cp1252::decode(defaults.password) : row.password;
        terminal.password = cp1252::encode(password);
        if (password.isEmpty())
            plan.problems.append(QStringLiteral("%1: falta a senha (coluna password, --password, --password-file "
                                                "ou HXCONFIG_PASSWORD)")
                                     .arg(where));
        else if (const QString problem = frames::passwordProblem(terminal.password); !problem.isEmpty())
            plan.problems.append(QStringLiteral("%1: %2").arg(where, problem));

        terminal.newPassword = row.newPassword.isEmpty() ? defaults.newPassword : row.newPassword;
        if (!terminal.newPassword.isEmpty()) {
            if (const QString problem = frames::newPasswordProblem(terminal.newPassword); !problem.isEmpty())
                plan.problems.append(QStringLiteral("%1: %2").arg(where, problem));
        }

        terminal.profile = defaults.profile;
        for (const image::ProfileEntry& value : row.values)
            image::setProfileValue(terminal.profile, value.section, value.key, value.value);
        const image::ApplyResult applied = image::applyProfile(neutral, terminal.profile);
        for (const image::ProfileProblem& problem : applied.problems) {
            if (!profileProblems.contains(problem))
                plan.problems.append(QStringLiteral("%1: %2").arg(where, problem.text()));
        }

        lines.append(row.line);
        addresses.append(row.address);
        canonical.append(endpoint ? canonicalAddress(*endpoint) : QString());
        // As the field will hold it (a text cut at the field's width), whatever else is wrong.
        const QString ip = image::profileValue(terminal.profile, image::sectionOf(ipField), image::keyOf(ipField));
        ipLocals.append(
            ip.isEmpty()
                ? QString()
                : ipLocalOf(
                      image::applyProfile(neutral, {{image::sectionOf(ipField), image::keyOf(ipField), ip}}).image));
        plan.terminals.append(terminal);
    }

    for (const QList<qsizetype>& group : sharedGroups(canonical)) {
        plan.problems.append(QStringLiteral("%1: o mesmo terminal %2 em mais de uma linha")
                                 .arg(groupText(group, lines, addresses), canonical.at(group.first())));
    }
    const QString ipKey = QStringLiteral("%1.%2").arg(image::sectionOf(ipField), image::keyOf(ipField));
    const bool profileSetsIp =
        !image::profileValue(defaults.profile, image::sectionOf(ipField), image::keyOf(ipField)).isEmpty();
    for (const QString& shared : sharedIpLocals(lines, addresses, ipLocals)) {
        plan.problems.append(profileSetsIp ? QStringLiteral("%1; o perfil define %2 para todos: dê a cada terminal "
                                                            "o seu na coluna %2")
                                                 .arg(shared, ipKey)
                                           : shared);
    }
    if (!plan.problems.isEmpty())
        plan.terminals.clear();
    return plan;
}
