#pragma once

#include <QByteArray>

// What the program remembers between runs: only where the main window was and how large.
class WindowSettings
{
public:
    static QByteArray mainWindowGeometry();
    static void setMainWindowGeometry(const QByteArray &geometry);
};
