#include "FileDialogs.h"

#include <QFileDialog>

FileDialogs::Recorder *FileDialogs::s_recorder = nullptr;

FileDialogs::Recorder::Recorder()
{
    s_recorder = this;
}

FileDialogs::Recorder::~Recorder()
{
    if (s_recorder == this)
        s_recorder = nullptr;
}

QString FileDialogs::saveFileName(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter)
{
    if (s_recorder) {
        s_recorder->asked.append({caption, suggested});
        return s_recorder->answers.isEmpty() ? QString() : s_recorder->answers.takeFirst();
    }
    return QFileDialog::getSaveFileName(parent, caption, suggested, filter);
}
