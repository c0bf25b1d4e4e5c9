#include "frm_backup.h"

#include "admin/DatabaseCopy.h"
#include "admin/frm_changedir.h"
#include "widgets/BuddyLabel.h"
#include "widgets/BusyCursor.h"
#include "widgets/Messages.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <sqlite3.h>

namespace {

// One frame of the screen: its text line, the labelled path field with "Browse" beside it,
// and the command that runs, centred below.
QGroupBox *frame(QWidget *parent, const QString &title, const QString &line, const QString &fieldLabel,
                 QLineEdit *field, QPushButton *browse, QPushButton *run)
{
    auto *box = new QGroupBox(title, parent);
    auto *text = new QLabel(line, box);
    auto *label = new BuddyLabel(fieldLabel, field, box);
    auto *grid = new QGridLayout(box);
    grid->addWidget(text, 0, 0, 1, 2);
    grid->addWidget(label, 1, 0, 1, 2);
    grid->addWidget(field, 2, 0);
    grid->addWidget(browse, 2, 1);
    grid->addWidget(run, 3, 0, 1, 2, Qt::AlignHCenter);
    grid->setColumnStretch(0, 1);
    return box;
}

QPushButton *command(QWidget *parent, const QString &name, const QString &caption)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

frm_backup::frm_backup(QWidget *parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("frm_backup"));
    setWindowTitle(QStringLiteral("Database Backup"));

    txt_destname = new QLineEdit(this);
    txt_destname->setObjectName(QStringLiteral("txt_destname"));
    cmd_browse_backup = command(this, QStringLiteral("cmd_browse_backup"), QStringLiteral("Browse"));
    cmd_backup = command(this, QStringLiteral("cmd_backup"), QStringLiteral("BackUp Now....."));
    Frame1 = frame(this, QStringLiteral("Backup"), QStringLiteral("This Option Will BackUp Your DataBase"),
                   QStringLiteral("Destination DataBase"), txt_destname, cmd_browse_backup, cmd_backup);
    Frame1->setObjectName(QStringLiteral("Frame1"));

    txt_restore = new QLineEdit(this);
    txt_restore->setObjectName(QStringLiteral("txt_restore"));
    cmd_browse_restore = command(this, QStringLiteral("cmd_browse_restore"), QStringLiteral("Browse"));
    cmd_restore = command(this, QStringLiteral("cmd_restore"), QStringLiteral("Restore"));
    Frame2 = frame(this, QStringLiteral("Restore"), QStringLiteral("This Option Will Restore Your DataBase"),
                   QStringLiteral("Source DataBase"), txt_restore, cmd_browse_restore, cmd_restore);
    Frame2->setObjectName(QStringLiteral("Frame2"));

    Command1 = command(this, QStringLiteral("Command1"), QStringLiteral("Cancel"));
    prog_save = new QProgressBar(this);
    prog_save->setObjectName(QStringLiteral("prog_save"));
    prog_save->setTextVisible(false);
    Timer = new QTimer(this);
    Timer->setObjectName(QStringLiteral("Timer"));

    auto *cancelRow = new QHBoxLayout;
    cancelRow->addStretch();
    cancelRow->addWidget(Command1);
    cancelRow->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1);
    layout->addWidget(Frame2);
    layout->addLayout(cancelRow);
    layout->addStretch();
    layout->addWidget(prog_save);

    connect(cmd_browse_backup, &QPushButton::clicked, this, &frm_backup::cmd_browse_backup_Click);
    connect(cmd_browse_restore, &QPushButton::clicked, this, &frm_backup::cmd_browse_restore_Click);
    connect(cmd_backup, &QPushButton::clicked, this, &frm_backup::cmd_backup_Click);
    connect(cmd_restore, &QPushButton::clicked, this, &frm_backup::cmd_restore_Click);
    connect(Command1, &QPushButton::clicked, this, &frm_backup::Command1_Click);
    connect(Timer, &QTimer::timeout, this, &frm_backup::Timer_Timer);
    // Enter in a path field runs the command of its own frame.
    connect(txt_destname, &QLineEdit::returnPressed, cmd_backup, &QPushButton::click);
    connect(txt_restore, &QLineEdit::returnPressed, cmd_restore, &QPushButton::click);
    txt_destname->installEventFilter(this);
    txt_restore->installEventFilter(this);
}

bool frm_backup::Form_Load()
{
    prog_save->hide();
    Timer->setInterval(10);
    prog_save->setMaximum(100);
    return true;
}

void frm_backup::Form_Unload()
{
    // The chooser writes into this screen; it cannot outlive it.
    if (m_chooser)
        m_chooser->close();
}

bool frm_backup::eventFilter(QObject *watched, QEvent *event)
{
    // Entering a path field selects its whole text, so a new path replaces the old one.
    if (event->type() == QEvent::FocusIn) {
        if (auto *field = qobject_cast<QLineEdit *>(watched))
            QTimer::singleShot(0, field, &QLineEdit::selectAll);
    }
    return Screen::eventFilter(watched, event);
}

frm_changedir *frm_backup::chooser() const
{
    return m_chooser;
}

void frm_backup::openChooser(bool restoreMode)
{
    if (!m_chooser) {
        m_chooser = new frm_changedir(this);
        m_chooser->setRestoreMode(restoreMode);
        m_chooser->Form_Load();
    } else {
        // The other Browse switches the open chooser; its path stays.
        m_chooser->setRestoreMode(restoreMode);
    }
    m_chooser->show();
    m_chooser->raise();
    m_chooser->activateWindow();
}

void frm_backup::cmd_browse_backup_Click()
{
    openChooser(false);
}

void frm_backup::cmd_browse_restore_Click()
{
    openChooser(true);
}

void frm_backup::cmd_backup_Click()
{
    runCopy(txt_destname, QStringLiteral("Select destination file"), &DatabaseCopy::backup,
            QStringLiteral("The backup was not made: %1."));
}

void frm_backup::cmd_restore_Click()
{
    runCopy(txt_restore, QStringLiteral("Select restore file"), &DatabaseCopy::restore,
            QStringLiteral("Nothing was restored: %1. Your data is as it was."));
}

void frm_backup::runCopy(QLineEdit *field, const QString &emptyMessage, Copy copy, const QString &failure)
{
    if (field->text().isEmpty()) {
        Messages::information(this, emptyMessage, QStringLiteral("information"));
        return;
    }
    if (!db.Conopen())
        return;
    DatabaseCopy::Result result;
    {
        BusyCursor wait;
        result = copy(db.handle(), field->text());
    }
    if (!result.done()) {
        // The path stays in its field, to be corrected.
        Messages::information(this, failure.arg(result.reason));
        return;
    }
    startAnimation();
    field->clear();
}

void frm_backup::Command1_Click()
{
    closeScreen();
}

void frm_backup::startAnimation()
{
    // A second copy during the animation lets the running one go on from where it stands.
    prog_save->show();
    if (!Timer->isActive())
        Timer->start();
}

void frm_backup::Timer_Timer()
{
    if (!m_tick)
        m_tick = 1;
    prog_save->setValue(*m_tick);
    if (*m_tick == prog_save->maximum()) {
        Timer->stop();
        prog_save->hide();
        m_tick = 1;
        prog_save->setValue(prog_save->minimum());
    } else {
        ++*m_tick;
    }
}
