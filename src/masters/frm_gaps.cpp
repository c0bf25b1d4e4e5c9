#include "frm_gaps.h"

#include "widgets/LimitedTextEdit.h"
#include "widgets/ModelCascade.h"

#include <QComboBox>

frm_gaps::frm_gaps(QWidget *parent)
    : LevelMaster(QStringLiteral("Maintain KPA Master"), &ModelCascade::processAreas,
                  {QStringLiteral("cmb_subpractice_id"), QStringLiteral("Subprocatice Id"),
                   QStringLiteral("Subpractice Id"), QStringLiteral("vx_subpractice_id")},
                  {QStringLiteral("txt_subpractice_desc"), QStringLiteral("Subpractice Description"),
                   QStringLiteral("Subpractiuce Description"), QStringLiteral("vx_subpractice_desc")},
                  Layout::KpaBelowLevel, parent),
      cmb_subpractice_id(m_lastId),
      txt_subpractice_desc(m_lastDescription)
{
    setObjectName(QStringLiteral("frm_gaps"));
}

OrderedChecks frm_gaps::saveChecks() const
{
    using Then = OrderedChecks::Then;
    const auto specific = [this] { return !isGenericGoal(cmb_goal_id->currentText()); };
    return blankIds()
        .blankWhen(specific, cmb_subpractice_id, QStringLiteral("Sub Practice ID is blank"))
        .blank(txt_goal_desc, QStringLiteral("Goal Description is Blank"), Then::Focus)
        .blank(Txt_practice_desc, QStringLiteral("Practice Description is Blank"), Then::Focus)
        .longerThan(cmb_practice_id, idLength, QStringLiteral("Practice ID can not have more than 10 characters"), Then::Cut)
        .longerThan(cmb_goal_id, idLength, QStringLiteral("Goal ID can not have more than 10 characters"), Then::Cut)
        .longerThan(cmb_subpractice_id, idLength, QStringLiteral("Sub Practice ID can not have more than 10 characters"),
                    Then::Cut)
        .blankWhen(specific, txt_subpractice_desc, QStringLiteral("Sub practice Description is Blank"), Then::Focus);
}
