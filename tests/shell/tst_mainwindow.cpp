#include "TestApp.h"

#include "shell/ChosenOrganization.h"
#include "shell/Screen.h"
#include "shell/mdi_main.h"

#include <QtTest>

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

// The frame: the menu tree, the organization guard, one screen of each kind, Exit, help.
class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        app = std::make_unique<TestApp>();
        window = app->mainWindow();
        QVERIFY(window);
    }
    void cleanup()
    {
        window.reset();
        app.reset();
    }

    void menuTree()
    {
        QCOMPARE(window->windowTitle(), QString("CMMi Assessment Tool - Veltrix"));
        QStringList tree;
        for (QAction *top : window->menuBar()->actions()) {
            tree << top->text();
            for (QAction *item : top->menu() ? top->menu()->actions() : QList<QAction *>()) {
                if (!item->isSeparator() && !item->objectName().isEmpty())
                    tree << "  " + item->objectName() + " " + item->text();
            }
        }
        QCOMPARE(tree, QStringList({"&File", "  mnu_kpa KPA Master", "  mnu_ggs Generic Goals Master",
                                    "  mnu_docs Work Products Master", "  mnu_proc_docs Organizational Process Assets",
                                    "  mnuexit E&xit", "Gap Analysis", "  mnu_gg_gaps Generic Goals Gap Analysis",
                                    "  mnu_pract_gaps Practice Gaps Analysis", "  mnu_doc_gaps Work product Gaps Analysis",
                                    "&Tools", "  mnu_gap_analysis Select Organization for Gaps analysis", "  setup &Setup",
                                    "  backup &Backup && Restore", "&Reports", "&Window", "Help", "  mnuUsrGd User Guide",
                                    "  mnuAbtUs About Us"}));
        QCOMPARE(window->findChild<QAction *>("mnuUsrGd")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void itemsAndTheirGuard_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<bool>("guarded");
        QTest::addColumn<QString>("title");
        QTest::newRow("assets") << "mnu_proc_docs" << true << "Maintain Organizational Process Assets";
        QTest::newRow("gg gaps") << "mnu_gg_gaps" << true << "Generic Goals Gaps Analysis for O'Brien & Sons";
        QTest::newRow("practice gaps") << "mnu_pract_gaps" << true << "Practice Gaps Analysis for O'Brien & Sons";
        QTest::newRow("wp gaps") << "mnu_doc_gaps" << true << "Work Products Gaps Analysis for O'Brien & Sons";
        QTest::newRow("reports") << "mnuReports" << true << "Reports Form";
        QTest::newRow("kpa") << "mnu_kpa" << false << "Maintain KPA Master";
        QTest::newRow("organization") << "mnu_gap_analysis" << false << "Veltrix";
        QTest::newRow("setup") << "setup" << false << "CompanyDetails";
        QTest::newRow("backup") << "backup" << false << "Database Backup";
        QTest::newRow("about") << "mnuAbtUs" << false << "About Veltrix";
    }
    void itemsAndTheirGuard()
    {
        QFETCH(QString, item);
        QFETCH(bool, guarded);
        QFETCH(QString, title);
        QVERIFY(triggerAction(window.get(), item));
        if (guarded) {
            QCOMPARE(app->messages.texts(), QStringList{mdi_main::guardMessage()});
            QCOMPARE(app->messages.shown[0].caption, QString("CMMi"));
            QVERIFY(window->mdiArea()->subWindowList().isEmpty());
            // The guard reads the choice anew at every use.
            ChosenOrganization::setSelectedCoid("O'Brien & Sons");
            QVERIFY(triggerAction(window.get(), item));
        }
        QCOMPARE(window->mdiArea()->subWindowList().size(), 1);
        QCOMPARE(window->mdiArea()->subWindowList()[0]->windowTitle(), title);
        QCOMPARE(app->messages.shown.size(), guarded ? 1 : 0);
    }

    void oneScreenOfEachKind()
    {
        QVERIFY(triggerAction(window.get(), "mnu_kpa"));
        Screen *kpa = window->screen("kpa");
        QVERIFY(triggerAction(window.get(), "mnu_ggs"));
        QVERIFY(triggerAction(window.get(), "mnu_kpa"));
        QCOMPARE(window->mdiArea()->subWindowList().size(), 2);
        QCOMPARE(window->mdiArea()->currentSubWindow()->widget(), kpa);

        // The Window menu lists the open screens and brings the chosen one forward.
        auto *list = window->findChild<QMenu *>("mnuwindow");
        emit list->aboutToShow();
        QCOMPARE(list->actions().last()->text(), QString("&2 Maintain Generic Goals Master"));
        list->actions().last()->trigger();
        QCOMPARE(window->mdiArea()->currentSubWindow()->windowTitle(), QString("Maintain Generic Goals Master"));
    }

    void exitClosesScreensOneByOneThenEnds()
    {
        for (const char *item : {"mnu_kpa", "mnu_gap_analysis", "setup"})
            QVERIFY(triggerAction(window.get(), item));
        for (int open = 3; open >= 0; --open) {
            QCOMPARE(window->mdiArea()->subWindowList().size(), open);
            QVERIFY(window->isVisible());
            QVERIFY(triggerAction(window.get(), "mnuexit"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        }
        QVERIFY(!window->isVisible());
    }

    void closingTheMainWindowClosesEveryScreen()
    {
        QVERIFY(triggerAction(window.get(), "mnu_kpa"));
        QVERIFY(triggerAction(window.get(), "mnu_gap_analysis"));
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(window->mdiArea()->subWindowList().isEmpty());
    }

    void userGuide()
    {
        QVERIFY(triggerAction(window.get(), "mnuUsrGd"));
        auto *help = window->findChild<QWidget *>("help");
        QVERIFY(help && help->isVisible());
        QVERIFY(help->findChild<QTextBrowser *>()->toPlainText().contains("Contents"));
        help->close();
        QVERIFY(app->messages.shown.isEmpty());

        QVERIFY(QFile::remove(app->dir() + "/veltrix.HLP"));
        QVERIFY(triggerAction(window.get(), "mnuUsrGd"));
        QCOMPARE(app->messages.shown.size(), 1);
        QVERIFY(app->messages.shown[0].text.contains("veltrix.HLP"));
        QVERIFY(!help->isVisible());
    }

private:
    std::unique_ptr<TestApp> app;
    std::unique_ptr<mdi_main> window;
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
