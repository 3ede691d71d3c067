#include "ui/dialogs.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QProcess>
#include <QRegularExpression>

namespace
{

QMessageBox::Icon toBoxIcon(Dialogs::Icon icon)
{
    switch (icon) {
    case Dialogs::Icon::Information:
        return QMessageBox::Information;
    case Dialogs::Icon::Warning:
        return QMessageBox::Warning;
    case Dialogs::Icon::Critical:
        return QMessageBox::Critical;
    case Dialogs::Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

// "Arquivo Texto|*.txt|Todos|*.*" as Qt's filters "Arquivo Texto (*.txt);;Todos (*.*)".
QString qtNameFilters(const QString& namesAndPatterns)
{
    const QStringList parts = namesAndPatterns.split(QLatin1Char('|'));
    QStringList filters;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QString patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts).join(QLatin1Char(' '));
        filters.append(QStringLiteral("%1 (%2)").arg(parts.at(i), patterns));
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace

QString displayText(const QString& stored)
{
    QString text = stored;
    text.replace(QLatin1String("\n\r"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

void DesktopDialogs::message(QWidget* parent, const QString& caption, const QString& text, Icon icon)
{
    // exec() runs a nested event loop: socket replies are handled while the box is open.
    QMessageBox box(toBoxIcon(icon), caption, displayText(text), QMessageBox::Ok, parent);
    box.exec();
}

bool DesktopDialogs::question(QWidget* parent, const QString& caption, const QString& text)
{
    QMessageBox box(QMessageBox::Information, caption, displayText(text), QMessageBox::Yes | QMessageBox::No, parent);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void DesktopDialogs::error(QWidget* parent, const QString& text)
{
    QMessageBox box(QMessageBox::Critical, QApplication::applicationDisplayName(), displayText(text), QMessageBox::Ok,
                    parent);
    box.exec();
}

QString DesktopDialogs::openFile(QWidget* parent, const QString& caption, const QString& filter, const QString& folder)
{
    if (!filter.contains(QLatin1Char('|')))
        return QFileDialog::getOpenFileName(parent, caption, folder, filter);
    // Qt shows a filter's patterns after its name unless told not to.
    return QFileDialog::getOpenFileName(parent, caption, folder, qtNameFilters(filter), nullptr,
                                        QFileDialog::HideNameFilterDetails);
}

QString DesktopDialogs::saveFile(QWidget* parent, const QString& caption, const QString& filter,
                                 const QString& proposal)
{
    QFileDialog dialog(parent, caption, proposal, filter);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    // "Configuração (*.ini)": a name typed as "terminal" is saved as "terminal.ini".
    static const QRegularExpression firstSuffix(QStringLiteral("\\*\\.(\\w+)"));
    dialog.setDefaultSuffix(firstSuffix.match(filter).captured(1));
    if (dialog.exec() != QDialog::Accepted)
        return {};
    return dialog.selectedFiles().value(0);
}

void DesktopDialogs::showDialog(QDialog& dialog)
{
    dialog.exec();
}

void DesktopDialogs::startDetached(const QString& program, const QStringList& arguments)
{
    QProcess::startDetached(program, arguments);
}
