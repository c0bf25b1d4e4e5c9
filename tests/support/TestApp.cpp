#include "TestApp.h"

#include "shell/AppPaths.h"
#include "shell/ChosenOrganization.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QWidget>

#include <stdexcept>

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
    AppPaths::setAppDir(m_dir.path());
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

QString TestApp::databasePath() const
{
    return m_dir.filePath(QStringLiteral("cmmi.mdb"));
}

QSqlDatabase TestApp::check()
{
    if (!QSqlDatabase::contains(m_connection)) {
        QSqlDatabase added = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
        added.setDatabaseName(databasePath());
        added.open();
    }
    return QSqlDatabase::database(m_connection);
}

QList<QVariantList> TestApp::rows(const QString &sql, const QVariantList &values)
{
    QList<QVariantList> result;
    {
        QSqlQuery query(check());
        query.prepare(sql);
        for (const QVariant &v : values)
            query.addBindValue(v);
        if (!query.exec())
            throw std::runtime_error(query.lastError().text().toStdString());
        while (query.next()) {
            QVariantList row;
            for (int i = 0; i < query.record().count(); ++i)
                row << query.value(i);
            result << row;
        }
    }
    return result;
}

QVariant TestApp::value(const QString &sql, const QVariantList &values)
{
    const QList<QVariantList> all = rows(sql, values);
    return all.isEmpty() || all.first().isEmpty() ? QVariant() : all.first().first();
}

void TestApp::exec(const QString &sql, const QVariantList &values)
{
    QSqlQuery query(check());
    query.prepare(sql);
    for (const QVariant &v : values)
        query.addBindValue(v);
    if (!query.exec())
        throw std::runtime_error(query.lastError().text().toStdString());
}

bool triggerAction(QWidget *window, const QString &name)
{
    QAction *action = window->findChild<QAction *>(name);
    if (!action || !action->isEnabled())
        return false;
    action->trigger();
    return true;
}
