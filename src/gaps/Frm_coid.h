#pragma once

#include "shell/Screen.h"

class QGroupBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

// Defines a new organization or picks one already assessed; the pick becomes the chosen
// organization for the gap screens, the process assets and the reports.
class Frm_coid : public Screen
{
    Q_OBJECT
public:
    explicit Frm_coid(QWidget *parent = nullptr);

    bool Form_Load() override;
    QSize openingSize() const override { return {440, 400}; }
    QWidget *firstField() const override;
    QPushButton *defaultCommand() const override;

    void FillOrganizationList();
    void newopt_Click();
    void exopt_Click();
    void cmd_save_Click();
    void cmdok_Click();
    void cmdcancel_Click();

    QRadioButton *newopt;
    QRadioButton *exopt;
    QGroupBox *Frame3;
    QLineEdit *txt_coid;
    QPushButton *cmd_save;
    QGroupBox *Frame2;
    QListWidget *List1;
    QPushButton *cmdok;
    QPushButton *cmdcancel;

protected:
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;
};
