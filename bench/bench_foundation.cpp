// Figures for the pieces every screen leans on: opening a connection, walking the model
// through the selector lists, filling and sorting the grid with the whole model.
#include "data/Records.h"
#include "shell/AppPaths.h"
#include "shell/cmmiClass.h"
#include "widgets/DataGrid.h"

#include "Median.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <QTextStream>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    QFile::copy(VELTRIX_TEMPLATE_DB, dir.filePath("cmmi.mdb"));
    QFile::setPermissions(dir.filePath("cmmi.mdb"), QFile::ReadOwner | QFile::WriteOwner);
    AppPaths::setAppDir(dir.path());
    QTextStream out(stdout);

    out << "Conopen (open, probe, collation): "
        << medianMs(50, [] { cmmiClass db; db.Conopen(); }) << " ms\n";

    cmmiClass db;
    db.Conopen();
    const Records rec(db.con);
    int lists = 0;
    const double walk = medianMs(5, [&] {
        lists = 0;
        for (int level = 2; level <= 5; ++level) {
            for (const QString &kpa : rec.distinct("cmmi_kpas", "vx_kpa", {{"vx_level", level}}).value_or(QStringList())) {
                const Fields k = {{"vx_level", level}, {"vx_kpa", kpa}};
                for (const QString &goal : rec.distinct("cmmi_kpas", "vx_goal_id", k).value_or(QStringList())) {
                    const Fields g = k + Fields{{"vx_goal_id", goal}};
                    for (const QString &practice : rec.distinct("cmmi_kpas", "vx_practice_id", g).value_or(QStringList())) {
                        rec.distinct("cmmi_kpas", "vx_subpractice_id", g + Fields{{"vx_practice_id", practice}});
                        ++lists;
                    }
                }
            }
        }
    });
    out << "Whole model through the selector lists (" << lists << " subpractice lists): " << walk << " ms, "
        << walk / lists << " ms per list\n";

    QList<QVariantList> rows;
    const double read = medianMs(5, [&] {
        rows.clear();
        for (const QSqlRecord &r : rec.rows("cmmi_kpas", {}, {"vx_level", "vx_kpa", "vx_goal_id", "vx_practice_id", "vx_subpractice_id"}).value_or(QList<QSqlRecord>())) {
            QVariantList row;
            for (int i = 0; i < 8; ++i)
                row << r.value(i);
            rows << row;
        }
    });
    out << "Read cmmi_kpas in grid order (" << rows.size() << " rows): " << read << " ms\n";

    DataGrid grid;
    grid.setColumns({"Level", "KPA", "Goal Id", "Goal Description", "Practice Id", "Practice Description",
                     "Subpractice Id", "Subpractiuce Description"});
    out << "Fill grid: " << medianMs(10, [&] { grid.setRows(rows); }) << " ms\n";
    grid.LV_ColumnClick(5);
    out << "Refill grid sorted by practice id: " << medianMs(10, [&] { grid.setRows(rows); }) << " ms\n";

    QList<QVariantList> big;
    for (int i = 0; i < 20; ++i)
        big += rows;
    out << "Refill sorted grid, " << big.size() << " rows: " << medianMs(3, [&] { grid.setRows(big); }) << " ms\n";
    return 0;
}
