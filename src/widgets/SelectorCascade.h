#pragma once

#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QVector>

#include <functional>
#include <optional>

class QComboBox;

// Selectors that narrow each other down (level, KPA, goal, practice, ...). A choice refills
// the selector below from the choices above and chooses its first entry, which refills the
// next one in turn; then the chosen selector's own follow-ups (description look-ups, the
// stored answer) run. A refill that finds nothing empties that selector and leaves everything
// further down as it was; a refill whose read failed leaves that selector as it was too.
//
// A choice made from code counts the same as the user's pick. Typing into an editable selector
// is never a choice: there is no completer to turn "SP1.1" into "SP1.10" or "sg" into "SG1",
// and neither Enter nor leaving the field picks the entry that matches the typed text.
class SelectorCascade : public QObject
{
    Q_OBJECT
public:
    // The entries of a selector; nullopt when they could not be read.
    using Fill = std::function<std::optional<QStringList>()>;
    using FollowUp = std::function<void()>;

    explicit SelectorCascade(QObject *parent = nullptr);

    // Appends the next selector. `fill` gives its entries (null for a fixed list); `followUp`
    // runs after each choice of it, once the selectors below have been refilled.
    void add(QComboBox *combo, Fill fill, FollowUp followUp = {});
    // One more follow-up for a selector already added; follow-ups run in the order added.
    void addFollowUp(QComboBox *combo, FollowUp followUp);

    // Selects the entry and runs the choice.
    void choose(QComboBox *combo, int index);
    // Empties the selector (list and text), fills it and chooses its first entry, if any.
    void refill(QComboBox *combo);

    // Takes away Qt's typing aids from an editable selector: no completer, no pick on Enter or
    // on leaving the field. Screens call it for editable selectors outside a cascade too.
    static void plainTyping(QComboBox *combo);

signals:
    void chosen(QComboBox *combo);

private:
    struct Step
    {
        QComboBox *combo;
        Fill fill;
        QList<FollowUp> followUps;
    };

    int stepOf(const QComboBox *combo) const;
    void runChoice(int step);
    // False when the entries could not be read.
    bool refillStep(int step);

    QVector<Step> m_steps;
};
