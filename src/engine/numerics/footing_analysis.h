#pragma once

#include "numerics/diagnostics.h"
#include "numerics/footing_impedance.h"
#include "numerics/frequency_grid.h"
#include "numerics/rigid_body.h"

#include <memory>
#include <string>
#include <vector>

namespace quavis::numerics {

enum class FootingFoundation { HalfSpace, Stratum };

// Everything a footing analysis needs, in one consistent unit system (English: lbs, ft, slug; SI: kN, m, Mg)
// with the gravity of that system. Axes: x, y horizontal, z down.
struct FootingProblem {
    FootingFoundation foundation = FootingFoundation::HalfSpace;
    FootingGeometry geometry;
    // Half-space: the soil below the base. Stratum: the stratum's soil.
    SoilProperties below;
    // Half-space: the side layers from the surface down; their thicknesses add up to the embedment.
    std::vector<SideLayerInput> sideLayers;
    // Stratum: depths of the base and of the rock below the ground surface.
    double baseDepth = 0.0;
    double bedrockDepth = 0.0;

    RigidBodyMass mass;
    // Base centre relative to the centre of gravity (BaseZ > 0: the base lies below the centre of gravity).
    Vector3 baseOffset;
    HarmonicLoad load;
    FrequencyRange frequencies; // rad/s
    double gravity = 9.81;
    double weakZoneThicknessRatio = 0.1;
    bool computeResponse = true;
};

struct FootingResult {
    Diagnostics diagnostics;
    std::vector<std::string> methods;
    StaticStiffness statics;
    std::vector<double> omegas;        // rad/s
    std::vector<Matrix6c> impedances;  // about the base centre, one per frequency
    std::vector<Vector6c> amplitudes;  // at the centre of gravity, one per frequency (when computed)

    // True when the results are complete; after an error every result list is empty.
    bool Succeeded() const { return !diagnostics.HasErrors(); }
};

// Checks the input and returns the copy to compute with: values out of range that still allow an analysis
// are replaced and reported as warnings (Poisson's ratio 0.5 or above is taken at 0.499); values that do not
// give errors.
FootingProblem ValidateFootingProblem(const FootingProblem& problem, Diagnostics& diagnostics);

// The impedance model of a validated problem.
std::unique_ptr<FootingImpedanceModel> MakeImpedanceModel(const FootingProblem& validated);

// Validates, computes the impedances at every frequency and, when asked, the harmonic response at the centre
// of gravity. Never throws for bad input: every problem is in the diagnostics.
FootingResult RunFootingAnalysis(const FootingProblem& problem);

} // namespace quavis::numerics
