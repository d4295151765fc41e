#include "forms/mass_form.h"

#include "forms/mass_calculator.h"
#include "model/project.h"

namespace quavis {

namespace {

void Setup(TDataEditRules& field, const char* caption, const char* units, bool enabled = true)
{
    field.SetCaption(caption);
    field.SetUnitsString(units);
    field.SetEnabled(enabled);
}

} // namespace

TMassFormLogic::TMassFormLogic(TMassFormKind kind, TProject& project, Prompter& prompter)
    : m_kind(kind), m_project(project), m_lifecycle(project, prompter)
{
    Setup(TotalMass,
          kind == TMassFormKind::Footing ? "Total mass (self weight only) of the foundation"
                                         : "Total mass (including equipment) of footing",
          "F6");
    TotalMass.SetMinVal(-2147483648.0L);
    TotalMass.SetMaxVal(2147483647.0L);
    Setup(InertiaXX, "Mass moment of inertia about X-axis", "F6-L2^2");
    Setup(InertiaYY, "Mass moment of inertia about Y-axis", "F6-L2^2");
    Setup(InertiaZZ, "Mass moment of inertia about Z-axis", "F6-L2^2");
    Setup(ProductXY, "Cross product X-Y (product of inertia)", "F6-L2^2");
    Setup(ProductXZ, "Cross product X-Z (product of inertia)", "F6-L2^2");
    Setup(ProductYZ, "Cross product Y-Z (product of inertia)", "F6-L2^2");
    Setup(CbLocalX, "x-coord. of C.B.", "L2");
    Setup(CbLocalY, "y-coord. of C.B.", "L2");
    Setup(CbLocalZ, "z-coord. of C.B.", "L2");
    Setup(CgLocalX, "x-coord. of C.G.", "L2", false);
    Setup(CgLocalY, "y-coord. of C.G.", "L2", false);
    Setup(CgLocalZ, "z-coord. of C.G.", "L2", false);
    Setup(CbGlobalX, "X-coord. of C.B.", "L2", false);
    Setup(CbGlobalY, "Y-coord. of C.B.", "L2", false);
    Setup(CbGlobalZ, "Z-coord. of C.B.", "L2", false);

    // Every field with a unit string shows it in the project's system: a length labelled in feet in an
    // SI project would invite a wrong entry.
    m_lifecycle.Bind(TotalMass, &TProgramData::TotalMass);
    m_lifecycle.Bind(InertiaXX, &TProgramData::InertiaXX);
    m_lifecycle.Bind(InertiaYY, &TProgramData::InertiaYY);
    m_lifecycle.Bind(InertiaZZ, &TProgramData::InertiaZZ);
    m_lifecycle.Bind(ProductXY, &TProgramData::ProductXY);
    m_lifecycle.Bind(ProductXZ, &TProgramData::ProductXZ);
    m_lifecycle.Bind(ProductYZ, &TProgramData::ProductYZ);
    m_lifecycle.Bind(CbLocalX, &TProgramData::CbLocalX);
    m_lifecycle.Bind(CbLocalY, &TProgramData::CbLocalY);
    m_lifecycle.Bind(CbLocalZ, &TProgramData::CbLocalZ);
    m_lifecycle.Bind(CgLocalX, &TProgramData::CgLocalX);
    m_lifecycle.Bind(CgLocalY, &TProgramData::CgLocalY);
    m_lifecycle.Bind(CgLocalZ, &TProgramData::CgLocalZ);
    m_lifecycle.Bind(CbGlobalX, &TProgramData::CbGlobalX);
    m_lifecycle.Bind(CbGlobalY, &TProgramData::CbGlobalY);
    m_lifecycle.Bind(CbGlobalZ, &TProgramData::CbGlobalZ);

    m_lifecycle.AfterStore = [this] {
        if (!m_calculated) return;
        TProgramData& d = m_project.ProgramData();
        d.BaseX = d.CbGlobalX;
        d.BaseY = d.CbGlobalY;
        d.BaseZ = d.CbGlobalZ;
    };
}

const char* TMassFormLogic::Caption() const
{
    return m_kind == TMassFormKind::Footing ? "Mass Data" : "Pile Cap Properties";
}

const char* TMassFormLogic::MassGroupCaption() const
{
    return m_kind == TMassFormKind::Footing ? "Combined Mass (including self-weight) on Foundation  "
                                            : "Combined Mass (including Self-Weight of Pile Cap)";
}

TDataEditRules* TMassFormLogic::Calculate()
{
    for (TDataEditRules* field : {&CbLocalX, &CbLocalY, &CbLocalZ}) {
        if (!field->Validate(m_lifecycle.GetPrompter())) return field;
    }
    const TMassProperties p = ComputeMassProperties(MassComponentsOf(m_project.MassCal));
    const TMassFormResult r = MassFormResult(p, CbLocalX.Number(), CbLocalY.Number(), CbLocalZ.Number());
    if (r.HasMass) TotalMass.SetNumber(r.TotalMass);
    InertiaXX.SetNumber(r.InertiaXX);
    InertiaYY.SetNumber(r.InertiaYY);
    InertiaZZ.SetNumber(r.InertiaZZ);
    ProductXY.SetNumber(r.ProductXY);
    ProductXZ.SetNumber(r.ProductXZ);
    ProductYZ.SetNumber(r.ProductYZ);
    CgLocalX.SetNumber(r.CgLocalX);
    CgLocalY.SetNumber(r.CgLocalY);
    CgLocalZ.SetNumber(r.CgLocalZ);
    CbGlobalX.SetNumber(r.CbGlobalX);
    CbGlobalY.SetNumber(r.CbGlobalY);
    CbGlobalZ.SetNumber(r.CbGlobalZ);
    m_calculated = true;
    m_project.SetModified(true);
    return nullptr;
}

} // namespace quavis
