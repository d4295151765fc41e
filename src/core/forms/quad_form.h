#pragma once

#include <vector>

#include "forms/harmonic_form.h"

namespace quavis {

// The quadratic harmonic loading form ("Harmonic Loading Data, Quadratic"): the twin of the
// non-quadratic form over the same model fields, where forces and moments are coefficients that the
// square of the frequency multiplies. It exists from the program's start, hidden.
struct TQuadFormLogic {
    static constexpr const char* FormClass = "TfrmQuad";
    static constexpr const char* Caption = "Harmonic Loading Data, Quadratic";
    static constexpr const char* GroupCaption = THarmonicFormLogic::GroupCaption;
    static constexpr const char* NoteLine1 = "Note: Force (or Moment) is equal to the  Force (Moment)  Coefficient ";
    static constexpr const char* NoteLine2 = "times the square of the frequency.";

    // DataEdit1 .. DataEdit12 in order.
    static const std::vector<TLoadingField>& Fields();
};

} // namespace quavis
