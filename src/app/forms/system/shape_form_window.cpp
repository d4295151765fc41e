#include "forms/system/shape_form_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QRadioButton>
#include <QVBoxLayout>

#include "entry/data_edit.h"
#include "forms/system/form_fields.h"
#include "shell/main_form.h"

namespace quavis {

namespace {
const bool registered = [] {
    ChildFormMakers()["TfrmShape"] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TfrmShape(main);
    };
    return true;
}();

// Checks a radio button or, unlike the toolkit's exclusive group, clears it.
void SetChecked(QRadioButton* button, bool checked)
{
    button->setAutoExclusive(false);
    button->setChecked(checked);
    button->setAutoExclusive(true);
}
} // namespace

TfrmShape::TfrmShape(TMainForm& main, QWidget* parent)
    : TDataForm(main, "TfrmShape", QString::fromLatin1(TShapeFormLogic::Caption), parent), m_logic(Project())
{
    setObjectName(QStringLiteral("frmShape"));
    auto* group = new QGroupBox(QString::fromLatin1(TShapeFormLogic::GroupCaption), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    m_rectangular = new QRadioButton(QString::fromLatin1(TShapeFormLogic::RectangularCaption), group);
    m_rectangular->setObjectName(QStringLiteral("RadioButton1"));
    m_circular = new QRadioButton(QString::fromLatin1(TShapeFormLogic::CircularCaption), group);
    m_circular->setObjectName(QStringLiteral("RadioButton2"));
    auto* buttons = new QHBoxLayout(group);
    buttons->addWidget(m_rectangular);
    buttons->addWidget(m_circular);
    buttons->addStretch(1);

    auto* grid = new QGridLayout;
    m_fields = AddDefinedFields(*this, TShapeFormLogic::Fields(), grid);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(grid);
    layout->addStretch(1);

    connect(m_rectangular, &QRadioButton::clicked, this, [this] {
        m_logic.RadioButton1Click();
        ShowShape();
    });
    connect(m_circular, &QRadioButton::clicked, this, [this] {
        m_logic.RadioButton2Click();
        ShowShape();
    });
    adjustSize();
}

void TfrmShape::Load()
{
    m_logic.FormActivate();
    ShowShape();
}

void TfrmShape::ShowShape()
{
    SetChecked(m_rectangular, m_logic.RectangularChecked());
    SetChecked(m_circular, m_logic.CircularChecked());
    for (std::size_t i = 0; i < m_fields.size(); ++i) ShowField(*this, m_fields[i], m_logic.FieldVisible(i));
}

} // namespace quavis
