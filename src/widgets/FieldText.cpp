#include "FieldText.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

QString FieldText::text(const QWidget *field)
{
    if (auto *line = qobject_cast<const QLineEdit *>(field))
        return line->text();
    if (auto *combo = qobject_cast<const QComboBox *>(field))
        return combo->currentText();
    if (auto *plain = qobject_cast<const QPlainTextEdit *>(field))
        return plain->toPlainText();
    if (auto *rich = qobject_cast<const QTextEdit *>(field))
        return rich->toPlainText();
    return QString();
}

void FieldText::setText(QWidget *field, const QString &text)
{
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->setText(text);
    else if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->isEditable())
        combo->setEditText(text);
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(field))
        plain->setPlainText(text);
    else if (auto *rich = qobject_cast<QTextEdit *>(field))
        rich->setPlainText(text);
}

QString FieldText::trimmedBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ')
        ++begin;
    while (end > begin && text[end - 1] == u' ')
        --end;
    return text.mid(begin, end - begin);
}
