#include "frm_docs_gaps.h"

#include "widgets/DescriptionFocus.h"
#include "widgets/OrderedChecks.h"

#include <QLineEdit>
#include <QPlainTextEdit>

frm_docs_gaps::frm_docs_gaps(QWidget *parent)
    : CascadeGapScreen(QStringLiteral("Work Products Gaps Analysis"), QStringLiteral("work products"),
                       GapQueries::workProductHeaders(),
                       {QStringLiteral("cmb_docs_id"), QStringLiteral("Work Product  Id"), QStringLiteral("txt_docs_desc"),
                        QStringLiteral("Work Product Description"), QStringLiteral("Reference to Work product")},
                       &ModelCascade::workProducts, parent),
      cmb_docs_id(itemSelector),
      txt_docs_desc(itemDescription)
{
    setObjectName(QStringLiteral("frm_docs_gaps"));
    DescriptionFocus::install(txt_qms_ref); // txt_qms_ref_GotFocus
    m_cascade->addFollowUp(cmb_docs_id, [this] { cmb_docs_id_Click(); });
}

void frm_docs_gaps::cmb_docs_id_Click()
{
    const Records::Lookup record = storedAnswer();
    const bool noReference = record.found() && record.value(referenceColumn()).isNull();
    showStored(noReference ? Records::Lookup::none() : record);
}

void frm_docs_gaps::addChecks(OrderedChecks &checks) const
{
    addSelectorChecks(checks, QStringLiteral("Work Product ID is blank"));
    checks.blank(txt_goal_desc, QStringLiteral("Goal Description is Blank"))
        .blank(Txt_practice_desc, QStringLiteral("Practice Description is Blank"))
        .blank(txt_qms_ref, QStringLiteral("Reference to Work Product is Blank"), OrderedChecks::Then::Focus)
        .blankWhen([this] { return !isGenericGoal(); }, txt_docs_desc, QStringLiteral("Work Product Description is Blank"));
}

std::optional<GapQueries::Grid> frm_docs_gaps::readGrid(const GapQueries &queries) const
{
    return queries.workProducts(organization());
}
