#pragma once

#include "masters/ModelMaster.h"

class LimitedTextEdit;
class QComboBox;

// The process-area model: levels, KPAs, goals, practices and subpractices with their
// descriptions. A save adds the row when its five ids are new, otherwise rewrites its three
// descriptions.
class frm_gaps : public ModelMaster
{
    Q_OBJECT
public:
    explicit frm_gaps(QWidget *parent = nullptr);

    QSize openingSize() const override { return {920, 600}; }

    QComboBox *cmb_level;
    QComboBox *cmb_kpa;
    QComboBox *cmb_goal_id;
    LimitedTextEdit *txt_goal_desc;
    QComboBox *cmb_practice_id;
    LimitedTextEdit *Txt_practice_desc;
    QComboBox *cmb_subpractice_id;
    LimitedTextEdit *txt_subpractice_desc;

protected:
    OrderedChecks saveChecks() const override;
};
