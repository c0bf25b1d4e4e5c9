#pragma once

#include <QString>
#include <QStringView>

class QSqlDatabase;

// The order in which people read ids and numbers: SP1.2 before SP1.10, 2 before 10.
// Grids, selector lists and the database's natural_order collation all use this one order.
class NaturalOrder
{
public:
    static int compare(QStringView a, QStringView b);
    static bool less(const QString &a, const QString &b) { return compare(a, b) < 0; }

    // Makes "collate natural_order" available to the statements of this connection.
    static bool registerCollation(const QSqlDatabase &db);
};
