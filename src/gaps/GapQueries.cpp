#include "GapQueries.h"

#include "data/DatabaseError.h"
#include "data/NaturalOrder.h"

#include <QHash>
#include <QSqlQuery>

#include <algorithm>
#include <numeric>

namespace {

const QString readFailed = QStringLiteral("The grid could not be read from the database.");

// How the database orders values: nulls, then numbers, then texts (in natural order here).
int kindOf(const QVariant &value)
{
    if (value.isNull())
        return 0;
    switch (value.typeId()) {
    case QMetaType::Int:
    case QMetaType::LongLong:
    case QMetaType::Double:
        return 1;
    default:
        return 2;
    }
}

int compareValues(const QVariant &a, const QVariant &b)
{
    const int kind = kindOf(a);
    if (kind != kindOf(b))
        return kind < kindOf(b) ? -1 : 1;
    if (kind == 1) {
        const double x = a.toDouble();
        const double y = b.toDouble();
        return (x > y) - (x < y);
    }
    return kind == 0 ? 0 : NaturalOrder::compare(a.toString(), b.toString());
}

bool sameValue(const QVariant &a, const QVariant &b)
{
    return a.typeId() == b.typeId() && a.isNull() == b.isNull() && a == b;
}

// For each line, the place of its value in the column among the column's distinct values. A
// model column has few of them, so ranking them once is far cheaper than comparing texts in a
// sort of every line (or in the database, which converts every text for each comparison).
QVector<int> ranks(const QList<QVariantList> &lines, int column)
{
    QHash<QString, int> seen;
    QList<QVariant> distinct;
    QVector<int> ids(lines.size());
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QVariant &value = lines[i][column];
        // The model is mostly written area by area, goal by goal: most lines repeat the one before.
        if (i > 0 && sameValue(value, lines[i - 1][column])) {
            ids[i] = ids[i - 1];
            continue;
        }
        const int kind = kindOf(value);
        const QString key = QString::number(kind) + (kind == 1 ? QString::number(value.toDouble(), 'g', 17) : value.toString());
        auto it = seen.constFind(key);
        if (it == seen.constEnd()) {
            it = seen.insert(key, int(distinct.size()));
            distinct << value;
        }
        ids[i] = *it;
    }
    QVector<int> order(distinct.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int x, int y) { return compareValues(distinct[x], distinct[y]) < 0; });
    QVector<int> rankOf(distinct.size());
    for (int rank = 0; rank < order.size(); ++rank)
        rankOf[order[rank]] = rank;
    for (int &id : ids)
        id = rankOf[id];
    return ids;
}

// Grid order, as the masters show the model: the five identity columns in natural order, then
// the order rows were written.
void sortByIdentity(QList<QVariantList> &lines, const QList<qint64> &rowIds)
{
    QList<QVector<int>> keys;
    for (int column : {0, 1, 2, 4, 6})
        keys << ranks(lines, column);
    QVector<int> order(lines.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](int x, int y) {
        for (const QVector<int> &key : keys) {
            if (key[x] != key[y])
                return key[x] < key[y];
        }
        return rowIds[x] < rowIds[y];
    });
    QList<QVariantList> sorted;
    sorted.reserve(lines.size());
    for (int line : order)
        sorted << std::move(lines[line]);
    lines = std::move(sorted);
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
    // The organization's records are few beside the file's millions: the engine indexes them
    // on the fly and finds each model row's records in one step. A model row with several
    // records (duplicates in older files) comes once per record; the reader keeps the first.
    return QStringLiteral(
               "with answers as materialized ("
               " select coalesce(vx_level, '') as level, coalesce(vx_kpa, '') as kpa, coalesce(vx_goal_id, '') as goal,"
               " coalesce(vx_practice_id, '') as practice, coalesce(%3, '') as item, rowid as id, %5 as reference,"
               " vx_how_met from %2 where vx_coid = ?)"
               " select m.vx_level, m.vx_kpa, m.vx_goal_id, m.vx_goal_desc, m.vx_practice_id, m.vx_practice_desc,"
               " m.%3, m.%4, m.rowid, a.id, a.reference, a.vx_how_met"
               " from %1 m left join answers a on a.level = coalesce(m.vx_level, '') and a.kpa = coalesce(m.vx_kpa, '')"
               " and a.goal = coalesce(m.vx_goal_id, '') and a.practice = coalesce(m.vx_practice_id, '')"
               " and a.item = coalesce(m.%3, '')")
        .arg(model, gaps, itemId, itemDesc, reference);
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
    struct Answer
    {
        qint64 id = -1; // no record
        QVariant reference;
        QVariant howMet;
    };
    Grid grid;
    QList<qint64> rowIds;
    QList<Answer> answers;
    while (query.next()) {
        const qint64 rowId = query.value(8).toLongLong();
        const Answer answer = query.isNull(9) ? Answer{} : Answer{query.value(9).toLongLong(), query.value(10), query.value(11)};
        // The model is the outer side of the join: a row's records come one after the other.
        // Of several, the first written stands for its identity.
        if (!rowIds.isEmpty() && rowIds.last() == rowId) {
            Answer &kept = answers.last();
            if (answer.id < kept.id)
                kept = answer;
            continue;
        }
        QVariantList row;
        row.reserve(10);
        for (int c = 0; c < 8; ++c) {
            // Most lines repeat the line before in most columns (one goal's description on all
            // its rows): the grid keeps one copy, which saves memory and the allocator's time.
            const QVariant value = query.value(c);
            const QVariant *before = grid.rows.isEmpty() ? nullptr : &grid.rows.last()[c];
            row << (before && sameValue(value, *before) ? *before : value);
        }
        grid.rows << row;
        rowIds << rowId;
        answers << answer;
    }
    if (!finished(query))
        return std::nullopt;
    for (qsizetype line = 0; line < grid.rows.size(); ++line) {
        const Answer &answer = answers[line];
        if (answer.id >= 0 && !(nullReferenceIsNoRecord && answer.reference.isNull())) {
            grid.rows[line] << answer.reference << answer.howMet;
            grid.progress.add(answer.howMet.toString());
        } else if (nullReferenceIsNoRecord) {
            grid.rows[line] << QVariant() << QVariant();
        } else {
            // No record: the cells stay empty, unlike a record's null shown as " ".
            grid.rows[line] << QString() << QString();
        }
    }
    sortByIdentity(grid.rows, rowIds);
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
