#include "forms/mass_form.h"

#include "forms/mass_calculator.h"
#include "model/project.h"

namespace quavis {

namespace {

constexpr long double kInt32Min = -2147483648.0L;
constexpr long double kInt32Max = 2147483647.0L;

// The mass is "F6" (slug / Mg), the moments "F6-L2^2", the coordinates "L2". Every field with a unit
// string shows it in the project's system: a length labelled in feet in an SI project would invite a
// wrong entry.
const TMassFieldDefinition kFootingFields[MassFieldCount] = {
    {"DataEdit1", "Total mass (self weight only) of the foundation", "F6", &TProgramData::TotalMass, true,
     kInt32Min, kInt32Max},
    {"DataEdit2", "Mass moment of inertia about X-axis", "F6-L2^2", &TProgramData::InertiaXX, true},
    {"DataEdit3", "Mass moment of inertia about Y-axis", "F6-L2^2", &TProgramData::InertiaYY, true},
    {"DataEdit4", "Mass moment of inertia about Z-axis", "F6-L2^2", &TProgramData::InertiaZZ, true},
    {"DataEdit5", "Cross product X-Y (product of inertia)", "F6-L2^2", &TProgramData::ProductXY, true},
    {"DataEdit6", "Cross product X-Z (product of inertia)", "F6-L2^2", &TProgramData::ProductXZ, true},
    {"DataEdit7", "Cross product Y-Z (product of inertia)", "F6-L2^2", &TProgramData::ProductYZ, true},
    {"DataEdit11", "x-coord. of C.B.", "L2", &TProgramData::CbLocalX, true},
    {"DataEdit12", "y-coord. of C.B.", "L2", &TProgramData::CbLocalY, true},
    {"DataEdit13", "z-coord. of C.B.", "L2", &TProgramData::CbLocalZ, true},
    {"DataEdit8", "x-coord. of C.G.", "L2", &TProgramData::CgLocalX, false},
    {"DataEdit9", "y-coord. of C.G.", "L2", &TProgramData::CgLocalY, false},
    {"DataEdit10", "z-coord. of C.G.", "L2", &TProgramData::CgLocalZ, false},
    {"DataEdit14", "X-coord. of C.B.", "L2", &TProgramData::CbGlobalX, false},
    {"DataEdit15", "Y-coord. of C.B.", "L2", &TProgramData::CbGlobalY, false},
    {"DataEdit16", "Z-coord. of C.B.", "L2", &TProgramData::CbGlobalZ, false},
};

// The pile cap's twin: another mass caption and other control names.
TMassFieldDefinition PileCapField(int field)
{
    static const char* const names[MassFieldCount] = {
        "DataEdit5", "DataEdit6", "DataEdit7", "DataEdit8", "DataEdit9", "DataEdit10", "DataEdit11", "DataEdit4",
        "DataEdit12", "DataEdit13", "DataEdit1", "DataEdit2", "DataEdit3", "DataEdit14", "DataEdit15", "DataEdit16"};
    TMassFieldDefinition d = kFootingFields[field];
    d.Name = names[field];
    if (field == MassTotal) d.Caption = "Total mass (including equipment) of footing";
    return d;
}

const TMassFieldDefinition* PileCapFields()
{
    static const auto fields = [] {
        std::array<TMassFieldDefinition, MassFieldCount> a{};
        for (int i = 0; i < MassFieldCount; ++i) a[static_cast<std::size_t>(i)] = PileCapField(i);
        return a;
    }();
    return fields.data();
}

} // namespace

const TMassFieldDefinition& MassFieldDefinition(TMassFormKind kind, TMassField field)
{
    return kind == TMassFormKind::Footing ? kFootingFields[field] : PileCapFields()[field];
}

const char* MassFormCaption(TMassFormKind kind)
{
    return kind == TMassFormKind::Footing ? "Mass Data" : "Pile Cap Properties";
}

const char* MassGroupCaption(TMassFormKind kind, int group)
{
    switch (group) {
    case 0:
        return kind == TMassFormKind::Footing ? "Combined Mass (including self-weight) on Foundation  "
                                              : "Combined Mass (including Self-Weight of Pile Cap)";
    case 1: return "Local coordinates of C.B.";
    case 2: return "Computed Coordinates of C.G. in local coordinates";
    case 3: return "Computed Coordinates of C.B. in global coordinates";
    default: return "";
    }
}

const char* MassTableButtonName(TMassFormKind kind) { return kind == TMassFormKind::Footing ? "Button2" : "Button1"; }

const char* MassCalculateButtonName(TMassFormKind kind)
{
    return kind == TMassFormKind::Footing ? "Button1" : "Button2";
}

const char* MassFormExplanation()
{
    return "Either type the combined mass with its mass moments and products of inertia about the centre of "
           "gravity (C.G.), or list every mass component (equipment and self-weight) in the table and let the "
           "program calculate them.\n\n"
           "To calculate: enter the local coordinates of the centre of the base (C.B.), press \"Input all the "
           "mass components\" and fill the table, then press \"Calculate mass moment of inertia\". The program "
           "then also shows the C.G. in local coordinates and the C.B. in global coordinates, which become the "
           "base coordinates of the foundation when you leave the form.";
}

void SetupMassField(TMassFormKind kind, TMassField field, TDataEditRules& rules)
{
    const TMassFieldDefinition& d = MassFieldDefinition(kind, field);
    rules.SetCaption(d.Caption);
    rules.SetUnitsString(d.Units);
    rules.SetEnabled(d.Enabled);
    rules.SetMinVal(d.MinVal);
    rules.SetMaxVal(d.MaxVal);
}

TMassFormSteps::TMassFormSteps(TProject& project, Prompter& prompter, const TFields& fields)
    : m_project(project), m_prompter(prompter), m_fields(fields)
{
}

TDataEditRules* TMassFormSteps::Calculate()
{
    for (int i : {MassCbLocalX, MassCbLocalY, MassCbLocalZ}) {
        if (!m_fields[i]->Validate(m_prompter)) return m_fields[i];
    }
    const TMassProperties p = ComputeMassProperties(MassComponentsOf(m_project.MassCal));
    const TMassFormResult r = MassFormResult(p, m_fields[MassCbLocalX]->Number(), m_fields[MassCbLocalY]->Number(),
                                             m_fields[MassCbLocalZ]->Number());
    if (r.HasMass) m_fields[MassTotal]->SetNumber(r.TotalMass);
    m_fields[MassInertiaXX]->SetNumber(r.InertiaXX);
    m_fields[MassInertiaYY]->SetNumber(r.InertiaYY);
    m_fields[MassInertiaZZ]->SetNumber(r.InertiaZZ);
    m_fields[MassProductXY]->SetNumber(r.ProductXY);
    m_fields[MassProductXZ]->SetNumber(r.ProductXZ);
    m_fields[MassProductYZ]->SetNumber(r.ProductYZ);
    m_fields[MassCgLocalX]->SetNumber(r.CgLocalX);
    m_fields[MassCgLocalY]->SetNumber(r.CgLocalY);
    m_fields[MassCgLocalZ]->SetNumber(r.CgLocalZ);
    m_fields[MassCbGlobalX]->SetNumber(r.CbGlobalX);
    m_fields[MassCbGlobalY]->SetNumber(r.CbGlobalY);
    m_fields[MassCbGlobalZ]->SetNumber(r.CbGlobalZ);
    m_calculated = true;
    m_project.SetModified(true);
    return nullptr;
}

void TMassFormSteps::AfterStore()
{
    if (!m_calculated) return;
    TProgramData& d = m_project.ProgramData();
    d.BaseX = d.CbGlobalX;
    d.BaseY = d.CbGlobalY;
    d.BaseZ = d.CbGlobalZ;
}

TMassFormLogic::TMassFormLogic(TMassFormKind kind, TProject& project, Prompter& prompter)
    : m_kind(kind), m_lifecycle(project, prompter), m_steps(project, prompter, Fields())
{
    const TMassFormSteps::TFields fields = Fields();
    for (int i = 0; i < MassFieldCount; ++i) {
        const auto field = static_cast<TMassField>(i);
        SetupMassField(kind, field, *fields[i]);
        m_lifecycle.Bind(*fields[i], MassFieldDefinition(kind, field).Member);
    }
    m_lifecycle.AfterStore = [this] { m_steps.AfterStore(); };
}

TMassFormSteps::TFields TMassFormLogic::Fields()
{
    return {&TotalMass, &InertiaXX, &InertiaYY, &InertiaZZ, &ProductXY, &ProductXZ, &ProductYZ, &CbLocalX,
            &CbLocalY,  &CbLocalZ,  &CgLocalX,  &CgLocalY,  &CgLocalZ,  &CbGlobalX, &CbGlobalY, &CbGlobalZ};
}

} // namespace quavis
