#pragma once

#include "data/Records.h"
#include "shell/cmmiClass.h"

#include <QWidget>

class QPushButton;

// A screen opened from the main window's menus: a child window with its own connection.
class Screen : public QWidget
{
    Q_OBJECT
public:
    explicit Screen(QWidget *parent = nullptr);

    // Opens the screen's connection, then runs Form_Load; false means it cannot work (the
    // reason was shown) and the screen closes again.
    bool load();
    // Runs when the screen is loaded, its connection open; false means it cannot work.
    virtual bool Form_Load() { return true; }
    // The size the screen opens with inside the main window.
    virtual QSize openingSize() const { return sizeHint(); }

    // Closes the screen the way the user would (its child window too).
    void closeScreen();
    // Where the keyboard starts when the screen opens: the first field in tab order.
    virtual QWidget *firstField() const;
    // The command Enter runs when the focused control does not take Enter itself.
    virtual QPushButton *defaultCommand() const { return nullptr; }

    const cmmiClass &connection() const { return db; }

signals:
    // The user closed the screen (in any way); it is deleted soon after.
    void closed();

protected:
    virtual void Form_Unload() {}
    void closeEvent(QCloseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

    // Statements on this screen's connection, re-opened first if the screen had closed it; a
    // failure is shown to the user.
    Records records();

    cmmiClass db;
};
