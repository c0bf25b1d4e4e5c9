#pragma once

#include "widgets/Messages.h"

#include <QTemporaryDir>
#include <QVariantList>

#include <memory>

class QWidget;
class mdi_main;

// A program folder of its own for one test: a fresh copy of the delivered database, the help
// file and the report files, message boxes recorded instead of shown, no organization chosen.
class TestApp
{
public:
    explicit TestApp(bool withDatabase = true);
    ~TestApp();

    QString dir() const { return m_dir.path(); }
    QString databasePath() const { return m_dir.filePath(QStringLiteral("cmmi.mdb")); }

    // Straight on the file, beside the program's own connections: rows of a query, or its first value.
    QList<QVariantList> rows(const QString &sql, const QVariantList &values = {});
    QVariant value(const QString &sql, const QVariantList &values = {});

    // Every open connection of the program that holds a running statement or an open
    // transaction, described; empty when all are idle.
    static QString busyConnections();

    // The main window, loaded, shown and active.
    std::unique_ptr<mdi_main> mainWindow();

    Messages::Recorder messages;

private:
    QTemporaryDir m_dir;
    QString m_connection;
};

// Walks the menu the way a user does: the action must exist and be enabled.
bool triggerAction(QWidget *window, const QString &name);
