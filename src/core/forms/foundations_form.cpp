#include "forms/foundations_form.h"

#include "model/project.h"

namespace quavis {

const std::vector<TFormFieldDefinition>& TFoundationsFormLogic::Fields()
{
    static const std::vector<TFormFieldDefinition> fields = {
        {"DataEdit1", "X Coordinate (Xc)", "L2", &TProgramData::BaseX, FirstFieldMin, FirstFieldMax},
        {"DataEdit2", "Y Coordinate (Yc) ", "L2", &TProgramData::BaseY, NoMinVal, NoMaxVal},
        {"DataEdit3", "Z Coordinate (Zc) ", "L2", &TProgramData::BaseZ, NoMinVal, NoMaxVal},
        {"DataEdit4", "Depth from ground surface to base of foundation", "L2", &TProgramData::BaseDepth, NoMinVal,
         NoMaxVal},
        {"DataEdit5", "Depth from ground surface to bed rock (rigid underlying layer)", "L2",
         &TProgramData::BedrockDepth, NoMinVal, NoMaxVal},
    };
    return fields;
}

void TFoundationsFormLogic::FormActivate()
{
    const int32_t type = m_project.ProgramData().FoundationType;
    if (type == HalfSpaceFoundation)
        m_depthsShown = false;
    else if (type == StratumFoundation)
        m_depthsShown = true;
}

} // namespace quavis
