#include "TestApp.h"

#include "data/NaturalOrder.h"
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

    void naturalOrder_data()
    {
        QTest::addColumn<QString>("a");
        QTest::addColumn<QString>("b");
        QTest::addColumn<int>("sign");
        QTest::newRow("numbers") << "2" << "10" << -1;
        QTest::newRow("generic practices") << "GP2.2" << "GP2.10" << -1;
        QTest::newRow("subpractices") << "SP1.1.9" << "SP1.1.10" << -1;
        QTest::newRow("practice before its subpractice") << "SP1.1" << "SP1.1.1" << -1;
        QTest::newRow("generic goal before specific") << "GG2" << "SG1" << -1;
        QTest::newRow("blank cell first") << " " << "1" << -1;
        QTest::newRow("letters") << "Project Planning (PP)" << "Configuration Management (CM)" << 1;
        QTest::newRow("same") << "SG1" << "SG1" << 0;
        QTest::newRow("case still decides") << "sg1" << "SG1" << 1;
    }
    void naturalOrder()
    {
        QFETCH(QString, a);
        QFETCH(QString, b);
        QFETCH(int, sign);
        const int result = NaturalOrder::compare(a, b);
        QCOMPARE((result > 0) - (result < 0), sign);
        const int reverse = NaturalOrder::compare(b, a);
        QCOMPARE((reverse > 0) - (reverse < 0), -sign);
    }

    void distinctListsInNaturalOrderWithoutNulls()
    {
        app->exec("delete from cmmi_ggs");
        for (const char *gp : {"GP2.10", "GP2.2", "GP2.1", "GP2.2"})
            app->exec("insert into cmmi_ggs (vx_goal_id, vx_practice_id) values ('GG2', ?)", {QString::fromLatin1(gp)});
        app->exec("insert into cmmi_ggs (vx_goal_id, vx_practice_id) values ('GG2', NULL)");
        app->exec("insert into cmmi_ggs (vx_goal_id, vx_practice_id) values ('GG3', 'GP3.1')");
        const Records rec = records();
        QCOMPARE(rec.distinct("cmmi_ggs", "vx_practice_id", {{"vx_goal_id", "GG2"}}),
                 QStringList({"GP2.1", "GP2.2", "GP2.10"}));
        QCOMPARE(rec.distinct("cmmi_ggs", "vx_goal_id"), QStringList({"GG2", "GG3"}));
        QVERIFY(errors.isEmpty());
    }

    void textComesBackByteForByte_data()
    {
        QTest::addColumn<QString>("text");
        QTest::newRow("apostrophe") << "O'Brien & Sons";
        QTest::newRow("quotes") << "say \"hello\" 'twice'";
        QTest::newRow("sql fragment") << "x'); drop table vx_gaps_sgs; --";
        QTest::newRow("percent and underscore") << "100%_done";
        QTest::newRow("non-latin") << QString::fromUtf8("Организация 組織 مؤسسة");
        QTest::newRow("long") << QString(255, QChar(u'w'));
        QTest::newRow("blanks kept") << "  padded  ";
    }
    void textComesBackByteForByte()
    {
        QFETCH(QString, text);
        const Records rec = records();
        const Fields identity = {{"vx_coid", text}, {"vx_doc_id", text}};
        QCOMPARE(rec.save("cmmi_org_docs", identity, {{"vx_doc_dtls", text}}), Records::Saved::Inserted);
        QCOMPARE(rec.save("cmmi_org_docs", identity, {{"vx_doc_dtls", text + "!"}}), Records::Saved::Updated);
        const auto row = rec.first("cmmi_org_docs", identity);
        QVERIFY(row.has_value());
        QCOMPARE(row->value("vx_coid").toString(), text);
        QCOMPARE(row->value("vx_doc_dtls").toString(), text + "!");
        QCOMPARE(app->value("select count(*) from cmmi_org_docs").toInt(), 1);
        QCOMPARE(rec.distinct("cmmi_org_docs", "vx_doc_id", {{"vx_coid", text}}), QStringList{text});
        QVERIFY(errors.isEmpty());
    }

    void nulCharacterIsStripped()
    {
        const Records rec = records();
        const QString withNul = QStringLiteral("AC") + QChar(u'\0') + QStringLiteral("ME");
        QCOMPARE(rec.save("cmmi_org_docs", {{"vx_coid", withNul}}, {{"vx_doc_dtls", withNul}}), Records::Saved::Inserted);
        QCOMPARE(app->value("select vx_coid || '/' || vx_doc_dtls from cmmi_org_docs").toString(), QString("ACME/ACME"));
    }

    void saveChangesOnlyTheFirstOfDuplicates()
    {
        // Files written by older versions may hold the same identity twice.
        app->exec("delete from cmmi_ggs");
        app->exec("insert into cmmi_ggs values ('GG2', 'first', 'GP2.1', 'one')");
        app->exec("insert into cmmi_ggs values ('GG2', 'second', 'GP2.1', 'two')");
        const Records rec = records();
        QCOMPARE(rec.save("cmmi_ggs", {{"vx_goal_id", "GG2"}, {"vx_practice_id", "GP2.1"}},
                          {{"vx_goal_desc", "changed"}, {"vx_practice_desc", "changed too"}}),
                 Records::Saved::Updated);
        const QList<QVariantList> rows = app->rows("select vx_goal_desc, vx_practice_desc from cmmi_ggs order by rowid");
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows[0], QVariantList({"changed", "changed too"}));
        QCOMPARE(rows[1], QVariantList({"second", "two"}));
    }

    void levelMatchesAsNumber()
    {
        const Records rec = records();
        const Fields identity = {{"vx_coid", "ACME"}, {"vx_level", "2"}, {"vx_kpa", "K"}, {"vx_goal_id", "SG1"},
                                 {"vx_practice_id", "SP1.1"}, {"vx_subpractice_id", "SP1.1.1"}};
        QCOMPARE(rec.save("vx_gaps_sgs", identity, {{"vx_how_met", "Fully Met"}}), Records::Saved::Inserted);
        Fields numeric = identity;
        numeric[1].second = 2;
        QCOMPARE(rec.save("vx_gaps_sgs", numeric, {{"vx_how_met", "Partially Met"}}), Records::Saved::Updated);
        QCOMPARE(app->value("select typeof(vx_level) from vx_gaps_sgs").toString(), QString("integer"));
    }

    void failedSaveWritesNothingAndIsReported()
    {
        app->exec("create trigger refuse before update on cmmi_org_docs begin select raise(abort, 'refused'); end");
        const Records rec = records();
        QCOMPARE(rec.save("cmmi_org_docs", {{"vx_coid", "A"}, {"vx_doc_id", "D"}}, {{"vx_doc_dtls", "v1"}}),
                 Records::Saved::Inserted);
        QCOMPARE(rec.save("cmmi_org_docs", {{"vx_coid", "A"}, {"vx_doc_id", "D"}}, {{"vx_doc_dtls", "v2"}}),
                 Records::Saved::Failed);
        QCOMPARE(errors.size(), 1);
        QVERIFY(errors.first().contains("refused"));
        QCOMPARE(app->value("select vx_doc_dtls from cmmi_org_docs").toString(), QString("v1"));
        // The connection is usable again: no transaction was left open.
        QCOMPARE(rec.insertUnlessFound("cmmi_org_docs", {{"vx_doc_id", "E"}}, {{"vx_doc_id", "E"}}),
                 Records::Added::Inserted);
        QCOMPARE(rec.insertUnlessFound("cmmi_org_docs", {{"vx_doc_id", "E"}}, {{"vx_doc_id", "E"}}),
                 Records::Added::Existed);
        QCOMPARE(app->value("select count(*) from cmmi_org_docs").toInt(), 2);
    }

    void readFailureIsReported()
    {
        const Records rec = records();
        QVERIFY(rec.distinct("cmmi_ggs", "no_such_column").isEmpty());
        QCOMPARE(errors.size(), 1);
        QVERIFY(!rec.lastError().isEmpty());
    }

    void executeRunsInOneTransaction()
    {
        const Records rec = records();
        QVERIFY(rec.execute("update cmmi_kpas set vx_how_met=?, vx_qms_ref=NULL", {"Not Met At All"}));
        QCOMPARE(app->value("select count(*) from cmmi_kpas where vx_how_met='Not Met At All'").toInt(),
                 app->value("select count(*) from cmmi_kpas").toInt());
        QVERIFY(!rec.execute("update no_such_table set x=1"));
        QCOMPARE(errors.size(), 1);
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
