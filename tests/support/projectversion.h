#pragma once

#include <QString>

// The release as project(hxconfig VERSION ...) in the top CMakeLists.txt names it, read from that
// file itself and not from the header the build generates from it; empty when the line is missing.
QString projectVersion();
