#pragma once

#include <QPushButton>

// The save command of every editing screen: the style's save icon, "Save" for tooltip and
// screen readers, and Ctrl+S anywhere inside the screen it belongs to.
class SaveButton : public QPushButton
{
    Q_OBJECT
public:
    explicit SaveButton(QWidget *screen);
};
