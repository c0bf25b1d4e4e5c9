#include "ReadOnlyDatabase.h"

#include "data/DatabaseError.h"
#include "data/NaturalOrder.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QUrl>

#include <atomic>

namespace {
std::atomic<int> connectionCount{0};
}

ReadOnlyDatabase::ReadOnlyDatabase(const QString &path)
    : m_path(path), m_name(QStringLiteral("read-only-%1").arg(++connectionCount))
{
}

ReadOnlyDatabase::~ReadOnlyDatabase()
{
    close();
}

bool ReadOnlyDatabase::open(QString *error)
{
    const QString shown = QDir::toNativeSeparators(m_path);
    if (!QFileInfo(m_path).isFile()) {
        *error = QStringLiteral("The database %1 is missing.").arg(shown);
        return false;
    }
    m_db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_name);
    QUrl url = QUrl::fromLocalFile(m_path);
    url.setQuery(QStringLiteral("mode=ro"));
    m_db.setDatabaseName(url.toString(QUrl::FullyEncoded));
    // A save in progress holds its lock for a moment; wait for it rather than fail.
    m_db.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(DatabaseError::busyTimeoutMs()));
    bool usable = m_db.open();
    QString detail = m_db.lastError().text();
    if (usable) {
        // open() accepts any file; a statement tells a database from anything else.
        QSqlQuery probe(m_db);
        usable = probe.exec(QStringLiteral("select count(*) from sqlite_master"));
        if (!usable)
            detail = probe.lastError().text();
    }
    if (usable && !NaturalOrder::registerCollation(m_db)) {
        usable = false;
        detail = QStringLiteral("the natural order could not be set up");
    }
    if (!usable) {
        *error = QStringLiteral("The database %1 cannot be read: %2").arg(shown, detail);
        close();
    }
    return usable;
}

void ReadOnlyDatabase::close()
{
    if (!m_db.isValid())
        return;
    m_db.close();
    m_db = QSqlDatabase();
    QSqlDatabase::removeDatabase(m_name);
}
