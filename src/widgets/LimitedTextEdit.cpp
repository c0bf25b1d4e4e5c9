#include "LimitedTextEdit.h"

#include <QSignalBlocker>
#include <QTextCursor>

LimitedTextEdit::LimitedTextEdit(QWidget *parent, int maxLength)
    : QPlainTextEdit(parent), m_maxLength(maxLength)
{
    setTabChangesFocus(true);
    // Stored text has no formatting; pasting a formatted text keeps only its words.
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    connect(this, &QPlainTextEdit::textChanged, this, &LimitedTextEdit::enforce);
}

void LimitedTextEdit::enforce()
{
    const QString text = toPlainText();
    if (text.size() <= m_maxLength)
        return;
    // Drop what was just typed or pasted (the characters before the caret) beyond the limit,
    // never the text that was already there.
    const int excess = int(text.size()) - m_maxLength;
    int caret = textCursor().position();
    QString kept;
    if (caret >= excess) {
        kept = text.left(caret - excess) + text.mid(caret);
        caret -= excess;
    } else {
        kept = text.left(m_maxLength);
        caret = qMin(caret, m_maxLength);
    }
    const QSignalBlocker blocker(this);
    setPlainText(kept);
    QTextCursor cursor = textCursor();
    cursor.setPosition(caret);
    setTextCursor(cursor);
}
