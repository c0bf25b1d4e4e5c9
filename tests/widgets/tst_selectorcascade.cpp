#include "TestApp.h"

#include "data/Records.h"
#include "shell/cmmiClass.h"
#include "widgets/DescriptionFocus.h"
#include "widgets/SelectorCascade.h"

#include <QtTest>

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

// Level, KPA, goal, practice and subpractice over the delivered model, wired as the model and
// gap screens wire them.
class tst_SelectorCascade : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        QVERIFY(db.Conopen());
        form = std::make_unique<QWidget>();
        combos.clear();
        for (int i = 0; i < 5; ++i) {
            combos << new QComboBox(form.get());
            combos.last()->setEditable(i > 0);
        }
        combos[0]->addItems({"2", "3", "4", "5", "6"});
        goalDesc = new QLineEdit(form.get());
        fills.clear();
        followUps.clear();
        cascade = std::make_unique<SelectorCascade>();
        const QStringList columns = {"vx_level", "vx_kpa", "vx_goal_id", "vx_practice_id", "vx_subpractice_id"};
        auto above = [this, columns](int depth) {
            Fields f = {{"vx_level", combos[0]->currentText().toInt()}};
            for (int i = 1; i < depth; ++i)
                f.append({columns[i], combos[i]->currentText()});
            return f;
        };
        cascade->add(combos[0], {});
        for (int i = 1; i < 5; ++i) {
            cascade->add(
                combos[i],
                [this, above, columns, i] {
                    fills << columns[i];
                    return Records(db.con).distinct("cmmi_kpas", columns[i], above(i));
                },
                [this, above, columns, i] {
                    followUps << columns[i];
                    if (auto row = Records(db.con).first("cmmi_kpas", above(3)); row && i == 2)
                        goalDesc->setText(row->value("vx_goal_desc").toString());
                });
        }
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
        cascade->choose(combos[0], 0);
        QCOMPARE(texts(), QStringList({"2", "Configuration Management (CM)", "GG2", "GP2.1", ""}));
        QCOMPARE(fills, QStringList({"vx_kpa", "vx_goal_id", "vx_practice_id", "vx_subpractice_id"}));
        // Deepest first: a follow-up sees the selectors below it already refilled.
        QCOMPARE(followUps, QStringList({"vx_subpractice_id", "vx_practice_id", "vx_goal_id", "vx_kpa"}));
        QVERIFY(goalDesc->text().startsWith("Institutionalize a Managed Process"));
        QCOMPARE(combos[2]->itemText(combos[2]->count() - 1), QString("SG3"));
    }

    void userPickRefillsOnlyWhatIsBelowOnce()
    {
        cascade->choose(combos[0], 0);
        fills.clear();
        combos[2]->setCurrentIndex(combos[2]->findText("SG1"));
        emit combos[2]->activated(combos[2]->currentIndex());
        QCOMPARE(fills, QStringList({"vx_practice_id", "vx_subpractice_id"}));
        QCOMPARE(texts(), QStringList({"2", "Configuration Management (CM)", "SG1", "SP1.1", "SP1.1.1"}));
        QCOMPARE(goalDesc->text(), app->value("select vx_goal_desc from cmmi_kpas where vx_kpa like '%(CM)' and vx_goal_id='SG1'").toString());
    }

    void typingRefillsNothing()
    {
        cascade->choose(combos[0], 0);
        fills.clear();
        followUps.clear();
        combos[1]->lineEdit()->selectAll();
        QTest::keyClicks(combos[1], "A new process area");
        QTest::keyClick(combos[1], Qt::Key_Return);
        QCOMPARE(combos[1]->currentText(), QString("A new process area"));
        QVERIFY(fills.isEmpty() && followUps.isEmpty());
        QCOMPARE(combos[1]->count(), 7);
    }

    void emptyResultLeavesLowerSelectorsAlone()
    {
        cascade->choose(combos[0], 0);
        cascade->choose(combos[2], combos[2]->findText("SG1"));
        const QStringList below = texts().mid(2) << goalDesc->text();
        cascade->choose(combos[0], combos[0]->findText("6"));
        QCOMPARE(combos[1]->count(), 0);
        QCOMPARE(texts().mid(1), QStringList{""} + below.mid(0, 3));
        QCOMPARE(goalDesc->text(), below.last());
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
        auto *multi = new QPlainTextEdit(text, &host);
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

    std::unique_ptr<TestApp> app;
    cmmiClass db;
    std::unique_ptr<QWidget> form;
    std::unique_ptr<SelectorCascade> cascade;
    QList<QComboBox *> combos;
    QLineEdit *goalDesc = nullptr;
    QStringList fills, followUps;
};

QTEST_MAIN(tst_SelectorCascade)
#include "tst_selectorcascade.moc"
