#include "problems.h"
#include "clitext.h"

#include "report.h"

#include "image/readable.h"
#include "image/writeprep.h"

#include <QJsonObject>

namespace problems
{
namespace
{

QJsonObject problemJson(const image::Problem& p)
{
    return {{QStringLiteral("section"), image::sectionOf(*p.field)},
            {QStringLiteral("key"), image::keyOf(*p.field)},
            {QStringLiteral("page"), image::pageOf(*p.field)},
            {QStringLiteral("caption"), image::captionOf(*p.field)},
            {QStringLiteral("severity"), image::severityKey(p.severity)},
            {QStringLiteral("message"), p.message},
            {QStringLiteral("suggestion"), p.suggestion}};
}

// The same problem: the same field and the same words (values included).
bool sameProblem(const image::Problem& a, const image::Problem& b)
{
    return a.field == b.field && a.severity == b.severity && a.message == b.message;
}

} // namespace

QJsonArray json(const QList<image::Problem>& problems)
{
    QJsonArray list;
    for (const image::Problem& p : problems)
        list.append(problemJson(p));
    return list;
}

QJsonArray json(const QList<Found>& found)
{
    QJsonArray list;
    for (const Found& f : found) {
        QJsonObject object = problemJson(f.problem);
        object.insert(QStringLiteral("already"), f.already);
        list.append(object);
    }
    return list;
}

QString foundLine(const Found& found)
{
    return QStringLiteral("%1 (%2)").arg(image::problemLine(found.problem),
                                         found.already ? Cli::tr("já estava no terminal") : Cli::tr("novo"));
}

WritePlanner checked(WritePlanner planner, const QString& newPassword, bool force, std::shared_ptr<WriteCheck> record)
{
    return [planner = std::move(planner), newPassword, force, record](const QByteArray& read) {
        WritePlan plan = planner(read);
        record->found.clear();
        record->refused = false;
        if (!plan.refusal.isEmpty())
            return plan;
        const QByteArray asRead = image::workingCopyAfterRead(read);
        const QList<image::Problem> before = image::checkImage(asRead);
        const QByteArray sent = image::prepareWrite(plan.image, newPassword).image;
        const QList<image::Problem> after = image::checkImage(sent, asRead);
        for (const image::Problem& p : after) {
            const bool already =
                std::any_of(before.begin(), before.end(), [&p](const image::Problem& b) { return sameProblem(p, b); });
            record->found.append({p, already});
        }
        const int errors = image::errorCount(after);
        if (errors > 0 && !force) {
            record->refused = true;
            plan.refusal = Cli::tr("a configuração a gravar tem %1 erro(s); nada foi enviado (--force grava "
                                   "mesmo assim)")
                               .arg(errors);
        }
        return plan;
    };
}

void printFound(const QString& where, const WriteCheck& record)
{
    // Errors first, each of them; of the warnings only what the write brings: what the terminal
    // already had stays in the JSON result, not on every run's standard error.
    for (const image::Severity severity : {image::Severity::Error, image::Severity::Warning}) {
        for (const Found& f : record.found) {
            if (f.problem.severity == severity && (severity == image::Severity::Error || !f.already))
                report::error(where, foundLine(f));
        }
    }
}

} // namespace problems
