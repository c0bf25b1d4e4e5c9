#include "FixtureTest.h"

#include "gaps/Frm_coid.h"
#include "shell/ChosenOrganization.h"
#include "shell/mdi_main.h"

#include <QtTest>

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>

// Choosing the organization to assess, driven through the main window as a user would.
class tst_Frm_coid : public FixtureTest
{
    Q_OBJECT

private slots:
    void opensOnTheListOfKnownOrganizations()
    {
        app->rows("insert into vx_gaps_sgs (vx_coid) values ('Beta'), ('Alpha'), ('Beta'), (NULL)");
        Frm_coid *f = open();
        QCOMPARE(f->windowTitle(), QString("Veltrix"));
        QVERIFY(f->exopt->isChecked() && f->Frame2->isVisible() && !f->Frame3->isVisible());
        QCOMPARE(entries(f), QStringList({"Alpha", "Beta"}));
        QVERIFY(f->List1->selectedItems().isEmpty());
        QVERIFY(f->List1->hasFocus());
        choose(f->newopt);
        QVERIFY(!f->Frame2->isVisible() && f->Frame3->isVisible());
        choose(f->exopt);
        QVERIFY(f->Frame2->isVisible() && !f->Frame3->isVisible());
    }

    void okWithNoOrganizationsAtAll()
    {
        ChosenOrganization::setSelectedCoid("Earlier");
        Frm_coid *f = open();
        QTest::mouseClick(f->cmdok, Qt::LeftButton);
        QCOMPARE(app->messages.texts(), QStringList({"No organization to select, Please select Create new organization option button",
                                                     "Select a Organization "}));
        QCOMPARE(app->messages.shown[0].icon, Messages::Icon::None);
        QCOMPARE(app->messages.shown[1].caption, QString("Information"));
        QCOMPARE(ChosenOrganization::selected_coid(), QString());
        QVERIFY(f->isVisible());
    }

    void addWritesThePlaceholderAndChoosesIt_data()
    {
        QTest::addColumn<QString>("then");
        QTest::addColumn<QString>("chosenAfter");
        QTest::newRow("ok without a selection empties the choice") << "cmdok" << "";
        QTest::newRow("cancel keeps it") << "cmdcancel" << "ACME";
    }
    void addWritesThePlaceholderAndChoosesIt()
    {
        QFETCH(QString, then);
        QFETCH(QString, chosenAfter);
        Frm_coid *f = open();
        add(f, "ACME");
        QCOMPARE(app->rows("select vx_goal_id, vx_practice_id, vx_subpractice_id, vx_level is null and vx_kpa is null "
                           "and vx_qms_ref is null and vx_how_met is null from vx_gaps_sgs where vx_coid='ACME'"),
                 QList<QVariantList>({{"SG1", "SP1.1", "SP1.1.1", 1}}));
        QCOMPARE(ChosenOrganization::selected_coid(), QString("ACME"));
        QCOMPARE(entries(f), QStringList{"ACME"});
        QVERIFY(f->exopt->isChecked() && f->Frame2->isVisible() && f->List1->selectedItems().isEmpty());
        QVERIFY(app->messages.shown.isEmpty());
        QTest::mouseClick(f->findChild<QPushButton *>(then), Qt::LeftButton);
        QCOMPARE(ChosenOrganization::selected_coid(), chosenAfter);
    }

    void addingAKnownNameWritesNothing()
    {
        Frm_coid *f = open();
        add(f, "ACME");
        ChosenOrganization::setSelectedCoid("Other");
        add(f, "ACME");
        QCOMPARE(app->value("select count(*) from vx_gaps_sgs").toInt(), 1);
        QCOMPARE(ChosenOrganization::selected_coid(), QString("Other"));
        QVERIFY(app->messages.shown.isEmpty());
        // A leading blank makes it another name.
        add(f, " ACME");
        QCOMPARE(ChosenOrganization::selected_coid(), QString(" ACME"));
        QCOMPARE(entries(f), QStringList({" ACME", "ACME"}));
    }

    void blankNameIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("empty") << "";
        QTest::newRow("blanks") << "   ";
    }
    void blankNameIsRefused()
    {
        QFETCH(QString, name);
        Frm_coid *f = open();
        add(f, name);
        QCOMPARE(app->messages.texts(), QStringList{"Organization name is blank"});
        QCOMPARE(app->messages.shown[0].caption, QString("CMMi"));
        QCOMPARE(app->value("select count(*) from vx_gaps_sgs").toInt(), 0);
        QVERIFY(f->Frame3->isVisible() && f->txt_coid->hasFocus());
        QCOMPARE(ChosenOrganization::selected_coid(), QString());
    }

    void pickedApostropheNameReachesTheGapScreens()
    {
        Frm_coid *f = open();
        add(f, "O'Brien & Sons");
        pick(f, "O'Brien & Sons");
        QTest::mouseClick(f->cmdok, Qt::LeftButton);
        QCOMPARE(ChosenOrganization::selected_coid(), QString("O'Brien & Sons"));
        QVERIFY(closed());
        QVERIFY(triggerAction(window.get(), "mnu_pract_gaps"));
        QCOMPARE(window->mdiArea()->currentSubWindow()->windowTitle(), QString("Practice Gaps Analysis for O'Brien & Sons"));

        // Reopened with nothing selected, OK leaves no organization chosen and the guard refuses again.
        f = open();
        QTest::mouseClick(f->cmdok, Qt::LeftButton);
        QCOMPARE(ChosenOrganization::selected_coid(), QString());
        QVERIFY(triggerAction(window.get(), "mnu_doc_gaps"));
        QCOMPARE(app->messages.texts().last(), mdi_main::guardMessage());
    }

    void enterPressesOk()
    {
        app->rows("insert into vx_gaps_sgs (vx_coid) values ('Gamma')");
        Frm_coid *f = open();
        // Arriving in the list picks nothing, and shows nothing as picked.
        QVERIFY(f->List1->hasFocus() && !f->List1->currentIndex().isValid());
        QTest::keyClick(f->List1, Qt::Key_Down);
        QCOMPARE(f->List1->selectedItems().value(0)->text(), QString("Gamma"));
        QTest::keyClick(f->List1, Qt::Key_Return);
        QCOMPARE(ChosenOrganization::selected_coid(), QString("Gamma"));
        QVERIFY(closed());
    }

    void enterNeverDropsATypedName_data()
    {
        QTest::addColumn<QString>("focus");
        QTest::newRow("in the name field") << "txt_coid";
        QTest::newRow("on the focused Add") << "cmd_save";
    }
    void enterNeverDropsATypedName()
    {
        QFETCH(QString, focus);
        ChosenOrganization::setSelectedCoid("Earlier");
        Frm_coid *f = open();
        choose(f->newopt);
        QTest::keyClicks(f->txt_coid, "ACME");
        QWidget *target = f->findChild<QWidget *>(focus);
        target->setFocus();
        QTest::keyClick(target, Qt::Key_Return);
        QCOMPARE(ChosenOrganization::selected_coid(), QString("ACME"));
        QCOMPARE(app->value("select count(*) from vx_gaps_sgs where vx_coid='ACME'").toInt(), 1);
        QVERIFY(!closed());
        // A focused command takes Enter itself: Cancel closes without choosing.
        f->cmdcancel->setFocus();
        QTest::keyClick(f->cmdcancel, Qt::Key_Return);
        QVERIFY(closed());
    }

    void usableByLabelAndByOptionState()
    {
        Frm_coid *f = open();
        // What an accessibility tool's toggle does: the option's state, without a click.
        f->newopt->setChecked(true);
        QVERIFY(f->Frame3->isVisible() && !f->Frame2->isVisible());
        f->exopt->setChecked(true);
        QVERIFY(f->Frame2->isVisible() && !f->Frame3->isVisible());
        QCOMPARE(f->List1->accessibleName(), QString("Existing Organizations"));
        QVERIFY(!f->txt_coid->accessibleName().isEmpty());
        const auto labels = f->findChildren<QLabel *>();
        QVERIFY(std::any_of(labels.begin(), labels.end(), [f](QLabel *l) { return l->buddy() == f->txt_coid; }));
    }

    void failedAddChoosesNothing()
    {
        app->rows("create trigger refuse before insert on vx_gaps_sgs begin select raise(abort, 'disk full'); end");
        Frm_coid *f = open();
        add(f, "ACME");
        QCOMPARE(app->messages.shown.size(), 1);
        QVERIFY(app->messages.shown[0].text.contains("disk full"));
        QCOMPARE(ChosenOrganization::selected_coid(), QString());
        QVERIFY(f->Frame3->isVisible());
        QCOMPARE(f->txt_coid->text(), QString("ACME"));
    }

private:
    Frm_coid *open()
    {
        triggerAction(window.get(), "mnu_gap_analysis");
        // Let the child window settle at its opening size before clicking into it.
        QCoreApplication::processEvents();
        return qobject_cast<Frm_coid *>(window->screen("coid"));
    }
    bool closed()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return window->screen("coid") == nullptr;
    }
    // On the round indicator, where a user clicks an option (the rest of the row is not the button).
    static void choose(QRadioButton *option) { QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2)); }
    static void add(Frm_coid *f, const QString &name)
    {
        choose(f->newopt);
        f->txt_coid->clear();
        QTest::keyClicks(f->txt_coid, name);
        QTest::mouseClick(f->cmd_save, Qt::LeftButton);
    }
    static void pick(Frm_coid *f, const QString &name)
    {
        QListWidgetItem *item = f->List1->findItems(name, Qt::MatchExactly).value(0);
        QVERIFY(item);
        QTest::mouseClick(f->List1->viewport(), Qt::LeftButton, {}, f->List1->visualItemRect(item).center());
        QVERIFY(item->isSelected());
    }
    static QStringList entries(Frm_coid *f)
    {
        QStringList texts;
        for (int i = 0; i < f->List1->count(); ++i)
            texts << f->List1->item(i)->text();
        return texts;
    }

};

QTEST_MAIN(tst_Frm_coid)
#include "tst_frm_coid.moc"
