#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include <utility>

// Tells whether a file is a sound database of this program before anything is replaced with
// it: an SQLite file that passes its integrity check, holds the eight tables with their
// columns, and carries no triggers or views that could change data behind the screens' backs.
class DatabaseFileCheck
{
public:
    // Empty when the file is fit; otherwise the reason in words for the user. The file is
    // opened read-only and never changed.
    static QString problem(const QString &path);

    // The tables of cmmi.mdb with the columns the screens read and write.
    static const QList<std::pair<QString, QStringList>> &tables();
};
