#pragma once

#include "model/program_data.h"

#include <array>
#include <cstddef>

namespace quavis {

// The items of the "&Graphics" menu, in menu order.
enum class TGraphicsItem : std::size_t {
    mrealKxx,
    mRealKppx,
    mdampCXX,
    mDampCppx,
    ForceResponseAmplitude1,
    MomentResponseAmplitude1,
    FootingResponseAmplitudeDisplacement1,
};

inline constexpr std::size_t GraphicsItemCount = 7;

struct TGraphicsItemInfo {
    TGraphicsItem Item;
    const char* Field;           // the menu item's name
    const char* Caption;         // with its accelerator mark
    const char* GraphName;       // the graph it shows; nullptr for the interactive amplitude window
    bool SeparatorBefore;
};

// The seven items with their captions; separators after the second and fourth items and before the last.
const std::array<TGraphicsItemInfo, GraphicsItemCount>& GraphicsMenuItems();

// Which items are enabled, indexed by TGraphicsItem.
struct TGraphicsMenuState {
    std::array<bool, GraphicsItemCount> Enabled{};
    bool operator[](TGraphicsItem item) const { return Enabled[static_cast<std::size_t>(item)]; }
};

// The rules of the menu's opening: everything needs a successful read and a plot-data file that still
// exists; the four impedance items and the two response items also need the stiffness matrix
// (WriteMatrix > 0), and the two response items harmonic loading. The interactive item follows the
// first rule alone.
TGraphicsMenuState GraphicsMenuState(const TProgramData& data, bool resultsLoaded, bool plotDataFileExists);

// The same, looking at the file system now for the project's plot-data file.
TGraphicsMenuState GraphicsMenuState(const TProgramData& data, bool resultsLoaded);

} // namespace quavis
