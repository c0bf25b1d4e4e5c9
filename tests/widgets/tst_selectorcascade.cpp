#include "TestApp.h"

#include "data/Records.h"
#include "shell/cmmiClass.h"
#include "widgets/DescriptionFocus.h"
#include "widgets/HowMet.h"
#include "widgets/SelectorCascade.h"

#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

// The cascade of level, KPA, goal, practice and subpractice over the delivered model, wired
// the way the model and gap screens wire it.
class tst_SelectorCascade : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { qRegisterMetaType<QComboBox *>(); }
    void init()
    {
        app = std::make_unique<TestApp>();
        QVERIFY(db.Conopen());
        form = std::make_unique<QWidget>();
        auto *layout = new QVBoxLayout(form.get());
        for (QComboBox **c : {&level, &kpa, &goal, &practice, &sub}) {
            *c = new QComboBox(form.get());
            (*c)->setEditable(*c != level);
            layout->addWidget(*c);
        }
        goalDesc = new QLineEdit(form.get());
        layout->addWidget(goalDesc);
        level->addItems({"2", "3", "4", "5", "6"});
        fills.clear();
        followUps.clear();
        cascade = std::make_unique<SelectorCascade>();
        const Records rec(db.con);
        auto filter = [this](int depth) {
            const QList<QComboBox *> above = {kpa, goal, practice};
            const QStringList columns = {"vx_kpa", "vx_goal_id", "vx_practice_id"};
            Fields f = {{"vx_level", level->currentText().toInt()}};
            for (int i = 0; i < depth; ++i)
                f.append({columns[i], above[i]->currentText()});
            return f;
        };
        auto fill = [this, rec, filter](const QString &column, int depth) {
            return [this, rec, filter, column, depth] {
                fills << column;
                return rec.distinct("cmmi_kpas", column, filter(depth));
            };
        };
        cascade->add(level, {});
        cascade->add(kpa, fill("vx_kpa", 0), [this] { followUps << "kpa"; });
        cascade->add(goal, fill("vx_goal_id", 1), [this, rec, filter] {
            followUps << "goal";
            if (auto row = rec.first("cmmi_kpas", filter(2)))
                goalDesc->setText(row->value("vx_goal_desc").toString());
        });
        cascade->add(practice, fill("vx_practice_id", 2), [this] { followUps << "practice"; });
        cascade->add(sub, fill("vx_subpractice_id", 3), [this] { followUps << "sub"; });
    }
    void cleanup()
    {
        cascade.reset();
        form.reset();
        db.Conclose();
        app.reset();
    }

    void choosingALevelRunsTheWholeCascade()
    {
        cascade->choose(level, 0);
        QCOMPARE(kpa->currentText(), QString("Configuration Management (CM)"));
        QCOMPARE(goal->currentText(), QString("GG2"));
        QCOMPARE(practice->currentText(), QString("GP2.1"));
        QCOMPARE(sub->count(), 1);
        QCOMPARE(sub->currentText(), QString(""));
        QCOMPARE(fills, QStringList({"vx_kpa", "vx_goal_id", "vx_practice_id", "vx_subpractice_id"}));
        // Deepest first: a follow-up sees the selectors below it already refilled.
        QCOMPARE(followUps, QStringList({"sub", "practice", "goal", "kpa"}));
        QVERIFY(goalDesc->text().startsWith("Institutionalize a Managed Process"));
        // Lists follow the natural order of the model.
        QCOMPARE(goal->itemText(goal->count() - 1), QString("SG3"));
        cascade->choose(goal, goal->findText("SG1"));
        QCOMPARE(practice->itemText(0), QString("SP1.1"));
        QCOMPARE(sub->currentText(), QString("SP1.1.1"));
    }

    void userPickRefillsOnlyWhatIsBelow()
    {
        cascade->choose(level, 0);
        const QString chosenKpa = kpa->currentText();
        fills.clear();
        QSignalSpy chosen(cascade.get(), &SelectorCascade::chosen);
        goal->setCurrentIndex(goal->findText("SG1"));
        emit goal->activated(goal->currentIndex());
        QCOMPARE(fills, QStringList({"vx_practice_id", "vx_subpractice_id"}));
        QCOMPARE(kpa->currentText(), chosenKpa);
        QCOMPARE(chosen.count(), 3); // sub, practice, goal: once each
        QCOMPARE(goalDesc->text(), app->value("select vx_goal_desc from cmmi_kpas where vx_level=2 and vx_kpa=? "
                                              "and vx_goal_id='SG1'", {chosenKpa}).toString());
    }

    void typingRefillsNothing()
    {
        cascade->choose(level, 0);
        fills.clear();
        followUps.clear();
        kpa->setFocus();
        kpa->lineEdit()->selectAll();
        QTest::keyClicks(kpa, "A new process area");
        QCOMPARE(kpa->currentText(), QString("A new process area"));
        QVERIFY(fills.isEmpty());
        QVERIFY(followUps.isEmpty());
        QCOMPARE(kpa->count(), 7);
    }

    void emptyResultLeavesLowerSelectorsAlone()
    {
        cascade->choose(level, 0);
        cascade->choose(goal, goal->findText("SG1"));
        const QStringList before = {goal->currentText(), practice->currentText(), sub->currentText(), goalDesc->text()};
        cascade->choose(level, level->findText("6"));
        QCOMPARE(kpa->count(), 0);
        QCOMPARE(kpa->currentText(), QString());
        QCOMPARE(QStringList({goal->currentText(), practice->currentText(), sub->currentText(), goalDesc->text()}), before);
        // Choosing a level with process areas again refills everything below.
        cascade->choose(level, level->findText("3"));
        QCOMPARE(kpa->currentText(), QString("Decision Analysis and Resolution (DAR)"));
        QCOMPARE(goal->currentText(), QString("GG2"));
    }

    void howMetSelectsOnlyAnExactMatch_data()
    {
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QString>("shown");
        QTest::newRow("exact") << "Partially Met" << "Partially Met";
        QTest::newRow("other case") << "partially met" << "Not Met At All";
        QTest::newRow("null") << "" << "Not Met At All";
    }
    void howMetSelectsOnlyAnExactMatch()
    {
        QFETCH(QString, stored);
        QFETCH(QString, shown);
        QComboBox box;
        HowMet::fill(&box);
        QCOMPARE(box.count(), 3);
        box.setCurrentIndex(2);
        HowMet::select(&box, stored);
        QCOMPARE(box.currentText(), shown);
    }

    void descriptionFocusSelectsTrimmedText_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("selected");
        QTest::newRow("trailing blanks") << "Plan the work   " << 13;
        QTest::newRow("leading blank counts from the start") << "  Plan" << 4;
        QTest::newRow("blanks only") << "   " << 0;
    }
    void descriptionFocusSelectsTrimmedText()
    {
        QFETCH(QString, text);
        QFETCH(int, selected);
        QWidget host;
        auto *layout = new QVBoxLayout(&host);
        auto *other = new QLineEdit(&host);
        auto *line = new QLineEdit(text, &host);
        auto *multi = new QPlainTextEdit(text, &host);
        layout->addWidget(other);
        layout->addWidget(line);
        layout->addWidget(multi);
        DescriptionFocus::install(line);
        DescriptionFocus::install(multi);
        host.show();
        host.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&host));
        line->setFocus(Qt::TabFocusReason);
        QTRY_COMPARE(line->selectedText().size(), selected);
        QCOMPARE(line->selectionStart(), selected ? 0 : -1);
        multi->setFocus(Qt::MouseFocusReason);
        QTRY_COMPARE(multi->textCursor().selectedText().size(), selected);
    }

private:
    std::unique_ptr<TestApp> app;
    cmmiClass db;
    std::unique_ptr<QWidget> form;
    std::unique_ptr<SelectorCascade> cascade;
    QComboBox *level = nullptr, *kpa = nullptr, *goal = nullptr, *practice = nullptr, *sub = nullptr;
    QLineEdit *goalDesc = nullptr;
    QStringList fills, followUps;
};

QTEST_MAIN(tst_SelectorCascade)
#include "tst_selectorcascade.moc"
