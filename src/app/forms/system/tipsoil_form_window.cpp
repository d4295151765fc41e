#include "forms/system/tipsoil_form_window.h"

#include <QGridLayout>
#include <QVBoxLayout>

#include "forms/system/form_fields.h"
#include "forms/tipsoil_form.h"
#include "shell/main_form.h"

namespace quavis {

namespace {
const bool registered = [] {
    ChildFormMakers()["TfrmTipsoil"] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TfrmTipsoil(main);
    };
    return true;
}();
} // namespace

TfrmTipsoil::TfrmTipsoil(TMainForm& main, QWidget* parent)
    : TDataForm(main, "TfrmTipsoil", QString::fromLatin1(TTipsoilFormLogic::Caption), parent)
{
    setObjectName(QStringLiteral("frmTipsoil"));
    auto* grid = new QGridLayout;
    m_fields = AddDefinedFields(*this, TTipsoilFormLogic::Fields(), grid);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addStretch(1);
    adjustSize();
}

} // namespace quavis
