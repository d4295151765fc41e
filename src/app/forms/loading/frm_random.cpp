#include "forms/loading/frm_random.h"

#include "forms/random_form.h"
#include "shell/main_form.h"

namespace quavis {

namespace {
const bool registered = [] {
    ChildFormMakers()[TRandomFormLogic::FormClass] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new Tfrmrandom(main);
    };
    return true;
}();
} // namespace

Tfrmrandom::Tfrmrandom(TMainForm& main)
    : TLoadingDataForm(main, TRandomFormLogic::FormClass, TRandomFormLogic::Caption, TRandomFormLogic::Fields())
{
    AddNoteWithButton(TRandomFormLogic::Note, TRandomFormLogic::ButtonCaption,
                      [this] { TRandomFormLogic::Button1Click(Project()); });
    FinishLayout();
}

} // namespace quavis
