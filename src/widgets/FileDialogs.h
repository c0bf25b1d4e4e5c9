#pragma once

#include <QList>
#include <QString>
#include <QStringList>

class QWidget;

// Every file dialog of the program goes through here, so tests can answer it in advance
// instead of facing a modal dialog.
class FileDialogs
{
public:
    struct Asked
    {
        QString caption;
        QString suggested;
    };

    // Takes the place of the real dialogs while it exists: records each one and answers with
    // the next queued file name (an empty name, as when the user cancels, once none is left).
    class Recorder
    {
    public:
        Recorder();
        ~Recorder();
        Recorder(const Recorder &) = delete;
        Recorder &operator=(const Recorder &) = delete;

        QList<Asked> asked;
        QStringList answers;
    };

    // The file to save to, or empty when the user cancelled.
    static QString saveFileName(QWidget *parent, const QString &caption, const QString &suggested, const QString &filter);

private:
    static Recorder *s_recorder;
};
