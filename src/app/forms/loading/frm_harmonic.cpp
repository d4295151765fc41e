#include "forms/loading/frm_harmonic.h"

#include "shell/main_form.h"

namespace quavis {

namespace {
const bool registered = [] {
    ChildFormMakers()[THarmonicFormLogic::FormClass] = [](TMainForm& main, const TDispatchRequest&) -> QWidget* {
        return new Tfrmharmonic(main);
    };
    return true;
}();
} // namespace

Tfrmharmonic::Tfrmharmonic(TMainForm& main)
    : TLoadingDataForm(main, THarmonicFormLogic::FormClass, THarmonicFormLogic::Caption, THarmonicFormLogic::Fields(),
                       THarmonicFormLogic::GroupCaption)
{
    FinishLayout();
}

} // namespace quavis
