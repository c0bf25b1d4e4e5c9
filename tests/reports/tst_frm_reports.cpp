#include "FixtureTest.h"
#include "PdfFile.h"

#include "reports/Frm_Reports.h"
#include "reports/Report.h"
#include "reports/ReportViewer.h"
#include "shell/AppPaths.h"
#include "shell/ChosenOrganization.h"
#include "shell/mdi_main.h"
#include "widgets/FileDialogs.h"

#include <QtTest>

#include <QAction>
#include <QComboBox>
#include <QGroupBox>
#include <QPrintPreviewWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QSqlDatabase>

// The report screen driven through the main window's Reports command, as a user would.
class tst_Frm_Reports : public FixtureTest
{
    Q_OBJECT

private slots:
    void generateByTypeThenExit_data()
    {
        QTest::addColumn<QString>("type");
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("parameters");
        QTest::addColumn<bool>("connectionOpen");
        const QStringList both{"Veltrix Consulting", "ACME"};
        QTest::newRow("Generic Goals Fulfillment") << "Generic Goals Fulfillment" << "rpt_gg_fulfilment.rpt" << both << false;
        QTest::newRow("Generic Goals Gaps") << "Generic Goals Gaps" << "rpt_gg_gaps.rpt" << both << false;
        QTest::newRow("List of All KPAs") << "List of All KPAs" << "rpt_kpas.rpt" << QStringList{"Veltrix Consulting"} << true;
        QTest::newRow("Organizational Process Assets") << "Organizational Process Assets" << "rpt_org_docs.rpt" << both << true;
        QTest::newRow("Practice Fulfillment") << "Practice Fulfillment" << "rpt_kpa_fulfilment.rpt" << both << false;
        QTest::newRow("Practice Gaps") << "Practice Gaps" << "rpt_kpa_gaps.rpt" << both << false;
        QTest::newRow("Work Product Fulfillment") << "Work Product Fulfillment" << "rpt_doc_fulfilment.rpt" << both << false;
        QTest::newRow("Work Product Gaps") << "Work Product Gaps" << "rpt_doc_gaps.rpt" << both << false;
    }
    void generateByTypeThenExit()
    {
        QFETCH(QString, type);
        QFETCH(QString, file);
        QFETCH(QStringList, parameters);
        QFETCH(bool, connectionOpen);
        app->rows("insert into Tvxrk_companydetails values ('Veltrix Consulting', 'Main Street 1')");
        // An earlier practice report of another organization left its answers in the model.
        app->rows("update cmmi_kpas set vx_how_met = 'Fully Met', vx_qms_ref = 'Other''s manual'");
        Frm_Reports *f = open();
        QCOMPARE(f->TypeofReport->currentText(), QString("Generic Goals Fulfillment"));
        generate(f, type);
        QVERIFY2(app->messages.shown.isEmpty(), qPrintable(app->messages.texts().join('\n')));
        QVERIFY(f->isViewing());
        QVERIFY(f->RptView->isVisible());
        QVERIFY(f->Cmdrepexit->isVisible());
        QVERIFY(!f->Picture5->isVisible());
        const ReportRequest expected{QDir(app->dir()).filePath(file), app->databasePath(), parameters};
        QCOMPARE(f->report()->request(), expected);
        QVERIFY(f->RptView->pageCount() >= 1);
        QCOMPARE(f->RptView->currentPage(), 1);
        // The engine's own connection is closed before the pages show; the screen's own is
        // closed for the six reports that read prepared tables, left alone for the other two.
        for (const QString &name : QSqlDatabase::connectionNames())
            QVERIFY2(!name.startsWith("read-only"), qPrintable(name));
        QCOMPARE(f->connection().isOpen(), connectionOpen);
        // Only the practice reports rewrite the practice model's working columns.
        const bool practices = file.startsWith("rpt_kpa_");
        QCOMPARE(app->value("select count(*) from cmmi_kpas where vx_qms_ref is null").toInt() > 0, practices);
        QCOMPARE(app->value("select count(*) from vx_gaps_ggs").toInt() > 0, type == "Generic Goals Gaps");
        QTest::mouseClick(f->Cmdrepexit, Qt::LeftButton);
        QVERIFY(!f->isViewing() && !f->report() && f->Frame5->isVisible() && !f->Cmdrepexit->isVisible());
        QCOMPARE(f->TypeofReport->currentText(), QString("Generic Goals Fulfillment"));
        QCOMPARE(f->connection().isOpen(), connectionOpen);
        // A practice report next opens the connection again for its preparation.
        generate(f, "Practice Gaps");
        QVERIFY(f->isViewing() && !f->connection().isOpen());
        // A report without preparation next works without it and leaves it closed.
        QTest::mouseClick(f->Cmdrepexit, Qt::LeftButton);
        generate(f, "List of All KPAs");
        QVERIFY(f->isViewing() && !f->connection().isOpen());
        QVERIFY(app->messages.shown.isEmpty());
    }

    // A step that fails tells the user, writes nothing and returns to the selection.
    void failedPreparationReturnsToSelection()
    {
        app->rows("update cmmi_kpas set vx_how_met = 'Partially Met', vx_qms_ref = 'earlier report'");
        app->rows("create trigger refuse before update on cmmi_kpas begin select raise(abort, 'refused'); end");
        const QList<QVariantList> before = app->rows("select vx_how_met, vx_qms_ref from cmmi_kpas");
        Frm_Reports *f = open();
        generate(f, "Practice Fulfillment");
        QCOMPARE(app->messages.shown.size(), 1);
        QVERIFY2(app->messages.shown[0].text.contains("nothing was changed"), qPrintable(app->messages.shown[0].text));
        QVERIFY(!f->isViewing() && !f->report() && f->Frame5->isVisible());
        QCOMPARE(app->rows("select vx_how_met, vx_qms_ref from cmmi_kpas"), before);
    }

    void noOrganizationAtGenerateWritesNothing()
    {
        Frm_Reports *f = open();
        const QList<QVariantList> before = app->rows("select vx_how_met, vx_qms_ref from cmmi_kpas");
        ChosenOrganization::setSelectedCoid(QString());
        for (const QString &type : {"Practice Gaps", "Organizational Process Assets"}) {
            generate(f, type);
            QCOMPARE(app->messages.texts().last(), QString("Select an organization for Reports"));
            QVERIFY(!f->isViewing());
        }
        QCOMPARE(app->messages.shown.size(), 2);
        QCOMPARE(app->rows("select vx_how_met, vx_qms_ref from cmmi_kpas"), before);
        QCOMPARE(app->value("select count(*) from vx_gaps_ggs").toInt(), 0);
        QVERIFY(f->connection().isOpen());
    }

    void faultyReportFileReturnsToSelection_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QString>("expected");
        QTest::newRow("missing") << QByteArray() << "is missing.";
        QTest::newRow("not valid") << QByteArray("{\n\"format\": \"veltrix-report\",\n}") << "at line 3";
    }
    void faultyReportFileReturnsToSelection()
    {
        QFETCH(QByteArray, content);
        QFETCH(QString, expected);
        const QString path = QDir(app->dir()).filePath("rpt_org_docs.rpt");
        QFile::remove(path);
        if (!content.isNull()) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(content);
        }
        Frm_Reports *f = open();
        generate(f, "Organizational Process Assets");
        QCOMPARE(app->messages.shown.size(), 1);
        const QString message = app->messages.shown[0].text;
        QVERIFY2(message.contains(QDir::toNativeSeparators(path)) && message.contains(expected), qPrintable(message));
        QVERIFY(!f->isViewing() && f->Frame5->isVisible() && !f->report());
        // The next report works as before.
        generate(f, "List of All KPAs");
        QVERIFY(f->isViewing());
    }

    // Company and organization names as typed, in the pages and in the exported file.
    void exportedPdfHasThePagesAndNames()
    {
        const QString company = QStringLiteral("Zoë's Ölçüm Ltd");
        const QString organization = QStringLiteral("O'Brien & Søn Дельта");
        app->rows("insert into Tvxrk_companydetails values (?, NULL)", {company});
        app->rows("insert into Tvxrk_companydetails values ('Second row', NULL)");
        app->rows("insert into vx_gaps_sgs (vx_coid) values (?)", {organization});
        app->rows("insert into cmmi_org_docs values (?, 'Peer review checklist', 'Checklist', 'Used at every review')", {organization});
        // A type from older data is listed after the eight, not left out.
        app->rows("insert into cmmi_org_docs values (?, 'Old map', 'Diagram', 'From an earlier tool')", {organization});
        Frm_Reports *f = open(organization);
        QCOMPARE(f->companyName(), company);
        generate(f, "Organizational Process Assets");
        QVERIFY(f->isViewing());

        FileDialogs::Recorder dialogs;
        const QString path = QDir(app->dir()).filePath("assets.pdf");
        dialogs.answers << path;
        QVERIFY(triggerAction(f->RptView, "actExportPdf"));
        QCOMPARE(dialogs.asked.size(), 1);
        QVERIFY(dialogs.asked[0].suggested.endsWith("Organizational Process Assets - O'Brien & Søn Дельта.pdf"));
        QVERIFY(app->messages.shown.isEmpty());
        QCOMPARE(PdfFile::pages(path), f->RptView->pageCount());
        const QString text = PdfFile::text(path);
        for (const QString &words : {company, "Organization: " + organization, QStringLiteral("Organizational Process Assets"),
                                     QStringLiteral("Peer review checklist"), QStringLiteral("none recorded"),
                                     QStringLiteral("Standard/Guideline: 0\n\nDiagram\n"), QStringLiteral("Page 1 of 1")})
            QVERIFY2(text.contains(words), qPrintable(words + "\n---\n" + text));

        // Cancelled: nothing asked is written.
        QFile::remove(path);
        QVERIFY(triggerAction(f->RptView, "actExportPdf"));
        QVERIFY(!QFile::exists(path));
        // An unwritable place: a message, and the viewer stays.
        dialogs.answers << QDir(app->dir()).filePath("no such folder/assets.pdf");
        QVERIFY(triggerAction(f->RptView, "actExportPdf"));
        QCOMPARE(app->messages.shown.size(), 1);
        QVERIFY(app->messages.shown[0].text.contains("cannot be written"));
        QVERIFY(f->isViewing());
    }

    void viewerNavigatesAndZooms()
    {
        Frm_Reports *f = open();
        // Enter in the list generates.
        pick(f->TypeofReport, "List of All KPAs");
        QTest::keyClick(f->TypeofReport, Qt::Key_Return);
        QVERIFY(f->isViewing());
        ReportViewer *v = f->RptView;
        QVERIFY(v->pageCount() > 10);
        QVERIFY(triggerAction(v, "actLastPage"));
        QCOMPARE(v->currentPage(), v->pageCount());
        QVERIFY(!v->actNextPage->isEnabled());
        QVERIFY(triggerAction(v, "actPreviousPage"));
        QCOMPARE(v->currentPage(), v->pageCount() - 1);
        v->pageNumber->setValue(3);
        QCOMPARE(v->currentPage(), 3);
        const double fitted = v->zoomFactor();
        QVERIFY(triggerAction(v, "actZoomIn"));
        QVERIFY(v->zoomFactor() > fitted);
        QVERIFY(triggerAction(v, "actFitWidth"));
        QVERIFY(qAbs(v->zoomFactor() - fitted) < 0.01);
        // Esc leaves the viewer, and the keyboard is back in the list.
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
        QTest::keyClick(v->preview(), Qt::Key_Escape);
        QVERIFY(!f->isViewing());
        QVERIFY(f->TypeofReport->hasFocus());
    }

private:
    Frm_Reports *open(const QString &organization = "ACME")
    {
        app->rows("insert into vx_gaps_sgs (vx_coid, vx_goal_id) values (?, 'SG1')", {organization});
        ChosenOrganization::setSelectedCoid(organization);
        return FixtureTest::open<Frm_Reports>("mnuReports");
    }
    static void generate(Frm_Reports *f, const QString &type)
    {
        pick(f->TypeofReport, type);
        QTest::mouseClick(f->Command4, Qt::LeftButton);
    }
};

QTEST_MAIN(tst_Frm_Reports)
#include "tst_frm_reports.moc"
