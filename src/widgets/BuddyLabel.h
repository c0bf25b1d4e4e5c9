#pragma once

#include <QLabel>

// The label of a field, tied to it, so that screen readers and accessibility tools find the
// field by the label's text and the label's access key moves the focus there. Named "lbl" and
// the field's name.
class BuddyLabel : public QLabel
{
    Q_OBJECT
public:
    BuddyLabel(const QString &text, QWidget *field, QWidget *parent);
};
