#include "files/addresshistory.h"

#include <algorithm>

namespace history
{

QString sectionName()
{
    return QStringLiteral("HXConfig");
}

QString countKey()
{
    return QStringLiteral("ListBox");
}

namespace
{

// Blanks and control characters count alike when a part is trimmed.
bool isTrimmed(QChar c)
{
    return c.unicode() <= 0x20;
}

QString trimmedControls(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isTrimmed(text.at(first)))
        ++first;
    while (last > first && isTrimmed(text.at(last - 1)))
        --last;
    return text.mid(first, last - first);
}

// "192.168.0.15" gives "192.168.0.": everything after the last dot (or all of a part without one)
// becomes blank and falls away with the trimming.
QString networkPrefix(QString part)
{
    const qsizetype dot = part.lastIndexOf(u'.');
    for (qsizetype i = dot + 1; i < part.size(); ++i)
        part[i] = u' ';
    return trimmedControls(part);
}

// Key k stands for the k-th address; keys are plain decimals, so "01" is not key 1.
int keyNumber(const QString& name)
{
    if (name.isEmpty() || name.front() == u'0' || name.size() > 10)
        return 0;
    if (!std::all_of(name.cbegin(), name.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return 0;
    bool ok = false;
    const int number = name.toInt(&ok);
    return ok ? number : 0;
}

} // namespace

QStringList seedEntries(const QString& localAddresses)
{
    QStringList entries;
    QString rest = localAddresses;
    while (!rest.isEmpty()) {
        const qsizetype slash = rest.indexOf(u'\\');
        const QString part = slash < 0 ? rest : rest.left(slash);
        rest = slash < 0 ? QString() : rest.mid(slash + 1);
        const QString prefix = networkPrefix(part);
        if (!prefix.isEmpty())
            entries.append(prefix + QStringLiteral("100"));
    }
    return entries;
}

image::Outcome<void> seed(IniFile& ini, const QString& localAddresses)
{
    const QStringList entries = seedEntries(localAddresses);
    for (int k = 1; k <= entries.size(); ++k) {
        if (image::Outcome<void> written = ini.writeInteger(sectionName(), countKey(), k); !written)
            return written;
        if (image::Outcome<void> written = ini.writeString(sectionName(), QString::number(k), entries.at(k - 1));
            !written)
            return written;
    }
    return {};
}

QStringList load(const IniFile& ini)
{
    return load(ini.view());
}

QStringList load(const IniView& settings)
{
    const int count = settings.readInteger(sectionName(), countKey(), 0);
    // Only keys that are present can give an entry, so walk those instead of 1..count: a count
    // far beyond the keys in the file then costs nothing.
    QList<int> numbers;
    for (const QString& name : settings.readSection(sectionName())) {
        const int number = keyNumber(name);
        if (number >= 1 && number <= count)
            numbers.append(number);
    }
    std::sort(numbers.begin(), numbers.end());
    QStringList list;
    for (int number : numbers) {
        const QString address = settings.readString(sectionName(), QString::number(number), QString());
        if (!address.isEmpty())
            list.append(address);
    }
    return list;
}

Remember remember(QStringList& list, IniFile& ini, const QString& address)
{
    if (list.contains(address, Qt::CaseInsensitive))
        return Remember::AlreadyKnown;
    list.prepend(address);
    if (list.size() >= kListLimit)
        list.removeLast();
    const int count = static_cast<int>(list.size());
    if (!ini.writeInteger(sectionName(), countKey(), count))
        return Remember::WriteFailed;
    if (!ini.writeString(sectionName(), QString::number(count), address))
        return Remember::WriteFailed;
    return Remember::Added;
}

image::Outcome<void> clear(IniFile& ini)
{
    return ini.eraseSection(sectionName());
}

} // namespace history
