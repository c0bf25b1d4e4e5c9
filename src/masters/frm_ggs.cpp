#include "frm_ggs.h"

#include "widgets/BuddyLabel.h"
#include "widgets/DataGrid.h"
#include "widgets/FieldText.h"
#include "widgets/LimitedTextEdit.h"
#include "widgets/ModelCascade.h"

#include <QComboBox>
#include <QGridLayout>

frm_ggs::frm_ggs(QWidget *parent)
    : ModelMaster(parent)
{
    setObjectName(QStringLiteral("frm_ggs"));
    setWindowTitle(QStringLiteral("Maintain Generic Goals Master"));

    // Created in the order the keyboard visits them.
    cmb_ggid = selector(QStringLiteral("cmb_ggid"));
    txt_goal_desc = description(QStringLiteral("txt_goal_desc"));
    cmb_practice_id = selector(QStringLiteral("cmb_practice_id"));
    Txt_practice_desc = description(QStringLiteral("Txt_practice_desc"));

    // Each id with its label to the left, its description with the label above.
    auto *form = new QGridLayout;
    addRow(form, 1, 0, QStringLiteral("Generic Goal Id"), cmb_ggid);
    form->addWidget(new BuddyLabel(QStringLiteral("Goal Description"), txt_goal_desc, this), 0, 2);
    form->addWidget(txt_goal_desc, 1, 2);
    addRow(form, 3, 0, QStringLiteral("Practice Id"), cmb_practice_id);
    form->addWidget(new BuddyLabel(QStringLiteral("Practice Description"), Txt_practice_desc, this), 2, 2);
    form->addWidget(Txt_practice_desc, 3, 2);
    form->setColumnStretch(2, 1);
    arrange(form);

    setModel(ModelCascade::genericGoals([this] { return records(); }, cmb_ggid, cmb_practice_id, txt_goal_desc,
                                        Txt_practice_desc, this),
             {{txt_goal_desc, QStringLiteral("vx_goal_desc")}, {Txt_practice_desc, QStringLiteral("vx_practice_desc")}},
             {QStringLiteral("Goal Id"), QStringLiteral("Goal Description"), QStringLiteral("Practice Id"),
              QStringLiteral("Practice Description")},
             {QStringLiteral("vx_goal_id"), QStringLiteral("vx_goal_desc"), QStringLiteral("vx_practice_id"),
              QStringLiteral("vx_practice_desc")});
}

OrderedChecks frm_ggs::saveChecks() const
{
    using Then = OrderedChecks::Then;
    // Here a description of blanks only is a description.
    const auto empty = [](const QWidget *field) { return [field] { return FieldText::text(field).isEmpty(); }; };
    return OrderedChecks()
        .blank(cmb_ggid, QStringLiteral("Generic Goal Id is blank"), Then::Focus)
        .blank(cmb_practice_id, QStringLiteral("Practice Id is blank"), Then::Focus)
        .longerThan(cmb_ggid, idLength, QStringLiteral("Generic Goal Id can not have more than 10 characters"), Then::Focus)
        .longerThan(cmb_practice_id, idLength, QStringLiteral("Practice Id can not have more than 10 characters"),
                    Then::Focus)
        .when(empty(txt_goal_desc), QStringLiteral("Generic Goal Description is blank"), Then::Focus, txt_goal_desc)
        .when(empty(Txt_practice_desc), QStringLiteral("Practice Description is blank"), Then::Focus, Txt_practice_desc);
}
