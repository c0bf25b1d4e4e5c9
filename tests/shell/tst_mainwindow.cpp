#include "FixtureTest.h"

#include "shell/ChosenOrganization.h"
#include "shell/Screen.h"
#include "shell/mdi_main.h"
#include "widgets/SaveButton.h"

#include <QtTest>

#include <QApplication>
#include <QMdiArea>
#include <QPushButton>
#include <QScreen>
#include <QSqlDatabase>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTextBrowser>

// The frame: the menu tree, the organization guard, one screen of each kind, Exit, help.
class tst_MainWindow : public FixtureTest
{
    Q_OBJECT

private slots:
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
        QTest::newRow("assets") << "mnu_proc_docs" << true;
        QTest::newRow("gg gaps") << "mnu_gg_gaps" << true;
        QTest::newRow("practice gaps") << "mnu_pract_gaps" << true;
        QTest::newRow("wp gaps") << "mnu_doc_gaps" << true;
        QTest::newRow("reports") << "mnuReports" << true;
        QTest::newRow("kpa") << "mnu_kpa" << false;
        QTest::newRow("organization") << "mnu_gap_analysis" << false;
        QTest::newRow("setup") << "setup" << false;
        QTest::newRow("backup") << "backup" << false;
        QTest::newRow("about") << "mnuAbtUs" << false;
    }
    void itemsAndTheirGuard()
    {
        QFETCH(QString, item);
        QFETCH(bool, guarded);
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

    void windowsFitTheScreen()
    {
        const QRect available = window->QWidget::screen()->availableGeometry();
        QVERIFY(available.contains(window->frameGeometry()) || available.contains(window->geometry()));
        // Every new child window lies wholly inside the workspace, however many are open.
        ChosenOrganization::setSelectedCoid("ACME");
        for (const char *item : {"mnu_kpa", "mnu_ggs", "mnu_docs", "mnu_proc_docs", "mnu_gg_gaps", "mnu_pract_gaps",
                                 "mnu_doc_gaps", "mnu_gap_analysis", "setup", "backup"}) {
            QVERIFY(triggerAction(window.get(), item));
            QMdiSubWindow *frame = window->mdiArea()->currentSubWindow();
            QVERIFY2(window->mdiArea()->viewport()->rect().contains(frame->geometry()), item);
        }
        // Where the user left it is where it opens next time.
        window->setGeometry(QRect(available.topLeft() + QPoint(30, 40), QSize(700, 500)));
        const QRect left = window->geometry();
        QVERIFY(window->close());
        settle();
        window = app->mainWindow();
        QCOMPARE(window->geometry().size(), left.size());
    }

    void reopeningAClosedScreenGivesAWorkingOne()
    {
        QVERIFY(triggerAction(window.get(), "mnu_gap_analysis"));
        Screen *first = window->screen("coid");
        const int connections = QSqlDatabase::connectionNames().size();
        first->closeScreen();
        // Chosen again before the closed one is deleted.
        QVERIFY(triggerAction(window.get(), "mnu_gap_analysis"));
        Screen *second = window->screen("coid");
        QVERIFY(second && second != first && second->isVisible() && second->connection().isOpen());
        settle();
        QCOMPARE(window->mdiArea()->subWindowList().size(), 1);
        // A closed screen's connection goes with it.
        second->closeScreen();
        settle();
        QCOMPARE(QSqlDatabase::connectionNames().size(), connections - 1);
    }

    void ctrlSSavesOnlyTheActiveScreen()
    {
        int saved[2] = {0, 0};
        QList<QMdiSubWindow *> frames;
        for (int i = 0; i < 2; ++i) {
            auto *screen = new Screen;
            auto *save = new SaveButton(screen);
            connect(save, &QPushButton::clicked, [&saved, i] { ++saved[i]; });
            frames << window->mdiArea()->addSubWindow(screen);
            frames.last()->show();
        }
        window->mdiArea()->setActiveSubWindow(frames[0]);
        frames[0]->widget()->findChild<SaveButton *>()->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(saved[0], 1);
        QCOMPARE(saved[1], 0);
    }

    void userGuide()
    {
        QVERIFY(triggerAction(window.get(), "mnuUsrGd"));
        auto *help = window->findChild<QWidget *>("help");
        QVERIFY(help && help->isVisible());
        QVERIFY(help->findChild<QTextBrowser *>()->toPlainText().contains("Contents"));
        help->close();
        QVERIFY(app->messages.shown.isEmpty());

        // A missing guide, or a file that is not one, is told; no blank window.
        for (const QByteArray &content : {QByteArray(), QByteArray("\x00\x01 not a guide", 14)}) {
            QFile::remove(app->dir() + "/veltrix.HLP");
            if (!content.isNull()) {
                QFile f(app->dir() + "/veltrix.HLP");
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(content);
            }
            app->messages.clear();
            QVERIFY(triggerAction(window.get(), "mnuUsrGd"));
            QCOMPARE(app->messages.shown.size(), 1);
            QVERIFY(app->messages.shown[0].text.contains("veltrix.HLP"));
            QVERIFY(!help->isVisible());
        }
    }
};

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"
