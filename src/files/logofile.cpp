#include "files/logofile.h"

#include "files/textline.h"
#include "image/layout.h"

#include <QCoreApplication>
#include <QFile>

namespace
{

constexpr int kLines = 40;
constexpr int kGroups = 6;
constexpr int kGroupWidth = 3;
// Only the first 17 characters of a line matter; the rest is skipped without being kept.
constexpr qint64 kKeptPerLine = 64;

int hexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

} // namespace

image::Outcome<void> readLogoFile(const QString& path, LogoData& logo)
{
    const auto fail = [](const QString& text, int line = 0) { return image::Failure{text, line}; };
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(QCoreApplication::translate("Files", "não foi possível abrir o arquivo"));
    std::size_t target = 0;
    for (int lineNo = 0; lineNo < kLines; ++lineNo) {
        QByteArray line;
        if (!readTextLine(file, line, kKeptPerLine))
            return fail(
                QCoreApplication::translate("Files", "linha %1: o arquivo acaba na linha %2; são necessárias 40 linhas")
                    .arg(lineNo + 1)
                    .arg(lineNo),
                lineNo + 1);
        for (int group = 0; group < kGroups; ++group) {
            const int at = group * kGroupWidth;
            if (line.size() < at + 2)
                return fail(
                    QCoreApplication::translate("Files", "linha %1: tem %2 pares, não 6").arg(lineNo + 1).arg(group),
                    lineNo + 1);
            const int high = hexDigit(line.at(at));
            const int low = hexDigit(line.at(at + 1));
            if (high < 0 || low < 0)
                return fail(
                    QCoreApplication::translate("Files", "linha %1: \"%2\" não é um par hexadecimal (coluna %3)")
                        .arg(lineNo + 1)
                        .arg(QString::fromLatin1(line.mid(at, 2)))
                        .arg(at + 1),
                    lineNo + 1);
            logo[target++] = static_cast<std::uint8_t>(high * 16 + low);
        }
    }
    return {};
}

QByteArray buildLogoFrame(const QByteArray& workingCopy, const LogoData& logo)
{
    // A working copy shorter than the image counts as zeros where it ends.
    auto working = [&workingCopy](int i) { return i < workingCopy.size() ? workingCopy.at(i) : '\0'; };
    QByteArray frame(image::kImageSize, '\0');
    frame[0] = working(0);
    frame[1] = 'V';
    for (std::size_t k = 0; k < logo.size(); ++k)
        frame[static_cast<qsizetype>(k) + 2] = static_cast<char>(logo[k]);
    for (int i = 2 + static_cast<int>(logo.size()); i < image::kImageSize; ++i)
        frame[i] = working(i);
    return frame;
}
