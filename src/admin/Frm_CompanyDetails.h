#pragma once

#include "shell/Screen.h"

class QGroupBox;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The user's company name and address, kept as the one row of Tvxrk_companydetails; the
// About box and the reports read them from there.
class Frm_CompanyDetails : public Screen
{
    Q_OBJECT
public:
    explicit Frm_CompanyDetails(QWidget *parent = nullptr);

    bool Form_Load() override;
    QSize openingSize() const override { return {460, 300}; }

    void cmd_csave_Click();
    void cmd_ccancel_Click();

    static QString blankNameMessage() { return QStringLiteral("Company Name Can not be blank"); }

    QGroupBox *Frame1;
    QLineEdit *txt_companyname;
    QPlainTextEdit *RTB_Address;
    QPushButton *cmd_csave;
    QPushButton *cmd_ccancel;

private:
    void replaceFirstRow();
};
