#pragma once

#include <QAbstractTableModel>
#include <QStringList>
#include <QVariantList>
#include <QVector>

// The lines of a grid as the user sees them: "S No" first, every cell as text, a null as " ".
// Sorting is ascending and natural (numbers as numbers, ids as SP1.2 before SP1.10), stable,
// and stays in force when the lines are replaced.
class GridModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit GridModel(QObject *parent = nullptr);

    void setColumns(const QStringList &headers);
    // Replaces every line; each row's values follow "S No", numbered 1, 2, ... in this order.
    void setRows(const QList<QVariantList> &rows);

    int sortColumn() const { return m_sortColumn; }
    QString text(int line, int column) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

    static QString cellText(const QVariant &value);

private:
    // Sorts by the sort column; for each new line, the line it was before.
    QVector<int> sortLines();

    QStringList m_headers;
    QVector<QStringList> m_lines;
    int m_sortColumn = -1;
};
