#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quavis {

class TProject;

// Where a label's first line lies relative to its depth: on it, or 20 screen pixels above or below.
enum class TLabelShift { None, Up, Down };

// One text of the profile: a layer label (two lines: depth range and layer number, then the soil values)
// or a note (the soil below the tip, the rock layer). Line2 is empty for a one-line text.
struct TProfileLabel {
    long double Depth = 0;
    TLabelShift Shift = TLabelShift::None;
    std::string Line1;
    std::string Line2;
    bool IsLayer = true;  // layer labels count towards the eight the print shows
};

// The soil profile drawn behind a side view's elements, in model depths (down from the top of the view),
// for the model's foundation type. The screen and the printed page draw the same profile.
struct TSoilProfile {
    std::vector<long double> Lines;     // layer boundaries, across the view
    std::optional<long double> Ground;  // the ground surface: a line with its hatch
    std::vector<TProfileLabel> Labels;  // in order: the layers from the top down, then the notes
};

// Piles: the layers are the pile sections (their lengths from the pile data, the soil values from the
// soil properties, one row each, as far as both tables have rows). Multilayer: the foundation layers, the
// soil values from the soil properties and after them the soil column. Half-space: the side soil layers,
// shifted down so that the last ends at BaseZ, and a note on the soil below the tip. Stratum: one layer
// of BedrockDepth on rock below the ground at 2 x BaseZ - BaseDepth.
TSoilProfile BuildSoilProfile(const TProject& project);

// "depth= 0 - 1; Layer 1" and "Shear Wave Velocity= 150; Poissons Ratio= 0.3".
std::string LayerRangeText(long double top, long double bottom, int layerNumber);
std::string SoilValuesText(long double shearWaveVelocity, long double poisson);

} // namespace quavis
