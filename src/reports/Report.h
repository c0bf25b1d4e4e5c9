#pragma once

#include "reports/ReportDefinition.h"
#include "reports/ReportPages.h"
#include "reports/ReportProgress.h"
#include "reports/ReportRequest.h"
#include "reports/ReportTable.h"

#include <QDate>

#include <optional>

class QIODevice;
class QPagedPaintDevice;

// A generated report: its definition and every row it needs, already read (the database is
// no longer involved), laid out on demand for the paper at hand.
class Report
{
public:
    Report(ReportRequest request, ReportDefinition definition, QList<ReportTable> tables,
           QDate date = QDate::currentDate());

    const ReportRequest &request() const { return m_request; }
    const ReportDefinition &definition() const { return m_definition; }
    const ReportTable &table(int section) const { return m_tables[section]; }
    QString title() const { return m_definition.title; }
    QDate date() const { return m_date; }

    // The value given for a named parameter; empty when the report has no such parameter.
    QString parameter(const QString &name) const;
    bool hasParameter(const QString &name) const { return m_definition.parameters.contains(name); }

    // The report on this paper. The last layout is kept, so painting the same pages again
    // costs no new layout. Null when the progress answered false.
    const ReportPages *pages(const QPageLayout &layout, const ReportProgress &progress = {}) const;

    // Draws pages first..last (counted from 1; 0 for all) on a printer or PDF writer.
    bool paint(QPagedPaintDevice &device, int first = 0, int last = 0, const ReportProgress &progress = {}) const;

    // The whole report as a PDF on the given paper; the file is replaced only once complete.
    bool writePdf(const QString &path, const QPageLayout &layout, QString *error) const;

    // The paper a report is printed on unless the user chooses otherwise: the locale's usual
    // size, the report's orientation, 15 mm margins.
    QPageLayout defaultPageLayout() const;

private:
    ReportRequest m_request;
    ReportDefinition m_definition;
    QList<ReportTable> m_tables;
    QDate m_date;
    mutable std::optional<ReportPages> m_pages;
};
