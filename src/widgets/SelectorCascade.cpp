#include "SelectorCascade.h"

#include <QComboBox>
#include <QEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTimer>

namespace {

const char *const typingProperty = "veltrixTyping";
const char *const guardedProperty = "veltrixPlainTyping";

// Marks the selector while its line edit handles Enter or the loss of focus: Qt then looks the
// typed text up among the entries and reports a match as the user's pick, which it is not.
class TypingGuard : public QObject
{
public:
    explicit TypingGuard(QComboBox *combo) : QObject(combo), m_combo(combo) {}

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const bool enter = event->type() == QEvent::KeyPress
            && (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Return
                || static_cast<QKeyEvent *>(event)->key() == Qt::Key_Enter);
        if (enter || event->type() == QEvent::FocusOut) {
            m_combo->setProperty(typingProperty, true);
            QTimer::singleShot(0, m_combo, [combo = m_combo] { combo->setProperty(typingProperty, false); });
        }
        return false;
    }

private:
    QComboBox *m_combo;
};

bool isTyping(const QComboBox *combo)
{
    return combo->property(typingProperty).toBool();
}

} // namespace

SelectorCascade::SelectorCascade(QObject *parent)
    : QObject(parent)
{
}

void SelectorCascade::plainTyping(QComboBox *combo)
{
    if (!combo->isEditable() || combo->property(guardedProperty).toBool())
        return;
    combo->setProperty(guardedProperty, true);
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setCompleter(nullptr);
    // Keys and focus reach the combo box, which hands them to its line edit.
    combo->installEventFilter(new TypingGuard(combo));
}

void SelectorCascade::add(QComboBox *combo, Fill fill, FollowUp followUp)
{
    const int step = int(m_steps.size());
    m_steps.append({combo, std::move(fill), {}});
    if (followUp)
        m_steps.last().followUps.append(std::move(followUp));
    plainTyping(combo);
    // activated is the user's pick only (also of the entry already shown); code goes through choose().
    connect(combo, &QComboBox::activated, this, [this, step, combo](int) {
        if (!isTyping(combo))
            runChoice(step);
    });
}

void SelectorCascade::addFollowUp(QComboBox *combo, FollowUp followUp)
{
    const int step = stepOf(combo);
    if (step >= 0 && followUp)
        m_steps[step].followUps.append(std::move(followUp));
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

bool SelectorCascade::refillStep(int step)
{
    const Step &s = m_steps[step];
    if (!s.fill)
        return true; // a fixed list keeps its entries
    const std::optional<QStringList> entries = s.fill();
    if (!entries)
        return false; // the failure was shown; what the user sees stays as it was
    {
        const QSignalBlocker blocker(s.combo);
        s.combo->clear();
        s.combo->addItems(*entries);
        s.combo->setCurrentIndex(-1);
        if (s.combo->isEditable())
            s.combo->setEditText(QString());
    }
    if (s.combo->count() > 0)
        choose(s.combo, 0);
    return true;
}

void SelectorCascade::runChoice(int step)
{
    // When the list below could not be read, neither can the descriptions: one message is enough.
    if (step + 1 < m_steps.size() && !refillStep(step + 1))
        return;
    const QList<FollowUp> followUps = m_steps[step].followUps;
    for (const FollowUp &followUp : followUps)
        followUp();
    emit chosen(m_steps[step].combo);
}
