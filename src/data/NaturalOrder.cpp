#include "NaturalOrder.h"

#include "data/SqliteHandle.h"


#include <sqlite3.h>

namespace {

QStringView digitRun(QStringView text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && text[end].isDigit())
        ++end;
    return text.mid(from, end - from);
}

QStringView textRun(QStringView text, qsizetype from)
{
    qsizetype end = from;
    while (end < text.size() && !text[end].isDigit())
        ++end;
    return text.mid(from, end - from);
}

int compareNumbers(QStringView a, QStringView b)
{
    while (a.size() > 1 && a.front() == u'0')
        a = a.mid(1);
    while (b.size() > 1 && b.front() == u'0')
        b = b.mid(1);
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b);
}

int collate(void *, int lengthA, const void *a, int lengthB, const void *b)
{
    // Registered for UTF-16 in the machine's byte order, so the bytes are QChars already.
    const QStringView viewA(static_cast<const QChar *>(a), lengthA / 2);
    const QStringView viewB(static_cast<const QChar *>(b), lengthB / 2);
    return NaturalOrder::compare(viewA, viewB);
}

} // namespace

// Digit runs compare as numbers, everything else as text without regard to letter case. The
// order must not change with the user's locale settings: ids are read the same everywhere.
int NaturalOrder::compare(QStringView a, QStringView b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        const bool digitA = a[i].isDigit();
        const bool digitB = b[j].isDigit();
        if (digitA != digitB) {
            // A number against text: by the characters themselves, so a blank comes first.
            const char16_t ca = a[i].toCaseFolded().unicode();
            const char16_t cb = b[j].toCaseFolded().unicode();
            return ca < cb ? -1 : 1;
        }
        const QStringView runA = digitA ? digitRun(a, i) : textRun(a, i);
        const QStringView runB = digitB ? digitRun(b, j) : textRun(b, j);
        const int order = digitA ? compareNumbers(runA, runB) : runA.compare(runB, Qt::CaseInsensitive);
        if (order != 0)
            return order < 0 ? -1 : 1;
        i += runA.size();
        j += runB.size();
    }
    if (i < a.size() || j < b.size())
        return i < a.size() ? 1 : -1;
    // Equal but for letter case or leading zeros: still a total, stable order.
    const int exact = a.compare(b);
    return (exact > 0) - (exact < 0);
}

bool NaturalOrder::registerCollation(const QSqlDatabase &db)
{
    sqlite3 *raw = SqliteHandle::of(db);
    return raw && sqlite3_create_collation(raw, "natural_order", SQLITE_UTF16, nullptr, collate) == SQLITE_OK;
}
