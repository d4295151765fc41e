#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "components/data_edit_rules.h"
#include "model/program_data.h"

namespace quavis {

class TFormLifecycle;

// One numeric field of a loading form: its name, label, units, the model member it edits, its mode and
// limits, and the group it stands in. The four loading forms are described by lists of these, so that the
// widgets only lay them out.
struct TLoadingField {
    std::string Name;                           // "DataEdit1", ...
    std::string Caption;
    std::string UnitsString;
    long double TProgramData::*Real = nullptr;  // exactly one of Real and Integer is set
    int32_t TProgramData::*Integer = nullptr;
    bool FollowsUnits = true;
    bool IntegerOnly = false;
    std::optional<long double> MinVal;
    std::optional<long double> MaxVal;
    bool InGroup = false;                       // stands in the form's group box

    // Caption, units, integer mode and limits onto a field's rules, as a new field is set up (its 0 is
    // brought within the limits).
    void Apply(TDataEditRules& rules) const;
    // Binds the rules to the model member in the form's life cycle.
    void Bind(TDataEditRules& rules, TFormLifecycle& lifecycle) const;
};

// A real field that follows the unit system, without limits; an integer-only one bound to an integer member.
TLoadingField RealField(std::string name, std::string caption, std::string units, long double TProgramData::*member);
TLoadingField IntegerField(std::string name, std::string caption, std::string units, int32_t TProgramData::*member);

// The non-quadratic harmonic loading form ("Harmonic Loading Data, NonQuadratic"): frequency range and
// step, force and moment amplitudes, and the point of application of the load.
struct THarmonicFormLogic {
    static constexpr const char* FormClass = "Tfrmharmonic";
    static constexpr const char* Caption = "Harmonic Loading Data, NonQuadratic";
    static constexpr const char* GroupCaption = "Point of Application of Load";

    // DataEdit1 .. DataEdit12 in order.
    static const std::vector<TLoadingField>& Fields();
};

// The twelve fields both harmonic forms edit, with the force and moment captions and units given; the
// frequency and load point fields are the same on both.
std::vector<TLoadingField> HarmonicFields(const std::string& forcePrefix, const std::string& momentPrefix,
                                          const std::string& forceUnits, const std::string& momentUnits);

} // namespace quavis
