#include "BuddyLabel.h"

BuddyLabel::BuddyLabel(const QString &text, QWidget *field, QWidget *parent)
    : QLabel(text, parent)
{
    setObjectName(QStringLiteral("lbl_") + field->objectName());
    setBuddy(field);
    // Labels without an access key of their own still name their field.
    if (field->accessibleName().isEmpty())
        field->setAccessibleName(QString(text).remove(QLatin1Char('&')).trimmed());
}
