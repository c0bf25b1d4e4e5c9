#pragma once

struct sqlite3;
class QSqlDatabase;

// The SQLite connection under a Qt one: for the collation, transactions, the online backup
// and integrity checks, which Qt SQL does not offer. nullptr when the connection is not open.
class SqliteHandle
{
public:
    static sqlite3 *of(const QSqlDatabase &db);
    // Whether a transaction is open on the connection.
    static bool inTransaction(const QSqlDatabase &db);
};
