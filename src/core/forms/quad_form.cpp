#include "forms/quad_form.h"

namespace quavis {

const std::vector<TLoadingField>& TQuadFormLogic::Fields()
{
    // Coefficients: mass x length for a force, mass x length^2 for a moment.
    static const std::vector<TLoadingField> fields =
        HarmonicFields("Force Coefficient", "Moment Coefficient", "F6-L2", "F6-L2^2");
    return fields;
}

} // namespace quavis
