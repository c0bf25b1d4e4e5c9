#pragma once

#include "TestApp.h"

#include "shell/mdi_main.h"

#include <QObject>

#include <memory>

class QComboBox;
class Screen;

// The base of every test that drives the program: before each test a fresh program folder and
// the main window; after each test a check that no statement is left running and no
// transaction open on any connection (what would make the next save fail with "database is
// locked"), then everything is closed.
class FixtureTest : public QObject
{
    Q_OBJECT

protected:
    // False for tests that need the folder and database but no main window.
    virtual bool wantsWindow() const { return true; }
    // What a test class prepares before each test, once the program is up.
    virtual void setUp() {}
    // What a test class closes or forgets after each test, before the idle check.
    virtual void tearDown() {}

    // Opens a screen through its menu item, as the user does; null when it did not open.
    Screen *openByMenu(const QString &item);
    template <typename T>
    T *open(const QString &item) { return qobject_cast<T *>(openByMenu(item)); }
    // Picks the entry from the selector's list, as the user does.
    static void pick(QComboBox *combo, const QString &text);
    // Lets deleted screens go.
    static void settle();

    std::unique_ptr<TestApp> app;
    std::unique_ptr<mdi_main> window;

private slots:
    void init();
    void cleanup();
};
