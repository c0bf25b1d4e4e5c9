#include "ModelCascade.h"

#include "widgets/FieldText.h"

#include <QComboBox>

ModelCascade::ModelCascade(const QString &table, RecordsSource records, QObject *parent)
    : QObject(parent), m_table(table), m_records(std::move(records)), m_cascade(new SelectorCascade(this))
{
}

ModelCascade *ModelCascade::processAreas(RecordsSource records, QComboBox *level, QComboBox *kpa, QComboBox *goal,
                                         QComboBox *practice, QComboBox *subpractice, QWidget *goalDesc,
                                         QWidget *practiceDesc, QWidget *subpracticeDesc, QObject *parent)
{
    return byLevel(QStringLiteral("cmmi_kpas"), QStringLiteral("vx_subpractice_id"), QStringLiteral("vx_subpractice_desc"),
                   std::move(records), {level, kpa, goal, practice, subpractice}, {goalDesc, practiceDesc, subpracticeDesc},
                   parent);
}

ModelCascade *ModelCascade::workProducts(RecordsSource records, QComboBox *level, QComboBox *kpa, QComboBox *goal,
                                         QComboBox *practice, QComboBox *workProduct, QWidget *goalDesc,
                                         QWidget *practiceDesc, QWidget *workProductDesc, QObject *parent)
{
    return byLevel(QStringLiteral("cmmi_docs"), QStringLiteral("vx_doc_id"), QStringLiteral("vx_doc_desc"),
                   std::move(records), {level, kpa, goal, practice, workProduct}, {goalDesc, practiceDesc, workProductDesc},
                   parent);
}

// Level, KPA, goal, practice and the table's own last id; the goal description follows the KPA
// and the goal choices, each other description the choice of its own selector.
ModelCascade *ModelCascade::byLevel(const QString &table, const QString &idColumn, const QString &descColumn,
                                    RecordsSource records, const QList<QComboBox *> &combos,
                                    const QList<QWidget *> &descriptions, QObject *parent)
{
    auto *m = new ModelCascade(table, std::move(records), parent);
    m->addSelector(combos[0], QStringLiteral("vx_level"), true);
    m->addSelector(combos[1], QStringLiteral("vx_kpa"));
    m->addSelector(combos[2], QStringLiteral("vx_goal_id"));
    m->addSelector(combos[3], QStringLiteral("vx_practice_id"));
    m->addSelector(combos[4], idColumn);
    m->addDescription(combos[1], descriptions[0], QStringLiteral("vx_goal_desc"), 3);
    m->addDescription(combos[2], descriptions[0], QStringLiteral("vx_goal_desc"), 3);
    m->addDescription(combos[3], descriptions[1], QStringLiteral("vx_practice_desc"), 4);
    m->addDescription(combos[4], descriptions[2], descColumn, 5);
    return m;
}

ModelCascade *ModelCascade::genericGoals(RecordsSource records, QComboBox *goal, QComboBox *practice,
                                         QWidget *goalDesc, QWidget *practiceDesc, QObject *parent)
{
    auto *m = new ModelCascade(QStringLiteral("cmmi_ggs"), std::move(records), parent);
    m->addSelector(goal, QStringLiteral("vx_goal_id"));
    m->addSelector(practice, QStringLiteral("vx_practice_id"));
    m->addDescription(goal, goalDesc, QStringLiteral("vx_goal_desc"), 1);
    // By goal and practice: a practice id under two goals has a description under each.
    m->addDescription(practice, practiceDesc, QStringLiteral("vx_practice_desc"), 2);
    return m;
}

void ModelCascade::addSelector(QComboBox *combo, const QString &column, bool isLevel)
{
    const int depth = int(m_selectors.size());
    m_selectors.append({combo, column, isLevel});
    if (isLevel) {
        combo->clear();
        combo->addItems(levels());
        m_cascade->add(combo, {});
        return;
    }
    m_cascade->add(combo, [this, depth, column]() -> std::optional<QStringList> {
        return m_records().distinct(m_table, column, keys(depth));
    });
}

void ModelCascade::addDescription(QComboBox *combo, QWidget *field, const QString &column, int keyCount)
{
    if (!field)
        return;
    const Description description{field, column, keyCount};
    m_cascade->addFollowUp(combo, [this, description] { showDescription(description); });
}

void ModelCascade::showDescription(const Description &description) const
{
    if (!description.field)
        return;
    const Records::Lookup row = m_records().first(m_table, keys(description.keyCount));
    if (row.found())
        FieldText::setText(description.field, row.value(description.column).toString());
}

Fields ModelCascade::keys(int count) const
{
    if (count < 0 || count > m_selectors.size())
        count = int(m_selectors.size());
    Fields fields;
    for (int i = 0; i < count; ++i) {
        const Selector &s = m_selectors[i];
        const QString text = s.combo->currentText();
        fields.append({s.column, s.isLevel ? QVariant(levelNumber(text)) : QVariant(text)});
    }
    return fields;
}

QList<QComboBox *> ModelCascade::selectors() const
{
    QList<QComboBox *> combos;
    for (const Selector &s : m_selectors)
        combos << s.combo;
    return combos;
}

void ModelCascade::start()
{
    if (m_selectors.isEmpty())
        return;
    const Selector &top = m_selectors.first();
    if (top.isLevel)
        m_cascade->choose(top.combo, 0);
    else
        m_cascade->refill(top.combo);
}
