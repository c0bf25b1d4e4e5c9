#pragma once

#include <QPointer>
#include <QWidget>

class QComboBox;
class QFileSystemModel;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;
class QTreeView;
class frm_backup;

// "Select Folder": browses drives and folders for the backup screen and writes the chosen
// path into its fields. Backup mode names the file cmmi.mdb in the chosen folder; restore
// mode lists the folder's files as well.
class frm_changedir : public QWidget
{
    Q_OBJECT
public:
    explicit frm_changedir(frm_backup *owner);

    // Fills the drive list and starts at the current folder.
    void Form_Load();
    void setRestoreMode(bool restore);
    bool isRestoreMode() const;

    void Drive1_Change();
    void Dir1_Change(const QString &path);
    void File1_Click(const QModelIndex &index);
    void cmd_ok_Click();
    void cmd_cancel_Click();

    // Moves the directory list to a folder, as a user's click there would.
    void showFolder(const QString &path);
    QString currentFolder() const { return m_folder; }

    // The path for the file cmmi.mdb in a folder; a root gives "/cmmi.mdb".
    static QString databaseIn(const QString &folder);

    QLineEdit *txt_destname;
    QTreeView *Dir1;
    QLabel *lbl_file;
    QListView *File1;
    QComboBox *Drive1;
    QPushButton *cmd_ok;
    QPushButton *cmd_cancel;

private:
    void selectDrive(int index);

    QPointer<frm_backup> m_owner;
    QFileSystemModel *m_folders;
    QFileSystemModel *m_files;
    QString m_folder;
};
