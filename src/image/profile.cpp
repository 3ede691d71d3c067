#include "image/profile.h"

#include "image/imagebuffer.h"
#include "image/integertext.h"
#include "image/readable.h"

#include <QCoreApplication>

#include <optional>

namespace image
{
namespace
{

using namespace companyword;

bool sameName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

QByteArray pristineAfterRead(const QByteArray& image)
{
    ImageBuffer buffer;
    buffer.takeReadReply(image);
    return buffer.pristineCopy();
}

QStringList numbers(int count)
{
    QStringList out;
    for (int i = 0; i < count; ++i)
        out.append(QString::number(i));
    return out;
}

// One run of the "Default" button's rules over a profile.
class Applier
{
public:
    // The pristine copy is the image as read; the working copy is what the editor holds on top of it.
    Applier(QByteArray pristine, QByteArray working, const Profile& profile, const ApplyOptions& options)
        : m_pristine(std::move(pristine)), m_work(std::move(working)), m_profile(profile), m_options(options)
    {
    }

    ApplyResult run()
    {
        for (const Field* field : keyedFields()) {
            if (field->extension && !m_options.extensions)
                continue;
            apply(*field);
            if (!m_loads.isEmpty() && m_loads.constLast().action == FieldLoad::Action::Stop)
                break;
        }
        return {m_work, m_problems, m_loads};
    }

private:
    void apply(const Field& field)
    {
        if (field.rule == Rule::TcpRole) {
            applyRole(field);
            return;
        }
        const ProfileEntry* entry = profileEntry(m_profile, sectionOf(field), keyOf(field));
        const QString value = entry ? entry->value : QString();
        if (value.isEmpty()) {
            // "Default" leaves a text alone and gives a choice its byte as read; it does not
            // know the extension keys at all.
            if (field.rule != Rule::Text && !field.extension)
                fromPristine(field);
            return;
        }
        if (entry->origin == Origin::Request)
            applyRequest(field, value);
        else
            applyCompany(field, value);
    }

    void applyCompany(const Field& field, const QString& value)
    {
        switch (field.rule) {
        case Rule::Text:
            applyText(field, value);
            break;
        case Rule::Speed:
            if (value == automatic)
                set(field, 0);
            else
                applyList(field, value, QStringList{automatic} + itemTexts(field));
            break;
        case Rule::List:
            applyList(field, value, itemTexts(field));
            break;
        case Rule::YesNo:
            set(field, yesNoCode(value));
            break;
        case Rule::Protocol:
            set(field, protocolCode(value));
            break;
        case Rule::Index:
            applyIndex(field, value);
            break;
        case Rule::Number:
            applyNumber(field, value, itemTexts(field));
            break;
        case Rule::TcpRole:
        case Rule::None:
            break;
        }
    }

    // The editor converts the text as the box's store does: no number stops the load, a number
    // outside the list selects no item.
    void applyIndex(const Field& field, const QString& value)
    {
        if (!m_options.asEditor)
            return applyNumber(field, value, numbers(int(field.items.size())));
        const std::optional<int> number = decimalInteger(value);
        if (!number)
            return m_loads.append({&field, FieldLoad::Action::Stop, 0, invalidIntegerText(value)});
        set(field, *number >= 0 && std::size_t(*number) < field.items.size() ? *number : -1);
    }

    // A request takes the value `show` prints, or the company word, ignoring letter case.
    void applyRequest(const Field& field, const QString& value)
    {
        switch (field.rule) {
        case Rule::Text:
            applyText(field, value);
            break;
        case Rule::Speed:
            if (sameName(value, automatic))
                set(field, 0);
            else
                applyList(field, value, itemTexts(field));
            break;
        case Rule::List:
            applyList(field, value, itemTexts(field));
            break;
        case Rule::YesNo:
            if (sameName(value, no))
                set(field, 0);
            else
                applyList(field, value, itemTexts(field) + QStringList{no});
            break;
        case Rule::Protocol:
            if (sameName(value, vt100))
                set(field, 0);
            else
                applyList(field, value, itemTexts(field) + QStringList{vt100});
            break;
        case Rule::Index:
            if (const int index = namedItem(field, value); index >= 0)
                set(field, index);
            else
                applyNumber(field, value, itemTexts(field) + numbers(int(field.items.size())));
            break;
        case Rule::Number:
            applyNumber(field, value, itemTexts(field));
            break;
        case Rule::TcpRole:
        case Rule::None:
            break;
        }
    }

    void applyText(const Field& field, const QString& value)
    {
        // A box that already shows the text raises no change reaction: the field keeps its bytes.
        m_loads.append({&field, FieldLoad::Action::Text, 0, value});
        if (value != readableValue(field, m_work))
            storeText(m_work, field, value);
    }

    void applyList(const Field& field, const QString& value, const QStringList& accepted)
    {
        const int index = namedItem(field, value);
        if (index >= 0 || m_options.asEditor)
            set(field, index); // the editor selects no item: byte 255
        else
            problem(field, keyOf(field), value, accepted);
    }

    void applyNumber(const Field& field, const QString& value, const QStringList& accepted)
    {
        const std::optional<int> number = decimalInteger(value);
        if (number && *number >= 0 && std::size_t(*number) < field.items.size())
            set(field, *number);
        else if (!m_options.asEditor) // the editor leaves the box as it is
            problem(field, keyOf(field), value, accepted);
    }

    void applyRole(const Field& field)
    {
        const QString section = sectionOf(field);
        const ProfileEntry* connection = profileEntry(m_profile, section, keyOf(field));
        const ProfileEntry* role = profileEntry(m_profile, section, tableText(field.subKey));
        const auto requested = [](const ProfileEntry* e) { return e && e->origin == Origin::Request; };
        if (requested(connection) || requested(role)) {
            applyRequestedRole(field, requested(connection) ? connection : nullptr, role);
            return;
        }
        applyCompanyRole(field, connection ? connection->value : QString(), role ? role->value : QString());
    }

    // "ConexaoTCP" = "Sim" checks the box (byte 1) and reads "Tipo"; any other value gives the
    // byte as read and "Tipo" is not read, except the extension value "Nenhum": no role at all.
    void applyCompanyRole(const Field& field, const QString& connection, const QString& role)
    {
        if (connection != yes) {
            if (role == noRole && m_options.extensions)
                set(field, 0);
            else
                fromPristine(field);
            return;
        }
        if (role.isEmpty())
            switchOn(field);
        else if (role == noRole && !m_options.asEditor)
            problem(field, tableText(field.subKey), role, {client, server, system}, keyOf(field) + u'=' + yes);
        else
            set(field, roleCode(role)); // the editor takes "Nenhum" as any other word: System
    }

    // A requested "Tipo" is the role whatever "ConexaoTCP" the company file says; a requested
    // "ConexaoTCP" beside it must agree with it.
    void applyRequestedRole(const Field& field, const ProfileEntry* connection, const ProfileEntry* role)
    {
        const QString roleKey = tableText(field.subKey);
        const QStringList onOff = {yes, QStringLiteral("Não"), no};
        std::optional<bool> on;
        if (connection) {
            if (sameName(connection->value, yes))
                on = true;
            else if (sameName(connection->value, onOff.at(1)) || sameName(connection->value, no))
                on = false;
            else
                return problem(field, keyOf(field), connection->value, onOff);
        }
        if (role && role->origin == Origin::Request) {
            const int code = namedItem(field, role->value);
            if (code < 0)
                return problem(field, roleKey, role->value, itemTexts(field));
            if (on && *on != (code != 0)) {
                return problem(field, keyOf(field), connection->value, {code != 0 ? yes : onOff.at(1)},
                               QStringLiteral("%1=%2").arg(roleKey, role->value));
            }
            return set(field, code);
        }
        if (!*on)
            return set(field, 0);
        // On: the role the company file names, or the one the terminal has, or "Client" as the box
        // gives when it is checked.
        if (role && !role->value.isEmpty() && role->value != noRole)
            return set(field, roleCode(role->value));
        const int held = static_cast<unsigned char>(m_pristine.at(field.first));
        set(field, held >= 1 && held <= 3 ? held : 1);
    }

    void set(const Field& field, int value)
    {
        m_loads.append({&field, FieldLoad::Action::Select, value});
        m_work[field.first] = char(value & 0xFF);
    }
    void fromPristine(const Field& field)
    {
        m_loads.append({&field, FieldLoad::Action::Restore});
        m_work[field.first] = m_pristine.at(field.first);
    }
    void switchOn(const Field& field)
    {
        m_loads.append({&field, FieldLoad::Action::SwitchOn});
        m_work[field.first] = m_pristine.at(field.first);
    }

    void problem(const Field& field, const QString& key, const QString& value, const QStringList& accepted,
                 const QString& condition = {})
    {
        m_problems.append({sectionOf(field), key, value, accepted, condition});
    }

    QByteArray m_pristine;
    QByteArray m_work;
    const Profile& m_profile;
    const ApplyOptions m_options;
    QList<ProfileProblem> m_problems;
    QList<FieldLoad> m_loads;
};

QString companyValue(const Field& field, const QByteArray& image)
{
    const int byte = static_cast<unsigned char>(image.at(field.first));
    const auto named = [&field](int index) {
        return index >= 0 && std::size_t(index) < field.items.size() ? tableText(field.items[std::size_t(index)])
                                                                     : QString();
    };
    switch (field.rule) {
    case Rule::Text:
        return readableValue(field, image);
    case Rule::List:
    case Rule::Number:
        return named(byte);
    case Rule::Speed:
        return byte == 0 ? automatic : named(byte);
    case Rule::YesNo:
        if (field.kind == Kind::Flag)
            return byte != 0 ? QString(yes) : no;
        return byte == 0 ? no : byte == 1 ? QString(yes) : QString();
    case Rule::Protocol:
        return byte == 0 ? vt100 : byte == 1 ? corvale : telNet;
    case Rule::Index:
        return std::size_t(byte) < field.items.size() ? QString::number(byte) : QString();
    case Rule::TcpRole:
    case Rule::None:
        break;
    }
    return {};
}

// The field's keys with the values that say its byte; the TCP role takes two keys.
void appendKeys(Profile& profile, const Field& field, const QByteArray& shown)
{
    const QString section = sectionOf(field);
    if (field.rule != Rule::TcpRole) {
        profile.append({section, keyOf(field), companyValue(field, shown)});
        return;
    }
    const int role = static_cast<unsigned char>(shown.at(field.first));
    const QStringList roles = {noRole, client, server, system};
    const bool named = role < roles.size();
    profile.append({section, keyOf(field), !named ? QString() : role == 0 ? no : QString(yes)});
    profile.append({section, tableText(field.subKey), named ? roles.at(role) : QString()});
}

} // namespace

Profile profileOf(const QByteArray& image)
{
    const QByteArray shown = workingCopyAfterRead(image);
    Profile profile;
    for (Page page : companyPages()) {
        for (const Field* field : keyedFields()) {
            if (field->page == page)
                appendKeys(profile, *field, shown);
        }
    }
    return profile;
}

int yesNoCode(const QString& value)
{
    return value == no ? 0 : 1;
}

int roleCode(const QString& value)
{
    return value == client ? 1 : value == server ? 2 : 3;
}

int protocolCode(const QString& value)
{
    return value == vt100 ? 0 : value == corvale ? 1 : 2;
}

const ProfileEntry* profileEntry(const Profile& profile, const QString& section, const QString& key)
{
    for (auto it = profile.crbegin(); it != profile.crend(); ++it) {
        if (sameName(it->section, section) && sameName(it->key, key))
            return &*it;
    }
    return nullptr;
}

QString profileValue(const Profile& profile, const QString& section, const QString& key)
{
    const ProfileEntry* entry = profileEntry(profile, section, key);
    return entry ? entry->value : QString();
}

void setProfileValue(Profile& profile, const QString& section, const QString& key, const QString& value, Origin origin)
{
    setProfileValue(profile, {section, key, value, origin});
}

void setProfileValue(Profile& profile, const ProfileEntry& entry)
{
    profile.removeIf(
        [&](const ProfileEntry& e) { return sameName(e.section, entry.section) && sameName(e.key, entry.key); });
    profile.append(entry);
}

QString requestKeyOf(const Field& field)
{
    return field.rule == Rule::TcpRole ? tableText(field.subKey) : keyOf(field);
}

QString requestValueOf(const Field& field, const QByteArray& image)
{
    const QString shown = readableValue(field, image);
    return shown.isEmpty() ? companyValue(field, workingCopyAfterRead(image)) : shown;
}

const Field* fieldOfKey(const QString& section, const QString& key)
{
    for (const Field* field : keyedFields()) {
        if (!sameName(sectionOf(*field), section))
            continue;
        if (sameName(keyOf(*field), key) || (!field->subKey.empty() && sameName(tableText(field->subKey), key)))
            return field;
    }
    return nullptr;
}

Profile unknownEntries(const Profile& profile)
{
    Profile unknown;
    for (const ProfileEntry& entry : profile) {
        if (!fieldOfKey(entry.section, entry.key))
            unknown.append(entry);
    }
    return unknown;
}

QString ProfileProblem::text() const
{
    QStringList quoted;
    for (const QString& value : accepted)
        quoted.append(QLatin1Char('"') + value + QLatin1Char('"'));
    // A long list (the numbers 00 to 99) is named by its ends.
    const QString list =
        quoted.size() > 12 ? quoted.first() + QStringLiteral(" a ") + quoted.last() : quoted.join(QStringLiteral(", "));
    const QString given = condition.isEmpty() ? value : QStringLiteral("%1 com %2").arg(value, condition);
    return QCoreApplication::translate("Image", "Valor não aceito em [%1] %2=%3; valores aceitos: %4")
        .arg(section, key, given, list);
}

ApplyResult applyProfile(const QByteArray& image, const Profile& profile)
{
    return Applier(pristineAfterRead(image), workingCopyAfterRead(image), profile, {}).run();
}

ApplyResult applyProfile(const ImageBuffer& buffer, const Profile& profile, const ApplyOptions& options)
{
    return Applier(buffer.pristineCopy(), buffer.workingCopy(), profile, options).run();
}

} // namespace image
