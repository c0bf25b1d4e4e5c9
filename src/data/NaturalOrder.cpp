#include "NaturalOrder.h"

#include <QCollator>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>

#include <sqlite3.h>

namespace {

QCollator &collator()
{
    thread_local QCollator instance = [] {
        QCollator c{QLocale::system()};
        c.setNumericMode(true);
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    return instance;
}

int collate(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    // Registered for UTF-16 in the machine's byte order, so the bytes are QChars already.
    const QStringView viewA(static_cast<const QChar *>(a), lengthA / 2);
    const QStringView viewB(static_cast<const QChar *>(b), lengthB / 2);
    return NaturalOrder::compare(viewA, viewB);
}

} // namespace

int NaturalOrder::compare(QStringView a, QStringView b)
{
    const int byCollator = collator().compare(a, b);
    if (byCollator != 0)
        return byCollator;
    // Equal to the collator (letter case, leading zeros): keep a stable, total order.
    return a.compare(b);
}

bool NaturalOrder::registerCollation(const QSqlDatabase &db)
{
    const QVariant handle = db.driver()->handle();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    sqlite3 *raw = *static_cast<sqlite3 *const *>(handle.data());
    return raw && sqlite3_create_collation(raw, "natural", SQLITE_UTF16, nullptr, collate) == SQLITE_OK;
}
