#pragma once

#include <QSqlDatabase>
#include <QString>

struct sqlite3;

// One connection to cmmi.mdb. Every screen owns one, so screens never share a connection.
class cmmiClass
{
public:
    enum class Opened { Open, Busy, Unusable };

    cmmiClass();
    ~cmmiClass();
    cmmiClass(const cmmiClass &) = delete;
    cmmiClass &operator=(const cmmiClass &) = delete;

    // Opens the connection when it is closed. A missing or unusable database file shows the
    // connection failure message, asks the program to end and returns false; no file is made.
    // A file another program holds busy gets a message of its own, and the program goes on.
    bool Conopen();
    // The same without ending the program, for callers that decide themselves.
    Opened open();
    bool isOpen() const { return con.isOpen(); }
    void Conclose();
    // The raw SQLite connection while open (online backup, integrity checks).
    sqlite3 *handle() const;

    static QString ComputerName();
    static QString failureMessage()
    {
        return QStringLiteral("Data base server may be not running or wrong parameters for user id,password or service");
    }

    QSqlDatabase con;

private:
    QString m_connectionName;
};
