#pragma once

#include <QString>

class QSqlDatabase;
class QSqlError;

// Turns a failed statement into words a user can act on: what could not be done, why in plain
// terms (damaged, in use, read-only, full), what to do about it, and the driver's text last.
class DatabaseError
{
public:
    enum class Kind { Busy, ReadOnly, Full, Damaged, Unreadable, Other };

    static Kind kind(const QSqlError &error);
    // Qt leaves out the engine's code and text when a row cannot be fetched; they are still
    // on the connection right after the failure.
    static QSqlError completed(const QSqlDatabase &db, const QSqlError &error);
    static QString explain(const QString &what, const QSqlError &error);

    // How long a statement waits for another program to release the file.
    static int busyTimeoutMs() { return s_busyTimeoutMs; }
    // Tests shorten the wait.
    static void setBusyTimeoutMs(int ms) { s_busyTimeoutMs = ms; }
    static QString busyMessage();

private:
    static int s_busyTimeoutMs;
};
