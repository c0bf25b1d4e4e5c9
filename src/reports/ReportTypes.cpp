#include "ReportTypes.h"

const QList<ReportTypes::Type> &ReportTypes::all()
{
    using P = Preparation;
    static const QList<ReportTypes::Type> types = {
        {QStringLiteral("Generic Goals Fulfillment"), QStringLiteral("rpt_gg_fulfilment.rpt"), P::None, true, true},
        {QStringLiteral("Generic Goals Gaps"), QStringLiteral("rpt_gg_gaps.rpt"), P::GenericGoals, true, true},
        {QStringLiteral("List of All KPAs"), QStringLiteral("rpt_kpas.rpt"), P::None, false, false},
        {QStringLiteral("Organizational Process Assets"), QStringLiteral("rpt_org_docs.rpt"), P::None, false, true},
        {QStringLiteral("Practice Fulfillment"), QStringLiteral("rpt_kpa_fulfilment.rpt"), P::PracticeRows, true, true},
        {QStringLiteral("Practice Gaps"), QStringLiteral("rpt_kpa_gaps.rpt"), P::PracticeRows, true, true},
        {QStringLiteral("Work Product Fulfillment"), QStringLiteral("rpt_doc_fulfilment.rpt"), P::WorkProductRows, true, true},
        {QStringLiteral("Work Product Gaps"), QStringLiteral("rpt_doc_gaps.rpt"), P::WorkProductRows, true, true},
    };
    return types;
}

const ReportTypes::Type *ReportTypes::find(const QString &name)
{
    for (const Type &type : all()) {
        if (type.name == name)
            return &type;
    }
    return nullptr;
}
