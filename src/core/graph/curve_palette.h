#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace quavis {

struct TColorRGB {
    std::uint8_t r = 0;
    std::uint8_t g = 0;
    std::uint8_t b = 0;
    friend bool operator==(const TColorRGB&, const TColorRGB&) = default;
};

inline constexpr TColorRGB kColorBlack{0, 0, 0};
inline constexpr TColorRGB kColorWhite{255, 255, 255};

// The colours of curves, legend entries and legend-dialog texts, in order. Gray and silver appear twice on
// purpose: the sequence has 17 entries, and stored pictures depend on it.
inline constexpr std::array<TColorRGB, 17> kCurvePalette{{
    {0, 0, 0},       // black
    {0, 0, 255},     // blue
    {255, 0, 0},     // red
    {0, 128, 0},     // green
    {128, 0, 128},   // purple
    {128, 0, 0},     // maroon
    {0, 0, 128},     // navy
    {255, 0, 255},   // fuchsia
    {128, 128, 0},   // olive
    {0, 128, 128},   // teal
    {128, 128, 128}, // gray
    {0, 255, 0},     // lime
    {128, 128, 128}, // gray
    {192, 192, 192}, // silver
    {192, 192, 192}, // silver
    {255, 255, 0},   // yellow
    {0, 255, 255},   // aqua
}};

// Colour of position k (a curve's running index among the active curves, or a legend entry's index).
constexpr TColorRGB CurvePalette(std::size_t k) { return kCurvePalette[k % kCurvePalette.size()]; }

} // namespace quavis
