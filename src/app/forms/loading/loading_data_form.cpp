#include "forms/loading/loading_data_form.h"

#include <algorithm>
#include <exception>

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "entry/data_edit.h"
#include "shell/main_form.h"
#include "shell/prompter.h"

namespace quavis {

namespace {

// Room for an 18-digit value.
constexpr int FieldWidth = 150;
constexpr int MinimumWidth = 460;

void AddRow(QGridLayout* grid, QLabel* label, TDataEdit* edit)
{
    const int row = grid->rowCount();
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    edit->setFixedWidth(FieldWidth);
    grid->addWidget(label, row, 0);
    grid->addWidget(edit, row, 1);
}

QGridLayout* MakeGrid()
{
    auto* grid = new QGridLayout;
    grid->setColumnStretch(0, 1);
    grid->setHorizontalSpacing(12);
    return grid;
}

} // namespace

TLoadingDataForm::TLoadingDataForm(TMainForm& main, const std::string& formClass, const char* caption,
                                   const std::vector<TLoadingField>& fields, const char* groupCaption)
    : TDataForm(main, formClass, QString::fromLatin1(caption))
{
    // Named as the other forms are: the class name without its prefix.
    setObjectName(QString::fromStdString(formClass.substr(1)));
    m_layout = new QVBoxLayout(this);
    QGridLayout* plain = MakeGrid();
    QGridLayout* grouped = nullptr;
    for (const TLoadingField& definition : fields) {
        TDataEdit* edit = definition.Integer ? AddField(definition.Integer, definition.Caption, definition.UnitsString, definition.FollowsUnits)
                                       : AddField(definition.Real, definition.Caption, definition.UnitsString, definition.FollowsUnits);
        definition.Apply(edit->Rules());
        edit->SyncFromRules();
        edit->setObjectName(QString::fromStdString(definition.Name));
        QLabel* label = LabelOf(edit);
        label->setObjectName(QString::fromStdString("Label_" + definition.Name));
        if (definition.InGroup) {
            if (!grouped) grouped = MakeGrid();
            AddRow(grouped, label, edit);
        } else {
            AddRow(plain, label, edit);
        }
    }
    m_layout->addLayout(plain);
    if (grouped) {
        auto* box = new QGroupBox(QString::fromLatin1(groupCaption ? groupCaption : ""), this);
        box->setObjectName(QStringLiteral("GroupBox1"));
        box->setLayout(grouped);
        m_layout->addWidget(box);
        // The fields outside the box stand in the same columns as those inside it.
        const QMargins inner = grouped->contentsMargins();
        const int frame = box->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, box);
        plain->setContentsMargins(inner.left() + 2 * frame, 0, inner.right() + 2 * frame, 0);
    }
}

void TLoadingDataForm::AddNote(const char* text)
{
    auto* note = new QLabel(QString::fromLatin1(text), this);
    note->setObjectName(QStringLiteral("Note%1").arg(++m_notes));
    m_layout->addWidget(note);
}

QPushButton* TLoadingDataForm::AddNoteWithButton(const char* note, const char* caption, std::function<void()> onClick)
{
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QString::fromLatin1(note), this);
    label->setObjectName(QStringLiteral("Note%1").arg(++m_notes));
    label->setWordWrap(true);
    auto* button = new QPushButton(QString::fromLatin1(caption), this);
    button->setObjectName(QStringLiteral("Button1"));
    row->addWidget(label, 1);
    row->addWidget(button, 0, Qt::AlignVCenter);
    m_layout->addSpacing(6);
    m_layout->addLayout(row);
    connect(button, &QPushButton::clicked, this, [this, onClick = std::move(onClick)] {
        // No failure of a table's window may escape the click.
        try {
            onClick();
        } catch (const std::exception& e) {
            GetPrompter().ShowMessage(e.what(), TMessageKind::Error);
        }
    });
    return button;
}

void TLoadingDataForm::FinishLayout()
{
    m_layout->addStretch(1);
    // Wide enough for a note on two lines.
    QSize size = sizeHint();
    size.setWidth(std::max(size.width(), MinimumWidth));
    resize(size);
}

} // namespace quavis
