#pragma once

#include <QString>

class QWidget;

// The text of any field a screen checks or fills: one-line and several-line text fields and
// (editable or pick-only) selectors, so shared pieces need not know which kind a screen chose.
class FieldText
{
public:
    static QString text(const QWidget *field);
    static void setText(QWidget *field, const QString &text);
    // Blanks trimmed from both ends; only blanks, as the program always trimmed.
    static QString trimmedBlanks(const QString &text);
};
