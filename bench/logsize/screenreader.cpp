#include "screenreader.h"

#include <QAccessible>

#ifdef HX_PLATFORM_ACCESSIBILITY
#include <QtGui/private/qguiapplication_p.h>
#include <QtGui/qpa/qplatformaccessibility.h>
#include <QtGui/qpa/qplatformintegration.h>
#endif

bool activateAccessibility()
{
#ifdef HX_PLATFORM_ACCESSIBILITY
    if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
        platform->setActive(true);
#endif
    return QAccessible::isActive();
}
