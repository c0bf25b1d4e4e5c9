#pragma once

#include "data/Records.h"
#include "gaps/GapQueries.h"
#include "shell/Screen.h"

#include <optional>

class DataGrid;
class GapProgress;
class OrderedChecks;
class QGridLayout;
class QComboBox;
class QLineEdit;
class SaveButton;

// What the three gap screens share: the chosen organization in the title, the reference and
// how-met fields, the save command, the grid of the model with the organization's answers and
// the progress line under it. A screen follows a newly chosen organization at once (title,
// grid, shown answer), so an answer is never saved under another organization than the title names.
class GapScreen : public Screen
{
    Q_OBJECT
public:
    QSize openingSize() const override { return {1120, 780}; }
    QWidget *firstField() const override { return m_firstField; }
    // The organization whose answers the screen shows and saves.
    QString organization() const { return m_coid; }

    void cmd_save_Click();
    void LoadGrid();

    QLineEdit *txt_qms_ref;
    QComboBox *cmb_how_met;
    SaveButton *cmd_save;
    DataGrid *LV_cmmi;
    GapProgress *lbl_progress;

protected:
    // `rows` names what the progress line counts.
    GapScreen(const QString &caption, const QString &rows, const QStringList &headers, QWidget *parent);

    // The gap table, its reference column, and the record's identity without the organization.
    virtual QString gapTable() const = 0;
    virtual QString referenceColumn() const { return QStringLiteral("vx_qms_ref"); }
    virtual Fields identity() const = 0;
    // The screen's own save checks, in its order.
    virtual void addChecks(OrderedChecks &checks) const = 0;
    virtual std::optional<GapQueries::Grid> readGrid(const GapQueries &queries) const = 0;
    // Shows the stored answer of the current choices (the handler of the last choice).
    virtual void loadAnswer() = 0;

    // The organization's first record for the current choices.
    Records::Lookup storedAnswer();
    // A found record's reference (a null as empty) and how-met value (when it is one of the
    // entries); no record empties the reference and leaves how-met; a failed read changes nothing.
    void showStored(const Records::Lookup &record);
    // The reference check of the practice and generic goal screens: blank, or the "Add New"
    // left from a form template, moves the focus to the reference.
    void addReferenceCheck(OrderedChecks &checks) const;
    // A selector with its label on the left and the description of its choice on the right,
    // labels level with the selector's text.
    void addSelectorRow(QGridLayout *form, int row, const QString &label, QComboBox *selector,
                        const QString &descriptionLabel, QWidget *description);
    // Tab order, the shared fields included, as the screen lays them out; the keyboard starts in the first.
    void orderTabs(const QList<QWidget *> &fields);

private:
    void followOrganization(const QString &name);
    Fields gapIdentity() const;

    QString m_caption;
    QString m_coid;
    QWidget *m_firstField = nullptr;
};
