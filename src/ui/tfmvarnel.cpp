#include "ui/tfmvarnel.h"

#include "files/inifile.h"
#include "image/layout.h"
#include "files/addresshistory.h"
#include "link/localaddresses.h"
#include "ui/controlrules.h"
#include "ui/dialogs.h"
#include "ui/fieldbinders.h"
#include "ui_tfmvarnel.h"

#include <QCloseEvent>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QTcpSocket>

TfmVarnel::TfmVarnel(const QString& settingsDir, Dialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), ui(std::make_unique<Ui::TfmVarnel>()), m_settingsDir(settingsDir), m_dialogs(dialogs)
{
    ui->setupUi(this);
    prepareMainWindowControls(this);
    makeBinders();

    Config = new QTcpSocket(this);
    Config->setObjectName(QStringLiteral("Config"));

    auto* popup = new QMenu(this);
    popup->setObjectName(QStringLiteral("PopupMenu1"));
    QAction* clearAction = popup->addAction(tr("Limpar Caixa"));
    clearAction->setObjectName(QStringLiteral("LimparCaixa1"));
    for (QWidget* w : {static_cast<QWidget*>(ui->IpTerm), static_cast<QWidget*>(ui->IpTerm->lineEdit())}) {
        w->setContextMenuPolicy(Qt::CustomContextMenu);
        connect(w, &QWidget::customContextMenuRequested, this,
                [popup, w](const QPoint& pos) { popup->popup(w->mapToGlobal(pos)); });
    }
    connect(clearAction, &QAction::triggered, this, &TfmVarnel::LimparCaixa1Click);

    m_localAddresses = [] { return GetLocalAddresses(); };
    m_clock = [] { return QDateTime::currentDateTime(); };
    ui->IpTerm->installEventFilter(this);
    ui->VSenhaAtual->installEventFilter(this);
    wireSignals();
    wireProblemChecks();
}

TfmVarnel::~TfmVarnel()
{
    // The socket, a child, is destroyed after this window's part of the object is gone: its last
    // events must not reach the window's handlers.
    Config->disconnect(this);
    Config->abort();
}

QString TfmVarnel::settingsPath() const
{
    return m_settingsDir + QStringLiteral("ConfDefault.ini");
}

// Every signal of the window is connected here, in one place.
void TfmVarnel::wireSignals()
{
    // Data arriving is handled like a waiting window message: from the event loop, reading what
    // has arrived by then. Handled outside the socket's own notification, a reply can also be
    // handled inside a modal box opened by the handling of an earlier one.
    connect(Config, &QTcpSocket::readyRead, this,
            [this] { QMetaObject::invokeMethod(this, &TfmVarnel::ConfigRead, Qt::QueuedConnection); });
    connect(Config, &QTcpSocket::connected, this, &TfmVarnel::ConfigConnect);
    connect(Config, &QTcpSocket::disconnected, this, [this] {
        // A reply the terminal sent just before it closed is handled first.
        if (!m_closingOurselves && Config->bytesAvailable() > 0)
            ConfigRead();
        ConfigDisconnect();
    });
    connect(Config, &QTcpSocket::errorOccurred, this, &TfmVarnel::ConfigError);

    connect(ui->BtConectar, &QPushButton::clicked, this, &TfmVarnel::BtConectarClick);
    connect(ui->BtPedeStatus, &QPushButton::clicked, this, &TfmVarnel::BtPedeStatusClick);
    connect(ui->BtLer, &QPushButton::clicked, this, &TfmVarnel::BtLerClick);
    connect(ui->BtDesbloqueio, &QPushButton::clicked, this, &TfmVarnel::BtDesbloqueioClick);
    connect(ui->BtGravar, &QPushButton::clicked, this, &TfmVarnel::BtGravarClick);
    connect(ui->BtDefault, &QPushButton::clicked, this, &TfmVarnel::BtDefaultClick);
    connect(ui->BtReboot, &QPushButton::clicked, this, &TfmVarnel::BtRebootClick);
    connect(ui->btnLog, &QPushButton::clicked, this, &TfmVarnel::btnLogClick);
    connect(ui->BtSair, &QPushButton::clicked, this, &TfmVarnel::BtSairClick);
    connect(ui->btAbrirArquivo, &QPushButton::clicked, this, &TfmVarnel::btAbrirArquivoClick);
    connect(ui->btLerArquivo, &QPushButton::clicked, this, &TfmVarnel::btLerArquivoClick);
    connect(ui->btEscreverArquivo, &QPushButton::clicked, this, &TfmVarnel::btEscreverArquivoClick);
    connect(ui->Diretrio1, &QAction::triggered, this, &TfmVarnel::Diretrio1Click);
    connect(ui->Log1, &QAction::triggered, this, &TfmVarnel::Log1Click);
    connect(ui->VisualizarLog1, &QAction::triggered, this, &TfmVarnel::VisualizarLogClick);
    connect(ui->CompararLido1, &QAction::triggered, this, &TfmVarnel::CompararLido1Click);
    connect(ui->ExportarConfiguracao1, &QAction::triggered, this, &TfmVarnel::ExportarConfiguracao1Click);
    connect(ui->CarregarConfiguracao1, &QAction::triggered, this, &TfmVarnel::CarregarConfiguracao1Click);
    connect(ui->AbrirBackups1, &QAction::triggered, this, &TfmVarnel::AbrirBackups1Click);
    // The menu items that depend on a read or an unlock are enabled with the buttons that do
    // (eventFilter sees the buttons' enabled changes).
    ui->btnLog->installEventFilter(this);
    ui->BtDefault->installEventFilter(this);
    followCommandButtons();

    connect(ui->VSenhaAtual, &QLineEdit::textChanged, this, &TfmVarnel::VSenhaAtualChange);

    for (const auto& binder : m_binders) {
        if (!binder)
            continue;
        const image::Field& field = binder->field();
        // Text fields store on every change of their text, by the user or by the program; the
        // MAC is shown only.
        if (QLineEdit* box = binder->textBox(); box && field.kind != image::Kind::Mac) {
            connect(box, &QLineEdit::textChanged, this,
                    [this, &field](const QString& text) { StoreField(field.first, field.width, text); });
        }
        // Choice boxes react to the user's pick and typing only; a selection by the program raises nothing.
        QComboBox* box = binder->choiceBox();
        if (!box)
            continue;
        if (field.kind == image::Kind::NumberByte) {
            connect(box, &QComboBox::activated, this,
                    [this, &field, box](int index) { numberStore(field, box->itemText(index)); });
            connect(box->lineEdit(), &QLineEdit::textEdited, this,
                    [this, &field](const QString& text) { numberStore(field, text); });
        } else {
            connect(box, &QComboBox::activated, this, [this, &field, box](int) { choiceStore(field, box); });
            connect(box->lineEdit(), &QLineEdit::textEdited, this,
                    [this, &field](const QString& text) { choiceTyped(field, text); });
        }
    }

    connect(ui->cbCom0, &QCheckBox::toggled, this, &TfmVarnel::cbCom0Click);
    connect(ui->cbCom1, &QCheckBox::toggled, this, &TfmVarnel::cbCom1Click);
    connect(ui->cbConexaoTCP, &QCheckBox::toggled, this, &TfmVarnel::cbConexaoTCPClick);
    connect(ui->cbInterface2G, &QCheckBox::toggled, this, &TfmVarnel::cbInterface2GClick);
    // A radio button reacts only when it becomes checked.
    const auto onChecked = [this](QRadioButton* button, void (TfmVarnel::*reaction)()) {
        connect(button, &QRadioButton::toggled, this, [this, reaction](bool checked) {
            if (checked)
                (this->*reaction)();
        });
    };
    onChecked(ui->rbClient, &TfmVarnel::rbClientClick);
    onChecked(ui->rbServer, &TfmVarnel::rbServerClick);
    onChecked(ui->rbSystem, &TfmVarnel::rbSystemClick);
    onChecked(ui->HabVT100, &TfmVarnel::HabVT100Click);
    onChecked(ui->HabCorvale, &TfmVarnel::HabCorvaleClick);
    onChecked(ui->HabTelNet, &TfmVarnel::HabTelNetClick);
}

void TfmVarnel::FormCreate()
{
    m_settings = std::make_unique<IniFile>(settingsPath());
    if (!m_settings->exists() && !history::seed(*m_settings, m_localAddresses())) {
        // The window opens all the same, with the rest of the start-up skipped.
        showSettingsWriteError();
        return;
    }
    // One reading of the file for the history and the logo path, however long the history is.
    const IniView saved = m_settings->view();
    const QStringList addresses = history::load(saved);
    ui->IpTerm->addItems(addresses);
    ui->IpTerm->setCurrentIndex(addresses.size() - 1);

    m_logoPath = saved.readString(QStringLiteral("Arquivo"), QStringLiteral("Caminho"), QStringLiteral("C:\\"));
    ui->lbCaminho->setText(m_logoPath);
    ui->ParConfgs->setCurrentIndex(0);
    assignToolTips(this, settingsPath());
    warnOfBackupsInBuildTree();
}

IniFile& TfmVarnel::settings()
{
    // The handle lives from FormCreate to FormClose; a handler run outside that span still gets one.
    if (!m_settings)
        m_settings = std::make_unique<IniFile>(settingsPath());
    return *m_settings;
}

void TfmVarnel::FormClose()
{
    m_settings.reset();
}

void TfmVarnel::closeEvent(QCloseEvent* event)
{
    FormClose();
    event->accept();
}

bool TfmVarnel::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::EnabledChange && (watched == ui->btnLog || watched == ui->BtDefault))
        followCommandButtons();
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            if (watched == ui->IpTerm) {
                BtConectarClick();
                return true;
            }
            if (watched == ui->VSenhaAtual) {
                VSenhaAtualEnter();
                return true;
            }
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void TfmVarnel::message(const QString& text)
{
    m_dialogs.message(this, QStringLiteral("HXConfig"), text, Dialogs::Icon::Information);
}

void TfmVarnel::setStatus(const QString& text)
{
    ui->lbConectado->setText(text);
    emit statusShown(text);
}

void TfmVarnel::showSettingsWriteError()
{
    m_dialogs.message(this, tr("Erro"), tr("Erro ao escrever no arquivo de configuração em:\r") + m_settingsDir,
                      Dialogs::Icon::Critical);
}

bool TfmVarnel::rememberAddress(const QString& address)
{
    QStringList items;
    for (int i = 0; i < ui->IpTerm->count(); ++i)
        items.append(ui->IpTerm->itemText(i));
    const history::Remember result = history::remember(items, settings(), address);
    if (result == history::Remember::AlreadyKnown)
        return true;
    ui->IpTerm->clear();
    ui->IpTerm->addItems(items);
    ui->IpTerm->setCurrentIndex(0);
    if (result == history::Remember::WriteFailed) {
        showSettingsWriteError();
        return false;
    }
    return true;
}

void TfmVarnel::LimparCaixa1Click()
{
    if (!history::clear(settings())) {
        m_dialogs.error(this, tr("Não foi possível apagar a seção HXConfig de ") + settingsPath());
        return;
    }
    ui->IpTerm->clear();
    ui->IpTerm->clearEditText();
}
