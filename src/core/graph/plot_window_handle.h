#pragma once

namespace quavis {

// The graph's hold on its plot window. The desktop program implements it around its window; destroying
// the handle destroys the window.
class TPlotWindowHandle {
public:
    virtual ~TPlotWindowHandle() = default;

    // Shows the window, restoring it to its normal state when it is minimized.
    virtual void Show() = 0;

    // The graph's curves or points were replaced (a results read). The window must stop addressing curves
    // and points that may no longer exist; the graph's StructureStamp tells whether it changed.
    virtual void GraphChanged() {}
};

} // namespace quavis
