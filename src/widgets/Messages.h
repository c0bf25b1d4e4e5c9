#pragma once

#include <QList>
#include <QString>

class QSqlError;
class QWidget;

// Every message box of the program goes through here, so the caption "CMMi" is the same
// everywhere and tests can record what would have been shown and answer in advance.
class Messages
{
public:
    enum class Icon { Information, None, Question };

    struct Shown
    {
        Icon icon;
        QString caption;
        QString text;
    };

    // Takes the place of the real boxes while it exists: records each one, answers each
    // question with the next queued answer (No when none is left).
    class Recorder
    {
    public:
        Recorder();
        ~Recorder();
        Recorder(const Recorder &) = delete;
        Recorder &operator=(const Recorder &) = delete;

        QList<Shown> shown;
        QList<bool> answers;

        QStringList texts() const;
        void clear() { shown.clear(); }
    };

    static QString applicationTitle() { return QStringLiteral("CMMi"); }

    // An information box with one OK button.
    static void information(QWidget *parent, const QString &text, const QString &caption = applicationTitle());
    // A box with one OK button and no icon.
    static void plain(QWidget *parent, const QString &text, const QString &caption = applicationTitle());
    // Yes or No, no icon; true for Yes.
    static bool confirm(QWidget *parent, const QString &text, const QString &caption = applicationTitle());
    // A database failure, in the same style: what could not be done, why, what to do.
    static void databaseError(QWidget *parent, const QString &what, const QSqlError &error);

private:
    static bool show(QWidget *parent, Icon icon, const QString &text, const QString &caption);
    static Recorder *s_recorder;
};
