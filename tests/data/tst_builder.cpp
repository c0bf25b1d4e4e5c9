#include "data/ModelDatabaseBuilder.h"

#include <QtTest>

#include <QProcess>
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
        QDir(dir->path()).mkpath("model");
        write("model/cmmi_ggs.tsv", "vx_goal_id\tvx_goal_desc\tvx_practice_id\tvx_practice_desc\nGG2\tManaged\tGP2.1\tPolicy\n");
    }

    void neverReplacesAnExistingFile()
    {
        write("cmmi.mdb", "the user's months of work");
        QString error;
        QVERIFY(!ModelDatabaseBuilder::build(target(), schema(), model(), &error));
        // Every build runs the tool: with --if-missing it succeeds and leaves the file alone.
        QProcess tool;
        tool.start(VELTRIX_MKCMMIDB, {"--if-missing", target(), schema(), model()});
        QVERIFY(tool.waitForFinished(30000));
        QCOMPARE(tool.exitCode(), 0);
        QFile f(target());
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), QByteArray("the user's months of work"));
    }

    void brokenModelLeavesNoFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("where");
        QTest::newRow("missing field") << "model/cmmi_ggs.tsv"
                                       << QByteArray("vx_goal_id\tvx_goal_desc\tvx_practice_id\tvx_practice_desc\nGG2\tx\tGP2.1\n")
                                       << "cmmi_ggs.tsv:2";
        QTest::newRow("unknown column") << "model/cmmi_ggs.tsv" << QByteArray("vx_goal_id\tvx_colour\nGG2\tred\n") << "cmmi_ggs.tsv:1";
        QTest::newRow("level not a number") << "model/cmmi_kpas.tsv" << QByteArray("vx_level\tvx_kpa\nII\tREQM\n") << "cmmi_kpas.tsv:2";
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

    std::unique_ptr<QTemporaryDir> dir;
};

QTEST_MAIN(tst_Builder)
#include "tst_builder.moc"
