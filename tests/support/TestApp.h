#pragma once

#include "widgets/Messages.h"

#include <QSqlDatabase>
#include <QString>
#include <QTemporaryDir>
#include <QVariantList>

class QWidget;

// A program folder of its own for one test: a fresh copy of the delivered database, the help
// file, message boxes recorded instead of shown, no organization chosen.
class TestApp
{
public:
    explicit TestApp(bool withDatabase = true);
    ~TestApp();

    QString dir() const { return m_dir.path(); }
    QString databasePath() const;

    // Reads straight from the file, beside the program's own connections.
    QList<QVariantList> rows(const QString &sql, const QVariantList &values = {});
    QVariant value(const QString &sql, const QVariantList &values = {});
    void exec(const QString &sql, const QVariantList &values = {});

    Messages::Recorder messages;

private:
    QSqlDatabase check();

    QTemporaryDir m_dir;
    QString m_connection;
};

// Walks the menu the way a user does: the action must exist and be enabled.
bool triggerAction(QWidget *window, const QString &name);
