#include "ReportPreparation.h"

#include "widgets/HowMet.h"

namespace {

// Working columns back to "nothing answered".
const char *const resetKpas = "update cmmi_kpas set vx_how_met = ?, vx_qms_ref = NULL";
const char *const resetDocs = "update cmmi_docs set vx_doc_ref = NULL, vx_how_met = ?";

// The organization's records, one per key (max(rowid) picks the row written last), onto every
// model row with the same keys. A text key matches with NULL taken as '' (the look-up rule of
// the whole program); a NULL level, as in the placeholder record, matches nothing.
// The + keeps SQLite from searching the model by level alone for every record (seconds on a
// large model); it scans the model once and finds each row's answer in an index of its own.
#define COPY_ANSWERS(TABLE, GAPS, ID, REF)                                                                  \
    "update " TABLE " set " REF " = latest." REF ", vx_how_met = coalesce(latest.vx_how_met, ?) "           \
    "from (select vx_level, coalesce(vx_kpa, '') as kpa, coalesce(vx_goal_id, '') as goal, "                \
    "coalesce(vx_practice_id, '') as practice, coalesce(" ID ", '') as id, " REF ", vx_how_met, max(rowid) " \
    "from " GAPS " where vx_coid = ? group by vx_level, kpa, goal, practice, id) as latest "               \
    "where +" TABLE ".vx_level = latest.vx_level and coalesce(" TABLE ".vx_kpa, '') = latest.kpa "            \
    "and coalesce(" TABLE ".vx_goal_id, '') = latest.goal "                                                 \
    "and coalesce(" TABLE ".vx_practice_id, '') = latest.practice and coalesce(" TABLE "." ID ", '') = latest.id"
const char *const copyKpas = COPY_ANSWERS("cmmi_kpas", "vx_gaps_sgs", "vx_subpractice_id", "vx_qms_ref");
const char *const copyDocs = COPY_ANSWERS("cmmi_docs", "vx_gaps_docs", "vx_doc_id", "vx_doc_ref");
#undef COPY_ANSWERS

// One "Not Met At All" record, without process area, for each generic practice the organization
// has not recorded in any process area, in the order of the generic goals table. NULL ids match
// like '', so a second run adds nothing.
const char *const addUnansweredGgs =
    "insert into vx_gaps_ggs (vx_coid, vx_goal_id, vx_practice_id, vx_how_met) "
    "select ?, g.vx_goal_id, g.vx_practice_id, ? from cmmi_ggs g "
    "where not exists (select 1 from vx_gaps_ggs r where r.vx_coid = ? "
    "and coalesce(r.vx_goal_id, '') = coalesce(g.vx_goal_id, '') "
    "and coalesce(r.vx_practice_id, '') = coalesce(g.vx_practice_id, '')) "
    "group by coalesce(g.vx_goal_id, ''), coalesce(g.vx_practice_id, '') order by min(g.rowid)";

} // namespace

ReportPreparation::ReportPreparation(Records records)
    : m_records(std::move(records))
{
}

bool ReportPreparation::copyAnswers(const QString &reset, const QString &copy, const QString &organization) const
{
    Records::Transaction tx(m_records);
    if (!tx.started())
        return false;
    const QString what = QStringLiteral("The report could not be prepared; nothing was changed.");
    return m_records.run(reset, {HowMet::notMetAtAll()}, what) >= 0
        && m_records.run(copy, {HowMet::notMetAtAll(), organization}, what) >= 0 && tx.commit();
}

bool ReportPreparation::PrepareKpaReport(const QString &organization) const
{
    return copyAnswers(QLatin1String(resetKpas), QLatin1String(copyKpas), organization);
}

bool ReportPreparation::PrepareDocReport(const QString &organization) const
{
    return copyAnswers(QLatin1String(resetDocs), QLatin1String(copyDocs), organization);
}

bool ReportPreparation::PrepareGgReport(const QString &organization) const
{
    Records::Transaction tx(m_records);
    if (!tx.started())
        return false;
    return m_records.run(QLatin1String(addUnansweredGgs), {organization, HowMet::notMetAtAll(), organization},
                         QStringLiteral("The report could not be prepared; nothing was changed."))
            >= 0
        && tx.commit();
}

bool ReportPreparation::prepare(ReportTypes::Preparation step, Records records, const QString &organization)
{
    const ReportPreparation preparation(std::move(records));
    switch (step) {
    case ReportTypes::Preparation::None:
        return true;
    case ReportTypes::Preparation::PracticeRows:
        return preparation.PrepareKpaReport(organization);
    case ReportTypes::Preparation::WorkProductRows:
        return preparation.PrepareDocReport(organization);
    case ReportTypes::Preparation::GenericGoals:
        return preparation.PrepareGgReport(organization);
    }
    return false;
}
