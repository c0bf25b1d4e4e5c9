#pragma once

#include "masters/ModelMaster.h"
#include "widgets/ModelCascade.h"

class LimitedTextEdit;
class QComboBox;

// A master over a model table kept per level: level, KPA, goal and practice, then one id more
// (the subpractice, or the work product), each id with its description beside it.
class LevelMaster : public ModelMaster
{
    Q_OBJECT
public:
    QSize openingSize() const override { return {920, 600}; }

    QComboBox *cmb_level;
    QComboBox *cmb_kpa;
    QComboBox *cmb_goal_id;
    LimitedTextEdit *txt_goal_desc;
    QComboBox *cmb_practice_id;
    LimitedTextEdit *Txt_practice_desc;

protected:
    using CascadeFactory = decltype(&ModelCascade::processAreas);
    // The last id or description: its field, label, grid header and column.
    struct Last
    {
        QString name;
        QString label;
        QString header;
        QString column;
    };
    enum class Layout { KpaBelowLevel, KpaBesideLevel };

    LevelMaster(const QString &title, CascadeFactory cascade, const Last &id, const Last &description, Layout layout,
                QWidget *parent);

    // Level, KPA, goal id and practice id blank: the first checks of every save here.
    OrderedChecks blankIds() const;

    QComboBox *m_lastId;
    LimitedTextEdit *m_lastDescription;
};
