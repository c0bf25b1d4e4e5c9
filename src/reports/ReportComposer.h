#pragma once

#include "reports/ReportDefinition.h"
#include "reports/ReportPages.h"
#include "reports/ReportProgress.h"

#include <QFontMetricsF>

#include <functional>
#include <optional>
#include <vector>

class Report;
class ReportTable;

// Lays a report out on pages of one paper size: the page header (company, title,
// organization, date), group headers and footers with their summaries and charts, detail
// lines wrapped within their columns, and "Page N of M" at the foot of every page.
class ReportComposer
{
public:
    ReportComposer(const Report &report, const QPageLayout &layout);

    // Null when the progress answered false.
    std::optional<ReportPages> compose(const ReportProgress &progress = {});

private:
    using Style = ReportPages::Style;
    using Lookup = std::function<std::optional<QString>(const QString &name)>;

    bool composeSection(const ReportProgress &progress);
    void openGroup(int level, int row, int end);
    void closeGroup(int level, int end);
    void addDetail(int row);
    void addColumnHeader();
    void addBars(int row, double line);
    static QColor segmentColor(const QString &color, int index);
    bool hasColumnTitles() const;
    double followingHeight(int level, int start, int end) const;
    double totalsHeight(const ReportDefinition::Totals &totals, double width, int start, int end) const;
    double barLineHeight() const { return std::max(lineHeight(Style::BarLabel), 11 * ReportPages::unitsPerPoint); }
    void addTotals(const ReportDefinition::Totals &totals, double indent, int start, int end);

    void newPage();
    void addPageHeader();
    void addPageFooters();
    bool fresh() const { return m_y <= m_pageTop; }
    // Starts a new page unless the height fits below the current position.
    void ensure(double height);
    // Adds lines of text at the current position, moving on; a line that does not fit goes
    // to the next page.
    void addLines(Style style, double x, double width, const QStringList &lines, Qt::Alignment align = Qt::AlignLeft,
                  const QColor &color = Qt::black);
    void addBox(const QRectF &rect, const QColor &color);

    QStringList wrap(const QString &text, Style style, double width) const;
    double lineHeight(Style style) const { return m_metrics[size_t(style)].lineSpacing(); }
    QString expand(const QString &text, const Lookup &lookup) const;
    Lookup lookupFor(const ReportDefinition::Totals *totals, int start, int end) const;
    std::optional<QString> summary(const ReportDefinition::Totals &totals, const QString &name, int start, int end) const;
    double summaryValue(const ReportDefinition::Summary &summary, int start, int end) const;
    int detailCount(int start, int end) const { return m_detailPrefix[end] - m_detailPrefix[start]; }
    QString value(int row, int column) const;

    const Report &m_report;
    QPageLayout m_layout;
    std::vector<QFontMetricsF> m_metrics;
    double m_width = 0;
    double m_contentTop = 0;
    double m_contentBottom = 0;
    double m_footerTop = 0;
    double m_y = 0;
    double m_pageTop = 0;
    ReportPages m_out;

    // The section being laid out.
    const ReportDefinition::Section *m_section = nullptr;
    const ReportTable *m_table = nullptr;
    QList<int> m_groupColumns;
    QList<int> m_columns;
    QList<double> m_columnX;
    QList<double> m_columnWidth;
    std::vector<int> m_detailPrefix;
    QList<int> m_openStart;
    int m_openDepth = 0;
    bool m_needColumnHeader = true;
    bool m_inSection = false;
};
