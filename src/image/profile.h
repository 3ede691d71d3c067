#pragma once

#include "image/imagebuffer.h"
#include "image/layout.h"

#include <QByteArray>
#include <QLatin1String>
#include <QList>
#include <QString>
#include <QStringList>

// A company default (the five sections "Rede", "Conexao", "Protocolo", "Gerais", "Seriais" of
// ConfDefault.ini, or of a configuration file) applied to an image with the "Default" button's rules.
namespace image
{

// The fixed words of the company default's rules, compared exactly, letter case included.
namespace companyword
{
constexpr QLatin1String yes("Sim");
constexpr QLatin1String no("Nao"); // no tilde: "Não" is a value other than "Nao"
constexpr QLatin1String automatic("Automatico");
constexpr QLatin1String client("Client");
constexpr QLatin1String server("Server");
constexpr QLatin1String system("System");
constexpr QLatin1String vt100("VT-100");
constexpr QLatin1String corvale("Corvale");
constexpr QLatin1String telNet("TelNet");
constexpr QLatin1String noRole("Nenhum"); // extension: no TCP role, beside "ConexaoTCP" other than "Sim"
} // namespace companyword

// The codes the "Default" button's special rules give a value that is present.
int yesNoCode(const QString& value);    // 0 for "Nao", 1 for anything else
int roleCode(const QString& value);     // "Tipo" after "ConexaoTCP=Sim": 1 "Client", 2 "Server", 3 anything else
int protocolCode(const QString& value); // 0 "VT-100", 1 "Corvale", 2 anything else

// Where a value comes from. A company file (ConfDefault.ini, a configuration file's five sections) is
// read with the "Default" button's rules, quirks included: "Tipo" is read only after "ConexaoTCP=Sim",
// a yes/no key is off only for "Nao". A value the user gives for one key (--set, a fleet file's cell)
// is a request: it takes effect as `show` names it, or it is refused with the accepted values.
enum class Origin { Company, Request };

struct ProfileEntry {
    QString section;
    QString key;
    QString value;
    Origin origin = Origin::Company;
    bool operator==(const ProfileEntry&) const = default;
};
using Profile = QList<ProfileEntry>; // file order; section and key match ignoring case

// The keys that say everything the five sections can say about `image`, section by section in the
// "Default" button's reading order, extension keys at the end of their section. A value that cannot be said (a choice
// byte naming no item) is left empty.
Profile profileOf(const QByteArray& image);

// The value the profile gives the key (the last entry wins); empty when absent.
QString profileValue(const Profile& profile, const QString& section, const QString& key);
// The entry that gives the key its value (the last one), or nullptr.
const ProfileEntry* profileEntry(const Profile& profile, const QString& section, const QString& key);
// Sets one "Section.Key=Value" on top of a profile (later entries win).
void setProfileValue(Profile& profile, const QString& section, const QString& key, const QString& value,
                     Origin origin = Origin::Company);
void setProfileValue(Profile& profile, const ProfileEntry& entry);

// The key `show` lists a field under and a request names it by: the company key, but for the TCP
// role "Tipo", which alone sets the role. The value `show` gives it: what the editor shows, or where
// it shows nothing (the 2.4 GHz boxes while the interface is off) the value of the company key. Given
// back as a request, the pair leaves the field as it is.
QString requestKeyOf(const Field& field);
QString requestValueOf(const Field& field, const QByteArray& image);

// The row whose key (or TCP-role key) this is, or nullptr for a key the tool does not know.
const Field* fieldOfKey(const QString& section, const QString& key);
// Entries whose key the tool does not know; "Default" ignores them, and so does applyProfile.
Profile unknownEntries(const Profile& profile);

struct ProfileProblem {
    QString section, key, value;
    QStringList accepted;   // the accepted values
    QString condition = {}; // "Tipo=Client" when another key makes the value wrong; empty when none
    QString text() const;   // Portuguese, one line, names all of the above
    bool operator==(const ProfileProblem&) const = default;
};

// What applying one key does to its field and control, in the "Default" button's reading order.
struct FieldLoad {
    enum class Action {
        Restore,  // the byte as read (the pristine copy's); the control stays as it is
        Text,     // the text goes into the box, whose change rule stores it
        Select,   // the control shows `code` (-1: no item) and the byte takes the code it then shows
        SwitchOn, // the TCP connection's box is checked and, with no role named, the byte is as read
        Stop,     // a value that is no number: the load ends here, `text` being the conversion error
    };
    const Field* field = nullptr;
    Action action = Action::Restore;
    int code = 0;
    QString text = {};
    bool operator==(const FieldLoad&) const = default;
};

struct ApplyResult {
    QByteArray image; // the working copy after a read of the image and the "Default" button
    QList<ProfileProblem> problems;
    QList<FieldLoad> loads; // the keys' effects in reading order, up to a Stop
};

struct ApplyOptions {
    // The keys only a configuration file carries: the 2.4 GHz fields and the TCP role "Nenhum".
    // The "Default" button ignores them.
    bool extensions = true;
    // The editor's own outcome of a value it cannot use, instead of a problem: a value that names
    // no item selects none (byte 255), a "SincronismoVideo" that is no number stops the load, an
    // extension number outside its list is left alone.
    bool asEditor = false;
};

// The "Default" button's rules on every key, plus the extension keys, applied to the working copy
// the editor holds after a read of `image` (absent choice keys give the byte as read). A value that
// names no item is a problem instead of the byte 255. With problems, callers must not use `image`.
// A requested value (Origin::Request) follows the request rules instead: each value `show` prints,
// the company words ("Nao", "Automatico", "VT-100") and an index for "SincronismoVideo", letter case
// ignored; "Tipo" alone sets the TCP role ("Nenhum" turns the connection off, any other role on),
// "ConexaoTCP" alone turns the connection on ("Sim": the role the profile or the terminal has, else
// "Client") or off ("Não"); anything else is a problem.
ApplyResult applyProfile(const QByteArray& image, const Profile& profile);
// The same rules on top of the working copy the buffer holds (the user's edits included), with the
// buffer's pristine copy as the bytes read.
ApplyResult applyProfile(const ImageBuffer& buffer, const Profile& profile, const ApplyOptions& options);

} // namespace image
