#include "DeleteButton.h"

#include <QStyle>

DeleteButton::DeleteButton(QWidget *parent)
    : QPushButton(parent)
{
    setIcon(style()->standardIcon(QStyle::SP_TrashIcon));
    setToolTip(QStringLiteral("Delete"));
    setAccessibleName(QStringLiteral("Delete"));
}
