#include "FixtureTest.h"

#include "admin/Drives.h"
#include "admin/Frm_CompanyDetails.h"
#include "admin/frm_backup.h"
#include "admin/frm_changedir.h"
#include "gaps/Frm_coid.h"
#include "shell/mdi_main.h"

#include <QtTest>

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>

// The backup screen and its folder chooser, driven through the main window.
class tst_frm_backup : public FixtureTest
{
    Q_OBJECT

    void setUp() override
    {
        f = open<frm_backup>("backup");
        QVERIFY(f);
    }
    void tearDown() override { Drives::setSource({}); }

private slots:
    void emptyFieldsAndEnterRunTheirOwnFrame_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("message");
        QTest::newRow("backup") << "txt_destname" << "Select destination file";
        QTest::newRow("restore") << "txt_restore" << "Select restore file";
    }
    void emptyFieldsAndEnterRunTheirOwnFrame()
    {
        QFETCH(QString, field);
        QFETCH(QString, message);
        QVERIFY(!f->prog_save->isVisible());
        auto *edit = f->findChild<QLineEdit *>(field);
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(app->messages.texts(), QStringList{message});
        QCOMPARE(app->messages.shown[0].caption, QString("information"));
    }

    void roundTripWithOtherScreensOpen()
    {
        QVERIFY(triggerAction(window.get(), "mnu_gap_analysis"));
        auto *coid = qobject_cast<Frm_coid *>(window->screen("coid"));
        QVERIFY(triggerAction(window.get(), "setup"));
        auto *company = qobject_cast<Frm_CompanyDetails *>(window->screen("company"));
        QVERIFY(coid && company);

        company->txt_companyname->setText("Before Ltd");
        QTest::mouseClick(company->cmd_csave, Qt::LeftButton);

        const QString backup = app->dir() + "/mine.mdb";
        f->txt_destname->setText(backup);
        QTest::mouseClick(f->cmd_backup, Qt::LeftButton);
        QVERIFY(QFileInfo(backup).isFile());
        QVERIFY(f->txt_destname->text().isEmpty());
        QVERIFY(f->prog_save->isVisible());
        QTRY_VERIFY(!f->prog_save->isVisible());
        QCOMPARE(f->prog_save->value(), f->prog_save->minimum());

        // Work done after the backup, on the other screens' own connections.
        addOrganization(coid, "Written after the backup");
        company->txt_companyname->setText("After Ltd");
        QTest::mouseClick(company->cmd_csave, Qt::LeftButton);

        f->txt_restore->setText(backup);
        f->txt_restore->setFocus();
        QTest::keyClick(f->txt_restore, Qt::Key_Return);
        QCOMPARE(app->messages.texts(), QStringList());
        QVERIFY(f->txt_restore->text().isEmpty());
        QVERIFY(f->prog_save->isVisible());

        // Every open screen reads the restored data on its connection and can still save.
        coid->FillOrganizationList();
        QCOMPARE(coid->List1->count(), 0);
        QVERIFY(company->Form_Load());
        QCOMPARE(company->txt_companyname->text(), QString("Before Ltd"));
        addOrganization(coid, "Written after the restore");
        company->txt_companyname->setText("Restored Ltd");
        QTest::mouseClick(company->cmd_csave, Qt::LeftButton);
        QCOMPARE(app->rows("select vx_coid from vx_gaps_sgs"), QList<QVariantList>({{"Written after the restore"}}));
        QCOMPARE(app->value("select fvx_rk_companyname from Tvxrk_companydetails"), QVariant("Restored Ltd"));
        QCOMPARE(app->messages.texts(), QStringList());
        QCOMPARE(QDir(app->dir()).entryList({"cmmi-before-restore-*.mdb"}).size(), 1);
    }

    void failuresAreReportedAndKeepTheField_data()
    {
        QTest::addColumn<bool>("restore");
        QTest::addColumn<QString>("path");
        QTest::addColumn<QString>("message");
        QTest::newRow("backup into a missing folder") << false << "/no/such/folder/cmmi.mdb" << "The backup was not made: ";
        QTest::newRow("restore from the live file") << true << "LIVE" << "Nothing was restored: ";
    }
    void failuresAreReportedAndKeepTheField()
    {
        QFETCH(bool, restore);
        QFETCH(QString, path);
        QFETCH(QString, message);
        if (path == "LIVE")
            path = app->dir() + "/cmmi.mdb";
        QLineEdit *field = restore ? f->txt_restore : f->txt_destname;
        field->setText(path);
        QTest::mouseClick(restore ? f->cmd_restore : f->cmd_backup, Qt::LeftButton);
        QCOMPARE(app->messages.shown.size(), 1);
        QVERIFY(app->messages.shown[0].text.startsWith(message));
        QCOMPARE(field->text(), path);
        QVERIFY(!f->prog_save->isVisible());
    }

    void chooserPathRulesInBothModes()
    {
        const QString data = useDrives({"data"}).first();
        QDir(data).mkpath("projects");
        touch(data + "/projects/old backup.mdb");
        f->txt_restore->setText("kept");

        // Backup mode: the folder's cmmi.mdb; a drive root too.
        QTest::mouseClick(f->cmd_browse_backup, Qt::LeftButton);
        frm_changedir *c = f->chooser();
        QVERIFY(c && c->isVisible() && c->isWindow());
        QCOMPARE(c->windowTitle(), QString("Select Folder"));
        QVERIFY(!c->File1->isVisible() && !c->lbl_file->isVisible());
        QCOMPARE(c->txt_destname->text(), QString());
        c->showFolder(data + "/projects");
        QCOMPARE(c->txt_destname->text(), data + "/projects/cmmi.mdb");
        QCOMPARE(frm_changedir::databaseIn("/"), QString("/cmmi.mdb"));
        QTest::mouseClick(c->cmd_ok, Qt::LeftButton);
        QTRY_VERIFY(!f->chooser());
        QCOMPARE(f->txt_destname->text(), data + "/projects/cmmi.mdb");

        // Restore mode: a folder alone leaves the path; a clicked file is the file used.
        QTest::mouseClick(f->cmd_browse_restore, Qt::LeftButton);
        c = f->chooser();
        QVERIFY(c->File1->isVisible() && c->lbl_file->isVisible());
        c->showFolder(data + "/projects");
        QCOMPARE(c->txt_destname->text(), QString());
        const auto *files = static_cast<QFileSystemModel *>(c->File1->model());
        c->File1_Click(files->index(data + "/projects/old backup.mdb"));
        QCOMPARE(c->txt_destname->text(), data + "/projects/old backup.mdb");
        // The other Browse switches the open chooser; the path stays.
        QTest::mouseClick(f->cmd_browse_backup, Qt::LeftButton);
        QCOMPARE(f->chooser(), c);
        QVERIFY(!c->File1->isVisible());
        QTest::mouseClick(f->cmd_browse_restore, Qt::LeftButton);
        QVERIFY(c->File1->isVisible());
        QCOMPARE(c->txt_destname->text(), data + "/projects/old backup.mdb");
        QTest::mouseClick(c->cmd_ok, Qt::LeftButton);
        QCOMPARE(f->txt_restore->text(), data + "/projects/old backup.mdb");
        QCOMPARE(f->txt_destname->text(), data + "/projects/cmmi.mdb");

        // A typed path goes over as typed; Cancel empties the destination in either mode.
        QTest::mouseClick(f->cmd_browse_restore, Qt::LeftButton);
        c = f->chooser();
        c->txt_destname->setText(" typed/by hand ");
        QTest::keyClick(c->txt_destname, Qt::Key_Return);
        QCOMPARE(f->txt_restore->text(), QString(" typed/by hand "));
        QTest::mouseClick(f->cmd_browse_restore, Qt::LeftButton);
        QTest::mouseClick(f->chooser()->cmd_cancel, Qt::LeftButton);
        QCOMPARE(f->txt_destname->text(), QString());
        QCOMPARE(f->txt_restore->text(), QString(" typed/by hand "));
    }

    void chooserMessages()
    {
        const QStringList drives = useDrives({"first", "second"});
        QTest::mouseClick(f->cmd_browse_backup, Qt::LeftButton);
        frm_changedir *c = f->chooser();
        QCOMPARE(c->Drive1->count(), 2);

        c->txt_destname->clear();
        QTest::mouseClick(c->cmd_ok, Qt::LeftButton);
        QCOMPARE(app->messages.texts(), QStringList{"select the Destination Path"});
        QCOMPARE(app->messages.shown[0].caption, QString("information"));
        QVERIFY(c->isVisible());

        // A volume that is not there when chosen: back to the first drive.
        QVERIFY(QDir(drives[1]).removeRecursively());
        app->messages.clear();
        c->Drive1->setCurrentIndex(1);
        emit c->Drive1->activated(1);
        QCOMPARE(app->messages.texts(), QStringList{"Wrong Drive Selected"});
        QCOMPARE(c->Drive1->currentIndex(), 0);
        QCOMPARE(c->txt_destname->text(), drives[0] + "/cmmi.mdb");

        // Gone by the time of Ok: the chooser stays and nothing is handed over.
        QVERIFY(QDir(drives[0]).removeRecursively());
        app->messages.clear();
        QTest::mouseClick(c->cmd_ok, Qt::LeftButton);
        QCOMPARE(app->messages.texts(), QStringList{"Invalid Drive Selected"});
        QVERIFY(c->isVisible());
        QCOMPARE(f->txt_destname->text(), QString());
    }

    void theChooserClosesWithItsScreenAndTheMainWindow_data()
    {
        QTest::addColumn<bool>("mainWindow");
        QTest::newRow("backup screen closed") << false;
        QTest::newRow("main window closed") << true;
    }
    void theChooserClosesWithItsScreenAndTheMainWindow()
    {
        QFETCH(bool, mainWindow);
        useDrives({"data"});
        QTest::mouseClick(f->cmd_browse_restore, Qt::LeftButton);
        QPointer<frm_changedir> c = f->chooser();
        QVERIFY(c && c->isVisible());
        if (mainWindow)
            QVERIFY(window->close());
        else
            QTest::mouseClick(f->Command1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!c);
    }

private:
    // Folders of the test's own as the drive list.
    QStringList useDrives(const QStringList &names)
    {
        QStringList roots;
        for (const QString &name : names) {
            QDir(app->dir()).mkdir(name);
            roots << app->dir() + "/" + name;
        }
        Drives::setSource([roots] { return roots; });
        return roots;
    }
    static void touch(const QString &path)
    {
        QFile file(path);
        file.open(QIODevice::WriteOnly);
    }
    static void addOrganization(Frm_coid *coid, const QString &name)
    {
        QTest::mouseClick(coid->newopt, Qt::LeftButton);
        coid->txt_coid->setText(name);
        QTest::mouseClick(coid->cmd_save, Qt::LeftButton);
    }

    frm_backup *f = nullptr;
};

QTEST_MAIN(tst_frm_backup)
#include "tst_frm_backup.moc"
