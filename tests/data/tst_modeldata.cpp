#include "TestApp.h"

#include "data/NaturalOrder.h"
#include "data/Records.h"
#include "shell/cmmiClass.h"

#include <QtTest>

#include <QDirIterator>
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

    void processAreasAtTheirLevels()
    {
        const QMap<QString, int> levels = {
            {"REQM", 2}, {"PP", 2}, {"PMC", 2}, {"SAM", 2}, {"MA", 2}, {"PPQA", 2}, {"CM", 2}, {"RD", 3},
            {"TS", 3}, {"PI", 3}, {"VER", 3}, {"VAL", 3}, {"OPF", 3}, {"OPD", 3}, {"OT", 3}, {"IPM", 3},
            {"RSKM", 3}, {"DAR", 3}, {"OPP", 4}, {"QPM", 4}, {"OPM", 5}, {"CAR", 5}};
        QMap<QString, int> found;
        for (const QVariantList &row : app->rows(
                 "select vx_kpa, vx_level, sum(vx_goal_id = 'GG2'), sum(vx_goal_id = 'GG3'), sum(vx_goal_id like 'SG%') "
                 "from cmmi_kpas group by vx_kpa, vx_level")) {
            const QString abbreviation = row[0].toString().section('(', -1).chopped(1);
            found.insert(abbreviation, row[1].toInt());
            // Staged rating at level 3 or above needs GG3 in the level 2 areas too, so every area carries both.
            QCOMPARE(row[2].toInt(), 10);
            QCOMPARE(row[3].toInt(), 2);
            QVERIFY2(row[4].toInt() > 0, qPrintable(abbreviation));
        }
        QCOMPARE(found, levels);
    }

    void limitsAndOneRowPerIdentity_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QStringList>("ids");
        QTest::addColumn<QStringList>("descriptions");
        QTest::addColumn<QString>("identity");
        QTest::newRow("cmmi_kpas") << "cmmi_kpas" << QStringList{"vx_goal_id", "vx_practice_id", "vx_subpractice_id"}
                                   << QStringList{"vx_kpa", "vx_goal_desc", "vx_practice_desc", "vx_subpractice_desc"}
                                   << "vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_subpractice_id";
        QTest::newRow("cmmi_docs") << "cmmi_docs" << QStringList{"vx_goal_id", "vx_practice_id", "vx_doc_id"}
                                   << QStringList{"vx_kpa", "vx_goal_desc", "vx_practice_desc", "vx_doc_desc"}
                                   << "vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_doc_id";
        QTest::newRow("cmmi_ggs") << "cmmi_ggs" << QStringList{"vx_goal_id", "vx_practice_id"}
                                  << QStringList{"vx_goal_desc", "vx_practice_desc"} << "vx_goal_id, vx_practice_id";
    }
    void limitsAndOneRowPerIdentity()
    {
        QFETCH(QString, table);
        QFETCH(QStringList, ids);
        QFETCH(QStringList, descriptions);
        QFETCH(QString, identity);
        for (const QString &column : ids + descriptions) {
            const QString sql = QStringLiteral("select count(*) from %1 where %2 is null or length(%2) > %3")
                                    .arg(table, column).arg(ids.contains(column) ? 10 : 255);
            QVERIFY2(app->value(sql).toInt() == 0, qPrintable(table + "." + column));
        }
        QCOMPARE(app->value(QStringLiteral("select count(*) from (select 1 from %1 group by %2 having count(*) > 1)")
                                .arg(table, identity)).toInt(), 0);
    }

    void repeatedDescriptionsAgree()
    {
        // A goal or practice reads the same on every row that repeats it, in both tables, and the
        // generic-goal rows of a process area read as the generic goals table does.
        for (const char *sql : {
                 "select vx_kpa, vx_goal_id from (select vx_level, vx_kpa, vx_goal_id, vx_goal_desc from cmmi_kpas union "
                 "select vx_level, vx_kpa, vx_goal_id, vx_goal_desc from cmmi_docs) group by vx_level, vx_kpa, vx_goal_id having count(*) > 1",
                 "select vx_kpa, vx_practice_id from (select vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_practice_desc "
                 "from cmmi_kpas union select vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_practice_desc from cmmi_docs) "
                 "group by vx_level, vx_kpa, vx_goal_id, vx_practice_id having count(*) > 1",
                 "select k.vx_kpa, k.vx_practice_id from cmmi_kpas k left join cmmi_ggs g on g.vx_goal_id = k.vx_goal_id "
                 "and g.vx_practice_id = k.vx_practice_id where k.vx_goal_id like 'GG%' and (g.vx_goal_id is null "
                 "or g.vx_goal_desc <> k.vx_goal_desc or g.vx_practice_desc <> k.vx_practice_desc "
                 "or k.vx_subpractice_id <> '' or k.vx_subpractice_desc <> '')",
                 // every specific practice has subpractices and at least one work product
                 "select k.vx_kpa, k.vx_practice_id from cmmi_kpas k where k.vx_goal_id like 'SG%' and (k.vx_subpractice_id = '' "
                 "or trim(k.vx_subpractice_desc) = '' or not exists (select 1 from cmmi_docs d where d.vx_level = k.vx_level "
                 "and d.vx_kpa = k.vx_kpa and d.vx_goal_id = k.vx_goal_id and d.vx_practice_id = k.vx_practice_id "
                 "and d.vx_doc_id <> '' and trim(d.vx_doc_desc) <> ''))",
                 // and no work product hangs under a practice the process-area model lacks
                 "select d.vx_kpa, d.vx_practice_id from cmmi_docs d where not exists (select 1 from cmmi_kpas k "
                 "where d.vx_level = k.vx_level and d.vx_kpa = k.vx_kpa and d.vx_goal_id = k.vx_goal_id "
                 "and d.vx_practice_id = k.vx_practice_id)"}) {
            const QList<QVariantList> offenders = app->rows(QString::fromLatin1(sql));
            QVERIFY2(offenders.isEmpty(), qPrintable(offenders.isEmpty() ? QString()
                                                     : offenders[0][0].toString() + " " + offenders[0][1].toString()));
        }
    }

    void subpracticesInOneVoice_data()
    {
        // Each row names the offending subpractice rows.
        QTest::addColumn<QString>("offenders");
        QTest::newRow("appraiser checks instead of instructions")
            << "vx_subpractice_desc like 'Check that%' or vx_subpractice_desc like 'Confirm%' "
               "or vx_subpractice_desc like 'Verify that%' or vx_subpractice_desc like 'Look for%'";
        QTest::newRow("evidence hint not one trailing sentence")
            << "vx_subpractice_desc like '%evidence%' and (vx_subpractice_desc not glob '*. Evidence: *.' "
               "or vx_subpractice_desc glob '*Evidence:*Evidence:*' or vx_subpractice_desc glob '*[a-z]vidence is*') "
               "or vx_subpractice_desc like '%; look for%' or vx_subpractice_desc like '%; check%' "
               "or vx_subpractice_desc like '%; show%' or vx_subpractice_desc like '%; sample%'";
        QTest::newRow("numbered id not under its practice")
            << "vx_subpractice_id not glob vx_practice_id || '.[1-9]' and vx_subpractice_id not glob vx_practice_id || '.[1-9][0-9]' "
               "and vx_subpractice_id <> vx_practice_id || '.none'";
        QTest::newRow("no-subpractice row not marked as such")
            << "(vx_subpractice_id = vx_practice_id || '.none') <> (vx_subpractice_desc like 'The model lists no subpractices%')";
        QTest::newRow("numbered subpractice beside a no-subpractice row")
            << "exists (select 1 from cmmi_kpas n where n.vx_level = cmmi_kpas.vx_level and n.vx_kpa = cmmi_kpas.vx_kpa "
               "and n.vx_practice_id = cmmi_kpas.vx_practice_id and n.vx_subpractice_id = n.vx_practice_id || '.none' "
               "and n.vx_subpractice_id <> cmmi_kpas.vx_subpractice_id)";
    }
    void subpracticesInOneVoice()
    {
        QFETCH(QString, offenders);
        const QList<QVariantList> rows = app->rows(
            "select vx_kpa || ' ' || vx_subpractice_id from cmmi_kpas where vx_goal_id like 'SG%' and (" + offenders + ")");
        QVERIFY2(rows.isEmpty(), qPrintable(rows.isEmpty() ? QString() : rows[0][0].toString()));
    }

    void usSpellingAndTheModelsWords()
    {
        // Samples of what the model spells otherwise; "analyses" is the plural noun, so only the verb forms.
        const QStringList wrong = {"e.g.", "life cycle", "life-cycle", "organis", "prioritis", "analysed", "analysing",
                                   "behaviour", "catalogue", "licence", "modelling", "favour"};
        const QMap<QString, QStringList> columns = {
            {"cmmi_kpas", {"vx_goal_desc", "vx_practice_desc", "vx_subpractice_desc"}},
            {"cmmi_docs", {"vx_goal_desc", "vx_practice_desc", "vx_doc_desc"}},
            {"cmmi_ggs", {"vx_goal_desc", "vx_practice_desc"}}};
        for (auto table = columns.cbegin(); table != columns.cend(); ++table)
            for (const QString &column : table.value())
                for (const QString &word : wrong) {
                    const QVariant hit = app->value(
                        QStringLiteral("select %1 from %2 where instr(lower(%1), ?) limit 1").arg(column, table.key()), {word});
                    QVERIFY2(hit.isNull(), qPrintable(word + ": " + hit.toString()));
                }
    }

    void everyRowReachableThroughTheCascade()
    {
        // Level, then each list filtered by every choice above it, as the screens walk the model.
        const Records rec(db.con);
        QSet<QString> reached;
        for (int level = 2; level <= 5; ++level) {
            for (const QString &kpa : rec.distinct("cmmi_kpas", "vx_kpa", {{"vx_level", level}}).value_or(QStringList())) {
                const Fields k = {{"vx_level", level}, {"vx_kpa", kpa}};
                for (const QString &goal : rec.distinct("cmmi_kpas", "vx_goal_id", k).value_or(QStringList())) {
                    const Fields g = k + Fields{{"vx_goal_id", goal}};
                    for (const QString &practice : rec.distinct("cmmi_kpas", "vx_practice_id", g).value_or(QStringList())) {
                        const Fields p = g + Fields{{"vx_practice_id", practice}};
                        for (const QString &sub : rec.distinct("cmmi_kpas", "vx_subpractice_id", p).value_or(QStringList()))
                            reached << QStringList{QString::number(level), kpa, goal, practice, sub}.join('|');
                    }
                }
            }
        }
        QSet<QString> all;
        for (const QVariantList &row : app->rows("select vx_level || '|' || vx_kpa || '|' || vx_goal_id || '|' || "
                                                 "vx_practice_id || '|' || vx_subpractice_id from cmmi_kpas"))
            all << row[0].toString();
        QVERIFY(reached == all);
    }

    void modelFilesAreSortedAndNamedConsistently()
    {
        QDirIterator files(QStringLiteral(VELTRIX_SOURCE_DIR "/src/data/model"), {"*.tsv"}, QDir::Files,
                           QDirIterator::Subdirectories);
        while (files.hasNext()) {
            const QString path = files.next();
            QFile file(path);
            QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
            QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
            const QStringList header = lines.takeFirst().split('\t');
            // Files of one process area are named <level>_<abbreviation>.tsv.
            const QString level = files.fileName().section('_', 0, 0);
            const QString area = " (" + files.fileName().section('_', 1).chopped(4) + ")";
            // Goal, practice, then the subpractice or work product id (before the last description).
            const QList<qsizetype> key = {header.indexOf("vx_goal_id"), header.indexOf("vx_practice_id"), header.size() - 2};
            QStringList previous;
            for (const QString &line : lines) {
                const QStringList fields = line.split('\t');
                QCOMPARE(fields.size(), header.size());
                if (header.first() == "vx_level") {
                    QCOMPARE(fields[0], level);
                    QVERIFY2(fields[1].endsWith(area), qPrintable(path));
                }
                QStringList current;
                for (qsizetype column : key)
                    current << fields[column];
                if (!previous.isEmpty()) {
                    int order = 0;
                    for (int i = 0; i < current.size() && order == 0; ++i)
                        order = NaturalOrder::compare(previous[i], current[i]);
                    QVERIFY2(order < 0, qPrintable(path + ": " + line.left(60)));
                }
                previous = current;
            }
        }
    }

private:
    std::unique_ptr<TestApp> app;
    cmmiClass db;
};

QTEST_MAIN(tst_ModelData)
#include "tst_modeldata.moc"
