#pragma once

#include "gaps/GapScreen.h"

class LimitedTextEdit;
class ModelCascade;

// How the chosen organization meets each generic practice in each process area (KPA).
class frm_gg_gaps : public GapScreen
{
    Q_OBJECT
public:
    explicit frm_gg_gaps(QWidget *parent = nullptr);

    bool Form_Load() override;
    void FillGoalCombo();
    void FillKpaList();
    // The KPA choice: the stored answer of the generic goal, generic practice and KPA shown.
    void cmb_level_Click();

    QComboBox *cmb_ggid;
    LimitedTextEdit *txt_goal_desc;
    QComboBox *cmb_practice_id;
    LimitedTextEdit *Txt_practice_desc;
    QComboBox *cmb_level;

protected:
    QString gapTable() const override { return QStringLiteral("vx_gaps_ggs"); }
    Fields identity() const override;
    void addChecks(OrderedChecks &checks) const override;
    std::optional<GapQueries::Grid> readGrid(const GapQueries &queries) const override;
    void loadAnswer() override { cmb_level_Click(); }

private:
    ModelCascade *m_cascade;
};
