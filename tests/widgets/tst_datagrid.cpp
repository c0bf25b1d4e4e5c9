#include "widgets/DataGrid.h"

#include <QtTest>

#include <QHeaderView>

// The grid every screen shows: numbering, blanks for nulls, a sort that reads like the model.
class tst_DataGrid : public QObject
{
    Q_OBJECT

private slots:
    void numbersLinesAndShowsNullsAsBlank()
    {
        DataGrid grid;
        grid.setColumns({"Goal Id", "Practice Id", "Subpractice Id"});
        grid.setRows({{"SG1", "SP1.1", QVariant()}, {"GG2", "GP2.1", ""}});
        QCOMPARE(grid.model()->headerData(0, Qt::Horizontal).toString(), QString("S No"));
        QCOMPARE(grid.lineCount(), 2);
        QCOMPARE(grid.text(0, 0), QString("1"));
        QCOMPARE(grid.text(1, 0), QString("2"));
        QCOMPARE(grid.text(0, 3), QString(" "));
        QCOMPARE(grid.text(1, 3), QString(""));
        QVERIFY(grid.editTriggers() == QAbstractItemView::NoEditTriggers);
    }

    void headerClickSortsNaturally_data()
    {
        QTest::addColumn<int>("column");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("S No as numbers") << 0 << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"};
        QTest::newRow("practice ids") << 1
                                      << QStringList{" ", "GP2.1", "GP2.2", "GP2.2", "GP2.3", "GP2.9", "GP2.10",
                                                     "GP3.1", "SP1.1", "SP1.2", "SP1.10", "SP2.1"};
        QTest::newRow("levels") << 2 << QStringList{"2", "2", "2", "2", "3", "3", "3", "4", "5", "5", "5", "10"};
    }
    void headerClickSortsNaturally()
    {
        QFETCH(int, column);
        QFETCH(QStringList, expected);
        DataGrid grid;
        grid.setColumns({"Practice Id", "Level"});
        grid.setRows(sample());
        grid.show();
        QTest::mouseClick(grid.horizontalHeader()->viewport(), Qt::LeftButton, {},
                          QPoint(grid.horizontalHeader()->sectionViewportPosition(column) + 5, 5));
        QCOMPARE(grid.sortColumn(), column);
        QCOMPARE(grid.columnTexts(column), expected);
        // A second click sorts the same way again, never descending.
        grid.LV_ColumnClick(column);
        QCOMPARE(grid.columnTexts(column), expected);
    }

    void sortSurvivesRebuild()
    {
        DataGrid grid;
        grid.setColumns({"Practice Id", "Level"});
        grid.setRows(sample());
        grid.LV_ColumnClick(1);
        QList<QVariantList> rows = sample();
        rows.prepend({"SP1.0", "2"});
        grid.setRows(rows);
        QCOMPARE(grid.columnTexts(1).mid(0, 3), QStringList({" ", "GP2.1", "GP2.2"}));
        QCOMPARE(grid.lineCount(), 13);
        // Numbers keep the fill order; the sort only moves the lines.
        QCOMPARE(grid.text(grid.columnTexts(1).indexOf("SP1.0"), 0), QString("1"));
    }

    void moreLinesThanASixteenBitCount()
    {
        DataGrid grid;
        grid.setColumns({"Id"});
        QList<QVariantList> rows;
        for (int i = 0; i < 40000; ++i)
            rows.append({QString("R%1").arg(i)});
        grid.setRows(rows);
        QCOMPARE(grid.lineCount(), 40000);
        QCOMPARE(grid.text(39999, 0), QString("40000"));
        grid.LV_ColumnClick(0);
        QCOMPARE(grid.text(39999, 0), QString("40000"));
    }

private:
    static QList<QVariantList> sample()
    {
        return {{"GP2.10", "2"}, {"SP1.10", "3"}, {"GP2.2", "10"}, {"SP1.1", "2"}, {"GP2.9", "5"}, {"GP2.1", "3"},
                {"SP2.1", "4"},  {"GP2.3", "2"},  {QVariant(), "5"}, {"SP1.2", "3"}, {"GP3.1", "5"}, {"GP2.2", "2"}};
    }
};

QTEST_MAIN(tst_DataGrid)
#include "tst_datagrid.moc"
