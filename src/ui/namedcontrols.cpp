#include "ui/namedcontrols.h"

NamedControls::NamedControls(const QObject* root)
{
    gather(root);
}

// findChild looks at all children of an object before it descends into the first of them.
void NamedControls::gather(const QObject* parent)
{
    const QObjectList& children = parent->children();
    for (QObject* child : children) {
        QString name = child->objectName();
        if (!name.isEmpty())
            m_byName[name].append(child);
    }
    for (QObject* child : children)
        gather(child);
}
