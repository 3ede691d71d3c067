#include "link/fleetchecks.h"

#include "image/checks.h"
#include "image/imagebuffer.h"
#include "image/readable.h"

#include <QCoreApplication>

namespace
{

// The fields whose value the terminal's profile leaves to what the terminal holds.
QList<const image::Field*> unknownFields(const image::Profile& profile)
{
    QList<const image::Field*> unknown;
    for (const image::Field* field : image::keyedFields()) {
        if (image::profileValue(profile, image::sectionOf(*field), image::keyOf(*field)).isEmpty())
            unknown.append(field);
    }
    return unknown;
}

bool allKnown(const image::Problem& problem, const QList<const image::Field*>& unknown)
{
    return std::none_of(problem.basis.begin(), problem.basis.end(),
                        [&unknown](const image::Field* f) { return unknown.contains(f); });
}

} // namespace

FleetCheck checkFleetPlan(const FleetPlan& plan)
{
    FleetCheck out;
    const QByteArray neutral = image::blankReadImage();
    QList<image::FleetMember> members;
    QList<int> lines;
    QStringList addresses;
    for (const FleetTerminal& terminal : plan.terminals) {
        const image::ApplyResult applied = image::applyProfile(neutral, terminal.profile);
        image::FleetMember member{applied.image, unknownFields(terminal.profile)};
        const QString where =
            QCoreApplication::translate("Link", "linha %1 (%2)").arg(terminal.line).arg(terminal.address);
        for (const image::Problem& p : image::checkImage(applied.image)) {
            if (!allKnown(p, member.unknown))
                continue;
            (p.severity == image::Severity::Error ? out.errors : out.warnings)
                .append(QStringLiteral("%1: %2").arg(where, image::problemLine(p)));
        }
        members.append(member);
        lines.append(terminal.line);
        addresses.append(terminal.address);
    }
    for (const image::FleetProblem& p : image::checkFleet(members)) {
        QList<qsizetype> rows;
        for (int m : p.members)
            rows.append(m);
        const image::Field& f = *p.field;
        (p.severity == image::Severity::Error ? out.errors : out.warnings)
            .append(QStringLiteral("%1: %2 / %3 [%4.%5]: %6: %7")
                        .arg(rowsText(rows, lines, addresses), image::pageOf(f), image::captionOf(f),
                             image::sectionOf(f), image::keyOf(f), image::severityName(p.severity), p.message));
    }
    return out;
}
