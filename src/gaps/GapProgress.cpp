#include "GapProgress.h"

#include "widgets/HowMet.h"

void GapProgress::Counts::add(const QString &howMet)
{
    ++answered;
    if (howMet == HowMet::fullyMet())
        ++fullyMet;
    else if (howMet == HowMet::partiallyMet())
        ++partiallyMet;
    else if (howMet == HowMet::notMetAtAll())
        ++notMetAtAll;
}

GapProgress::GapProgress(const QString &rows, QWidget *parent)
    : QLabel(parent), m_rows(rows)
{
    setObjectName(QStringLiteral("lbl_progress"));
    setTextInteractionFlags(Qt::TextSelectableByMouse);
}

void GapProgress::setCounts(const Counts &counts)
{
    setText(describe(counts, m_rows));
}

QString GapProgress::describe(const Counts &counts, const QString &rows)
{
    QString line = QStringLiteral("%1 of %2 %3 answered: %4 %5, %6 %7, %8 %9")
                       .arg(counts.answered)
                       .arg(counts.total)
                       .arg(rows)
                       .arg(counts.fullyMet)
                       .arg(HowMet::fullyMet())
                       .arg(counts.partiallyMet)
                       .arg(HowMet::partiallyMet())
                       .arg(counts.notMetAtAll)
                       .arg(HowMet::notMetAtAll());
    // Answers written by other tools with a value the screens do not offer still count as answered.
    const int other = counts.answered - counts.fullyMet - counts.partiallyMet - counts.notMetAtAll;
    if (other > 0)
        line += QStringLiteral(", %1 with another value").arg(other);
    return line;
}
