#include "forms/loading/frm_quad.h"

#include "forms/quad_form.h"
#include "shell/main_form.h"

namespace quavis {

namespace {
const bool registered = [] {
    ChildFormMakers()[TQuadFormLogic::FormClass] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new TfrmQuad(main);
    };
    return true;
}();
} // namespace

TfrmQuad::TfrmQuad(TMainForm& main)
    : TLoadingDataForm(main, TQuadFormLogic::FormClass, TQuadFormLogic::Caption, TQuadFormLogic::Fields(),
                       TQuadFormLogic::GroupCaption)
{
    AddNote(TQuadFormLogic::NoteLine1);
    AddNote(TQuadFormLogic::NoteLine2);
    FinishLayout();
}

} // namespace quavis
