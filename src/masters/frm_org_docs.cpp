#include "frm_org_docs.h"

#include "shell/ChosenOrganization.h"
#include "shell/mdi_main.h"
#include "widgets/BuddyLabel.h"
#include "widgets/BusyCursor.h"
#include "widgets/DataGrid.h"
#include "widgets/DeleteButton.h"
#include "widgets/DescriptionFocus.h"
#include "widgets/FieldText.h"
#include "widgets/LimitedTextEdit.h"
#include "widgets/Messages.h"
#include "widgets/SaveButton.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QShortcut>
#include <QVBoxLayout>

namespace {
constexpr int assetNameLength = 50;
const QString table = QStringLiteral("cmmi_org_docs");
}

frm_org_docs::frm_org_docs(QWidget *parent)
    : Screen(parent)
{
    setObjectName(QStringLiteral("frm_org_docs"));
    setWindowTitle(QStringLiteral("Maintain Organizational Process Assets"));

    txt_doc_name = new QLineEdit(this);
    txt_doc_name->setObjectName(QStringLiteral("txt_doc_name"));
    txt_doc_name->setMaxLength(assetNameLength);
    DescriptionFocus::install(txt_doc_name);
    txt_doc_dtls = new LimitedTextEdit(this);
    txt_doc_dtls->setObjectName(QStringLiteral("txt_doc_dtls"));
    txt_doc_dtls->setFixedHeight(txt_doc_dtls->fontMetrics().lineSpacing() * 4);
    cmb_doc_type = new QComboBox(this);
    cmb_doc_type->setObjectName(QStringLiteral("cmb_doc_type"));
    cmb_doc_type->addItems(assetTypes());
    cmd_save = new SaveButton(this);
    cmd_save->setObjectName(QStringLiteral("cmd_save"));
    cmd_delete = new DeleteButton(this);
    cmd_delete->setObjectName(QStringLiteral("cmd_delete"));
    cmd_delete->setEnabled(false);
    LV_cmmi = new DataGrid(this);
    LV_cmmi->setObjectName(QStringLiteral("LV_cmmi"));
    LV_cmmi->setAccessibleName(windowTitle());
    // The other organizations' lines are listed too: say whose each one is.
    LV_cmmi->setColumns({QStringLiteral("Asset Name"), QStringLiteral("Asset Description"), QStringLiteral("Asset Type"),
                         QStringLiteral("Organization")});

    auto *form = new QFormLayout;
    form->addRow(new BuddyLabel(QStringLiteral("Process Asset Name"), txt_doc_name, this), txt_doc_name);
    form->addRow(new BuddyLabel(QStringLiteral("Process Asset Details Description"), txt_doc_dtls, this), txt_doc_dtls);
    form->addRow(new BuddyLabel(QStringLiteral("Process Asset Type"), cmb_doc_type, this), cmb_doc_type);
    auto *commands = new QHBoxLayout;
    commands->addWidget(cmd_save);
    commands->addWidget(cmd_delete);
    commands->addStretch();
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(commands);
    layout->addWidget(LV_cmmi, 1);

    connect(cmd_save, &QPushButton::clicked, this, &frm_org_docs::cmd_save_Click);
    connect(cmd_delete, &QPushButton::clicked, this, &frm_org_docs::cmd_delete_Click);
    connect(LV_cmmi, &DataGrid::lineDoubleClicked, this, &frm_org_docs::LV_cmmi_DblClick);
    // Enter on a line loads it, as a double click does.
    for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto *enter = new QShortcut(QKeySequence(key), LV_cmmi, nullptr, nullptr, Qt::WidgetShortcut);
        connect(enter, &QShortcut::activated, this, [this] { LV_cmmi_DblClick(LV_cmmi->selectedLine()); });
    }
    // A line loaded for the previous organization must not be deleted under the new one.
    connect(ChosenOrganization::instance(), &ChosenOrganization::changed, this, [this] { cmd_delete->setEnabled(false); });
}

QStringList frm_org_docs::assetTypes()
{
    return {QStringLiteral("Checklist"),     QStringLiteral("Format/Template"), QStringLiteral("Log"),
            QStringLiteral("organizational Record"), QStringLiteral("Procedure"), QStringLiteral("Process"),
            QStringLiteral("Project Record"), QStringLiteral("Standard/Guideline")};
}

bool frm_org_docs::Form_Load()
{
    cmb_doc_type->setCurrentIndex(0);
    LoadGrid();
    return true;
}

void frm_org_docs::LoadGrid()
{
    const BusyCursor busy;
    const std::optional<QList<QSqlRecord>> rows =
        records().rows(table, {}, {QStringLiteral("vx_doc_type"), QStringLiteral("vx_doc_id")});
    if (rows) {
        LV_cmmi->fill(*rows, {QStringLiteral("vx_doc_id"), QStringLiteral("vx_doc_dtls"), QStringLiteral("vx_doc_type"),
                              QStringLiteral("vx_coid")});
    }
}

bool frm_org_docs::organizationChosen()
{
    if (ChosenOrganization::isChosen())
        return true;
    Messages::information(this, mdi_main::guardMessage());
    return false;
}

void frm_org_docs::cmd_save_Click()
{
    cmd_delete->setEnabled(false);
    if (!organizationChosen())
        return;
    if (FieldText::trimmedBlanks(txt_doc_name->text()).isEmpty()) {
        Messages::information(this, QStringLiteral("Asset Name is blank"));
        txt_doc_name->setFocus();
        return;
    }
    if (FieldText::trimmedBlanks(txt_doc_dtls->toPlainText()).isEmpty()) {
        Messages::information(this, QStringLiteral("Asset Description is blank"));
        txt_doc_dtls->setFocus();
        return;
    }
    const Records::Saved saved = records().save(
        table, {{QStringLiteral("vx_coid"), ChosenOrganization::selected_coid()}, {QStringLiteral("vx_doc_id"), txt_doc_name->text()}},
        {{QStringLiteral("vx_doc_type"), cmb_doc_type->currentText()}, {QStringLiteral("vx_doc_dtls"), txt_doc_dtls->toPlainText()}});
    if (saved != Records::Saved::Failed)
        LoadGrid();
}

void frm_org_docs::cmd_delete_Click()
{
    cmd_delete->setEnabled(false);
    const QString name = txt_doc_name->text();
    if (FieldText::trimmedBlanks(name).isEmpty() || !organizationChosen())
        return;
    if (Messages::confirm(this, QStringLiteral("Confirm Deletion of Asset :") + name)) {
        const Records::Removed removed = records().deleteFirst(
            table, {{QStringLiteral("vx_coid"), ChosenOrganization::selected_coid()},
                    {QStringLiteral("vx_doc_type"), cmb_doc_type->currentText()},
                    {QStringLiteral("vx_doc_id"), name}});
        // The line may belong to another organization, or its type may have been changed since.
        if (removed == Records::Removed::NotFound)
            Messages::information(this, QStringLiteral("No asset was deleted"));
    }
    LoadGrid();
}

void frm_org_docs::LV_cmmi_DblClick(int line)
{
    if (line < 0 || line >= LV_cmmi->lineCount())
        return;
    txt_doc_name->setText(LV_cmmi->text(line, 1));
    txt_doc_dtls->setPlainText(LV_cmmi->text(line, 2));
    const int type = cmb_doc_type->findText(LV_cmmi->text(line, 3), Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (type >= 0)
        cmb_doc_type->setCurrentIndex(type);
    cmd_delete->setEnabled(true);
}
