#pragma once

#include <QList>
#include <QString>
#include <QStringList>

// The rows one report query returned, read to the end; a NULL is a null QString.
class ReportTable
{
public:
    QStringList columns;
    QList<QStringList> rows;

    int column(const QString &name) const { return int(columns.indexOf(name)); }
};
