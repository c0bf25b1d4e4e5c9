#pragma once

#include "data/Records.h"

#include <QList>
#include <QVariantList>

#include <optional>

// The gap grids read the way they were first written: the model rows (or, for generic goals,
// the organization's records), then one look-up per line. Far too slow for a large file; kept
// as the reference the joined statements of GapQueries are checked and measured against.
class PerRowGapGrids
{
public:
    explicit PerRowGapGrids(const Records &records) : m_records(records) {}

    std::optional<QList<QVariantList>> practices(const QString &coid) const;
    std::optional<QList<QVariantList>> workProducts(const QString &coid) const;
    std::optional<QList<QVariantList>> genericGoals(const QString &coid) const;

private:
    std::optional<QList<QVariantList>> modelRows(const QString &model, const QString &gaps, const QString &itemId,
                                                 const QString &itemDesc, const QString &reference, const QString &coid,
                                                 bool nullReferenceIsNoRecord) const;

    Records m_records;
};
