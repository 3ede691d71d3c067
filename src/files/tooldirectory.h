#pragma once

#include <QString>

#include <functional>

// The tool's folder: where the settings file ConfDefault.ini, LogCfg.txt, the open dialogs and
// the backups live. It is decided once at start-up.
//
// Portable: a program that runs from a folder the user may write to (the build folder, the demo, a
// copy on a USB stick), or from one that already holds its ConfDefault.ini, keeps everything
// beside itself.
// Installed: a program in a folder that belongs to the system keeps everything in the user's own
// folder, $XDG_CONFIG_HOME/hxconfig/ (by default ~/.config/hxconfig/). On the user's first start
// the administrator's company default is copied there, and the address history is seeded as the
// window's first start would do it.
namespace tooldir
{

// What the decision looks at; fromSystem() fills it in from the running process.
struct Surroundings {
    QString programDir;      // the running program's directory, with its trailing separator
    QString installedBinDir; // where the package puts its programs: a program there is installed
    QString configHome;      // $XDG_CONFIG_HOME; used only when it is an absolute path
    QString home;            // the user's home directory, for the default ~/.config
    QString adminDefault;    // the administrator's company default (/etc/hxconfig/ConfDefault.ini)
    // Whether this process may create files in an existing directory.
    std::function<bool(const QString& dir)> writable;
};

enum class Mode { Portable, Installed };

struct ToolDirectory {
    Mode mode = Mode::Portable;
    QString path; // with its trailing separator

    QString settingsPath() const;
};

QString settingsFileName();

// The running process: its environment, the paths the build was configured with and the
// effective user's permissions.
Surroundings fromSystem(const QString& programDir);

// Decides portable or installed. Looks only: creates and writes nothing.
ToolDirectory decide(const Surroundings& where);

// Decides, and for an installed program makes the folder ready: creates it (owner only) when it is
// missing, and when the user has no settings file yet copies the administrator's company default
// there without the sections that belong to one user (the address history and the logo path), then
// seeds the address history from localAddresses(). Without an administrator's default the folder
// stays empty and the window's own first start creates the file. Failures are left to the first
// write of the window, which reports them; a portable program's folder is never touched.
ToolDirectory prepare(const Surroundings& where, const std::function<QString()>& localAddresses);

} // namespace tooldir
