#include "LevelMaster.h"

#include "widgets/LimitedTextEdit.h"
#include "widgets/ModelCascade.h"

#include <QComboBox>
#include <QGridLayout>

namespace {
constexpr int kpaWidth = 330;
}

LevelMaster::LevelMaster(const QString &title, CascadeFactory cascade, const Last &id, const Last &description,
                         Layout layout, QWidget *parent)
    : ModelMaster(parent)
{
    setWindowTitle(title);

    // Created in the order the keyboard visits them.
    cmb_level = selector(QStringLiteral("cmb_level"), false);
    cmb_kpa = selector(QStringLiteral("cmb_kpa"));
    cmb_kpa->setMinimumWidth(kpaWidth); // the longest process-area names in full
    cmb_goal_id = selector(QStringLiteral("cmb_goal_id"));
    txt_goal_desc = this->description(QStringLiteral("txt_goal_desc"));
    cmb_practice_id = selector(QStringLiteral("cmb_practice_id"));
    Txt_practice_desc = this->description(QStringLiteral("Txt_practice_desc"));
    m_lastId = selector(id.name);
    m_lastDescription = this->description(description.name);

    auto *form = new QGridLayout;
    const bool beside = layout == Layout::KpaBesideLevel;
    const int first = beside ? 1 : 2;
    addRow(form, 0, 0, QStringLiteral("CMMi Level"), cmb_level);
    addRow(form, beside ? 0 : 1, beside ? 2 : 0, QStringLiteral("KPA"), cmb_kpa);
    addRow(form, first, 0, QStringLiteral("Goal Id"), cmb_goal_id);
    addRow(form, first, 2, QStringLiteral("Goal Description"), txt_goal_desc);
    addRow(form, first + 1, 0, QStringLiteral("Practice Id"), cmb_practice_id);
    addRow(form, first + 1, 2, QStringLiteral("Practice Description"), Txt_practice_desc);
    addRow(form, first + 2, 0, id.label, m_lastId);
    addRow(form, first + 2, 2, description.label, m_lastDescription);
    form->setColumnStretch(3, 1);
    arrange(form);

    setModel(cascade([this] { return records(); }, cmb_level, cmb_kpa, cmb_goal_id, cmb_practice_id, m_lastId,
                     txt_goal_desc, Txt_practice_desc, m_lastDescription, this),
             {{txt_goal_desc, QStringLiteral("vx_goal_desc")},
              {Txt_practice_desc, QStringLiteral("vx_practice_desc")},
              {m_lastDescription, description.column}},
             {QStringLiteral("Level"), QStringLiteral("KPA"), QStringLiteral("Goal Id"), QStringLiteral("Goal Description"),
              QStringLiteral("Practice Id"), QStringLiteral("Practice Description"), id.header, description.header},
             {QStringLiteral("vx_level"), QStringLiteral("vx_kpa"), QStringLiteral("vx_goal_id"),
              QStringLiteral("vx_goal_desc"), QStringLiteral("vx_practice_id"), QStringLiteral("vx_practice_desc"),
              id.column, description.column});
}

OrderedChecks LevelMaster::blankIds() const
{
    return OrderedChecks()
        .blank(cmb_level, QStringLiteral("Level is blank"))
        .blank(cmb_kpa, QStringLiteral("KPA Description is blank"))
        .blank(cmb_goal_id, QStringLiteral("Goal Id is blank"))
        .blank(cmb_practice_id, QStringLiteral("Practice ID is blank"));
}
