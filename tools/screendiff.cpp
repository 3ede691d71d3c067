// Compares two folders of screenshots pixel for pixel, so that a change meant to keep the window's
// look can show that it did. Usage: hxscreendiff <reference folder> <new folder>
// Prints one line per PNG of the reference folder; exits with 1 when any image differs or is missing.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QRect>
#include <QTextStream>

namespace
{

// Number of differing pixels and the rectangle around them; -1 when the sizes differ.
qsizetype differingPixels(const QImage& a, const QImage& b, QRect* where)
{
    if (a.size() != b.size())
        return -1;
    const QImage left = a.convertToFormat(QImage::Format_ARGB32);
    const QImage right = b.convertToFormat(QImage::Format_ARGB32);
    qsizetype count = 0;
    QRect box;
    for (int y = 0; y < left.height(); ++y) {
        const auto* l = reinterpret_cast<const QRgb*>(left.constScanLine(y));
        const auto* r = reinterpret_cast<const QRgb*>(right.constScanLine(y));
        for (int x = 0; x < left.width(); ++x) {
            if (l[x] != r[x]) {
                ++count;
                box |= QRect(x, y, 1, 1);
            }
        }
    }
    *where = box;
    return count;
}

} // namespace

int main(int argc, char* argv[])
{
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc != 3) {
        out << "usage: hxscreendiff <reference folder> <new folder>\n";
        return 2;
    }
    const QDir reference(QString::fromLocal8Bit(argv[1]));
    const QDir fresh(QString::fromLocal8Bit(argv[2]));
    const QStringList names = reference.entryList({QStringLiteral("*.png")}, QDir::Files, QDir::Name);
    if (names.isEmpty()) {
        out << "no PNG files in " << reference.path() << '\n';
        return 2;
    }
    int differing = 0;
    for (const QString& name : names) {
        const QImage before(reference.filePath(name));
        const QImage after(fresh.filePath(name));
        QRect where;
        const qsizetype count = after.isNull() ? -2 : differingPixels(before, after, &where);
        if (count == 0) {
            out << name << ": identical (" << before.width() << 'x' << before.height() << ")\n";
            continue;
        }
        ++differing;
        if (count == -2)
            out << name << ": missing or unreadable in " << fresh.path() << '\n';
        else if (count == -1)
            out << name << ": size " << after.width() << 'x' << after.height() << " instead of " << before.width()
                << 'x' << before.height() << '\n';
        else
            out << name << ": " << count << " pixels differ, within " << where.width() << 'x' << where.height()
                << " at " << where.x() << ',' << where.y() << '\n';
    }
    out << names.size() - differing << " of " << names.size() << " images identical\n";
    return differing == 0 ? 0 : 1;
}
