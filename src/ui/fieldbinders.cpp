#include "ui/fieldbinders.h"

#include "image/readable.h"
#include "ui/namedcontrols.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>

namespace
{

using image::Kind;

QString controlName(std::string_view name)
{
    return QString::fromLatin1(name.data(), qsizetype(name.size()));
}

// A text box: the field's characters as the decoder reads them.
class TextBinder final : public FieldBinder
{
public:
    TextBinder(const image::Field& field, QLineEdit* box) : FieldBinder(field), m_box(box) {}

    void clear() override { m_box->setText(QString()); }

    void show(const QByteArray& image) override
    {
        const QString text = image::readableValue(field(), image);
        if (field().kind == Kind::ShortText) {
            m_box->setText(text); // built at once
            return;
        }
        // Appended to what the box shows; a field of zero bytes adds nothing and raises no change.
        if (!text.isEmpty())
            m_box->setText(m_box->text() + text);
    }

    QString shown() const override { return m_box->text(); }
    int select(int /*code*/) override { return -1; }                       // a text names no item
    void enterText(const QString& text) override { m_box->setText(text); } // its change reaction stores it
    QLineEdit* textBox() const override { return m_box; }

private:
    QLineEdit* m_box;
};

// A choice box: the item the byte names, or none.
class ChoiceBinder final : public FieldBinder
{
public:
    ChoiceBinder(const image::Field& field, QComboBox* box) : FieldBinder(field), m_box(box) {}

    void clear() override { selectIndex(m_box, -1); }

    void show(const QByteArray& image) override
    {
        const int filledWhen = field().filledWhen;
        if (filledWhen != 0 && filledWhen < image.size() && image.at(filledWhen) == 0)
            return; // left as it is while the box is hidden
        const int value = byteOf(image);
        selectIndex(m_box, value < m_box->count() ? value : -1);
    }

    QString shown() const override { return selectedItemText(field(), m_box); }

    int select(int code) override
    {
        selectIndex(m_box, code >= 0 && code < m_box->count() ? code : -1);
        return m_box->currentIndex();
    }

    QComboBox* choiceBox() const override { return m_box; }

private:
    QComboBox* m_box;
};

// A check box: off for a zero byte, on for any other.
class FlagBinder final : public FieldBinder
{
public:
    FlagBinder(const image::Field& field, QCheckBox* box) : FieldBinder(field), m_box(box) {}

    void clear() override { m_box->setChecked(false); }
    void show(const QByteArray& image) override { m_box->setChecked(byteOf(image) != 0); } // toggled runs its reaction
    QString shown() const override { return image::itemTexts(field()).value(m_box->isChecked() ? 1 : 0); }

    int select(int code) override
    {
        m_box->setChecked(code != 0); // toggled runs the click reaction, which may uncheck it again
        return m_box->isChecked() ? 1 : 0;
    }

    QList<QAbstractButton*> buttons() const override { return {m_box}; }

private:
    QCheckBox* m_box;
};

// A group of radio buttons, one for each value of a code; with a check box that turns the code on
// (the TCP role), a zero byte unchecks it and a byte that names no value leaves the group alone.
class CodeBinder final : public FieldBinder
{
public:
    CodeBinder(const image::Field& field, QCheckBox* onOff, QList<QRadioButton*> group)
        : FieldBinder(field), m_onOff(onOff), m_group(std::move(group))
    {
    }

    void clear() override
    {
        if (m_onOff)
            m_onOff->setChecked(false);
        for (QRadioButton* button : m_group)
            uncheck(button);
    }

    void show(const QByteArray& image) override
    {
        const int byte = byteOf(image);
        if (m_onOff) {
            if (byte >= m_group.size())
                return; // no role shown; the byte goes back as it was read
            m_onOff->setChecked(byte != 0);
            if (byte == 0) {
                for (QRadioButton* button : m_group)
                    uncheck(button);
                return;
            }
        }
        if (QRadioButton* button = m_group.value(image::shownCode(field(), byte)))
            button->setChecked(true); // the others of the group are unchecked silently
    }

    QString shown() const override
    {
        if (const int code = checkedCode(); code >= 0)
            return image::itemTexts(field()).value(code);
        // With no button checked, the on/off box's code 0 has a name; a group alone shows nothing.
        return m_onOff ? image::itemTexts(field()).value(0) : QString();
    }

    int select(int code) override
    {
        if (m_onOff) {
            // Unchecking the box runs its reaction, which clears the code and the buttons.
            m_onOff->setChecked(code != 0);
            if (code == 0)
                return 0;
        }
        if (QRadioButton* button = m_group.value(code))
            button->setChecked(true); // its reaction stores the code
        return checkedCode();
    }

    void switchOn() override
    {
        if (m_onOff)
            m_onOff->setChecked(true);
    }

    QList<QAbstractButton*> buttons() const override
    {
        QList<QAbstractButton*> all;
        if (m_onOff)
            all.append(m_onOff);
        for (QRadioButton* button : m_group) {
            if (button)
                all.append(button);
        }
        return all;
    }

private:
    // The code of the checked button, or -1 with none checked.
    int checkedCode() const
    {
        for (qsizetype code = 0; code < m_group.size(); ++code) {
            if (m_group.at(code) && m_group.at(code)->isChecked())
                return int(code);
        }
        return -1;
    }

    static void uncheck(QRadioButton* button)
    {
        if (button)
            uncheckSilently(button);
    }

    QCheckBox* m_onOff;
    QList<QRadioButton*> m_group; // by code; nullptr where a code has no button
};

} // namespace

int FieldBinder::byteOf(const QByteArray& image) const
{
    return m_field.first < image.size() ? static_cast<unsigned char>(image.at(m_field.first)) : 0;
}

std::unique_ptr<FieldBinder> makeFieldBinder(const image::Field& field, const NamedControls& controls)
{
    const QString name = controlName(field.control);
    switch (field.kind) {
    case Kind::Text:
    case Kind::ShortText:
    case Kind::Mac:
        return std::make_unique<TextBinder>(field, controls.find<QLineEdit>(name));
    case Kind::Choice:
    case Kind::NumberByte:
        return std::make_unique<ChoiceBinder>(field, controls.find<QComboBox>(name));
    case Kind::Flag:
        return std::make_unique<FlagBinder>(field, controls.find<QCheckBox>(name));
    case Kind::Code: {
        QList<QRadioButton*> group;
        for (std::string_view button : field.buttons)
            group.append(button.empty() ? nullptr : controls.find<QRadioButton>(controlName(button)));
        return std::make_unique<CodeBinder>(field, controls.find<QCheckBox>(name), std::move(group));
    }
    case Kind::FrameStart:
    case Kind::Letter:
    case Kind::NewPassword:
    case Kind::Reserved:
        break;
    }
    return nullptr;
}

void selectIndex(QComboBox* box, int index)
{
    // A selection by the program raises no store: the reactions listen to the user's signals only.
    box->setCurrentIndex(index);
    if (index < 0)
        box->setEditText(QString());
}

void uncheckSilently(QAbstractButton* button)
{
    // Qt ignores setChecked(false) on the checked button of an exclusive group; lift the rule for it.
    const bool exclusive = button->autoExclusive();
    button->setAutoExclusive(false);
    button->setChecked(false);
    button->setAutoExclusive(exclusive);
}

QString selectedItemText(const image::Field& field, const QComboBox* box)
{
    // Typed text names an item only in full, as for the byte the box stores.
    const int index = image::namedItem(field, box->currentText());
    return index < 0 ? QString() : box->itemText(index);
}
