#include "files/inidocument.h"

namespace
{

const QString kCrLf = QStringLiteral("\r\n");
const QString kLf = QStringLiteral("\n");
const QString kCr = QStringLiteral("\r");

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == u'\v' || c == u'\f';
}

int skipBlanks(QStringView text, int from)
{
    while (from < text.size() && isBlank(text.at(from)))
        ++from;
    return from;
}

// Copied once, after the trimming: a file of many thousand lines is parsed with few allocations.
QString trimmedBlanks(QStringView text)
{
    int first = skipBlanks(text, 0);
    int last = int(text.size());
    while (last > first && isBlank(text.at(last - 1)))
        --last;
    return text.mid(first, last - first).toString();
}

// The line ending as one of the shared constants, so that no line holds a copy of its own.
const QString& endingOf(QStringView ending)
{
    if (ending == kCrLf)
        return kCrLf;
    if (ending == kLf)
        return kLf;
    if (ending == kCr)
        return kCr;
    static const QString none;
    return none;
}

// A line break inside a name or value would split its line in two, and a NUL would make the whole
// file unreadable.
QString oneLine(QString text)
{
    const qsizetype nul = text.indexOf(QChar(u'\0'));
    if (nul >= 0)
        text.truncate(nul);
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

bool sameIniName(const QString& a, const QString& b)
{
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

IniDocument::IniDocument(const QString& text) : m_index(std::make_shared<Index>())
{
    qsizetype start = 0;
    const qsizetype size = text.size();
    m_lines.reserve(text.count(u'\n') + 1);
    while (start < size) {
        qsizetype end = start;
        while (end < size && text.at(end) != u'\r' && text.at(end) != u'\n')
            ++end;
        qsizetype next = end;
        if (next < size)
            next += (text.at(next) == u'\r' && next + 1 < size && text.at(next + 1) == u'\n') ? 2 : 1;
        const QStringView all(text);
        m_lines.append(parseLine(all.mid(start, end - start), endingOf(all.mid(end, next - end))));
        start = next;
    }
}

IniDocument::Line IniDocument::parseLine(QStringView text, const QString& ending)
{
    Line line;
    line.text = text.toString();
    line.ending = ending;
    const int begin = skipBlanks(text, 0);
    if (begin < text.size() && text.at(begin) == u';')
        return line;
    if (begin < text.size() && text.at(begin) == u'[') {
        const int close = text.lastIndexOf(u']');
        if (close > begin) {
            line.kind = Kind::Section;
            line.name = trimmedBlanks(text.mid(begin + 1, close - begin - 1));
            return line;
        }
    }
    const int equals = text.indexOf(u'=', begin);
    if (equals < 0)
        return line;
    line.kind = Kind::Key;
    line.name = trimmedBlanks(text.mid(begin, equals - begin));
    line.valueStart = skipBlanks(text, equals + 1);
    line.value = trimmedBlanks(text.mid(line.valueStart));
    return line;
}

QString IniDocument::text() const
{
    QString out;
    for (const Line& line : m_lines)
        out += line.text + line.ending;
    return out;
}

const IniDocument::Index& IniDocument::index() const
{
    if (!m_index)
        m_index = std::make_shared<Index>();
    if (m_index->built)
        return *m_index;
    Index* built = m_index.get();
    // A name is folded as sameIniName() compares it (QString::compare without case folds each code
    // point alike), so the hashes find exactly what a walk with sameIniName() would.
    const auto addFirst = [](QHash<QString, int>& names, const QString& name, int line) {
        const QString folded = name.toCaseFolded();
        if (!names.contains(folded))
            names.insert(folded, line);
        return names.value(folded);
    };
    int section = -1; // the line of the section the walk is in, when it is the first of its name
    QHash<QString, int>* keys = nullptr;
    for (int i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines.at(i);
        if (line.kind == Kind::Section) {
            section = addFirst(built->sections, line.name, i) == i ? i : -1;
            keys = section >= 0 ? &built->keys[section] : nullptr;
        } else if (line.kind == Kind::Key && keys) {
            addFirst(*keys, line.name, i);
        }
    }
    built->built = true;
    return *built;
}

int IniDocument::findSection(const QString& section) const
{
    return index().sections.value(section.toCaseFolded(), -1);
}

int IniDocument::findKey(int sectionLine, const QString& key) const
{
    const Index& lookup = index();
    const auto keys = lookup.keys.constFind(sectionLine);
    return keys == lookup.keys.cend() ? -1 : keys->value(key.toCaseFolded(), -1);
}

QString IniDocument::unquoted(const QString& value)
{
    if (value.size() >= 2 && value.front() == u'"' && value.back() == u'"')
        return value.mid(1, value.size() - 2);
    return value;
}

std::optional<QString> IniDocument::value(const QString& section, const QString& key) const
{
    const int sectionLine = findSection(section);
    if (sectionLine < 0)
        return std::nullopt;
    const int keyLine = findKey(sectionLine, key);
    if (keyLine < 0)
        return std::nullopt;
    return unquoted(m_lines.at(keyLine).value);
}

QList<IniDocument::Item> IniDocument::items() const
{
    QList<Item> out;
    QString section;
    for (int i = 0; i < m_lines.size(); ++i) {
        const Line& line = m_lines.at(i);
        if (line.kind == Kind::Section) {
            section = line.name;
            out.append({i + 1, section, QString(), QString()});
        } else if (line.kind == Kind::Key) {
            out.append({i + 1, section, line.name, unquoted(line.value)});
        }
    }
    return out;
}

QStringList IniDocument::keys(const QString& section) const
{
    QStringList names;
    const int sectionLine = findSection(section);
    if (sectionLine < 0)
        return names;
    // A name is listed at the line of its first key, the one findKey() finds.
    for (int i = sectionLine + 1; i < m_lines.size() && m_lines.at(i).kind != Kind::Section; ++i) {
        if (m_lines.at(i).kind == Kind::Key && findKey(sectionLine, m_lines.at(i).name) == i)
            names.append(m_lines.at(i).name);
    }
    return names;
}

void IniDocument::setValue(const QString& section, const QString& key, const QString& value)
{
    const QString valueText = oneLine(value);
    const QString keyLineText = oneLine(key) + u'=' + valueText;

    const int sectionLine = findSection(section);
    if (sectionLine < 0) {
        m_index.reset();
        if (!m_lines.isEmpty() && m_lines.last().ending.isEmpty())
            m_lines.last().ending = kCrLf;
        m_lines.append(parseLine(QString(u'[' + oneLine(section) + u']'), kCrLf));
        m_lines.append(parseLine(keyLineText, kCrLf));
        return;
    }

    const int keyLine = findKey(sectionLine, key);
    if (keyLine >= 0) {
        m_index.reset();
        Line& line = m_lines[keyLine];
        line = parseLine(QString(line.text.left(line.valueStart) + valueText), line.ending);
        return;
    }

    // After the section's last key, so blank lines and comments that lead into the next section
    // stay where they are.
    int after = sectionLine;
    for (int i = sectionLine + 1; i < m_lines.size() && m_lines.at(i).kind != Kind::Section; ++i) {
        if (m_lines.at(i).kind == Kind::Key)
            after = i;
    }
    m_index.reset();
    if (m_lines.at(after).ending.isEmpty())
        m_lines[after].ending = kCrLf;
    m_lines.insert(after + 1, parseLine(keyLineText, kCrLf));
}

bool IniDocument::removeSection(const QString& section)
{
    m_index.reset();
    bool removed = false;
    int i = 0;
    while (i < m_lines.size()) {
        if (m_lines.at(i).kind != Kind::Section || !sameIniName(m_lines.at(i).name, section)) {
            ++i;
            continue;
        }
        int end = i + 1;
        while (end < m_lines.size() && m_lines.at(end).kind != Kind::Section)
            ++end;
        m_lines.remove(i, end - i);
        removed = true;
    }
    return removed;
}
