#pragma once

#include <QByteArray>
#include <QList>
#include <QPageLayout>
#include <QString>
#include <QStringList>

#include <optional>

// One report file (rpt_*.rpt): a JSON text that says what to read and how to lay it out, so a
// report can be changed beside the program without rebuilding it.
//
// Texts in headers, footers and "no rows" lines may name a column of the current row
// ({vx_kpa}), a summary of the group ({count}) or a parameter ({organization}).
class ReportDefinition
{
public:
    static constexpr int maxGroups = 5;
    static constexpr const char *formatName = "veltrix-report";
    static constexpr int formatVersion = 1;

    enum class Function { Count, CountValue, Percentage };

    // Count: the detail rows of the group. CountValue: those whose field has a value (or
    // equals value when one is given). Percentage: CountValue as a share of Count.
    struct Summary
    {
        QString name;
        Function function = Function::Count;
        QString field;
        QString value;
    };

    struct Bar
    {
        QString label;
        QString summary;
        QString color;
    };

    // Horizontal bars, one per summary; percentages run to 100, counts to the group's count.
    struct Chart
    {
        QString title;
        QList<Bar> bars;
    };

    // What is printed after a group (or after a whole section): text lines, then the chart.
    struct Totals
    {
        QStringList lines;
        QList<Summary> summaries;
        std::optional<Chart> chart;
    };

    struct Group
    {
        QString field;
        QString header;
        QString label;      // short form used on a page that continues the group
        QString emptyText;  // printed when the group has no detail rows
        bool newPage = false;
        // A group without detail lines prints nothing at all: a gaps listing shows only the
        // goals and practices that have a gap, while their process area still says "no gaps".
        bool hideEmpty = false;
        Totals footer;
    };

    // One part of a bar drawn in a detail line, as long as its field's share of all parts.
    struct Segment
    {
        QString field;
        QString label;
        QString color;
    };

    // A column with segments draws one bar across the cell instead of text, and a legend of
    // its segments in place of its title.
    struct Column
    {
        QString field;
        QList<Segment> segments;
        QString title;
        double width = 1;
        Qt::Alignment align = Qt::AlignLeft;
        QString emptyText;
    };

    struct Section
    {
        QString query;
        QString heading;
        bool newPage = false;
        QList<Group> groups;
        // Rows whose value in this column is empty open their groups but print no line: a
        // left join can so bring in a group that has nothing in it.
        QString detailsWhen;
        QList<Column> columns;
        // Column titles over the first lines of every group, or only once on each page.
        bool columnTitlesPerPage = false;
        Totals footer;
        QString noRows;
    };

    QString title;
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // Names of the values the report is given, in order: parameter 1, parameter 2, ...
    QStringList parameters;
    QList<Section> sections;

    // A missing, unreadable or invalid file gives nullopt and a message that names the file.
    static std::optional<ReportDefinition> load(const QString &path, QString *error);
    static std::optional<ReportDefinition> parse(const QByteArray &text, const QString &fileName, QString *error);

    // Every column a text or setting of the section refers to.
    static QStringList fieldsUsed(const Section &section);
    // The {names} in a text, in order.
    static QStringList placeholders(const QString &text);
};
