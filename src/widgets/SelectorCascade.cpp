#include "SelectorCascade.h"

#include <QComboBox>
#include <QSignalBlocker>

SelectorCascade::SelectorCascade(QObject *parent)
    : QObject(parent)
{
}

void SelectorCascade::add(QComboBox *combo, Fill fill, FollowUp followUp)
{
    const int step = int(m_steps.size());
    m_steps.append({combo, std::move(fill), std::move(followUp)});
    if (combo->isEditable())
        combo->setInsertPolicy(QComboBox::NoInsert);
    // activated is the user's pick only (also of the entry already shown); code goes through choose().
    connect(combo, &QComboBox::activated, this, [this, step](int) { runChoice(step); });
}

int SelectorCascade::stepOf(const QComboBox *combo) const
{
    for (int i = 0; i < m_steps.size(); ++i) {
        if (m_steps[i].combo == combo)
            return i;
    }
    return -1;
}

void SelectorCascade::choose(QComboBox *combo, int index)
{
    const int step = stepOf(combo);
    if (step < 0 || index < 0 || index >= combo->count())
        return;
    {
        const QSignalBlocker blocker(combo);
        combo->setCurrentIndex(index);
    }
    runChoice(step);
}

void SelectorCascade::refill(QComboBox *combo)
{
    const int step = stepOf(combo);
    if (step >= 0)
        refillStep(step);
}

void SelectorCascade::refillStep(int step)
{
    const Step &s = m_steps[step];
    {
        const QSignalBlocker blocker(s.combo);
        s.combo->clear();
        s.combo->setEditText(QString());
        if (s.fill)
            s.combo->addItems(s.fill());
        s.combo->setCurrentIndex(-1);
        if (s.combo->isEditable())
            s.combo->setEditText(QString());
    }
    if (s.combo->count() > 0)
        choose(s.combo, 0);
}

void SelectorCascade::runChoice(int step)
{
    if (step + 1 < m_steps.size())
        refillStep(step + 1);
    if (m_steps[step].followUp)
        m_steps[step].followUp();
    emit chosen(m_steps[step].combo);
}
