#pragma once

#include <QLabel>

// The line under a gap grid that tells how far the organization has come on that screen: how
// many model rows are answered, and how.
class GapProgress : public QLabel
{
    Q_OBJECT
public:
    struct Counts
    {
        int answered = 0;
        int total = 0;
        int fullyMet = 0;
        int partiallyMet = 0;
        int notMetAtAll = 0;

        // One more answer with this how-met value.
        void add(const QString &howMet);
        bool operator==(const Counts &) const = default;
    };

    // `rows` names what is counted ("subpractice rows", "work products", ...).
    GapProgress(const QString &rows, QWidget *parent);

    void setCounts(const Counts &counts);
    static QString describe(const Counts &counts, const QString &rows);

private:
    QString m_rows;
};
