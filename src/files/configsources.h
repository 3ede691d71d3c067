#pragma once

#include "files/configfile.h"
#include "files/fleetfile.h"
#include "image/profile.h"

#include <QString>

#include <variant>

// The files the command line takes from the user, read whole and checked: a profile (any INI text
// with the five company sections, ConfDefault.ini or a configuration file), a configuration file
// and a fleet file. Errors are Portuguese texts that name the file and, where there is one, the line.

struct FileError {
    QString text;
};

// At most kMaxInputFileSize bytes.
std::variant<QByteArray, FileError> readInputFile(const QString& path);
constexpr qint64 kMaxInputFileSize = 4 * 1024 * 1024;

std::variant<image::Profile, FileError> loadProfile(const QString& path);
std::variant<ConfigFile, FileError> loadConfigFile(const QString& path);
std::variant<FleetFile, FileError> loadFleetFile(const QString& path);
