#pragma once

#include "files/configfile.h"
#include "files/fleetfile.h"
#include "image/outcome.h"
#include "image/profile.h"

#include <QString>

// The files the command line takes from the user, read whole and checked: a profile (any INI text
// with the five company sections, ConfDefault.ini or a configuration file), a configuration file
// and a fleet file. A failure's text says in Portuguese what is wrong and names the file and, where
// there is one, the line (which is also the failure's `line`).

// At most kMaxInputFileSize bytes.
image::Outcome<QByteArray> readInputFile(const QString& path);
constexpr qint64 kMaxInputFileSize = 4 * 1024 * 1024;

image::Outcome<image::Profile> loadProfile(const QString& path);
image::Outcome<ConfigFile> loadConfigFile(const QString& path);
image::Outcome<FleetFile> loadFleetFile(const QString& path);
