#pragma once

#include "shell/Screen.h"

class QLabel;
class QPushButton;

// The product name, the program's version and the stored company details.
class Frm_About : public Screen
{
    Q_OBJECT
public:
    explicit Frm_About(QWidget *parent = nullptr);

    bool Form_Load() override;
    QSize openingSize() const override { return {440, 280}; }

    void Command1_Click();

    // "Version 1.0" for the build's project version 1.0.
    static QString versionLine();

    QLabel *lblProductName;
    QLabel *lbl_about;
    QLabel *Image1;
    QLabel *Label4;
    QPushButton *Command1;
};
