#pragma once

#include "admin/DatabaseCopy.h"
#include "shell/Screen.h"

#include <QPointer>

#include <optional>

class QGroupBox;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTimer;
class frm_changedir;

// Copies the live database to a file the user names, or writes a file the user names back
// into it, through the checked, safe copies of DatabaseCopy.
class frm_backup : public Screen
{
    Q_OBJECT
public:
    explicit frm_backup(QWidget *parent = nullptr);

    bool Form_Load() override;
    QSize openingSize() const override { return {500, 420}; }

    void cmd_browse_backup_Click();
    void cmd_browse_restore_Click();
    void cmd_backup_Click();
    void cmd_restore_Click();
    void Command1_Click();
    void Timer_Timer();

    // The folder chooser while it is open.
    frm_changedir *chooser() const;

    QGroupBox *Frame1;
    QLineEdit *txt_destname;
    QPushButton *cmd_browse_backup;
    QPushButton *cmd_backup;
    QGroupBox *Frame2;
    QLineEdit *txt_restore;
    QPushButton *cmd_browse_restore;
    QPushButton *cmd_restore;
    QPushButton *Command1;
    QProgressBar *prog_save;
    QTimer *Timer;

protected:
    void Form_Unload() override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    using Copy = DatabaseCopy::Result (*)(sqlite3 *, const QString &);
    // Runs a backup or restore on the path in the field: the field's empty message, or the
    // copy with the reason for a failure, or the animation and an emptied field.
    void runCopy(QLineEdit *field, const QString &emptyMessage, Copy copy, const QString &failure);
    void openChooser(bool restoreMode);
    void startAnimation();

    QPointer<frm_changedir> m_chooser;
    std::optional<int> m_tick;
};
