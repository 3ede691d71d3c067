#pragma once

#include <QString>

// The folder that holds the settings file ConfDefault.ini; everything the command line keeps
// beside it (the backups) follows it. For now it is the program's own directory.
QString settingsFolder();

// Where backups go unless the user names a folder: "Backups" beside the settings file.
QString defaultBackupFolder();
