#include "WindowSettings.h"

#include <QSettings>

namespace {
const char *const mainGeometryKey = "mainWindow/geometry";
}

QByteArray WindowSettings::mainWindowGeometry()
{
    return QSettings().value(QLatin1String(mainGeometryKey)).toByteArray();
}

void WindowSettings::setMainWindowGeometry(const QByteArray &geometry)
{
    QSettings().setValue(QLatin1String(mainGeometryKey), geometry);
}
