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
        window = std::make_unique<mdi_main>();
        QVERIFY(window->Form_Load());
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup()
    {
        window.reset();
        app.reset();
    }

    void menuTree()
    {
        QCOMPARE(window->windowTitle(), QString("CMMi Assessment Tool - Veltrix"));
        QStringList bar;
        for (QAction *a : window->menuBar()->actions())
            bar << a->text() + "=" + (a->menu() ? a->menu()->objectName() : a->objectName());
        QCOMPARE(bar, QStringList({"&File=mnuFile", "Gap Analysis=mnu_gaps", "&Tools=tools", "&Reports=mnuReports",
                                   "&Window=mnuwindow", "Help=mnuhlp"}));
        const QList<std::pair<QString, QStringList>> menus = {
            {"mnuFile", {"mnu_kpa=KPA Master", "mnu_ggs=Generic Goals Master", "mnu_docs=Work Products Master",
                         "mnu_proc_docs=Organizational Process Assets", "mnuexit=E&xit"}},
            {"mnu_gaps", {"mnu_gg_gaps=Generic Goals Gap Analysis", "mnu_pract_gaps=Practice Gaps Analysis",
                          "mnu_doc_gaps=Work product Gaps Analysis"}},
            {"tools", {"mnu_gap_analysis=Select Organization for Gaps analysis", "setup=&Setup", "backup=&Backup && Restore"}},
            {"mnuhlp", {"mnuUsrGd=User Guide", "mnuAbtUs=About Us"}}};
        for (const auto &[name, items] : menus) {
            QStringList found;
            for (QAction *a : window->findChild<QMenu *>(name)->actions()) {
                if (!a->isSeparator())
                    found << a->objectName() + "=" + a->text();
            }
            QCOMPARE(found, items);
        }
        QCOMPARE(window->findChild<QAction *>("mnuUsrGd")->shortcut(), QKeySequence(Qt::Key_F1));
    }

    void guardedItems_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("title");
        QTest::newRow("process assets") << "mnu_proc_docs" << "Maintain Organizational Process Assets";
        QTest::newRow("generic goal gaps") << "mnu_gg_gaps" << "Generic Goals Gaps Analysis for O'Brien & Sons";
        QTest::newRow("practice gaps") << "mnu_pract_gaps" << "Practice Gaps Analysis for O'Brien & Sons";
        QTest::newRow("work product gaps") << "mnu_doc_gaps" << "Work Products Gaps Analysis for O'Brien & Sons";
        QTest::newRow("reports") << "mnuReports" << "Reports Form";
    }
    void guardedItems()
    {
        QFETCH(QString, item);
        QFETCH(QString, title);
        QVERIFY(triggerAction(window.get(), item));
        QCOMPARE(app->messages.shown.size(), 1);
        QCOMPARE(app->messages.shown[0].text, mdi_main::guardMessage());
        QCOMPARE(app->messages.shown[0].caption, QString("CMMi"));
        QCOMPARE(app->messages.shown[0].icon, Messages::Icon::Information);
        QCOMPARE(openTitles(), QStringList());

        ChosenOrganization::setSelectedCoid("O'Brien & Sons");
        QVERIFY(triggerAction(window.get(), item));
        QCOMPARE(app->messages.shown.size(), 1);
        QCOMPARE(openTitles(), QStringList{title});

        // The guard reads the choice anew at every use.
        ChosenOrganization::setSelectedCoid(QString());
        window->mdiArea()->closeAllSubWindows();
        QVERIFY(triggerAction(window.get(), item));
        QCOMPARE(app->messages.shown.size(), 2);
    }

    void unguardedItemsOpenWithoutOrganization_data()
    {
        QTest::addColumn<QString>("item");
        QTest::addColumn<QString>("title");
        QTest::newRow("kpa") << "mnu_kpa" << "Maintain KPA Master";
        QTest::newRow("ggs") << "mnu_ggs" << "Maintain Generic Goals Master";
        QTest::newRow("docs") << "mnu_docs" << "Work Products Master";
        QTest::newRow("organization") << "mnu_gap_analysis" << "Veltrix";
        QTest::newRow("setup") << "setup" << "CompanyDetails";
        QTest::newRow("backup") << "backup" << "Database Backup";
        QTest::newRow("about") << "mnuAbtUs" << "About Veltrix";
    }
    void unguardedItemsOpenWithoutOrganization()
    {
        QFETCH(QString, item);
        QFETCH(QString, title);
        QVERIFY(triggerAction(window.get(), item));
        QCOMPARE(openTitles(), QStringList{title});
        QVERIFY(app->messages.shown.isEmpty());
    }

    void oneScreenOfEachKind()
    {
        QVERIFY(triggerAction(window.get(), "mnu_kpa"));
        Screen *kpa = window->screen("kpa");
        QVERIFY(kpa);
        QVERIFY(triggerAction(window.get(), "mnu_ggs"));
        QCOMPARE(window->mdiArea()->currentSubWindow()->windowTitle(), QString("Maintain Generic Goals Master"));
        QVERIFY(triggerAction(window.get(), "mnu_kpa"));
        QCOMPARE(window->mdiArea()->subWindowList().size(), 2);
        QCOMPARE(window->screen("kpa"), kpa);
        QCOMPARE(window->mdiArea()->currentSubWindow()->widget(), kpa);

        // The Window menu lists the open screens and brings the chosen one forward.
        QMenu *list = window->findChild<QMenu *>("mnuwindow");
        emit list->aboutToShow();
        QStringList entries;
        for (QAction *a : list->actions()) {
            if (a->isCheckable())
                entries << a->text();
        }
        QCOMPARE(entries, QStringList({"&1 Maintain KPA Master", "&2 Maintain Generic Goals Master"}));
        list->actions().last()->trigger();
        QCOMPARE(window->mdiArea()->currentSubWindow()->windowTitle(), QString("Maintain Generic Goals Master"));
    }

    void exitClosesScreensOneByOneThenEnds()
    {
        for (const char *item : {"mnu_kpa", "mnu_gap_analysis", "setup"})
            QVERIFY(triggerAction(window.get(), item));
        for (int open = 3; open > 0; --open) {
            QCOMPARE(visibleScreens(), open);
            QVERIFY(triggerAction(window.get(), "mnuexit"));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QCOMPARE(visibleScreens(), open - 1);
            QVERIFY(window->isVisible());
        }
        QVERIFY(triggerAction(window.get(), "mnuexit"));
        QVERIFY(!window->isVisible());
    }

    void closingTheMainWindowClosesEveryScreen()
    {
        QVERIFY(triggerAction(window.get(), "mnu_kpa"));
        QVERIFY(triggerAction(window.get(), "mnu_gap_analysis"));
        QVERIFY(window->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(visibleScreens(), 0);
        QVERIFY(!window->isVisible());
    }

    void userGuide()
    {
        QVERIFY(triggerAction(window.get(), "mnuUsrGd"));
        auto *help = window->findChild<QWidget *>("help");
        QVERIFY(help && help->isVisible());
        QVERIFY(help->findChild<QTextBrowser *>()->toPlainText().contains("Contents"));
        QVERIFY(app->messages.shown.isEmpty());
        help->close();

        QVERIFY(QFile::remove(app->dir() + "/veltrix.HLP"));
        QVERIFY(triggerAction(window.get(), "mnuUsrGd"));
        QCOMPARE(app->messages.shown.size(), 1);
        QVERIFY(app->messages.shown[0].text.contains("veltrix.HLP"));
        QVERIFY(!help->isVisible());
    }

private:
    QStringList openTitles() const
    {
        QStringList titles;
        for (QMdiSubWindow *w : window->mdiArea()->subWindowList())
            titles << w->windowTitle();
        return titles;
    }
    int visibleScreens() const
    {
        int n = 0;
        for (QMdiSubWindow *w : window->mdiArea()->subWindowList())
            n += w->isVisible() ? 1 : 0;
        return n;
    }

    std::unique_ptr<TestApp> app;
    std::unique_ptr<mdi_main> window;
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
