#include "mdi_main.h"

#include "admin/Frm_About.h"
#include "admin/Frm_CompanyDetails.h"
#include "admin/frm_backup.h"
#include "data/DatabaseError.h"
#include "gaps/Frm_coid.h"
#include "gaps/frm_docs_gaps.h"
#include "gaps/frm_gg_gaps.h"
#include "gaps/frm_practice_gaps.h"
#include "masters/frm_docs.h"
#include "masters/frm_gaps.h"
#include "masters/frm_ggs.h"
#include "masters/frm_org_docs.h"
#include "reports/Frm_Reports.h"
#include "shell/ChosenOrganization.h"
#include "shell/HelpWindow.h"
#include "shell/PlaceholderScreen.h"
#include "shell/WindowSettings.h"
#include "widgets/Logo.h"
#include "widgets/Messages.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStyle>

mdi_main::mdi_main(QWidget *parent)
    : QMainWindow(parent), m_area(new QMdiArea(this))
{
    setObjectName(QStringLiteral("mdi_main"));
    setWindowTitle(title());
    setWindowIcon(QIcon(Logo::pixmap(64)));
    m_area->setObjectName(QStringLiteral("mdiArea"));
    m_area->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_area->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(m_area);
    buildMenus();
    placeOnScreen();
}

void mdi_main::placeOnScreen()
{
    // Where the user left it; otherwise most of the available screen, so a 1024x768 or
    // 768-pixel-high laptop screen shows the whole window.
    if (restoreGeometry(WindowSettings::mainWindowGeometry()))
        return;
    const QScreen *shown = QWidget::screen() ? QWidget::screen() : QGuiApplication::primaryScreen();
    if (!shown) {
        resize(1024, 700);
        return;
    }
    const QRect room = shown->availableGeometry();
    const QSize size = QSize(1200, 800).boundedTo(room.size() * 0.92);
    setGeometry(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, size, room));
}

mdi_main::~mdi_main() = default;

bool mdi_main::Form_Load()
{
    // Another program holding the file busy is no reason to end: the screens try again.
    if (db.open() == cmmiClass::Opened::Busy) {
        Messages::information(this, DatabaseError::busyMessage());
        return true;
    }
    return db.Conopen();
}

QAction *mdi_main::addItem(QMenu *menu, const QString &name, const QString &caption, std::function<void()> action)
{
    QAction *item = menu->addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [action = std::move(action)] { action(); });
    return item;
}

mdi_main::Factory mdi_main::placeholder(const QString &caption) const
{
    return [caption] { return new PlaceholderScreen(caption); };
}

void mdi_main::buildMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    addItem(file, QStringLiteral("mnu_kpa"), QStringLiteral("KPA Master"),
            [this] { openScreen(QStringLiteral("kpa"), [] { return new frm_gaps; }); });
    addItem(file, QStringLiteral("mnu_ggs"), QStringLiteral("Generic Goals Master"),
            [this] { openScreen(QStringLiteral("ggs"), [] { return new frm_ggs; }); });
    addItem(file, QStringLiteral("mnu_docs"), QStringLiteral("Work Products Master"),
            [this] { openScreen(QStringLiteral("docs"), [] { return new frm_docs; }); });
    addItem(file, QStringLiteral("mnu_proc_docs"), QStringLiteral("Organizational Process Assets"), [this] {
        openGuarded(QStringLiteral("org_docs"), [] { return new frm_org_docs; });
    });
    file->addSeparator();
    addItem(file, QStringLiteral("mnuexit"), QStringLiteral("E&xit"), [this] { mnuexit_Click(); });

    QMenu *gaps = menuBar()->addMenu(QStringLiteral("Gap Analysis"));
    gaps->setObjectName(QStringLiteral("mnu_gaps"));
    addItem(gaps, QStringLiteral("mnu_gg_gaps"), QStringLiteral("Generic Goals Gap Analysis"),
            [this] { openGuarded(QStringLiteral("gg_gaps"), [] { return new frm_gg_gaps; }); });
    addItem(gaps, QStringLiteral("mnu_pract_gaps"), QStringLiteral("Practice Gaps Analysis"),
            [this] { openGuarded(QStringLiteral("practice_gaps"), [] { return new frm_practice_gaps; }); });
    addItem(gaps, QStringLiteral("mnu_doc_gaps"), QStringLiteral("Work product Gaps Analysis"),
            [this] { openGuarded(QStringLiteral("docs_gaps"), [] { return new frm_docs_gaps; }); });

    QMenu *tools = menuBar()->addMenu(QStringLiteral("&Tools"));
    tools->setObjectName(QStringLiteral("tools"));
    addItem(tools, QStringLiteral("mnu_gap_analysis"), QStringLiteral("Select Organization for Gaps analysis"),
            [this] { openScreen(QStringLiteral("coid"), [] { return new Frm_coid; }); });
    addItem(tools, QStringLiteral("setup"), QStringLiteral("&Setup"),
            [this] { openScreen(QStringLiteral("company"), [] { return new Frm_CompanyDetails; }); });
    addItem(tools, QStringLiteral("backup"), QStringLiteral("&Backup && Restore"),
            [this] { openScreen(QStringLiteral("backup"), [] { return new frm_backup; }); });

    // A command on the menu bar itself, without items.
    QAction *reports = menuBar()->addAction(QStringLiteral("&Reports"));
    reports->setObjectName(QStringLiteral("mnuReports"));
    connect(reports, &QAction::triggered, this,
            [this] { openGuarded(QStringLiteral("reports"), [] { return new Frm_Reports; }); });

    m_windowMenu = menuBar()->addMenu(QStringLiteral("&Window"));
    m_windowMenu->setObjectName(QStringLiteral("mnuwindow"));
    connect(m_windowMenu, &QMenu::aboutToShow, this, &mdi_main::fillWindowMenu);
    fillWindowMenu();

    QMenu *help = menuBar()->addMenu(QStringLiteral("Help"));
    help->setObjectName(QStringLiteral("mnuhlp"));
    QAction *guide = addItem(help, QStringLiteral("mnuUsrGd"), QStringLiteral("User Guide"), [this] { mnuUsrGd_Click(); });
    guide->setShortcut(QKeySequence(Qt::Key_F1));
    guide->setShortcutContext(Qt::ApplicationShortcut);
    addItem(help, QStringLiteral("mnuAbtUs"), QStringLiteral("About Us"),
            [this] { openScreen(QStringLiteral("about"), [] { return new Frm_About; }); });
}

void mdi_main::fillWindowMenu()
{
    m_windowMenu->clear();
    QAction *cascade = m_windowMenu->addAction(QStringLiteral("&Cascade"), m_area, &QMdiArea::cascadeSubWindows);
    QAction *tile = m_windowMenu->addAction(QStringLiteral("&Tile"), m_area, &QMdiArea::tileSubWindows);
    const QList<QMdiSubWindow *> windows = m_area->subWindowList();
    cascade->setEnabled(!windows.isEmpty());
    tile->setEnabled(!windows.isEmpty());
    if (!windows.isEmpty())
        m_windowMenu->addSeparator();
    int number = 1;
    for (QMdiSubWindow *window : windows) {
        const QString caption = number < 10 ? QStringLiteral("&%1 %2").arg(number).arg(window->windowTitle())
                                            : QStringLiteral("%1 %2").arg(number).arg(window->windowTitle());
        QAction *item = m_windowMenu->addAction(caption);
        item->setCheckable(true);
        item->setChecked(window == m_area->activeSubWindow());
        connect(item, &QAction::triggered, this, [this, window = QPointer<QMdiSubWindow>(window)] {
            if (window)
                m_area->setActiveSubWindow(window);
        });
        ++number;
    }
}

Screen *mdi_main::screen(const QString &key) const
{
    const QPointer<QMdiSubWindow> frame = m_open.value(key);
    return frame ? qobject_cast<Screen *>(frame->widget()) : nullptr;
}

Screen *mdi_main::openScreen(const QString &key, const Factory &make)
{
    if (QMdiSubWindow *open = m_open.value(key)) {
        open->showNormal();
        m_area->setActiveSubWindow(open);
        return qobject_cast<Screen *>(open->widget());
    }
    Screen *screen = make();
    QMdiSubWindow *frame = m_area->addSubWindow(screen);
    frame->setAttribute(Qt::WA_DeleteOnClose);
    frame->setWindowIcon(windowIcon());
    if (!screen->load()) {
        frame->close();
        return nullptr;
    }
    m_open.insert(key, frame);
    // A closed screen is gone at once, even before it is deleted: the next choice of its menu
    // item makes a new one rather than showing the closed frame.
    connect(screen, &Screen::closed, this, [this, key, frame = QPointer<QMdiSubWindow>(frame)] {
        if (m_open.value(key) == frame)
            m_open.remove(key);
    });
    frame->show();
    // The frame's own border and title bar are known once it is shown.
    const QSize border = frame->size() - screen->size();
    const QRect room = m_area->viewport()->rect();
    frame->resize((screen->openingSize() + border).boundedTo(room.size()).expandedTo(QSize(240, 120)));
    // Wholly inside the workspace, so its commands are never off-screen.
    QRect placed = frame->geometry();
    placed.moveRight(qMin(placed.right(), room.right()));
    placed.moveBottom(qMin(placed.bottom(), room.bottom()));
    placed.moveLeft(qMax(placed.left(), room.left()));
    placed.moveTop(qMax(placed.top(), room.top()));
    frame->move(placed.topLeft());
    m_area->setActiveSubWindow(frame);
    if (QWidget *field = screen->firstField())
        field->setFocus(Qt::TabFocusReason);
    return screen;
}

void mdi_main::openGuarded(const QString &key, const Factory &make)
{
    if (!ChosenOrganization::isChosen()) {
        Messages::information(this, guardMessage());
        return;
    }
    openScreen(key, make);
}

void mdi_main::mnuexit_Click()
{
    QMdiSubWindow *active = m_area->currentSubWindow();
    if (!active) {
        const QList<QMdiSubWindow *> windows = m_area->subWindowList(QMdiArea::ActivationHistoryOrder);
        if (!windows.isEmpty())
            active = windows.last();
    }
    if (active)
        active->close();
    else
        close();
}

void mdi_main::mnuUsrGd_Click()
{
    if (!m_help)
        m_help = new HelpWindow(this);
    m_help->showContents();
}

void mdi_main::closeEvent(QCloseEvent *event)
{
    m_area->closeAllSubWindows();
    for (QMdiSubWindow *window : m_area->subWindowList()) {
        if (window->isVisible()) {
            // A screen that would not close keeps the program running.
            event->ignore();
            return;
        }
    }
    if (m_help)
        m_help->close();
    WindowSettings::setMainWindowGeometry(saveGeometry());
    db.Conclose();
    event->accept();
}
