#include "frm_practice_gaps.h"

#include "widgets/OrderedChecks.h"

#include <QPlainTextEdit>

frm_practice_gaps::frm_practice_gaps(QWidget *parent)
    : CascadeGapScreen(QStringLiteral("Practice Gaps Analysis"), QStringLiteral("subpractice rows"),
                       GapQueries::practiceHeaders(),
                       {QStringLiteral("cmb_subpractice_id"), QStringLiteral("Subprocatice Id"),
                        QStringLiteral("txt_subpractice_desc"), QStringLiteral("Subpractice Description"),
                        QStringLiteral("Reference to Organizational Process Documentation")},
                       &ModelCascade::processAreas, parent),
      cmb_subpractice_id(itemSelector),
      txt_subpractice_desc(itemDescription)
{
    setObjectName(QStringLiteral("frm_practice_gaps"));
    m_cascade->addFollowUp(cmb_subpractice_id, [this] { cmb_subpractice_id_Click(); });
}

void frm_practice_gaps::cmb_subpractice_id_Click()
{
    showStored(storedAnswer());
}

void frm_practice_gaps::addChecks(OrderedChecks &checks) const
{
    addSelectorChecks(checks, QStringLiteral("Sub Practice ID is blank"));
    addReferenceCheck(checks);
    checks.blank(txt_goal_desc, QStringLiteral("Goal Description is Blank"))
        .blank(Txt_practice_desc, QStringLiteral("Practice Description is Blank"))
        .blankWhen([this] { return !isGenericGoal(); }, txt_subpractice_desc,
                   QStringLiteral("Sub practice Description is Blank"));
}

std::optional<GapQueries::Grid> frm_practice_gaps::readGrid(const GapQueries &queries) const
{
    return queries.practices(organization());
}
