#include "frm_docs.h"

#include "widgets/LimitedTextEdit.h"
#include "widgets/ModelCascade.h"

#include <QComboBox>

frm_docs::frm_docs(QWidget *parent)
    : LevelMaster(QStringLiteral("Work Products Master"), &ModelCascade::workProducts,
                  {QStringLiteral("cmb_docs_id"), QStringLiteral("Work Product  Id"),
                   QStringLiteral("Document Id"), QStringLiteral("vx_doc_id")},
                  {QStringLiteral("txt_docs_desc"), QStringLiteral("Work product Description"),
                   QStringLiteral("Document Description"), QStringLiteral("vx_doc_desc")},
                  Layout::KpaBesideLevel, parent),
      cmb_docs_id(m_lastId),
      txt_docs_desc(m_lastDescription)
{
    setObjectName(QStringLiteral("frm_docs"));
}

OrderedChecks frm_docs::saveChecks() const
{
    using Then = OrderedChecks::Then;
    return blankIds()
        .blank(cmb_docs_id, QStringLiteral("Work Product ID is blank"))
        .longerThan(cmb_practice_id, idLength, QStringLiteral("Practice ID can not have more than 10 characters"), Then::Cut)
        .longerThan(cmb_goal_id, idLength, QStringLiteral("Goal ID can not have more than 10 characters"), Then::Cut)
        .longerThan(cmb_docs_id, idLength, QStringLiteral("Work Product ID can not have more than 10 characters"), Then::Cut)
        .blank(txt_goal_desc, QStringLiteral("Goal Description is Blank"), Then::Focus)
        .blank(Txt_practice_desc, QStringLiteral("Practice Description is Blank"), Then::Focus)
        .blankWhen([this] { return !isGenericGoal(cmb_goal_id->currentText()); }, txt_docs_desc,
                   QStringLiteral("Work Product Description is Blank"), Then::Focus);
}
