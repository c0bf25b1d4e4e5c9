// Figures for the report engine: every report on the delivered model and on the stress file
// (the model ten times over, 200 organizations), from the database to pages on screen and to a
// PDF file; and each preparation step beside the record-by-record copy it replaced.
#include "Median.h"
#include "StressFile.h"
#include "data/Records.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPreparation.h"
#include "reports/ReportTypes.h"
#include "reports/ReportViewer.h"
#include "shell/AppPaths.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

namespace {

QTextStream out(stdout);

double ms(const QElapsedTimer &t)
{
    return t.nsecsElapsed() / 1e6;
}

struct Run
{
    double read = 0;
    double layout = 0;
    double screen = 0;
    double pdf = 0;
    int pages = 0;
};

Run once(const ReportRequest &request, const QString &pdfPath)
{
    Run run;
    QString error;
    QElapsedTimer t;
    t.start();
    const std::unique_ptr<Report> report = ReportEngine::generate(request, &error);
    run.read = ms(t);
    if (!report) {
        out << "  failed: " << error << "\n";
        return run;
    }
    t.restart();
    const ReportPages *pages = report->pages(report->defaultPageLayout());
    run.layout = ms(t);
    run.pages = pages ? pages->count() : 0;

    // What the user waits for on screen: the pages drawn into the viewer (the layout is
    // already made, as it is by the time the viewer asks).
    ReportViewer viewer;
    viewer.resize(1000, 700);
    viewer.show();
    t.restart();
    viewer.setReport(report.get());
    QCoreApplication::processEvents();
    run.screen = ms(t);
    viewer.clear();

    t.restart();
    report->writePdf(pdfPath, report->defaultPageLayout(), &error);
    run.pdf = ms(t);
    return run;
}

void measure(const QString &what, const ReportRequest &request, const QString &pdfPath, int runs)
{
    QList<Run> all;
    for (int i = 0; i < runs; ++i)
        all << once(request, pdfPath);
    std::sort(all.begin(), all.end(), [](const Run &a, const Run &b) { return a.read + a.layout + a.screen < b.read + b.layout + b.screen; });
    const Run &m = all[all.size() / 2];
    const double onScreen = m.read + m.layout + m.screen;
    out << what << " (" << m.pages << " pages, median of " << runs << "):\n"
        << "  read (own read-only connection, closed after): " << qRound(m.read) << " ms\n"
        << "  layout: " << qRound(m.layout) << " ms\n"
        << "  pages drawn into the viewer: " << qRound(m.screen) << " ms\n"
        << "  on screen in all: " << qRound(onScreen) << " ms, " << qRound(m.pages / (onScreen / 1000)) << " pages/s\n"
        << "  PDF file: " << qRound(m.pdf) << " ms, " << qRound(m.pages / (m.pdf / 1000)) << " pages/s, "
        << QFileInfo(pdfPath).size() / 1024 << " KiB\n";
    out.flush();
}

// The preparation as it was first written: reset, then for each of the organization's records
// a look-up statement built and run for that record and, when a model row is found, an update
// of that row. Values are bound; the statements are still made and run one record at a time.
void copyPerRecord(QSqlDatabase &db, const QString &model, const QString &gaps, const QString &id, const QString &ref,
                   const QString &organization)
{
    QSqlQuery(db).exec(QStringLiteral("update %1 set vx_how_met = 'Not Met At All', %2 = NULL").arg(model, ref));
    QSqlQuery read(db);
    read.prepare(QStringLiteral("select * from %1 where vx_coid = ?").arg(gaps));
    read.addBindValue(organization);
    read.exec();
    QList<QSqlRecord> records;
    while (read.next())
        records << read.record();
    read.finish();
    for (const QSqlRecord &r : records) {
        QSqlQuery find(db);
        find.prepare(QStringLiteral("select rowid from %1 where (vx_level = ?) and (vx_kpa = ?) and (vx_goal_id = ?) and "
                                    "(vx_practice_id = ?) and (%2 = ?)").arg(model, id));
        for (const char *key : {"vx_level", "vx_kpa", "vx_goal_id", "vx_practice_id"})
            find.addBindValue(r.value(QLatin1String(key)));
        find.addBindValue(r.value(id));
        if (!find.exec() || !find.next())
            continue;
        const QVariant row = find.value(0);
        find.finish();
        QSqlQuery save(db);
        save.prepare(QStringLiteral("update %1 set %2 = ?, vx_how_met = ? where rowid = ?").arg(model, ref));
        const QVariant how = r.value(QStringLiteral("vx_how_met"));
        save.addBindValue(r.value(ref));
        save.addBindValue(how.isNull() ? QVariant(QStringLiteral("Not Met At All")) : how);
        save.addBindValue(row);
        save.exec();
    }
}

void genericPerRecord(QSqlDatabase &db, const QString &organization)
{
    QSqlQuery read(db);
    read.exec(QStringLiteral("select * from cmmi_ggs"));
    QList<QSqlRecord> practices;
    while (read.next())
        practices << read.record();
    read.finish();
    for (const QSqlRecord &g : practices) {
        QSqlQuery find(db);
        find.prepare(QStringLiteral("select * from vx_gaps_ggs where (vx_coid = ?) and (vx_goal_id = ?) and (vx_practice_id = ?)"));
        find.addBindValue(organization);
        find.addBindValue(g.value(QStringLiteral("vx_goal_id")));
        find.addBindValue(g.value(QStringLiteral("vx_practice_id")));
        if (!find.exec() || find.next())
            continue;
        find.finish();
        QSqlQuery add(db);
        add.prepare(QStringLiteral("insert into vx_gaps_ggs (vx_coid, vx_goal_id, vx_practice_id, vx_how_met) values (?, ?, ?, ?)"));
        add.addBindValue(organization);
        add.addBindValue(g.value(QStringLiteral("vx_goal_id")));
        add.addBindValue(g.value(QStringLiteral("vx_practice_id")));
        add.addBindValue(QStringLiteral("Not Met At All"));
        add.exec();
    }
}

// Both ways run inside a transaction that is rolled back, so every run starts from the same
// tables (the record-by-record copy even gets the one transaction it never had).
void measurePreparation(const QString &where, const QString &database, const QString &organization, int runs,
                        bool committingEach)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("bench"));
        db.setDatabaseName(database);
        db.open();
        const Records records(db, [](const QString &what, const QSqlError &e) { out << "  failed: " << what << e.text() << "\n"; });
        const auto rolledBack = [&](const auto &work) {
            return medianMs(runs, [&] {
                QSqlQuery(db).exec(QStringLiteral("begin"));
                work();
                QSqlQuery(db).exec(QStringLiteral("rollback"));
            });
        };
        const ReportPreparation preparation(records);
        struct Step
        {
            const char *name;
            std::function<void()> setBased;
            std::function<void()> perRecord;
        };
        const QString newcomer = QStringLiteral("Newcomer");
        const QList<Step> steps = {
            {"PrepareKpaReport", [&] { preparation.PrepareKpaReport(organization); },
             [&] { copyPerRecord(db, QStringLiteral("cmmi_kpas"), QStringLiteral("vx_gaps_sgs"), QStringLiteral("vx_subpractice_id"),
                                 QStringLiteral("vx_qms_ref"), organization); }},
            {"PrepareDocReport", [&] { preparation.PrepareDocReport(organization); },
             [&] { copyPerRecord(db, QStringLiteral("cmmi_docs"), QStringLiteral("vx_gaps_docs"), QStringLiteral("vx_doc_id"),
                                 QStringLiteral("vx_doc_ref"), organization); }},
            // An organization that has answered no generic practice: every one gets its record.
            {"PrepareGgReport (nothing answered yet)", [&] { preparation.PrepareGgReport(newcomer); },
             [&] { genericPerRecord(db, newcomer); }},
        };
        for (const Step &step : steps) {
            const double fast = rolledBack(step.setBased);
            const double slow = rolledBack(step.perRecord);
            out << step.name << ", " << where << ": " << QString::number(fast, 'f', 1) << " ms set-based, "
                << QString::number(slow, 'f', 1) << " ms record by record in one transaction, "
                << QString::number(slow / fast, 'f', 1) << " times faster (median of " << runs << ")";
            // As first written, every saved row was a transaction of its own. Run once: it
            // leaves the tables as the set-based step would (the generic step is left out, as
            // its rows would stay).
            if (committingEach && !QByteArray(step.name).startsWith("PrepareGg")) {
                const double each = medianMs(1, step.perRecord);
                out << "; one commit per row: " << QString::number(each, 'f', 0) << " ms, "
                    << QString::number(each / fast, 'f', 0) << " times";
            }
            out << "\n";
            out.flush();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("bench"));
}

// Every report of one organization, prepared first as the report screen does.
void measureReports(const QString &where, const QString &dir, const QString &database, const QString &organization, int runs)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("prepare"));
        db.setDatabaseName(database);
        db.open();
        const Records records(db, [](const QString &what, const QSqlError &e) { out << "  failed: " << what << e.text() << "\n"; });
        ReportPreparation(records).PrepareKpaReport(organization);
        ReportPreparation(records).PrepareDocReport(organization);
        ReportPreparation(records).PrepareGgReport(organization);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("prepare"));
    for (const ReportTypes::Type &type : ReportTypes::all()) {
        QStringList parameters{QStringLiteral("Veltrix Consulting")};
        if (type.takesOrganization)
            parameters << organization;
        measure(type.name + QStringLiteral(", ") + where, {QDir(dir).filePath(type.fileName), database, parameters},
                QDir(dir).filePath(QStringLiteral("out.pdf")), runs);
    }
}

void copyReports(const QString &to)
{
    const QDir from(QStringLiteral(VELTRIX_SOURCE_DIR "/src/reports/rpt"));
    for (const QString &name : from.entryList({QStringLiteral("*.rpt")}, QDir::Files))
        QFile::copy(from.filePath(name), QDir(to).filePath(name));
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    copyReports(dir.path());
    AppPaths::setAppDir(dir.path());
    const QString database = dir.filePath(QStringLiteral("cmmi.mdb"));

    // The delivered model with three organizations that answered every row.
    StressFile::Counts counts;
    QString error;
    if (!StressFile::build(QStringLiteral(VELTRIX_TEMPLATE_DB), database, &counts, &error, 1, 3)) {
        out << "The delivered model could not be filled: " << error << "\n";
        return 1;
    }
    const QString one = StressFile::organizationName(2);
    measurePreparation(QStringLiteral("delivered model"), database, one, 7, true);
    measureReports(QStringLiteral("delivered model"), dir.path(), database, one, 3);

    if (!StressFile::build(QStringLiteral(VELTRIX_TEMPLATE_DB), database, &counts, &error)) {
        out << "The stress file could not be built: " << error << "\n";
        return 1;
    }
    out << counts.summary() << ", " << QFileInfo(database).size() / (1024 * 1024) << " MiB\n";
    measurePreparation(QStringLiteral("stress file"), database, StressFile::organizationName(100), 3, true);
    measureReports(QStringLiteral("stress file"), dir.path(), database, StressFile::organizationName(100), 1);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    out << "Peak memory: " << usage.ru_maxrss / 1024 << " MiB\n";
    return 0;
}
