#include "PerRowGapGrids.h"

#include <QSet>

namespace {

QString text(const QVariant &value)
{
    return value.isNull() ? QString() : value.toString();
}

} // namespace

std::optional<QList<QVariantList>> PerRowGapGrids::modelRows(const QString &model, const QString &gaps,
                                                             const QString &itemId, const QString &itemDesc,
                                                             const QString &reference, const QString &coid,
                                                             bool nullReferenceIsNoRecord) const
{
    const QStringList keys{QStringLiteral("vx_level"), QStringLiteral("vx_kpa"), QStringLiteral("vx_goal_id"),
                           QStringLiteral("vx_practice_id"), itemId};
    const QStringList shown{QStringLiteral("vx_level"), QStringLiteral("vx_kpa"), QStringLiteral("vx_goal_id"),
                            QStringLiteral("vx_goal_desc"), QStringLiteral("vx_practice_id"),
                            QStringLiteral("vx_practice_desc"), itemId, itemDesc};
    const std::optional<QList<QSqlRecord>> rows = m_records.rows(model, {}, keys + QStringList{QStringLiteral("rowid")});
    if (!rows)
        return std::nullopt;
    QList<QVariantList> lines;
    for (const QSqlRecord &row : *rows) {
        QVariantList line;
        for (const QString &column : shown)
            line << row.value(column);
        Fields identity{{QStringLiteral("vx_coid"), coid}};
        for (const QString &column : keys)
            identity.append({column, row.value(column)});
        const Records::Lookup record = m_records.first(gaps, identity);
        if (record.failed())
            return std::nullopt;
        if (record.found() && !(nullReferenceIsNoRecord && record.value(reference).isNull()))
            line << record.value(reference) << record.value(QStringLiteral("vx_how_met"));
        else if (nullReferenceIsNoRecord)
            line << QVariant() << QVariant();
        else
            line << QString() << QString();
        lines << line;
    }
    return lines;
}

std::optional<QList<QVariantList>> PerRowGapGrids::practices(const QString &coid) const
{
    return modelRows(QStringLiteral("cmmi_kpas"), QStringLiteral("vx_gaps_sgs"), QStringLiteral("vx_subpractice_id"),
                     QStringLiteral("vx_subpractice_desc"), QStringLiteral("vx_qms_ref"), coid, false);
}

std::optional<QList<QVariantList>> PerRowGapGrids::workProducts(const QString &coid) const
{
    return modelRows(QStringLiteral("cmmi_docs"), QStringLiteral("vx_gaps_docs"), QStringLiteral("vx_doc_id"),
                     QStringLiteral("vx_doc_desc"), QStringLiteral("vx_doc_ref"), coid, true);
}

std::optional<QList<QVariantList>> PerRowGapGrids::genericGoals(const QString &coid) const
{
    const std::optional<QList<QSqlRecord>> records = m_records.rows(QStringLiteral("vx_gaps_ggs"), {{QStringLiteral("vx_coid"), coid}});
    if (!records)
        return std::nullopt;
    QList<QVariantList> lines;
    QSet<QStringList> seen;
    for (const QSqlRecord &record : *records) {
        const QVariant goal = record.value(QStringLiteral("vx_goal_id"));
        const QVariant practice = record.value(QStringLiteral("vx_practice_id"));
        const QVariant kpa = record.value(QStringLiteral("vx_kpa"));
        // Only the first record of an identity stands for it.
        const QStringList identity{text(goal), text(practice), text(kpa)};
        if (seen.contains(identity))
            continue;
        seen.insert(identity);
        const Records::Lookup model = m_records.first(QStringLiteral("cmmi_ggs"),
                                                      {{QStringLiteral("vx_goal_id"), goal}, {QStringLiteral("vx_practice_id"), practice}});
        if (model.failed())
            return std::nullopt;
        lines << QVariantList{model.found() ? model.value(QStringLiteral("vx_goal_id")) : goal,
                              model.value(QStringLiteral("vx_goal_desc")),
                              model.found() ? model.value(QStringLiteral("vx_practice_id")) : practice,
                              kpa,
                              model.value(QStringLiteral("vx_practice_desc")),
                              record.value(QStringLiteral("vx_how_met")),
                              record.value(QStringLiteral("vx_qms_ref"))};
    }
    return lines;
}
