#include "AppPaths.h"

#include <QCoreApplication>
#include <QDir>

QString AppPaths::s_override;

QString AppPaths::appDir()
{
    return s_override.isEmpty() ? QCoreApplication::applicationDirPath() : s_override;
}

QString AppPaths::filePath(const QString &fileName)
{
    return QDir(appDir()).filePath(fileName);
}

void AppPaths::setAppDir(const QString &dir)
{
    s_override = dir;
}
