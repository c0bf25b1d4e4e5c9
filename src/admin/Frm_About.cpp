#include "Frm_About.h"

#include "widgets/Logo.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>

Frm_About::Frm_About(QWidget *parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("Frm_About"));
    setWindowTitle(QStringLiteral("About Veltrix"));

    lblProductName = new QLabel(QStringLiteral("Veltrix"), this);
    lblProductName->setObjectName(QStringLiteral("lblProductName"));
    QFont big = lblProductName->font();
    big.setPointSizeF(big.pointSizeF() * 2.2);
    big.setBold(true);
    lblProductName->setFont(big);

    lbl_about = new QLabel(this);
    lbl_about->setObjectName(QStringLiteral("lbl_about"));

    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setFixedSize(123, 112);
    Image1->setAlignment(Qt::AlignCenter);
    Image1->setPixmap(Logo::pixmap(108));
    Image1->setAccessibleName(QStringLiteral("Veltrix logo"));

    Label4 = new QLabel(this);
    Label4->setObjectName(QStringLiteral("Label4"));
    Label4->setTextFormat(Qt::PlainText);
    Label4->setWordWrap(true);
    Label4->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Label4->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label4->setMinimumHeight(3 * fontMetrics().lineSpacing());

    Command1 = new QPushButton(QStringLiteral("OK"), this);
    Command1->setObjectName(QStringLiteral("Command1"));

    auto *grid = new QGridLayout(this);
    grid->addWidget(lblProductName, 0, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(lbl_about, 1, 0, Qt::AlignLeft | Qt::AlignTop);
    grid->addWidget(Image1, 0, 1, 2, 1, Qt::AlignRight | Qt::AlignTop);
    grid->addWidget(Label4, 2, 0, 1, 2);
    grid->addWidget(Command1, 3, 0, 1, 2, Qt::AlignHCenter);
    grid->setRowStretch(1, 1);
    grid->setRowStretch(2, 1);

    connect(Command1, &QPushButton::clicked, this, &Frm_About::Command1_Click);
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Escape}) {
        auto *shortcut = new QShortcut(QKeySequence(key), this);
        shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        connect(shortcut, &QShortcut::activated, Command1, &QPushButton::click);
    }
}

QString Frm_About::versionLine()
{
    return QStringLiteral("Version %1.%2").arg(VELTRIX_VERSION_MAJOR).arg(VELTRIX_VERSION_MINOR);
}

bool Frm_About::Form_Load()
{
    // A fresh connection each time the box opens.
    db.Conclose();
    if (!db.Conopen())
        return false;
    // The version belongs to the program, not to the company row: it shows either way.
    lbl_about->setText(versionLine());
    const Records::Lookup row = records().first(QStringLiteral("Tvxrk_companydetails"), {});
    if (row.found())
        Label4->setText(row.record().value(0).toString() + QStringLiteral(",  ") + row.record().value(1).toString());
    return true;
}

void Frm_About::Command1_Click()
{
    closeScreen();
}
