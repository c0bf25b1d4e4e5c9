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

void Screen::closeEvent(QCloseEvent *event)
{
    Form_Unload();
    QWidget::closeEvent(event);
}

Records Screen::records()
{
    return Records(db.con, [this](const QString &error) { Messages::databaseError(this, error); });
}
