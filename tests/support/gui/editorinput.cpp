#include "editorinput.h"

#include "windowfixture.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>

void feedRead(WindowFixture& f, const QByteArray& reply)
{
    f.w().setLoadingFlag(true);
    f.w().ClearEditor();
    f.w().handleReply(reply);
}

void typeText(QWidget* widget, const QString& text)
{
    for (const QChar c : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
        QApplication::sendEvent(widget, &press);
    }
}

void pick(QComboBox* box, int index)
{
    box->setCurrentIndex(index);
    emit box->activated(index);
}
