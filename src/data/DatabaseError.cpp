#include "DatabaseError.h"

#include "data/SqliteHandle.h"

#include <QSqlDatabase>
#include <QSqlError>

#include <sqlite3.h>

int DatabaseError::s_busyTimeoutMs = 5000;

DatabaseError::Kind DatabaseError::kind(const QSqlError &error)
{
    bool ok = false;
    const int code = error.nativeErrorCode().toInt(&ok) & 0xff;
    if (!ok)
        return Kind::Other;
    switch (code) {
    case 5:  // SQLITE_BUSY
    case 6:  // SQLITE_LOCKED
        return Kind::Busy;
    case 8:  // SQLITE_READONLY
    case 3:  // SQLITE_PERM
        return Kind::ReadOnly;
    case 13: // SQLITE_FULL
        return Kind::Full;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return Kind::Damaged;
    case 10: // SQLITE_IOERR
    case 14: // SQLITE_CANTOPEN
        return Kind::Unreadable;
    default:
        return Kind::Other;
    }
}

QSqlError DatabaseError::completed(const QSqlDatabase &db, const QSqlError &error)
{
    if (!error.nativeErrorCode().isEmpty())
        return error;
    sqlite3 *handle = SqliteHandle::of(db);
    const int code = handle ? sqlite3_errcode(handle) : SQLITE_OK;
    if (code == SQLITE_OK)
        return error;
    return QSqlError(error.driverText(), QString::fromUtf8(sqlite3_errmsg(handle)), error.type(), QString::number(code));
}

QString DatabaseError::busyMessage()
{
    return QStringLiteral("The database is in use by another program. CMMi waited %1 seconds for it to be "
                          "released; please close the other program or try again in a moment. Nothing was changed.")
        .arg(busyTimeoutMs() / 1000.0, 0, 'g', 2);
}

QString DatabaseError::explain(const QString &what, const QSqlError &error)
{
    QString reason;
    switch (kind(error)) {
    case Kind::Busy:
        reason = busyMessage();
        break;
    case Kind::ReadOnly:
        reason = QStringLiteral("The database file cmmi.mdb or its folder is read-only. Give yourself write "
                                "permission on both and try again.");
        break;
    case Kind::Full:
        reason = QStringLiteral("The disk that holds cmmi.mdb is full. Free some space and try again.");
        break;
    case Kind::Damaged:
        reason = QStringLiteral("The database file cmmi.mdb is damaged. Restore your latest backup "
                                "(Tools, Backup & Restore).");
        break;
    case Kind::Unreadable:
        reason = QStringLiteral("The database file cmmi.mdb could not be read or written. Check that the disk "
                                "is still there and that the file has not been moved.");
        break;
    case Kind::Other:
        break;
    }
    QString text = what;
    if (!reason.isEmpty())
        text += QStringLiteral("\n\n") + reason;
    const QString detail = error.text().trimmed();
    if (!detail.isEmpty())
        text += QStringLiteral("\n\nDetails: ") + detail;
    return text;
}
