#include "FixtureTest.h"
#include "PdfFile.h"

#include "reports/ReportCommandLine.h"
#include "reports/ReportEngine.h"
#include "reports/ReportTypes.h"
#include "shell/AppPaths.h"

#include <QtTest>

#include <QTextStream>

// The six gap and fulfilment reports on a small model, made as the assessor hands them over:
// prepared, rendered and written to PDF by the command line, then read back as text.
class tst_GapReports : public FixtureTest
{
    Q_OBJECT

    bool wantsWindow() const override { return false; }

    void setUp() override
    {
        const QString org = organization();
        app->rows("insert into Tvxrk_companydetails values ('Veltrix Consulting', NULL)");
        // Two process areas, one practice each; three generic practices.
        const QString keep = "vx_kpa in ('Configuration Management (CM)', 'Project Planning (PP)') "
                             "and vx_goal_id = 'SG1' and vx_practice_id = 'SP1.1'";
        app->rows("delete from cmmi_kpas where not (" + keep + ")");
        app->rows("delete from cmmi_docs where not (" + keep + ")");
        app->rows("delete from cmmi_ggs where vx_practice_id not in ('GP1.1', 'GP2.1', 'GP2.2')");
        app->rows("insert into vx_gaps_sgs (vx_coid) values (?)", {org});
        for (const auto &[gaps, model, id, ref] : {std::tuple("vx_gaps_sgs", "cmmi_kpas", "vx_subpractice_id", "vx_qms_ref"),
                                                   std::tuple("vx_gaps_docs", "cmmi_docs", "vx_doc_id", "vx_doc_ref")}) {
            const QString copy = QString("insert into %1 (vx_coid, vx_level, vx_kpa, vx_goal_id, vx_practice_id, %2, %3, vx_how_met) "
                                         "select ?, vx_level, vx_kpa, vx_goal_id, vx_practice_id, %2, ?, ? from %4 where ")
                                     .arg(gaps, id, ref, model);
            // Everything in CM fully met; in PP one partly met, one fully met, the rest never answered.
            app->rows(copy + "vx_kpa like 'Configuration%'", {org, "CM book", "Fully Met"});
            app->rows(copy + "vx_kpa like 'Project%' and " + id + " like '%1.1.1'", {org, "Plan v2", "Partially Met"});
            app->rows(copy + "vx_kpa like 'Project%' and " + id + " like '%1.1.2'", {org, "Ref WBS 7", "Fully Met"});
            // Another organization's answers never show.
            app->rows(copy + "1", {"Other", "Not ours", "Fully Met"});
        }
        app->rows("insert into vx_gaps_ggs (vx_coid, vx_goal_id, vx_practice_id, vx_kpa, vx_qms_ref, vx_how_met) values "
                  "(?, 'GG2', 'GP2.1', 'Project Planning (PP)', 'Ref Policy 3', 'Fully Met'), "
                  "(?, 'GG2', 'GP2.1', 'Configuration Management (CM)', NULL, 'Partially Met'), "
                  "(?, 'GG2', 'GP2.2', '', 'Draft plan', 'Not Met At All'), "
                  "('Other', 'GG1', 'GP1.1', 'Project Planning (PP)', 'Not ours', 'Fully Met')",
                  {org, org, org});
    }

private slots:
    void renderedText_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        const QString cm = "Configuration Management (CM)";
        const QString pp = "Project Planning (PP)";
        QTest::newRow("Practice Fulfillment")
            << "Practice Fulfillment"
            << QStringList{cm, pp, "6 (100.0%)", "1 (25.0%)", "2 (50.0%)", "All process areas of level 2", "7 (70.0%)",
                           "2 (20.0%)", "All maturity levels", "SP1.1.1", "Plan v2", "Ref WBS 7", "no evidence recorded"}
            << QStringList{"Not ours"};
        QTest::newRow("Practice Gaps")
            << "Practice Gaps"
            << QStringList{"No gaps: every line of this process area is fully met.", "Gaps in " + cm + ": 0",
                           "Gaps in " + pp + ": 3 (Partially Met 1, Not Met At All 2)", "Plan v2", "no evidence recorded",
                           "Gaps in all process areas: 3"}
            << QStringList{"Ref WBS 7", "CM book", "SP1.1.2", "Establish Baselines", "Not ours"};
        QTest::newRow("Work Product Fulfillment")
            << "Work Product Fulfillment"
            << QStringList{"2 (100.0%)", "1 (33.3%)", "3 (60.0%)", "1 (20.0%)",
                           "WP1.1.3", "Plan v2", "Ref WBS 7", "CM book"}
            << QStringList{"Not ours"};
        QTest::newRow("Work Product Gaps")
            << "Work Product Gaps"
            << QStringList{"No gaps: every line of this process area is fully met.",
                           "Gaps in " + pp + ": 2 (Partially Met 1, Not Met At All 1)", "WP1.1.3", "Plan v2"}
            << QStringList{"Ref WBS 7", "CM book", "Not ours"};
        QTest::newRow("Generic Goals Fulfillment")
            << "Generic Goals Fulfillment"
            << QStringList{"GP1.1", "Never answered for this organization in any process area.", "Ref Policy 3",
                           "not assessed in any process area", "Draft plan",
                           "GG2: Fully Met 1 (33.3%), Partially Met 1 (33.3%), Not Met At All 1 (33.3%)"}
            << QStringList{"Not ours"};
        QTest::newRow("Generic Goals Gaps")
            << "Generic Goals Gaps"
            << QStringList{"Gaps in GG1: 1 (Partially Met 0, Not Met At All 1)",
                           "Gaps in GG2: 2 (Partially Met 1, Not Met At All 1)", "not assessed in any process area",
                           "Draft plan", "no evidence recorded"}
            << QStringList{"Ref Policy 3", "Never answered", "Not ours"};
    }
    void renderedText()
    {
        QFETCH(QString, type);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        const QList<QVariantList> ggsBefore = app->rows("select rowid, * from vx_gaps_ggs order by rowid");
        QDir::setCurrent(app->dir());
        QString errors;
        QTextStream stream(&errors);
        QCOMPARE(ReportCommandLine::run({"veltrix", "--report", type, "--organization", organization(), "--pdf", "out.pdf"}, stream),
                 0);
        QVERIFY2(errors.isEmpty(), qPrintable(errors));
        const QString pdf = QDir(app->dir()).filePath("out.pdf");
        // The PDF's typeface joins f and i into one glyph.
        const QString text = PdfFile::text(pdf).replace(QChar(0xFB01), "fi");
        present << "Veltrix Consulting" << "Organization: " + organization() << type;
        for (const QString &words : present)
            QVERIFY2(text.contains(words), qPrintable(words + "\n---\n" + text));
        for (const QString &words : absent)
            QVERIFY2(!text.contains(words), qPrintable(words + "\n---\n" + text));

        // As many pages as the viewer shows, each numbered of the whole.
        const ReportTypes::Type *t = ReportTypes::find(type);
        QString error;
        const std::unique_ptr<Report> report = ReportEngine::generate(
            {AppPaths::filePath(t->fileName), app->databasePath(), {"Veltrix Consulting", organization()}}, &error);
        QVERIFY2(report, qPrintable(error));
        const int pages = report->pages(report->defaultPageLayout())->count();
        QCOMPARE(PdfFile::pages(pdf), pages);
        QVERIFY(text.contains(QString("Page %1 of %1").arg(pages)));
        // The summary page's bars are drawn, not pictures: one green part per line with
        // something fully met (CM, PP, level 2, all levels) and one in the legend.
        if (type.startsWith("Practice Fulfillment") || type.startsWith("Work Product Fulfillment")) {
            const ReportPages::Page &first = report->pages(report->defaultPageLayout())->pages[0];
            const qsizetype green = std::count_if(first.cbegin(), first.cend(), [](const ReportPages::Item &item) {
                return item.kind == ReportPages::Item::Kind::Box && item.color == QColor("#2e7d32");
            });
            QCOMPARE(green, 5);
        }
        // The fulfilment of generic goals only reads.
        if (type == "Generic Goals Fulfillment")
            QCOMPARE(app->rows("select rowid, * from vx_gaps_ggs order by rowid"), ggsBefore);
    }

private:
    static QString organization() { return QStringLiteral("O'Brien & Søn"); }
};

QTEST_MAIN(tst_GapReports)
#include "tst_gapreports.moc"
