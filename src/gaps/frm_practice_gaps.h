#pragma once

#include "gaps/CascadeGapScreen.h"

// How the chosen organization meets each row of the process-area model (level, KPA, goal,
// practice, subpractice), with a reference to its own process documentation.
class frm_practice_gaps : public CascadeGapScreen
{
    Q_OBJECT
public:
    explicit frm_practice_gaps(QWidget *parent = nullptr);

    // The subpractice choice: its description (through the cascade), then the stored answer.
    void cmb_subpractice_id_Click();

    QComboBox *const cmb_subpractice_id;
    QPlainTextEdit *const txt_subpractice_desc;

protected:
    QString gapTable() const override { return QStringLiteral("vx_gaps_sgs"); }
    void addChecks(OrderedChecks &checks) const override;
    std::optional<GapQueries::Grid> readGrid(const GapQueries &queries) const override;
    void loadAnswer() override { cmb_subpractice_id_Click(); }
};
