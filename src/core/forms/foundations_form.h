#pragma once

#include <vector>

#include "forms/shape_form.h"

namespace quavis {

class TProject;

// The foundation data form ("Foundation Data") without its widgets: the global coordinates of the base
// and, for a stratum, the depths of the base and of the bedrock. A half-space has no bedrock, so the two
// depth fields are hidden there; they are stored all the same.
class TFoundationsFormLogic {
public:
    static constexpr const char* Caption = "Foundation Data";
    static constexpr const char* GroupCaption = "Global Coordinates of Foundation Base";
    // Indexes into Fields(); the first three are in the group.
    enum : std::size_t { BaseXField = 0, BaseYField, BaseZField, BaseDepthField, BedrockDepthField, GroupSize = 3 };

    explicit TFoundationsFormLogic(TProject& project) : m_project(project) {}

    // DataEdit1 .. DataEdit5.
    static const std::vector<TFormFieldDefinition>& Fields();

    // Hides the depth fields for a half-space and shows them for a stratum; other types leave them.
    void FormActivate();
    bool FieldVisible(std::size_t index) const { return index < BaseDepthField || m_depthsShown; }

private:
    TProject& m_project;
    bool m_depthsShown = true;
};

} // namespace quavis
