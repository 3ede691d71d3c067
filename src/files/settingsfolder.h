#pragma once

#include <QString>

// The tool's folder, which holds the settings file ConfDefault.ini: beside the program when it
// runs portable, the user's own folder when it is installed (see tooldirectory.h).
QString settingsFolder();

// Where backups go unless the user names a folder: "Backups" in the tool's folder.
QString defaultBackupFolder();
