#include "forms/tipsoil_form.h"

namespace quavis {

const std::vector<TFormFieldDefinition>& TTipsoilFormLogic::Fields()
{
    static const std::vector<TFormFieldDefinition> fields = {
        {"DataEdit1", "Shear wave velocity", "L2/F5", &TProgramData::BelowShearWaveVelocity, FirstFieldMin,
         FirstFieldMax},
        {"DataEdit2", "Unit weight", "F/L2^3", &TProgramData::BelowUnitWeight, NoMinVal, NoMaxVal},
        {"DataEdit3", "Poisson's ratio", "", &TProgramData::BelowPoisson, NoMinVal, NoMaxVal},
        {"DataEdit4", "Material damping", "", &TProgramData::BelowDamping, NoMinVal, NoMaxVal},
    };
    return fields;
}

} // namespace quavis
