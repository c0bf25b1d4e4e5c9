#include "TestApp.h"

#include "data/Records.h"
#include "shell/cmmiClass.h"

#include <QtTest>

// The shared data layer: natural order, the save rule, bound values, failures reported.
class tst_Records : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        QVERIFY(db.Conopen());
        errors.clear();
    }
    void cleanup()
    {
        db.Conclose();
        app.reset();
    }

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
    }
    void textIsMatchedAndStoredLiterally()
    {
        QFETCH(QString, typed);
        QFETCH(QString, stored);
        const Fields identity = {{"vx_coid", typed}, {"vx_doc_id", "D1"}};
        QCOMPARE(records().save("cmmi_org_docs", identity, {{"vx_doc_dtls", typed}}), Records::Saved::Inserted);
        QCOMPARE(records().save("cmmi_org_docs", identity, {{"vx_doc_dtls", "second"}}), Records::Saved::Updated);
        QCOMPARE(app->rows("select vx_coid, vx_doc_dtls from cmmi_org_docs"), QList<QVariantList>({{stored, "second"}}));
        QVERIFY(errors.isEmpty());
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
    }

    void failedSaveWritesNothingAndIsReported()
    {
        app->rows("create trigger refuse before update on cmmi_org_docs begin select raise(abort, 'refused'); end");
        const Fields identity = {{"vx_coid", "A"}, {"vx_doc_id", "D"}};
        QCOMPARE(records().save("cmmi_org_docs", identity, {{"vx_doc_dtls", "v1"}}), Records::Saved::Inserted);
        QCOMPARE(records().save("cmmi_org_docs", identity, {{"vx_doc_dtls", "v2"}}), Records::Saved::Failed);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().contains("refused"));
        QCOMPARE(app->value("select vx_doc_dtls from cmmi_org_docs").toString(), QString("v1"));
        // No transaction was left open: the next change goes through.
        QCOMPARE(records().insertUnlessFound("cmmi_org_docs", {{"vx_doc_id", "E"}}, {{"vx_doc_id", "E"}}),
                 Records::Added::Inserted);
        QCOMPARE(records().insertUnlessFound("cmmi_org_docs", {{"vx_doc_id", "E"}}, {{"vx_doc_id", "E"}}),
                 Records::Added::Existed);
        QCOMPARE(app->value("select count(*) from cmmi_org_docs").toInt(), 2);
    }

private:
    Records records()
    {
        return Records(db.con, [this](const QString &e) { errors << e; });
    }

    std::unique_ptr<TestApp> app;
    cmmiClass db;
    QStringList errors;
};

QTEST_MAIN(tst_Records)
#include "tst_records.moc"
