#pragma once

#include <vector>

#include "forms/shape_form.h"

namespace quavis {

// The form of the soil below the footing or the pile tips ("Soil Below The Footing"): four numeric fields
// and nothing of its own beyond the shared life cycle.
class TTipsoilFormLogic {
public:
    static constexpr const char* Caption = "Soil Below The Footing";

    // DataEdit1 .. DataEdit4.
    static const std::vector<TFormFieldDefinition>& Fields();
};

} // namespace quavis
