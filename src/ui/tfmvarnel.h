#pragma once

#include "image/imagebuffer.h"
#include "image/profile.h"
#include "ui/blockingpause.h"

#include <QAbstractSocket>
#include <QDateTime>
#include <QMainWindow>
#include <QStringList>

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Dialogs;
class FieldBinder;
class ProblemMarkers;
class IniFile;
struct TerminalInfo;
class QTcpSocket;
class QLineEdit;
class QComboBox;
class QCheckBox;
class QRadioButton;
class QAbstractButton;

namespace Ui
{
class TfmVarnel;
}

// The main window: the link to one terminal, the five editor pages of its configuration image,
// the logo page, the command row and the File menu.
class TfmVarnel final : public QMainWindow
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmVarnel)

public:
    // settingsDir is the tool's folder (files/tooldirectory.h) with its trailing separator: the
    // settings file, LogCfg.txt, the backups and the open dialogs live there.
    TfmVarnel(const QString& settingsDir, Dialogs& dialogs, QWidget* parent = nullptr);
    ~TfmVarnel() override;

    const image::ImageBuffer& buffer() const { return m_image; }
    image::ImageBuffer& buffer() { return m_image; }
    bool loadingFlag() const { return m_loading; }
    void setLoadingFlag(bool on) { m_loading = on; }
    bool disconnectRequested() const { return m_disconnectRequest; }
    QString settingsDir() const { return m_settingsDir; }
    QString settingsPath() const;
    QString logoPath() const { return m_logoPath; }
    const std::array<std::uint8_t, 240>& logoData() const { return m_logo; }
    QTcpSocket* socket() const { return Config; }
    // Where the first start takes the PC's own addresses from; the host's interfaces by default.
    void setLocalAddressSource(std::function<QString()> source) { m_localAddresses = std::move(source); }
    // What blocks the GUI thread between a write and the reboot's unlock; a real sleep by default.
    void setBlockingPause(BlockingPause& pause) { m_pause = &pause; }
    // The time that names backups and exported files; the system clock by default.
    void setClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }
    // "Backups" beside the settings file: every read is saved there.
    QString backupFolder() const;

    // The handlers, public so that tests can run them the way the events do.
    void FormCreate();
    void BtConectarClick();
    void BtPedeStatusClick();
    void BtLerClick();
    void BtDesbloqueioClick();
    void BtRebootClick();
    void BtSairClick();
    void BtGravarClick();
    void BtDefaultClick();
    void btnLogClick();
    bool GeraLogCfg();
    void btAbrirArquivoClick();
    void btLerArquivoClick();
    void btEscreverArquivoClick();
    void Diretrio1Click();
    void Log1Click();
    void VisualizarLogClick();
    void LimparCaixa1Click();
    void CompararLido1Click();
    void ExportarConfiguracao1Click();
    void CarregarConfiguracao1Click();
    void AbrirBackups1Click();

    // The reply dispatch for one received block, as the data-available event runs it.
    void handleReply(const QByteArray& block);

    void ClearEditor();
    void SetDisconnectedState();
    void DecodeImage();
    void StoreField(int first, int width, const QString& text);
    void PadBeforeWrite();
    bool AllFieldsFilled() const;
    // What the editor shows for a field of the image, in the words of image::readableValue: a box's
    // text, the text of the item a choice box names, "Sim"/"Não" for a check box, the role and
    // protocol buttons by their value names.
    QString shownValue(const image::Field& field) const;

signals:
    // Every text the link status line is given, in order (also when it does not change).
    void statusShown(const QString& text);
    // "Visualizar Log" asks for the log viewer with this file.
    void logViewerRequested(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void wireSignals();
    void FormClose();

    // Link events.
    void ConfigConnect();
    void ConfigDisconnect();
    void ConfigRead();
    void ConfigError(QAbstractSocket::SocketError error);
    void readIntake(const QByteArray& reply);
    void askRebootAfterWrite();
    void sendFrame(const QByteArray& frame);
    void closeConnection();
    void setConnectCaption(const QString& caption);
    void VSenhaAtualChange(const QString& text);
    void VSenhaAtualEnter();

    // Address history.
    bool rememberAddress(const QString& address);
    IniFile& settings();
    void showSettingsWriteError();

    // Editor reactions.
    void choiceStore(const image::Field& field, const QComboBox* box);
    void choiceTyped(const image::Field& field, const QString& text);
    void numberStore(const image::Field& field, const QString& text);
    // The text as a decimal integer, or the conversion error box and nothing.
    std::optional<int> integerOrError(const QString& text);
    void showPaddedRetries();
    // A profile's keys loaded into the editor and the working copy in the "Default" button's reading
    // order; with extensions, the keys of the configuration file that "Default" ignores too. False
    // when a value stopped the load.
    bool loadProfileIntoEditor(const image::Profile& profile, bool withExtensions);
    // One key's effect pushed through its field's binder; false when the load must stop.
    bool loadField(const image::FieldLoad& load);
    void cbCom0Click(bool checked);
    void cbCom1Click(bool checked);
    void cbConexaoTCPClick(bool checked);
    void rbClientClick();
    void rbServerClick();
    void rbSystemClick();
    void HabVT100Click();
    void HabCorvaleClick();
    void HabTelNetClick();
    void cbInterface2GClick(bool checked);
    // A role or protocol button's code stored into its field.
    void storeButtonCode(const image::Field& field, const QAbstractButton* button);

    // Program-side control changes with the event rules of the editor.
    void setChecked(QCheckBox* box, bool on);
    void checkRadio(QRadioButton* button);
    void uncheckRadio(QRadioButton* button);
    void selectIndex(QComboBox* box, int index);

    // The safety net: a backup of every read, and the menu items that follow the command buttons.
    void saveReadBackup();
    // The backup line of the status strip: the text shown, and a longer tip when there is one.
    void showBackupState(const QString& text, const QString& tip = QString());
    void warnOfBackupsInBuildTree();
    void followCommandButtons();
    TerminalInfo terminalInfo(const QByteArray& image) const;

    // The checks of the configuration in the editor: markers that only inform. They start with a
    // configuration in the editor (a read, "Default", a loaded file) and end when it is emptied.
    void wireProblemChecks();
    void startProblemChecks();
    void recheckProblems();

    // One binder for each field the editor shows, by the field table's rows.
    void makeBinders();
    FieldBinder* binderOf(const image::Field& field) const;
    void message(const QString& text);
    void setStatus(const QString& text);

    const std::unique_ptr<Ui::TfmVarnel> ui;
    const QString m_settingsDir;
    Dialogs& m_dialogs;
    std::unique_ptr<IniFile> m_settings;
    QTcpSocket* Config = nullptr;
    image::ImageBuffer m_image;
    bool m_loading = false;
    bool m_disconnectRequest = false;
    bool m_closingOurselves = false; // our own close: unread replies are dropped
    void handleWaitingMessages();
    void abortConnection();
    QString m_logoPath;
    std::array<std::uint8_t, 240> m_logo{};
    std::function<QString()> m_localAddresses;
    std::function<QDateTime()> m_clock;
    SleepingPause m_sleep;
    BlockingPause* m_pause = &m_sleep;
    QDateTime m_readAt;                                  // when the last read reply was taken in
    QString m_readFrom;                                  // the terminal's address then, "host:port"
    std::vector<std::unique_ptr<FieldBinder>> m_binders; // by row of the field table; null where no control
    ProblemMarkers* m_markers = nullptr;
    bool m_checking = false;
};
