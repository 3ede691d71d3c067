#pragma once

#include <QString>

// The tool's folder, which holds the settings file ConfDefault.ini: beside the program when it
// runs portable, the user's own folder when it is installed (see tooldirectory.h). The first call
// makes an installed program's folder ready (creates it, copies the administrator's default).
QString prepareSettingsFolder();

// Where backups go unless the user names a folder: "Backups" in the tool's folder.
QString defaultBackupFolder();
