#include "ui/problemmarkers.h"

#include "image/readable.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyle>
#include <QTabWidget>

namespace
{

constexpr int kIconSize = 14;

bool anyError(const QList<image::Problem>& problems)
{
    return image::hasErrors(problems);
}

} // namespace

ProblemMarkers::ProblemMarkers(QWidget* root, QTabWidget* pages, QLabel* strip)
    : QObject(root), m_root(root), m_pages(pages), m_count(new QLabel(strip)), m_list(new QMenu(root))
{
    // On the right end of the status line, inside it: the strip's own layout stays as it is.
    m_count->setObjectName(QStringLiteral("lbProblemas"));
    m_count->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_count->setGeometry(strip->width() - 150, 0, 150, strip->height());
    m_count->setTextFormat(Qt::RichText);
    m_count->setTextInteractionFlags(Qt::LinksAccessibleByMouse | Qt::LinksAccessibleByKeyboard);
    m_count->setFocusPolicy(Qt::StrongFocus);
    m_count->hide();
    connect(m_count, &QLabel::linkActivated, this, &ProblemMarkers::openList);
    m_list->setObjectName(QStringLiteral("mnProblemas"));
}

QWidget* ProblemMarkers::controlOf(const image::Field& field) const
{
    return m_root->findChild<QWidget*>(QString::fromLatin1(field.control));
}

QString ProblemMarkers::describe(const QList<image::Problem>& problems)
{
    QStringList lines;
    for (const image::Problem& p : problems) {
        QString line = QStringLiteral("%1: %2").arg(image::severityName(p.severity), p.message);
        if (!p.suggestion.isEmpty())
            line += tr("; sugestão: ") + p.suggestion;
        lines.append(line);
    }
    return lines.join(QLatin1Char('\n'));
}

void ProblemMarkers::show(const QList<image::Problem>& problems)
{
    // Group by control, in the order the checks give them.
    QList<QWidget*> order;
    QHash<QWidget*, QList<image::Problem>> byControl;
    for (const image::Problem& p : problems) {
        QWidget* control = controlOf(*p.field);
        if (!control)
            continue;
        if (!byControl.contains(control))
            order.append(control);
        byControl[control].append(p);
    }
    for (QWidget* control : m_icons.keys()) {
        if (!byControl.contains(control))
            unmark(control);
    }
    for (QWidget* control : std::as_const(order))
        mark(control, byControl.value(control));

    m_list->clear();
    for (const image::Problem& p : problems) {
        QWidget* control = controlOf(*p.field);
        QAction* item = m_list->addAction(
            QStringLiteral("%1 / %2: %3").arg(image::pageOf(*p.field), image::captionOf(*p.field), describe({p})));
        item->setIcon(m_root->style()->standardIcon(
            p.severity == image::Severity::Error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning));
        if (control)
            connect(item, &QAction::triggered, this, [this, control] { goTo(control); });
    }
    const qsizetype n = problems.size();
    const QString text = n == 1 ? tr("1 problema") : tr("%1 problemas").arg(n);
    m_count->setText(QStringLiteral("<a href=\"problemas\">%1</a>").arg(text));
    m_count->setAccessibleName(text);
    QStringList all;
    for (QAction* item : m_list->actions())
        all.append(item->text());
    m_count->setAccessibleDescription(all.join(QLatin1Char('\n')));
    m_count->setToolTip(all.join(QLatin1Char('\n')));
    m_count->setVisible(n > 0);
    if (n == 0)
        m_list->hide();
}

void ProblemMarkers::mark(QWidget* control, const QList<image::Problem>& problems)
{
    const bool error = anyError(problems);
    QLabel* icon = m_icons.value(control);
    if (!icon) {
        m_baseToolTips.insert(control, control->toolTip());
        icon = new QLabel(control);
        icon->setFixedSize(kIconSize, kIconSize);
        icon->setScaledContents(true);
        icon->setAttribute(Qt::WA_TransparentForMouseEvents);
        // Inside the control on the right, before a choice box's arrow; a text box keeps its text
        // clear of it.
        const int arrow = qobject_cast<QComboBox*>(control) ? 18 : 2;
        icon->move(control->width() - arrow - kIconSize, (control->height() - kIconSize) / 2);
        if (auto* box = qobject_cast<QLineEdit*>(control))
            box->setTextMargins(0, 0, kIconSize + 2, 0);
        m_icons.insert(control, icon);
    }
    icon->setPixmap(m_root->style()
                        ->standardIcon(error ? QStyle::SP_MessageBoxCritical : QStyle::SP_MessageBoxWarning)
                        .pixmap(kIconSize, kIconSize));
    const QString text = describe(problems);
    icon->setAccessibleName(error ? tr("erro") : tr("aviso"));
    icon->setAccessibleDescription(text);
    icon->show();
    icon->raise();
    const QString base = m_baseToolTips.value(control);
    control->setToolTip(base.isEmpty() ? text : base + QStringLiteral("\n\n") + text);
    control->setAccessibleDescription(text);
}

void ProblemMarkers::unmark(QWidget* control)
{
    delete m_icons.take(control);
    control->setToolTip(m_baseToolTips.take(control));
    control->setAccessibleDescription(QString());
    if (auto* box = qobject_cast<QLineEdit*>(control))
        box->setTextMargins(0, 0, 0, 0);
}

void ProblemMarkers::openList()
{
    if (m_list->isEmpty())
        return;
    m_list->popup(m_count->mapToGlobal(QPoint(0, 0)));
}

void ProblemMarkers::goTo(QWidget* control)
{
    for (int i = 0; i < m_pages->count(); ++i) {
        if (m_pages->widget(i)->isAncestorOf(control)) {
            m_pages->setCurrentIndex(i);
            break;
        }
    }
    control->setFocus(Qt::OtherFocusReason);
}
