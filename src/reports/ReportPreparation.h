#pragma once

#include "data/Records.h"
#include "reports/ReportTypes.h"

#include <QString>

// Gets the database ready for a report of one organization. The practice and work-product
// reports read the model tables with the organization's answers copied into their working
// columns; the generic goals gaps report needs a record for every generic practice.
//
// Each step is one transaction of a few set-based statements: a failure leaves every table as
// it was. A record whose key holds a NULL matches no model row; of several records with the
// same keys the one written last (highest rowid) wins; model rows with the same keys all get
// the answer.
class ReportPreparation
{
public:
    explicit ReportPreparation(Records records);

    bool PrepareKpaReport(const QString &organization) const;
    bool PrepareDocReport(const QString &organization) const;
    bool PrepareGgReport(const QString &organization) const;

    // The step a report type needs (none: nothing to do, true).
    static bool prepare(ReportTypes::Preparation step, Records records, const QString &organization);

private:
    bool copyAnswers(const QString &reset, const QString &copy, const QString &organization) const;

    Records m_records;
};
