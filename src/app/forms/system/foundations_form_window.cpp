#include "forms/system/foundations_form_window.h"

#include <QGridLayout>
#include <QGroupBox>
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
    const auto& specs = TFoundationsFormLogic::Fields();
    const auto groupEnd = specs.begin() + TFoundationsFormLogic::GroupSize;

    auto* group = new QGroupBox(QString::fromLatin1(TFoundationsFormLogic::GroupCaption), this);
    group->setObjectName(QStringLiteral("GroupBox1"));
    auto* coordinates = new QGridLayout(group);
    m_fields = AddSpecFields(*this, std::vector<TFormFieldSpec>(specs.begin(), groupEnd), coordinates);
    auto* depthsGrid = new QGridLayout;
    for (TDataEdit* field : AddSpecFields(*this, std::vector<TFormFieldSpec>(groupEnd, specs.end()), depthsGrid))
        m_fields.push_back(field);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(depthsGrid);
    layout->addStretch(1);
    resize(560, 230);
}

void TfrmFoundations::Load()
{
    m_logic.FormActivate();
    for (std::size_t i = 0; i < m_fields.size(); ++i) ShowField(*this, m_fields[i], m_logic.FieldVisible(i));
}

} // namespace quavis
