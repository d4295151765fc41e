#include "forms/properties/frm_c_pile_properties.h"

#include "shell/main_form.h"

namespace quavis {

TfrmCPileProperties::TfrmCPileProperties(TMainForm& main, QWidget* parent)
    : TPilePropertiesWindow(main, TPilePropertiesKind::Pile, "TfrmCPileProperties", parent)
{
    setObjectName(QStringLiteral("frmCPileProperties"));
}

namespace {
const bool registered = [] {
    ChildFormMakers()["TfrmCPileProperties"] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TfrmCPileProperties(main);
    };
    return true;
}();
} // namespace

} // namespace quavis
