#include "forms/properties/pile_properties_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QFrame>
#include <QLabel>
#include <QSignalBlocker>

#include "entry/data_edit.h"
#include "forms/properties/number_field_width.h"

namespace quavis {

TPilePropertiesWindow::TPilePropertiesWindow(TMainForm& main, TPilePropertiesKind kind, std::string formClass,
                                             QWidget* parent)
    : TDataForm(main, std::move(formClass), QString::fromLatin1(PilePropertiesCaption(kind)), parent), m_kind(kind)
{
    const bool pile = kind == TPilePropertiesKind::Pile;
    for (int i = 0; i < PilePropertiesFieldCount; ++i) {
        const TPilePropertiesFieldDefinition def = PilePropertiesField(kind, i);
        TDataEdit* edit = AddField(def.Member, def.Caption, def.Units);
        edit->setObjectName(QString::fromLatin1(def.Name));
        edit->SetMinVal(def.MinVal);
        edit->SetMaxVal(def.MaxVal);
        edit->setFixedWidth(NumberFieldWidth(edit));
        m_fields[static_cast<std::size_t>(i)] = edit;
    }

    // One grid for every field and choice, so that they all line up; the pile form heads its first three
    // fields with the group caption and sets them in.
    auto* grid = new QGridLayout(this);
    grid->setColumnStretch(0, 1);
    int row = 0;
    if (pile) {
        auto* group = new QLabel(QString::fromLatin1(PileCapBaseGroupCaption).trimmed(), this);
        group->setObjectName(QStringLiteral("GroupBox1"));
        QFont bold = group->font();
        bold.setBold(true);
        group->setFont(bold);
        grid->addWidget(group, row++, 0, 1, 2);
    }
    for (int i = 0; i < PilePropertiesFieldCount; ++i) {
        QLabel* label = LabelOf(Field(i));
        if (pile && i < 3) label->setIndent(16);
        if (pile && i == 3) {
            auto* line = new QFrame(this);
            line->setFrameShape(QFrame::HLine);
            line->setFrameShadow(QFrame::Sunken);
            grid->addWidget(line, row++, 0, 1, 2);
        }
        grid->addWidget(label, row, 0);
        grid->addWidget(Field(i), row++, 1);
        if (pile && i == 8) {
            auto* note = new QLabel(QString::fromLatin1(ShearRigidityNote), this);
            note->setObjectName(QStringLiteral("Label1"));
            note->setIndent(16);
            grid->addWidget(note, row++, 0, 1, 2);
        }
    }

    if (pile) {
        m_choices = std::make_unique<TPileChoices>(Project());
        grid->setRowMinimumHeight(row++, 8);
        m_combos[0] = AddChoice(grid, row++, "ComboBox1", PileHeadLabel, TPileChoices::HeadItems(),
                                &TPileChoices::ComboBox1Change);
        m_combos[1] = AddChoice(grid, row++, "ComboBox2", PileTipLabel, TPileChoices::TipItems(),
                                &TPileChoices::ComboBox2Change);
        m_combos[2] = AddChoice(grid, row++, "ComboBox3", InteractionLabel, TPileChoices::InteractionItems(),
                                &TPileChoices::ComboBox3Change);
    }
    grid->setRowStretch(row, 1);
    resize(sizeHint());
}

TPilePropertiesWindow::~TPilePropertiesWindow() = default;

QComboBox* TPilePropertiesWindow::AddChoice(QGridLayout* grid, int row, const char* name, const char* label,
                                            const std::vector<std::string>& items,
                                            void (TPileChoices::*change)(const std::string&))
{
    auto* box = new QComboBox(this);
    box->setObjectName(QString::fromLatin1(name));
    for (const std::string& item : items) box->addItem(QString::fromStdString(item));
    box->setFixedWidth(NumberFieldWidth(box));
    auto* caption = new QLabel(QString::fromLatin1(label), this);
    caption->setBuddy(box);
    grid->addWidget(caption, row, 0);
    grid->addWidget(box, row, 1);
    connect(box, &QComboBox::currentTextChanged, this,
            [this, change](const QString& text) { ((*m_choices).*change)(text.toStdString()); });
    return box;
}

void TPilePropertiesWindow::Load()
{
    // A long number reads from its first digits.
    for (TDataEdit* field : m_fields)
        if (!field->hasFocus()) field->setCursorPosition(0);
    // The model holds the values as the fields show them.
    Lifecycle().StoreFields();
    if (!m_choices) return;
    m_choices->Load();
    const std::string* texts[3] = {&m_choices->ComboBox1, &m_choices->ComboBox2, &m_choices->ComboBox3};
    for (std::size_t i = 0; i < 3; ++i) {
        const QSignalBlocker block(m_combos[i]);
        m_combos[i]->setCurrentText(QString::fromStdString(*texts[i]));
    }
}

void TPilePropertiesWindow::Store()
{
    if (m_choices) m_choices->FlagsFromTexts();
}

} // namespace quavis
