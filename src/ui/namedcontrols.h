#pragma once

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>

// The named objects below a window, gathered in one walk of its tree. find<T>(name) gives what
// root->findChild<T*>(name) gives, without walking the whole tree again for every name: the main
// window holds about 600 objects, and its start-up looks up about 150 names.
class NamedControls final
{
public:
    explicit NamedControls(const QObject* root);

    template <typename T> T* find(const QString& name) const
    {
        const auto found = m_byName.constFind(name);
        if (found == m_byName.cend())
            return nullptr;
        for (QObject* object : *found) {
            if (auto* match = qobject_cast<T*>(object))
                return match;
        }
        return nullptr;
    }

private:
    void gather(const QObject* parent);

    QHash<QString, QList<QObject*>> m_byName; // each list in the order in which findChild meets them
};
