#pragma once

#include <string>

namespace quavis {

// One entry of a plot window's legend and Plot menu: an active curve, in curve order.
struct LegendEntry {
    int curve = 0;    // position of the curve in its graph
    std::string text; // its legend text (LegendName, possibly replaced by onGetCaption)
    friend bool operator==(const LegendEntry&, const LegendEntry&) = default;
};

} // namespace quavis
