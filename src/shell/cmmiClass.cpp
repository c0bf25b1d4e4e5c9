#include "cmmiClass.h"

#include "data/DatabaseError.h"
#include "data/NaturalOrder.h"
#include "data/SqliteHandle.h"
#include "shell/AppPaths.h"
#include "widgets/BusyCursor.h"
#include "widgets/Messages.h"

#include <QCoreApplication>
#include <QSqlError>
#include <QSqlQuery>
#include <QSysInfo>
#include <QUrl>

#include <atomic>

namespace {
std::atomic<int> connectionCount{0};
}

cmmiClass::cmmiClass()
    : m_connectionName(QStringLiteral("cmmi-%1").arg(++connectionCount))
{
}

cmmiClass::~cmmiClass()
{
    if (con.isValid()) {
        con.close();
        con = QSqlDatabase();
        QSqlDatabase::removeDatabase(m_connectionName);
    }
}

cmmiClass::Opened cmmiClass::open()
{
    if (con.isOpen())
        return Opened::Open;
    if (!con.isValid())
        con = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);

    // mode=rw: a missing file is a failure, never a new empty database.
    QUrl url = QUrl::fromLocalFile(AppPaths::databasePath());
    url.setQuery(QStringLiteral("mode=rw"));
    con.setDatabaseName(url.toString(QUrl::FullyEncoded));
    con.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=%1").arg(DatabaseError::busyTimeoutMs()));

    const BusyCursor busy;
    if (!con.open())
        return Opened::Unusable;
    // open() succeeds on any file, and SQLite takes an empty file for an empty database:
    // only a real statement that finds the tables tells cmmi.mdb from anything else.
    QSqlQuery probe(con);
    probe.prepare(QStringLiteral("select count(*) from sqlite_master where type='table' and name in "
                                 "('cmmi_kpas','cmmi_ggs','cmmi_docs','vx_gaps_sgs','vx_gaps_ggs',"
                                 "'vx_gaps_docs','cmmi_org_docs','Tvxrk_companydetails')"));
    Opened result = Opened::Unusable;
    if (probe.exec() && probe.next())
        result = probe.value(0).toInt() == 8 ? Opened::Open : Opened::Unusable;
    else if (DatabaseError::kind(DatabaseError::completed(con, probe.lastError())) == DatabaseError::Kind::Busy)
        result = Opened::Busy;
    probe.finish();
    if (result == Opened::Open && !NaturalOrder::registerCollation(con))
        result = Opened::Unusable;
    if (result != Opened::Open)
        con.close();
    return result;
}

bool cmmiClass::Conopen()
{
    switch (open()) {
    case Opened::Open:
        return true;
    case Opened::Busy:
        Messages::information(nullptr, DatabaseError::busyMessage());
        return false;
    case Opened::Unusable:
        break;
    }
    Messages::information(nullptr, failureMessage(), QStringLiteral("Information"));
    QCoreApplication::exit(1);
    return false;
}

void cmmiClass::Conclose()
{
    con.close();
}

sqlite3 *cmmiClass::handle() const
{
    return SqliteHandle::of(con);
}

QString cmmiClass::ComputerName()
{
    return QSysInfo::machineHostName().left(256).section(QChar(u'\0'), 0, 0).toLower();
}
