#include "ui/loggrid.h"

#include "ui/loggridaccessible.h"

#include <QAccessible>

namespace
{

QAccessibleInterface* logGridAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(LogGrid::staticMetaObject.className()))
        return new LogGridAccessible(static_cast<LogGrid*>(object));
    return nullptr;
}

// Sets a flag for the length of a call of the view's own handler.
class FlagDuring final
{
    Q_DISABLE_COPY_MOVE(FlagDuring)

public:
    explicit FlagDuring(bool& flag) : m_flag(flag) { m_flag = true; }
    ~FlagDuring() { m_flag = false; }

private:
    bool& m_flag;
};

} // namespace

LogGrid::LogGrid(QWidget* parent) : QTableView(parent)
{
    installAccessibility();
}

void LogGrid::installAccessibility()
{
    static const bool installed = [] {
        QAccessible::installFactory(logGridAccessible);
        return true;
    }();
    Q_UNUSED(installed);
}

int LogGrid::firstRowInSight() const
{
    if (!model() || model()->rowCount() == 0)
        return -1;
    const int row = rowAt(0);
    return row < 0 ? -1 : row;
}

int LogGrid::lastRowInSight() const
{
    const int first = firstRowInSight();
    if (first < 0)
        return -2;
    const int last = rowAt(viewport()->height() - 1);
    return last < 0 ? model()->rowCount() - 1 : last;
}

void LogGrid::currentChanged(const QModelIndex& current, const QModelIndex& previous)
{
    const FlagDuring flag(m_numbersWholeTable);
    QTableView::currentChanged(current, previous);
}

void LogGrid::selectionChanged(const QItemSelection& selected, const QItemSelection& deselected)
{
    const FlagDuring flag(m_numbersWholeTable);
    QTableView::selectionChanged(selected, deselected);
}

void LogGrid::focusInEvent(QFocusEvent* event)
{
    const FlagDuring flag(m_numbersWholeTable);
    QTableView::focusInEvent(event);
}
