#include "frm_gaps.h"

#include "widgets/DataGrid.h"
#include "widgets/LimitedTextEdit.h"
#include "widgets/ModelCascade.h"

#include <QComboBox>
#include <QGridLayout>

frm_gaps::frm_gaps(QWidget *parent)
    : ModelMaster(parent)
{
    setObjectName(QStringLiteral("frm_gaps"));
    setWindowTitle(QStringLiteral("Maintain KPA Master"));

    // Created in the order the keyboard visits them.
    cmb_level = selector(QStringLiteral("cmb_level"), false);
    cmb_kpa = selector(QStringLiteral("cmb_kpa"));
    cmb_goal_id = selector(QStringLiteral("cmb_goal_id"));
    txt_goal_desc = description(QStringLiteral("txt_goal_desc"));
    cmb_practice_id = selector(QStringLiteral("cmb_practice_id"));
    Txt_practice_desc = description(QStringLiteral("Txt_practice_desc"));
    cmb_subpractice_id = selector(QStringLiteral("cmb_subpractice_id"));
    txt_subpractice_desc = description(QStringLiteral("txt_subpractice_desc"));

    auto *form = new QGridLayout;
    addRow(form, 0, 0, QStringLiteral("CMMi Level"), cmb_level);
    addRow(form, 1, 0, QStringLiteral("KPA"), cmb_kpa);
    addRow(form, 2, 0, QStringLiteral("Goal Id"), cmb_goal_id);
    addRow(form, 2, 2, QStringLiteral("Goal Description"), txt_goal_desc);
    addRow(form, 3, 0, QStringLiteral("Practice Id"), cmb_practice_id);
    addRow(form, 3, 2, QStringLiteral("Practice Description"), Txt_practice_desc);
    addRow(form, 4, 0, QStringLiteral("Subprocatice Id"), cmb_subpractice_id);
    addRow(form, 4, 2, QStringLiteral("Subpractice Description"), txt_subpractice_desc);
    form->setColumnStretch(3, 1);
    arrange(form);

    setModel(ModelCascade::processAreas([this] { return records(); }, cmb_level, cmb_kpa, cmb_goal_id,
                                        cmb_practice_id, cmb_subpractice_id, txt_goal_desc, Txt_practice_desc,
                                        txt_subpractice_desc, this),
             {{txt_goal_desc, QStringLiteral("vx_goal_desc")},
              {Txt_practice_desc, QStringLiteral("vx_practice_desc")},
              {txt_subpractice_desc, QStringLiteral("vx_subpractice_desc")}},
             {QStringLiteral("Level"), QStringLiteral("KPA"), QStringLiteral("Goal Id"), QStringLiteral("Goal Description"),
              QStringLiteral("Practice Id"), QStringLiteral("Practice Description"), QStringLiteral("Subpractice Id"),
              QStringLiteral("Subpractiuce Description")},
             {QStringLiteral("vx_level"), QStringLiteral("vx_kpa"), QStringLiteral("vx_goal_id"),
              QStringLiteral("vx_goal_desc"), QStringLiteral("vx_practice_id"), QStringLiteral("vx_practice_desc"),
              QStringLiteral("vx_subpractice_id"), QStringLiteral("vx_subpractice_desc")});
}

OrderedChecks frm_gaps::saveChecks() const
{
    using Then = OrderedChecks::Then;
    const auto specific = [this] { return !isGenericGoal(cmb_goal_id->currentText()); };
    return OrderedChecks()
        .blank(cmb_level, QStringLiteral("Level is blank"))
        .blank(cmb_kpa, QStringLiteral("KPA Description is blank"))
        .blank(cmb_goal_id, QStringLiteral("Goal Id is blank"))
        .blank(cmb_practice_id, QStringLiteral("Practice ID is blank"))
        .blankWhen(specific, cmb_subpractice_id, QStringLiteral("Sub Practice ID is blank"))
        .blank(txt_goal_desc, QStringLiteral("Goal Description is Blank"), Then::Focus)
        .blank(Txt_practice_desc, QStringLiteral("Practice Description is Blank"), Then::Focus)
        .longerThan(cmb_practice_id, idLength, QStringLiteral("Practice ID can not have more than 10 characters"), Then::Cut)
        .longerThan(cmb_goal_id, idLength, QStringLiteral("Goal ID can not have more than 10 characters"), Then::Cut)
        .longerThan(cmb_subpractice_id, idLength, QStringLiteral("Sub Practice ID can not have more than 10 characters"),
                    Then::Cut)
        .blankWhen(specific, txt_subpractice_desc, QStringLiteral("Sub practice Description is Blank"), Then::Focus);
}
