#pragma once

#include <QString>

// The CMake build tree a path lies in: the nearest folder, the path itself or one above it, that
// holds a CMakeCache.txt; empty when there is none. The path need not exist yet. A build tree is
// thrown away with `rm -rf build`, and whatever the tool keeps in it goes with it.
QString enclosingBuildTree(const QString& path);
