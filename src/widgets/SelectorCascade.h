#pragma once

#include <QObject>
#include <QStringList>
#include <QVector>

#include <functional>

class QComboBox;

// Selectors that narrow each other down (level, KPA, goal, practice, ...). A choice refills
// the selector below from the choices above and chooses its first entry, which refills the
// next one in turn; then the chosen selector's own follow-up (a description look-up) runs.
// A refill that finds nothing leaves everything further down as it was. A choice made from
// code counts the same as the user's pick; typing into an editable selector refills nothing.
class SelectorCascade : public QObject
{
    Q_OBJECT
public:
    using Fill = std::function<QStringList()>;
    using FollowUp = std::function<void()>;

    explicit SelectorCascade(QObject *parent = nullptr);

    // Appends the next selector. `fill` gives its entries (null for a fixed list); `followUp`
    // runs after each choice of it, once the selectors below have been refilled.
    void add(QComboBox *combo, Fill fill, FollowUp followUp = {});

    // Selects the entry and runs the choice.
    void choose(QComboBox *combo, int index);
    // Empties the selector (list and text), fills it and chooses its first entry, if any.
    void refill(QComboBox *combo);

signals:
    void chosen(QComboBox *combo);

private:
    struct Step
    {
        QComboBox *combo;
        Fill fill;
        FollowUp followUp;
    };

    int stepOf(const QComboBox *combo) const;
    void runChoice(int step);
    void refillStep(int step);

    QVector<Step> m_steps;
};
