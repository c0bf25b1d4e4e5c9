#include "Screen.h"

#include "widgets/Messages.h"

#include <QCloseEvent>
#include <QMdiSubWindow>

Screen::Screen(QWidget *parent)
    : QWidget(parent)
{
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
}

Records Screen::records()
{
    return Records(db.con, [this](const QString &error) { Messages::databaseError(this, error); });
}
