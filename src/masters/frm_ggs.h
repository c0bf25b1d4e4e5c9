#pragma once

#include "masters/ModelMaster.h"

class LimitedTextEdit;
class QComboBox;

// The generic goals and the generic practices under each. A save adds the goal/practice pair
// when it is new, otherwise rewrites its two descriptions.
class frm_ggs : public ModelMaster
{
    Q_OBJECT
public:
    explicit frm_ggs(QWidget *parent = nullptr);

    QSize openingSize() const override { return {820, 560}; }

    QComboBox *cmb_ggid;
    LimitedTextEdit *txt_goal_desc;
    QComboBox *cmb_practice_id;
    LimitedTextEdit *Txt_practice_desc;

protected:
    OrderedChecks saveChecks() const override;
};
