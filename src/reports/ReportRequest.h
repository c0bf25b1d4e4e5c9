#pragma once

#include <QString>
#include <QStringList>

// What a report is given: its file, the database it reads and its values in order
// (parameter 1, parameter 2, ...).
class ReportRequest
{
public:
    QString reportFile;
    QString databasePath;
    QStringList parameters;

    bool operator==(const ReportRequest &) const = default;
};
