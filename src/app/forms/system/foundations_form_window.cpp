#include "forms/system/foundations_form_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QStyle>
#include <QVBoxLayout>

#include "entry/data_edit.h"
#include "forms/system/form_fields.h"
#include "shell/main_form.h"

namespace quavis {

namespace {
const bool registered = [] {
    ChildFormMakers()["TfrmFoundations"] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TfrmFoundations(main);
    };
    return true;
}();
} // namespace

TfrmFoundations::TfrmFoundations(TMainForm& main, QWidget* parent)
    : TDataForm(main, "TfrmFoundations", QString::fromLatin1(TFoundationsFormLogic::Caption), parent),
      m_logic(Project())
{
    setObjectName(QStringLiteral("frmFoundations"));
    const auto& definitions = TFoundationsFormLogic::Fields();
    const auto groupEnd = definitions.begin() + TFoundationsFormLogic::GroupSize;

    auto* group = new QGroupBox(QString::fromLatin1(TFoundationsFormLogic::GroupCaption), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* coordinates = new QGridLayout(group);
    m_fields = AddDefinedFields(*this, std::vector<TFormFieldDefinition>(definitions.begin(), groupEnd), coordinates);
    // The depth fields sit outside the group, their right edge in line with the coordinates'.
    auto* depths = new QWidget(this);
    auto* depthsGrid = new QGridLayout(depths);
    const QMargins inGroup = coordinates->contentsMargins();
    depthsGrid->setContentsMargins(0, 0, inGroup.right() + 2 * group->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 1, 0);
    for (TDataEdit* field : AddDefinedFields(*this, std::vector<TFormFieldDefinition>(groupEnd, definitions.end()), depthsGrid))
        m_fields.push_back(field);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addWidget(depths);
    layout->addStretch(1);
    // Sized for the fields the project's type shows.
    m_logic.FormActivate();
    for (std::size_t i = 0; i < m_fields.size(); ++i) ShowField(*this, m_fields[i], m_logic.FieldVisible(i));
    adjustSize();
}

void TfrmFoundations::Load()
{
    m_logic.FormActivate();
    bool changed = false;
    for (std::size_t i = 0; i < m_fields.size(); ++i) {
        changed = changed || m_fields[i]->isHidden() == m_logic.FieldVisible(i);
        ShowField(*this, m_fields[i], m_logic.FieldVisible(i));
    }
    // Hidden depths leave no empty band at the bottom of the window.
    if (changed) FitWindow(*this);
}

} // namespace quavis
