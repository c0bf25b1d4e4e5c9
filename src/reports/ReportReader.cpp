#include "ReportReader.h"

#include "data/DatabaseError.h"
#include "reports/ReadOnlyDatabase.h"

#include <QDir>
#include <QHash>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

QString ReportReader::failure(const ReportRequest &request, const QSqlError &error)
{
    const QString file = QDir::toNativeSeparators(request.reportFile);
    // The connection cannot write: a query that tries is a fault of the file, not of the disk.
    if (DatabaseError::kind(error) == DatabaseError::Kind::ReadOnly)
        return QStringLiteral("The report file %1 is not valid: its query tries to change the database, and a report "
                              "only reads it.\n\nDetails: %2").arg(file, error.text());
    return DatabaseError::explain(QStringLiteral("The report file %1 could not read the database.").arg(file), error);
}

std::optional<QList<ReportTable>> ReportReader::read(const ReportDefinition &definition, const ReportRequest &request,
                                                     QString *error)
{
    ReadOnlyDatabase database(request.databasePath);
    if (!database.open(error))
        return std::nullopt;

    QHash<QString, ReportTable> byQuery;
    QList<ReportTable> tables;
    for (const ReportDefinition::Section &section : definition.sections) {
        if (!byQuery.contains(section.query)) {
            QSqlQuery query(database.connection());
            query.setForwardOnly(true);
            bool ok = query.prepare(section.query);
            if (ok) {
                for (int i = 0; i < definition.parameters.size(); ++i)
                    query.bindValue(QLatin1Char(':') + definition.parameters[i], request.parameters.value(i));
                ok = query.exec();
            }
            if (!ok) {
                *error = failure(request, DatabaseError::completed(database.connection(), query.lastError()));
                return std::nullopt;
            }
            ReportTable table;
            const QSqlRecord record = query.record();
            for (int c = 0; c < record.count(); ++c)
                table.columns << record.fieldName(c);
            while (query.next()) {
                QStringList row;
                row.reserve(table.columns.size());
                for (int c = 0; c < table.columns.size(); ++c)
                    row << (query.isNull(c) ? QString() : query.value(c).toString());
                table.rows << row;
            }
            if (query.lastError().isValid()) {
                *error = failure(request, DatabaseError::completed(database.connection(), query.lastError()));
                return std::nullopt;
            }
            byQuery.insert(section.query, table);
        }
        tables << byQuery.value(section.query);
    }
    return tables;
}
