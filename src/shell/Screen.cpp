#include "Screen.h"

#include "widgets/Messages.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QMdiSubWindow>
#include <QPushButton>

Screen::Screen(QWidget *parent)
    : QWidget(parent)
{
}

bool Screen::load()
{
    // A focused command runs on Enter, as on every desktop, rather than the screen's default.
    for (QPushButton *command : findChildren<QPushButton *>())
        command->setAutoDefault(true);
    return db.Conopen() && Form_Load();
}

void Screen::closeScreen()
{
    if (auto *frame = qobject_cast<QMdiSubWindow *>(parentWidget()))
        frame->close();
    else
        close();
}

QWidget *Screen::firstField() const
{
    for (QWidget *w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (isAncestorOf(w) && (w->focusPolicy() & Qt::TabFocus) && w->isVisibleTo(this) && w->isEnabled())
            return w;
    }
    return nullptr;
}

void Screen::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    QWidget::closeEvent(event);
    emit closed();
}

void Screen::keyPressEvent(QKeyEvent *event)
{
    // A focused command or field that takes Enter has taken it already; what arrives here is
    // Enter nobody wanted.
    const bool plain = (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier;
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && plain) {
        if (QPushButton *command = defaultCommand(); command && command->isVisible() && command->isEnabled()) {
            command->click();
            return;
        }
    }
    QWidget::keyPressEvent(event);
}

Records Screen::records()
{
    if (!db.isOpen())
        db.Conopen();
    return Records(db.con, [this](const QString &what, const QSqlError &error) {
        Messages::databaseError(this, what, error);
    });
}
