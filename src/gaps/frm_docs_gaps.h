#pragma once

#include "gaps/CascadeGapScreen.h"

// How the chosen organization meets each work product of the model, with a reference to its
// own work product.
class frm_docs_gaps : public CascadeGapScreen
{
    Q_OBJECT
public:
    explicit frm_docs_gaps(QWidget *parent = nullptr);

    // The work product choice: its description (through the cascade), then the stored answer;
    // a record without a reference counts as none.
    void cmb_docs_id_Click();

    QComboBox *const cmb_docs_id;
    QPlainTextEdit *const txt_docs_desc;

protected:
    QString gapTable() const override { return QStringLiteral("vx_gaps_docs"); }
    QString referenceColumn() const override { return QStringLiteral("vx_doc_ref"); }
    void addChecks(OrderedChecks &checks) const override;
    std::optional<GapQueries::Grid> readGrid(const GapQueries &queries) const override;
    void loadAnswer() override { cmb_docs_id_Click(); }
};
