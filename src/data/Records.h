#pragma once

#include <QList>
#include <QSqlDatabase>
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
// error handler (the screen shows it) and the call reports it in its result.
class Records
{
public:
    using ErrorHandler = std::function<void(const QString &)>;

    enum class Saved { Inserted, Updated, Failed };
    enum class Added { Inserted, Existed, Failed };

    explicit Records(const QSqlDatabase &db, ErrorHandler onError = {});

    // Non-null values of one column, each once, in natural order.
    QStringList distinct(const QString &table, const QString &column, const Fields &where = {}) const;
    // The first row found, in the order rows were written unless an order is given.
    std::optional<QSqlRecord> first(const QString &table, const Fields &where,
                                    const QStringList &orderBy = {}) const;
    QList<QSqlRecord> rows(const QString &table, const Fields &where = {},
                           const QStringList &orderBy = {}) const;

    // The save rule: look the row up by its identity; change the first one found, or add a
    // row with the identity and the values. One transaction.
    Saved save(const QString &table, const Fields &identity, const Fields &values) const;
    // Adds the row only when no row matches; one transaction.
    Added insertUnlessFound(const QString &table, const Fields &match, const Fields &row) const;

    QString lastError() const { return m_lastError; }

    // What every stored text goes through: a NUL would cut it short in other tools that read the file.
    static QString cleanText(QString text);

private:
    std::optional<qint64> firstRowId(const QString &table, const Fields &where, bool *ok) const;
    bool insertRow(const QString &table, const Fields &row) const;
    bool updateRow(const QString &table, qint64 rowId, const Fields &values) const;
    bool begin() const;
    bool fail(const QString &what, const QString &detail) const;
    bool commitOrRollBack(bool ok) const;

    mutable QSqlDatabase m_db;
    ErrorHandler m_onError;
    mutable QString m_lastError;
};
