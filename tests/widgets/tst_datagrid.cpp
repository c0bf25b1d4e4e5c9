#include "widgets/DataGrid.h"

#include <QtTest>

#include <QHeaderView>
#include <QSqlField>
#include <QSqlRecord>

// The grid every screen shows: numbering, blanks for nulls, a sort that reads like the model
// and outlives every rebuild.
class tst_DataGrid : public QObject
{
    Q_OBJECT

private slots:
    void headerClickSortsNaturallyForGood_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("S No as numbers") << 0 << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11"};
        QTest::newRow("ids, null as blank first")
            << 1 << QStringList{" ", "GP2.1", "GP2.2", "GP2.2", "GP2.9", "GP2.10", "GP3.1", "SP1.1", "SP1.2", "SP1.10", "SP2.1"};
        QTest::newRow("levels") << 2 << QStringList{"2", "2", "2", "3", "3", "3", "4", "5", "5", "5", "10"};
    }
    void headerClickSortsNaturallyForGood()
    {
        QFETCH(int, column);
        QFETCH(QStringList, expected);
        const QList<QVariantList> rows = {{"GP2.10", "2"}, {"SP1.10", "3"}, {"GP2.2", "10"}, {"SP1.1", "2"},
                                          {"GP2.9", "5"},  {"GP2.1", "3"},  {"SP2.1", "4"},  {QVariant(), "5"},
                                          {"SP1.2", "3"},  {"GP3.1", "5"},  {"GP2.2", "2"}};
        DataGrid grid;
        grid.setColumns({"Practice Id", "Level"});
        grid.setRows(rows);
        grid.show();
        QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(grid.horizontalHeader()->sectionViewportPosition(column) + 5, 5));
        QCOMPARE(grid.columnTexts(column), expected);
        // A second click sorts the same way again, never descending; a rebuild stays sorted and
        // numbers its lines in fill order.
        grid.LV_ColumnClick(column);
        grid.setRows(rows);
        QCOMPARE(grid.columnTexts(column), expected);
        QCOMPARE(grid.text(grid.columnTexts(1).indexOf("GP2.10"), 0), QString("1"));
    }

    void sortKeepsTheSelectedRecord()
    {
        QSqlRecord record;
        record.append(QSqlField("id", QMetaType(QMetaType::QString)));
        record.append(QSqlField("level", QMetaType(QMetaType::Int)));
        QList<QSqlRecord> records;
        for (const auto &[id, level] : QList<std::pair<QString, int>>{{"SP1.10", 3}, {"SP1.2", 2}, {"SP1.1", 5}}) {
            record.setValue("id", id);
            record.setValue("level", level);
            records << record;
        }
        DataGrid grid;
        grid.setColumns({"Id", "Level"});
        grid.fill(records, {"level", "id"});
        QCOMPARE(grid.columnTexts(2), QStringList({"SP1.10", "SP1.2", "SP1.1"}));
        grid.selectRow(0);
        grid.LV_ColumnClick(2);
        QCOMPARE(grid.columnTexts(2), QStringList({"SP1.1", "SP1.2", "SP1.10"}));
        QCOMPARE(grid.text(grid.selectedLine(), 2), QString("SP1.10"));
        QCOMPARE(grid.text(grid.currentIndex().row(), 2), QString("SP1.10"));
    }
};

QTEST_MAIN(tst_DataGrid)
#include "tst_datagrid.moc"
