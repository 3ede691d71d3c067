#include "link/fleetplan.h"

#include "image/cp1252.h"
#include "image/imagebuffer.h"
#include "image/layout.h"
#include "image/readable.h"
#include "image/textfit.h"
#include "link/frames.h"

#include <QCoreApplication>
#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace
{

const image::Field& ipLocalField()
{
    return image::ipLocalField();
}

// "linha 3", "linhas 3 e 7", "linhas 3, 7 e 9"
QString linesText(const QList<int>& lines)
{
    if (lines.size() == 1)
        return QCoreApplication::translate("Link", "linha %1").arg(lines.first());
    QStringList numbers;
    for (int line : lines)
        numbers.append(QString::number(line));
    const QString last = numbers.takeLast();
    return QCoreApplication::translate("Link", "linhas %1 e %2").arg(numbers.join(QStringLiteral(", ")), last);
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
        return QCoreApplication::translate("Link", "linhas %1 e mais %2 (%3, ...)")
            .arg(numbers.join(QStringLiteral(", ")))
            .arg(group.size() - kNamed)
            .arg(groupAddresses.join(QStringLiteral(", ")));
    }
    return QStringLiteral("%1 (%2)").arg(linesText(groupLines), groupAddresses.join(QStringLiteral(", ")));
}

// Each text once, with every row that has it, in the order of its first row: fifty rows without a
// password make one line, not fifty.
QStringList groupedByText(const QList<QStringList>& textsOfRows, const QList<int>& lines, const QStringList& addresses)
{
    QHash<QString, QList<qsizetype>> rowsOf;
    QStringList order;
    for (qsizetype row = 0; row < textsOfRows.size(); ++row) {
        for (const QString& text : textsOfRows.at(row)) {
            if (!rowsOf.contains(text))
                order.append(text);
            rowsOf[text].append(row);
        }
    }
    QStringList texts;
    for (const QString& text : std::as_const(order))
        texts.append(QStringLiteral("%1: %2").arg(groupText(rowsOf.value(text), lines, addresses), text));
    return texts;
}

// A new password of five digits or fewer is, in a spreadsheet's export, most often a number that
// lost its leading zeros.
image::Outcome<void> checkNewPasswordInFleet(const QString& newPassword)
{
    const image::Outcome<void> fit = frames::checkNewPassword(newPassword);
    static const QRegularExpression digits(QStringLiteral("^\\d{1,5}$"));
    if (!fit && digits.match(newPassword).hasMatch())
        return image::Failure{fit.failure().text +
                              QCoreApplication::translate(
                                  "Link",
                                  "; uma planilha pode ter tirado o zero à esquerda: formate a coluna new_password "
                                  "como texto e digite a senha de novo")};
    return fit;
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
        texts.append(QCoreApplication::translate("Link", "%1: o mesmo IP Local %2")
                         .arg(groupText(group, lines, addresses), ipLocals.at(group.first())));
    }
    return texts;
}

FleetPlan planFleet(const FleetFile& file, const FleetDefaults& defaults)
{
    FleetPlan plan;
    const QByteArray neutral = image::blankReadImage();
    const QList<image::ProfileProblem> profileProblems = image::applyProfile(neutral, defaults.profile).problems;
    for (const image::ProfileProblem& problem : profileProblems)
        plan.problems.append(QCoreApplication::translate("Link", "perfil: %1").arg(problem.text()));
    for (const image::TextLoss& loss : image::textLosses(defaults.profile))
        plan.warnings.append(QCoreApplication::translate("Link", "perfil: %1").arg(loss.text()));
    QList<QStringList> rowLosses;

    QList<int> lines;
    QStringList addresses;
    QList<QStringList> rowProblems;
    QStringList canonical;
    QStringList ipLocals;
    const image::Field& ipField = ipLocalField();
    for (const FleetRow& row : file.rows) {
        QStringList problems;
        FleetTerminal terminal;
        terminal.line = row.line;
        terminal.address = row.address;
        const std::optional<Endpoint> endpoint = parseAddress(row.address);
        if (endpoint)
            terminal.endpoint = *endpoint;
        else
            problems.append(QCoreApplication::translate("Link", "endereço inválido (IPv4 ou host:porta)"));

        const QString password = row.password.isEmpty() ? cp1252::decode(defaults.password) : row.password;
        terminal.password = cp1252::encode(password);
        if (password.isEmpty())
            problems.append(
                QCoreApplication::translate("Link", "falta a senha (coluna password, --password, --password-file ou "
                                                    "HXCONFIG_PASSWORD)"));
        else if (const image::Outcome<void> fit = frames::checkPassword(terminal.password); !fit)
            problems.append(fit.failure().text);

        terminal.newPassword = row.newPassword.isEmpty() ? defaults.newPassword : row.newPassword;
        if (!terminal.newPassword.isEmpty()) {
            if (const image::Outcome<void> fit = checkNewPasswordInFleet(terminal.newPassword); !fit)
                problems.append(fit.failure().text);
        }

        terminal.profile = defaults.profile;
        for (const image::ProfileEntry& value : row.values)
            image::setProfileValue(terminal.profile, value);
        QStringList losses;
        for (const image::TextLoss& loss : image::textLosses(row.values))
            losses.append(loss.text());
        rowLosses.append(losses);
        const image::ApplyResult applied = image::applyProfile(neutral, terminal.profile);
        for (const image::ProfileProblem& problem : applied.problems) {
            if (!profileProblems.contains(problem))
                problems.append(problem.text());
        }
        rowProblems.append(problems);

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

    plan.problems += groupedByText(rowProblems, lines, addresses);
    for (const QList<qsizetype>& group : sharedGroups(canonical)) {
        plan.problems.append(QCoreApplication::translate("Link", "%1: o mesmo terminal %2 em mais de uma linha")
                                 .arg(groupText(group, lines, addresses), canonical.at(group.first())));
    }
    const QString ipKey = QStringLiteral("%1.%2").arg(image::sectionOf(ipField), image::keyOf(ipField));
    const bool profileSetsIp =
        !image::profileValue(defaults.profile, image::sectionOf(ipField), image::keyOf(ipField)).isEmpty();
    for (const QString& shared : sharedIpLocals(lines, addresses, ipLocals)) {
        plan.problems.append(
            profileSetsIp ? QCoreApplication::translate("Link", "%1; o perfil define %2 para todos: dê a cada terminal "
                                                                "o seu na coluna %2")
                                .arg(shared, ipKey)
                          : shared);
    }
    plan.warnings += groupedByText(rowLosses, lines, addresses);
    if (!plan.problems.isEmpty())
        plan.terminals.clear();
    return plan;
}
