#pragma once

#include "components/data_edit_rules.h"
#include "forms/form_lifecycle.h"

namespace quavis {

// The two twin mass forms: footings ("Mass Data") and pile caps ("Pile Cap Properties").
enum class TMassFormKind { Footing, PileCap };

// The fields and commands the mass forms share, without widgets: the seven mass values, the local base
// centre typed by the user, and the computed centre of gravity and global base centre (read-only).
// The calculator fills them from the mass components table; the base coordinates take the global base
// centre on leaving the form only after a calculation.
class TMassFormLogic {
public:
    TMassFormLogic(TMassFormKind kind, TProject& project, Prompter& prompter);

    const char* Caption() const;
    const char* MassGroupCaption() const;

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

    // "Calculate mass moment of inertia". The local base centre must hold valid entries; a faulty one is
    // reported and refused (returned), and nothing is calculated.
    TDataEditRules* Calculate();
    bool Calculated() const { return m_calculated; }

private:
    TMassFormKind m_kind;
    TProject& m_project;
    TFormLifecycle m_lifecycle;
    bool m_calculated = false;
};

} // namespace quavis
