#include "files/buildtree.h"

#include <QDir>
#include <QFileInfo>

QString enclosingBuildTree(const QString& path)
{
    if (path.isEmpty())
        return {};
    QString folder = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    for (;;) {
        if (QFileInfo(QDir(folder).filePath(QStringLiteral("CMakeCache.txt"))).isFile())
            return folder;
        const QString parent = QFileInfo(folder).path();
        if (parent == folder)
            return {};
        folder = parent;
    }
}
