// Figures for the report engine: "List of All KPAs" on the delivered model and on the stress
// file (the model ten times over, 200 organizations), from the database to pages on screen
// and to a PDF file.
#include "StressFile.h"
#include "reports/ReportEngine.h"
#include "reports/ReportViewer.h"
#include "shell/AppPaths.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
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
    const QString kpas = dir.filePath(QStringLiteral("rpt_kpas.rpt"));
    const QString assets = dir.filePath(QStringLiteral("rpt_org_docs.rpt"));
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));

    QFile::copy(QStringLiteral(VELTRIX_TEMPLATE_DB), database);
    QFile::setPermissions(database, QFile::ReadOwner | QFile::WriteOwner);
    measure(QStringLiteral("List of All KPAs, delivered model"), {kpas, database, {QStringLiteral("Veltrix Consulting")}}, pdf, 5);

    StressFile::Counts counts;
    QString error;
    if (!StressFile::build(QStringLiteral(VELTRIX_TEMPLATE_DB), database, &counts, &error)) {
        out << "The stress file could not be built: " << error << "\n";
        return 1;
    }
    out << "Stress file: " << counts.modelRows << " model rows, " << counts.workProducts << " work products, "
        << counts.organizations << " organizations, " << counts.gapRecords() << " gap records (" << counts.practiceRecords
        << " practice, " << counts.workProductRecords << " work product, " << counts.genericRecords << " generic), "
        << counts.assets << " process assets; built in " << QString::number(counts.seconds, 'f', 1) << " s, "
        << QFileInfo(database).size() / (1024 * 1024) << " MiB\n";
    measure(QStringLiteral("List of All KPAs, stress file"), {kpas, database, {QStringLiteral("Veltrix Consulting")}}, pdf, 3);
    measure(QStringLiteral("Organizational Process Assets, stress file, one organization"),
            {assets, database, {QStringLiteral("Veltrix Consulting"), StressFile::organizationName(100)}}, pdf, 5);

    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    out << "Peak memory: " << usage.ru_maxrss / 1024 << " MiB\n";
    return 0;
}
