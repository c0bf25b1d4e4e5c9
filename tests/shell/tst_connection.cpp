#include "TestApp.h"

#include "shell/AppPaths.h"
#include "shell/cmmiClass.h"
#include "shell/mdi_main.h"

#include <QtTest>

#include <QSqlQuery>

// Opening cmmi.mdb: a file that is not the program's database must never be taken for one,
// and must never be created or changed by the attempt.
class tst_Connection : public QObject
{
    Q_OBJECT

private slots:
    void unusableFileIsTheConnectionFailure_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("exists");
        QTest::newRow("missing") << QByteArray() << false;
        QTest::newRow("garbage") << QByteArray("Standard Jet DB\0\0 not sqlite at all", 34) << true;
        QTest::newRow("empty file") << QByteArray() << true;
        QTest::newRow("text file") << QByteArray("vx_coid\nACME\n") << true;
    }
    void unusableFileIsTheConnectionFailure()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, exists);
        TestApp app(false);
        if (exists) {
            QFile f(app.databasePath());
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(content);
        }
        {
            mdi_main window;
            QVERIFY(!window.Form_Load());
        }
        QCOMPARE(app.messages.shown.size(), 1);
        QCOMPARE(app.messages.shown[0].text, cmmiClass::failureMessage());
        QCOMPARE(app.messages.shown[0].caption, QString("Information"));
        QCOMPARE(app.messages.shown[0].icon, Messages::Icon::Information);
        QCOMPARE(QFile::exists(app.databasePath()), exists);
        if (exists) {
            QFile f(app.databasePath());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), content);
        }
    }

    void folderWithAwkwardNameWorks()
    {
        // The database path goes into a URI: characters with a meaning there must not break it.
        TestApp app;
        QTemporaryDir odd(QDir::tempPath() + "/cmmi #1 ?50% & more-XXXXXX");
        QVERIFY(QFile::copy(app.databasePath(), odd.filePath("cmmi.mdb")));
        AppPaths::setAppDir(odd.path());
        cmmiClass db;
        QVERIFY(db.Conopen());
        QSqlQuery q(db.con);
        QVERIFY(q.exec("select count(*) from cmmi_kpas") && q.next());
        QVERIFY(q.value(0).toInt() > 0);
        QVERIFY(app.messages.shown.isEmpty());
    }

    void screensHaveConnectionsOfTheirOwn()
    {
        TestApp app;
        cmmiClass first, second;
        QVERIFY(first.Conopen());
        QVERIFY(second.Conopen());
        QVERIFY(first.con.connectionName() != second.con.connectionName());
        {
            QSqlQuery write(first.con);
            QVERIFY(write.exec("insert into vx_gaps_sgs (vx_coid) values ('seen by the other')"));
        }
        {
            QSqlQuery read(second.con);
            QVERIFY(read.exec("select count(*) from vx_gaps_sgs where vx_coid='seen by the other'") && read.next());
            QCOMPARE(read.value(0).toInt(), 1);
        }
        // Closing one leaves the other working; Conopen opens a closed one again.
        first.Conclose();
        QVERIFY(!first.isOpen());
        QVERIFY(second.isOpen());
        QVERIFY(first.Conopen());
        QVERIFY(first.Conopen());
    }
};

QTEST_MAIN(tst_Connection)
#include "tst_connection.moc"
