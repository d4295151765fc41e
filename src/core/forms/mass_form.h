#pragma once

#include <array>
#include <limits>

#include "components/data_edit_rules.h"
#include "forms/form_lifecycle.h"

namespace quavis {

// The two twin mass forms: footings ("Mass Data") and pile caps ("Pile Cap Properties").
enum class TMassFormKind { Footing, PileCap };

// The sixteen fields of the mass forms, in the order of their groups: the seven mass values, the local
// base centre typed by the user, then the computed centre of gravity and global base centre (read-only).
enum TMassField : int {
    MassTotal,
    MassInertiaXX, MassInertiaYY, MassInertiaZZ,
    MassProductXY, MassProductXZ, MassProductYZ,
    MassCbLocalX, MassCbLocalY, MassCbLocalZ,
    MassCgLocalX, MassCgLocalY, MassCgLocalZ,
    MassCbGlobalX, MassCbGlobalY, MassCbGlobalZ,
    MassFieldCount
};

struct TMassFieldDefinition {
    const char* Name; // the control's name on the form
    const char* Caption;
    const char* Units;
    long double TProgramData::*Member;
    bool Enabled;
    long double MinVal = -std::numeric_limits<long double>::max();
    long double MaxVal = std::numeric_limits<long double>::max();
};

const TMassFieldDefinition& MassFieldDefinition(TMassFormKind kind, TMassField field);
const char* MassFormCaption(TMassFormKind kind);
// The captions of the four groups: the mass values, the local base centre, the centre of gravity and the
// global base centre.
const char* MassGroupCaption(TMassFormKind kind, int group);
inline constexpr const char* MassTableButtonCaption = "Input all the mass components";
inline constexpr const char* MassCalculateButtonCaption = "Calculate mass moment of inertia";
// The control names of the two buttons differ between the twins.
const char* MassTableButtonName(TMassFormKind kind);
const char* MassCalculateButtonName(TMassFormKind kind);
// How to use the form, shown beside the fields.
const char* MassFormExplanation();

// Caption, units, limits and enabled state of a field.
void SetupMassField(TMassFormKind kind, TMassField field, TDataEditRules& rules);

// The form's own steps over its sixteen fields, wherever these live (a window's entry fields or the
// headless form below): the calculator, which fills them from the mass components table, and the
// base-coordinate step, which after a calculation gives the base coordinates the global base centre.
class TMassFormSteps {
public:
    using TFields = std::array<TDataEditRules*, MassFieldCount>;

    TMassFormSteps(TProject& project, Prompter& prompter, const TFields& fields);

    // "Calculate mass moment of inertia". The local base centre must hold valid entries; a faulty one is
    // reported and refused (returned), and nothing is calculated.
    TDataEditRules* Calculate();
    bool Calculated() const { return m_calculated; }
    // After the fields were stored on leaving the form.
    void AfterStore();

private:
    TProject& m_project;
    Prompter& m_prompter;
    TFields m_fields;
    bool m_calculated = false;
};

// A mass form without widgets: its fields, its life cycle and its steps.
class TMassFormLogic {
public:
    TMassFormLogic(TMassFormKind kind, TProject& project, Prompter& prompter);

    const char* Caption() const { return MassFormCaption(m_kind); }
    const char* MassGroupCaption() const { return quavis::MassGroupCaption(m_kind, 0); }

    TDataEditRules TotalMass;
    TDataEditRules InertiaXX, InertiaYY, InertiaZZ;
    TDataEditRules ProductXY, ProductXZ, ProductYZ;
    TDataEditRules CbLocalX, CbLocalY, CbLocalZ;
    TDataEditRules CgLocalX, CgLocalY, CgLocalZ;     // disabled
    TDataEditRules CbGlobalX, CbGlobalY, CbGlobalZ;  // disabled

    void FormActivate() { m_lifecycle.Activate(); }
    TFormCommitResult FormDeactivate(TDataEditRules* focused) { return m_lifecycle.Deactivate(focused); }
    TFormCommitResult FormClose(TDataEditRules* focused) { return m_lifecycle.Close(focused); }
    void FieldChanged() { m_lifecycle.Changed(); }
    TFormLifecycle& Lifecycle() { return m_lifecycle; }

    TDataEditRules* Calculate() { return m_steps.Calculate(); }
    bool Calculated() const { return m_steps.Calculated(); }

private:
    TMassFormSteps::TFields Fields();

    TMassFormKind m_kind;
    TFormLifecycle m_lifecycle;
    TMassFormSteps m_steps;
};

} // namespace quavis
