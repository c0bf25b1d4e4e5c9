#pragma once

#include <QObject>

class QWidget;

// When a description or name field gets the focus, its text is selected from the start over
// the length of its trimmed text, so typing replaces what was there.
class DescriptionFocus : public QObject
{
    Q_OBJECT
public:
    static void install(QWidget *field);
    // The selection itself, for line edits, plain and rich text fields and editable selectors.
    static void selectTrimmed(QWidget *field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using QObject::QObject;
};
