#pragma once

#include <QString>

// The application folder: the database, the report definitions and the help file lie there.
class AppPaths
{
public:
    static QString appDir();
    static QString filePath(const QString &fileName);
    static QString databasePath() { return filePath(QStringLiteral("cmmi.mdb")); }

    // Tests run each case in a folder of its own.
    static void setAppDir(const QString &dir);

private:
    static QString s_override;
};
