#pragma once

#include "reports/ReportDefinition.h"
#include "reports/ReportRequest.h"
#include "reports/ReportTable.h"

#include <optional>

class QSqlError;

// Reads what a report needs on a read-only connection of its own, with the values bound by
// name, and closes that connection before it returns: a report on screen holds no lock.
class ReportReader
{
public:
    // One table per section of the definition (a query several sections share is run once).
    static std::optional<QList<ReportTable>> read(const ReportDefinition &definition, const ReportRequest &request,
                                                  QString *error);

private:
    static QString failure(const ReportRequest &request, const QSqlError &error);
};
