#pragma once

#include "image/layout.h"

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>

class NamedControls;
class QAbstractButton;
class QComboBox;
class QLineEdit;

// How the window shows one field of the image in its control and reads back what the control shows,
// one binder for each kind of control. A binder only changes controls: the controls' own reactions
// store into the working copy, as when the user changes them.
class FieldBinder
{
public:
    explicit FieldBinder(const image::Field& field) : m_field(field) {}
    virtual ~FieldBinder() = default;
    FieldBinder(const FieldBinder&) = delete;
    FieldBinder& operator=(const FieldBinder&) = delete;

    const image::Field& field() const { return m_field; }

    // Empties the control: no text, no item, nothing checked.
    virtual void clear() = 0;
    // Shows the field of the working copy `image` by the decoder's rules.
    virtual void show(const QByteArray& image) = 0;
    // What the control shows, in the words of image::readableValue.
    virtual QString shown() const = 0;

    // A loaded value, set as the user would set it so that the control's reactions run. Select shows
    // the value `code` names (-1: none) and gives back the code the control shows then, which a
    // reaction may have refused.
    virtual int select(int code) = 0;
    virtual void enterText(const QString& /*text*/) {}
    // Turns on the check box that switches the field's code on, leaving the code as it is.
    virtual void switchOn() {}

    // The check boxes and radio buttons whose toggling changes what the field shows.
    virtual QList<QAbstractButton*> buttons() const { return {}; }
    virtual QLineEdit* textBox() const { return nullptr; }
    virtual QComboBox* choiceBox() const { return nullptr; }

protected:
    int byteOf(const QByteArray& image) const;

private:
    const image::Field& m_field;
};

// The binder of the field's control, or nullptr for a field the editor does not show (fixed,
// reserved and password bytes).
std::unique_ptr<FieldBinder> makeFieldBinder(const image::Field& field, const NamedControls& controls);

// Program-side control changes with the event rules of the editor.
void selectIndex(QComboBox* box, int index);
void uncheckSilently(QAbstractButton* button);
// The text of the item the box's text names in full (ignoring case), as the list spells it; empty for none.
QString selectedItemText(const image::Field& field, const QComboBox* box);
