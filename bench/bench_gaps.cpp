// Figures for the three gap grids on the stress file (the model ten times over, 200 organizations
// that answered everything): the grid read as first written, one look-up per model row, beside
// the one joined statement the screens use; each screen's grid on screen; a save with its
// rebuild; peak memory.
#include "Median.h"
#include "StressFile.h"

#include "gaps/GapQueries.h"
#include "gaps/PerRowGapGrids.h"
#include "gaps/frm_docs_gaps.h"
#include "gaps/frm_gg_gaps.h"
#include "gaps/frm_practice_gaps.h"
#include "shell/AppPaths.h"
#include "shell/ChosenOrganization.h"
#include "widgets/DataGrid.h"
#include "widgets/Messages.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSqlError>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>
#include <memory>

namespace {

QTextStream out(stdout);

QString fixed(double value, int decimals = 1)
{
    return QString::number(value, 'f', decimals);
}

// The high-water mark of resident memory since the last reset, in MiB.
double peakMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    const QRegularExpressionMatch m = QRegularExpression(QStringLiteral("VmHWM:\\s+(\\d+) kB")).match(QString::fromLatin1(status.readAll()));
    return m.hasMatch() ? m.captured(1).toDouble() / 1024 : -1;
}

// Forgets the peak so far (the stress file's making), so the figure is the screens' own.
void resetPeak()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    if (clear.open(QIODevice::WriteOnly))
        clear.write("5");
}

struct Grid
{
    QString name;
    std::function<std::optional<QList<QVariantList>>()> perRow;
    std::function<std::optional<GapQueries::Grid>()> joined;
    std::function<GapScreen *()> screen;
};

void measure(const Grid &grid)
{
    qsizetype lines = 0;
    const double slow = medianMs(3, [&] { lines = grid.perRow().value_or(QList<QVariantList>()).size(); });
    const double fast = medianMs(11, [&] { grid.joined(); });
    out << grid.name << " (" << lines << " lines):\n"
        << "  one look-up per model row: " << fixed(slow) << " ms\n"
        << "  one joined statement:      " << fixed(fast) << " ms  (" << fixed(slow / fast) << " times faster)\n";

    // The screen itself: opened, then its grid rebuilt and drawn; a save with its rebuild.
    std::unique_ptr<GapScreen> screen(grid.screen());
    screen->resize(screen->openingSize());
    QElapsedTimer opening;
    opening.start();
    screen->load();
    screen->show();
    QCoreApplication::processEvents();
    const double opened = opening.nsecsElapsed() / 1e6;
    const double onScreen = medianMs(11, [&] {
        screen->LoadGrid();
        screen->LV_cmmi->viewport()->repaint();
    });
    int saves = 0;
    const double save = medianMs(11, [&] {
        screen->txt_qms_ref->setText(QStringLiteral("Benchmark reference %1").arg(++saves));
        screen->cmd_save_Click();
        screen->LV_cmmi->viewport()->repaint();
    });
    out << "  screen opened (selectors, stored answer, grid, drawn): " << fixed(opened) << " ms\n"
        << "  grid rebuilt and drawn: " << fixed(onScreen) << " ms\n"
        << "  save with grid rebuilt and drawn: " << fixed(save) << " ms\n";
    out.flush();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // Any message box would wait for a click: record it instead, and say so.
    Messages::Recorder messages;
    QTemporaryDir dir;
    AppPaths::setAppDir(dir.path());
    const QString database = dir.filePath(QStringLiteral("cmmi.mdb"));

    StressFile::Counts counts;
    QString error;
    if (!StressFile::build(QStringLiteral(VELTRIX_TEMPLATE_DB), database, &counts, &error)) {
        out << "The stress file could not be built: " << error << "\n";
        return 1;
    }
    out << counts.summary() << ", " << QFileInfo(database).size() / (1024 * 1024) << " MiB\n";
    out.flush();
    resetPeak();

    const QString org = StressFile::organizationName(100);
    ChosenOrganization::setSelectedCoid(org);
    cmmiClass db;
    if (!db.Conopen()) {
        out << "The stress file could not be opened.\n";
        return 1;
    }
    const Records::ErrorHandler onError = [](const QString &what, const QSqlError &e) { out << what << " " << e.text() << "\n"; };
    const GapQueries joined(db.con, onError);
    const PerRowGapGrids perRow(Records(db.con, onError));

    measure({QStringLiteral("Practice gaps"), [&] { return perRow.practices(org); }, [&] { return joined.practices(org); },
             [] { return new frm_practice_gaps; }});
    measure({QStringLiteral("Work product gaps"), [&] { return perRow.workProducts(org); },
             [&] { return joined.workProducts(org); }, [] { return new frm_docs_gaps; }});
    measure({QStringLiteral("Generic goals gaps"), [&] { return perRow.genericGoals(org); },
             [&] { return joined.genericGoals(org); }, [] { return new frm_gg_gaps; }});

    for (const Messages::Shown &shown : messages.shown)
        out << "Message shown: " << shown.text << "\n";
    out << "Peak memory after the stress file was made: " << fixed(peakMiB(), 0) << " MiB\n";
    return messages.shown.isEmpty() ? 0 : 1;
}
