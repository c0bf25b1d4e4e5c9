#include "FixtureTest.h"

#include "reports/ReportEngine.h"

#include <QtTest>

#include <QDir>
#include <QSqlDatabase>

// The report file format and the engine that reads the database and lays the pages out.
class tst_ReportEngine : public FixtureTest
{
    Q_OBJECT

    bool wantsWindow() const override { return false; }

private slots:
    void deliveredReportFilesAreValid()
    {
        const QDir dir(QStringLiteral(VELTRIX_SOURCE_DIR "/src/reports/rpt"));
        const QStringList files = dir.entryList({"*.rpt"}, QDir::Files);
        QCOMPARE(files.size(), 8);
        for (const QString &name : files) {
            QString error;
            QVERIFY2(ReportDefinition::load(dir.filePath(name), &error), qPrintable(error));
        }
    }

    void invalidFileIsRefusedNamingIt_data()
    {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<QString>("expected");
        const QByteArray head = R"({"format": "veltrix-report", "version": 1, "title": "T", "parameters": ["company"], )";
        QTest::newRow("missing") << QByteArray() << "is missing";
        QTest::newRow("another program's binary report")
            << QByteArray("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1\0\0\0\0", 12) << "binary file";
        QTest::newRow("syntax error") << QByteArray("{\n  \"format\": \"veltrix-report\",\n  \"title\": \"T\"\n  \"query\": \"x\"\n}")
                                      << "at line 4";
        QTest::newRow("some other JSON") << QByteArray(R"({"title": "T", "query": "select 1"})")
                                         << "is not a report definition of this program";
        QTest::newRow("newer format") << QByteArray(R"({"format": "veltrix-report", "version": 2})") << "newer version";
        QTest::newRow("no query") << head + R"("groups": []})" << "\"query\" is missing";
        QTest::newRow("misspelt entry") << head + R"("query": "select 1", "groups": [{"field": "a", "heder": "x"}]})"
                                        << "groups[0]: unknown entry \"heder\"";
        QTest::newRow("six group levels")
            << head + R"("query": "select 1", "groups": [{"field":"a"},{"field":"b"},{"field":"c"},{"field":"d"},{"field":"e"},{"field":"f"}]})"
            << "at most 5 group levels";
        QTest::newRow("unknown summary function")
            << head + R"("query": "select 1", "footer": {"summaries": [{"name": "n", "function": "average"}]}})"
            << "count, countValue or percentage";
        QTest::newRow("chart of an unknown summary")
            << head + R"("query": "select 1", "footer": {"chart": {"bars": [{"summary": "n"}]}}})" << "there is no summary \"n\"";
        QTest::newRow("column the query lacks") << head + R"("query": "select 1 as a", "groups": [{"field": "b"}]})"
                                                << "returns no column \"b\"";
        QTest::newRow("text naming nothing") << head + R"("query": "select 1 as a", "groups": [{"field": "a", "header": "{nothing}"}]})"
                                             << "\"{nothing}\"";
        QTest::newRow("more values than it takes")
            << QByteArray(R"({"format": "veltrix-report", "version": 1, "title": "T", "query": "select 1 as a"})") << "takes 0 value(s)";
        QTest::newRow("a statement that writes") << head + R"("query": "delete from cmmi_kpas"})"
                                                 << "readonly database";
    }
    void invalidFileIsRefusedNamingIt()
    {
        QFETCH(QByteArray, text);
        QFETCH(QString, expected);
        const QString path = app->dir() + "/rpt_test.rpt";
        if (!text.isNull())
            write(path, text);
        const int modelRows = app->value("select count(*) from cmmi_kpas").toInt();
        QString error;
        QVERIFY(!ReportEngine::generate({path, app->databasePath(), {"ACME"}}, &error));
        QVERIFY2(error.contains(QDir::toNativeSeparators(path)) && error.contains(expected), qPrintable(error));
        QCOMPARE(app->value("select count(*) from cmmi_kpas").toInt(), modelRows);
    }

    // Counts, percentages, empty groups, natural order, values bound by name, the page header.
    void groupsSummariesAndHeader()
    {
        write(app->dir() + "/rpt_test.rpt", R"json({
            "format": "veltrix-report", "version": 1, "title": "Test Report",
            "parameters": ["company", "organization"],
            "query": ["with t(area, id, how) as (values ('A', 'GP2.10', 'Fully Met'), ('A', 'GP2.2', 'Not Met At All'),",
                      "  ('A', 'GP2.9', 'Fully Met'), ('B', NULL, NULL), (:organization, 'X1', 'Partially Met'))",
                      "select area, id, how from t order by area, id collate natural_order"],
            "groups": [{"field": "area", "header": "Area {area}: {n} lines, {full} fully met ({share})", "emptyText": "none here",
                        "footer": {"summaries": [{"name": "n", "function": "count"},
                                                 {"name": "full", "function": "countValue", "field": "how", "value": "Fully Met"},
                                                 {"name": "share", "function": "percentage", "field": "how", "value": "Fully Met"}],
                                   "chart": {"bars": [{"label": "Fully", "summary": "share"}]}}}],
            "detailsWhen": "id",
            "columns": [{"field": "id", "title": "Id"}, {"field": "how", "title": "How met"}],
            "footer": {"lines": ["{n} lines for {organization}"], "summaries": [{"name": "n", "function": "count"}]}
        })json");
        const QString organization = QStringLiteral("O'Brien & Søn Дельта");
        QString error;
        const std::unique_ptr<Report> report =
            ReportEngine::generate({app->dir() + "/rpt_test.rpt", app->databasePath(), {"Zoë's Consulting", organization}}, &error);
        QVERIFY2(report, qPrintable(error));
        const ReportPages *pages = report->pages(report->defaultPageLayout());
        QCOMPARE(pages->count(), 1);
        const QString text = pages->text(0);
        for (const QString &expected : {QStringLiteral("Zoë's Consulting"), QStringLiteral("Test Report"),
                                        "Organization: " + organization, QStringLiteral("Area A: 3 lines, 2 fully met (66.7%)"),
                                        QStringLiteral("GP2.2\nNot Met At All\nGP2.9\nFully Met\nGP2.10"),
                                        QStringLiteral("Area B: 0 lines, 0 fully met (0.0%)\nnone here"),
                                        "Area " + organization + ": 1 lines", "4 lines for " + organization,
                                        QStringLiteral("Page 1 of 1")})
            QVERIFY2(text.contains(expected), qPrintable(expected + "\n---\n" + text));
        // The engine's own connection is gone before the report is shown.
        for (const QString &name : QSqlDatabase::connectionNames())
            QVERIFY2(!name.startsWith("read-only"), qPrintable(name));
    }

    void longReportBreaksIntoNumberedPages()
    {
        QString error;
        const std::unique_ptr<Report> report =
            ReportEngine::generate({app->dir() + "/rpt_kpas.rpt", app->databasePath(), {"ACME"}}, &error);
        QVERIFY2(report, qPrintable(error));
        const ReportPages *pages = report->pages(report->defaultPageLayout());
        QVERIFY(pages->count() > 10);
        for (int i = 0; i < pages->count(); ++i) {
            const QString text = pages->text(i);
            QVERIFY(text.startsWith("ACME\n"));
            QVERIFY(text.contains("List of All KPAs"));
            QVERIFY(text.endsWith(QStringLiteral("Page %1 of %2").arg(i + 1).arg(pages->count())));
            QVERIFY(!text.section('\n', 3, 3).startsWith("Organization: "));
            // Nothing is drawn below the page's foot.
            const QRectF area = report->defaultPageLayout().paintRect(QPageLayout::Point);
            for (const ReportPages::Item &item : pages->pages[i])
                QVERIFY(item.rect.bottom() <= area.height() * ReportPages::unitsPerPoint + 1);
        }
        // A page that starts inside a process area says where it goes on.
        QVERIFY(pages->text(1).contains("Level 2 \u203a Configuration Management (CM)"));
        QVERIFY(pages->text(1).contains("(continued)"));
    }

private:
    static void write(const QString &path, const QByteArray &text)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
};

QTEST_MAIN(tst_ReportEngine)
#include "tst_reportengine.moc"
