#pragma once

#include <QString>

// A database far larger than any real assessment, for the benchmarks: the delivered model
// several times over (each copy's process areas renamed "... #2", "... #3") and many
// organizations that have answered every practice row, every work product and every generic
// practice of every process area, plus a few process assets each.
class StressFile
{
public:
    struct Counts
    {
        int copies = 0;
        int organizations = 0;
        qint64 modelRows = 0;
        qint64 workProducts = 0;
        qint64 practiceRecords = 0;
        qint64 workProductRecords = 0;
        qint64 genericRecords = 0;
        qint64 assets = 0;
        double seconds = 0;

        qint64 gapRecords() const { return practiceRecords + workProductRecords + genericRecords; }
        // One line for a benchmark's output: what the file holds and how long it took to make.
        QString summary() const;
    };

    // Copies the template database to path and grows it there, in one transaction.
    static bool build(const QString &templatePath, const QString &path, Counts *counts, QString *error,
                      int copies = 10, int organizations = 200);

    static QString organizationName(int number);
};
