#include "FixtureTest.h"

#include "masters/frm_org_docs.h"
#include "shell/ChosenOrganization.h"
#include "widgets/DataGrid.h"
#include "widgets/LimitedTextEdit.h"

#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

// The organizations' process assets: saved and deleted for the chosen organization only, the
// grid listing every organization's, a line loaded by a double click.
class tst_Frm_org_docs : public FixtureTest
{
    Q_OBJECT

    frm_org_docs *openWithAssets()
    {
        // The same name under two organizations; the grid lists types in order.
        app->rows("insert into cmmi_org_docs values ('ACME', 'Plan', 'Procedure', 'How we plan'), "
                  "('Other', 'Plan', 'Checklist', 'Their plan')");
        ChosenOrganization::setSelectedCoid("ACME");
        return open<frm_org_docs>("mnu_proc_docs");
    }
    void doubleClick(frm_org_docs *f, int line)
    {
        const QRect cell = f->LV_cmmi->visualRect(f->LV_cmmi->model()->index(line, 1));
        // As the windowing system delivers it: a click, then the double click.
        QTest::mouseClick(f->LV_cmmi->viewport(), Qt::LeftButton, {}, cell.center());
        QTest::mouseDClick(f->LV_cmmi->viewport(), Qt::LeftButton, {}, cell.center());
    }
    // Loads the line by a double click, deletes it and answers the question.
    void deleteLine(frm_org_docs *f, int line, bool yes)
    {
        app->messages.clear();
        doubleClick(f, line);
        app->messages.answers = {yes};
        QTest::mouseClick(f->cmd_delete, Qt::LeftButton);
    }
    QList<QVariantList> assets() { return app->rows("select vx_coid, vx_doc_id, vx_doc_type, vx_doc_dtls from cmmi_org_docs order by rowid"); }

    void tearDown() override { ChosenOrganization::setSelectedCoid(QString()); }

private slots:
    void saveWritesForTheChosenOrganization_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("details");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("blank name") << "  " << "d" << "Asset Name is blank" << "txt_doc_name";
        QTest::newRow("blank description") << "Plan" << " " << "Asset Description is blank" << "txt_doc_dtls";
        QTest::newRow("a name only another organization has") << "Plan" << QString::fromUtf8("It's \"Ü\" 組織") << "" << "";
    }
    void saveWritesForTheChosenOrganization()
    {
        QFETCH(QString, name);
        QFETCH(QString, details);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        frm_org_docs *f = openWithAssets();
        app->rows("delete from cmmi_org_docs where vx_coid = 'ACME'");
        doubleClick(f, 0);
        f->txt_doc_name->setText(name);
        f->txt_doc_dtls->setPlainText(details);
        f->cmb_doc_type->setCurrentIndex(f->cmb_doc_type->findText("Log"));
        QTest::mouseClick(f->cmd_save, Qt::LeftButton);
        QVERIFY(!f->cmd_delete->isEnabled());
        QCOMPARE(app->messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        if (!message.isEmpty()) {
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
            QCOMPARE(assets().size(), 1);
            return;
        }
        // Saved again: the chosen organization's row changes.
        f->txt_doc_dtls->setPlainText(details + "!");
        QTest::mouseClick(f->cmd_save, Qt::LeftButton);
        QCOMPARE(assets(), (QList<QVariantList>{{"Other", "Plan", "Checklist", "Their plan"}, {"ACME", name, "Log", details + "!"}}));
        QCOMPARE(QStringList({f->LV_cmmi->text(1, 1), f->LV_cmmi->text(1, 4)}), QStringList({name, "ACME"}));
    }

    void doubleClickThenDelete()
    {
        frm_org_docs *f = openWithAssets();
        QVERIFY(!f->cmd_delete->isEnabled());
        // Enter on a line loads it as a double click does.
        f->LV_cmmi->setFocus();
        f->LV_cmmi->selectRow(1);
        QTest::keyClick(f->LV_cmmi, Qt::Key_Return);
        QCOMPARE((QStringList{f->txt_doc_name->text(), f->txt_doc_dtls->toPlainText(), f->cmb_doc_type->currentText()}),
                 QStringList({"Plan", "How we plan", "Procedure"}));
        QVERIFY(f->cmd_delete->isEnabled());
        // No deletes nothing, and the grid is read anew all the same.
        app->rows("insert into cmmi_org_docs values ('Third', 'Z', 'Standard/Guideline', 'z')");
        deleteLine(f, 1, false);
        QCOMPARE(app->messages.shown.value(0).text, QString("Confirm Deletion of Asset :Plan"));
        QCOMPARE(app->messages.shown.value(0).icon, Messages::Icon::Question);
        QCOMPARE(f->LV_cmmi->lineCount(), 3);
        QVERIFY(!f->cmd_delete->isEnabled());
        // The other organization's line: nothing of ours matches, and the user is told.
        deleteLine(f, 0, true);
        QCOMPARE(app->messages.texts().value(1), QString("No asset was deleted"));
        deleteLine(f, 1, true);
        QCOMPARE(assets(), (QList<QVariantList>{{"Other", "Plan", "Checklist", "Their plan"}, {"Third", "Z", "Standard/Guideline", "z"}}));
        // A blank name stops the delete without a word.
        app->messages.clear();
        doubleClick(f, 0);
        f->txt_doc_name->setText(" ");
        QTest::mouseClick(f->cmd_delete, Qt::LeftButton);
        QVERIFY(app->messages.shown.isEmpty() && !f->cmd_delete->isEnabled());
    }

    void nothingWrittenOnceTheOrganizationIsEmptied()
    {
        frm_org_docs *f = openWithAssets();
        doubleClick(f, 1);
        ChosenOrganization::setSelectedCoid(QString());
        QVERIFY(!f->cmd_delete->isEnabled());
        QTest::mouseClick(f->cmd_save, Qt::LeftButton);
        doubleClick(f, 1);
        app->messages.answers = {true};
        QTest::mouseClick(f->cmd_delete, Qt::LeftButton);
        QCOMPARE(app->messages.texts(), QStringList(2, mdi_main::guardMessage()));
        QCOMPARE(assets().size(), 2);
    }
};

QTEST_MAIN(tst_Frm_org_docs)
#include "tst_frm_org_docs.moc"
