#pragma once

#include <QSqlDatabase>
#include <QString>

// One connection to cmmi.mdb. Every screen owns one, so screens never share a connection.
class cmmiClass
{
public:
    cmmiClass();
    ~cmmiClass();
    cmmiClass(const cmmiClass &) = delete;
    cmmiClass &operator=(const cmmiClass &) = delete;

    // Opens the connection when it is closed. A missing or unusable database file shows the
    // connection failure message, asks the program to end and returns false; no file is made.
    bool Conopen();
    bool isOpen() const { return con.isOpen(); }
    void Conclose();

    static QString ComputerName();
    static QString failureMessage()
    {
        return QStringLiteral("Data base server may be not running or wrong parameters for user id,password or service");
    }

    QSqlDatabase con;

private:
    QString m_connectionName;
};
