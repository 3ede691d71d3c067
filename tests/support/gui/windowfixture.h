#pragma once

#include "recordedpause.h"
#include "scripteddialogs.h"
#include "ui/tfmvarnel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <memory>

// A main window on a temporary program directory, with scripted dialogs and recorded pauses.
class WindowFixture
{
public:
    WindowFixture();
    ~WindowFixture();

    QString settingsDir() const { return m_settingsDir.isEmpty() ? m_dir.path() + QLatin1Char('/') : m_settingsDir; }
    QString tempDir() const { return m_dir.path(); }
    // Another program directory (with its trailing separator), set before create().
    void setSettingsDir(const QString& dir) { m_settingsDir = dir; }
    // What the first start finds as the PC's addresses; set before create().
    QString localAddresses = QStringLiteral("192.168.0.15");
    QString path(const QString& name) const { return settingsDir() + name; }
    void writeFile(const QString& name, const QByteArray& bytes) const;
    QByteArray readFile(const QString& name) const;

    // Creates the window and runs its start-up.
    TfmVarnel& create(bool formCreate = true);
    TfmVarnel& w() { return *m_window; }

    template <class T> T* find(const char* name) const { return m_window->findChild<T*>(QString::fromLatin1(name)); }
    QLineEdit* edit(const char* name) const { return find<QLineEdit>(name); }
    QComboBox* combo(const char* name) const { return find<QComboBox>(name); }
    QCheckBox* check(const char* name) const { return find<QCheckBox>(name); }
    QRadioButton* radio(const char* name) const { return find<QRadioButton>(name); }
    QPushButton* button(const char* name) const { return find<QPushButton>(name); }
    QString status() const { return find<QLabel>("lbConectado")->text(); }
    // What the editor shows, field by field (TfmVarnel::shownValue), then both copies in hexadecimal.
    QStringList editorState() const;

    // The enabled state of the seven command buttons, as a string of 0 and 1 in the order
    // PedeStatus, Ler, Desbloqueio, Gravar, Default, Reboot, Log Conf.
    QString buttons() const;

    // Types the address and presses "Conectar"; true once the link reports "Conectado".
    bool connectTo(const QString& address);
    // Waits until the status label shows the text (about 5 s at most).
    bool waitStatus(const QString& text);
    // Connects, asks the status and reads the configuration with the password.
    bool connectAndRead(const QString& address, const QString& password);
    bool unlock();

    ScriptedDialogs dialogs;
    RecordedPause pause;

private:
    QTemporaryDir m_dir;
    QString m_settingsDir;
    std::unique_ptr<TfmVarnel> m_window;
};

// The image as a terminal sends it in its read reply: 0x82, 'F', then the given bytes.
QByteArray readReply(const QByteArray& configuration = QByteArray(258, '\0'));
