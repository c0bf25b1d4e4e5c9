#pragma once

#include "masters/ModelMaster.h"

class LimitedTextEdit;
class QComboBox;

// The work products expected of each practice, with their goal's and practice's descriptions.
// A save adds the row when its five ids are new, otherwise rewrites its three descriptions.
class frm_docs : public ModelMaster
{
    Q_OBJECT
public:
    explicit frm_docs(QWidget *parent = nullptr);

    QSize openingSize() const override { return {920, 600}; }

    QComboBox *cmb_level;
    QComboBox *cmb_kpa;
    QComboBox *cmb_goal_id;
    LimitedTextEdit *txt_goal_desc;
    QComboBox *cmb_practice_id;
    LimitedTextEdit *Txt_practice_desc;
    QComboBox *cmb_docs_id;
    LimitedTextEdit *txt_docs_desc;

protected:
    OrderedChecks saveChecks() const override;
};
