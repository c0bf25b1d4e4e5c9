#pragma once

#include "masters/LevelMaster.h"

// The work products expected of each practice, with their goal's and practice's descriptions.
// A save adds the row when its five ids are new, otherwise rewrites its three descriptions.
class frm_docs : public LevelMaster
{
    Q_OBJECT
public:
    explicit frm_docs(QWidget *parent = nullptr);

    QComboBox *cmb_docs_id;
    LimitedTextEdit *txt_docs_desc;

protected:
    OrderedChecks saveChecks() const override;
};
