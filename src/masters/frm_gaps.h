#pragma once

#include "masters/LevelMaster.h"

// The process-area model: levels, KPAs, goals, practices and subpractices with their
// descriptions. A save adds the row when its five ids are new, otherwise rewrites its three
// descriptions.
class frm_gaps : public LevelMaster
{
    Q_OBJECT
public:
    explicit frm_gaps(QWidget *parent = nullptr);

    QComboBox *cmb_subpractice_id;
    LimitedTextEdit *txt_subpractice_desc;

protected:
    OrderedChecks saveChecks() const override;
};
