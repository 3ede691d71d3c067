#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <optional>

// Section and key names of an INI file match without regard to letter case.
bool sameIniName(const QString& a, const QString& b);

// The text of an INI file as a list of lines that keeps every character: editing one key or removing
// one section leaves all other lines, their order and their line endings exactly as they were. Names
// match without regard to letter case; the first section of a name and its first key of a name win.
class IniDocument
{
public:
    IniDocument() = default;
    explicit IniDocument(const QString& text);

    QString text() const;

    // The value as the private-profile functions read it: blanks around it removed and a pair of
    // enclosing double quotes taken off. Empty optional when the section or key is missing.
    std::optional<QString> value(const QString& section, const QString& key) const;

    // Key names of the section in file order, each name once (the first spelling).
    QStringList keys(const QString& section) const;

    // Replaces the value of an existing key (its line keeps the key's spelling and its ending), or
    // adds the key after the last key of the section, or adds the section at the end of the file.
    // Line breaks in the names and the value become blanks; each is cut at a NUL character, as the
    // C strings of the private-profile functions end there.
    void setValue(const QString& section, const QString& key, const QString& value);

    // Removes every section of that name with all its lines. False when there was none.
    bool removeSection(const QString& section);

    // Every section and key line in file order, with its 1-based line number, for readers that
    // check a file strictly (repeated names included). A section line has an empty key; a key line
    // carries the section it stands in (empty before the first) and its value as value() reads it.
    struct Item {
        int line = 0;
        QString section;
        QString key;
        QString value;
    };
    QList<Item> items() const;

private:
    enum class Kind { Other, Section, Key };
    struct Line {
        QString text;   // without its ending
        QString ending; // "\r\n", "\n", "\r" or empty for a last line without one
        Kind kind = Kind::Other;
        QString name;       // section or key name, trimmed
        QString value;      // key value, trimmed, quotes still on
        int valueStart = 0; // offset of the value in text (after '=' and its blanks)
    };

    // Where the first section of each name and its first key of each name stand, by the name
    // with its letter case folded: a lookup in a file of many thousand keys costs no walk.
    struct Index {
        bool built = false;
        QHash<QString, int> sections;
        QHash<int, QHash<QString, int>> keys; // by the line of the section they stand in
    };

    static Line parseLine(QStringView text, const QString& ending);
    static QString unquoted(const QString& value);
    const Index& index() const;
    int findSection(const QString& section) const;
    int findKey(int sectionLine, const QString& key) const;

    QList<Line> m_lines;
    // Built on the first lookup by any copy of the same text and dropped by every edit: copies share
    // it until one of them edits. A document and its copies therefore serve one thread.
    mutable std::shared_ptr<Index> m_index;
};
