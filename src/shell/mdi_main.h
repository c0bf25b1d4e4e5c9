#pragma once

#include "shell/cmmiClass.h"

#include <QHash>
#include <QMainWindow>
#include <QPointer>

#include <functional>

class HelpWindow;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class Screen;

// The frame of the program: menus that open every screen as a child window, one of each.
class mdi_main : public QMainWindow
{
    Q_OBJECT
public:
    explicit mdi_main(QWidget *parent = nullptr);
    ~mdi_main() override;

    // Opens the window's own connection; false (after the failure message) ends the program.
    bool Form_Load();

    QMdiArea *mdiArea() const { return m_area; }
    // The open screen of that kind, if any.
    Screen *screen(const QString &key) const;

    void mnuexit_Click();
    void mnuUsrGd_Click();

    static QString title() { return QStringLiteral("CMMi Assessment Tool - Veltrix"); }
    static QString guardMessage() { return QStringLiteral("Select an Organization to carry out Gaps Analysis"); }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    using Factory = std::function<Screen *()>;

    void buildMenus();
    void placeOnScreen();
    QAction *addItem(QMenu *menu, const QString &name, const QString &caption, std::function<void()> action);
    // Brings the open screen of this kind to the front, or makes, loads and shows a new one.
    Screen *openScreen(const QString &key, const Factory &make);
    // The five items that need a chosen organization.
    void openGuarded(const QString &key, const Factory &make);
    Factory placeholder(const QString &caption) const;
    void fillWindowMenu();

    cmmiClass db;
    QMdiArea *m_area;
    QMenu *m_windowMenu = nullptr;
    QHash<QString, QPointer<QMdiSubWindow>> m_open;
    QPointer<HelpWindow> m_help;
};
