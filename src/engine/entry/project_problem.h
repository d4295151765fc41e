#pragma once

#include "numerics/footing_analysis.h"

#include <string>

namespace quavis {
class TProject;
}

namespace quavis::engine {

// Gravity of each unit system. English takes 9.81 m/s^2 in feet (32.185 ft/s^2) rather than the rounded
// 32.2, so that one foundation described in either system has the same density and the same results.
double GravityOf(int unitSystem);

// A project as the footing analysis sees it.
struct TProjectProblem {
    // Empty when the engine computes this project; otherwise why it does not, in plain words.
    std::string Unsupported;
    numerics::FootingProblem Problem;
    int UnitSystem = 2;
    bool WriteMatrix = true;
    std::string Title;
    std::string FoundationKeyword;
};

// Maps a half-space or stratum project under harmonic loading onto the footing problem (frequencies in rad/s
// as the project file carries them, base centre and load point about the centre of gravity). Pile and
// multilayer foundations and transient and random loading are reported as not yet supported.
TProjectProblem ProblemOfProject(const TProject& project);

} // namespace quavis::engine
