#pragma once

#include "shell/Screen.h"

// Stands in for a screen that is not built yet, under that screen's caption.
class PlaceholderScreen : public Screen
{
    Q_OBJECT
public:
    explicit PlaceholderScreen(const QString &caption, QWidget *parent = nullptr);
    QSize openingSize() const override { return {480, 200}; }
};
