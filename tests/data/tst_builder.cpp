#include "data/ModelDatabaseBuilder.h"

#include <QtTest>

#include <QCryptographicHash>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>

// The build step that makes cmmi.mdb: it must never replace the user's file, and a broken
// model file must leave no half-built database behind.
class tst_Builder : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QDir(dir->path()).mkpath("model/cmmi_kpas");
        write("model/cmmi_ggs.tsv", "vx_goal_id\tvx_goal_desc\tvx_practice_id\tvx_practice_desc\n"
                                    "GG2\tManaged\tGP2.1\tPolicy\n");
        write("model/cmmi_kpas/2_REQM.tsv",
              "vx_level\tvx_kpa\tvx_goal_id\tvx_goal_desc\tvx_practice_id\tvx_practice_desc\tvx_subpractice_id\tvx_subpractice_desc\n"
              "2\tRequirements Management (REQM)\tGG2\tManaged\tGP2.1\tPolicy\t\t\n"
              "2\tRequirements Management (REQM)\tSG1\tManage\tSP1.1\tUnderstand\tSP1.1.1\tO'Brien's check\n");
    }

    void buildsTheTablesAndRows()
    {
        QString error;
        QVERIFY2(ModelDatabaseBuilder::build(target(), schema(), model(), &error), qPrintable(error));
        QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "built");
        db.setDatabaseName(target());
        QVERIFY(db.open());
        {
            QSqlQuery q(db);
            QVERIFY(q.exec("select count(*) from sqlite_master where type='table'") && q.next());
            QCOMPARE(q.value(0).toInt(), 8);
            QVERIFY(q.exec("select typeof(vx_level), vx_subpractice_id, vx_subpractice_desc from cmmi_kpas order by rowid") && q.next());
            QCOMPARE(q.value(0).toString(), QString("integer"));
            QCOMPARE(q.value(1).toString(), QString(""));
            QVERIFY(!q.value(1).isNull());
            QVERIFY(q.next());
            QCOMPARE(q.value(2).toString(), QString("O'Brien's check"));
            QVERIFY(q.exec("select count(*) from cmmi_ggs") && q.next());
            QCOMPARE(q.value(0).toInt(), 1);
        }
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase("built");
    }

    void neverReplacesAnExistingFile()
    {
        write("cmmi.mdb", "the user's months of work");
        QString error;
        QVERIFY(!ModelDatabaseBuilder::build(target(), schema(), model(), &error));
        QVERIFY(error.contains("never replaced"));
        QCOMPARE(read("cmmi.mdb"), QByteArray("the user's months of work"));

        // The build runs the tool on every build: with --if-missing it succeeds and leaves the file.
        QProcess tool;
        tool.start(VELTRIX_MKCMMIDB, {"--if-missing", target(), schema(), model()});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        QCOMPARE(read("cmmi.mdb"), QByteArray("the user's months of work"));
    }

    void brokenModelLeavesNoFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("where");
        QTest::newRow("missing field") << "model/cmmi_ggs.tsv"
                                       << QByteArray("vx_goal_id\tvx_goal_desc\tvx_practice_id\tvx_practice_desc\nGG2\tx\tGP2.1\n")
                                       << "cmmi_ggs.tsv:2";
        QTest::newRow("unknown column") << "model/cmmi_ggs.tsv" << QByteArray("vx_goal_id\tvx_colour\nGG2\tred\n")
                                        << "cmmi_ggs.tsv:1";
        QTest::newRow("level not a number")
            << "model/cmmi_kpas/2_REQM.tsv"
            << QByteArray("vx_level\tvx_kpa\nII\tRequirements Management (REQM)\n") << "2_REQM.tsv:2";
        QTest::newRow("unknown table") << "model/cmmi_colours.tsv" << QByteArray("vx_goal_id\nGG2\n") << "cmmi_colours";
    }
    void brokenModelLeavesNoFile()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, where);
        write(file, content);
        QString error;
        QVERIFY(!ModelDatabaseBuilder::build(target(), schema(), model(), &error));
        QVERIFY2(error.contains(where), qPrintable(error));
        QVERIFY(!QFile::exists(target()));
        QVERIFY(!QFile::exists(target() + ".part"));
    }

private:
    QString target() const { return dir->filePath("cmmi.mdb"); }
    QString model() const { return dir->filePath("model"); }
    static QString schema() { return QStringLiteral(VELTRIX_SOURCE_DIR "/src/data/schema.sql"); }
    void write(const QString &name, const QByteArray &content)
    {
        QFile f(dir->filePath(name));
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(content);
    }
    QByteArray read(const QString &name)
    {
        QFile f(dir->filePath(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    std::unique_ptr<QTemporaryDir> dir;
};

QTEST_MAIN(tst_Builder)
#include "tst_builder.moc"
