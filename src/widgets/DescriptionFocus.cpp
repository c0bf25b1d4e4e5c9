#include "DescriptionFocus.h"

#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextCursor>
#include <QTextEdit>
#include <QTimer>

void DescriptionFocus::install(QWidget *field)
{
    field->installEventFilter(new DescriptionFocus(field));
}

void DescriptionFocus::selectTrimmed(QWidget *field)
{
    auto selectIn = [](auto *edit, const QString &text) {
        QTextCursor cursor = edit->textCursor();
        cursor.setPosition(0);
        cursor.setPosition(int(text.trimmed().size()), QTextCursor::KeepAnchor);
        edit->setTextCursor(cursor);
    };
    if (auto *line = qobject_cast<QLineEdit *>(field))
        line->setSelection(0, int(line->text().trimmed().size()));
    else if (auto *combo = qobject_cast<QComboBox *>(field); combo && combo->lineEdit())
        combo->lineEdit()->setSelection(0, int(combo->currentText().trimmed().size()));
    else if (auto *plain = qobject_cast<QPlainTextEdit *>(field))
        selectIn(plain, plain->toPlainText());
    else if (auto *rich = qobject_cast<QTextEdit *>(field))
        selectIn(rich, rich->toPlainText());
}

bool DescriptionFocus::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn) {
        // After the field's own focus handling, which would otherwise select all or move the caret.
        QPointer<QWidget> field = qobject_cast<QWidget *>(watched);
        QTimer::singleShot(0, this, [field] {
            if (field && field->hasFocus())
                selectTrimmed(field);
        });
    }
    return false;
}
