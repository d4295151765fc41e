#include "forms/properties/frm_nc_pile_properties.h"

#include "shell/main_form.h"

namespace quavis {

TfrmNCPileProperties::TfrmNCPileProperties(TMainForm& main, QWidget* parent)
    : TMassFormWindow(main, TMassFormKind::PileCap, "TfrmNCPileProperties", parent)
{
    setObjectName(QStringLiteral("frmNCPileProperties"));
}

namespace {
const bool registered = [] {
    ChildFormMakers()["TfrmNCPileProperties"] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TfrmNCPileProperties(main);
    };
    return true;
}();
} // namespace

} // namespace quavis
