#include "numerics/frequency_grid.h"

#include <cmath>

namespace quavis::numerics {

std::vector<double> HarmonicFrequencies(const FrequencyRange& range, Diagnostics& diagnostics)
{
    std::vector<double> out;
    if (!std::isfinite(range.minimum) || !std::isfinite(range.maximum) || !std::isfinite(range.step)) {
        diagnostics.Error("The frequency range (minimum " + FormatNumber(range.minimum) + ", maximum " +
                          FormatNumber(range.maximum) + ", step " + FormatNumber(range.step) +
                          " rad/s) holds a value that is not a number.");
        return out;
    }
    if (range.minimum < 0.0) {
        diagnostics.Error("The minimum frequency is " + FormatNumber(range.minimum) +
                          " rad/s: frequencies must not be negative.");
        return out;
    }
    if (range.maximum < range.minimum) {
        diagnostics.Error("The maximum frequency (" + FormatNumber(range.maximum) +
                          " rad/s) is below the minimum frequency (" + FormatNumber(range.minimum) + " rad/s).");
        return out;
    }
    if (!(range.step > 0.0)) {
        diagnostics.Error("The frequency step is " + FormatNumber(range.step) + " rad/s: it must be greater than 0.");
        return out;
    }
    const double intervals = std::floor((range.maximum - range.minimum) / range.step + 1e-6);
    if (!(intervals + 1.0 <= double(kMaxFrequencies))) {
        diagnostics.Error("The frequency range from " + FormatNumber(range.minimum) + " to " +
                          FormatNumber(range.maximum) + " rad/s by " + FormatNumber(range.step) + " gives " +
                          FormatNumber(intervals + 1.0) + " frequencies: at most " +
                          std::to_string(kMaxFrequencies) + " can be computed; choose a larger step.");
        return out;
    }
    const long count = long(intervals) + 1;
    out.reserve(std::size_t(count));
    for (long i = 0; i < count; ++i) {
        const double omega = range.minimum + double(i) * range.step;
        if (omega == 0.0) {
            diagnostics.Warning("The frequency 0 is left out: the damping coefficient K2/omega has no value there.");
            continue;
        }
        out.push_back(omega);
    }
    if (out.empty())
        diagnostics.Error("The frequency range holds no frequency above 0.");
    return out;
}

} // namespace quavis::numerics
