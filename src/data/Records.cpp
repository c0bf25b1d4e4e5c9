#include "Records.h"

#include "data/DatabaseError.h"
#include "data/SqliteHandle.h"

#include <QRegularExpression>
#include <QSqlQuery>

#include <atomic>

namespace {

bool isEmptyText(const QVariant &value)
{
    return value.isNull() || (value.typeId() == QMetaType::QString && value.toString().isEmpty());
}

// A text from a field is never NULL: an empty field is stored as '', as the program always
// stored it. Only a value with no type at all (QVariant()) is written as NULL.
QVariant clean(const QVariant &value)
{
    if (value.typeId() != QMetaType::QString)
        return value;
    const QString text = Records::cleanText(value.toString());
    return text.isNull() ? QVariant(QStringLiteral("")) : QVariant(text);
}

// An empty or null text matches '' and NULL alike; it needs no bound value.
QString whereClause(const Fields &where)
{
    QStringList parts;
    for (const Field &f : where) {
        if (isEmptyText(f.second))
            parts << QStringLiteral("(%1 is null or %1='')").arg(f.first);
        else
            parts << QStringLiteral("(%1=?)").arg(f.first);
    }
    return parts.isEmpty() ? QString() : QStringLiteral(" where ") + parts.join(QStringLiteral(" and "));
}

void bindWhere(QSqlQuery &query, const Fields &where)
{
    for (const Field &f : where) {
        if (!isEmptyText(f.second))
            query.addBindValue(clean(f.second));
    }
}

void bindValues(QSqlQuery &query, const Fields &values)
{
    for (const Field &f : values)
        query.addBindValue(clean(f.second));
}

QString orderClause(const QStringList &orderBy)
{
    if (orderBy.isEmpty())
        return QStringLiteral(" order by rowid");
    QStringList parts;
    for (const QString &column : orderBy)
        parts << column + QStringLiteral(" collate natural_order");
    return QStringLiteral(" order by ") + parts.join(QStringLiteral(", "));
}

QStringList names(const Fields &fields)
{
    QStringList result;
    for (const Field &f : fields)
        result << f.first;
    return result;
}

} // namespace

QString Records::cleanText(QString text)
{
    text.remove(QChar(u'\0'));
    return text;
}

bool Records::isIdentifier(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return pattern.match(name).hasMatch();
}

Records::Records(const QSqlDatabase &db, ErrorHandler onError)
    : m_db(db), m_onError(std::move(onError))
{
}

bool Records::fail(const QString &what, const QSqlError &error) const
{
    m_lastError = error.text().trimmed().isEmpty() ? what : what + QStringLiteral("\n\n") + error.text();
    if (m_onError)
        m_onError(what, error);
    return false;
}

bool Records::namesAreValid(const QString &table, const Fields &fields, const QStringList &more) const
{
    for (const QString &name : QStringList{table} + names(fields) + more) {
        if (!isIdentifier(name)) {
            return fail(QStringLiteral("The program asked for a table or column that does not exist (\"%1\"); "
                                       "nothing was read or written.").arg(name),
                        QSqlError());
        }
    }
    return true;
}

bool Records::exec(QSqlQuery &query, const QString &what) const
{
    if (query.exec())
        return true;
    const QSqlError error = DatabaseError::completed(m_db, query.lastError());
    query.finish();
    return fail(what, error);
}

std::optional<QStringList> Records::distinct(const QString &table, const QString &column, const Fields &where) const
{
    if (!namesAreValid(table, where, {column}))
        return std::nullopt;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select distinct(%1) from %2%3 order by %1 collate natural_order")
                      .arg(column, table, whereClause(where)));
    bindWhere(query, where);
    if (!exec(query, QStringLiteral("The list could not be read from the database.")))
        return std::nullopt;
    QStringList values;
    while (query.next()) {
        if (!query.isNull(0))
            values << query.value(0).toString();
    }
    if (query.lastError().isValid())
        return fail(QStringLiteral("The list could not be read from the database."), query.lastError()), std::nullopt;
    return values;
}

std::optional<QList<QSqlRecord>> Records::rows(const QString &table, const Fields &where, const QStringList &orderBy) const
{
    if (!namesAreValid(table, where, orderBy))
        return std::nullopt;
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select * from %1%2%3").arg(table, whereClause(where), orderClause(orderBy)));
    bindWhere(query, where);
    if (!exec(query, QStringLiteral("The records could not be read from the database.")))
        return std::nullopt;
    QList<QSqlRecord> result;
    while (query.next())
        result << query.record();
    if (query.lastError().isValid())
        return fail(QStringLiteral("The records could not be read from the database."), query.lastError()), std::nullopt;
    return result;
}

Records::Lookup Records::first(const QString &table, const Fields &where, const QStringList &orderBy) const
{
    if (!namesAreValid(table, where, orderBy))
        return Lookup::failure();
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select * from %1%2%3 limit 1").arg(table, whereClause(where), orderClause(orderBy)));
    bindWhere(query, where);
    if (!exec(query, QStringLiteral("The record could not be read from the database.")))
        return Lookup::failure();
    if (query.next()) {
        const QSqlRecord record = query.record();
        query.finish();
        return Lookup::of(record);
    }
    if (query.lastError().isValid())
        return fail(QStringLiteral("The record could not be read from the database."), query.lastError()), Lookup::failure();
    return Lookup::none();
}

std::optional<qint64> Records::firstRowId(const QString &table, const Fields &where, bool *ok) const
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select rowid from %1%2 order by rowid limit 1").arg(table, whereClause(where)));
    bindWhere(query, where);
    *ok = exec(query, QStringLiteral("The record could not be looked up."));
    if (!*ok || !query.next())
        return std::nullopt;
    const qint64 rowId = query.value(0).toLongLong();
    query.finish();
    return rowId;
}

bool Records::insert(const QString &table, const Fields &row) const
{
    if (!namesAreValid(table, row))
        return false;
    QStringList marks;
    for (qsizetype i = 0; i < row.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("insert into %1 (%2) values (%3)")
                      .arg(table, names(row).join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    bindValues(query, row);
    return exec(query, QStringLiteral("The record could not be added."));
}

int Records::updateWhere(const QString &table, const Fields &set, const Fields &where) const
{
    if (!namesAreValid(table, set + where))
        return -1;
    QStringList sets;
    for (const Field &f : set)
        sets << f.first + QStringLiteral("=?");
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("update %1 set %2%3").arg(table, sets.join(QStringLiteral(", ")), whereClause(where)));
    bindValues(query, set);
    bindWhere(query, where);
    if (!exec(query, QStringLiteral("The records could not be changed.")))
        return -1;
    return query.numRowsAffected();
}

int Records::run(const QString &sql, const QVariantList &values, const QString &what) const
{
    QSqlQuery query(m_db);
    query.prepare(sql);
    for (const QVariant &value : values)
        query.addBindValue(clean(value));
    if (!exec(query, what))
        return -1;
    const int changed = query.numRowsAffected();
    query.finish();
    return changed;
}

Records::Saved Records::save(const QString &table, const Fields &identity, const Fields &values) const
{
    if (!namesAreValid(table, identity + values))
        return Saved::Failed;
    Transaction tx(*this);
    if (!tx.started())
        return Saved::Failed;
    bool ok = false;
    const std::optional<qint64> rowId = firstRowId(table, identity, &ok);
    if (ok && rowId)
        ok = updateWhere(table, values, {{QStringLiteral("rowid"), *rowId}}) >= 0;
    else if (ok)
        ok = insert(table, identity + values);
    if (!ok || !tx.commit())
        return Saved::Failed;
    return rowId ? Saved::Updated : Saved::Inserted;
}

Records::Added Records::insertUnlessFound(const QString &table, const Fields &match, const Fields &row) const
{
    if (!namesAreValid(table, match + row))
        return Added::Failed;
    Transaction tx(*this);
    if (!tx.started())
        return Added::Failed;
    bool ok = false;
    const bool found = firstRowId(table, match, &ok).has_value();
    if (ok && !found)
        ok = insert(table, row);
    if (!ok || !tx.commit())
        return Added::Failed;
    return found ? Added::Existed : Added::Inserted;
}

Records::Removed Records::deleteFirst(const QString &table, const Fields &where) const
{
    if (!namesAreValid(table, where))
        return Removed::Failed;
    Transaction tx(*this);
    if (!tx.started())
        return Removed::Failed;
    bool ok = false;
    const std::optional<qint64> rowId = firstRowId(table, where, &ok);
    if (ok && rowId) {
        QSqlQuery query(m_db);
        query.prepare(QStringLiteral("delete from %1 where rowid=?").arg(table));
        query.addBindValue(*rowId);
        ok = exec(query, QStringLiteral("The record could not be deleted."));
    }
    if (!ok || !tx.commit())
        return Removed::Failed;
    return rowId ? Removed::Deleted : Removed::NotFound;
}

bool Records::replaceFirst(const QString &table, const Fields &where, const Fields &row) const
{
    Transaction tx(*this);
    if (!tx.started())
        return false;
    if (deleteFirst(table, where) == Removed::Failed || !insert(table, row))
        return false;
    return tx.commit();
}

// The outermost transaction takes the write lock at once (BEGIN IMMEDIATE), so a busy file
// is found before anything is read, not half-way through; inner ones are savepoints.
Records::Transaction::Transaction(const Records &records)
    : m_records(records)
{
    static std::atomic<int> counter{0};
    const bool outermost = !SqliteHandle::inTransaction(records.m_db);
    m_name = outermost ? QString() : QStringLiteral("records_%1").arg(++counter);
    QSqlQuery query(records.m_db);
    m_started = query.exec(outermost ? QStringLiteral("begin immediate") : QStringLiteral("savepoint ") + m_name);
    if (!m_started)
        records.fail(QStringLiteral("The change could not be started; nothing was written."), query.lastError());
}

Records::Transaction::~Transaction()
{
    if (!m_started || m_done)
        return;
    QSqlQuery query(m_records.m_db);
    if (m_name.isEmpty()) {
        query.exec(QStringLiteral("rollback"));
    } else {
        query.exec(QStringLiteral("rollback to ") + m_name);
        query.exec(QStringLiteral("release ") + m_name);
    }
}

bool Records::Transaction::commit()
{
    if (!m_started || m_done)
        return false;
    QSqlQuery query(m_records.m_db);
    if (!query.exec(m_name.isEmpty() ? QStringLiteral("commit") : QStringLiteral("release ") + m_name)) {
        m_records.fail(QStringLiteral("The change could not be stored; nothing was written."), query.lastError());
        return false; // the destructor rolls back
    }
    m_done = true;
    return true;
}
