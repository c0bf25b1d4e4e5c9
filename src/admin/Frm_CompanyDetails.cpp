#include "Frm_CompanyDetails.h"

#include "widgets/BuddyLabel.h"
#include "widgets/Messages.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
constexpr int companyNameLength = 50;
const QString table = QStringLiteral("Tvxrk_companydetails");
const QString nameColumn = QStringLiteral("fvx_rk_companyname");
const QString addressColumn = QStringLiteral("fvx_rk_address");
}

Frm_CompanyDetails::Frm_CompanyDetails(QWidget *parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("Frm_CompanyDetails"));
    setWindowTitle(QStringLiteral("CompanyDetails"));

    Frame1 = new QGroupBox(QStringLiteral("Company Details"), this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    txt_companyname = new QLineEdit(Frame1);
    txt_companyname->setObjectName(QStringLiteral("txt_companyname"));
    txt_companyname->setMaxLength(companyNameLength);
    RTB_Address = new QPlainTextEdit(Frame1);
    RTB_Address->setObjectName(QStringLiteral("RTB_Address"));
    // Tab moves on to the commands; a tab character has no place in an address.
    RTB_Address->setTabChangesFocus(true);

    auto *nameLabel = new BuddyLabel(QStringLiteral("CompanyName"), txt_companyname, Frame1);
    auto *addressLabel = new BuddyLabel(QStringLiteral("Address"), RTB_Address, Frame1);
    addressLabel->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *grid = new QGridLayout(Frame1);
    grid->addWidget(nameLabel, 0, 0);
    grid->addWidget(txt_companyname, 0, 1);
    grid->addWidget(addressLabel, 1, 0);
    grid->addWidget(RTB_Address, 1, 1);
    grid->setRowStretch(1, 1);

    cmd_csave = new QPushButton(QStringLiteral("&Save"), this);
    cmd_csave->setObjectName(QStringLiteral("cmd_csave"));
    cmd_ccancel = new QPushButton(QStringLiteral("&Close"), this);
    cmd_ccancel->setObjectName(QStringLiteral("cmd_ccancel"));

    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmd_csave);
    buttons->addWidget(cmd_ccancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(Frame1, 1);
    layout->addLayout(buttons);

    connect(cmd_csave, &QPushButton::clicked, this, &Frm_CompanyDetails::cmd_csave_Click);
    connect(cmd_ccancel, &QPushButton::clicked, this, &Frm_CompanyDetails::cmd_ccancel_Click);
    // Enter saves from the name field only: in the address it starts a new line.
    connect(txt_companyname, &QLineEdit::returnPressed, cmd_csave, &QPushButton::click);
    auto *escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, cmd_ccancel, &QPushButton::click);
}

bool Frm_CompanyDetails::Form_Load()
{
    // The first row by rowid: the row every reader of the company details takes.
    const Records::Lookup row = records().first(table, {});
    if (row.found()) {
        txt_companyname->setText(row.value(nameColumn).toString());
        RTB_Address->setPlainText(row.value(addressColumn).toString());
    }
    return true;
}

void Frm_CompanyDetails::cmd_csave_Click()
{
    // Only the empty text is refused: a name of blanks is the user's choice.
    if (txt_companyname->text().isEmpty()) {
        Messages::information(this, blankNameMessage());
        txt_companyname->setFocus();
        return;
    }
    replaceFirstRow();
}

// The first row goes and the new one comes in one transaction: a failure keeps the old row.
void Frm_CompanyDetails::replaceFirstRow()
{
    records().replaceFirst(table, {}, {{nameColumn, txt_companyname->text()}, {addressColumn, RTB_Address->toPlainText()}});
}

void Frm_CompanyDetails::cmd_ccancel_Click()
{
    closeScreen();
}
