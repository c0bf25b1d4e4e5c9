#include "FixtureTest.h"
#include "PdfFile.h"

#include "reports/ReportCommandLine.h"

#include <QtTest>

#include <QTextStream>

// veltrix --report TYPE [--organization NAME] --pdf FILE, run inside the test's program folder.
class tst_ReportCommandLine : public FixtureTest
{
    Q_OBJECT

    bool wantsWindow() const override { return false; }

private slots:
    void exitStatus_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("message");
        const QString org = QStringLiteral("O'Brien & Søn Дельта");
        QTest::newRow("all KPAs") << QStringList{"--report", "List of All KPAs", "--pdf", "out.pdf"} << 0 << "";
        QTest::newRow("assets") << QStringList{"--report", "Organizational Process Assets", "--organization", org, "--pdf", "out.pdf"}
                                << 0 << "";
        QTest::newRow("unknown type") << QStringList{"--report", "All KPAs", "--pdf", "out.pdf"} << 2
                                      << "Unknown report type \"All KPAs\"";
        QTest::newRow("prepared first") << QStringList{"--report", "Practice Gaps", "--organization", org, "--pdf", "out.pdf"}
                                        << 0 << "";
        QTest::newRow("generic goals gaps") << QStringList{"--report", "Generic Goals Gaps", "--organization", org, "--pdf", "out.pdf"}
                                            << 0 << "";
        QTest::newRow("organization missing") << QStringList{"--report", "Organizational Process Assets", "--pdf", "out.pdf"}
                                              << 2 << "--organization NAME";
        QTest::newRow("unknown organization")
            << QStringList{"--report", "Organizational Process Assets", "--organization", "O'Brien", "--pdf", "out.pdf"} << 2
            << "Unknown organization \"O'Brien\"";
        QTest::newRow("no PDF named") << QStringList{"--report", "List of All KPAs"} << 2 << "--pdf FILE";
        QTest::newRow("unwritable file") << QStringList{"--report", "List of All KPAs", "--pdf", "no such folder/out.pdf"} << 1
                                         << "cannot be written";
        QTest::newRow("stray argument") << QStringList{"--report", "List of All KPAs", "--pdf", "out.pdf", "--", "extra"} << 2
                                     << "Unexpected argument";
    }
    void exitStatus()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QFETCH(QString, message);
        app->rows("insert into vx_gaps_sgs (vx_coid) values (?)", {QStringLiteral("O'Brien & Søn Дельта")});
        QDir::setCurrent(app->dir());
        QString errors;
        QTextStream stream(&errors);
        QCOMPARE(ReportCommandLine::run(QStringList{"veltrix"} + arguments, stream), status);
        QVERIFY2(errors.contains(message), qPrintable(errors));
        const QString pdf = QDir(app->dir()).filePath("out.pdf");
        QCOMPARE(QFile::exists(pdf), status == 0);
        if (status == 0) {
            QVERIFY(errors.isEmpty());
            QVERIFY(PdfFile::pages(pdf) >= 1);
            QVERIFY(PdfFile::text(pdf).contains(arguments[1]));
            // The preparation ran before the report read the file.
            QCOMPARE(app->value("select count(*) from vx_gaps_ggs").toInt() > 0, arguments[1] == "Generic Goals Gaps");
            if (arguments[1] == "Practice Gaps")
                QCOMPARE(app->value("select count(*) from cmmi_kpas where coalesce(vx_how_met, '') <> 'Not Met At All'").toInt(), 0);
        }
    }

    void missingDatabaseFails()
    {
        QFile::remove(app->databasePath());
        QDir::setCurrent(app->dir());
        QString errors;
        QTextStream stream(&errors);
        QCOMPARE(ReportCommandLine::run({"veltrix", "--report", "List of All KPAs", "--pdf", "out.pdf"}, stream), 1);
        QVERIFY2(errors.contains("is missing"), qPrintable(errors));
        QVERIFY(!QFile::exists(app->databasePath()));
    }
};

QTEST_MAIN(tst_ReportCommandLine)
#include "tst_reportcommandline.moc"
