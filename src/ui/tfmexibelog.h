#pragma once

#include "files/tablefile.h"

#include <QString>
#include <QWidget>

#include <optional>

class Dialogs;
class QCloseEvent;
class QTableView;
class QToolButton;
class TableModel;

// The log viewer: a table file in a fourteen-column grid, headings from its first complete line,
// sorted by column 0 or 1 whenever a cell of that column is selected. Closing it hides it and
// brings the main window back. The log it opens on is read when the viewer is first shown, so
// that a long log never delays the start of the tool.
class TfmExibeLog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmExibeLog)

public:
    TfmExibeLog(Dialogs& dialogs, QWidget* mainWindow, QWidget* parent = nullptr);

    // The grid, with the log it opens on read if that has not happened yet.
    QTableView* grid();
    const Table& table() const;

    // The handlers, public so that tests can run them the way the events do.
    void FormCreate();
    void SpeedButton1Click();
    void CarregaArquivo(const QString& path);
    void OrdenaColuna(int column);

public slots:
    // Loads the file and brings the viewer to the front.
    void showFile(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void showTable(Table table);
    void loadPendingLog();
    void StringGrid1SelectCell(int column, int row);

    Dialogs& m_dialogs;
    QWidget* m_mainWindow;
    QWidget* Panel1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QTableView* StringGrid1 = nullptr;
    TableModel* m_model = nullptr;
    std::optional<QString> m_pendingLog; // the log to read when first shown, unless a file is loaded before
    QString m_dialogFolder;
    QString m_dialogFileName;    // the file last confirmed in the open dialog
    bool m_filling = false;      // the program, not the user, is moving the current cell
    bool m_sortedByMove = false; // the current press already sorted by moving the current cell
};
