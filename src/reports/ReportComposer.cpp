#include "ReportComposer.h"

#include "reports/Report.h"

#include <QLocale>
#include <QTextLayout>

namespace {

constexpr double pt = ReportPages::unitsPerPoint;
constexpr double indentStep = 12 * pt;
constexpr double cellPadding = 6 * pt;
const QColor ruleColor(0x80, 0x80, 0x80);
const QColor noteColor(0x40, 0x40, 0x40);
const QColor trackColor(0xee, 0xee, 0xee);
const char *const barColors[] = {"#2e7d32", "#f9a825", "#c62828", "#1565c0", "#6a1b9a"};

double spaceBefore(int level)
{
    static const double space[] = {12 * pt, 8 * pt, 5 * pt, 3 * pt, 2 * pt};
    return space[qBound(0, level, 4)];
}

} // namespace

ReportComposer::ReportComposer(const Report &report, const QPageLayout &layout)
    : m_report(report), m_layout(layout)
{
    for (int i = 0; i < int(Style::Count); ++i)
        m_metrics.emplace_back(ReportPages::font(Style(i)));
    const QRectF area = layout.paintRect(QPageLayout::Point);
    m_width = area.width() * pt;
    const double height = area.height() * pt;

    double header = std::max(lineHeight(Style::Company), lineHeight(Style::HeaderInfo)) + lineHeight(Style::Title);
    if (m_report.hasParameter(QStringLiteral("organization")))
        header += lineHeight(Style::HeaderInfo);
    m_contentTop = header + 4 * pt + 10 * pt;
    m_footerTop = height - lineHeight(Style::PageNumber) - 4 * pt;
    m_contentBottom = m_footerTop - 6 * pt;
    m_out.layout = layout;
}

std::optional<ReportPages> ReportComposer::compose(const ReportProgress &progress)
{
    qsizetype total = 0;
    for (int i = 0; i < m_report.definition().sections.size(); ++i)
        total += m_report.table(i).rows.size();

    newPage();
    qsizetype before = 0;
    for (int i = 0; i < m_report.definition().sections.size(); ++i) {
        m_section = &m_report.definition().sections[i];
        m_table = &m_report.table(i);
        m_inSection = true;
        m_openDepth = 0;
        if (m_section->newPage && !fresh())
            newPage();
        if (!m_section->heading.isEmpty()) {
            ensure(spaceBefore(0) + lineHeight(Style::SectionHeading) * 2);
            if (!fresh())
                m_y += spaceBefore(0);
            addLines(Style::SectionHeading, 0, m_width,
                     wrap(expand(m_section->heading, lookupFor(nullptr, 0, 0)), Style::SectionHeading, m_width));
        }
        if (m_table->rows.isEmpty()) {
            const QString text = m_section->noRows.isEmpty() ? QStringLiteral("There is nothing to report.") : m_section->noRows;
            addLines(Style::Note, 0, m_width, wrap(expand(text, lookupFor(nullptr, 0, 0)), Style::Note, m_width),
                     Qt::AlignLeft, noteColor);
            continue;
        }
        const ReportProgress rowsDone = progress ? ReportProgress([&](int done, int) {
            return progress(int(before + done), int(total));
        }) : ReportProgress();
        if (!composeSection(rowsDone))
            return std::nullopt;
        before += m_table->rows.size();
    }
    m_inSection = false;
    addPageFooters();
    return std::move(m_out);
}

bool ReportComposer::composeSection(const ReportProgress &progress)
{
    const ReportTable &table = *m_table;
    const int rows = int(table.rows.size());
    const int levels = int(m_section->groups.size());

    m_groupColumns.clear();
    for (const ReportDefinition::Group &g : m_section->groups)
        m_groupColumns << table.column(g.field);
    m_columns.clear();
    m_columnX.clear();
    m_columnWidth.clear();
    const double detailIndent = levels * indentStep;
    double weights = 0;
    for (const ReportDefinition::Column &c : m_section->columns) {
        m_columns << table.column(c.field);
        weights += c.width;
    }
    double x = detailIndent;
    for (const ReportDefinition::Column &c : m_section->columns) {
        const double w = (m_width - detailIndent) * c.width / weights;
        m_columnX << x;
        m_columnWidth << w;
        x += w;
    }

    // Which rows print a line, counted up so every group knows its number of lines at once.
    const int detailsColumn = m_section->detailsWhen.isEmpty() ? -1 : table.column(m_section->detailsWhen);
    m_detailPrefix.assign(size_t(rows) + 1, 0);
    for (int r = 0; r < rows; ++r) {
        const bool detail = detailsColumn < 0 || !value(r, detailsColumn).trimmed().isEmpty();
        m_detailPrefix[size_t(r) + 1] = m_detailPrefix[size_t(r)] + (detail ? 1 : 0);
    }

    // The outermost level whose value changes at each row, and where each group ends.
    std::vector<int> breakLevel(size_t(rows), 0);
    for (int r = 1; r < rows; ++r) {
        int level = 0;
        while (level < levels && value(r, m_groupColumns[level]) == value(r - 1, m_groupColumns[level]))
            ++level;
        breakLevel[size_t(r)] = level;
    }
    std::vector<std::vector<int>> groupEnd(size_t(levels), std::vector<int>(size_t(rows), rows));
    std::vector<int> nextBreak(size_t(levels), rows);
    for (int r = rows - 1; r >= 0; --r) {
        for (int level = breakLevel[size_t(r)]; level < levels; ++level) {
            groupEnd[size_t(level)][size_t(r)] = nextBreak[size_t(level)];
            nextBreak[size_t(level)] = r;
        }
    }

    m_openStart = QList<int>(levels, -1);
    m_openDepth = 0;
    m_needColumnHeader = true;
    for (int r = 0; r < rows; ++r) {
        const int level = breakLevel[size_t(r)];
        if (r > 0) {
            for (int l = levels - 1; l >= level; --l)
                closeGroup(l, r);
        }
        for (int l = level; l < levels; ++l)
            openGroup(l, r, groupEnd[size_t(l)][size_t(r)]);
        if (!m_columns.isEmpty() && detailCount(r, r + 1) == 1)
            addDetail(r);
        // Told in batches: often enough for a steady bar, rarely enough to cost nothing.
        if (progress && (r + 1) % 256 == 0 && !progress(r + 1, rows))
            return false;
    }
    for (int l = levels - 1; l >= 0; --l)
        closeGroup(l, rows);
    addTotals(m_section->footer, 0, 0, rows);
    return !progress || progress(rows, rows);
}

void ReportComposer::openGroup(int level, int row, int end)
{
    const ReportDefinition::Group &group = m_section->groups[level];
    if (group.hideEmpty && detailCount(row, end) == 0) {
        m_openStart[level] = row;
        m_openDepth = level + 1;
        return;
    }
    m_openDepth = level;
    if (group.newPage && !fresh())
        newPage();
    const Style style = Style(int(Style::Heading1) + level);
    const double indent = level * indentStep;
    const QStringList lines = wrap(expand(group.header, lookupFor(&group.footer, row, end)), style, m_width - indent);
    // A heading never ends a page: it keeps what follows it company, at least in part.
    const double following = std::min(followingHeight(level, row, end), (m_contentBottom - m_pageTop) / 2);
    ensure(spaceBefore(level) + lines.size() * lineHeight(style) + following);
    if (!fresh())
        m_y += spaceBefore(level);
    m_openStart[level] = row;
    m_openDepth = level + 1;
    addLines(style, indent, m_width - indent, lines);
    m_y += 2 * pt;
    m_needColumnHeader = m_needColumnHeader || !m_section->columnTitlesPerPage;
}

void ReportComposer::closeGroup(int level, int end)
{
    const ReportDefinition::Group &group = m_section->groups[level];
    const int start = m_openStart[level];
    const double indent = (level + 1) * indentStep;
    if (group.hideEmpty && detailCount(start, end) == 0) {
        m_openStart[level] = -1;
        m_openDepth = level;
        return;
    }
    if (!group.emptyText.isEmpty() && detailCount(start, end) == 0) {
        const QString text = expand(group.emptyText, lookupFor(&group.footer, start, end));
        addLines(Style::Note, indent, m_width - indent, wrap(text, Style::Note, m_width - indent), Qt::AlignLeft, noteColor);
    }
    addTotals(group.footer, indent, start, end);
    m_openStart[level] = -1;
    m_openDepth = level;
    m_needColumnHeader = m_needColumnHeader || !m_section->columnTitlesPerPage;
}

void ReportComposer::addDetail(int row)
{
    QList<QStringList> cells;
    int lines = 1;
    for (int c = 0; c < m_columns.size(); ++c) {
        if (!m_section->columns[c].segments.isEmpty()) {
            cells << QStringList();
            continue;
        }
        QString text = value(row, m_columns[c]);
        if (text.trimmed().isEmpty())
            text = m_section->columns[c].emptyText;
        cells << wrap(text, Style::Body, m_columnWidth[c] - cellPadding);
        lines = std::max(lines, int(cells.last().size()));
    }
    const double line = lineHeight(Style::Body);
    const double rowHeight = lines * line + 2 * pt;
    const bool titled = hasColumnTitles();
    const double header = titled && m_needColumnHeader ? lineHeight(Style::ColumnHeader) + 3 * pt : 0;
    if (header + rowHeight <= m_contentBottom - m_contentTop)
        ensure(header + rowHeight);
    for (int l = 0; l < lines; ++l) {
        ensure(line);
        if (titled && m_needColumnHeader)
            addColumnHeader();
        if (l == 0)
            addBars(row, line);
        for (int c = 0; c < cells.size(); ++c) {
            if (l < cells[c].size()) {
                m_out.pages.last().append({ReportPages::Item::Kind::Text, Style::Body, m_section->columns[c].align,
                                           QRectF(m_columnX[c], m_y, m_columnWidth[c] - cellPadding, line), cells[c][l], Qt::black});
            }
        }
        m_y += line;
    }
    m_y += 2 * pt;
    m_needColumnHeader = false;
}

bool ReportComposer::hasColumnTitles() const
{
    return std::any_of(m_section->columns.cbegin(), m_section->columns.cend(),
                       [](const ReportDefinition::Column &c) { return !c.title.isEmpty(); });
}

// What comes under a heading: the first detail line, or (in a section of totals only) the
// next heading down and in the end the innermost group's totals.
double ReportComposer::followingHeight(int level, int start, int end) const
{
    const int levels = int(m_section->groups.size());
    if (!m_section->columns.isEmpty())
        return (hasColumnTitles() ? lineHeight(Style::ColumnHeader) + 3 * pt : 0) + lineHeight(Style::Body) * 1.5;
    if (level + 1 < levels)
        return spaceBefore(level + 1) + lineHeight(Style(int(Style::Heading1) + level + 1)) + followingHeight(level + 1, start, end);
    return totalsHeight(m_section->groups[level].footer, m_width - (level + 1) * indentStep, start, end);
}

double ReportComposer::totalsHeight(const ReportDefinition::Totals &totals, double width, int start, int end) const
{
    if (totals.lines.isEmpty() && !totals.chart)
        return 0;
    const Lookup lookup = lookupFor(&totals, start, end);
    double height = 3 * pt;
    for (const QString &line : totals.lines)
        height += wrap(expand(line, lookup), Style::Total, width).size() * lineHeight(Style::Total);
    if (totals.chart) {
        height += 3 * pt + totals.chart->bars.size() * (barLineHeight() + 3 * pt);
        if (!totals.chart->title.isEmpty())
            height += lineHeight(Style::Total);
    }
    return height;
}

void ReportComposer::addBars(int row, double line)
{
    const QList<ReportDefinition::Column> &columns = m_section->columns;
    for (int c = 0; c < columns.size(); ++c) {
        const QList<ReportDefinition::Segment> &segments = columns[c].segments;
        if (segments.isEmpty())
            continue;
        const QRectF cell(m_columnX[c], m_y + 1.5 * pt, m_columnWidth[c] - cellPadding, line - 3 * pt);
        addBox(cell, trackColor);
        QList<double> values;
        double total = 0;
        for (const ReportDefinition::Segment &segment : segments) {
            values << std::max(0.0, value(row, m_table->column(segment.field)).toDouble());
            total += values.last();
        }
        double x = cell.left();
        for (int i = 0; total > 0 && i < segments.size(); ++i) {
            const double width = cell.width() * values[i] / total;
            if (width > 0)
                addBox(QRectF(x, cell.top(), width, cell.height()), segmentColor(segments[i].color, i));
            x += width;
        }
    }
}

QColor ReportComposer::segmentColor(const QString &color, int index)
{
    return QColor(color.isEmpty() ? QString::fromLatin1(barColors[index % 5]) : color);
}

void ReportComposer::addColumnHeader()
{
    const double line = lineHeight(Style::ColumnHeader);
    for (int c = 0; c < m_columns.size(); ++c) {
        const ReportDefinition::Column &column = m_section->columns[c];
        if (!column.segments.isEmpty()) {
            // The legend of the bar: a square of each colour and its label.
            const QFontMetricsF &metrics = m_metrics[size_t(Style::ColumnHeader)];
            const double square = 7 * pt;
            double x = m_columnX[c];
            const double right = m_columnX[c] + m_columnWidth[c] - cellPadding;
            for (int i = 0; i < column.segments.size(); ++i) {
                const QString label = column.segments[i].label;
                const double width = metrics.horizontalAdvance(label) + 1 * pt;
                if (x + square + 3 * pt + width > right)
                    break;
                addBox(QRectF(x, m_y + (line - square) / 2, square, square), segmentColor(column.segments[i].color, i));
                x += square + 3 * pt;
                m_out.pages.last().append({ReportPages::Item::Kind::Text, Style::ColumnHeader, Qt::AlignLeft,
                                           QRectF(x, m_y, width, line), label, Qt::black});
                x += width + 6 * pt;
            }
            continue;
        }
        m_out.pages.last().append({ReportPages::Item::Kind::Text, Style::ColumnHeader, column.align,
                                   QRectF(m_columnX[c], m_y, m_columnWidth[c] - cellPadding, line), column.title, Qt::black});
    }
    m_y += line + 1 * pt;
    const double left = m_columnX.value(0);
    addBox(QRectF(left, m_y, m_width - left, 0.5 * pt), ruleColor);
    m_y += 2 * pt;
    m_needColumnHeader = false;
}

void ReportComposer::addTotals(const ReportDefinition::Totals &totals, double indent, int start, int end)
{
    if (totals.lines.isEmpty() && !totals.chart)
        return;
    const double width = m_width - indent;
    const Lookup lookup = lookupFor(&totals, start, end);
    QStringList lines;
    for (const QString &line : totals.lines)
        lines += wrap(expand(line, lookup), Style::Total, width);

    const double barLine = barLineHeight();
    const double height = totalsHeight(totals, width, start, end);
    if (height <= m_contentBottom - m_contentTop)
        ensure(height);
    m_y += 3 * pt;
    addLines(Style::Total, indent, width, lines);
    if (!totals.chart)
        return;

    const ReportDefinition::Chart &chart = *totals.chart;
    m_y += 3 * pt;
    if (!chart.title.isEmpty())
        addLines(Style::Total, indent, width, {expand(chart.title, lookup)});
    const double labelWidth = std::min(width * 0.35, 160 * pt);
    const double valueWidth = 60 * pt;
    const double barWidth = std::max(width - labelWidth - valueWidth - 2 * cellPadding, 20 * pt);
    const double count = detailCount(start, end);
    int index = 0;
    for (const ReportDefinition::Bar &bar : chart.bars) {
        ensure(barLine + 3 * pt);
        const ReportDefinition::Summary *summary = nullptr;
        for (const ReportDefinition::Summary &s : totals.summaries) {
            if (s.name == bar.summary)
                summary = &s;
        }
        const double value = summary ? summaryValue(*summary, start, end) : 0;
        const bool percent = summary && summary->function == ReportDefinition::Function::Percentage;
        const double maximum = percent ? 100.0 : count;
        const double fraction = maximum > 0 ? std::clamp(value / maximum, 0.0, 1.0) : 0.0;
        const double barX = indent + labelWidth + cellPadding;
        const QString label = bar.label.isEmpty() ? bar.summary : expand(bar.label, lookup);
        m_out.pages.last().append({ReportPages::Item::Kind::Text, Style::BarLabel, Qt::AlignLeft,
                                   QRectF(indent, m_y, labelWidth, barLine),
                                   m_metrics[size_t(Style::BarLabel)].elidedText(label, Qt::ElideRight, labelWidth), Qt::black});
        addBox(QRectF(barX, m_y + 1 * pt, barWidth, barLine - 2 * pt), trackColor);
        if (fraction > 0) {
            const QColor color(bar.color.isEmpty() ? QString::fromLatin1(barColors[index % 5]) : bar.color);
            addBox(QRectF(barX, m_y + 1 * pt, barWidth * fraction, barLine - 2 * pt), color);
        }
        m_out.pages.last().append({ReportPages::Item::Kind::Text, Style::BarLabel, Qt::AlignLeft,
                                   QRectF(barX + barWidth + cellPadding, m_y, valueWidth, barLine),
                                   summary ? *this->summary(totals, summary->name, start, end) : QString(), Qt::black});
        m_y += barLine + 3 * pt;
        ++index;
    }
}

void ReportComposer::newPage()
{
    m_out.pages.append(ReportPages::Page());
    m_y = m_contentTop;
    m_pageTop = m_contentTop;
    addPageHeader();
    m_needColumnHeader = true;
    if (!m_inSection || m_openDepth == 0)
        return;
    // Say where the page goes on, so a reader who opens it there knows the context.
    QStringList path;
    for (int level = 0; level < m_openDepth; ++level) {
        const int start = m_openStart[level];
        if (start < 0)
            break;
        path << expand(m_section->groups[level].label, lookupFor(nullptr, start, start + 1));
    }
    if (path.isEmpty())
        return;
    const QString text = path.join(QStringLiteral(" \u203a ")) + QStringLiteral(" (continued)");
    const QStringList lines = wrap(text, Style::Note, m_width);
    for (const QString &line : lines) {
        m_out.pages.last().append({ReportPages::Item::Kind::Text, Style::Note, Qt::AlignLeft,
                                   QRectF(0, m_y, m_width, lineHeight(Style::Note)), line, noteColor});
        m_y += lineHeight(Style::Note);
    }
    m_y += 4 * pt;
    // The continuation line does not count as content: a heading may still start here.
    m_pageTop = m_y;
}

void ReportComposer::addPageHeader()
{
    ReportPages::Page &page = m_out.pages.last();
    double y = 0;
    const double first = std::max(lineHeight(Style::Company), lineHeight(Style::HeaderInfo));
    const QString date = QLocale().toString(m_report.date(), QLocale::LongFormat);
    const double dateWidth = m_metrics[size_t(Style::HeaderInfo)].horizontalAdvance(date) + 2 * pt;
    const QString company = m_metrics[size_t(Style::Company)].elidedText(m_report.parameter(QStringLiteral("company")),
                                                                          Qt::ElideRight, m_width - dateWidth - cellPadding);
    page.append({ReportPages::Item::Kind::Text, Style::Company, Qt::AlignLeft, QRectF(0, y, m_width - dateWidth, first), company, Qt::black});
    page.append({ReportPages::Item::Kind::Text, Style::HeaderInfo, Qt::AlignRight, QRectF(m_width - dateWidth, y, dateWidth, first), date, Qt::black});
    y += first;
    page.append({ReportPages::Item::Kind::Text, Style::Title, Qt::AlignHCenter, QRectF(0, y, m_width, lineHeight(Style::Title)),
                 m_metrics[size_t(Style::Title)].elidedText(m_report.title(), Qt::ElideRight, m_width), Qt::black});
    y += lineHeight(Style::Title);
    if (m_report.hasParameter(QStringLiteral("organization"))) {
        const QString organization = QStringLiteral("Organization: ") + m_report.parameter(QStringLiteral("organization"));
        page.append({ReportPages::Item::Kind::Text, Style::HeaderInfo, Qt::AlignHCenter, QRectF(0, y, m_width, lineHeight(Style::HeaderInfo)),
                     m_metrics[size_t(Style::HeaderInfo)].elidedText(organization, Qt::ElideRight, m_width), Qt::black});
        y += lineHeight(Style::HeaderInfo);
    }
    y += 4 * pt;
    page.append({ReportPages::Item::Kind::Box, Style::Body, Qt::AlignLeft, QRectF(0, y, m_width, 0.75 * pt), QString(), Qt::black});
}

void ReportComposer::addPageFooters()
{
    const int count = m_out.count();
    for (int i = 0; i < count; ++i) {
        ReportPages::Page &page = m_out.pages[i];
        page.append({ReportPages::Item::Kind::Box, Style::Body, Qt::AlignLeft, QRectF(0, m_footerTop, m_width, 0.5 * pt), QString(), ruleColor});
        page.append({ReportPages::Item::Kind::Text, Style::PageNumber, Qt::AlignHCenter,
                     QRectF(0, m_footerTop + 3 * pt, m_width, lineHeight(Style::PageNumber)),
                     QStringLiteral("Page %1 of %2").arg(i + 1).arg(count), Qt::black});
    }
}

void ReportComposer::ensure(double height)
{
    if (m_y + height > m_contentBottom && !fresh())
        newPage();
}

void ReportComposer::addLines(Style style, double x, double width, const QStringList &lines, Qt::Alignment align, const QColor &color)
{
    const double line = lineHeight(style);
    for (const QString &text : lines) {
        ensure(line);
        m_out.pages.last().append({ReportPages::Item::Kind::Text, style, align, QRectF(x, m_y, width, line), text, color});
        m_y += line;
    }
}

void ReportComposer::addBox(const QRectF &rect, const QColor &color)
{
    m_out.pages.last().append({ReportPages::Item::Kind::Box, Style::Body, Qt::AlignLeft, rect, QString(), color});
}

QStringList ReportComposer::wrap(const QString &text, Style style, double width) const
{
    const QFontMetricsF &metrics = m_metrics[size_t(style)];
    if (!text.contains(QLatin1Char('\n')) && metrics.horizontalAdvance(text) <= width)
        return {text};
    QStringList lines;
    for (const QString &paragraph : text.split(QLatin1Char('\n'))) {
        if (metrics.horizontalAdvance(paragraph) <= width) {
            lines << paragraph;
            continue;
        }
        QTextLayout layout(paragraph, ReportPages::font(style));
        QTextOption option;
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        layout.setTextOption(option);
        layout.beginLayout();
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(width);
            QString part = paragraph.mid(line.textStart(), line.textLength());
            while (!part.isEmpty() && part.back().isSpace())
                part.chop(1);
            lines << part;
        }
        layout.endLayout();
    }
    return lines;
}

QString ReportComposer::expand(const QString &text, const Lookup &lookup) const
{
    if (!text.contains(QLatin1Char('{')))
        return text;
    QString result;
    result.reserve(text.size());
    qsizetype i = 0;
    while (i < text.size()) {
        const qsizetype open = text.indexOf(QLatin1Char('{'), i);
        if (open < 0) {
            result += QStringView(text).mid(i);
            break;
        }
        const qsizetype close = text.indexOf(QLatin1Char('}'), open + 1);
        result += QStringView(text).mid(i, open - i);
        if (close < 0) {
            result += QStringView(text).mid(open);
            break;
        }
        const QString name = text.mid(open + 1, close - open - 1);
        const std::optional<QString> value = lookup(name);
        result += value ? *value : text.mid(open, close - open + 1);
        i = close + 1;
    }
    return result;
}

ReportComposer::Lookup ReportComposer::lookupFor(const ReportDefinition::Totals *totals, int start, int end) const
{
    return [this, totals, start, end](const QString &name) -> std::optional<QString> {
        if (totals) {
            if (std::optional<QString> s = summary(*totals, name, start, end))
                return s;
        }
        if (m_report.hasParameter(name))
            return m_report.parameter(name);
        if (m_table && start < end) {
            const int column = m_table->column(name);
            if (column >= 0)
                return value(start, column);
        }
        return std::nullopt;
    };
}

std::optional<QString> ReportComposer::summary(const ReportDefinition::Totals &totals, const QString &name, int start, int end) const
{
    for (const ReportDefinition::Summary &s : totals.summaries) {
        if (s.name != name)
            continue;
        const double v = summaryValue(s, start, end);
        if (s.function == ReportDefinition::Function::Percentage)
            return QString::number(v, 'f', 1) + QLatin1Char('%');
        return QString::number(qRound64(v));
    }
    return std::nullopt;
}

double ReportComposer::summaryValue(const ReportDefinition::Summary &summary, int start, int end) const
{
    const int count = detailCount(start, end);
    if (summary.function == ReportDefinition::Function::Count)
        return count;
    const int column = m_table->column(summary.field);
    int matching = 0;
    for (int r = start; r < end; ++r) {
        if (detailCount(r, r + 1) == 0)
            continue;
        const QString v = value(r, column);
        if (summary.value.isEmpty() ? !v.trimmed().isEmpty() : v == summary.value)
            ++matching;
    }
    if (summary.function == ReportDefinition::Function::CountValue)
        return matching;
    return count > 0 ? 100.0 * matching / count : 0.0;
}

QString ReportComposer::value(int row, int column) const
{
    return column < 0 ? QString() : m_table->rows[row].value(column);
}
