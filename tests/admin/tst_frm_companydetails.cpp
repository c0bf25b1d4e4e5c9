#include "FixtureTest.h"

#include "admin/Frm_About.h"
#include "admin/Frm_CompanyDetails.h"
#include "shell/mdi_main.h"

#include <QtTest>

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

// The company row and its two readers: the company details screen and the About box.
class tst_Frm_CompanyDetails : public FixtureTest
{
    Q_OBJECT

private slots:
    void savingTwiceKeepsOneRowWithItsLineBreaks()
    {
        auto *f = company();
        QVERIFY(f->txt_companyname->text().isEmpty() && f->RTB_Address->toPlainText().isEmpty());
        QCOMPARE(f->txt_companyname->maxLength(), 50);
        type(f, "First Ltd", "1 Road");
        QTest::mouseClick(f->cmd_csave, Qt::LeftButton);
        // Enter in the address starts a new line; Enter in the name saves.
        f->txt_companyname->setText("O'Neil \"Quality\" Ltd");
        f->RTB_Address->clear();
        f->RTB_Address->setFocus();
        QTest::keyClicks(f->RTB_Address, "12 High St");
        QTest::keyClick(f->RTB_Address, Qt::Key_Return);
        QTest::keyClicks(f->RTB_Address, "Leeds");
        QCOMPARE(app->value("select count(*) from Tvxrk_companydetails"), QVariant(1));
        f->txt_companyname->setFocus();
        QTest::keyClick(f->txt_companyname, Qt::Key_Return);
        QCOMPARE(app->rows("select * from Tvxrk_companydetails"),
                 QList<QVariantList>({{"O'Neil \"Quality\" Ltd", "12 High St\nLeeds"}}));
        QVERIFY(app->messages.shown.isEmpty());
        QVERIFY(f->isVisible());

        // Read back the next time the screen opens.
        QTest::keyClick(f, Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        f = company();
        QCOMPARE(f->RTB_Address->toPlainText(), QString("12 High St\nLeeds"));
    }

    void onlyTheEmptyNameIsRefused_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("saved");
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blanks") << "   " << true;
    }
    void onlyTheEmptyNameIsRefused()
    {
        QFETCH(QString, name);
        QFETCH(bool, saved);
        app->rows("insert into Tvxrk_companydetails values ('Old', 'Old address')");
        auto *f = company();
        type(f, name, "New address");
        f->RTB_Address->setFocus();
        QTest::mouseClick(f->cmd_csave, Qt::LeftButton);
        QCOMPARE(app->messages.texts(), saved ? QStringList() : QStringList{"Company Name Can not be blank"});
        if (!saved) {
            QCOMPARE(app->messages.shown[0].caption, QString("CMMi"));
            QVERIFY(f->txt_companyname->hasFocus());
        }
        QCOMPARE(app->rows("select * from Tvxrk_companydetails"),
                 QList<QVariantList>({saved ? QVariantList{name, "New address"} : QVariantList{"Old", "Old address"}}));
    }

    void aSaveReplacesOnlyTheFirstRow()
    {
        app->rows("insert into Tvxrk_companydetails values (NULL, NULL), ('Second', 'B')");
        auto *f = company();
        QVERIFY(f->txt_companyname->text().isEmpty());
        type(f, "Third", "C");
        QTest::mouseClick(f->cmd_csave, Qt::LeftButton);
        QCOMPARE(app->rows("select * from Tvxrk_companydetails order by rowid"),
                 QList<QVariantList>({{"Second", "B"}, {"Third", "C"}}));
    }

    void aFailedSaveKeepsTheOldRow()
    {
        app->rows("insert into Tvxrk_companydetails values ('Kept', 'A')");
        app->rows("create trigger refuse before insert on Tvxrk_companydetails begin select raise(abort, 'disk full'); end");
        auto *f = company();
        type(f, "Lost?", "B");
        QTest::mouseClick(f->cmd_csave, Qt::LeftButton);
        QCOMPARE(app->messages.shown.size(), 1);
        QVERIFY(app->messages.shown[0].text.contains("disk full"));
        QCOMPARE(app->rows("select * from Tvxrk_companydetails"), QList<QVariantList>({{"Kept", "A"}}));
    }

    void aboutBox_data()
    {
        QTest::addColumn<QString>("rows");
        QTest::addColumn<QString>("companyLine");
        QTest::newRow("no company row") << "" << "";
        QTest::newRow("first row by rowid") << "('Veltrix Consulting', 'Pune'), ('Other', 'X')" << "Veltrix Consulting,  Pune";
        QTest::newRow("null address") << "('Solo', NULL)" << "Solo,  ";
        QTest::newRow("markup shown as typed") << "('<b>A&B</b>', 'x')" << "<b>A&B</b>,  x";
    }
    void aboutBox()
    {
        QFETCH(QString, rows);
        QFETCH(QString, companyLine);
        if (!rows.isEmpty())
            app->rows("insert into Tvxrk_companydetails values " + rows);
        QVERIFY(triggerAction(window.get(), "mnuAbtUs"));
        auto *about = qobject_cast<Frm_About *>(window->screen("about"));
        QVERIFY(about);
        QCOMPARE(about->windowTitle(), QString("About Veltrix"));
        QCOMPARE(about->lblProductName->text(), QString("Veltrix"));
        QCOMPARE(about->lbl_about->text(), QString("Version %1.%2").arg(VELTRIX_VERSION_MAJOR).arg(VELTRIX_VERSION_MINOR));
        QCOMPARE(about->Label4->text(), companyLine);
        QCOMPARE(about->Label4->textFormat(), Qt::PlainText);
        QVERIFY(!about->Image1->pixmap().isNull());
        QTest::mouseClick(about->Command1, Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!window->screen("about"));
    }

private:
    Frm_CompanyDetails *company()
    {
        if (!triggerAction(window.get(), "setup"))
            return nullptr;
        return qobject_cast<Frm_CompanyDetails *>(window->screen("company"));
    }
    static void type(Frm_CompanyDetails *f, const QString &name, const QString &address)
    {
        f->txt_companyname->setText(name);
        f->RTB_Address->setPlainText(address);
    }

};

QTEST_MAIN(tst_Frm_CompanyDetails)
#include "tst_frm_companydetails.moc"
