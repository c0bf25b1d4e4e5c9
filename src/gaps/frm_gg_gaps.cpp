#include "frm_gg_gaps.h"

#include "gaps/GapProgress.h"
#include "widgets/BuddyLabel.h"
#include "widgets/DataGrid.h"
#include "widgets/DescriptionFocus.h"
#include "widgets/LimitedTextEdit.h"
#include "widgets/ModelCascade.h"
#include "widgets/OrderedChecks.h"
#include "widgets/SaveButton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

constexpr int idLength = 10;

QComboBox *selector(const QString &name, bool editable, int width, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(name);
    combo->setEditable(editable);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    combo->setMinimumContentsLength(width);
    return combo;
}

LimitedTextEdit *description(const QString &name, QWidget *parent)
{
    auto *field = new LimitedTextEdit(parent);
    field->setObjectName(name);
    field->setFixedHeight(field->fontMetrics().lineSpacing() * 3 + 2 * (field->frameWidth() + 4));
    DescriptionFocus::install(field); // txt_goal_desc_GotFocus, Txt_practice_desc_GotFocus
    return field;
}

} // namespace

frm_gg_gaps::frm_gg_gaps(QWidget *parent)
    : GapScreen(QStringLiteral("Generic Goals Gaps Analysis"), QStringLiteral("generic practices over all KPAs"),
                GapQueries::genericGoalHeaders(), parent)
{
    setObjectName(QStringLiteral("frm_gg_gaps"));
    cmb_ggid = selector(QStringLiteral("cmb_ggid"), true, idLength, this);
    txt_goal_desc = description(QStringLiteral("txt_goal_desc"), this);
    cmb_practice_id = selector(QStringLiteral("cmb_practice_id"), true, idLength, this);
    Txt_practice_desc = description(QStringLiteral("Txt_practice_desc"), this);
    cmb_level = selector(QStringLiteral("cmb_level"), false, 36, this);

    m_cascade = ModelCascade::genericGoals([this] { return records(); }, cmb_ggid, cmb_practice_id, txt_goal_desc,
                                           Txt_practice_desc, this);
    // The answer shown always belongs to the goal, practice and KPA shown, so a save never writes
    // one combination's answer over another's. A goal without practices runs no practice choice.
    m_cascade->addFollowUp(cmb_practice_id, [this] {
        if (cmb_level->currentIndex() >= 0)
            cmb_level_Click();
    });
    m_cascade->addFollowUp(cmb_ggid, [this] {
        if (cmb_level->currentIndex() >= 0 && cmb_practice_id->count() == 0)
            cmb_level_Click();
    });
    connect(cmb_level, &QComboBox::activated, this, &frm_gg_gaps::cmb_level_Click);

    auto *form = new QGridLayout;
    form->setColumnStretch(3, 1);
    addSelectorRow(form, 0, QStringLiteral("Generic Goal Id"), cmb_ggid, QStringLiteral("Goal Description"), txt_goal_desc);
    addSelectorRow(form, 1, QStringLiteral("Practice Id"), cmb_practice_id, QStringLiteral("Practice Description"),
                   Txt_practice_desc);
    // The KPA below them at the left, the reference to its right, how-met and save below that.
    auto *answer = new QGridLayout;
    answer->setColumnStretch(3, 1);
    answer->addWidget(new BuddyLabel(QStringLiteral("KPA"), cmb_level, this), 0, 0);
    answer->addWidget(cmb_level, 0, 1);
    answer->addWidget(new BuddyLabel(QStringLiteral("Reference to Organizational Process / Work product"), txt_qms_ref, this),
                      0, 2);
    answer->addWidget(txt_qms_ref, 0, 3);
    answer->addWidget(new BuddyLabel(QStringLiteral("How CMMi Requirement is met"), cmb_how_met, this), 1, 2);
    auto *howMet = new QHBoxLayout;
    howMet->addWidget(cmb_how_met);
    howMet->addWidget(cmd_save);
    howMet->addStretch();
    answer->addLayout(howMet, 1, 3);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(answer);
    layout->addWidget(LV_cmmi, 1);
    layout->addWidget(lbl_progress);
    orderTabs({cmb_ggid, txt_goal_desc, cmb_practice_id, Txt_practice_desc, cmb_level, txt_qms_ref, cmb_how_met, cmd_save,
               LV_cmmi});
}

bool frm_gg_gaps::Form_Load()
{
    cmb_how_met->setCurrentIndex(0);
    FillGoalCombo();
    LoadGrid();
    FillKpaList();
    return true;
}

void frm_gg_gaps::FillGoalCombo()
{
    m_cascade->start();
}

void frm_gg_gaps::FillKpaList()
{
    const std::optional<QStringList> kpas = records().distinct(QStringLiteral("cmmi_kpas"), QStringLiteral("vx_kpa"));
    if (!kpas)
        return; // the failure was shown; the list stays as it was
    cmb_level->clear();
    cmb_level->addItems(*kpas);
    if (cmb_level->count() > 0) {
        cmb_level->setCurrentIndex(0);
        cmb_level_Click();
    }
}

void frm_gg_gaps::cmb_level_Click()
{
    txt_qms_ref->clear();
    showStored(storedAnswer());
}

Fields frm_gg_gaps::identity() const
{
    return m_cascade->keys() + Fields{{QStringLiteral("vx_kpa"), cmb_level->currentText()}};
}

void frm_gg_gaps::addChecks(OrderedChecks &checks) const
{
    using Then = OrderedChecks::Then;
    checks.blank(cmb_ggid, QStringLiteral("Generic Goal Id is blank"), Then::Focus)
        .blank(cmb_practice_id, QStringLiteral("Practice Id is blank"), Then::Focus)
        .longerThan(cmb_ggid, idLength, QStringLiteral("Generic Goal Id can not have more than 10 characters"), Then::Focus)
        .longerThan(cmb_practice_id, idLength, QStringLiteral("Practice Id can not have more than 10 characters"), Then::Focus);
    addReferenceCheck(checks);
    // Only an empty description is refused here; one of blanks passes.
    checks.when([this] { return txt_goal_desc->toPlainText().isEmpty(); }, QStringLiteral("Generic Goal Description is blank"),
                Then::Focus, txt_goal_desc)
        .when([this] { return Txt_practice_desc->toPlainText().isEmpty(); }, QStringLiteral("Practice Description is blank"),
              Then::Focus, Txt_practice_desc);
}

std::optional<GapQueries::Grid> frm_gg_gaps::readGrid(const GapQueries &queries) const
{
    return queries.genericGoals(organization());
}
