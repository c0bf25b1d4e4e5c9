#include "FixtureTest.h"

#include "data/Records.h"
#include "shell/cmmiClass.h"

#include <QtTest>

// The shared data layer: natural order, the save rule, bound values, empty texts matching
// NULLs, failures told apart from "no rows", transactions that undo everything.
class tst_Records : public FixtureTest
{
    Q_OBJECT

    bool wantsWindow() const override { return false; }
    void tearDown() override
    {
        db.Conclose();
        errors.clear();
    }

private slots:
    void distinctListsInNaturalOrderWithoutNulls()
    {
        app->rows("delete from cmmi_ggs");
        app->rows("insert into cmmi_ggs (vx_goal_id, vx_practice_id) values ('GG2', 'GP2.10'), ('GG2', 'GP2.2'), "
                  "('GG2', 'GP2.1'), ('GG2', 'GP2.2'), ('GG2', NULL), ('GG3', 'GP3.1')");
        QCOMPARE(records().distinct("cmmi_ggs", "vx_practice_id", {{"vx_goal_id", "GG2"}}),
                 QStringList({"GP2.1", "GP2.2", "GP2.10"}));
    }

    void textIsMatchedAndStoredLiterally_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("stored");
        QTest::newRow("apostrophe") << "O'Brien & Sons" << "O'Brien & Sons";
        QTest::newRow("sql fragment") << "x'); drop table vx_gaps_sgs; --" << "x'); drop table vx_gaps_sgs; --";
        QTest::newRow("non-latin") << QString::fromUtf8("Организация 組織") << QString::fromUtf8("Организация 組織");
        QTest::newRow("blanks kept") << "  padded  " << "  padded  ";
        QTest::newRow("nul stripped") << QString("AC") + QChar(u'\0') + "ME" << "ACME";
        QTest::newRow("other case is another name") << "acme" << "acme";
    }
    void textIsMatchedAndStoredLiterally()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        app->rows("insert into cmmi_org_docs (vx_coid, vx_doc_id, vx_doc_dtls) values ('ACME', 'D1', 'other')");
        const Fields identity = {{"vx_coid", typed}, {"vx_doc_id", "D1"}};
        QCOMPARE(records().save("cmmi_org_docs", identity, {{"vx_doc_dtls", typed}}),
                 stored == "ACME" ? Records::Saved::Updated : Records::Saved::Inserted);
        QCOMPARE(records().save("cmmi_org_docs", identity, {{"vx_doc_dtls", "second"}}), Records::Saved::Updated);
        QCOMPARE(app->value("select vx_doc_dtls from cmmi_org_docs where vx_coid=?", {stored}).toString(), QString("second"));
        QVERIFY(errors.isEmpty());
    }

    void emptyTextMatchesNullAndEmpty_data()
    {
        QTest::addColumn<QString>("storedSql");
        QTest::addColumn<QVariant>("lookedUp");
        QTest::newRow("null finds ''") << "''" << QVariant(QString());
        QTest::newRow("'' finds null") << "NULL" << QVariant(QString(""));
        QTest::newRow("null finds null") << "NULL" << QVariant();
    }
    void emptyTextMatchesNullAndEmpty()
    {
        QFETCH(QString, storedSql);
        QFETCH(QVariant, lookedUp);
        // An empty pick-only selector hands over a null text; older files hold NULL ids.
        app->rows("delete from cmmi_kpas");
        app->rows("insert into cmmi_kpas (vx_level, vx_kpa, vx_goal_id, vx_practice_id, vx_subpractice_id, vx_goal_desc) "
                  "values (2, 'PP', 'GG2', 'GP2.1', " + storedSql + ", 'old')");
        const Fields identity = {{"vx_level", 2}, {"vx_kpa", "PP"}, {"vx_goal_id", "GG2"}, {"vx_practice_id", "GP2.1"},
                                 {"vx_subpractice_id", lookedUp}};
        QVERIFY(records().first("cmmi_kpas", identity).found());
        for (int i = 0; i < 2; ++i)
            QCOMPARE(records().save("cmmi_kpas", identity, {{"vx_goal_desc", "new"}}), Records::Saved::Updated);
        QCOMPARE(app->rows("select vx_goal_desc from cmmi_kpas"), QList<QVariantList>({{"new"}}));
    }

    void saveChangesOnlyTheFirstOfDuplicates()
    {
        // Files written by older versions may hold the same identity twice.
        app->rows("delete from cmmi_ggs");
        app->rows("insert into cmmi_ggs values ('GG2', 'first', 'GP2.1', 'one'), ('GG2', 'second', 'GP2.1', 'two')");
        QCOMPARE(records().save("cmmi_ggs", {{"vx_goal_id", "GG2"}, {"vx_practice_id", "GP2.1"}},
                                {{"vx_goal_desc", "changed"}}),
                 Records::Saved::Updated);
        QCOMPARE(app->rows("select vx_goal_desc from cmmi_ggs order by rowid"), QList<QVariantList>({{"changed"}, {"second"}}));
        QCOMPARE(records().deleteFirst("cmmi_ggs", {{"vx_goal_id", "GG2"}}), Records::Removed::Deleted);
        QCOMPARE(records().deleteFirst("cmmi_ggs", {{"vx_goal_id", "GG9"}}), Records::Removed::NotFound);
        QCOMPARE(app->rows("select vx_goal_desc from cmmi_ggs"), QList<QVariantList>({{"second"}}));
    }

    void failedReadIsNotNoRows()
    {
        const Records rec = records();
        app->rows("alter table cmmi_ggs rename to gone");
        QVERIFY(!rec.distinct("cmmi_ggs", "vx_goal_id").has_value());
        QVERIFY(!rec.rows("cmmi_ggs").has_value());
        const Records::Lookup row = rec.first("cmmi_ggs", {{"vx_goal_id", "GG2"}});
        QVERIFY(row.failed() && !row.found());
        QCOMPARE(errors.size(), 3);
        QVERIFY(errors[0].contains("no such table"));
        app->rows("alter table gone rename to cmmi_ggs");
        QVERIFY(!records().first("cmmi_ggs", {{"vx_goal_id", "none"}}).failed());
    }

    void failedChangeWritesNothing_data()
    {
        QTest::addColumn<QString>("change");
        QTest::newRow("update") << "save";
        QTest::newRow("replace: delete kept when the insert fails") << "replace";
        QTest::newRow("outer transaction undoes inner saves") << "outer";
        QTest::newRow("unknown column refused") << "column";
    }
    void failedChangeWritesNothing()
    {
        QFETCH(QString, change);
        app->rows("insert into Tvxrk_companydetails values ('Old Co', 'Old Street')");
        app->rows("create trigger refuse before insert on Tvxrk_companydetails when new.fvx_rk_companyname = 'bad' "
                  "begin select raise(abort, 'refused'); end");
        const Records rec = records();
        const Fields bad = {{"fvx_rk_companyname", "bad"}, {"fvx_rk_address", "x"}};
        if (change == "save") {
            QCOMPARE(rec.save("Tvxrk_companydetails", bad, {}), Records::Saved::Failed);
        } else if (change == "replace") {
            QVERIFY(!rec.replaceFirst("Tvxrk_companydetails", {}, bad));
        } else if (change == "outer") {
            Records::Transaction tx(rec);
            QVERIFY(tx.started());
            QVERIFY(rec.replaceFirst("Tvxrk_companydetails", {}, {{"fvx_rk_companyname", "New Co"}}));
            QCOMPARE(rec.updateWhere("Tvxrk_companydetails", {{"fvx_rk_address", "New"}}, {}), 1);
            QVERIFY(!rec.insert("Tvxrk_companydetails", bad));
            // not committed: rolled back when it goes
        } else {
            // A name that would still be valid SQL if it were spliced in.
            QCOMPARE(rec.updateWhere("Tvxrk_companydetails", {{"fvx_rk_address='x', fvx_rk_companyname", "y"}}, {}), -1);
        }
        QCOMPARE(errors.size(), 1);
        QCOMPARE(app->rows("select * from Tvxrk_companydetails"), QList<QVariantList>({{"Old Co", "Old Street"}}));
        // Nothing was left open: the next change goes through.
        QVERIFY(rec.replaceFirst("Tvxrk_companydetails", {}, {{"fvx_rk_companyname", "Next"}}));
        QCOMPARE(app->value("select count(*) from Tvxrk_companydetails").toInt(), 1);
    }

private:
    Records records()
    {
        if (!db.isOpen())
            db.Conopen();
        return Records(db.con, [this](const QString &what, const QSqlError &e) { errors << what + " " + e.text(); });
    }

    cmmiClass db;
    QStringList errors;
};

QTEST_MAIN(tst_Records)
#include "tst_records.moc"
