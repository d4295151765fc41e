#pragma once

#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "model/program_data.h"

namespace quavis {

class TDataEditRules;
class TProject;

// One numeric field of an input form: its component name, caption, unit string, model member and limits.
// The widget makes the field from it; the unit follows the project's unit system.
struct TFormFieldDefinition {
    const char* Name;
    const char* Caption;
    const char* Units;
    long double TProgramData::*Member;
    long double MinVal;
    long double MaxVal;
};

// The limits of the first field of the geometry forms, and of a field without limits.
inline constexpr long double FirstFieldMin = -2147483648.0L;
inline constexpr long double FirstFieldMax = 2147483647.0L;
inline constexpr long double NoMinVal = -std::numeric_limits<long double>::max();
inline constexpr long double NoMaxVal = std::numeric_limits<long double>::max();

// Caption, units and limits of a field definition given to the field's rules.
void ApplyFieldDefinition(TDataEditRules& field, const TFormFieldDefinition& definition);

// The foundation shape form ("Foundation Shape") without its widgets: rectangular or circular, with the
// radius for a circle and the length and width for a rectangle. The shape takes effect in the model as
// soon as a button is clicked; the fields of the other shape are hidden but keep their values and are
// stored with the others.
class TShapeFormLogic {
public:
    static constexpr const char* Caption = "Foundation Shape";
    static constexpr const char* GroupCaption = "Shape";
    static constexpr const char* RectangularCaption = "Rectangular";
    static constexpr const char* CircularCaption = "Circular";
    // Indexes into Fields().
    enum : std::size_t { RadiusField = 0, LengthField = 1, WidthField = 2 };

    explicit TShapeFormLogic(TProject& project) : m_project(project) {}

    // DataEdit1 .. DataEdit3.
    static const std::vector<TFormFieldDefinition>& Fields();

    // Checks the button of the model's shape (neither for a shape without a page here) and shows the
    // fields that go with it.
    void FormActivate();
    // "Rectangular" and "Circular" clicked; a shape that really changes marks the project modified.
    void RadioButton1Click();
    void RadioButton2Click();

    bool RectangularChecked() const { return m_rectangular; }
    bool CircularChecked() const { return m_circular; }
    bool FieldVisible(std::size_t index) const;

private:
    void SetShape(int32_t shape);
    void Show(bool circular);

    TProject& m_project;
    bool m_rectangular = false;
    bool m_circular = false;
    bool m_radiusShown = true;
};

} // namespace quavis
