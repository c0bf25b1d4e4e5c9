#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlRecord>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <functional>
#include <optional>
#include <utility>

// A column and the value it is compared with or set to.
using Field = std::pair<QString, QVariant>;
using Fields = QList<Field>;

// Every statement the screens run on their connection: built from fixed column names, with
// every value bound, each query finished before the call returns. A failure is handed to the
// error handler (the screen shows it) and the call reports it in its result, so a failed read
// is never taken for "no rows".
//
// In a look-up an empty or null text matches a stored '' and a stored NULL alike: the screens
// hand over an empty selector as either, and older files hold both. Other texts match exactly,
// letter case included. Values being written keep their NULLs.
class Records
{
public:
    // What the error handler is told: what could not be done, and the driver's error.
    using ErrorHandler = std::function<void(const QString &what, const QSqlError &error)>;

    enum class Saved { Inserted, Updated, Failed };
    enum class Added { Inserted, Existed, Failed };
    enum class Removed { Deleted, NotFound, Failed };

    // The first row of a look-up: found, not found, or the read failed.
    class Lookup
    {
    public:
        static Lookup failure() { return Lookup(true, {}); }
        static Lookup none() { return Lookup(false, {}); }
        static Lookup of(const QSqlRecord &record) { return Lookup(false, record); }

        bool failed() const { return m_failed; }
        bool found() const { return m_record.has_value(); }
        const QSqlRecord &record() const { return *m_record; }
        // The column's value; null when nothing was found.
        QVariant value(const QString &column) const { return found() ? m_record->value(column) : QVariant(); }

    private:
        Lookup(bool failed, std::optional<QSqlRecord> record) : m_failed(failed), m_record(std::move(record)) {}
        bool m_failed;
        std::optional<QSqlRecord> m_record;
    };

    // Several calls as one change: each call made while it lives joins it (a savepoint, so a
    // transaction may also sit inside another). Rolled back unless commit() succeeds.
    class Transaction
    {
    public:
        explicit Transaction(const Records &records);
        ~Transaction();
        Transaction(const Transaction &) = delete;
        Transaction &operator=(const Transaction &) = delete;

        bool started() const { return m_started; }
        bool commit();

    private:
        const Records &m_records;
        QString m_name;
        bool m_started = false;
        bool m_done = false;
    };

    explicit Records(const QSqlDatabase &db, ErrorHandler onError = {});

    // Non-null values of one column, each once, in natural order; nullopt when the read failed.
    std::optional<QStringList> distinct(const QString &table, const QString &column, const Fields &where = {}) const;
    // The first row found, in the order rows were written unless an order is given.
    Lookup first(const QString &table, const Fields &where, const QStringList &orderBy = {}) const;
    std::optional<QList<QSqlRecord>> rows(const QString &table, const Fields &where = {},
                                          const QStringList &orderBy = {}) const;

    // The save rule: look the row up by its identity; change the first one found, or add a
    // row with the identity and the values. One transaction.
    Saved save(const QString &table, const Fields &identity, const Fields &values) const;
    // Adds the row only when no row matches; one transaction.
    Added insertUnlessFound(const QString &table, const Fields &match, const Fields &row) const;
    bool insert(const QString &table, const Fields &row) const;
    // Deletes the first row found (in the order rows were written).
    Removed deleteFirst(const QString &table, const Fields &where) const;
    // Deletes the first row found, if any, and adds the row: one transaction.
    bool replaceFirst(const QString &table, const Fields &where, const Fields &row) const;
    // Sets the values on every matching row; the number of rows changed, or -1 on failure.
    int updateWhere(const QString &table, const Fields &set, const Fields &where) const;

    // A fixed statement of the program's own (a join or a set-based change the calls above do
    // not cover), every value bound; the number of rows changed, or -1 on failure.
    int run(const QString &sql, const QVariantList &values, const QString &what) const;

    QString lastError() const { return m_lastError; }
    QSqlDatabase database() const { return m_db; }

    // What every stored text goes through: a NUL would cut it short in other tools that read the file.
    static QString cleanText(QString text);
    // Table and column names come from the program, never from the user; anything else is refused.
    static bool isIdentifier(const QString &name);

private:
    std::optional<qint64> firstRowId(const QString &table, const Fields &where, bool *ok) const;
    bool exec(QSqlQuery &query, const QString &what) const;
    bool namesAreValid(const QString &table, const Fields &fields, const QStringList &more = {}) const;
    bool fail(const QString &what, const QSqlError &error) const;

    mutable QSqlDatabase m_db;
    ErrorHandler m_onError;
    mutable QString m_lastError;
};
