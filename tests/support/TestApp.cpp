#include "TestApp.h"

#include "data/SqliteHandle.h"
#include "shell/AppPaths.h"
#include "shell/ChosenOrganization.h"
#include "shell/mdi_main.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTest>

#include <stdexcept>

#include <sqlite3.h>

TestApp::TestApp(bool withDatabase)
{
    static int count = 0;
    m_connection = QStringLiteral("test-check-%1").arg(++count);
    if (withDatabase) {
        if (!QFile::copy(QStringLiteral(VELTRIX_TEMPLATE_DB), databasePath()))
            throw std::runtime_error("cannot copy the template database");
        QFile::setPermissions(databasePath(), QFile::ReadOwner | QFile::WriteOwner);
    }
    QFile::copy(QStringLiteral(VELTRIX_SOURCE_DIR "/help/veltrix.HLP"), m_dir.filePath(QStringLiteral("veltrix.HLP")));
    const QDir reports(QStringLiteral(VELTRIX_SOURCE_DIR "/src/reports/rpt"));
    for (const QString &name : reports.entryList({QStringLiteral("*.rpt")}, QDir::Files))
        QFile::copy(reports.filePath(name), m_dir.filePath(name));
    AppPaths::setAppDir(m_dir.path());
    // Remembered window places go to the test's folder, never the user's settings.
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_dir.path());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
    ChosenOrganization::setSelectedCoid(QString());
}

TestApp::~TestApp()
{
    if (QSqlDatabase::contains(m_connection)) {
        QSqlDatabase::database(m_connection, false).close();
        QSqlDatabase::removeDatabase(m_connection);
    }
    AppPaths::setAppDir(QString());
    ChosenOrganization::setSelectedCoid(QString());
}

QList<QVariantList> TestApp::rows(const QString &sql, const QVariantList &values)
{
    if (!QSqlDatabase::contains(m_connection)) {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        db.setDatabaseName(databasePath());
        db.open();
    }
    QSqlQuery query(QSqlDatabase::database(m_connection));
    query.prepare(sql);
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw std::runtime_error(query.lastError().text().toStdString());
    QList<QVariantList> result;
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < query.record().count(); ++i)
            row << query.value(i);
        result << row;
    }
    return result;
}

QVariant TestApp::value(const QString &sql, const QVariantList &values)
{
    const QList<QVariantList> all = rows(sql, values);
    return all.isEmpty() || all.first().isEmpty() ? QVariant() : all.first().first();
}

QString TestApp::busyConnections()
{
    QStringList problems;
    for (const QString &name : QSqlDatabase::connectionNames()) {
        sqlite3 *handle = SqliteHandle::of(QSqlDatabase::database(name, false));
        if (!handle)
            continue;
        for (sqlite3_stmt *stmt = sqlite3_next_stmt(handle, nullptr); stmt; stmt = sqlite3_next_stmt(handle, stmt)) {
            if (sqlite3_stmt_busy(stmt))
                problems << QStringLiteral("%1: statement left running: %2").arg(name, QString::fromUtf8(sqlite3_sql(stmt)));
        }
        if (!sqlite3_get_autocommit(handle))
            problems << QStringLiteral("%1: transaction left open").arg(name);
    }
    return problems.join(QLatin1Char('\n'));
}

std::unique_ptr<mdi_main> TestApp::mainWindow()
{
    auto window = std::make_unique<mdi_main>();
    if (!window->Form_Load())
        return nullptr;
    window->show();
    window->activateWindow();
    if (!QTest::qWaitForWindowActive(window.get()))
        return nullptr;
    return window;
}

bool triggerAction(QWidget *window, const QString &name)
{
    QAction *action = window->findChild<QAction *>(name);
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}
