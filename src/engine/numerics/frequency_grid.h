#pragma once

#include "numerics/diagnostics.h"

#include <vector>

namespace quavis::numerics {

// Harmonic analysis range in circular frequencies (rad/s).
struct FrequencyRange {
    double minimum = 0.0;
    double maximum = 0.0;
    double step = 0.0;
};

constexpr long kMaxFrequencies = 100000;

// minimum, minimum + step, ... up to the maximum, the last point included when it falls within a millionth of
// a step of it. A zero frequency is left out (the damping coefficient K2 / omega has no value there). Bad
// ranges give an error and no frequencies.
std::vector<double> HarmonicFrequencies(const FrequencyRange& range, Diagnostics& diagnostics);

} // namespace quavis::numerics
