#include "forms/shape_form.h"

#include "components/data_edit_rules.h"
#include "model/project.h"

namespace quavis {

void ApplyFieldDefinition(TDataEditRules& field, const TFormFieldDefinition& definition)
{
    field.SetCaption(definition.Caption);
    field.SetUnitsString(definition.Units);
    field.SetMinVal(definition.MinVal);
    field.SetMaxVal(definition.MaxVal);
}

const std::vector<TFormFieldDefinition>& TShapeFormLogic::Fields()
{
    static const std::vector<TFormFieldDefinition> fields = {
        {"DataEdit1", "Radius", "L2", &TProgramData::Radius, FirstFieldMin, FirstFieldMax},
        {"DataEdit2", "Length x, ", "L2", &TProgramData::LengthX, NoMinVal, NoMaxVal},
        {"DataEdit3", "Width y, ", "L2", &TProgramData::WidthY, NoMinVal, NoMaxVal},
    };
    return fields;
}

void TShapeFormLogic::FormActivate()
{
    const int32_t shape = m_project.ProgramData().ShapeCircular;
    m_rectangular = shape == RectangularShape;
    m_circular = shape == CircularShape;
    Show(m_circular);
}

void TShapeFormLogic::RadioButton1Click()
{
    m_rectangular = true;
    m_circular = false;
    SetShape(RectangularShape);
    Show(false);
}

void TShapeFormLogic::RadioButton2Click()
{
    m_rectangular = false;
    m_circular = true;
    SetShape(CircularShape);
    Show(true);
}

void TShapeFormLogic::SetShape(int32_t shape)
{
    int32_t& current = m_project.ProgramData().ShapeCircular;
    if (current == shape) return;
    current = shape;
    m_project.SetModified(true);
}

void TShapeFormLogic::Show(bool circular) { m_radiusShown = circular; }

bool TShapeFormLogic::FieldVisible(std::size_t index) const
{
    return index == RadiusField ? m_radiusShown : !m_radiusShown;
}

} // namespace quavis
