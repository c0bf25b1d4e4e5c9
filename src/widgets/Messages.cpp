#include "Messages.h"

#include "data/DatabaseError.h"

#include <QMessageBox>

Messages::Recorder *Messages::s_recorder = nullptr;

Messages::Recorder::Recorder()
{
    s_recorder = this;
}

Messages::Recorder::~Recorder()
{
    if (s_recorder == this)
        s_recorder = nullptr;
}

QStringList Messages::Recorder::texts() const
{
    QStringList result;
    for (const Shown &s : shown)
        result << s.text;
    return result;
}

bool Messages::show(QWidget *parent, Icon icon, const QString &text, const QString &caption)
{
    if (s_recorder) {
        s_recorder->shown.append({icon, caption, text});
        if (icon != Icon::Question)
            return true;
        return s_recorder->answers.isEmpty() ? false : s_recorder->answers.takeFirst();
    }
    if (icon == Icon::Question) {
        QMessageBox box(QMessageBox::NoIcon, caption, text, QMessageBox::Yes | QMessageBox::No, parent);
        box.setDefaultButton(QMessageBox::No);
        return box.exec() == QMessageBox::Yes;
    }
    QMessageBox box(icon == Icon::Information ? QMessageBox::Information : QMessageBox::NoIcon, caption, text,
                    QMessageBox::Ok, parent);
    box.exec();
    return true;
}

void Messages::information(QWidget *parent, const QString &text, const QString &caption)
{
    show(parent, Icon::Information, text, caption);
}

void Messages::plain(QWidget *parent, const QString &text, const QString &caption)
{
    show(parent, Icon::None, text, caption);
}

bool Messages::confirm(QWidget *parent, const QString &text, const QString &caption)
{
    return show(parent, Icon::Question, text, caption);
}

void Messages::databaseError(QWidget *parent, const QString &what, const QSqlError &error)
{
    show(parent, Icon::Information, DatabaseError::explain(what, error), applicationTitle());
}
