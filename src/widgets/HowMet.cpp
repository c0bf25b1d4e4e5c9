#include "HowMet.h"

#include <QComboBox>

void HowMet::fill(QComboBox *combo)
{
    combo->clear();
    combo->addItems(values());
}

bool HowMet::select(QComboBox *combo, const QString &stored)
{
    for (int i = 0; i < combo->count(); ++i) {
        if (combo->itemText(i) == stored) {
            combo->setCurrentIndex(i);
            return true;
        }
    }
    return false;
}
