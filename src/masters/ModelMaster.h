#pragma once

#include "shell/Screen.h"
#include "widgets/OrderedChecks.h"

#include <QStringList>

class DataGrid;
class LimitedTextEdit;
class ModelCascade;
class QComboBox;
class QGridLayout;
class QPushButton;

// What the three model masters share: selectors over one model table, description fields
// saved with the chosen ids, a save command and a grid of the whole table. Each master builds
// its own fields and layout and says its own save checks.
class ModelMaster : public Screen
{
    Q_OBJECT
public:
    bool Form_Load() override;

    // Rebuilds the grid from the whole table, in the order of the selectors' columns.
    void LoadGrid();
    void cmd_save_Click();

    QPushButton *cmd_save;
    DataGrid *LV_cmmi;

protected:
    // Ids are stored with at most this many characters.
    static constexpr int idLength = 10;

    explicit ModelMaster(QWidget *parent);

    // The cascade over the table, the description fields with the columns they are saved to,
    // and the grid's columns after "S No" with their headers.
    void setModel(ModelCascade *cascade, const QList<std::pair<QWidget *, QString>> &descriptions,
                  const QStringList &headers, const QStringList &columns);
    virtual OrderedChecks saveChecks() const = 0;

    QComboBox *selector(const QString &name, bool editable = true);
    LimitedTextEdit *description(const QString &name);
    // A label left of its field in the form's grid.
    void addRow(QGridLayout *form, int row, int column, const QString &label, QWidget *field);
    // The form above, the save command below it and the grid in the rest of the window.
    void arrange(QGridLayout *form);

    // A goal id that begins with "GG" (capitals only) is a generic goal inside a process area.
    static bool isGenericGoal(const QString &goalId) { return goalId.startsWith(QStringLiteral("GG")); }

    ModelCascade *m_cascade = nullptr;

private:
    QList<std::pair<QWidget *, QString>> m_descriptions;
    QStringList m_columns;
};
