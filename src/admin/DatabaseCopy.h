#pragma once

#include <QString>

class QDateTime;
struct sqlite3;

// Backup and restore of the live database without ever copying, renaming or deleting the
// open file behind SQLite's back: a backup is a checked snapshot moved into place only when
// complete, a restore is a checked copy written into the live database in one transaction.
class DatabaseCopy
{
public:
    enum class Outcome {
        Done,
        Refused,   // the file named is unfit or is the live database; nothing was written
        Busy,      // another connection holds the database; nothing was changed
        Failed     // the copy could not be made; the reason says why
    };

    struct Result
    {
        Outcome outcome = Outcome::Failed;
        QString reason;     // for the user, when not Done
        QString safetyCopy; // a restore's copy of the data it replaced
        bool done() const { return outcome == Outcome::Done; }
    };

    // live: the raw handle of an open connection to the live database.
    static Result backup(sqlite3 *live, const QString &destination);
    static Result restore(sqlite3 *live, const QString &source);

    // The name of a restore's safety copy, beside the live database: the date and time in it
    // sort the copies from old to new.
    static QString safetyCopyName(const QDateTime &when);

    // True when both names reach the same file: the same canonical path, or the same device
    // and inode (symbolic and hard links).
    static bool sameFile(const QString &a, const QString &b);

private:
    static Result writeSnapshot(sqlite3 *live, const QString &target);
};
