#pragma once

#include <QPlainTextEdit>

// A several-line text field that holds at most a set number of characters (descriptions and
// references are stored with at most 255): typing stops there and a paste is cut short. Tab
// moves on to the next field, as in every other field of a form.
class LimitedTextEdit : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit LimitedTextEdit(QWidget *parent = nullptr, int maxLength = 255);

    int maxLength() const { return m_maxLength; }

private:
    void enforce();

    int m_maxLength;
};
