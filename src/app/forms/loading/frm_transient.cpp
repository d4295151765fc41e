#include "forms/loading/frm_transient.h"

#include "forms/transient_form.h"
#include "shell/main_form.h"

namespace quavis {

namespace {
const bool registered = [] {
    ChildFormMakers()[TTransientFormLogic::FormClass] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new Tfrmtransient(main);
    };
    return true;
}();
} // namespace

Tfrmtransient::Tfrmtransient(TMainForm& main)
    : TLoadingDataForm(main, TTransientFormLogic::FormClass, TTransientFormLogic::Caption, TTransientFormLogic::Fields())
{
    AddNoteWithButton(TTransientFormLogic::Note, TTransientFormLogic::ButtonCaption,
                      [this] { TTransientFormLogic::Button1Click(Project()); });
    FinishLayout();
}

} // namespace quavis
