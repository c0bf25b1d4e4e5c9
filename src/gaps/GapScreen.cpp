#include "GapScreen.h"

#include "gaps/GapProgress.h"
#include "shell/ChosenOrganization.h"
#include "shell/mdi_main.h"
#include "widgets/BuddyLabel.h"
#include "widgets/BusyCursor.h"
#include "widgets/DataGrid.h"
#include "widgets/FieldText.h"
#include "widgets/HowMet.h"
#include "widgets/Messages.h"
#include "widgets/OrderedChecks.h"
#include "widgets/SaveButton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>

namespace {
constexpr int referenceLength = 255;
}

GapScreen::GapScreen(const QString &caption, const QString &rows, const QStringList &headers, QWidget *parent)
    : Screen(parent), m_caption(caption), m_coid(ChosenOrganization::selected_coid())
{
    setWindowTitle(m_caption + QStringLiteral(" for ") + m_coid);

    txt_qms_ref = new QLineEdit(this);
    txt_qms_ref->setObjectName(QStringLiteral("txt_qms_ref"));
    txt_qms_ref->setMaxLength(referenceLength);
    cmb_how_met = new QComboBox(this);
    cmb_how_met->setObjectName(QStringLiteral("cmb_how_met"));
    HowMet::fill(cmb_how_met);
    cmd_save = new SaveButton(this);
    cmd_save->setObjectName(QStringLiteral("cmd_save"));
    LV_cmmi = new DataGrid(this);
    LV_cmmi->setObjectName(QStringLiteral("LV_cmmi"));
    LV_cmmi->setColumns(headers);
    lbl_progress = new GapProgress(rows, this);

    connect(cmd_save, &QPushButton::clicked, this, &GapScreen::cmd_save_Click);
    connect(ChosenOrganization::instance(), &ChosenOrganization::changed, this, &GapScreen::followOrganization);
}

void GapScreen::followOrganization(const QString &name)
{
    // With no organization chosen the screen stays on its own and refuses to save.
    if (name.isEmpty() || name == m_coid)
        return;
    m_coid = name;
    setWindowTitle(m_caption + QStringLiteral(" for ") + m_coid);
    loadAnswer();
    LoadGrid();
}

Fields GapScreen::gapIdentity() const
{
    return Fields{{QStringLiteral("vx_coid"), m_coid}} + identity();
}

Records::Lookup GapScreen::storedAnswer()
{
    return records().first(gapTable(), gapIdentity());
}

void GapScreen::showStored(const Records::Lookup &record)
{
    if (record.failed())
        return;
    if (!record.found()) {
        txt_qms_ref->clear();
        return;
    }
    txt_qms_ref->setText(record.value(referenceColumn()).toString());
    HowMet::select(cmb_how_met, record.value(QStringLiteral("vx_how_met")).toString());
}

void GapScreen::cmd_save_Click()
{
    OrderedChecks checks;
    // Emptied in the organization selection while the screen was open: there is nobody to save for.
    checks.when([] { return !ChosenOrganization::isChosen(); }, mdi_main::guardMessage());
    addChecks(checks);
    if (!checks.run(this))
        return;
    const Records::Saved saved = records().save(
        gapTable(), gapIdentity(),
        {{referenceColumn(), txt_qms_ref->text()}, {QStringLiteral("vx_how_met"), cmb_how_met->currentText()}});
    if (saved != Records::Saved::Failed)
        LoadGrid();
}

void GapScreen::LoadGrid()
{
    const BusyCursor busy;
    const GapQueries queries(records().database(), [this](const QString &what, const QSqlError &error) {
        Messages::databaseError(this, what, error);
    });
    const std::optional<GapQueries::Grid> grid = readGrid(queries);
    if (!grid)
        return; // the failure was shown; the grid keeps what it showed
    LV_cmmi->setRows(grid->rows);
    lbl_progress->setCounts(grid->progress);
}

void GapScreen::addReferenceCheck(OrderedChecks &checks) const
{
    checks.when(
        [this] {
            const QString reference = FieldText::trimmedBlanks(txt_qms_ref->text());
            return reference.isEmpty() || reference == QStringLiteral("Add New");
        },
        QStringLiteral("Reference to Organizagtional Process Documentation is Blank"), OrderedChecks::Then::Focus,
        txt_qms_ref);
}

void GapScreen::addSelectorRow(QGridLayout *form, int row, const QString &label, QComboBox *selector,
                               const QString &descriptionLabel, QWidget *description)
{
    const int height = selector->sizeHint().height();
    auto *selectorLabel = new BuddyLabel(label, selector, this);
    auto *descLabel = new BuddyLabel(descriptionLabel, description, this);
    selectorLabel->setMinimumHeight(height);
    descLabel->setMinimumHeight(height);
    form->addWidget(selectorLabel, row, 0, Qt::AlignTop);
    form->addWidget(selector, row, 1, Qt::AlignLeft | Qt::AlignTop);
    form->addWidget(descLabel, row, 2, Qt::AlignTop);
    form->addWidget(description, row, 3);
}

void GapScreen::orderTabs(const QList<QWidget *> &fields)
{
    m_firstField = fields.value(0);
    for (qsizetype i = 1; i < fields.size(); ++i)
        setTabOrder(fields[i - 1], fields[i]);
}
