#include "FixtureTest.h"

#include "data/Records.h"
#include "shell/cmmiClass.h"
#include "widgets/DescriptionFocus.h"
#include "widgets/LimitedTextEdit.h"
#include "widgets/ModelCascade.h"

#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

// The model cascades the masters and gap screens share, over the delivered model: what a choice
// refills, what typing must never do, what an empty or failed list leaves alone.
class tst_SelectorCascade : public FixtureTest
{
    Q_OBJECT

    bool wantsWindow() const override { return false; }
    void tearDown() override
    {
        form.reset();
        db.Conclose();
        errors.clear();
    }

    void build()
    {
        QVERIFY(db.Conopen());
        form = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(form.get());
        combos.clear();
        descs.clear();
        for (int i = 0; i < 5; ++i) {
            combos << new QComboBox(form.get());
            combos.last()->setEditable(i > 0);
            layout->addWidget(combos.last());
        }
        for (int i = 0; i < 3; ++i) {
            descs << new LimitedTextEdit(form.get());
            layout->addWidget(descs.last());
        }
        auto source = [this] { return Records(db.con, [this](const QString &what, const QSqlError &) { errors << what; }); };
        cascade = ModelCascade::processAreas(source, combos[0], combos[1], combos[2], combos[3], combos[4], descs[0],
                                             descs[1], descs[2], form.get());
        fills = 0;
        connect(cascade->cascade(), &SelectorCascade::chosen, this, [this] { ++fills; });
        form->show();
        form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form.get()));
    }

private slots:
    void choosingALevelRunsTheWholeCascade()
    {
        build();
        cascade->start();
        QCOMPARE(texts(), QStringList({"2", "Configuration Management (CM)", "GG2", "GP2.1", ""}));
        QCOMPARE(descs[0]->toPlainText(), app->value("select vx_goal_desc from cmmi_kpas where vx_goal_id='GG2'").toString());
        // A pick refills what is below it, once, and shows its own descriptions.
        pick(combos[2], "SG1");
        QCOMPARE(texts(), QStringList({"2", "Configuration Management (CM)", "SG1", "SP1.1", "SP1.1.1"}));
        QCOMPARE(descs[2]->toPlainText(), app->value("select vx_subpractice_desc from cmmi_kpas where vx_kpa like '%(CM)' "
                                                    "and vx_practice_id='SP1.1' and vx_subpractice_id='SP1.1.1'").toString());
        QCOMPARE(cascade->keys(3), (Fields{{"vx_level", 2}, {"vx_kpa", "Configuration Management (CM)"}, {"vx_goal_id", "SG1"}}));
    }

    void typingNeverPicks_data()
    {
        QTest::addColumn<int>("selector");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<int>("key");
        QTest::newRow("prefix of a longer id, Tab") << 3 << "SP1.1" << int(Qt::Key_Tab);
        QTest::newRow("prefix of a longer id, Enter") << 3 << "SP1.1" << int(Qt::Key_Return);
        QTest::newRow("other case, Tab") << 2 << "sg1" << int(Qt::Key_Tab);
        QTest::newRow("existing id, Enter") << 2 << "SG1" << int(Qt::Key_Return);
        QTest::newRow("existing id, Tab") << 3 << "SP1.10" << int(Qt::Key_Tab);
    }
    void typingNeverPicks()
    {
        QFETCH(int, selector);
        QFETCH(QString, typed);
        QFETCH(int, key);
        app->rows("insert into cmmi_kpas (vx_level, vx_kpa, vx_goal_id, vx_goal_desc, vx_practice_id, vx_practice_desc) "
                  "select vx_level, vx_kpa, vx_goal_id, vx_goal_desc, 'SP1.10', 'tenth' from cmmi_kpas where rowid = "
                  "(select min(rowid) from cmmi_kpas where vx_kpa like '%(CM)' and vx_goal_id='GG2')");
        build();
        cascade->start();
        const QStringList before = descriptions();
        const int runs = fills;
        combos[selector]->setFocus();
        combos[selector]->lineEdit()->selectAll();
        QTest::keyClicks(combos[selector], typed);
        QTest::keyClick(combos[selector], Qt::Key(key));
        if (combos[selector]->hasFocus())
            descs[0]->setFocus(); // leaving the field as well
        QCoreApplication::processEvents();
        QCOMPARE(combos[selector]->currentText(), typed);
        QCOMPARE(fills, runs);
        QCOMPARE(descriptions(), before);
    }

    void emptyOrFailedListLeavesWhatIsBelow()
    {
        app->rows("delete from cmmi_kpas where vx_level = 5");
        build();
        cascade->start();
        pick(combos[2], "SG1");
        const QStringList below = texts().mid(2);
        const QStringList shown = descriptions();
        // No rows: the selector empties, everything below stays.
        pick(combos[0], "5");
        QCOMPARE(combos[1]->count(), 0);
        QCOMPARE(texts().mid(2), below);
        QCOMPARE(descriptions(), shown);
        // A failed read: the failure is told once, and the selector keeps its entries too.
        pick(combos[0], "2");
        const QStringList all = texts();
        const int goals = combos[2]->count();
        app->rows("alter table cmmi_kpas rename to gone");
        pick(combos[1], combos[1]->itemText(0));
        QCOMPARE(texts(), all);
        QCOMPARE(combos[2]->count(), goals);
        QCOMPARE(errors.size(), 1);
        app->rows("alter table gone rename to cmmi_kpas");
    }

    void descriptionTakesTheFirstRowFound()
    {
        // A null description shows empty; a practice id under two goals shows its own goal's text.
        app->rows("update cmmi_kpas set vx_goal_desc = NULL where rowid = (select min(rowid) from cmmi_kpas "
                  "where vx_kpa like '%(CM)' and vx_goal_id='SG1')");
        app->rows("insert into cmmi_ggs values ('GGX', 'Another goal', 'GP2.1', 'Another practice')");
        build();
        cascade->start();
        pick(combos[2], "SG1");
        QCOMPARE(descs[0]->toPlainText(), QString());

        auto *goal = new QComboBox(form.get());
        auto *practice = new QComboBox(form.get());
        auto *practiceDesc = new QLineEdit(form.get());
        ModelCascade *ggs = ModelCascade::genericGoals([this] { return Records(db.con); }, goal, practice, nullptr,
                                                       practiceDesc, form.get());
        ggs->start();
        QCOMPARE(practiceDesc->text(), app->value("select vx_practice_desc from cmmi_ggs where vx_goal_id='GG1'").toString());
        pick(goal, "GG2");
        const QString own = practiceDesc->text();
        pick(goal, "GGX");
        QCOMPARE(practiceDesc->text(), QString("Another practice"));
        pick(goal, "GG2");
        QCOMPARE(practiceDesc->text(), own);
    }

    void descriptionFocusSelectsTrimmedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selected");
        QTest::newRow("trailing blanks") << "Plan the work   " << 13;
        QTest::newRow("blanks only") << "   " << 0;
    }
    void descriptionFocusSelectsTrimmedText()
    {
        QFETCH(QString, text);
        QFETCH(int, selected);
        QWidget host;
        auto *layout = new QVBoxLayout(&host);
        auto *line = new QLineEdit(text, &host);
        auto *multi = new LimitedTextEdit(&host);
        multi->setPlainText(text);
        layout->addWidget(new QLineEdit(&host));
        layout->addWidget(line);
        layout->addWidget(multi);
        DescriptionFocus::install(line);
        DescriptionFocus::install(multi);
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        line->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(line->selectedText().size(), selected);
        multi->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(multi->textCursor().selectedText().size(), selected);
    }

private:
    QStringList texts() const
    {
        QStringList t;
        for (QComboBox *c : combos)
            t << c->currentText();
        return t;
    }
    QStringList descriptions() const
    {
        QStringList t;
        for (QPlainTextEdit *d : descs)
            t << d->toPlainText();
        return t;
    }

    cmmiClass db;
    std::unique_ptr<QWidget> form;
    ModelCascade *cascade = nullptr;
    QList<QComboBox *> combos;
    QList<QPlainTextEdit *> descs;
    QStringList errors;
    int fills = 0;
};

QTEST_MAIN(tst_SelectorCascade)
#include "tst_selectorcascade.moc"
