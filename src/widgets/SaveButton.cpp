#include "SaveButton.h"

#include <QShortcut>
#include <QStyle>

SaveButton::SaveButton(QWidget *screen)
    : QPushButton(screen)
{
    setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    setToolTip(QStringLiteral("Save (Ctrl+S)"));
    setAccessibleName(QStringLiteral("Save"));
    // Several screens are open at once inside the main window: the shortcut belongs to this one.
    auto *shortcut = new QShortcut(QKeySequence::Save, screen);
    shortcut->setContext(Qt::WidgetWithChildrenShortcut);
    connect(shortcut, &QShortcut::activated, this, &QPushButton::click);
}
