#pragma once

#include "files/tablefile.h"

#include <QString>
#include <QWidget>

class Dialogs;
class QCloseEvent;
class QTableWidget;
class QToolButton;

// The log viewer: a table file in a fourteen-column grid, headings from its first complete line,
// sorted by column 0 or 1 whenever a cell of that column is selected. Closing it hides it and
// brings the main window back.
class TfmExibeLog final : public QWidget
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(TfmExibeLog)

public:
    TfmExibeLog(Dialogs& dialogs, QWidget* mainWindow, QWidget* parent = nullptr);

    QTableWidget* grid() const { return StringGrid1; }
    const Table& table() const { return m_table; }

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
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void buildLayout();
    void showTable();
    void refreshCells();
    void StringGrid1SelectCell(int column, int row);

    Dialogs& m_dialogs;
    QWidget* m_mainWindow;
    QWidget* Panel1 = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QTableWidget* StringGrid1 = nullptr;
    Table m_table = emptyTable();
    QString m_dialogFolder;
    QString m_dialogFileName;    // the file last confirmed in the open dialog
    bool m_filling = false;      // the program, not the user, is moving the current cell
    bool m_sortedByMove = false; // the current press already sorted by moving the current cell
};
