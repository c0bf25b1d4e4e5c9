#include "GridModel.h"

#include "data/NaturalOrder.h"

#include <algorithm>
#include <numeric>

GridModel::GridModel(QObject *parent)
    : QAbstractTableModel(parent)
{
}

QString GridModel::cellText(const QVariant &value)
{
    return value.isNull() ? QStringLiteral(" ") : value.toString();
}

void GridModel::setColumns(const QStringList &headers)
{
    beginResetModel();
    m_headers = QStringList{QStringLiteral("S No")} + headers;
    m_lines.clear();
    m_sortColumn = -1;
    endResetModel();
}

void GridModel::setRows(const QList<QVariantList> &rows)
{
    beginResetModel();
    m_lines.clear();
    m_lines.reserve(rows.size());
    int number = 1;
    for (const QVariantList &row : rows) {
        QStringList line;
        line.reserve(m_headers.size());
        line << QString::number(number++);
        for (const QVariant &value : row)
            line << cellText(value);
        while (line.size() < m_headers.size())
            line << QString();
        m_lines.append(line);
    }
    sortLines();
    endResetModel();
}

QString GridModel::text(int line, int column) const
{
    if (line < 0 || line >= m_lines.size() || column < 0 || column >= m_lines[line].size())
        return QString();
    return m_lines[line][column];
}

int GridModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_lines.size());
}

int GridModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_headers.size());
}

QVariant GridModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return text(index.row(), index.column());
    if (role == Qt::TextAlignmentRole && index.column() == 0)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return {};
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < m_headers.size())
        return m_headers[section];
    return QAbstractTableModel::headerData(section, orientation, role);
}

void GridModel::sort(int column, Qt::SortOrder)
{
    // Always ascending: a second click on the same header sorts the same way again.
    if (column < 0 || column >= m_headers.size())
        return;
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    m_sortColumn = column;
    const QVector<int> oldLineOf = sortLines();
    // The selected and current line stay on the same record, wherever it moves.
    QVector<int> newLineOf(oldLineOf.size());
    for (int line = 0; line < oldLineOf.size(); ++line)
        newLineOf[oldLineOf[line]] = line;
    const QModelIndexList before = persistentIndexList();
    QModelIndexList after;
    after.reserve(before.size());
    for (const QModelIndex &index : before)
        after << (index.row() < newLineOf.size() ? this->index(newLineOf[index.row()], index.column()) : QModelIndex());
    changePersistentIndexList(before, after);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

QVector<int> GridModel::sortLines()
{
    QVector<int> order(m_lines.size());
    std::iota(order.begin(), order.end(), 0);
    if (m_sortColumn < 0)
        return order;
    const int c = m_sortColumn;
    std::stable_sort(order.begin(), order.end(), [this, c](int a, int b) {
        return NaturalOrder::compare(m_lines[a][c], m_lines[b][c]) < 0;
    });
    QVector<QStringList> sorted;
    sorted.reserve(m_lines.size());
    for (int line : order)
        sorted.append(std::move(m_lines[line]));
    m_lines = std::move(sorted);
    return order;
}
