#include "TestApp.h"

#include "data/NaturalOrder.h"
#include "data/Records.h"
#include "shell/cmmiClass.h"

#include <QtTest>

#include <QDirIterator>
#include <QRegularExpression>
#include <QSet>

// The rules the delivered model keeps, so that an edit of the model files cannot break them silently.
class tst_ModelData : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        app = std::make_unique<TestApp>();
        QVERIFY(db.Conopen());
    }
    void cleanupTestCase()
    {
        db.Conclose();
        app.reset();
    }

    void processAreasAtTheirLevels_data()
    {
        QTest::addColumn<QString>("abbreviation");
        QTest::addColumn<int>("level");
        const QList<std::pair<const char *, int>> areas = {
            {"REQM", 2}, {"PP", 2},  {"PMC", 2}, {"SAM", 2},  {"MA", 2},  {"PPQA", 2}, {"CM", 2},  {"RD", 3},
            {"TS", 3},   {"PI", 3},  {"VER", 3}, {"VAL", 3},  {"OPF", 3}, {"OPD", 3},  {"OT", 3},  {"IPM", 3},
            {"RSKM", 3}, {"DAR", 3}, {"OPP", 4}, {"QPM", 4},  {"OPM", 5}, {"CAR", 5}};
        for (const auto &[abbreviation, level] : areas)
            QTest::newRow(abbreviation) << QString::fromLatin1(abbreviation) << level;
    }
    void processAreasAtTheirLevels()
    {
        QFETCH(QString, abbreviation);
        QFETCH(int, level);
        const QList<QVariantList> rows = app->rows(
            "select distinct vx_level, vx_kpa from cmmi_kpas where vx_kpa like ?", {"% (" + abbreviation + ")"});
        QCOMPARE(rows.size(), 1);
        QCOMPARE(rows[0][0].toInt(), level);
        // Every process area has specific goals, and the generic goals of its level.
        const QString kpa = rows[0][1].toString();
        QVERIFY(app->value("select count(*) from cmmi_kpas where vx_kpa=? and vx_goal_id like 'SG%'", {kpa}).toInt() > 0);
        QCOMPARE(app->value("select count(*) from cmmi_kpas where vx_kpa=? and vx_goal_id='GG2'", {kpa}).toInt(), 10);
        QCOMPARE(app->value("select count(*) from cmmi_kpas where vx_kpa=? and vx_goal_id='GG3'", {kpa}).toInt(),
                 level >= 3 ? 2 : 0);
        QVERIFY(app->value("select count(*) from cmmi_docs where vx_kpa=? and vx_level=?", {kpa, level}).toInt() > 0);
    }

    void exactlyTheKnownProcessAreas()
    {
        QCOMPARE(app->value("select count(distinct vx_kpa) from cmmi_kpas").toInt(), 22);
        QCOMPARE(app->value("select count(*) from (select distinct vx_level, vx_kpa from cmmi_docs) "
                            "where vx_kpa not in (select vx_kpa from cmmi_kpas)").toInt(), 0);
    }

    void genericGoalsTable()
    {
        QStringList pairs;
        for (const QVariantList &row : app->rows("select vx_goal_id || ' ' || vx_practice_id from cmmi_ggs"))
            pairs << row[0].toString();
        std::sort(pairs.begin(), pairs.end(), NaturalOrder::less);
        QCOMPARE(pairs, QStringList({"GG1 GP1.1", "GG2 GP2.1", "GG2 GP2.2", "GG2 GP2.3", "GG2 GP2.4", "GG2 GP2.5",
                                     "GG2 GP2.6", "GG2 GP2.7", "GG2 GP2.8", "GG2 GP2.9", "GG2 GP2.10", "GG3 GP3.1",
                                     "GG3 GP3.2"}));
    }

    void limitsAndNoNulls_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("descriptions");
        QTest::newRow("cmmi_kpas") << "cmmi_kpas" << QStringList{"vx_goal_id", "vx_practice_id", "vx_subpractice_id"}
                                   << QStringList{"vx_kpa", "vx_goal_desc", "vx_practice_desc", "vx_subpractice_desc"};
        QTest::newRow("cmmi_docs") << "cmmi_docs" << QStringList{"vx_goal_id", "vx_practice_id", "vx_doc_id"}
                                   << QStringList{"vx_kpa", "vx_goal_desc", "vx_practice_desc", "vx_doc_desc"};
        QTest::newRow("cmmi_ggs") << "cmmi_ggs" << QStringList{"vx_goal_id", "vx_practice_id"}
                                  << QStringList{"vx_goal_desc", "vx_practice_desc"};
    }
    void limitsAndNoNulls()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, ids);
        QFETCH(QStringList, descriptions);
        for (const QString &column : ids + descriptions) {
            const int limit = ids.contains(column) ? 10 : 255;
            const QString sql = QStringLiteral("select count(*) from %1 where %2 is null or length(%2) > %3")
                                    .arg(table, column).arg(limit);
            QVERIFY2(app->value(sql).toInt() == 0, qPrintable(table + "." + column));
        }
        for (const QString &column : descriptions) {
            if (column == "vx_subpractice_desc")
                continue; // empty on the generic-goal rows
            QVERIFY2(app->value(QStringLiteral("select count(*) from %1 where trim(%2) = ''").arg(table, column)).toInt() == 0,
                     qPrintable(table + "." + column));
        }
    }

    void oneRowPerIdentity_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("identity");
        QTest::newRow("cmmi_kpas") << "cmmi_kpas" << "vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_subpractice_id";
        QTest::newRow("cmmi_docs") << "cmmi_docs" << "vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_doc_id";
        QTest::newRow("cmmi_ggs") << "cmmi_ggs" << "vx_goal_id, vx_practice_id";
    }
    void oneRowPerIdentity()
    {
        QFETCH(QString, table);
        QFETCH(QString, identity);
        QCOMPARE(app->value(QStringLiteral("select count(*) from (select 1 from %1 group by %2 having count(*) > 1)")
                                .arg(table, identity)).toInt(), 0);
    }

    void repeatedDescriptionsAgree()
    {
        // A goal or practice reads the same on every row that repeats it, in both tables.
        for (const char *sql : {
                 "select vx_level, vx_kpa, vx_goal_id from (select vx_level, vx_kpa, vx_goal_id, vx_goal_desc from cmmi_kpas "
                 "union select vx_level, vx_kpa, vx_goal_id, vx_goal_desc from cmmi_docs) group by 1, 2, 3 having count(*) > 1",
                 "select vx_level, vx_kpa, vx_goal_id, vx_practice_id from (select vx_level, vx_kpa, vx_goal_id, vx_practice_id, "
                 "vx_practice_desc from cmmi_kpas union select vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_practice_desc "
                 "from cmmi_docs) group by 1, 2, 3, 4 having count(*) > 1",
                 "select k.vx_kpa, k.vx_practice_id from cmmi_kpas k left join cmmi_ggs g on g.vx_goal_id = k.vx_goal_id "
                 "and g.vx_practice_id = k.vx_practice_id where k.vx_goal_id like 'GG%' and (g.vx_goal_id is null "
                 "or g.vx_goal_desc <> k.vx_goal_desc or g.vx_practice_desc <> k.vx_practice_desc "
                 "or k.vx_subpractice_id <> '' or k.vx_subpractice_desc <> '')"}) {
            const QList<QVariantList> offenders = app->rows(QString::fromLatin1(sql));
            QVERIFY2(offenders.isEmpty(), qPrintable(offenders.isEmpty() ? QString() : offenders.first().first().toString()));
        }
    }

    void everySpecificPracticeHasSubpracticesAndWorkProducts()
    {
        const QList<QVariantList> bare = app->rows(
            "select distinct k.vx_kpa, k.vx_practice_id from cmmi_kpas k where k.vx_goal_id like 'SG%' and ("
            "  k.vx_subpractice_id = '' or k.vx_subpractice_desc = '' or not exists (select 1 from cmmi_docs d "
            "  where d.vx_level = k.vx_level and d.vx_kpa = k.vx_kpa and d.vx_goal_id = k.vx_goal_id "
            "  and d.vx_practice_id = k.vx_practice_id and d.vx_doc_id <> ''))");
        QVERIFY2(bare.isEmpty(), qPrintable(bare.isEmpty() ? QString() : bare[0][0].toString() + " " + bare[0][1].toString()));
        // And no work product hangs under a practice the process-area model does not have.
        QCOMPARE(app->value("select count(*) from cmmi_docs d where not exists (select 1 from cmmi_kpas k "
                            "where d.vx_level = k.vx_level and d.vx_kpa = k.vx_kpa and d.vx_goal_id = k.vx_goal_id "
                            "and d.vx_practice_id = k.vx_practice_id)").toInt(), 0);
    }

    void everyRowReachableThroughTheCascade()
    {
        // Level, then each list filtered by every choice above it, as the gap screens walk the model.
        const Records rec(db.con);
        QSet<QString> reached;
        for (int level = 2; level <= 5; ++level) {
            for (const QString &kpa : rec.distinct("cmmi_kpas", "vx_kpa", {{"vx_level", level}})) {
                const Fields k = {{"vx_level", level}, {"vx_kpa", kpa}};
                for (const QString &goal : rec.distinct("cmmi_kpas", "vx_goal_id", k)) {
                    const Fields g = k + Fields{{"vx_goal_id", goal}};
                    for (const QString &practice : rec.distinct("cmmi_kpas", "vx_practice_id", g)) {
                        const Fields p = g + Fields{{"vx_practice_id", practice}};
                        for (const QString &sub : rec.distinct("cmmi_kpas", "vx_subpractice_id", p))
                            reached << QStringList{QString::number(level), kpa, goal, practice, sub}.join('|');
                    }
                }
            }
        }
        QSet<QString> all;
        for (const QVariantList &row : app->rows("select vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_subpractice_id from cmmi_kpas")) {
            QStringList key;
            for (const QVariant &v : row)
                key << v.toString();
            all << key.join('|');
        }
        QCOMPARE(reached.size(), all.size());
        QVERIFY(reached == all);
    }

    void modelFilesAreSortedAndNamedConsistently()
    {
        QDirIterator files(QStringLiteral(VELTRIX_SOURCE_DIR "/src/data/model"), {"*.tsv"}, QDir::Files,
                           QDirIterator::Subdirectories);
        static const QRegularExpression areaFile(QStringLiteral("^([2-5])_([A-Z]+)\\.tsv$"));
        int checked = 0;
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
            QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
            const QStringList header = lines.takeFirst().split('\t');
            const QRegularExpressionMatch area = areaFile.match(files.fileName());
            QStringList previous;
            for (const QString &line : lines) {
                const QStringList fields = line.split('\t');
                QCOMPARE(fields.size(), header.size());
                if (area.hasMatch()) {
                    QCOMPARE(fields[0], area.captured(1));
                    QVERIFY2(fields[1].endsWith(" (" + area.captured(2) + ")"), qPrintable(path));
                }
                // Goal, practice and subpractice or work product id (the id before the last
                // description), in natural order.
                const int g = int(header.indexOf("vx_goal_id"));
                const int p = int(header.indexOf("vx_practice_id"));
                const QStringList key = {fields[g], fields[p], fields[header.size() - 2]};
                if (!previous.isEmpty()) {
                    int order = 0;
                    for (int i = 0; i < key.size() && order == 0; ++i)
                        order = NaturalOrder::compare(previous[i], key[i]);
                    QVERIFY2(order < 0, qPrintable(path + ": " + line.left(60)));
                }
                previous = key;
            }
            ++checked;
        }
        QCOMPARE(checked, 45);
    }

private:
    std::unique_ptr<TestApp> app;
    cmmiClass db;
};

QTEST_MAIN(tst_ModelData)
#include "tst_modeldata.moc"
