#pragma once

#include "data/Records.h"
#include "shell/cmmiClass.h"

#include <QWidget>

// A screen opened from the main window's menus: a child window with its own connection.
class Screen : public QWidget
{
    Q_OBJECT
public:
    explicit Screen(QWidget *parent = nullptr);

    // Runs when the screen is loaded; false means it cannot work and closes again.
    virtual bool Form_Load() { return true; }
    // The size the screen opens with inside the main window.
    virtual QSize openingSize() const { return sizeHint(); }

    // Closes the screen the way the user would (its child window too).
    void closeScreen();
    // Where the keyboard starts when the screen opens: the first field in tab order.
    virtual QWidget *firstField() const;

protected:
    virtual void Form_Unload() {}
    void closeEvent(QCloseEvent *event) override;

    // Statements on this screen's connection; a failure is shown to the user.
    Records records();

    cmmiClass db;
};
