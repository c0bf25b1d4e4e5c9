#include "ModelMaster.h"

#include "widgets/BuddyLabel.h"
#include "widgets/BusyCursor.h"
#include "widgets/DataGrid.h"
#include "widgets/DescriptionFocus.h"
#include "widgets/FieldText.h"
#include "widgets/LimitedTextEdit.h"
#include "widgets/ModelCascade.h"
#include "widgets/SaveButton.h"

#include <QComboBox>
#include <QGridLayout>
#include <QVBoxLayout>

namespace {
constexpr int descriptionLines = 3;
constexpr int selectorWidth = 240;
}

ModelMaster::ModelMaster(QWidget *parent)
    : Screen(parent)
{
}

void ModelMaster::setModel(ModelCascade *cascade, const QList<std::pair<QWidget *, QString>> &descriptions,
                           const QStringList &headers, const QStringList &columns)
{
    m_cascade = cascade;
    m_descriptions = descriptions;
    m_columns = columns;
    LV_cmmi->setColumns(headers);
}

QComboBox *ModelMaster::selector(const QString &name, bool editable)
{
    auto *combo = new QComboBox(this);
    combo->setObjectName(name);
    combo->setEditable(editable);
    combo->setMinimumWidth(selectorWidth);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

LimitedTextEdit *ModelMaster::description(const QString &name)
{
    auto *field = new LimitedTextEdit(this);
    field->setObjectName(name);
    const QMargins frame = field->contentsMargins();
    field->setFixedHeight(field->fontMetrics().lineSpacing() * descriptionLines
                          + int(2 * field->document()->documentMargin()) + frame.top() + frame.bottom());
    DescriptionFocus::install(field);
    return field;
}

void ModelMaster::addRow(QGridLayout *form, int row, int column, const QString &label, QWidget *field)
{
    auto *buddy = new BuddyLabel(label, field, this);
    // Level with the text of a selector beside it, at the top of a several-line field.
    if (qobject_cast<QComboBox *>(field))
        buddy->setMinimumHeight(field->sizeHint().height());
    form->addWidget(buddy, row, column, Qt::AlignLeft | Qt::AlignTop);
    form->addWidget(field, row, column + 1, Qt::AlignTop);
}

void ModelMaster::arrange(QGridLayout *form)
{
    cmd_save = new SaveButton(this);
    cmd_save->setObjectName(QStringLiteral("cmd_save"));
    LV_cmmi = new DataGrid(this);
    LV_cmmi->setObjectName(QStringLiteral("LV_cmmi"));
    LV_cmmi->setAccessibleName(windowTitle());

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(cmd_save, 0, Qt::AlignLeft);
    layout->addWidget(LV_cmmi, 1);

    connect(cmd_save, &QPushButton::clicked, this, &ModelMaster::cmd_save_Click);
}

bool ModelMaster::Form_Load()
{
    m_cascade->start();
    LoadGrid();
    return true;
}

void ModelMaster::LoadGrid()
{
    const BusyCursor busy;
    QStringList order;
    for (const Field &key : m_cascade->keys())
        order << key.first;
    const std::optional<QList<QSqlRecord>> rows = records().rows(m_cascade->table(), {}, order);
    if (rows)
        LV_cmmi->fill(*rows, m_columns);
}

void ModelMaster::cmd_save_Click()
{
    if (!saveChecks().run(this))
        return;
    Fields values;
    for (const auto &[field, column] : m_descriptions)
        values.append({column, FieldText::text(field)});
    if (records().save(m_cascade->table(), m_cascade->keys(), values) == Records::Saved::Failed)
        return; // the failure was shown; the fields keep what the user typed
    LoadGrid();
}
