#include "FixtureTest.h"

#include "gaps/GapQueries.h"
#include "gaps/PerRowGapGrids.h"
#include "shell/cmmiClass.h"
#include "widgets/GridModel.h"

#include <QtTest>

// Each grid's one joined statement gives exactly the lines of one look-up per row, also on a
// file that older versions and other tools left untidy: nulls where the screens write empty
// texts, duplicate model rows and records, records that match no model row.
class tst_GapQueries : public FixtureTest
{
    Q_OBJECT

protected:
    bool wantsWindow() const override { return false; }

private slots:
    void joinedGridsEqualOneLookUpPerRow_data()
    {
        QTest::addColumn<QString>("grid");
        QTest::newRow("practices") << "practices";
        QTest::newRow("work products") << "workProducts";
        QTest::newRow("generic goals") << "genericGoals";
    }
    void joinedGridsEqualOneLookUpPerRow()
    {
        QFETCH(QString, grid);
        untidyFile();
        cmmiClass db;
        QVERIFY(db.Conopen());
        QStringList failures;
        const Records::ErrorHandler onError = [&](const QString &what, const QSqlError &e) { failures << what + e.text(); };
        const GapQueries joined(db.con, onError);
        const PerRowGapGrids perRow(Records(db.con, onError));
        for (const QString &org : {QString("O'Brien"), QString("Nobody")}) {
            std::optional<GapQueries::Grid> fast;
            std::optional<QList<QVariantList>> slow;
            if (grid == "practices") {
                fast = joined.practices(org);
                slow = perRow.practices(org);
            } else if (grid == "workProducts") {
                fast = joined.workProducts(org);
                slow = perRow.workProducts(org);
            } else {
                fast = joined.genericGoals(org);
                slow = perRow.genericGoals(org);
            }
            QVERIFY2(fast && slow, qPrintable(failures.join('\n')));
            QCOMPARE(texts(fast->rows), texts(*slow));
        }
    }

private:
    void untidyFile()
    {
        // Model rows with nulls, a duplicate whose description differs, ids written out of order.
        app->rows("insert into cmmi_kpas (vx_level, vx_kpa, vx_goal_id, vx_goal_desc, vx_practice_id, vx_practice_desc, "
                  "vx_subpractice_id, vx_subpractice_desc) values (2, 'Z', 'SG1', 'g', 'SP1.1', 'p', 'SP1.1.10', 'ten'), "
                  "(2, 'Z', 'SG1', 'g', 'SP1.1', 'p', 'SP1.1.2', 'two'), "
                  "(2, 'Z', 'GG2', 'g', 'GP2.1', 'p', NULL, NULL), (2, 'Z', 'GG2', 'g', 'GP2.2', 'p', '', 's'),"
                  "(NULL, NULL, 'SG1', NULL, 'SP1.1', NULL, 'SP1.1.1', 'one'), (2, 'Z', 'SG1', 'g', 'SP1.1', 'p', 'SP1.1.1', 'dup a'),"
                  "(2, 'Z', 'SG1', 'g', 'SP1.1', 'p', 'SP1.1.1', 'dup b')");
        app->rows("insert into cmmi_docs (vx_level, vx_kpa, vx_goal_id, vx_goal_desc, vx_practice_id, vx_practice_desc, "
                  "vx_doc_id, vx_doc_desc) values (2, 'Z', 'SG1', 'g', 'SP1.1', 'p', 'WP10', 'ten'), "
                  "(2, 'Z', 'SG1', 'g', 'SP1.1', 'p', 'WP2', 'two'), "
                  "(2, 'Z', 'GG2', 'g', 'GP2.1', 'p', NULL, NULL), (2, 'Z', 'GG2', 'g', 'GP2.2', 'p', '', 'd'),"
                  "(NULL, NULL, 'SG1', NULL, 'SP1.1', NULL, 'WP1', 'one'), (2, 'Z', 'SG1', 'g', 'SP1.1', 'p', 'WP1', 'dup a'),"
                  "(2, 'Z', 'SG1', 'g', 'SP1.1', 'p', 'WP1', 'dup b')");
        app->rows("insert into cmmi_ggs values ('GG2', 'later', 'GP2.1', 'later'), (NULL, 'none', 'GP0', 'none'), ('', 'empty', 'GP0', 'empty')");
        for (const QString &table : {"vx_gaps_sgs", "vx_gaps_docs"}) {
            const QString item = table == "vx_gaps_sgs" ? "vx_subpractice_id" : "vx_doc_id";
            const QString ref = table == "vx_gaps_sgs" ? "vx_qms_ref" : "vx_doc_ref";
            // Empty and null stored the other way round from the model; duplicates, the first written
            // standing for its identity; a null reference; a stray record; another organization's.
            app->rows(QString("insert into %1 (vx_coid, vx_level, vx_kpa, vx_goal_id, vx_practice_id, %2, %3, vx_how_met) values "
                              "(?, 2, 'Z', 'GG2', 'GP2.1', '', 'empty for null', 'Fully Met'),"
                              "(?, 2, 'Z', 'GG2', 'GP2.2', NULL, NULL, 'Partially Met'),"
                              "(?, NULL, '', 'SG1', 'SP1.1', ?, 'null level', NULL),"
                              "(?, 2, 'Z', 'SG1', 'SP1.1', ?, 'Z first', 'Fully Met'),"
                              "(?, 2, 'Z', 'SG1', 'SP1.1', ?, 'A second', 'Not Met At All'),"
                              "(?, 2, 'Z', 'SG9', 'SP9.9', 'x', 'stray', 'Fully Met'),"
                              "('Other', 2, 'Configuration Management (CM)', 'SG1', 'SP1.1', ?, 'theirs', 'Fully Met')")
                          .arg(table, item, ref),
                      {"O'Brien", "O'Brien", "O'Brien", item == "vx_doc_id" ? "WP1" : "SP1.1.1", "O'Brien",
                       item == "vx_doc_id" ? "WP1" : "SP1.1.1", "O'Brien", item == "vx_doc_id" ? "WP1" : "SP1.1.1",
                       "O'Brien", item == "vx_doc_id" ? "WP1.1.1" : "SP1.1.1"});
        }
        app->rows("insert into vx_gaps_ggs (vx_coid, vx_goal_id, vx_practice_id, vx_kpa, vx_qms_ref, vx_how_met) values "
                  "(?, 'GG2', 'GP2.1', 'Z', 'first', 'Fully Met'), (?, 'GG9', 'GP9', 'Z', 'stray', 'Fully Met'),"
                  "(?, 'GG2', 'GP2.1', 'Z', 'duplicate', 'Partially Met'), (?, 'GG2', 'GP2.2', NULL, NULL, 'Not Met At All'),"
                  "(?, 'GG2', 'GP2.2', '', 'same as null', 'Fully Met'), (?, '', 'GP0', 'Z', 'empty goal', 'Fully Met'),"
                  "(?, NULL, 'GP0', 'Y', 'null goal', 'Fully Met'), ('Other', 'GG2', 'GP2.1', 'Z', 'theirs', 'Fully Met')",
                  {"O'Brien", "O'Brien", "O'Brien", "O'Brien", "O'Brien", "O'Brien", "O'Brien"});
    }

    static QList<QStringList> texts(const QList<QVariantList> &rows)
    {
        QList<QStringList> result;
        for (const QVariantList &row : rows) {
            QStringList cells;
            for (const QVariant &value : row)
                cells << GridModel::cellText(value);
            result << cells;
        }
        return result;
    }
};

QTEST_MAIN(tst_GapQueries)
#include "tst_gapqueries.moc"
