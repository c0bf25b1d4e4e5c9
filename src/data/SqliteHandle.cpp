#include "SqliteHandle.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

sqlite3 *SqliteHandle::of(const QSqlDatabase &db)
{
    if (!db.isOpen())
        return nullptr;
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return nullptr;
    return *static_cast<sqlite3 *const *>(handle.data());
}

bool SqliteHandle::inTransaction(const QSqlDatabase &db)
{
    sqlite3 *raw = of(db);
    return raw && sqlite3_get_autocommit(raw) == 0;
}
