#pragma once

#include "gaps/GapScreen.h"
#include "widgets/ModelCascade.h"

class QPlainTextEdit;

// The practice and the work product gap screens: level, KPA, goal, practice and one last
// selector over a model table, each with the description of its choice beside it, and the
// stored answer shown on the last choice.
class CascadeGapScreen : public GapScreen
{
    Q_OBJECT
public:
    bool Form_Load() override;
    void FillKpaList();

    QComboBox *cmb_level;
    QComboBox *cmb_kpa;
    QComboBox *cmb_goal_id;
    QPlainTextEdit *txt_goal_desc;
    QComboBox *cmb_practice_id;
    QPlainTextEdit *Txt_practice_desc;

protected:
    // The model cascade of the screen's table (ModelCascade::processAreas or workProducts).
    using CascadeFactory = decltype(&ModelCascade::processAreas);
    // The last selector and its description (names and labels), and the reference field's label.
    struct Item
    {
        QString selector;
        QString selectorLabel;
        QString description;
        QString descriptionLabel;
        QString referenceLabel;
    };

    CascadeGapScreen(const QString &caption, const QString &rows, const QStringList &headers, const Item &item,
                     CascadeFactory makeCascade, QWidget *parent);

    Fields identity() const override;
    // Level to practice, then the last selector unless the goal id begins with "GG" (case
    // included): the screens' first five checks, with the last one's message.
    void addSelectorChecks(OrderedChecks &checks, const QString &itemBlank) const;
    bool isGenericGoal() const;

    QComboBox *const itemSelector;
    QPlainTextEdit *const itemDescription;
    ModelCascade *m_cascade;
};
