#include "forms/properties/frm_multimat.h"

#include "shell/main_form.h"

namespace quavis {

TfrmMultimat::TfrmMultimat(TMainForm& main, QWidget* parent)
    : TPilePropertiesWindow(main, TPilePropertiesKind::Multilayer, "TfrmMultimat", parent)
{
    setObjectName(QStringLiteral("frmMultimat"));
}

namespace {
const bool registered = [] {
    ChildFormMakers()["TfrmMultimat"] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TfrmMultimat(main);
    };
    return true;
}();
} // namespace

} // namespace quavis
