#include "forms/properties/pile_properties_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "entry/data_edit.h"

namespace quavis {

namespace {
constexpr int kFieldWidth = 150;
}

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
        edit->setFixedWidth(kFieldWidth);
        m_fields[static_cast<std::size_t>(i)] = edit;
    }

    auto* layout = new QVBoxLayout(this);
    auto addRow = [this](QGridLayout* grid, int row, int field) {
        grid->addWidget(LabelOf(Field(field)), row, 0);
        grid->addWidget(Field(field), row, 1);
    };
    // The pile form groups the three coordinates of the pile cap base.
    int first = 0;
    if (pile) {
        auto* box = new QGroupBox(QString::fromLatin1(PileCapBaseGroupCaption).trimmed(), this);
        auto* grid = new QGridLayout(box);
        grid->setColumnStretch(0, 1);
        for (int i = 0; i < 3; ++i) addRow(grid, i, i);
        layout->addWidget(box);
        first = 3;
    }
    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    int row = 0;
    for (int i = first; i < PilePropertiesFieldCount; ++i) {
        addRow(grid, row++, i);
        if (pile && i == 8) {
            auto* note = new QLabel(QString::fromLatin1(ShearRigidityNote), this);
            note->setObjectName(QStringLiteral("Label1"));
            grid->addWidget(note, row++, 0, 1, 2);
        }
    }
    layout->addLayout(grid);

    if (pile) {
        m_choices = std::make_unique<TPileChoices>(Project());
        auto* choices = new QGridLayout;
        choices->setColumnStretch(0, 1);
        m_combos[0] = AddChoice(choices, 0, "ComboBox1", PileHeadLabel, TPileChoices::HeadItems(),
                                &TPileChoices::ComboBox1Change);
        m_combos[1] = AddChoice(choices, 1, "ComboBox2", PileTipLabel, TPileChoices::TipItems(),
                                &TPileChoices::ComboBox2Change);
        m_combos[2] = AddChoice(choices, 2, "ComboBox3", InteractionLabel, TPileChoices::InteractionItems(),
                                &TPileChoices::ComboBox3Change);
        layout->addSpacing(8);
        layout->addLayout(choices);
    }
    layout->addStretch(1);
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
    box->setFixedWidth(kFieldWidth);
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
