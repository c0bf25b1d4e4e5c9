#include "TestApp.h"

#include "data/DatabaseError.h"
#include "shell/AppPaths.h"
#include "shell/cmmiClass.h"
#include "shell/mdi_main.h"

#include <QtTest>

#include <QMdiArea>
#include <QSqlQuery>

// Opening cmmi.mdb: a file that is not the program's database is never taken for one, and is
// never created or changed by the attempt.
class tst_Connection : public QObject
{
    Q_OBJECT

private slots:
    void unusableFileIsTheConnectionFailure_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("garbage") << QByteArray("Standard Jet DB\0\0 not sqlite", 28) << true;
        QTest::newRow("empty file") << QByteArray() << true;
    }
    void unusableFileIsTheConnectionFailure()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        TestApp app(false);
        QFile f(app.databasePath());
        if (exists) {
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
            f.close();
        }
        QVERIFY(!mdi_main().Form_Load());
        QCOMPARE(app.messages.shown.size(), 1);
        QCOMPARE(app.messages.shown[0].text, cmmiClass::failureMessage());
        QCOMPARE(app.messages.shown[0].caption, QString("Information"));
        QCOMPARE(f.exists(), exists);
        if (exists) {
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), content);
        }
    }

    void connectionsOfTheirOwnInAnyFolder()
    {
        // The path goes into a URI: characters that mean something there must not break it.
        TestApp app;
        QTemporaryDir odd(QDir::tempPath() + "/cmmi #1 ?50% & more-XXXXXX");
        QVERIFY(QFile::copy(app.databasePath(), odd.filePath("cmmi.mdb")));
        AppPaths::setAppDir(odd.path());
        cmmiClass first, second;
        QVERIFY(first.Conopen());
        QVERIFY(second.Conopen());
        QVERIFY(QSqlQuery(first.con).exec("insert into vx_gaps_sgs (vx_coid) values ('seen by the other')"));
        QSqlQuery read(second.con);
        QVERIFY(read.exec("select count(*) from vx_gaps_sgs where vx_coid='seen by the other'") && read.next());
        QCOMPARE(read.value(0).toInt(), 1);
        first.Conclose();
        QVERIFY(!first.isOpen() && second.isOpen());
        QVERIFY(first.Conopen());
        QVERIFY(app.messages.shown.isEmpty());
    }

    void busyFileIsNotTheEnd()
    {
        // Another program writing to the file: the screen says so after the wait, the program goes on.
        TestApp app;
        DatabaseError::setBusyTimeoutMs(200);
        auto window = app.mainWindow();
        QVERIFY(window);
        QSqlDatabase other = QSqlDatabase::addDatabase("QSQLITE", "other-program");
        other.setDatabaseName(app.databasePath());
        QVERIFY(other.open());
        QVERIFY(QSqlQuery(other).exec("begin exclusive"));

        QVERIFY(triggerAction(window.get(), "mnu_gap_analysis"));
        // Not the connection failure, which ends the program.
        QCOMPARE(app.messages.texts(), QStringList{DatabaseError::busyMessage()});
        QVERIFY(window->mdiArea()->subWindowList().isEmpty());

        QVERIFY(QSqlQuery(other).exec("rollback"));
        QVERIFY(triggerAction(window.get(), "mnu_gap_analysis"));
        QCOMPARE(window->mdiArea()->subWindowList().size(), 1);
        other.close();
        other = QSqlDatabase();
        QSqlDatabase::removeDatabase("other-program");
        DatabaseError::setBusyTimeoutMs(5000);
    }
};

QTEST_MAIN(tst_Connection)
#include "tst_connection.moc"
