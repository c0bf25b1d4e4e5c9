#pragma once

#include "widgets/GridModel.h"

#include <QSqlRecord>
#include <QTableView>

// The read-only list of records every screen shows: "S No" numbered from 1, a null as " ",
// a click on a column header sorts by that column for good.
class DataGrid : public QTableView
{
    Q_OBJECT
public:
    explicit DataGrid(QWidget *parent = nullptr);

    void setColumns(const QStringList &headersAfterNumber);
    void setRows(const QList<QVariantList> &rows);
    // Replaces every line with the records' values of these columns, in this order.
    void fill(const QList<QSqlRecord> &records, const QStringList &columns);

    int lineCount() const { return m_model->rowCount(); }
    QString text(int line, int column) const { return m_model->text(line, column); }
    QStringList columnTexts(int column) const;
    int sortColumn() const { return m_model->sortColumn(); }
    int selectedLine() const;

    // What a click on the header of this column does.
    void LV_ColumnClick(int column);

signals:
    void lineDoubleClicked(int line);

private:
    GridModel *m_model;
    bool m_widthsSet = false;
};
