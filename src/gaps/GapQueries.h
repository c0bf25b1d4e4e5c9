#pragma once

#include "data/Records.h"
#include "gaps/GapProgress.h"

#include <QList>
#include <QSqlDatabase>
#include <QVariantList>

#include <optional>

class QSqlQuery;

// The three gap grids, each read with one prepared statement (the generic goals one with a
// count of what there is to answer beside it): the model joined to the chosen organization's
// records, rather than one look-up per model row. A record matches like every
// look-up of the screens: by its identity, an empty and a null text alike, and the first record
// written (lowest rowid) stands for its identity, so duplicates in older files add no lines.
class GapQueries
{
public:
    // The lines of a grid, the values after "S No" in column order, and the progress they show.
    struct Grid
    {
        QList<QVariantList> rows;
        GapProgress::Counts progress;
    };

    GapQueries(const QSqlDatabase &db, Records::ErrorHandler onError);

    // Every row of cmmi_kpas in grid order with the organization's reference and how-met value:
    // "" for a row without a record, " " for a record's null value.
    std::optional<Grid> practices(const QString &coid) const;
    // Every row of cmmi_docs in grid order; a record without a reference counts as no record.
    std::optional<Grid> workProducts(const QString &coid) const;
    // The organization's generic-goal records in the order written, each with the first model
    // row of its generic practice; a record whose practice the model lacks shows " " for the
    // descriptions.
    std::optional<Grid> genericGoals(const QString &coid) const;

    static QStringList practiceHeaders();
    static QStringList workProductHeaders();
    static QStringList genericGoalHeaders();

private:
    // The practice and work-product statements differ only in their tables and last columns.
    static QString modelJoin(const QString &model, const QString &gaps, const QString &itemId,
                             const QString &itemDesc, const QString &reference);
    std::optional<Grid> modelGrid(const QString &model, const QString &gaps, const QString &itemId,
                                  const QString &itemDesc, const QString &reference, const QString &coid,
                                  bool nullReferenceIsNoRecord) const;
    bool run(QSqlQuery &query) const;
    bool finished(QSqlQuery &query) const;
    bool fail(QSqlQuery &query) const;

    QSqlDatabase m_db;
    Records::ErrorHandler m_onError;
};
