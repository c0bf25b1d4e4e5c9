#include "TestApp.h"

#include "admin/DatabaseCopy.h"
#include "admin/DatabaseFileCheck.h"

#include <QtTest>

#include <QDir>
#include <QFile>
#include <QRandomGenerator>

#include <sqlite3.h>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

// Backup and restore on the live file: what is refused, what is kept, what is never left behind.
class tst_DatabaseCopy : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        QVERIFY(sqlite3_open_v2(QFile::encodeName(app->databasePath()).constData(), &live, SQLITE_OPEN_READWRITE,
                                nullptr) == SQLITE_OK);
        before = bytes(app->databasePath());
    }
    void cleanup()
    {
        sqlite3_close_v2(live);
        live = nullptr;
        app.reset();
    }

    void theCheckKnowsTheTablesOfTheSchema()
    {
        // The list the check uses must follow the schema the build makes the database from.
        sqlite3 *memory = nullptr;
        sqlite3_open(":memory:", &memory);
        QFile schema(VELTRIX_SOURCE_DIR "/src/data/schema.sql");
        QVERIFY(schema.open(QIODevice::ReadOnly));
        QCOMPARE(sqlite3_exec(memory, schema.readAll().constData(), nullptr, nullptr, nullptr), SQLITE_OK);
        QStringList fromSchema;
        QStringList fromCheck;
        sqlite3_stmt *query = nullptr;
        sqlite3_prepare_v2(memory, "select m.name, p.name from sqlite_master m, pragma_table_info(m.name) p "
                                   "where m.type = 'table' order by m.name, p.cid", -1, &query, nullptr);
        while (sqlite3_step(query) == SQLITE_ROW)
            fromSchema << QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(query, 0))) + "."
                              + QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(query, 1)));
        sqlite3_finalize(query);
        sqlite3_close(memory);
        for (const auto &[table, columns] : DatabaseFileCheck::tables())
            for (const QString &column : columns)
                fromCheck << table + "." + column;
        fromCheck.sort();
        fromSchema.sort();
        QCOMPARE(fromCheck, fromSchema);
    }

    void refusedRestoreSourcesLeaveTheLiveFileAlone_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << "missing" << "does not exist";
        QTest::newRow("empty") << "empty" << "the file is empty";
        QTest::newRow("random bytes") << "random" << "not a database of this program";
        QTest::newRow("text file") << "text" << "not a database of this program";
        QTest::newRow("truncated") << "truncated" << "damaged";
        QTest::newRow("scribbled page") << "scribbled" << "damaged";
        QTest::newRow("missing table") << "drop table cmmi_ggs" << "the table cmmi_ggs is missing";
        QTest::newRow("missing column") << "alter table cmmi_org_docs drop column vx_doc_dtls"
                                        << "the table cmmi_org_docs has no column vx_doc_dtls";
        QTest::newRow("trigger") << "create trigger t after insert on cmmi_ggs begin delete from vx_gaps_sgs; end"
                                 << "triggers or views";
        QTest::newRow("view") << "create view v as select * from cmmi_ggs" << "triggers or views";
        QTest::newRow("the live file") << "live" << "is the database in use";
        QTest::newRow("the live file by a symbolic link") << "symlink" << "is the database in use";
        QTest::newRow("the live file by a hard link") << "hardlink" << "is the database in use";
    }
    void refusedRestoreSourcesLeaveTheLiveFileAlone()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        const QString source = makeSource(kind);
        const DatabaseCopy::Result result = DatabaseCopy::restore(live, source);
        QCOMPARE(result.outcome, DatabaseCopy::Outcome::Refused);
        QVERIFY2(result.reason.contains(reason), qPrintable(result.reason));
        QVERIFY(bytes(app->databasePath()) == before);
        QCOMPARE(safetyCopies(), QStringList());
    }

    void backupRestoreRoundTripKeepsASafetyCopy()
    {
        const QString backup = app->dir() + "/backups/mine.mdb";
        QDir(app->dir()).mkdir("backups");
        QVERIFY(DatabaseCopy::backup(live, backup).done());
        QCOMPARE(DatabaseFileCheck::problem(backup), QString());
        QCOMPARE(QDir(app->dir() + "/backups").entryList(QDir::Files | QDir::Hidden), QStringList{"mine.mdb"});

        exec("insert into Tvxrk_companydetails values ('After the backup', NULL)");
        const DatabaseCopy::Result restored = DatabaseCopy::restore(live, backup);
        QVERIFY2(restored.done(), qPrintable(restored.reason));
        QCOMPARE(app->value("select count(*) from Tvxrk_companydetails"), QVariant(0));
        QCOMPARE(app->value("pragma integrity_check"), QVariant("ok"));
        // The data the restore replaced waits beside cmmi.mdb.
        QCOMPARE(safetyCopies(), QStringList{QFileInfo(restored.safetyCopy).fileName()});
        QCOMPARE(QFileInfo(restored.safetyCopy).absolutePath(), app->dir());
        QCOMPARE(DatabaseFileCheck::problem(restored.safetyCopy), QString());
        sqlite3 *safety = nullptr;
        sqlite3_open_v2(QFile::encodeName(restored.safetyCopy).constData(), &safety, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *query = nullptr;
        sqlite3_prepare_v2(safety, "select fvx_rk_companyname from Tvxrk_companydetails", -1, &query, nullptr);
        QCOMPARE(sqlite3_step(query), SQLITE_ROW);
        QCOMPARE(QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(query, 0))), QString("After the backup"));
        sqlite3_finalize(query);
        sqlite3_close(safety);
    }

    void aBackupOntoTheLiveFileIsRefused_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::newRow("same path") << "live";
        QTest::newRow("symbolic link") << "symlink";
        QTest::newRow("path with dots") << "dots";
    }
    void aBackupOntoTheLiveFileIsRefused()
    {
        QFETCH(QString, kind);
        const QString destination = kind == "dots" ? app->dir() + "/./sub/../cmmi.mdb" : makeSource(kind);
        const DatabaseCopy::Result result = DatabaseCopy::backup(live, destination);
        QCOMPARE(result.outcome, DatabaseCopy::Outcome::Refused);
        QVERIFY(bytes(app->databasePath()) == before);
    }

    void aFailedBackupKeepsTheEarlierOne()
    {
        const QString folder = app->dir() + "/backups";
        QDir(app->dir()).mkdir("backups");
        const QString earlier = folder + "/cmmi.mdb";
        QFile file(earlier);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("the user's earlier backup");
        file.close();

        // A destination that fills up: no file may grow past a few pages while the copy runs.
        struct rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        struct rlimit small = old;
        small.rlim_cur = 16 * 1024;
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        setrlimit(RLIMIT_FSIZE, &small);
        const DatabaseCopy::Result full = DatabaseCopy::backup(live, earlier);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QCOMPARE(full.outcome, DatabaseCopy::Outcome::Failed);
        QVERIFY(!full.reason.isEmpty());
        QCOMPARE(bytes(earlier), QByteArray("the user's earlier backup"));
        QCOMPARE(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"cmmi.mdb"});

        const DatabaseCopy::Result noFolder = DatabaseCopy::backup(live, app->dir() + "/nowhere/cmmi.mdb");
        QCOMPARE(noFolder.outcome, DatabaseCopy::Outcome::Failed);
        QVERIFY(noFolder.reason.contains("does not exist"));
    }

    void aRestoreWhileAnotherConnectionReadsChangesNothing()
    {
        const QString backup = app->dir() + "/copy.mdb";
        QVERIFY(DatabaseCopy::backup(live, backup).done());
        exec("insert into Tvxrk_companydetails values ('Now', NULL)");
        before = bytes(app->databasePath());

        sqlite3 *reader = nullptr;
        sqlite3_open_v2(QFile::encodeName(app->databasePath()).constData(), &reader, SQLITE_OPEN_READONLY, nullptr);
        sqlite3_stmt *reading = nullptr;
        sqlite3_prepare_v2(reader, "select * from cmmi_kpas", -1, &reading, nullptr);
        QCOMPARE(sqlite3_step(reading), SQLITE_ROW);
        const DatabaseCopy::Result busy = DatabaseCopy::restore(live, backup);
        sqlite3_finalize(reading);
        sqlite3_close(reader);

        QCOMPARE(busy.outcome, DatabaseCopy::Outcome::Busy);
        QVERIFY(bytes(app->databasePath()) == before);
        QCOMPARE(safetyCopies(), QStringList());
    }

private:
    static QByteArray bytes(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    QStringList safetyCopies() const
    {
        return QDir(app->dir()).entryList({"cmmi-before-restore-*"}, QDir::Files | QDir::Hidden);
    }

    void exec(const char *sql)
    {
        QCOMPARE(sqlite3_exec(live, sql, nullptr, nullptr, nullptr), SQLITE_OK);
    }

    QString makeSource(const QString &kind)
    {
        const QString path = app->dir() + "/source.mdb";
        QFile file(path);
        if (kind == "missing" || kind == "live")
            return kind == "live" ? app->databasePath() : path;
        if (kind == "symlink" || kind == "hardlink") {
            const QByteArray target = QFile::encodeName(app->databasePath());
            const QByteArray name = QFile::encodeName(path);
            const int made = kind == "symlink" ? ::symlink(target.constData(), name.constData())
                                               : ::link(target.constData(), name.constData());
            return made == 0 ? path : QString();
        }
        if (!file.open(QIODevice::WriteOnly))
            return {};
        if (kind == "random") {
            QByteArray noise(8192, '\0');
            QRandomGenerator generator(11);
            for (char &c : noise)
                c = char(generator.bounded(256));
            file.write(noise);
        } else if (kind == "text") {
            file.write("vx_level,vx_kpa\n2,Requirements Management\n");
        } else if (kind == "truncated") {
            file.write(before.left(before.size() / 2));
        } else if (kind == "scribbled") {
            // The schema still reads; one page of rows in the middle does not.
            QByteArray damaged = before;
            const qsizetype page = 4096 * (before.size() / 4096 / 2);
            for (qsizetype i = page; i < page + 4096; ++i)
                damaged[i] = char(i * 7);
            file.write(damaged);
        } else if (kind != "empty") {
            file.write(before);
            file.close();
            sqlite3 *db = nullptr;
            sqlite3_open(QFile::encodeName(path).constData(), &db);
            const int rc = sqlite3_exec(db, kind.toUtf8().constData(), nullptr, nullptr, nullptr);
            sqlite3_close(db);
            if (rc != SQLITE_OK)
                return {};
        }
        return path;
    }

    std::unique_ptr<TestApp> app;
    sqlite3 *live = nullptr;
    QByteArray before;
};

QTEST_MAIN(tst_DatabaseCopy)
#include "tst_databasecopy.moc"
