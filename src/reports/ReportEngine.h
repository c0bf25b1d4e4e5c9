#pragma once

#include "reports/Report.h"
#include "reports/ReportRequest.h"

#include <memory>

// Our report engine: given a report file, the database's location and the values in order, it
// loads the definition, reads every row on its own read-only connection (closed again before
// it returns) and hands back a report ready to lay out, show, print or export.
class ReportEngine
{
public:
    // Null with a message naming the report file when it cannot be made.
    static std::unique_ptr<Report> generate(const ReportRequest &request, QString *error);

private:
    static bool check(const ReportDefinition &definition, const QList<ReportTable> &tables, const QString &fileName,
                      QString *error);
};
