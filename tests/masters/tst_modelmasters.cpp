#include "FixtureTest.h"

#include "data/NaturalOrder.h"
#include "masters/frm_docs.h"
#include "masters/frm_gaps.h"
#include "masters/frm_ggs.h"
#include "widgets/DataGrid.h"
#include "widgets/FieldText.h"
#include "widgets/LimitedTextEdit.h"

#include <QtTest>

#include <QComboBox>
#include <QPushButton>

// The KPA, work products and generic goals masters, driven through their menu items against
// the delivered model: what they open on, the save checks in each screen's own order, and
// which rows a save writes.
class tst_ModelMasters : public FixtureTest
{
    Q_OBJECT

    // Types the texts into the named fields, as they are, and presses save.
    void save(Screen *screen, const QStringList &names, const QStringList &texts)
    {
        for (qsizetype i = 0; i < names.size(); ++i)
            FieldText::setText(screen->findChild<QWidget *>(names[i]), texts[i]);
        QTest::mouseClick(screen->findChild<QPushButton *>("cmd_save"), Qt::LeftButton);
    }
    int count(const QString &table) { return app->value("select count(*) from " + table).toInt(); }

private slots:
    void opensOnTheFirstEntries()
    {
        auto *kpa = open<frm_gaps>("mnu_kpa");
        // Level 2, its first KPA, goal GG2 and practice GP2.1.
        QCOMPARE(kpa->Txt_practice_desc->toPlainText(),
                 app->value("select vx_practice_desc from cmmi_kpas where vx_kpa like '%(CM)' and vx_practice_id='GP2.1'").toString());
        QCOMPARE(kpa->LV_cmmi->lineCount(), count("cmmi_kpas"));
        auto *docs = open<frm_docs>("mnu_docs");
        QCOMPARE(docs->cmb_docs_id->currentText(), QString("WP1.1.1"));
        QCOMPARE(docs->txt_docs_desc->toPlainText(),
                 app->value("select vx_doc_desc from cmmi_docs where vx_kpa like '%(CM)' and vx_doc_id='WP1.1.1'").toString());
        QCOMPARE(docs->LV_cmmi->lineCount(), count("cmmi_docs"));
    }

    void saveChecksRunInEachScreensOrder_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QStringList>("texts"); // goal, practice, subpractice or work product, their three descriptions
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::addColumn<QString>("cut"); // the id field's name and the text it is cut to
        const QString kpa = "mnu_kpa", docs = "mnu_docs", eleven = "SG345678901";
        QTest::newRow("kpa: GG needs no subpractice") << kpa << QStringList{"GG9", "GP9.1", "", "g", "p", ""} << "" << "" << "";
        QTest::newRow("kpa: gg is not GG") << kpa << QStringList{"gg9", "GP9.1", "", "g", "p", ""} << "Sub Practice ID is blank" << "" << "";
        QTest::newRow("kpa: descriptions before lengths") << kpa << QStringList{eleven, "SP9.1", "SP9.1.1", "g", " ", "s"}
                                                          << "Practice Description is Blank" << "Txt_practice_desc" << "";
        QTest::newRow("kpa: practice cut first") << kpa << QStringList{eleven, " SP9.1234567 ", "SP9.1.1", "g", "p", "s"}
                                                 << "Practice ID can not have more than 10 characters" << "" << "cmb_practice_id=SP9.123456";
        QTest::newRow("kpa: subpractice description last") << kpa << QStringList{"SG9", "SP9.1", "SP9.1.1", "g", "p", "  "}
                                                           << "Sub practice Description is Blank" << "txt_subpractice_desc" << "";
        QTest::newRow("docs: GG needs a work product") << docs << QStringList{"GG9", "GP9.1", " ", "g", "p", ""}
                                                       << "Work Product ID is blank" << "" << "";
        QTest::newRow("docs: lengths before descriptions") << docs << QStringList{eleven, "SP9.1", "WP9", "", "", ""}
                                                           << "Goal ID can not have more than 10 characters" << "" << "cmb_goal_id=SG34567890";
        QTest::newRow("docs: work product description") << docs << QStringList{"SG9", "SP9.1", "WP9", "g", "p", ""}
                                                        << "Work Product Description is Blank" << "txt_docs_desc" << "";
        QTest::newRow("docs: GG needs no description") << docs << QStringList{"GG9", "GP9.1", "WP9", "g", "p", ""} << "" << "" << "";
    }
    void saveChecksRunInEachScreensOrder()
    {
        QFETCH(QString, item);
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        QFETCH(QString, cut);
        const bool kpa = item == "mnu_kpa";
        const QString table = kpa ? "cmmi_kpas" : "cmmi_docs";
        Screen *screen = openByMenu(item);
        const int before = count(table);
        save(screen, {"cmb_goal_id", "cmb_practice_id", kpa ? "cmb_subpractice_id" : "cmb_docs_id", "txt_goal_desc",
                      "Txt_practice_desc", kpa ? "txt_subpractice_desc" : "txt_docs_desc"}, texts);
        QCOMPARE(app->messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(count(table), before + (message.isEmpty() ? 1 : 0));
        QCOMPARE(QApplication::focusWidget()->objectName(), focus.isEmpty() ? QString("cmd_save") : focus);
        if (!cut.isEmpty())
            QCOMPARE(FieldText::text(screen->findChild<QWidget *>(cut.section('=', 0, 0))), cut.section('=', 1));
    }

    void saveRewritesTheRowFoundOrAddsOne()
    {
        // An older file's GG rows may hold NULL for the subpractice id: an empty id finds them.
        app->rows("update cmmi_kpas set vx_subpractice_id = NULL where vx_goal_id like 'GG%'");
        frm_gaps *f = open<frm_gaps>("mnu_kpa");
        f->LV_cmmi->LV_ColumnClick(4); // goal description
        const int rows = count("cmmi_kpas");
        const QString text = QString::fromUtf8("It's \"Ü\" 組織 ") + QString(300, 'x');
        save(f, {"txt_goal_desc", "Txt_practice_desc"}, {text, "p"});
        QCOMPARE(count("cmmi_kpas"), rows);
        QCOMPARE(app->value("select vx_goal_desc from cmmi_kpas where vx_kpa like '%(CM)' and vx_practice_id='GP2.1'").toString(),
                 text.left(255));
        // Only the saved row: the goal's other rows keep theirs.
        QCOMPARE(app->value("select count(*) from cmmi_kpas where vx_goal_desc = ?", {text.left(255)}).toInt(), 1);
        const QStringList sorted = f->LV_cmmi->columnTexts(4);
        QVERIFY(std::is_sorted(sorted.begin(), sorted.end(), NaturalOrder::less));
        // A new subpractice id is a new row; the selectors are not refilled.
        save(f, {"cmb_subpractice_id"}, {"GP2.1.1"});
        QCOMPARE(count("cmmi_kpas"), rows + 1);
        QCOMPARE(f->LV_cmmi->lineCount(), rows + 1);
        QCOMPARE(f->cmb_subpractice_id->count(), 0);
        QVERIFY(app->messages.shown.isEmpty());
    }

    void genericGoalsSaveTheirOwnPair_data()
    {
        QTest::addColumn<QStringList>("texts"); // goal id, practice id, goal description, practice description
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("focus");
        QTest::newRow("both ids blank") << QStringList{" ", "", "g", "p"} << "Generic Goal Id is blank" << "cmb_ggid";
        QTest::newRow("long id not cut")
            << QStringList{"GG3", "GP12345678 ", "g", "p"} << "Practice Id can not have more than 10 characters" << "cmb_practice_id";
        QTest::newRow("empty description") << QStringList{"GG3", "GP3.1", "", "p"} << "Generic Goal Description is blank"
                                           << "txt_goal_desc";
        QTest::newRow("blanks are a description") << QStringList{"GG3", "GP3.1", "g", "  "} << "" << "";
    }
    void genericGoalsSaveTheirOwnPair()
    {
        QFETCH(QStringList, texts);
        QFETCH(QString, message);
        QFETCH(QString, focus);
        // The same practice id under two goals: each pair shows and keeps its own description.
        app->rows("insert into cmmi_ggs values ('GG3', 'Defined', 'GP1.1', 'Under GG3')");
        frm_ggs *f = open<frm_ggs>("mnu_ggs");
        QCOMPARE(f->cmb_ggid->currentText(), QString("GG1"));
        pick(f->cmb_ggid, "GG3");
        QCOMPARE(f->Txt_practice_desc->toPlainText(), QString("Under GG3"));
        pick(f->cmb_ggid, "GG1");
        save(f, {"txt_goal_desc"}, {"Achieve"});
        QCOMPARE(app->value("select vx_practice_desc from cmmi_ggs where vx_goal_id='GG3' and vx_practice_id='GP1.1'").toString(),
                 QString("Under GG3"));

        const int rows = count("cmmi_ggs");
        save(f, {"cmb_ggid", "cmb_practice_id", "txt_goal_desc", "Txt_practice_desc"}, texts);
        QCOMPARE(app->messages.texts(), message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(f->cmb_practice_id->currentText(), texts[1]);
        QCOMPARE(count("cmmi_ggs"), rows);
        if (message.isEmpty())
            QCOMPARE(app->value("select vx_practice_desc from cmmi_ggs where vx_practice_id = ?", {texts[1]}), QVariant(texts[3]));
        else
            QCOMPARE(QApplication::focusWidget()->objectName(), focus);
    }
};

QTEST_MAIN(tst_ModelMasters)
#include "tst_modelmasters.moc"
