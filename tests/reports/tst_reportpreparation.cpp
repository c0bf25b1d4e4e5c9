#include "FixtureTest.h"

#include "data/Records.h"
#include "reports/ReportPreparation.h"
#include "shell/cmmiClass.h"

#include <QtTest>

// Getting the tables ready for a report: the organization's answers onto the model's working
// columns (the same rows a record-by-record copy gives), generic practices never answered,
// and nothing changed when a step fails.
class tst_ReportPreparation : public FixtureTest
{
    Q_OBJECT

    bool wantsWindow() const override { return false; }
    void setUp() override
    {
        QVERIFY(db.Conopen());
        errors.clear();
    }
    void tearDown() override { db.Conclose(); }

private slots:
    void answersReachTheModelRows_data()
    {
        QTest::addColumn<QString>("table");
        QTest::newRow("practices") << "kpas";
        QTest::newRow("work products") << "docs";
    }
    void answersReachTheModelRows()
    {
        QFETCH(QString, table);
        const bool kpas = table == "kpas";
        const QString model = kpas ? "cmmi_kpas" : "cmmi_docs";
        const QString gaps = kpas ? "vx_gaps_sgs" : "vx_gaps_docs";
        const QString id = kpas ? "vx_subpractice_id" : "vx_doc_id";
        const QString ref = kpas ? "vx_qms_ref" : "vx_doc_ref";
        const QString org = "O'Brien & Sons";
        auto add = [&](const QString &coid, const QString &where, const QString &refValue, const QString &how) {
            app->rows(QString("insert into %1 (vx_coid, vx_level, vx_kpa, vx_goal_id, vx_practice_id, %2, %3, vx_how_met) "
                              "select ?, vx_level, vx_kpa, vx_goal_id, vx_practice_id, %2, %4, %5 from %6 where %7 limit 1")
                          .arg(gaps, id, ref, refValue, how, model, where),
                      {coid});
        };
        // A duplicated model row gets the answer twice; a duplicated record: the later one wins.
        app->rows(QString("insert into %1 select * from %1 where rowid = 3").arg(model));
        add(org, "rowid = 1", "'Quality manual 4.2'", "'Partially Met'");
        add(org, "rowid = 1", "'Quality manual 4.3'", "'Fully Met'");
        add(org, "rowid = 2", "NULL", "NULL");
        add(org, "rowid = 3", "'Plan \u0444'", "'Fully Met'");
        add("Other", "rowid = 4", "'not ours'", "'Fully Met'");
        // An orphan, the placeholder (NULL level) and a record whose empty id was stored as NULL.
        app->rows(QString("insert into %1 (vx_coid, vx_level, vx_kpa, vx_goal_id, vx_practice_id, %2, vx_how_met) values "
                          "(?, 2, 'Gone (GONE)', 'SG1', 'SP1.1', 'x', 'Fully Met'), (?, NULL, NULL, 'SG1', 'SP1.1', 'SP1.1.1', NULL)")
                      .arg(gaps, id),
                  {org, org});
        app->rows(QString("update %1 set %2 = NULL where rowid = 5").arg(model, id));
        add(org, "rowid = 5", "'generic'", "'Partially Met'");
        app->rows(QString("update %1 set %2 = NULL where %3 = 'generic'").arg(gaps, id, ref));

        const QList<QVariantList> expected = perRecord(model, gaps, id, ref, org);
        const ReportPreparation prep(records());
        QVERIFY(kpas ? prep.PrepareKpaReport(org) : prep.PrepareDocReport(org));
        const QString state = QString("select rowid, %1, vx_how_met from %2 order by rowid").arg(ref, model);
        QCOMPARE(app->rows(state), expected);
        QCOMPARE(app->rows(state).mid(0, 5),
                 QList<QVariantList>({{1, "Quality manual 4.3", "Fully Met"}, {2, null, "Not Met At All"},
                                      {3, "Plan \u0444", "Fully Met"}, {4, null, "Not Met At All"},
                                      {5, "generic", "Partially Met"}}));
        QCOMPARE(app->value(QString("select %1 from %2 order by rowid desc limit 1").arg(ref, model)).toString(),
                 QString("Plan \u0444"));

        // An organization with only its placeholder: everything back to "nothing answered".
        QVERIFY(kpas ? prep.PrepareKpaReport("Newcomer") : prep.PrepareDocReport("Newcomer"));
        QCOMPARE(app->value(QString("select count(*) from %1 where %2 is not null or vx_how_met <> 'Not Met At All'")
                                .arg(model, ref)).toInt(), 0);
        QVERIFY(errors.isEmpty());
    }

    void unansweredGenericPracticesAddedOnce()
    {
        app->rows("insert into cmmi_ggs values (NULL, NULL, NULL, NULL), ('GG2', 'again', 'GP2.1', 'duplicate')");
        app->rows("insert into vx_gaps_ggs (vx_coid, vx_goal_id, vx_practice_id, vx_kpa, vx_how_met) values "
                  "('ACME', 'GG2', 'GP2.1', 'Project Planning (PP)', 'Fully Met'), ('Other', 'GG2', 'GP2.2', NULL, 'Fully Met')");
        const ReportPreparation prep(records());
        const int models = app->value("select count(*) from (select distinct vx_goal_id, vx_practice_id from cmmi_ggs)").toInt();
        for (int run = 0; run < 2; ++run) {
            QVERIFY(prep.PrepareGgReport("ACME"));
            QCOMPARE(app->value("select count(*) from vx_gaps_ggs where vx_coid = 'ACME'").toInt(), models);
        }
        QCOMPARE(app->rows("select vx_kpa, vx_qms_ref, vx_how_met from vx_gaps_ggs where vx_coid = 'ACME' "
                           "and vx_goal_id = 'GG1'"),
                 QList<QVariantList>({{null, null, "Not Met At All"}}));
        QCOMPARE(app->value("select vx_how_met from vx_gaps_ggs where vx_coid = 'ACME' and vx_practice_id = 'GP2.1'").toString(),
                 QString("Fully Met"));
        QCOMPARE(app->value("select count(*) from vx_gaps_ggs where vx_coid = 'Other'").toInt(), 1);
    }

    void failedStepChangesNothing()
    {
        app->rows("insert into vx_gaps_sgs (vx_coid, vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_subpractice_id, "
                  "vx_qms_ref, vx_how_met) select 'ACME', vx_level, vx_kpa, vx_goal_id, vx_practice_id, "
                  "vx_subpractice_id, 'boom', 'Fully Met' from cmmi_kpas where rowid = 7");
        app->rows("update cmmi_kpas set vx_how_met = 'Partially Met', vx_qms_ref = 'earlier report'");
        app->rows("create trigger refuse before update on cmmi_kpas when new.vx_qms_ref = 'boom' "
                  "begin select raise(abort, 'refused'); end");
        const QList<QVariantList> before = app->rows("select vx_how_met, vx_qms_ref from cmmi_kpas");
        QVERIFY(!ReportPreparation(records()).PrepareKpaReport("ACME"));
        QCOMPARE(errors.size(), 1);
        QCOMPARE(app->rows("select vx_how_met, vx_qms_ref from cmmi_kpas"), before);
    }

private:
    Records records()
    {
        return Records(db.con, [this](const QString &what, const QSqlError &e) { errors << what + e.text(); });
    }

    // The copy record by record, in the order the records were written, as the reports always
    // read it: reset, then each record onto the model rows with its keys (NULL text as '').
    QList<QVariantList> perRecord(const QString &model, const QString &gaps, const QString &id, const QString &ref,
                                  const QString &org)
    {
        app->rows("savepoint reference");
        app->rows(QString("update %1 set vx_how_met = 'Not Met At All', %2 = NULL").arg(model, ref));
        const QList<QVariantList> records = app->rows(
            QString("select vx_level, vx_kpa, vx_goal_id, vx_practice_id, %1, %2, vx_how_met from %3 "
                    "where vx_coid = ? order by rowid").arg(id, ref, gaps),
            {org});
        for (const QVariantList &r : records) {
            if (r[0].isNull())
                continue;
            app->rows(QString("update %1 set %2 = ?, vx_how_met = coalesce(?, 'Not Met At All') where vx_level = ? "
                              "and ifnull(vx_kpa, '') = ifnull(?, '') and ifnull(vx_goal_id, '') = ifnull(?, '') "
                              "and ifnull(vx_practice_id, '') = ifnull(?, '') and ifnull(%3, '') = ifnull(?, '')")
                          .arg(model, ref, id),
                      {r[5], r[6], r[0], r[1], r[2], r[3], r[4]});
        }
        const QList<QVariantList> result = app->rows(QString("select rowid, %1, vx_how_met from %2 order by rowid").arg(ref, model));
        app->rows("rollback to reference");
        app->rows("release reference");
        return result;
    }

    const QVariant null = QVariant(QString()); // how a NULL text column reads
    cmmiClass db;
    QStringList errors;
};

QTEST_MAIN(tst_ReportPreparation)
#include "tst_reportpreparation.moc"
