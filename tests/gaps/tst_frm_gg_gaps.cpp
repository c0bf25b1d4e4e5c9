#include "FixtureTest.h"

#include "gaps/GapProgress.h"
#include "gaps/frm_gg_gaps.h"
#include "shell/ChosenOrganization.h"
#include "widgets/DataGrid.h"
#include "widgets/LimitedTextEdit.h"
#include "widgets/SaveButton.h"

#include <QtTest>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

// The generic goals gap screen: generic goal and practice (typed or picked), then the KPA.
class tst_frm_gg_gaps : public FixtureTest
{
    Q_OBJECT

private slots:
    void opensOnTheFirstCombination_data()
    {
        QTest::addColumn<QVariant>("kpa");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("howMet");
        QTest::newRow("no records") << QVariant(false) << "" << "Fully Met";
        QTest::newRow("its stored answer") << QVariant(first) << "R1" << "Partially Met";
        // What the report preparation adds answers no process area.
        QTest::newRow("a record without KPA is not its answer") << QVariant() << "" << "Fully Met";
    }
    void opensOnTheFirstCombination()
    {
        QFETCH(QVariant, kpa);
        QFETCH(QString, reference);
        QFETCH(QString, howMet);
        const bool stored = kpa.typeId() != QMetaType::Bool;
        if (stored)
            store("Acme", "GG1", "GP1.1", kpa, reference.isEmpty() ? QVariant() : reference,
                  reference.isEmpty() ? "Not Met At All" : "Partially Met");
        frm_gg_gaps *s = openFor("Acme");
        QCOMPARE(s->windowTitle(), QString("Generic Goals Gaps Analysis for Acme"));
        QCOMPARE(QStringList({s->cmb_ggid->currentText(), s->cmb_practice_id->currentText(), s->cmb_level->currentText()}),
                 QStringList({"GG1", "GP1.1", first}));
        QCOMPARE(s->txt_qms_ref->text(), reference);
        QCOMPARE(s->cmb_how_met->currentText(), howMet);
        QCOMPARE(s->LV_cmmi->lineCount(), stored ? 1 : 0);
        QVERIFY(s->cmb_ggid->hasFocus());
    }

    // Each choice shows the answer of the combination shown, so a save never writes the
    // previous combination's answer over this one's.
    void goalOrPracticeChoiceReloadsTheAnswer()
    {
        store("Acme", "GG2", "GP2.1", first, "R21", "Not Met At All");
        frm_gg_gaps *s = openFor("Acme");
        pick(s->cmb_ggid, "GG2");
        QCOMPARE(s->cmb_practice_id->currentText(), QString("GP2.1"));
        QCOMPARE(s->txt_qms_ref->text(), QString("R21"));
        QCOMPARE(s->cmb_how_met->currentText(), QString("Not Met At All"));
        pick(s->cmb_practice_id, "GP2.2");
        QCOMPARE(s->txt_qms_ref->text(), QString());
        QCOMPARE(s->cmb_how_met->currentText(), QString("Not Met At All"));
        s->txt_qms_ref->setText("R22");
        QTest::mouseClick(s->cmd_save, Qt::LeftButton);
        QCOMPARE(app->rows("select vx_practice_id, vx_qms_ref from vx_gaps_ggs order by rowid"),
                 QList<QVariantList>({{"GP2.1", "R21"}, {"GP2.2", "R22"}}));
    }

    void saveChecks_data()
    {
        QTest::addColumn<QString>("goal");
        QTest::addColumn<QString>("practice");
        QTest::addColumn<QString>("reference");
        QTest::addColumn<QString>("goalDescription");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focused");
        QTest::newRow("blank goal") << "  " << "GP1.1" << "R" << "D" << "Generic Goal Id is blank" << "cmb_ggid";
        QTest::newRow("blank practice") << "GG1" << "" << "R" << "D" << "Practice Id is blank" << "cmb_practice_id";
        QTest::newRow("goal of 11") << "GG345678901" << "GP1.1" << "R" << "D"
                                    << "Generic Goal Id can not have more than 10 characters" << "cmb_ggid";
        QTest::newRow("practice of 11") << "GG1" << "GP34567890 " << "R" << "D"
                                        << "Practice Id can not have more than 10 characters" << "cmb_practice_id";
        QTest::newRow("practice of 10, not in the model") << "GG1" << "GP34567890" << "R" << "D" << "" << "";
        QTest::newRow("Add New") << "GG1" << "GP1.1" << "Add New " << "D"
                                 << "Reference to Organizagtional Process Documentation is Blank" << "txt_qms_ref";
        QTest::newRow("empty goal description") << "GG1" << "GP1.1" << "R" << "" << "Generic Goal Description is blank"
                                                << "txt_goal_desc";
        QTest::newRow("goal description of blanks") << "GG1" << "GP1.1" << "R" << "   " << "" << "";
    }
    void saveChecks()
    {
        QFETCH(QString, goal);
        QFETCH(QString, practice);
        QFETCH(QString, reference);
        QFETCH(QString, goalDescription);
        QFETCH(QString, message);
        QFETCH(QString, focused);
        frm_gg_gaps *s = openFor("Acme");
        s->cmb_ggid->setEditText(goal);
        s->cmb_practice_id->setEditText(practice);
        s->txt_qms_ref->setText(reference);
        s->txt_goal_desc->setPlainText(goalDescription);
        s->cmd_save->setFocus();
        QTest::mouseClick(s->cmd_save, Qt::LeftButton);
        QCOMPARE(app->messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(QApplication::focusWidget()->objectName(), message.isEmpty() ? QString("cmd_save") : focused);
        QCOMPARE(app->rows("select vx_goal_id, vx_practice_id, vx_kpa from vx_gaps_ggs"),
                 message.isEmpty() ? QList<QVariantList>({{goal, practice, first}}) : QList<QVariantList>());
        // A practice the model lacks is listed all the same.
        QCOMPARE(s->LV_cmmi->lineCount(), message.isEmpty() ? 1 : 0);
    }

    void gridListsEachAnswerOnceWithItsModelRow()
    {
        store("Acme", "GG2", "GP2.1", first, "A", "Fully Met");
        store("Acme", "GG2", "GP2.1", first, "duplicate", "Partially Met");
        store("Other", "GG2", "GP2.2", first, "theirs", "Fully Met");
        store("Acme", "GG9", "GP9.9", first, "stray", "Partially Met");
        store("Acme", "GG2", "GP2.2", QVariant(), QVariant(), "Not Met At All");
        frm_gg_gaps *s = openFor("Acme");
        const QString gg2 = app->value("select vx_goal_desc from cmmi_ggs where vx_goal_id='GG2'").toString();
        const QString gp21 = app->value("select vx_practice_desc from cmmi_ggs where vx_practice_id='GP2.1'").toString();
        const QString gp22 = app->value("select vx_practice_desc from cmmi_ggs where vx_practice_id='GP2.2'").toString();
        QCOMPARE(lines(s), QList<QStringList>({{"1", "GG2", gg2, "GP2.1", first, gp21, "Fully Met", "A"},
                                               {"2", "GG9", " ", "GP9.9", first, " ", "Partially Met", "stray"},
                                               {"3", "GG2", gg2, "GP2.2", " ", gp22, "Not Met At All", " "}}));
        QCOMPARE(s->lbl_progress->text(),
                 QString("1 of 286 generic practices over all KPAs answered: 1 Fully Met, 0 Partially Met, 0 Not Met At All"));

        // The same generic practice for a second KPA is a second answer; saving again changes it.
        pick(s->cmb_ggid, "GG2");
        pick(s->cmb_level, s->cmb_level->itemText(1));
        for (const QString &reference : {"B", "B2"}) {
            s->txt_qms_ref->setText(reference);
            QTest::mouseClick(s->cmd_save, Qt::LeftButton);
        }
        QCOMPARE(s->LV_cmmi->lineCount(), 4);
        QCOMPARE(s->LV_cmmi->text(3, 7), QString("B2"));
        QCOMPARE(app->value("select count(*) from vx_gaps_ggs where vx_coid='Acme'").toInt(), 5);
    }

private:
    const QString first = "Causal Analysis and Resolution (CAR)";

    frm_gg_gaps *openFor(const QString &org)
    {
        ChosenOrganization::setSelectedCoid(org);
        return open<frm_gg_gaps>("mnu_gg_gaps");
    }

    void store(const QString &org, const QString &goal, const QString &practice, const QVariant &kpa,
               const QVariant &reference, const QString &howMet)
    {
        app->rows("insert into vx_gaps_ggs (vx_coid, vx_goal_id, vx_practice_id, vx_kpa, vx_qms_ref, vx_how_met) "
                  "values (?, ?, ?, ?, ?, ?)",
                  {org, goal, practice, kpa, reference, howMet});
    }

    static QList<QStringList> lines(frm_gg_gaps *s)
    {
        QList<QStringList> result;
        for (int line = 0; line < s->LV_cmmi->lineCount(); ++line) {
            QStringList cells;
            for (int column = 0; column < 8; ++column)
                cells << s->LV_cmmi->text(line, column);
            result << cells;
        }
        return result;
    }
};

QTEST_MAIN(tst_frm_gg_gaps)
#include "tst_frm_gg_gaps.moc"
