#include "ui/tfmexibelog.h"

#include "image/logrecord.h"
#include "ui/dialogs.h"
#include "ui/loggrid.h"
#include "ui/tablemodel.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include <array>

namespace
{

constexpr std::array<int, kTableColumns> kColumnWidths = {85, 92, 51, 88, 52, 53, 90, 90, 72, 63, 52, 51, 63, 46};
constexpr int kRowHeight = 20;

} // namespace

TfmExibeLog::TfmExibeLog(Dialogs& dialogs, QWidget* mainWindow, QWidget* parent)
    : QWidget(parent, Qt::Window), m_dialogs(dialogs), m_mainWindow(mainWindow)
{
    buildLayout();
    FormCreate();
}

void TfmExibeLog::buildLayout()
{
    setObjectName(QStringLiteral("fmExibeLog"));
    setWindowTitle(tr("Arquivo Microterminal TCP-IP  Corvale Tecnologia"));
    setGeometry(15, 189, 997, 480);

    Panel1 = new QFrame(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setFixedHeight(41);

    SpeedButton1 = new QToolButton(Panel1);
    SpeedButton1->setObjectName(QStringLiteral("SpeedButton1"));
    SpeedButton1->setGeometry(8, 8, 23, 22);
    SpeedButton1->setIcon(style()->standardIcon(QStyle::SP_DirOpenIcon));
    SpeedButton1->setAutoRaise(true);
    SpeedButton1->setAccessibleName(tr("Abrir arquivo"));
    connect(SpeedButton1, &QToolButton::clicked, this, &TfmExibeLog::SpeedButton1Click);

    m_model = new TableModel(this);
    StringGrid1 = new LogGrid(this);
    StringGrid1->setObjectName(QStringLiteral("StringGrid1"));
    StringGrid1->setModel(m_model);
    StringGrid1->setAccessibleName(tr("Tabela"));
    for (int c = 0; c < kTableColumns; ++c)
        StringGrid1->setColumnWidth(c, kColumnWidths[static_cast<std::size_t>(c)]);
    StringGrid1->verticalHeader()->setVisible(false);
    StringGrid1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    StringGrid1->verticalHeader()->setDefaultSectionSize(kRowHeight);
    StringGrid1->horizontalHeader()->setFixedHeight(kRowHeight);
    StringGrid1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    StringGrid1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    StringGrid1->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid1->viewport()->installEventFilter(this);

    // Selecting a cell sorts by its column: the keyboard moves the current cell, a press may also
    // land on the cell that is already current.
    connect(StringGrid1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex& current) {
                if (m_filling || !current.isValid())
                    return;
                m_sortedByMove = true;
                StringGrid1SelectCell(current.column(), current.row());
            });
    connect(StringGrid1, &QTableView::pressed, this, [this](const QModelIndex& index) {
        if (!m_sortedByMove)
            StringGrid1SelectCell(index.column(), index.row());
        m_sortedByMove = false;
    });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(Panel1);
    layout->addWidget(StringGrid1);
    showTable(emptyTable());
}

QTableView* TfmExibeLog::grid()
{
    loadPendingLog();
    return StringGrid1;
}

const Table& TfmExibeLog::table() const
{
    return m_model->table();
}

bool TfmExibeLog::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == StringGrid1->viewport() && event->type() == QEvent::MouseButtonPress)
        m_sortedByMove = false; // a fresh press: it sorts unless it moves the current cell, which sorts already
    return QWidget::eventFilter(watched, event);
}

void TfmExibeLog::FormCreate()
{
    m_dialogFolder = QDir::currentPath();
    // LogCfg.txt only grows: it is read when the viewer is first shown, not while the tool starts.
    m_pendingLog = QDir::currentPath() + QLatin1Char('/') + logFileName();
}

void TfmExibeLog::loadPendingLog()
{
    if (!m_pendingLog)
        return;
    const QString path = *m_pendingLog; // loading forgets the pending log
    CarregaArquivo(path);
}

void TfmExibeLog::SpeedButton1Click()
{
    const QString folder = m_dialogFileName.isEmpty() ? m_dialogFolder : QFileInfo(m_dialogFileName).absolutePath();
    const QString chosen = m_dialogs.openFile(this, QString(), tr("Arquivo Texto|*.txt"), folder);
    // After a cancel the dialog still holds the name confirmed the time before (or none).
    if (!chosen.isEmpty())
        m_dialogFileName = chosen;
    CarregaArquivo(m_dialogFileName);
}

void TfmExibeLog::CarregaArquivo(const QString& path)
{
    m_pendingLog.reset(); // whatever is loaded first replaces the log the viewer opens on
    Table table;
    const image::Outcome<void> loaded = loadTable(path, table);
    showTable(std::move(table));
    // A screen reader names the grid after the file it shows.
    const QFileInfo shown(path);
    StringGrid1->setAccessibleName(shown.isFile() ? tr("Tabela: %1").arg(shown.fileName()) : tr("Tabela"));
    if (!loaded)
        m_dialogs.error(this, loaded.failure().text);
}

void TfmExibeLog::OrdenaColuna(int column)
{
    const image::Outcome<void> sorted = m_model->sortColumn(column); // exchanges made before a bad key stay
    if (!sorted)
        m_dialogs.error(this, sorted.failure().text);
}

void TfmExibeLog::StringGrid1SelectCell(int column, int row)
{
    Q_UNUSED(row);
    OrdenaColuna(column);
}

void TfmExibeLog::showFile(const QString& path)
{
    CarregaArquivo(path);
    show();
    raise();
    activateWindow();
}

void TfmExibeLog::showEvent(QShowEvent* event)
{
    loadPendingLog();
    QWidget::showEvent(event);
}

void TfmExibeLog::closeEvent(QCloseEvent* event)
{
    hide();
    if (m_mainWindow)
        m_mainWindow->show();
    event->accept();
}

void TfmExibeLog::showTable(Table table)
{
    m_filling = true;
    m_model->setTable(std::move(table));
    // A current cell from the start keeps the view from picking one (and sorting) on focus.
    StringGrid1->setCurrentIndex(m_model->index(0, 0));
    m_filling = false;
}
