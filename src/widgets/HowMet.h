#pragma once

#include <QString>
#include <QStringList>

class QComboBox;

// How an organization meets a practice, generic practice or work product, in the order offered.
class HowMet
{
public:
    static QString fullyMet() { return QStringLiteral("Fully Met"); }
    static QString partiallyMet() { return QStringLiteral("Partially Met"); }
    // Also what the reports assume for anything not answered.
    static QString notMetAtAll() { return QStringLiteral("Not Met At All"); }
    static QStringList values() { return {fullyMet(), partiallyMet(), notMetAtAll()}; }

    static void fill(QComboBox *combo);
    // Selects the first entry equal to the stored value (letter case included); otherwise the
    // selector keeps its entry and false is returned.
    static bool select(QComboBox *combo, const QString &stored);
};
