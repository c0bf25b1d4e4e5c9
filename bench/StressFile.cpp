#include "StressFile.h"

#include <QElapsedTimer>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// The answers cycle through the three values, shifted per organization, so every report has
// all three to count.
const char *howMet = "case (rowid + :shift) % 3 when 0 then 'Fully Met' when 1 then 'Partially Met' else 'Not Met At All' end";

qint64 count(QSqlDatabase &db, const QString &table)
{
    QSqlQuery query(db);
    return query.exec(QStringLiteral("select count(*) from ") + table) && query.next() ? query.value(0).toLongLong() : -1;
}

} // namespace

QString StressFile::Counts::summary() const
{
    return QStringLiteral("Stress file: %1 model rows, %2 work products, %3 organizations, %4 gap records (%5 practice, "
                          "%6 work product, %7 generic), %8 process assets; built in %9 s")
        .arg(modelRows).arg(workProducts).arg(organizations).arg(gapRecords()).arg(practiceRecords)
        .arg(workProductRecords).arg(genericRecords).arg(assets).arg(QString::number(seconds, 'f', 1));
}

QString StressFile::organizationName(int number)
{
    return QStringLiteral("Organization %1").arg(number, 3, 10, QLatin1Char('0'));
}

bool StressFile::build(const QString &templatePath, const QString &path, Counts *counts, QString *error, int copies,
                       int organizations)
{
    QElapsedTimer timer;
    timer.start();
    QFile::remove(path);
    if (!QFile::copy(templatePath, path)) {
        *error = QStringLiteral("cannot copy %1 to %2").arg(templatePath, path);
        return false;
    }
    QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);

    const QString name = QStringLiteral("stress-file");
    bool ok = true;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        ok = db.open();
        QSqlQuery query(db);
        const auto run = [&](const QString &sql, const QVariantList &values = {}) {
            if (!ok)
                return;
            query.prepare(sql);
            for (const QVariant &v : values)
                query.addBindValue(v);
            ok = query.exec();
            if (!ok)
                *error = query.lastError().text() + QStringLiteral(" in ") + sql;
        };
        // A scratch file: no need to survive a power cut while it is made.
        run(QStringLiteral("pragma synchronous = off"));
        run(QStringLiteral("pragma journal_mode = memory"));
        ok = ok && db.transaction();

        const qint64 kpaRows = count(db, QStringLiteral("cmmi_kpas"));
        const qint64 docRows = count(db, QStringLiteral("cmmi_docs"));
        for (int copy = 2; copy <= copies; ++copy) {
            run(QStringLiteral("insert into cmmi_kpas (vx_level, vx_kpa, vx_goal_id, vx_goal_desc, vx_practice_id, vx_practice_desc, "
                               "vx_subpractice_id, vx_subpractice_desc) select vx_level, vx_kpa || ?, vx_goal_id, vx_goal_desc, "
                               "vx_practice_id, vx_practice_desc, vx_subpractice_id, vx_subpractice_desc from cmmi_kpas where rowid <= ?"),
                {QStringLiteral(" #%1").arg(copy), kpaRows});
            run(QStringLiteral("insert into cmmi_docs (vx_level, vx_kpa, vx_goal_id, vx_goal_desc, vx_practice_id, vx_practice_desc, "
                               "vx_doc_id, vx_doc_desc) select vx_level, vx_kpa || ?, vx_goal_id, vx_goal_desc, vx_practice_id, "
                               "vx_practice_desc, vx_doc_id, vx_doc_desc from cmmi_docs where rowid <= ?"),
                {QStringLiteral(" #%1").arg(copy), docRows});
        }

        // One prepared statement per table, run once per organization.
        QSqlQuery practices(db), products(db), generic(db), placeholder(db), assets(db);
        ok = ok
             && practices.prepare(QStringLiteral("insert into vx_gaps_sgs (vx_coid, vx_level, vx_kpa, vx_goal_id, vx_practice_id, "
                                                 "vx_subpractice_id, vx_qms_ref, vx_how_met) select :coid, vx_level, vx_kpa, vx_goal_id, "
                                                 "vx_practice_id, vx_subpractice_id, 'QMS-' || rowid, %1 from cmmi_kpas").arg(QLatin1String(howMet)))
             && products.prepare(QStringLiteral("insert into vx_gaps_docs (vx_coid, vx_level, vx_kpa, vx_goal_id, vx_practice_id, "
                                                "vx_doc_id, vx_doc_ref, vx_how_met) select :coid, vx_level, vx_kpa, vx_goal_id, "
                                                "vx_practice_id, vx_doc_id, 'WP-' || rowid, %1 from cmmi_docs").arg(QLatin1String(howMet)))
             && generic.prepare(QStringLiteral("insert into vx_gaps_ggs (vx_coid, vx_goal_id, vx_practice_id, vx_kpa, vx_qms_ref, vx_how_met) "
                                               "select :coid, g.vx_goal_id, g.vx_practice_id, k.vx_kpa, 'GP-' || g.rowid, "
                                               "case (g.rowid + :shift) % 3 when 0 then 'Fully Met' when 1 then 'Partially Met' "
                                               "else 'Not Met At All' end from cmmi_ggs g cross join (select distinct vx_kpa from cmmi_kpas) k"))
             && placeholder.prepare(QStringLiteral("insert into vx_gaps_sgs (vx_coid, vx_goal_id, vx_practice_id, vx_subpractice_id) "
                                                   "values (:coid, 'SG1', 'SP1.1', 'SP1.1.1')"))
             && assets.prepare(QStringLiteral("with recursive n(i) as (select 1 union all select i + 1 from n where i < 24) "
                                              "insert into cmmi_org_docs (vx_coid, vx_doc_id, vx_doc_type, vx_doc_dtls) "
                                              "select :coid, 'Asset ' || i, case i % 8 when 0 then 'Checklist' when 1 then 'Format/Template' "
                                              "when 2 then 'Log' when 3 then 'organizational Record' when 4 then 'Procedure' "
                                              "when 5 then 'Process' when 6 then 'Project Record' else 'Standard/Guideline' end, "
                                              "'What asset ' || i || ' is for and who keeps it' from n"));
        if (!ok && error->isEmpty())
            *error = db.lastError().text();
        for (int i = 1; ok && i <= organizations; ++i) {
            const QString coid = organizationName(i);
            for (QSqlQuery *q : {&practices, &products, &generic}) {
                q->bindValue(QStringLiteral(":coid"), coid);
                q->bindValue(QStringLiteral(":shift"), i);
            }
            placeholder.bindValue(QStringLiteral(":coid"), coid);
            assets.bindValue(QStringLiteral(":coid"), coid);
            for (QSqlQuery *q : {&placeholder, &practices, &products, &generic, &assets}) {
                if (ok && !q->exec()) {
                    ok = false;
                    *error = q->lastError().text();
                }
            }
        }
        for (QSqlQuery *q : {&practices, &products, &generic, &placeholder, &assets})
            q->finish();
        query.finish();
        if (ok)
            ok = db.commit();
        else
            db.rollback();

        if (ok && counts) {
            counts->copies = copies;
            counts->organizations = organizations;
            counts->modelRows = count(db, QStringLiteral("cmmi_kpas"));
            counts->workProducts = count(db, QStringLiteral("cmmi_docs"));
            counts->practiceRecords = count(db, QStringLiteral("vx_gaps_sgs"));
            counts->workProductRecords = count(db, QStringLiteral("vx_gaps_docs"));
            counts->genericRecords = count(db, QStringLiteral("vx_gaps_ggs"));
            counts->assets = count(db, QStringLiteral("cmmi_org_docs"));
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (counts)
        counts->seconds = timer.nsecsElapsed() / 1e9;
    return ok;
}
