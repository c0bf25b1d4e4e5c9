#include "frm_changedir.h"

#include "admin/Drives.h"
#include "admin/frm_backup.h"
#include "widgets/BuddyLabel.h"
#include "widgets/Messages.h"

#include <QComboBox>
#include <QDir>
#include <QFileSystemModel>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QShortcut>
#include <QTreeView>
#include <QVBoxLayout>

namespace {

QLabel *labelFor(const QString &caption, QWidget *buddy, QWidget *parent)
{
    return new BuddyLabel(caption, buddy, parent);
}

} // namespace

frm_changedir::frm_changedir(frm_backup *owner)
    : QWidget(owner, Qt::Window), m_owner(owner), m_folders(new QFileSystemModel(this)),
      m_files(new QFileSystemModel(this))
{
    setObjectName(QStringLiteral("frm_changedir"));
    setWindowTitle(QStringLiteral("Select Folder"));
    setAttribute(Qt::WA_DeleteOnClose);

    m_folders->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Hidden);
    m_files->setFilter(QDir::Files | QDir::Hidden);

    txt_destname = new QLineEdit(this);
    txt_destname->setObjectName(QStringLiteral("txt_destname"));
    Dir1 = new QTreeView(this);
    Dir1->setObjectName(QStringLiteral("Dir1"));
    Dir1->setModel(m_folders);
    for (int column = 1; column < m_folders->columnCount(); ++column)
        Dir1->hideColumn(column);
    Dir1->setHeaderHidden(true);
    File1 = new QListView(this);
    File1->setObjectName(QStringLiteral("File1"));
    File1->setModel(m_files);
    Drive1 = new QComboBox(this);
    Drive1->setObjectName(QStringLiteral("Drive1"));
    cmd_ok = new QPushButton(QStringLiteral("Ok"), this);
    cmd_ok->setObjectName(QStringLiteral("cmd_ok"));
    cmd_cancel = new QPushButton(QStringLiteral("Cancel"), this);
    cmd_cancel->setObjectName(QStringLiteral("cmd_cancel"));

    lbl_file = labelFor(QStringLiteral("Files:"), File1, this);
    lbl_file->setObjectName(QStringLiteral("lbl_file"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(new QLabel(QStringLiteral("Enter or select a destination directory"), this), 0, 0, 1, 2);
    grid->addWidget(labelFor(QStringLiteral("Path:"), txt_destname, this), 1, 0, 1, 2);
    grid->addWidget(txt_destname, 2, 0, 1, 2);
    grid->addWidget(labelFor(QStringLiteral("Directories:"), Dir1, this), 3, 0);
    grid->addWidget(lbl_file, 3, 1);
    grid->addWidget(Dir1, 4, 0);
    grid->addWidget(File1, 4, 1);
    grid->addWidget(labelFor(QStringLiteral("Drives:"), Drive1, this), 5, 0);
    grid->addWidget(Drive1, 6, 0);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmd_ok);
    buttons->addWidget(cmd_cancel);
    grid->addLayout(buttons, 7, 0, 1, 2);
    grid->setRowStretch(4, 1);
    grid->setColumnStretch(0, 1);
    grid->setColumnStretch(1, 1);
    resize(560, 440);

    connect(Drive1, &QComboBox::activated, this, &frm_changedir::Drive1_Change);
    connect(Dir1->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid())
                    Dir1_Change(m_folders->filePath(current));
            });
    // The folders load in the background; the current one comes into view once its branch is there.
    connect(m_folders, &QFileSystemModel::directoryLoaded, this, [this] { Dir1->scrollTo(Dir1->currentIndex()); });
    connect(File1, &QListView::clicked, this, &frm_changedir::File1_Click);
    // A double click on a file picks it and hands it over.
    connect(File1, &QListView::doubleClicked, this, [this](const QModelIndex &index) {
        File1_Click(index);
        cmd_ok_Click();
    });
    connect(cmd_ok, &QPushButton::clicked, this, &frm_changedir::cmd_ok_Click);
    connect(cmd_cancel, &QPushButton::clicked, this, &frm_changedir::cmd_cancel_Click);
    connect(txt_destname, &QLineEdit::returnPressed, cmd_ok, &QPushButton::click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, cmd_cancel, &QPushButton::click);
}

void frm_changedir::Form_Load()
{
    Drive1->clear();
    const QStringList roots = Drives::roots();
    for (const QString &root : roots)
        Drive1->addItem(QDir::toNativeSeparators(root), root);
    // Start on the drive holding the current folder: the one with the longest matching root.
    const QString current = QDir::currentPath();
    int drive = 0;
    qsizetype longest = -1;
    for (int i = 0; i < roots.size(); ++i) {
        const QString root = QDir::cleanPath(roots[i]);
        const bool holds = current == root || current.startsWith(root.endsWith(u'/') ? root : root + u'/');
        if (holds && root.size() > longest) {
            drive = i;
            longest = root.size();
        }
    }
    selectDrive(drive);
    if (longest >= 0)
        showFolder(current);
    // Each opening starts with an empty path.
    txt_destname->clear();
}

void frm_changedir::setRestoreMode(bool restore)
{
    File1->setVisible(restore);
    lbl_file->setVisible(restore);
}

bool frm_changedir::isRestoreMode() const
{
    return !File1->isHidden();
}

QString frm_changedir::databaseIn(const QString &folder)
{
    return folder.endsWith(u'/') ? folder + QStringLiteral("cmmi.mdb") : folder + QStringLiteral("/cmmi.mdb");
}

void frm_changedir::selectDrive(int index)
{
    Drive1->setCurrentIndex(index);
    Drive1_Change();
}

void frm_changedir::Drive1_Change()
{
    const QString root = Drive1->currentData().toString();
    if (!Drives::isReady(root)) {
        Messages::information(this, QStringLiteral("Wrong Drive Selected"));
        if (Drive1->currentIndex() != 0 && Drive1->count() > 0)
            selectDrive(0);
        return;
    }
    m_folders->setRootPath(root);
    Dir1->setRootIndex(m_folders->index(root));
    showFolder(root);
}

void frm_changedir::showFolder(const QString &path)
{
    const QModelIndex index = m_folders->index(path);
    if (index.isValid() && index != Dir1->rootIndex()) {
        Dir1->setCurrentIndex(index);
        Dir1->scrollTo(index);
    }
    // The drive root is the list's top, not an entry of it; the current folder all the same.
    Dir1_Change(path);
}

void frm_changedir::Dir1_Change(const QString &path)
{
    m_folder = path;
    if (isRestoreMode()) {
        m_files->setRootPath(path);
        File1->setRootIndex(m_files->index(path));
        return;
    }
    txt_destname->setText(databaseIn(path));
}

void frm_changedir::File1_Click(const QModelIndex &index)
{
    // The file clicked is the file restored.
    if (index.isValid())
        txt_destname->setText(m_files->filePath(index));
}

void frm_changedir::cmd_ok_Click()
{
    if (txt_destname->text().isEmpty()) {
        Messages::information(this, QStringLiteral("select the Destination Path"), QStringLiteral("information"));
        return;
    }
    if (!Drives::isReady(Drive1->currentData().toString())) {
        Messages::information(this, QStringLiteral("Invalid Drive Selected"));
        return;
    }
    if (m_owner)
        (isRestoreMode() ? m_owner->txt_restore : m_owner->txt_destname)->setText(txt_destname->text());
    close();
}

void frm_changedir::cmd_cancel_Click()
{
    if (m_owner)
        m_owner->txt_destname->clear();
    close();
}
