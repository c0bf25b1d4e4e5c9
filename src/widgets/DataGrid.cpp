#include "DataGrid.h"

#include <QHeaderView>

namespace {
constexpr int widestColumn = 320;
constexpr int fittedLines = 100;
}

DataGrid::DataGrid(QWidget *parent)
    : QTableView(parent), m_model(new GridModel(this))
{
    setModel(m_model);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(true);
    setWordWrap(false);
    setTabKeyNavigation(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    horizontalHeader()->setSectionsClickable(true);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setStretchLastSection(true);
    // Column widths from the lines in view and a hundred more, not from every line: measuring
    // a thousand lines of descriptions is a pause the user sees.
    horizontalHeader()->setResizeContentsPrecision(fittedLines);
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, &DataGrid::LV_ColumnClick);
    connect(this, &QAbstractItemView::doubleClicked, this, [this](const QModelIndex &index) {
        if (index.isValid())
            emit lineDoubleClicked(index.row());
    });
}

void DataGrid::setColumns(const QStringList &headersAfterNumber)
{
    m_model->setColumns(headersAfterNumber);
    horizontalHeader()->setSortIndicatorShown(false);
    m_widthsSet = false;
}

void DataGrid::setRows(const QList<QVariantList> &rows)
{
    m_model->setRows(rows);
    if (!m_widthsSet && lineCount() > 0) {
        // Fit the columns to what the first fill shows, but keep long descriptions in bounds.
        resizeColumnsToContents();
        for (int c = 0; c < m_model->columnCount(); ++c)
            setColumnWidth(c, qMin(columnWidth(c), widestColumn));
        m_widthsSet = true;
    }
}

void DataGrid::fill(const QList<QSqlRecord> &records, const QStringList &columns)
{
    QList<QVariantList> rows;
    rows.reserve(records.size());
    for (const QSqlRecord &record : records) {
        QVariantList row;
        row.reserve(columns.size());
        for (const QString &column : columns)
            row << record.value(column);
        rows << row;
    }
    setRows(rows);
}

QStringList DataGrid::columnTexts(int column) const
{
    QStringList texts;
    for (int line = 0; line < lineCount(); ++line)
        texts << text(line, column);
    return texts;
}

int DataGrid::selectedLine() const
{
    const QModelIndexList rows = selectionModel()->selectedRows();
    return rows.isEmpty() ? -1 : rows.first().row();
}

void DataGrid::LV_ColumnClick(int column)
{
    m_model->sort(column, Qt::AscendingOrder);
    horizontalHeader()->setSortIndicatorShown(true);
    horizontalHeader()->setSortIndicator(column, Qt::AscendingOrder);
}
