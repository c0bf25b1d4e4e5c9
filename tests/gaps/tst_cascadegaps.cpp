#include "FixtureTest.h"

#include "data/NaturalOrder.h"
#include "gaps/GapProgress.h"
#include "gaps/frm_docs_gaps.h"
#include "gaps/frm_practice_gaps.h"
#include "shell/ChosenOrganization.h"
#include "widgets/DataGrid.h"
#include "widgets/SaveButton.h"

#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>

// The practice and work product gap screens, driven through the main window: they share their
// layout and order of work, and differ in their tables, checks and what a null reference means.
class tst_CascadeGaps : public FixtureTest
{
    Q_OBJECT

private slots:
    void opensOnTheFirstRowWithItsStoredAnswer_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<bool>("answered");
        for (const char *screen : {"practice", "docs"}) {
            QTest::addRow("%s, no records", screen) << screen << false;
            QTest::addRow("%s, stored how-met wins over Fully Met", screen) << screen << true;
        }
    }
    void opensOnTheFirstRowWithItsStoredAnswer()
    {
        QFETCH(QString, screen);
        QFETCH(bool, answered);
        const Kind k = kind(screen);
        if (answered)
            store(k, "Acme", k.firstRow, "Ref 'ü' 参考", "Not Met At All");
        CascadeGapScreen *s = openFor(k, "Acme");
        QCOMPARE(s->windowTitle(), k.caption + " for Acme");
        QCOMPARE(shownRow(s, k), k.firstRow);
        QCOMPARE(s->txt_qms_ref->text(), answered ? QString("Ref 'ü' 参考") : QString());
        QCOMPARE(s->cmb_how_met->currentText(), answered ? QString("Not Met At All") : QString("Fully Met"));
        QVERIFY(s->cmb_level->hasFocus());
        const int rows = app->value("select count(*) from " + k.model).toInt();
        QCOMPARE(s->LV_cmmi->lineCount(), rows);
        QCOMPARE(s->LV_cmmi->columnTexts(9).count(k.noRecordCell), rows - (answered ? 1 : 0));
        QCOMPARE(s->lbl_progress->text(),
                 QString("%1 of %2 %3 answered: %4 Fully Met, 0 Partially Met, %1 Not Met At All")
                     .arg(answered ? 1 : 0).arg(rows).arg(k.rows).arg(0));
    }

    // The answer shown for the last choice: a record's reference and how-met; none empties the
    // reference and keeps how-met; a how-met the selector lacks keeps it too; a null reference
    // shows empty on the practice screen and counts as no record on the work product screen.
    void lastChoiceShowsTheStoredAnswer_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QVariant>("reference");
        QTest::addColumn<QString>("howMet");
        QTest::addColumn<QString>("shownHowMet");
        for (const char *screen : {"practice", "docs"}) {
            QTest::addRow("%s, no record", screen) << screen << QVariant() << QString() << "Partially Met";
            QTest::addRow("%s, how-met in other case", screen) << screen << QVariant("R2") << "not met at all" << "Partially Met";
            QTest::addRow("%s, record", screen) << screen << QVariant("R2") << "Not Met At All" << "Not Met At All";
        }
        QTest::newRow("practice, null reference") << "practice" << QVariant(QMetaType(QMetaType::QString)) << "Not Met At All"
                                                  << "Not Met At All";
        QTest::newRow("docs, null reference is no record")
            << "docs" << QVariant(QMetaType(QMetaType::QString)) << "Not Met At All" << "Partially Met";
    }
    void lastChoiceShowsTheStoredAnswer()
    {
        QFETCH(QString, screen);
        QFETCH(QVariant, reference);
        QFETCH(QString, howMet);
        QFETCH(QString, shownHowMet);
        const Kind k = kind(screen);
        store(k, "Acme", k.firstRow, "R1", "Fully Met");
        // The row the cascade passes just before: what shows until the last choice.
        store(k, "Acme", k.rowBefore, "R0", "Partially Met");
        if (!howMet.isEmpty())
            store(k, "Acme", k.secondRow, reference, howMet);
        store(k, "Other", k.secondRow, "Theirs", "Fully Met");
        CascadeGapScreen *s = openFor(k, "Acme");
        QCOMPARE(s->txt_qms_ref->text(), QString("R1"));
        choose(s, k, k.secondRow);
        QCOMPARE(s->txt_qms_ref->text(), reference.isNull() ? QString() : reference.toString());
        QCOMPARE(s->cmb_how_met->currentText(), shownHowMet);
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("screen");
        QTest::addColumn<QString>("goal");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<bool>("noGoalDescription");
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("focusOnReference");
        const QString practiceRef = "Reference to Organizagtional Process Documentation is Blank";
        QTest::newRow("practice, blanks") << "practice" << "GG9" << "   " << false << practiceRef << true;
        QTest::newRow("practice, Add New") << "practice" << "GG9" << " Add New " << false << practiceRef << true;
        QTest::newRow("practice, reference before descriptions") << "practice" << "GG9" << "" << true << practiceRef << true;
        QTest::newRow("practice, GG needs no subpractice") << "practice" << "GG9" << "R" << false << "" << false;
        QTest::newRow("practice, gg is not GG") << "practice" << "gg9" << "R" << false << "Sub Practice ID is blank" << false;
        QTest::newRow("docs, Add New is a reference") << "docs" << "GG9" << "Add New" << false << "" << false;
        QTest::newRow("docs, descriptions before reference") << "docs" << "GG9" << "" << true << "Goal Description is Blank" << false;
        QTest::newRow("docs, blanks") << "docs" << "GG9" << "  " << false << "Reference to Work Product is Blank" << true;
        QTest::newRow("docs, gg is not GG") << "docs" << "gg9" << "R" << false << "Work Product ID is blank" << false;
    }
    void saveChecks()
    {
        QFETCH(QString, screen);
        QFETCH(QString, goal);
        QFETCH(QString, reference);
        QFETCH(bool, noGoalDescription);
        QFETCH(QString, message);
        QFETCH(bool, focusOnReference);
        const Kind k = kind(screen);
        // A generic goal listed inside a process area, with no subpractice or work product.
        app->rows(QString("insert into %1 (vx_level, vx_kpa, vx_goal_id, vx_goal_desc, vx_practice_id, vx_practice_desc, %2) "
                          "values (2, 'Kpa', ?, 'Goal', 'GP9.1', 'Practice', '')").arg(k.model, k.itemColumn),
                  {goal});
        CascadeGapScreen *s = openFor(k, "Acme");
        choose(s, k, {"2", "Kpa", goal, "GP9.1", ""});
        if (noGoalDescription)
            s->txt_goal_desc->clear();
        s->cmb_level->setFocus();
        s->txt_qms_ref->setText(reference);
        QTest::mouseClick(s->cmd_save, Qt::LeftButton);
        QCOMPARE(app->messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(s->txt_qms_ref->hasFocus(), focusOnReference);
        QCOMPARE(app->value("select count(*) from " + k.gaps).toInt(), message.isEmpty() ? 1 : 0);
    }

    void savingTwiceKeepsOneRecordAndTheSort_data() { bothScreens(); }
    void savingTwiceKeepsOneRecordAndTheSort()
    {
        QFETCH(QString, screen);
        const Kind k = kind(screen);
        const QString org = "O'Brien & Søn";
        store(k, "Other", k.secondRow, "Theirs", "Fully Met");
        CascadeGapScreen *s = openFor(k, org);
        s->LV_cmmi->LV_ColumnClick(7);
        choose(s, k, k.secondRow);
        QCOMPARE(s->txt_qms_ref->text(), QString());
        for (const QString &howMet : {"Partially Met", "Not Met At All"}) {
            s->txt_qms_ref->setText(" Straße 'quoted' — " + howMet);
            pick(s->cmb_how_met, howMet);
            QTest::mouseClick(s->cmd_save, Qt::LeftButton);
        }
        QVERIFY(app->messages.shown.isEmpty());
        QCOMPARE(app->rows(QString("select vx_level, vx_kpa, vx_goal_id, vx_practice_id, %1, %2, vx_how_met from %3 where vx_coid=?")
                               .arg(k.itemColumn, k.refColumn, k.gaps),
                           {org}),
                 QList<QVariantList>({{k.secondRow[0].toInt(), k.secondRow[1], k.secondRow[2], k.secondRow[3], k.secondRow[4],
                                       " Straße 'quoted' — Not Met At All", "Not Met At All"}}));
        // Nothing cleared after the save; the grid rebuilt, still sorted, with this organization's answer only.
        QCOMPARE(shownRow(s, k), k.secondRow);
        QCOMPARE(s->txt_qms_ref->text(), QString(" Straße 'quoted' — Not Met At All"));
        const QStringList items = s->LV_cmmi->columnTexts(7);
        QVERIFY(std::is_sorted(items.begin(), items.end(), NaturalOrder::less));
        QCOMPARE(s->LV_cmmi->columnTexts(9).count(" Straße 'quoted' — Not Met At All"), 1);
        QVERIFY(!s->LV_cmmi->columnTexts(9).contains("Theirs"));
        QVERIFY(s->lbl_progress->text().startsWith("1 of "));
    }

    void followsTheChosenOrganization_data() { bothScreens(); }
    void followsTheChosenOrganization()
    {
        QFETCH(QString, screen);
        const Kind k = kind(screen);
        store(k, "B", k.firstRow, "B's answer", "Partially Met");
        CascadeGapScreen *s = openFor(k, "A");
        QVERIFY(!s->LV_cmmi->columnTexts(9).contains("B's answer"));

        ChosenOrganization::setSelectedCoid("B");
        QCOMPARE(s->windowTitle(), k.caption + " for B");
        QCOMPARE(window->mdiArea()->currentSubWindow()->windowTitle(), k.caption + " for B");
        QCOMPARE(s->txt_qms_ref->text(), QString("B's answer"));
        QCOMPARE(s->cmb_how_met->currentText(), QString("Partially Met"));
        QVERIFY(s->LV_cmmi->columnTexts(9).contains("B's answer"));
        QVERIFY(s->lbl_progress->text().startsWith("1 of "));

        // Emptied in the organization selection: nobody to save for; nothing written.
        ChosenOrganization::setSelectedCoid(QString());
        QCOMPARE(s->windowTitle(), k.caption + " for B");
        s->txt_qms_ref->setText("Mine");
        QTest::mouseClick(s->cmd_save, Qt::LeftButton);
        QCOMPARE(app->messages.texts(), QStringList{"Select an Organization to carry out Gaps Analysis"});
        QCOMPARE(app->value("select count(*) from " + k.gaps).toInt(), 1);
    }

private:
    struct Kind
    {
        QString menu, caption, model, gaps, itemSelector, itemColumn, refColumn, rows, noRecordCell;
        QStringList firstRow, secondRow, rowBefore;
    };

    static void bothScreens()
    {
        QTest::addColumn<QString>("screen");
        QTest::newRow("practice") << "practice";
        QTest::newRow("docs") << "docs";
    }

    static Kind kind(const QString &screen)
    {
        if (screen == "practice")
            return {"mnu_pract_gaps", "Practice Gaps Analysis", "cmmi_kpas", "vx_gaps_sgs", "cmb_subpractice_id",
                    "vx_subpractice_id", "vx_qms_ref", "subpractice rows", "",
                    {"2", "Configuration Management (CM)", "GG2", "GP2.1", ""},
                    {"2", "Configuration Management (CM)", "SG1", "SP1.1", "SP1.1.2"},
                    {"2", "Configuration Management (CM)", "SG1", "SP1.1", "SP1.1.1"}};
        return {"mnu_doc_gaps", "Work Products Gaps Analysis", "cmmi_docs", "vx_gaps_docs", "cmb_docs_id", "vx_doc_id",
                "vx_doc_ref", "work products", " ",
                {"2", "Configuration Management (CM)", "SG1", "SP1.1", "WP1.1.1"},
                {"2", "Configuration Management (CM)", "SG1", "SP1.2", "WP1.2.2"},
                {"2", "Configuration Management (CM)", "SG1", "SP1.2", "WP1.2.1"}};
    }

    CascadeGapScreen *openFor(const Kind &k, const QString &org)
    {
        ChosenOrganization::setSelectedCoid(org);
        return open<CascadeGapScreen>(k.menu);
    }

    void store(const Kind &k, const QString &org, const QStringList &row, const QVariant &reference, const QString &howMet)
    {
        app->rows(QString("insert into %1 (vx_coid, vx_level, vx_kpa, vx_goal_id, vx_practice_id, %2, %3, vx_how_met) "
                          "values (?, ?, ?, ?, ?, ?, ?, ?)").arg(k.gaps, k.itemColumn, k.refColumn),
                  {org, row[0].toInt(), row[1], row[2], row[3], row[4], reference, howMet});
    }

    static QList<QComboBox *> selectors(CascadeGapScreen *s, const Kind &k)
    {
        return {s->cmb_level, s->cmb_kpa, s->cmb_goal_id, s->cmb_practice_id, s->findChild<QComboBox *>(k.itemSelector)};
    }

    static QStringList shownRow(CascadeGapScreen *s, const Kind &k)
    {
        QStringList row;
        for (QComboBox *combo : selectors(s, k))
            row << combo->currentText();
        return row;
    }

    static void choose(CascadeGapScreen *s, const Kind &k, const QStringList &row)
    {
        const QList<QComboBox *> combos = selectors(s, k);
        for (int i = 0; i < combos.size(); ++i) {
            if (combos[i]->count() > 0)
                pick(combos[i], row[i]);
        }
    }
};

QTEST_MAIN(tst_CascadeGaps)
#include "tst_cascadegaps.moc"
