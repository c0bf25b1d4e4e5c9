#pragma once

#include <QPushButton>

// The delete command of a screen: the style's delete icon, "Delete" for tooltip and screen
// readers. No shortcut: the Delete key belongs to the text fields.
class DeleteButton : public QPushButton
{
    Q_OBJECT
public:
    explicit DeleteButton(QWidget *parent);
};
