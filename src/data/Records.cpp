#include "Records.h"

#include <QRegularExpression>
#include <QSqlError>
#include <QSqlQuery>

namespace {

bool isIdentifier(const QString &name)
{
    static const QRegularExpression pattern(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    return pattern.match(name).hasMatch();
}

QVariant clean(const QVariant &value)
{
    return value.typeId() == QMetaType::QString ? QVariant(Records::cleanText(value.toString())) : value;
}

QString whereClause(const Fields &where)
{
    QStringList parts;
    for (const Field &f : where) {
        Q_ASSERT(isIdentifier(f.first));
        parts << QStringLiteral("(%1=?)").arg(f.first);
    }
    return parts.isEmpty() ? QString() : QStringLiteral(" where ") + parts.join(QStringLiteral(" and "));
}

QString orderClause(const QStringList &orderBy)
{
    if (orderBy.isEmpty())
        return QStringLiteral(" order by rowid");
    QStringList parts;
    for (const QString &column : orderBy) {
        Q_ASSERT(isIdentifier(column));
        parts << column + QStringLiteral(" collate natural_order");
    }
    return QStringLiteral(" order by ") + parts.join(QStringLiteral(", "));
}

void bindAll(QSqlQuery &query, const Fields &fields)
{
    for (const Field &f : fields)
        query.addBindValue(clean(f.second));
}

} // namespace

QString Records::cleanText(QString text)
{
    text.remove(QChar(u'\0'));
    return text;
}

Records::Records(const QSqlDatabase &db, ErrorHandler onError)
    : m_db(db), m_onError(std::move(onError))
{
}

bool Records::fail(const QString &what, const QString &detail) const
{
    m_lastError = detail.isEmpty() ? what : what + QStringLiteral("\n\n") + detail;
    if (m_onError)
        m_onError(m_lastError);
    return false;
}

QStringList Records::distinct(const QString &table, const QString &column, const Fields &where) const
{
    Q_ASSERT(isIdentifier(table) && isIdentifier(column));
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select distinct(%1) from %2%3 order by %1 collate natural_order")
                      .arg(column, table, whereClause(where)));
    bindAll(query, where);
    QStringList values;
    if (!query.exec()) {
        fail(QStringLiteral("The list could not be read from the database."), query.lastError().text());
        return values;
    }
    while (query.next()) {
        if (!query.isNull(0))
            values << query.value(0).toString();
    }
    return values;
}

QList<QSqlRecord> Records::rows(const QString &table, const Fields &where, const QStringList &orderBy) const
{
    Q_ASSERT(isIdentifier(table));
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select * from %1%2%3").arg(table, whereClause(where), orderClause(orderBy)));
    bindAll(query, where);
    QList<QSqlRecord> result;
    if (!query.exec()) {
        fail(QStringLiteral("The records could not be read from the database."), query.lastError().text());
        return result;
    }
    while (query.next())
        result << query.record();
    return result;
}

std::optional<QSqlRecord> Records::first(const QString &table, const Fields &where, const QStringList &orderBy) const
{
    Q_ASSERT(isIdentifier(table));
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select * from %1%2%3 limit 1").arg(table, whereClause(where), orderClause(orderBy)));
    bindAll(query, where);
    if (!query.exec()) {
        fail(QStringLiteral("The record could not be read from the database."), query.lastError().text());
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    return query.record();
}

std::optional<qint64> Records::firstRowId(const QString &table, const Fields &where, bool *ok) const
{
    QSqlQuery query(m_db);
    query.setForwardOnly(true);
    query.prepare(QStringLiteral("select rowid from %1%2 order by rowid limit 1").arg(table, whereClause(where)));
    bindAll(query, where);
    *ok = query.exec();
    if (!*ok) {
        fail(QStringLiteral("The record could not be looked up."), query.lastError().text());
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    return query.value(0).toLongLong();
}

bool Records::insertRow(const QString &table, const Fields &row) const
{
    QStringList columns;
    QStringList marks;
    for (const Field &f : row) {
        Q_ASSERT(isIdentifier(f.first));
        columns << f.first;
        marks << QStringLiteral("?");
    }
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("insert into %1 (%2) values (%3)")
                      .arg(table, columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", "))));
    bindAll(query, row);
    if (!query.exec())
        return fail(QStringLiteral("The record could not be added."), query.lastError().text());
    return true;
}

bool Records::updateRow(const QString &table, qint64 rowId, const Fields &values) const
{
    QStringList sets;
    for (const Field &f : values) {
        Q_ASSERT(isIdentifier(f.first));
        sets << f.first + QStringLiteral("=?");
    }
    QSqlQuery query(m_db);
    query.prepare(QStringLiteral("update %1 set %2 where rowid=?").arg(table, sets.join(QStringLiteral(", "))));
    bindAll(query, values);
    query.addBindValue(rowId);
    if (!query.exec())
        return fail(QStringLiteral("The record could not be changed."), query.lastError().text());
    return true;
}

bool Records::begin() const
{
    if (m_db.transaction())
        return true;
    return fail(QStringLiteral("The change could not be started; nothing was written."), m_db.lastError().text());
}

bool Records::commitOrRollBack(bool ok) const
{
    if (ok && m_db.commit())
        return true;
    const QString detail = m_db.lastError().text();
    m_db.rollback();
    if (ok)
        return fail(QStringLiteral("The change could not be stored; nothing was written."), detail);
    return false;
}

Records::Saved Records::save(const QString &table, const Fields &identity, const Fields &values) const
{
    Q_ASSERT(isIdentifier(table));
    if (!begin())
        return Saved::Failed;
    bool ok = false;
    const std::optional<qint64> rowId = firstRowId(table, identity, &ok);
    if (ok)
        ok = rowId ? updateRow(table, *rowId, values) : insertRow(table, identity + values);
    if (!commitOrRollBack(ok))
        return Saved::Failed;
    return rowId ? Saved::Updated : Saved::Inserted;
}

Records::Added Records::insertUnlessFound(const QString &table, const Fields &match, const Fields &row) const
{
    Q_ASSERT(isIdentifier(table));
    if (!begin())
        return Added::Failed;
    bool ok = false;
    const bool found = firstRowId(table, match, &ok).has_value();
    if (ok && !found)
        ok = insertRow(table, row);
    if (!commitOrRollBack(ok))
        return Added::Failed;
    return found ? Added::Existed : Added::Inserted;
}
