#include "GapQueries.h"

#include "data/DatabaseError.h"

#include <QSqlQuery>

namespace {

const QString readFailed = QStringLiteral("The grid could not be read from the database.");

// The model's own columns in grid order, as the masters' grids show them.
QString naturalOrder(const QStringList &columns)
{
    QStringList parts;
    for (const QString &column : columns)
        parts << QStringLiteral("m.%1 collate natural_order").arg(column);
    return parts.join(QStringLiteral(", "));
}

} // namespace

GapQueries::GapQueries(const QSqlDatabase &db, Records::ErrorHandler onError)
    : m_db(db), m_onError(std::move(onError))
{
}

QStringList GapQueries::practiceHeaders()
{
    return {QStringLiteral("Level"), QStringLiteral("KPA"), QStringLiteral("Goal Id"), QStringLiteral("Goal Description"),
            QStringLiteral("Practice Id"), QStringLiteral("Practice Description"), QStringLiteral("Subpractice Id"),
            QStringLiteral("Subpractiuce Description"), QStringLiteral("QMS Reference"), QStringLiteral("How Met")};
}

QStringList GapQueries::workProductHeaders()
{
    return {QStringLiteral("Level"), QStringLiteral("KPA"), QStringLiteral("Goal Id"), QStringLiteral("Goal Description"),
            QStringLiteral("Practice Id"), QStringLiteral("Practice Description"), QStringLiteral("Work Product Id"),
            QStringLiteral("Work Product Description"), QStringLiteral("Work Product Ref"), QStringLiteral("How Met")};
}

QStringList GapQueries::genericGoalHeaders()
{
    return {QStringLiteral("Goal Id"), QStringLiteral("Goal Description"), QStringLiteral("Practice Id"), QStringLiteral("KPA"),
            QStringLiteral("Practice Description"), QStringLiteral("How Met"), QStringLiteral("QMS Reference")};
}

bool GapQueries::run(QSqlQuery &query) const
{
    return query.exec() || fail(query);
}

bool GapQueries::finished(QSqlQuery &query) const
{
    // A read that stops half-way (a damaged page, say) is a failure, not a shorter grid.
    if (query.lastError().isValid())
        return fail(query);
    query.finish();
    return true;
}

bool GapQueries::fail(QSqlQuery &query) const
{
    const QSqlError error = DatabaseError::completed(m_db, query.lastError());
    query.finish();
    if (m_onError)
        m_onError(readFailed, error);
    return false;
}

QString GapQueries::modelJoin(const QString &model, const QString &gaps, const QString &itemId, const QString &itemDesc,
                              const QString &reference)
{
    // The organization's records, one per identity, are few beside the file's millions: the
    // engine indexes them on the fly and finds each model row's record in one step.
    return QStringLiteral(
               "with answers as materialized ("
               " select coalesce(vx_level, '') as level, coalesce(vx_kpa, '') as kpa, coalesce(vx_goal_id, '') as goal,"
               " coalesce(vx_practice_id, '') as practice, coalesce(%3, '') as item, min(rowid) as id"
               " from %2 where vx_coid = ? group by 1, 2, 3, 4, 5)"
               " select m.vx_level, m.vx_kpa, m.vx_goal_id, m.vx_goal_desc, m.vx_practice_id, m.vx_practice_desc,"
               " m.%3, m.%4, r.rowid, r.%5, r.vx_how_met"
               " from %1 m left join answers a on a.level = coalesce(m.vx_level, '') and a.kpa = coalesce(m.vx_kpa, '')"
               " and a.goal = coalesce(m.vx_goal_id, '') and a.practice = coalesce(m.vx_practice_id, '')"
               " and a.item = coalesce(m.%3, '')"
               " left join %2 r on r.rowid = a.id"
               " order by %6, m.rowid")
        .arg(model, gaps, itemId, itemDesc, reference,
             naturalOrder({QStringLiteral("vx_level"), QStringLiteral("vx_kpa"), QStringLiteral("vx_goal_id"),
                           QStringLiteral("vx_practice_id"), itemId}));
}

std::optional<GapQueries::Grid> GapQueries::modelGrid(const QString &model, const QString &gaps, const QString &itemId,
                                                      const QString &itemDesc, const QString &reference,
                                                      const QString &coid, bool nullReferenceIsNoRecord) const
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(modelJoin(model, gaps, itemId, itemDesc, reference));
    query.addBindValue(coid);
    if (!run(query))
        return std::nullopt;
    Grid grid;
    while (query.next()) {
        QVariantList row;
        row.reserve(10);
        for (int c = 0; c < 8; ++c)
            row << query.value(c);
        const bool answered = !query.isNull(8) && !(nullReferenceIsNoRecord && query.isNull(9));
        if (answered) {
            row << query.value(9) << query.value(10);
            grid.progress.add(query.value(10).toString());
        } else if (nullReferenceIsNoRecord) {
            row << QVariant() << QVariant();
        } else {
            // No record: the cells stay empty, unlike a record's null shown as " ".
            row << QString() << QString();
        }
        grid.rows << row;
    }
    if (!finished(query))
        return std::nullopt;
    grid.progress.total = int(grid.rows.size());
    return grid;
}

std::optional<GapQueries::Grid> GapQueries::practices(const QString &coid) const
{
    return modelGrid(QStringLiteral("cmmi_kpas"), QStringLiteral("vx_gaps_sgs"), QStringLiteral("vx_subpractice_id"),
                     QStringLiteral("vx_subpractice_desc"), QStringLiteral("vx_qms_ref"), coid, false);
}

std::optional<GapQueries::Grid> GapQueries::workProducts(const QString &coid) const
{
    return modelGrid(QStringLiteral("cmmi_docs"), QStringLiteral("vx_gaps_docs"), QStringLiteral("vx_doc_id"),
                     QStringLiteral("vx_doc_desc"), QStringLiteral("vx_doc_ref"), coid, true);
}

std::optional<GapQueries::Grid> GapQueries::genericGoals(const QString &coid) const
{
    // Every generic practice of the model for every process area: what "all answered" means.
    QSqlQuery total(m_db);
    total.setForwardOnly(true);
    total.prepare(QStringLiteral(
        "select (select count(*) from (select 1 from cmmi_ggs group by coalesce(vx_goal_id, ''), coalesce(vx_practice_id, '')))"
        " * (select count(distinct vx_kpa) from cmmi_kpas)"));
    if (!run(total))
        return std::nullopt;
    Grid grid;
    grid.progress.total = total.next() ? total.value(0).toInt() : 0;
    if (!finished(total))
        return std::nullopt;

    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral(
        "with firsts as materialized ("
        " select min(rowid) as id from vx_gaps_ggs where vx_coid = ?"
        " group by coalesce(vx_goal_id, ''), coalesce(vx_practice_id, ''), coalesce(vx_kpa, '')),"
        " model as materialized ("
        " select coalesce(vx_goal_id, '') as goal, coalesce(vx_practice_id, '') as practice, min(rowid) as id"
        " from cmmi_ggs group by 1, 2)"
        " select case when m.rowid is null then r.vx_goal_id else m.vx_goal_id end, m.vx_goal_desc,"
        " case when m.rowid is null then r.vx_practice_id else m.vx_practice_id end, r.vx_kpa, m.vx_practice_desc,"
        " r.vx_how_met, r.vx_qms_ref, m.rowid is not null and r.vx_kpa in (select vx_kpa from cmmi_kpas)"
        " from firsts f join vx_gaps_ggs r on r.rowid = f.id"
        " left join model g on g.goal = coalesce(r.vx_goal_id, '') and g.practice = coalesce(r.vx_practice_id, '')"
        " left join cmmi_ggs m on m.rowid = g.id"
        " order by r.rowid"));
    query.addBindValue(coid);
    if (!run(query))
        return std::nullopt;
    while (query.next()) {
        QVariantList row;
        row.reserve(7);
        for (int c = 0; c < 7; ++c)
            row << query.value(c);
        // Only answers for a generic practice of the model in one of its process areas count:
        // not the ones the report preparation adds without a KPA, nor stray ids.
        if (query.value(7).toBool())
            grid.progress.add(query.value(5).toString());
        grid.rows << row;
    }
    if (!finished(query))
        return std::nullopt;
    return grid;
}
