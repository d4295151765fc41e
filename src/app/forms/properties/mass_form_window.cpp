#include "forms/properties/mass_form_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry/data_edit.h"
#include "forms/properties/number_field_width.h"
#include "components/grid_table.h"
#include "model/project.h"

namespace quavis {

namespace {

// The fields of each group, in the order of the form.
struct TGroup {
    TMassField first;
    TMassField last;
};
constexpr TGroup kGroups[4] = {
    {MassTotal, MassProductYZ}, {MassCbLocalX, MassCbLocalZ}, {MassCgLocalX, MassCgLocalZ},
    {MassCbGlobalX, MassCbGlobalZ}};

} // namespace

TMassFormWindow::TMassFormWindow(TMainForm& main, TMassFormKind kind, std::string formClass, QWidget* parent)
    : TDataForm(main, std::move(formClass), QString::fromLatin1(MassFormCaption(kind)), parent), m_kind(kind)
{
    auto* fieldsColumn = new QVBoxLayout;
    for (int g = 0; g < 4; ++g) {
        auto* box = new QGroupBox(QString::fromLatin1(MassGroupCaption(kind, g)).trimmed(), this);
        auto* grid = new QGridLayout(box);
        grid->setColumnStretch(0, 1);
        for (int i = kGroups[g].first; i <= kGroups[g].last; ++i) {
            const auto field = static_cast<TMassField>(i);
            const TMassFieldDefinition& def = MassFieldDefinition(kind, field);
            TDataEdit* edit = AddField(def.Member, def.Caption, def.Units);
            edit->setObjectName(QString::fromLatin1(def.Name));
            edit->SetMinVal(def.MinVal);
            edit->SetMaxVal(def.MaxVal);
            edit->setFixedWidth(NumberFieldWidth(edit));
            edit->setEnabled(def.Enabled);
            const int row = i - kGroups[g].first;
            grid->addWidget(LabelOf(edit), row, 0);
            grid->addWidget(edit, row, 1);
            m_fields[i] = edit;
        }
        fieldsColumn->addWidget(box);
    }
    fieldsColumn->addStretch(1);

    TMassFormSteps::TFields rules{};
    for (int i = 0; i < MassFieldCount; ++i) rules[i] = &m_fields[i]->Rules();
    m_steps = std::make_unique<TMassFormSteps>(Project(), GetPrompter(), rules);

    auto* memo = new QPlainTextEdit(QString::fromLatin1(MassFormExplanation()), this);
    memo->setObjectName(QStringLiteral("Memo1"));
    memo->setReadOnly(true);
    memo->setFocusPolicy(Qt::NoFocus);
    memo->setMinimumWidth(260);
    m_tableButton = new QPushButton(QString::fromLatin1(MassTableButtonCaption), this);
    m_tableButton->setObjectName(QString::fromLatin1(MassTableButtonName(kind)));
    m_calculateButton = new QPushButton(QString::fromLatin1(MassCalculateButtonCaption), this);
    m_calculateButton->setObjectName(QString::fromLatin1(MassCalculateButtonName(kind)));
    auto* sideColumn = new QVBoxLayout;
    sideColumn->addWidget(memo, 1);
    sideColumn->addWidget(m_tableButton);
    sideColumn->addWidget(m_calculateButton);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(fieldsColumn);
    layout->addLayout(sideColumn, 1);

    connect(m_tableButton, &QPushButton::clicked, this, [this] { Project().MassCal.ShowEditor(); });
    connect(m_calculateButton, &QPushButton::clicked, this, [this] { Calculate(); });
    resize(sizeHint());
}

TMassFormWindow::~TMassFormWindow() = default;

void TMassFormWindow::ShowFromStart()
{
    // A long number reads from its first digits.
    for (TDataEdit* field : m_fields)
        if (!field->hasFocus()) field->setCursorPosition(0);
}

void TMassFormWindow::Load() { ShowFromStart(); }

void TMassFormWindow::Calculate()
{
    TDataEditRules* refused = m_steps->Calculate();
    for (TDataEdit* field : m_fields) field->SyncFromRules();
    ShowFromStart();
    if (!refused) return;
    for (TDataEdit* field : m_fields)
        if (&field->Rules() == refused) field->setFocus(Qt::OtherFocusReason);
}

void TMassFormWindow::Store() { m_steps->AfterStore(); }

} // namespace quavis
