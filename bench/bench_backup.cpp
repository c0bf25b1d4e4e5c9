// Figures for backup and restore: the checked snapshot and the checked restore with its safety
// copy, beside a plain file copy (what the program once did), on the delivered database and on
// one that holds 200 fully answered organizations.
#include "admin/DatabaseCopy.h"
#include "admin/DatabaseFileCheck.h"

#include "Median.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include <sqlite3.h>


namespace {

void answerEverything(sqlite3 *db, int organizations)
{
    sqlite3_exec(db, "begin", nullptr, nullptr, nullptr);
    sqlite3_stmt *insert = nullptr;
    sqlite3_prepare_v2(db,
                       "insert into vx_gaps_sgs select ?1, vx_level, vx_kpa, vx_goal_id, vx_practice_id, "
                       "vx_subpractice_id, 'QMS manual section ' || rowid, 'Partially Met' from cmmi_kpas",
                       -1, &insert, nullptr);
    for (int i = 0; i < organizations; ++i) {
        const QByteArray name = QByteArray("Organization ") + QByteArray::number(i);
        sqlite3_bind_text(insert, 1, name.constData(), -1, SQLITE_TRANSIENT);
        sqlite3_step(insert);
        sqlite3_reset(insert);
    }
    sqlite3_finalize(insert);
    sqlite3_exec(db, "commit", nullptr, nullptr, nullptr);
}

void measure(QTextStream &out, const QString &label, const QString &folder)
{
    const QString live = folder + "/cmmi.mdb";
    sqlite3 *db = nullptr;
    sqlite3_open_v2(QFile::encodeName(live).constData(), &db, SQLITE_OPEN_READWRITE, nullptr);
    const QString backup = folder + "/backup.mdb";
    const int runs = 5;
    const double plain = medianMs(runs, [&] {
        QFile::remove(folder + "/plain.mdb");
        QFile::copy(live, folder + "/plain.mdb");
    });
    const double check = medianMs(runs, [&] { DatabaseFileCheck::problem(live); });
    const double snapshot = medianMs(runs, [&] { DatabaseCopy::backup(db, backup); });
    const double restore = medianMs(runs, [&] { DatabaseCopy::restore(db, backup); });
    out << label << " (" << QFileInfo(live).size() / 1024 << " KiB)\n"
        << QStringLiteral("  plain file copy (the old way, unsafe)   %1 ms\n").arg(plain, 8, 'f', 1)
        << QStringLiteral("  check of a file (integrity, tables)     %1 ms\n").arg(check, 8, 'f', 1)
        << QStringLiteral("  backup: snapshot, check, flush, rename  %1 ms  (%2 x plain copy)\n")
               .arg(snapshot, 8, 'f', 1).arg(snapshot / plain, 0, 'f', 1)
        << QStringLiteral("  restore: copy, check, safety copy, load %1 ms  (%2 x plain copy)\n")
               .arg(restore, 8, 'f', 1).arg(restore / plain, 0, 'f', 1);
    out.flush();
    sqlite3_close(db);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir delivered;
    QFile::copy(VELTRIX_TEMPLATE_DB, delivered.filePath("cmmi.mdb"));
    QFile::setPermissions(delivered.filePath("cmmi.mdb"), QFile::ReadOwner | QFile::WriteOwner);
    measure(out, "delivered model", delivered.path());

    QTemporaryDir large;
    QFile::copy(VELTRIX_TEMPLATE_DB, large.filePath("cmmi.mdb"));
    QFile::setPermissions(large.filePath("cmmi.mdb"), QFile::ReadOwner | QFile::WriteOwner);
    sqlite3 *db = nullptr;
    sqlite3_open(QFile::encodeName(large.filePath("cmmi.mdb")).constData(), &db);
    answerEverything(db, 200);
    sqlite3_close(db);
    measure(out, "200 organizations, every practice answered", large.path());
    return 0;
}
