#pragma once

#include "image/checks.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QPointer>

class QLabel;
class QMenu;
class QTabWidget;
class QWidget;

// What the checks of a configuration show in the window, without ever stopping the user: an icon
// inside each control whose value has a problem (red for an error, yellow for a warning, told apart
// by shape and by its accessible text as well as by colour), the problem appended to the control's
// tool-tip and set as its accessible description, and "N problemas" in the status strip, which
// lists the problems with their pages when activated.
class ProblemMarkers final : public QObject
{
    Q_OBJECT

public:
    // `root` holds the editor's controls, named as the field table names them; `pages` is the
    // notebook; `strip` the status label that the count sits on.
    ProblemMarkers(QWidget* root, QTabWidget* pages, QLabel* strip);

    void show(const QList<image::Problem>& problems);
    void clear() { show({}); }

    // The status strip's item: "3 problemas"; hidden when there is none.
    QLabel* countLabel() const { return m_count; }
    // The list that activating the count opens: one item per problem, "Page / Caption: erro: ...".
    QMenu* list() const { return m_list; }
    // Opens the list beside the count, as a click or the keyboard on it does.
    void openList();

    // "erro: a máscara ...; sugestão: ..." for each problem of a control, one a line.
    static QString describe(const QList<image::Problem>& problems);

private:
    QWidget* controlOf(const image::Field& field) const;
    void mark(QWidget* control, const QList<image::Problem>& problems);
    void unmark(QWidget* control);
    void goTo(QWidget* control);

    QWidget* m_root;
    QTabWidget* m_pages;
    QLabel* m_count;
    QMenu* m_list;
    QHash<QWidget*, QLabel*> m_icons;        // the marked controls and their icons
    QHash<QWidget*, QString> m_baseToolTips; // a marked control's own tool-tip
};
