#include "ui/comparedialog.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

namespace
{

QString summaryText(qsizetype count)
{
    if (count == 0)
        return CompareDialog::tr("Nenhuma alteração");
    return count == 1 ? CompareDialog::tr("1 campo alterado desde a leitura")
                      : CompareDialog::tr("%1 campos alterados desde a leitura").arg(count);
}

} // namespace

QString CompareDialog::changedMark()
{
    return tr("(alterado)");
}

CompareDialog::CompareDialog(const QList<image::FieldDifference>& differences, QWidget* parent)
    : QDialog(parent), m_summary(new QLabel(this)), m_table(new QTableWidget(int(differences.size()), 4, this))
{
    setObjectName(QStringLiteral("fmComparar"));
    setWindowTitle(tr("Comparar com o Lido"));

    m_summary->setObjectName(QStringLiteral("lbResumo"));
    m_summary->setText(summaryText(differences.size()));

    m_table->setObjectName(QStringLiteral("gdAlteracoes"));
    m_table->setAccessibleName(tr("Alterações"));
    m_table->setHorizontalHeaderLabels({tr("Página"), tr("Campo"), tr("Valor lido"), tr("Valor atual")});
    m_table->verticalHeader()->hide();
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_table->setWordWrap(false);
    for (int row = 0; row < differences.size(); ++row) {
        const image::FieldDifference& d = differences.at(row);
        // Reserved and password bytes say only that they changed, never what they hold.
        const bool valueless = d.from.isEmpty() && d.to.isEmpty();
        const QStringList cells = {d.page, d.caption, d.from, valueless ? changedMark() : d.to};
        for (int column = 0; column < cells.size(); ++column)
            m_table->setItem(row, column, new QTableWidgetItem(cells.at(column)));
    }
    m_table->resizeColumnsToContents();
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_table->setVisible(!differences.isEmpty());

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_summary);
    layout->addWidget(m_table, 1);
    layout->addWidget(buttons);
    resize(differences.isEmpty() ? QSize(320, 100) : QSize(620, 360));
}
