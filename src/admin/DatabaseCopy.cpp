#include "DatabaseCopy.h"

#include "admin/DatabaseFileCheck.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QUrl>

#include <sqlite3.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

DatabaseCopy::Result refused(const QString &reason)
{
    return {DatabaseCopy::Outcome::Refused, reason, {}};
}

DatabaseCopy::Result failed(const QString &reason)
{
    return {DatabaseCopy::Outcome::Failed, reason, {}};
}

QString livePath(sqlite3 *live)
{
    return QString::fromUtf8(sqlite3_db_filename(live, "main"));
}

// Data and name both on disk before the caller says the copy is made.
bool syncFile(const QString &path, bool directory)
{
    const int fd = ::open(QFile::encodeName(path).constData(), directory ? (O_RDONLY | O_DIRECTORY) : O_RDONLY);
    if (fd < 0)
        return false;
    const bool ok = ::fsync(fd) == 0;
    ::close(fd);
    return ok;
}

// The file a path names once every link and "." or ".." in it is followed; for a file yet
// to be made, the real folder with the name in it. Checks and writes both use this path, so
// what is checked is what is written.
QString resolved(const QString &path)
{
    const QFileInfo info(path);
    if (info.exists())
        return info.canonicalFilePath();
    const QString folder = info.absoluteDir().canonicalPath();
    return folder.isEmpty() ? info.absoluteFilePath() : QDir(folder).filePath(info.fileName());
}

QString systemError()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

bool DatabaseCopy::sameFile(const QString &a, const QString &b)
{
    const QString canonicalA = QFileInfo(a).canonicalFilePath();
    if (!canonicalA.isEmpty() && canonicalA == QFileInfo(b).canonicalFilePath())
        return true;
    struct stat statA{};
    struct stat statB{};
    if (::stat(QFile::encodeName(a).constData(), &statA) != 0 || ::stat(QFile::encodeName(b).constData(), &statB) != 0)
        return false;
    return statA.st_dev == statB.st_dev && statA.st_ino == statB.st_ino;
}

QString DatabaseCopy::safetyCopyName(const QDateTime &when)
{
    return QStringLiteral("cmmi-before-restore-%1.mdb").arg(when.toString(QStringLiteral("yyyy-MM-dd-HHmmss")));
}

DatabaseCopy::Result DatabaseCopy::writeSnapshot(sqlite3 *live, const QString &target)
{
    const QFileInfo info(target);
    if (info.isDir())
        return failed(QStringLiteral("%1 is a folder; name a file in it").arg(target));
    const QDir folder = info.absoluteDir();
    if (!folder.exists())
        return failed(QStringLiteral("the folder %1 does not exist").arg(folder.path()));

    // A new file beside the target, so the final rename stays on one file system and the
    // user's earlier file is replaced only by a complete, checked copy.
    QTemporaryFile snapshot(folder.filePath(QStringLiteral(".cmmi-backup-XXXXXX")));
    if (!snapshot.open())
        return failed(QStringLiteral("no file can be written in %1 (%2)").arg(folder.path(), snapshot.errorString()));
    snapshot.close();
    const QByteArray snapshotName = QFile::encodeName(snapshot.fileName());

    sqlite3_stmt *vacuum = nullptr;
    int rc = sqlite3_prepare_v2(live, "vacuum into ?1", -1, &vacuum, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_bind_text(vacuum, 1, snapshotName.constData(), int(snapshotName.size()), SQLITE_TRANSIENT);
        rc = sqlite3_step(vacuum);
    }
    const QString error = QString::fromUtf8(sqlite3_errmsg(live));
    sqlite3_finalize(vacuum);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        return {Outcome::Busy, QStringLiteral("the database is in use (%1)").arg(error), {}};
    if (rc != SQLITE_DONE)
        return failed(error);

    const QString problem = DatabaseFileCheck::problem(snapshot.fileName());
    if (!problem.isEmpty())
        return failed(QStringLiteral("the copy did not pass its check: %1").arg(problem));
    if (!syncFile(snapshot.fileName(), false))
        return failed(systemError());
    // An earlier backup keeps its permissions; a new one is readable by the owner only, as
    // the assessment data is confidential.
    if (info.exists())
        QFile::setPermissions(snapshot.fileName(), QFile::permissions(target));
    if (std::rename(snapshotName.constData(), QFile::encodeName(target).constData()) != 0)
        return failed(systemError());
    snapshot.setAutoRemove(false);
    syncFile(folder.path(), true);
    return {Outcome::Done, {}, {}};
}

DatabaseCopy::Result DatabaseCopy::backup(sqlite3 *live, const QString &destination)
{
    // Through a symbolic link the backup replaces the file it points to, not the link.
    const QString target = resolved(destination);
    if (sameFile(target, livePath(live)))
        return refused(QStringLiteral("%1 is the database in use").arg(destination));
    return writeSnapshot(live, target);
}

DatabaseCopy::Result DatabaseCopy::restore(sqlite3 *live, const QString &source)
{
    const QString current = livePath(live);
    const QString file = resolved(source);
    if (!QFileInfo(file).isFile())
        return refused(QStringLiteral("the file %1 does not exist").arg(source));
    if (sameFile(file, current))
        return refused(QStringLiteral("%1 is the database in use").arg(source));

    // A private copy: the chosen file is only read once, and nothing can change what was
    // checked before it is written into the live database.
    QTemporaryDir privateDir;
    if (!privateDir.isValid())
        return failed(QStringLiteral("no private copy can be made (%1)").arg(privateDir.errorString()));
    const QString candidate = privateDir.filePath(QStringLiteral("candidate.mdb"));
    QFile sourceFile(file);
    if (!sourceFile.copy(candidate))
        return refused(QStringLiteral("the file %1 cannot be read (%2)").arg(source, sourceFile.errorString()));
    const QString problem = DatabaseFileCheck::problem(candidate);
    if (!problem.isEmpty())
        return refused(problem);

    QDir liveFolder = QFileInfo(current).absoluteDir();
    const QDateTime now = QDateTime::currentDateTime();
    QString safety = liveFolder.filePath(safetyCopyName(now));
    for (int n = 2; QFileInfo::exists(safety); ++n)
        safety = liveFolder.filePath(safetyCopyName(now).replace(QStringLiteral(".mdb"), QStringLiteral("-%1.mdb").arg(n)));
    Result kept = writeSnapshot(live, safety);
    if (!kept.done()) {
        kept.reason = QStringLiteral("no safety copy of the current data could be written: %1").arg(kept.reason);
        return kept;
    }

    QUrl uri = QUrl::fromLocalFile(candidate);
    uri.setQuery(QStringLiteral("mode=ro"));
    sqlite3 *raw = nullptr;
    int rc = sqlite3_open_v2(uri.toString(QUrl::FullyEncoded).toUtf8().constData(), &raw,
                             SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    QString error;
    if (rc == SQLITE_OK) {
        // All pages in one step: one write transaction on the live file, which every open
        // connection sees as a whole at its next statement.
        sqlite3_backup *copy = sqlite3_backup_init(live, "main", raw, "main");
        if (copy) {
            rc = sqlite3_backup_step(copy, -1);
            sqlite3_backup_finish(copy);
        } else {
            rc = sqlite3_errcode(live);
        }
        error = QString::fromUtf8(sqlite3_errmsg(live));
    } else {
        error = QString::fromUtf8(sqlite3_errmsg(raw));
    }
    sqlite3_close_v2(raw);
    if (rc == SQLITE_DONE)
        return {Outcome::Done, {}, safety};

    // Nothing was replaced, so the safety copy keeps nothing that is not still live.
    QFile::remove(safety);
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        return {Outcome::Busy, QStringLiteral("the database is in use by another connection"), {}};
    return failed(error);
}
