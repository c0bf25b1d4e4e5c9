#include "DatabaseFileCheck.h"

#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QUrl>

#include <sqlite3.h>

#include <memory>

namespace {

struct CloseDatabase
{
    void operator()(sqlite3 *db) const { sqlite3_close_v2(db); }
};
struct FinishStatement
{
    void operator()(sqlite3_stmt *statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, CloseDatabase>;
using Statement = std::unique_ptr<sqlite3_stmt, FinishStatement>;

Statement prepare(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *statement = nullptr;
    sqlite3_prepare_v2(db, sql, -1, &statement, nullptr);
    return Statement(statement);
}

QString text(sqlite3_stmt *statement, int column)
{
    return QString::fromUtf8(reinterpret_cast<const char *>(sqlite3_column_text(statement, column)));
}

QString damaged(const QString &detail)
{
    return QStringLiteral("the file is damaged (%1)").arg(detail);
}

} // namespace

const QList<std::pair<QString, QStringList>> &DatabaseFileCheck::tables()
{
    static const QList<std::pair<QString, QStringList>> all = {
        {QStringLiteral("cmmi_kpas"),
         {"vx_level", "vx_kpa", "vx_goal_id", "vx_goal_desc", "vx_practice_id", "vx_practice_desc",
          "vx_subpractice_id", "vx_subpractice_desc", "vx_how_met", "vx_qms_ref"}},
        {QStringLiteral("cmmi_ggs"), {"vx_goal_id", "vx_goal_desc", "vx_practice_id", "vx_practice_desc"}},
        {QStringLiteral("cmmi_docs"),
         {"vx_level", "vx_kpa", "vx_goal_id", "vx_goal_desc", "vx_practice_id", "vx_practice_desc", "vx_doc_id",
          "vx_doc_desc", "vx_doc_ref", "vx_how_met"}},
        {QStringLiteral("vx_gaps_sgs"),
         {"vx_coid", "vx_level", "vx_kpa", "vx_goal_id", "vx_practice_id", "vx_subpractice_id", "vx_qms_ref",
          "vx_how_met"}},
        {QStringLiteral("vx_gaps_ggs"), {"vx_coid", "vx_goal_id", "vx_practice_id", "vx_kpa", "vx_qms_ref", "vx_how_met"}},
        {QStringLiteral("vx_gaps_docs"),
         {"vx_coid", "vx_level", "vx_kpa", "vx_goal_id", "vx_practice_id", "vx_doc_id", "vx_doc_ref", "vx_how_met"}},
        {QStringLiteral("cmmi_org_docs"), {"vx_coid", "vx_doc_id", "vx_doc_type", "vx_doc_dtls"}},
        {QStringLiteral("Tvxrk_companydetails"), {"fvx_rk_companyname", "fvx_rk_address"}},
    };
    return all;
}

QString DatabaseFileCheck::problem(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("the file cannot be read (%1)").arg(file.errorString());
    if (file.size() == 0)
        return QStringLiteral("the file is empty");
    // Every SQLite database starts with these 16 bytes; anything else is not worth opening.
    if (file.read(16) != QByteArray("SQLite format 3\0", 16))
        return QStringLiteral("the file is not a database of this program");
    file.close();

    QUrl uri = QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath());
    uri.setQuery(QStringLiteral("mode=ro"));
    sqlite3 *raw = nullptr;
    const int opened = sqlite3_open_v2(uri.toString(QUrl::FullyEncoded).toUtf8().constData(), &raw,
                                       SQLITE_OPEN_READONLY | SQLITE_OPEN_URI, nullptr);
    Database db(raw);
    if (opened != SQLITE_OK)
        return damaged(QString::fromUtf8(sqlite3_errmsg(raw)));

    // The whole file, every page and index: a truncated or scribbled copy fails here.
    {
        Statement check = prepare(db.get(), "pragma integrity_check(1)");
        if (!check || sqlite3_step(check.get()) != SQLITE_ROW)
            return damaged(QString::fromUtf8(sqlite3_errmsg(db.get())));
        const QString verdict = text(check.get(), 0);
        if (verdict != QLatin1String("ok"))
            return damaged(verdict);
    }
    {
        Statement extras = prepare(db.get(), "select count(*) from sqlite_master where type in ('trigger', 'view')");
        if (!extras || sqlite3_step(extras.get()) != SQLITE_ROW)
            return damaged(QString::fromUtf8(sqlite3_errmsg(db.get())));
        if (sqlite3_column_int(extras.get(), 0) > 0)
            return QStringLiteral("the file holds triggers or views, which a database of this program never has");
    }
    Statement columns = prepare(db.get(), "select name from pragma_table_info(?1)");
    if (!columns)
        return damaged(QString::fromUtf8(sqlite3_errmsg(db.get())));
    for (const auto &[table, expected] : tables()) {
        sqlite3_reset(columns.get());
        const QByteArray name = table.toUtf8();
        sqlite3_bind_text(columns.get(), 1, name.constData(), int(name.size()), SQLITE_TRANSIENT);
        QSet<QString> present;
        int step;
        while ((step = sqlite3_step(columns.get())) == SQLITE_ROW)
            present.insert(text(columns.get(), 0).toLower());
        if (step != SQLITE_DONE)
            return damaged(QString::fromUtf8(sqlite3_errmsg(db.get())));
        if (present.isEmpty())
            return QStringLiteral("the table %1 is missing").arg(table);
        for (const QString &column : expected) {
            if (!present.contains(column.toLower()))
                return QStringLiteral("the table %1 has no column %2").arg(table, column);
        }
    }
    return {};
}
