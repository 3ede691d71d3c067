#include "files/iniview.h"

QString IniView::readString(const QString& section, const QString& key, const QString& defaultValue) const
{
    if (!m_document)
        return defaultValue;
    const std::optional<QString> value = m_document->value(section, key);
    if (!value || value->isEmpty())
        return defaultValue;
    return value->left(kMaxValueLength);
}

int IniView::readInteger(const QString& section, const QString& key, int defaultValue) const
{
    bool ok = false;
    const int value = readString(section, key, QString()).toInt(&ok, 10);
    return ok ? value : defaultValue;
}

QStringList IniView::readSection(const QString& section) const
{
    return m_document ? m_document->keys(section) : QStringList();
}
