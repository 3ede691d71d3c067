#pragma once

#include "image/differences.h"

#include <QDialog>

class QLabel;
class QTableWidget;

// "Comparar com o Lido": the fields the editor has changed since the read, one row each with its
// page, caption, the value as read and the value now; "Nenhuma alteração" when there is none.
// It only shows what it is given.
class CompareDialog final : public QDialog
{
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(CompareDialog)

public:
    explicit CompareDialog(const QList<image::FieldDifference>& differences, QWidget* parent = nullptr);

    // What a value-less difference (reserved or password bytes) shows as its value now.
    static QString changedMark();

private:
    QLabel* m_summary;
    QTableWidget* m_table;
};
