#include "forms/properties/frm_massdata.h"

#include "shell/main_form.h"

namespace quavis {

TfrmMassdata::TfrmMassdata(TMainForm& main, QWidget* parent)
    : TMassFormWindow(main, TMassFormKind::Footing, "TfrmMassdata", parent)
{
    setObjectName(QStringLiteral("frmMassdata"));
}

namespace {
const bool registered = [] {
    ChildFormMakers()["TfrmMassdata"] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TfrmMassdata(main);
    };
    return true;
}();
} // namespace

} // namespace quavis
