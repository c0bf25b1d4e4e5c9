#include "cmmiClass.h"

#include "data/NaturalOrder.h"
#include "shell/AppPaths.h"
#include "widgets/Messages.h"

#include <QCoreApplication>
#include <QSysInfo>
#include <QSqlQuery>
#include <QUrl>
#include <QUrlQuery>

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

bool cmmiClass::Conopen()
{
    if (con.isOpen())
        return true;
    if (!con.isValid())
        con = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connectionName);

    // mode=rw: a missing file is a failure, never a new empty database.
    QUrl url = QUrl::fromLocalFile(AppPaths::databasePath());
    url.setQuery(QStringLiteral("mode=rw"));
    con.setDatabaseName(url.toString(QUrl::FullyEncoded));
    con.setConnectOptions(QStringLiteral("QSQLITE_OPEN_URI;QSQLITE_BUSY_TIMEOUT=5000"));

    bool usable = con.open();
    if (usable) {
        // open() succeeds on any file, and SQLite takes an empty file for an empty database:
        // only a real statement that finds the tables tells cmmi.mdb from anything else.
        QSqlQuery probe(con);
        probe.prepare(QStringLiteral("select count(*) from sqlite_master where type='table' and name in "
                                     "('cmmi_kpas','cmmi_ggs','cmmi_docs','vx_gaps_sgs','vx_gaps_ggs',"
                                     "'vx_gaps_docs','cmmi_org_docs','Tvxrk_companydetails')"));
        usable = probe.exec() && probe.next() && probe.value(0).toInt() == 8;
        probe.finish();
    }
    if (usable)
        usable = NaturalOrder::registerCollation(con);
    if (!usable) {
        con.close();
        Messages::information(nullptr, failureMessage(), QStringLiteral("Information"));
        QCoreApplication::exit(1);
        return false;
    }
    return true;
}

void cmmiClass::Conclose()
{
    con.close();
}

QString cmmiClass::ComputerName()
{
    return QSysInfo::machineHostName().left(256).section(QChar(u'\0'), 0, 0).toLower();
}
