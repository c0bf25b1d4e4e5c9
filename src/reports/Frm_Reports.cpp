#include "Frm_Reports.h"

#include "reports/Report.h"
#include "reports/ReportEngine.h"
#include "reports/ReportPreparation.h"
#include "reports/ReportTypes.h"
#include "reports/ReportViewer.h"
#include "shell/AppPaths.h"
#include "shell/ChosenOrganization.h"
#include "widgets/BuddyLabel.h"
#include "widgets/BusyCursor.h"
#include "widgets/Messages.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

Frm_Reports::Frm_Reports(QWidget *parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("Frm_Reports"));
    setWindowTitle(QStringLiteral("Reports Form"));

    Picture5 = new QFrame(this);
    Picture5->setObjectName(QStringLiteral("Picture5"));
    Picture5->setFrameShape(QFrame::StyledPanel);
    Picture5->setMaximumWidth(560);
    lblReports = new QLabel(QStringLiteral("Reports Generation"), Picture5);
    lblReports->setObjectName(QStringLiteral("lblReports"));
    lblReports->setAlignment(Qt::AlignCenter);
    QFont big = lblReports->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    lblReports->setFont(big);

    Frame5 = new QGroupBox(QStringLiteral("Report Screen"), Picture5);
    Frame5->setObjectName(QStringLiteral("Frame5"));
    TypeofReport = new QComboBox(Frame5);
    TypeofReport->setObjectName(QStringLiteral("TypeofReport"));
    TypeofReport->setEditable(false);
    for (const ReportTypes::Type &type : ReportTypes::all())
        TypeofReport->addItem(type.name);
    lblType = new BuddyLabel(QStringLiteral("Select Type of Report"), TypeofReport, Frame5);
    Command4 = new QPushButton(QStringLiteral("Generate"), Frame5);
    Command4->setObjectName(QStringLiteral("Command4"));
    auto *frameLayout = new QGridLayout(Frame5);
    frameLayout->addWidget(lblType, 0, 0);
    frameLayout->addWidget(TypeofReport, 0, 1);
    frameLayout->addWidget(Command4, 1, 1, Qt::AlignRight);
    frameLayout->setColumnStretch(1, 1);

    auto *panelLayout = new QVBoxLayout(Picture5);
    panelLayout->setContentsMargins(24, 18, 24, 24);
    panelLayout->setSpacing(16);
    panelLayout->addWidget(lblReports);
    panelLayout->addWidget(Frame5);

    // The viewer covers the window; Exit sits at the right end of its toolbar.
    RptView = new ReportViewer(this);
    RptView->hide();
    Cmdrepexit = new QPushButton(QStringLiteral("Exit"), RptView);
    Cmdrepexit->setObjectName(QStringLiteral("Cmdrepexit"));
    RptView->addCornerWidget(Cmdrepexit);
    Cmdrepexit->hide();

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(Picture5, 0, 0, Qt::AlignHCenter | Qt::AlignTop);
    layout->addWidget(RptView, 0, 0);
    Picture5->setMinimumWidth(420);

    connect(Command4, &QPushButton::clicked, this, &Frm_Reports::Command4_Click);
    connect(Cmdrepexit, &QPushButton::clicked, this, &Frm_Reports::Cmdrepexit_Click);
    // Esc leaves the viewer.
    auto *leave = new QShortcut(QKeySequence(Qt::Key_Escape), RptView, nullptr, nullptr, Qt::WidgetWithChildrenShortcut);
    connect(leave, &QShortcut::activated, this, &Frm_Reports::Cmdrepexit_Click);
}

Frm_Reports::~Frm_Reports() = default;

bool Frm_Reports::Form_Load()
{
    if (ChosenOrganization::selected_coid().isEmpty()) {
        Messages::information(this, noOrganizationMessage());
        return false;
    }
    const Records::Lookup company = records().first(QStringLiteral("Tvxrk_companydetails"), {});
    if (company.failed())
        return false;
    m_company = company.value(QStringLiteral("fvx_rk_companyname")).toString();
    TypeofReport->setCurrentIndex(0);
    return true;
}

QWidget *Frm_Reports::firstField() const
{
    return TypeofReport;
}

QPushButton *Frm_Reports::defaultCommand() const
{
    return isViewing() ? nullptr : Command4;
}

bool Frm_Reports::isViewing() const
{
    return !RptView->isHidden();
}

void Frm_Reports::Command4_Click()
{
    if (isViewing())
        return;
    // The organization may have been cleared in the organization selection since the
    // screen opened: nothing is prepared or shown for no organization.
    if (ChosenOrganization::selected_coid().isEmpty()) {
        Messages::information(this, noOrganizationMessage());
        return;
    }
    const ReportTypes::Type *type = ReportTypes::find(TypeofReport->currentText());
    if (!type)
        return;
    releaseReport();
    // The step runs on this screen's connection, which it opens again when an earlier report
    // closed it; a failed step has told the user and changed nothing. A report without a step
    // leaves the connection as it is.
    if (type->preparation != ReportTypes::Preparation::None
        && !ReportPreparation::prepare(type->preparation, records(), ChosenOrganization::selected_coid())) {
        showSelecting();
        return;
    }
    if (type->closesConnection)
        db.Conclose();

    QStringList parameters{m_company};
    if (type->takesOrganization)
        parameters << ChosenOrganization::selected_coid();
    const ReportRequest request{AppPaths::filePath(type->fileName), AppPaths::databasePath(), parameters};

    const BusyCursor busy;
    QProgressDialog progress(QStringLiteral("Preparing the report \"%1\"...").arg(type->name), QStringLiteral("Cancel"), 0, 100, this);
    progress.setObjectName(QStringLiteral("reportProgress"));
    progress.setWindowTitle(Messages::applicationTitle());
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(400);
    progress.setValue(0);

    QString error;
    m_report = ReportEngine::generate(request, &error);
    if (!m_report) {
        progress.cancel();
        Messages::information(this, error);
        showSelecting();
        return;
    }
    bool progressShown = false;
    const bool shown = RptView->setReport(m_report.get(), [&progress, &progressShown](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        progressShown = progressShown || progress.isVisible();
        return !progress.wasCanceled();
    });
    progress.reset();
    // The keyboard goes back to the window the progress dialog covered.
    if (progressShown)
        window()->activateWindow();
    if (!shown) {
        releaseReport();
        showSelecting();
        return;
    }
    showViewing();
}

void Frm_Reports::Cmdrepexit_Click()
{
    if (!isViewing())
        return;
    TypeofReport->setCurrentIndex(0);
    releaseReport();
    showSelecting();
}

void Frm_Reports::Form_Unload()
{
    releaseReport();
}

void Frm_Reports::releaseReport()
{
    RptView->clear();
    m_report.reset();
}

void Frm_Reports::showSelecting()
{
    RptView->hide();
    Cmdrepexit->hide();
    Picture5->show();
    Frame5->show();
    TypeofReport->setFocus(Qt::OtherFocusReason);
}

void Frm_Reports::showViewing()
{
    Picture5->hide();
    RptView->show();
    Cmdrepexit->show();
    // The pages are fitted to the viewer's width once it is shown; then open at page 1.
    layout()->activate();
    RptView->goToPage(1);
    RptView->setFocus(Qt::OtherFocusReason);
}
