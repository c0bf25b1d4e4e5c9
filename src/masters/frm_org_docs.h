#pragma once

#include "shell/Screen.h"

class DataGrid;
class LimitedTextEdit;
class QComboBox;
class QLineEdit;
class QPushButton;

// The process assets of the organizations: named documents with a type and a description,
// saved and deleted for the chosen organization; the grid lists those of every organization.
class frm_org_docs : public Screen
{
    Q_OBJECT
public:
    explicit frm_org_docs(QWidget *parent = nullptr);

    bool Form_Load() override;
    QSize openingSize() const override { return {760, 540}; }

    static QStringList assetTypes();

    void LoadGrid();
    void cmd_save_Click();
    void cmd_delete_Click();
    void LV_cmmi_DblClick(int line);

    QLineEdit *txt_doc_name;
    LimitedTextEdit *txt_doc_dtls;
    QComboBox *cmb_doc_type;
    QPushButton *cmd_save;
    QPushButton *cmd_delete;
    DataGrid *LV_cmmi;

private:
    // The chosen organization, or a refusal (shown) when there is none: nothing may be written
    // for an organization without a name.
    bool organizationChosen();
};
