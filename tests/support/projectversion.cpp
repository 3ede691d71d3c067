#include "projectversion.h"

#include <QFile>
#include <QRegularExpression>

QString projectVersion()
{
    QFile file(QStringLiteral(HX_TOP_CMAKELISTS));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    static const QRegularExpression project(QStringLiteral("^project\\(hxconfig VERSION ([0-9.]+) "),
                                            QRegularExpression::MultilineOption);
    return project.match(QString::fromUtf8(file.readAll())).captured(1);
}
