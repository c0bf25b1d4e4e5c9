#pragma once

#include "shell/Screen.h"

#include <memory>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class Report;
class ReportViewer;

// The report screen: pick one of the eight report types for the chosen organization, generate
// it and read it in the viewer, print it or export it; Exit returns to the selection.
class Frm_Reports : public Screen
{
    Q_OBJECT
public:
    explicit Frm_Reports(QWidget *parent = nullptr);
    ~Frm_Reports() override;

    bool Form_Load() override;
    QSize openingSize() const override { return {980, 720}; }
    QWidget *firstField() const override;
    QPushButton *defaultCommand() const override;

    void Command4_Click();
    void Cmdrepexit_Click();

    static QString noOrganizationMessage() { return QStringLiteral("Select an organization for Reports"); }

    QString companyName() const { return m_company; }
    bool isViewing() const;
    // The report on show, with what it was given; null while selecting.
    const Report *report() const { return m_report.get(); }

    QFrame *Picture5;
    QLabel *lblReports;
    QGroupBox *Frame5;
    QLabel *lblType;
    QComboBox *TypeofReport;
    QPushButton *Command4;
    ReportViewer *RptView;
    QPushButton *Cmdrepexit;

protected:
    void Form_Unload() override;

private:
    void showSelecting();
    void showViewing();
    void releaseReport();

    QString m_company;
    std::unique_ptr<Report> m_report;
};
