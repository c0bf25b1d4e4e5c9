#pragma once

#include <QSqlDatabase>
#include <QString>

// A read-only connection of its own to a database file, with the natural order available to
// its statements. It cannot write, cannot create a file, and is gone when the object is.
class ReadOnlyDatabase
{
public:
    explicit ReadOnlyDatabase(const QString &path);
    ~ReadOnlyDatabase();
    ReadOnlyDatabase(const ReadOnlyDatabase &) = delete;
    ReadOnlyDatabase &operator=(const ReadOnlyDatabase &) = delete;

    // False with the reason when the file is missing or is not a database.
    bool open(QString *error);
    QSqlDatabase connection() const { return m_db; }
    void close();

    QString connectionName() const { return m_name; }

private:
    QString m_path;
    QString m_name;
    QSqlDatabase m_db;
};
