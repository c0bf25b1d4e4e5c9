#include "CascadeGapScreen.h"

#include "gaps/GapProgress.h"
#include "widgets/BuddyLabel.h"
#include "widgets/DataGrid.h"
#include "widgets/OrderedChecks.h"
#include "widgets/SaveButton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QComboBox *selector(const QString &name, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(10);
    return combo;
}

// Shows the description of a choice; only the screen writes it, the user cannot edit or enter it.
QPlainTextEdit *description(const QString &name, QWidget *parent)
{
    auto *field = new QPlainTextEdit(parent);
    field->setObjectName(name);
    field->setReadOnly(true);
    field->setEnabled(false);
    field->setFocusPolicy(Qt::NoFocus);
    const int lines = 3;
    field->setFixedHeight(field->fontMetrics().lineSpacing() * lines + 2 * (field->frameWidth() + 4));
    return field;
}

} // namespace

CascadeGapScreen::CascadeGapScreen(const QString &caption, const QString &rows, const QStringList &headers,
                                   const Item &item, CascadeFactory makeCascade, QWidget *parent)
    : GapScreen(caption, rows, headers, parent),
      cmb_level(selector(QStringLiteral("cmb_level"), this)),
      cmb_kpa(selector(QStringLiteral("cmb_kpa"), this)),
      cmb_goal_id(selector(QStringLiteral("cmb_goal_id"), this)),
      txt_goal_desc(description(QStringLiteral("txt_goal_desc"), this)),
      cmb_practice_id(selector(QStringLiteral("cmb_practice_id"), this)),
      Txt_practice_desc(description(QStringLiteral("Txt_practice_desc"), this)),
      itemSelector(selector(item.selector, this)),
      itemDescription(description(item.description, this))
{
    cmb_kpa->setMinimumContentsLength(36);
    m_cascade = makeCascade([this] { return records(); }, cmb_level, cmb_kpa, cmb_goal_id, cmb_practice_id,
                            itemSelector, txt_goal_desc, Txt_practice_desc, itemDescription, this);

    auto *form = new QGridLayout;
    form->setColumnStretch(3, 1);
    form->addWidget(new BuddyLabel(QStringLiteral("CMMi Level"), cmb_level, this), 0, 0);
    form->addWidget(cmb_level, 0, 1);
    form->addWidget(new BuddyLabel(QStringLiteral("KPA"), cmb_kpa, this), 0, 2);
    form->addWidget(cmb_kpa, 0, 3, Qt::AlignLeft);
    addSelectorRow(form, 1, QStringLiteral("Goal Id"), cmb_goal_id, QStringLiteral("Goal Description"), txt_goal_desc);
    addSelectorRow(form, 2, QStringLiteral("Practice Id"), cmb_practice_id, QStringLiteral("Practice Description"),
                   Txt_practice_desc);
    addSelectorRow(form, 3, item.selectorLabel, itemSelector, item.descriptionLabel, itemDescription);
    form->addWidget(new BuddyLabel(item.referenceLabel, txt_qms_ref, this), 4, 0, 1, 2);
    form->addWidget(txt_qms_ref, 4, 2, 1, 2);
    form->addWidget(new BuddyLabel(QStringLiteral("How CMMi Requirement is met"), cmb_how_met, this), 5, 0, 1, 2);
    auto *answer = new QHBoxLayout;
    answer->addWidget(cmb_how_met);
    answer->addWidget(cmd_save);
    answer->addStretch();
    form->addLayout(answer, 5, 2, 1, 2);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(LV_cmmi, 1);
    layout->addWidget(lbl_progress);
    orderTabs({cmb_level, cmb_kpa, cmb_goal_id, cmb_practice_id, itemSelector, txt_qms_ref, cmb_how_met, cmd_save, LV_cmmi});
}

bool CascadeGapScreen::Form_Load()
{
    // Level "2" and the cascade below it; then "Fully Met", and the cascade once more, so the
    // stored how-met value of the first row, when it has a record, is what shows.
    m_cascade->start();
    cmb_how_met->setCurrentIndex(0);
    FillKpaList();
    LoadGrid();
    return true;
}

void CascadeGapScreen::FillKpaList()
{
    m_cascade->refill(cmb_kpa);
}

Fields CascadeGapScreen::identity() const
{
    return m_cascade->keys();
}

bool CascadeGapScreen::isGenericGoal() const
{
    return cmb_goal_id->currentText().startsWith(QStringLiteral("GG"), Qt::CaseSensitive);
}

void CascadeGapScreen::addSelectorChecks(OrderedChecks &checks, const QString &itemBlank) const
{
    checks.blank(cmb_level, QStringLiteral("Level is blank"))
        .blank(cmb_kpa, QStringLiteral("KPA Description is blank"))
        .blank(cmb_goal_id, QStringLiteral("Goal Id is blank"))
        .blank(cmb_practice_id, QStringLiteral("Practice ID is blank"))
        .blankWhen([this] { return !isGenericGoal(); }, itemSelector, itemBlank);
}
