#include "ui/windowlook.h"

#include "ui/commandbuttons.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFont>
#include <QLabel>
#include <QLineEdit>
#include <QPalette>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabBar>
#include <QTabWidget>
#include <QToolTip>

namespace
{

const QColor kNavy(0x00, 0x00, 0x80);
const QColor kRed(0xff, 0x00, 0x00);
const QColor kWhite(0xff, 0xff, 0xff);

// The application's style, except that a password box echoes each character as '*'.
class PasswordEchoStyle final : public QProxyStyle
{
public:
    PasswordEchoStyle() : QProxyStyle(QStyleFactory::create(QApplication::style()->name())) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QFont arial(int pixels, bool italic = false, bool underline = false)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixels);
    font.setBold(true);
    font.setItalic(italic);
    font.setUnderline(underline);
    return font;
}

template <typename T> T* control(QWidget* window, const char* name)
{
    T* found = window->findChild<T*>(QLatin1String(name));
    Q_ASSERT_X(found, "applyWindowLook", name);
    return found;
}

// Text in the given colour whether the control is enabled or not.
void setTextColour(QWidget* widget, const QColor& colour)
{
    QPalette palette = widget->palette();
    QColor placeholder = colour;
    placeholder.setAlpha(128);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
            palette.setColor(group, role, colour);
        palette.setColor(group, QPalette::PlaceholderText, placeholder);
    }
    widget->setPalette(palette);
}

void lookOfStatusStrip(QWidget* window)
{
    auto* panel = control<QWidget>(window, "Panel1");
    QPalette palette = panel->palette();
    const QColor highlight = palette.color(QPalette::Active, QPalette::Highlight);
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        palette.setColor(group, QPalette::Window, highlight);
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);

    auto* caption = control<QLabel>(window, "lbStatus");
    caption->setFont(arial(19, false, true));
    setTextColour(caption, kWhite);
    auto* state = control<QLabel>(window, "lbConectado");
    state->setFont(arial(19, true));
    setTextColour(state, kWhite);
    // The backup line keeps to the strip's top edge, above the status text, in small letters. Its
    // twelve rows, text at the top, leave room below the baseline for an underscore, which reaches
    // a row further on a scaled screen or in fonts of Arial's size; the status text stands on the
    // strip's bottom rows below it (the .ui places both).
    auto* backup = control<QLabel>(window, "lbBackup");
    backup->setFont(arial(9));
    setTextColour(backup, kWhite);
}

} // namespace

void applyWindowLook(QWidget* window)
{
    // Every control of the client area; the menu bar keeps the desktop's font.
    auto* client = control<QWidget>(window, "centralwidget");
    client->setFont(arial(13));
    // A tool-tip is a window of its own and takes no font from the control it describes; the
    // setting is the application's, and the main window's controls are the ones that have tips.
    QToolTip::setFont(arial(13));

    for (const char* name : {"lbIpTerm", "lbSenhaAtual", "lbNovaSenha", "VSenhaAtual", "VNovaSenha"})
        setTextColour(control<QWidget>(window, name), kNavy);
    // The address box is navy, the list it drops down keeps the desktop's colours.
    auto* address = control<QComboBox>(window, "IpTerm");
    setTextColour(address, kNavy);
    QWidget* dropDown = address->view()->parentWidget();
    QPalette plain = QApplication::palette(dropDown);
    plain.setResolveMask(~QPalette::ResolveMask(0));
    dropDown->setPalette(plain);
    QStringList buttons = commandButtonNames();
    buttons.prepend(QStringLiteral("BtConectar"));
    for (const QString& name : buttons) {
        auto* button = control<QPushButton>(window, name.toLatin1().constData());
        button->setFont(arial(12));
        setTextColour(button, name == QLatin1String("BtSair") ? kRed : kNavy);
    }

    QTabBar* tabs = control<QTabWidget>(window, "ParConfgs")->tabBar();
    tabs->setFont(arial(15, true));
    setTextColour(tabs, kNavy);

    lookOfStatusStrip(window);

    auto* echo = new PasswordEchoStyle;
    echo->setParent(window);
    for (const char* name : {"VSenhaAtual", "VNovaSenha"})
        control<QLineEdit>(window, name)->setStyle(echo);
}
