#include "ui/controlrules.h"

#include "image/readable.h"
#include "ui/commandbuttons.h"
#include "ui/deferredicon.h"
#include "ui/dialogs.h"
#include "ui/namedcontrols.h"
#include "ui/windowlook.h"

#include "hxversion.h"

#include <QAction>
#include <QComboBox>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QValidator>

#include <algorithm>
#include <string_view>

namespace
{

constexpr int clientWidth = 638;
constexpr int clientHeight = 449;
constexpr int toolTipMilliseconds = 8000;

// QLineEdit::setText would cut a program-set text to maxLength, so the limit is a validator
// instead. The box changes its text before it asks the validator, so the rule remembers the
// length it last accepted. A program-set text arrives with the box's undo history just cleared;
// an edit by the user always leaves an undo step behind.
class TypingLimit final : public QValidator
{
public:
    TypingLimit(QLineEdit* box, int maxLength, bool lowerCase)
        : QValidator(box), m_box(box), m_maxLength(maxLength), m_lowerCase(lowerCase), m_accepted(box->text())
    {
    }

    State validate(QString& input, int& /*pos*/) const override
    {
        const bool typed = m_box->isUndoAvailable();
        if (typed) {
            const qsizetype length = input.size();
            if (length > m_maxLength && length > m_accepted.size())
                return Invalid;
            if (m_lowerCase)
                lowerTypedPart(input);
        }
        m_accepted = input;
        return Acceptable;
    }

private:
    // Only what was typed becomes lower case: the part of the text that differs from the text
    // last accepted. Letters the program put there stay as they are.
    void lowerTypedPart(QString& input) const
    {
        const qsizetype shorter = std::min(input.size(), m_accepted.size());
        qsizetype prefix = 0;
        while (prefix < shorter && input.at(prefix) == m_accepted.at(prefix))
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < shorter - prefix &&
               input.at(input.size() - 1 - suffix) == m_accepted.at(m_accepted.size() - 1 - suffix))
            ++suffix;
        const qsizetype typedLength = input.size() - prefix - suffix;
        if (typedLength > 0)
            input.replace(prefix, typedLength, input.mid(prefix, typedLength).toLower());
    }

    QLineEdit* const m_box;
    const int m_maxLength;
    const bool m_lowerCase;
    mutable QString m_accepted;
};

template <typename T> T* control(const NamedControls& controls, const char* name)
{
    T* found = controls.find<T>(QLatin1String(name));
    Q_ASSERT_X(found, "prepareMainWindowControls", name);
    return found;
}

// The two password boxes take the terminal's six characters; they are no image field.
constexpr const char* passwordBoxes[] = {"VSenhaAtual", "VNovaSenha"};
constexpr int passwordLength = 6;

// Typed login and password letters become lower case.
bool typesLowerCase(std::string_view box)
{
    return box == "VLogin" || box == "VPassword";
}

void setMenuPicture(QWidget* window, const NamedControls& controls, const char* action, QStyle::StandardPixmap picture)
{
    control<QAction>(controls, action)->setIcon(deferredStandardIcon(window->style(), picture));
}

// The client area below the menu bar stays 638 x 449 whatever height the menu bar takes.
void fixFrameSize(QWidget* window)
{
    int menuHeight = 0;
    if (auto* mainWindow = qobject_cast<QMainWindow*>(window); mainWindow && mainWindow->menuWidget()) {
        QWidget* bar = mainWindow->menuWidget();
        menuHeight = bar->sizeHint().height();
        if (bar->hasHeightForWidth())
            menuHeight = qMax(menuHeight, bar->heightForWidth(clientWidth));
    }
    window->setFixedSize(clientWidth, clientHeight + menuHeight);
}

void centreOnScreen(QWidget* window)
{
    if (const QScreen* screen = window->screen()) {
        const QRect area = screen->availableGeometry();
        window->move(area.center() - QPoint(window->width() / 2, window->height() / 2));
    }
}

} // namespace

void limitTyping(QLineEdit* box, int maxLength, bool lowerCase)
{
    box->setValidator(new TypingLimit(box, maxLength, lowerCase));
}

void focusEditBox(QLineEdit* box)
{
    box->setFocus(Qt::OtherFocusReason);
    // Selected here, not by the focus event: a window that is not active yet gets that event only
    // later, and then without the reason that selects.
    box->selectAll();
}

namespace
{

void fillChoiceLists(const NamedControls& controls)
{
    for (const image::Field& field : image::layout()) {
        if (field.kind != image::Kind::Choice && field.kind != image::Kind::NumberByte)
            continue;
        auto* box = controls.find<QComboBox>(QString::fromLatin1(field.control));
        Q_ASSERT_X(box, "fillChoiceLists", field.control.data());
        if (!box)
            continue;
        box->addItems(image::itemTexts(field));
        // Adding items to an empty box selects the first one; the editor starts with none.
        box->setCurrentIndex(-1);
        box->setEditText(QString());
    }
}

} // namespace

void fillChoiceLists(QWidget* window)
{
    fillChoiceLists(NamedControls(window));
}

void prepareMainWindowControls(QWidget* window)
{
    // The designed title holds the release as %1; the one release is CMake's project version.
    window->setWindowTitle(window->windowTitle().arg(QStringLiteral(HX_VERSION)));
    applyWindowLook(window);
    const NamedControls controls(window);
    fillChoiceLists(controls);
    for (const char* box : passwordBoxes)
        limitTyping(control<QLineEdit>(controls, box), passwordLength);
    // Each image text box takes as many characters as its field holds, or shows for a short text.
    for (const image::Field& field : image::layout()) {
        if (field.kind != image::Kind::Text && field.kind != image::Kind::ShortText)
            continue;
        const int length = field.kind == image::Kind::Text ? field.width : field.shown;
        limitTyping(control<QLineEdit>(controls, field.control.data()), length, typesLowerCase(field.control));
    }

    // The new password is reached by the mouse only; Tab passes over it and over the command row.
    control<QLineEdit>(controls, "VNovaSenha")->setFocusPolicy(Qt::ClickFocus);
    for (const QString& name : commandButtonNames())
        control<QPushButton>(controls, name.toLatin1().constData())->setFocusPolicy(Qt::ClickFocus);
    // Outside a dialog a push button ignores Enter unless it is an auto-default button.
    for (QPushButton* button : window->findChildren<QPushButton*>())
        button->setAutoDefault(true);

    // The address history is kept by its own rule, never by the box.
    control<QComboBox>(controls, "IpTerm")->setInsertPolicy(QComboBox::NoInsert);
    // No box completes what is typed: the address and the stored values are the text typed.
    for (QComboBox* box : window->findChildren<QComboBox*>()) {
        if (box->isEditable())
            box->setCompleter(nullptr);
    }

    setMenuPicture(window, controls, "Diretrio1", QStyle::SP_DirOpenIcon);
    setMenuPicture(window, controls, "Log1", QStyle::SP_FileIcon);
    setMenuPicture(window, controls, "VisualizarLog1", QStyle::SP_FileDialogDetailedView);
    setMenuPicture(window, controls, "CompararLido1", QStyle::SP_FileDialogContentsView);
    setMenuPicture(window, controls, "ExportarConfiguracao1", QStyle::SP_DialogSaveButton);
    setMenuPicture(window, controls, "CarregarConfiguracao1", QStyle::SP_DialogOpenButton);
    setMenuPicture(window, controls, "AbrirBackups1", QStyle::SP_DirClosedIcon);

    window->setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                           Qt::WindowCloseButtonHint);
    fixFrameSize(window);
    centreOnScreen(window);
}

QList<QPair<QString, QString>> toolTipTexts(const QString& settingsFilePath)
{
    QList<QPair<QString, QString>> texts;
    for (const ToolTipEntry& entry : toolTipList(settingsFilePath)) {
        for (const QString& name : entry.objectNames)
            texts.append({name, entry.text});
    }
    return texts;
}

void assignToolTips(QWidget* window, const QString& settingsFilePath)
{
    const NamedControls controls(window);
    for (const auto& [name, text] : toolTipTexts(settingsFilePath)) {
        auto* widget = controls.find<QWidget>(name);
        Q_ASSERT_X(widget, "assignToolTips", qPrintable(name));
        if (!widget)
            continue;
        widget->setToolTip(displayText(text));
        widget->setToolTipDuration(toolTipMilliseconds);
    }
}
