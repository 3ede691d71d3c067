#include "clifixtures.h"

#include "image/layout.h"
#include "image/readable.h"
#include "terminalstate.h"

#include <QFile>
#include <QRegularExpression>

#include <sys/stat.h>

namespace clifixtures
{

QString writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return {};
    return path;
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

int unixMode(const QString& path)
{
    struct stat info {
    };
    if (::stat(QFile::encodeName(path).constData(), &info) != 0)
        return -1;
    return int(info.st_mode & 07777);
}

QByteArray startImage()
{
    return initialState(kPassword.toLatin1()).image;
}

QByteArray withText(QByteArray image, std::string_view control, const QByteArray& text)
{
    const image::Field* field = image::fieldOf(control);
    for (int i = 0; i < field->width; ++i)
        image[field->first + i] = i < text.size() ? text.at(i) : '\0';
    return image;
}

ConfigFile parsedConfig(const QByteArray& bytes)
{
    auto result = parseConfigFile(bytes);
    if (result)
        return std::move(result).value();
    return {};
}

QString backupNamedIn(const QString& text)
{
    static const QRegularExpression named(QStringLiteral("cópia de segurança: ([^\\n)]+)"));
    const QRegularExpressionMatch m = named.match(text);
    return m.hasMatch() ? m.captured(1) : QString();
}

QStringList imageArgs(const QString& path, const QByteArray& image)
{
    writeFile(path, image);
    return {QStringLiteral("--image"), path};
}

QString shownValue(const QByteArray& image, std::string_view control)
{
    return image::readableValue(*image::fieldOf(control), image);
}

QList<QStringList> tableCells(const QString& text)
{
    static const QRegularExpression gap(QStringLiteral(" {2,}"));
    QList<QStringList> rows;
    for (const QString& line : text.split(u'\n', Qt::SkipEmptyParts))
        rows.append(line.split(gap));
    return rows;
}

} // namespace clifixtures
