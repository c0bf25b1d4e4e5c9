#include "Frm_coid.h"

#include "shell/ChosenOrganization.h"
#include "widgets/BuddyLabel.h"
#include "widgets/Logo.h"
#include "widgets/Messages.h"

#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace {
constexpr int organizationNameLength = 50;
}

Frm_coid::Frm_coid(QWidget *parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("Frm_coid"));
    setWindowTitle(QStringLiteral("Veltrix"));

    auto *logo = new QLabel(this);
    logo->setPixmap(Logo::pixmap(48));
    auto *product = new QLabel(QStringLiteral("Veltrix"), this);
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.8);
    big.setBold(true);
    product->setFont(big);

    newopt = new QRadioButton(QStringLiteral("Define New Organization"), this);
    newopt->setObjectName(QStringLiteral("newopt"));
    exopt = new QRadioButton(QStringLiteral("Select Existing Organization"), this);
    exopt->setObjectName(QStringLiteral("exopt"));
    exopt->setChecked(true);

    Frame3 = new QGroupBox(this);
    Frame3->setObjectName(QStringLiteral("Frame3"));
    txt_coid = new QLineEdit(Frame3);
    txt_coid->setObjectName(QStringLiteral("txt_coid"));
    txt_coid->setMaxLength(organizationNameLength);
    txt_coid->setPlaceholderText(QStringLiteral("Name of the new organization"));
    auto *nameLabel = new BuddyLabel(QStringLiteral("Organization &name:"), txt_coid, Frame3);
    cmd_save = new QPushButton(QStringLiteral("Add"), Frame3);
    cmd_save->setObjectName(QStringLiteral("cmd_save"));
    auto *frame3Layout = new QHBoxLayout(Frame3);
    frame3Layout->addWidget(nameLabel);
    frame3Layout->addWidget(txt_coid, 1);
    frame3Layout->addWidget(cmd_save);
    frame3Layout->setAlignment(Qt::AlignTop);
    Frame3->hide();

    Frame2 = new QGroupBox(QStringLiteral("Existing Organizations"), this);
    Frame2->setObjectName(QStringLiteral("Frame2"));
    List1 = new QListWidget(Frame2);
    List1->setObjectName(QStringLiteral("List1"));
    List1->setSelectionMode(QAbstractItemView::SingleSelection);
    List1->setAccessibleName(Frame2->title());
    // Arriving in the list shows no entry as if it were picked: only a selected entry is.
    List1->installEventFilter(this);
    auto *frame2Layout = new QVBoxLayout(Frame2);
    frame2Layout->addWidget(List1);

    cmdok = new QPushButton(QStringLiteral("&OK"), this);
    cmdok->setObjectName(QStringLiteral("cmdok"));
    cmdok->setDefault(true);
    cmdcancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdcancel->setObjectName(QStringLiteral("cmdcancel"));

    auto *heading = new QHBoxLayout;
    heading->addWidget(logo);
    heading->addWidget(product);
    heading->addStretch();
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdok);
    buttons->addWidget(cmdcancel);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(heading);
    layout->addWidget(newopt);
    layout->addWidget(exopt);
    layout->addWidget(Frame3, 1);
    layout->addWidget(Frame2, 1);
    layout->addLayout(buttons);

    // The view follows the options' state, however it changes (click, keyboard, accessibility tools).
    connect(newopt, &QRadioButton::toggled, this, [this](bool on) { if (on) newopt_Click(); });
    connect(exopt, &QRadioButton::toggled, this, [this](bool on) { if (on) exopt_Click(); });
    connect(cmd_save, &QPushButton::clicked, this, &Frm_coid::cmd_save_Click);
    connect(cmdok, &QPushButton::clicked, this, &Frm_coid::cmdok_Click);
    connect(cmdcancel, &QPushButton::clicked, this, &Frm_coid::cmdcancel_Click);
    // Picking an entry with a double click is the same as selecting it and pressing OK.
    connect(List1, &QListWidget::itemDoubleClicked, this, &Frm_coid::cmdok_Click);
}

QPushButton *Frm_coid::defaultCommand() const
{
    // Enter in the new-organization view adds the typed name; it must never close the screen
    // and leave the previous organization chosen.
    return newopt->isChecked() ? cmd_save : cmdok;
}

bool Frm_coid::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == List1 && event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, this, [this] {
            if (List1->selectedItems().isEmpty())
                List1->selectionModel()->clearCurrentIndex();
        });
    }
    return Screen::eventFilter(watched, event);
}

bool Frm_coid::Form_Load()
{
    FillOrganizationList();
    return true;
}

QWidget *Frm_coid::firstField() const
{
    // The list the screen opens on, so arrow keys pick an organization at once.
    return List1;
}

void Frm_coid::Form_Unload()
{
    db.Conclose();
}

void Frm_coid::FillOrganizationList()
{
    const std::optional<QStringList> names = records().distinct(QStringLiteral("vx_gaps_sgs"), QStringLiteral("vx_coid"));
    if (!names)
        return; // the failure was shown; the list keeps what it showed
    List1->clear();
    List1->addItems(*names);
    List1->setCurrentRow(-1);
    List1->clearSelection();
}

void Frm_coid::newopt_Click()
{
    Frame2->hide();
    Frame3->show();
    txt_coid->setFocus();
}

void Frm_coid::exopt_Click()
{
    Frame2->setEnabled(true);
    Frame2->show();
    Frame3->hide();
}

void Frm_coid::cmd_save_Click()
{
    // The chosen name must be the one stored.
    const QString name = Records::cleanText(txt_coid->text());
    if (name.trimmed().isEmpty()) {
        Messages::information(this, QStringLiteral("Organization name is blank"));
        txt_coid->setFocus();
        return;
    }
    const Records::Added added = records().insertUnlessFound(
        QStringLiteral("vx_gaps_sgs"), {{QStringLiteral("vx_coid"), name}},
        {{QStringLiteral("vx_coid"), name},
         {QStringLiteral("vx_goal_id"), QStringLiteral("SG1")},
         {QStringLiteral("vx_practice_id"), QStringLiteral("SP1.1")},
         {QStringLiteral("vx_subpractice_id"), QStringLiteral("SP1.1.1")}});
    if (added == Records::Added::Failed)
        return; // the failure was shown; the typed name stays for another try
    // The new name becomes the choice only once it is stored.
    if (added == Records::Added::Inserted)
        ChosenOrganization::setSelectedCoid(name);
    exopt->setChecked(true); // runs exopt_Click
    FillOrganizationList();
}

void Frm_coid::cmdok_Click()
{
    if (newopt->isChecked()) {
        closeScreen();
        return;
    }
    const QList<QListWidgetItem *> selected = List1->selectedItems();
    ChosenOrganization::setSelectedCoid(selected.isEmpty() ? QString() : selected.first()->text());
    if (List1->count() == 0)
        Messages::plain(this, QStringLiteral("No organization to select, Please select Create new organization option button"));
    if (selected.isEmpty()) {
        Messages::information(this, QStringLiteral("Select a Organization "), QStringLiteral("Information"));
        return;
    }
    closeScreen();
}

void Frm_coid::cmdcancel_Click()
{
    closeScreen();
}
