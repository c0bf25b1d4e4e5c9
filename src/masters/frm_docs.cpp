#include "frm_docs.h"

#include "widgets/DataGrid.h"
#include "widgets/LimitedTextEdit.h"
#include "widgets/ModelCascade.h"

#include <QComboBox>
#include <QGridLayout>

frm_docs::frm_docs(QWidget *parent)
    : ModelMaster(parent)
{
    setObjectName(QStringLiteral("frm_docs"));
    setWindowTitle(QStringLiteral("Work Products Master"));

    // Created in the order the keyboard visits them.
    cmb_level = selector(QStringLiteral("cmb_level"), false);
    cmb_kpa = selector(QStringLiteral("cmb_kpa"));
    cmb_goal_id = selector(QStringLiteral("cmb_goal_id"));
    txt_goal_desc = description(QStringLiteral("txt_goal_desc"));
    cmb_practice_id = selector(QStringLiteral("cmb_practice_id"));
    Txt_practice_desc = description(QStringLiteral("Txt_practice_desc"));
    cmb_docs_id = selector(QStringLiteral("cmb_docs_id"));
    txt_docs_desc = description(QStringLiteral("txt_docs_desc"));

    auto *form = new QGridLayout;
    addRow(form, 0, 0, QStringLiteral("CMMi Level"), cmb_level);
    addRow(form, 0, 2, QStringLiteral("KPA"), cmb_kpa);
    addRow(form, 1, 0, QStringLiteral("Goal Id"), cmb_goal_id);
    addRow(form, 1, 2, QStringLiteral("Goal Description"), txt_goal_desc);
    addRow(form, 2, 0, QStringLiteral("Practice Id"), cmb_practice_id);
    addRow(form, 2, 2, QStringLiteral("Practice Description"), Txt_practice_desc);
    addRow(form, 3, 0, QStringLiteral("Work Product  Id"), cmb_docs_id);
    addRow(form, 3, 2, QStringLiteral("Work product Description"), txt_docs_desc);
    form->setColumnStretch(3, 1);
    arrange(form);

    setModel(ModelCascade::workProducts([this] { return records(); }, cmb_level, cmb_kpa, cmb_goal_id,
                                        cmb_practice_id, cmb_docs_id, txt_goal_desc, Txt_practice_desc,
                                        txt_docs_desc, this),
             {{txt_goal_desc, QStringLiteral("vx_goal_desc")},
              {Txt_practice_desc, QStringLiteral("vx_practice_desc")},
              {txt_docs_desc, QStringLiteral("vx_doc_desc")}},
             {QStringLiteral("Level"), QStringLiteral("KPA"), QStringLiteral("Goal Id"), QStringLiteral("Goal Description"),
              QStringLiteral("Practice Id"), QStringLiteral("Practice Description"), QStringLiteral("Document Id"),
              QStringLiteral("Document Description")},
             {QStringLiteral("vx_level"), QStringLiteral("vx_kpa"), QStringLiteral("vx_goal_id"),
              QStringLiteral("vx_goal_desc"), QStringLiteral("vx_practice_id"), QStringLiteral("vx_practice_desc"),
              QStringLiteral("vx_doc_id"), QStringLiteral("vx_doc_desc")});
}

OrderedChecks frm_docs::saveChecks() const
{
    using Then = OrderedChecks::Then;
    return OrderedChecks()
        .blank(cmb_level, QStringLiteral("Level is blank"))
        .blank(cmb_kpa, QStringLiteral("KPA Description is blank"))
        .blank(cmb_goal_id, QStringLiteral("Goal Id is blank"))
        .blank(cmb_practice_id, QStringLiteral("Practice ID is blank"))
        .blank(cmb_docs_id, QStringLiteral("Work Product ID is blank"))
        .longerThan(cmb_practice_id, idLength, QStringLiteral("Practice ID can not have more than 10 characters"), Then::Cut)
        .longerThan(cmb_goal_id, idLength, QStringLiteral("Goal ID can not have more than 10 characters"), Then::Cut)
        .longerThan(cmb_docs_id, idLength, QStringLiteral("Work Product ID can not have more than 10 characters"), Then::Cut)
        .blank(txt_goal_desc, QStringLiteral("Goal Description is Blank"), Then::Focus)
        .blank(Txt_practice_desc, QStringLiteral("Practice Description is Blank"), Then::Focus)
        .blankWhen([this] { return !isGenericGoal(cmb_goal_id->currentText()); }, txt_docs_desc,
                   QStringLiteral("Work Product Description is Blank"), Then::Focus);
}
