#pragma once

#include <exception>
#include <optional>
#include <string>

#include "views/view_drawing.h"

namespace quavis {

// The region that must be visible, in model lengths. Top and Bottom are the vertical world values at the
// upper and lower window edges: y top and y bottom in the top view (y up), z top and z bottom in the side
// views (depth down).
struct TViewExtents {
    long double XMin = 0;
    long double XMax = 0;
    long double Top = 0;
    long double Bottom = 0;
    friend bool operator==(const TViewExtents&, const TViewExtents&) = default;
};

// The region mapped onto the client area after the aspect correction.
struct TViewWindow {
    long double Left = 0;
    long double Right = 0;
    long double Top = 0;
    long double Bottom = 0;
    friend bool operator==(const TViewWindow&, const TViewWindow&) = default;
};

// True when the extents enclose no area (or hold a value that is not a number), so that nothing can be
// mapped: every handler of a view returns at once.
bool IsNoDraw(const TViewExtents& extents);

// The view window for a client area: the extents widened (a >= 1) or heightened about the origin so that
// one unit has as many pixels across as down, a = (width / height) / ((XMax - XMin) / |Top - Bottom|).
// Nothing when the client area is empty or the extents are a no-draw.
std::optional<TViewWindow> FitViewWindow(const TViewExtents& extents, int clientWidth, int clientHeight);

// A device coordinate: nearest integer, ties to even. Values far outside any device are held at
// +-PixelLimit and a value that is not a number gives 0, so that no painter is handed an overflow.
inline constexpr int PixelLimit = 1 << 24;
int RoundPixel(long double value);

// world -> device: round(size * (v - from) / (to - from)).
int MapToPixel(long double value, long double from, long double to, long double size);
// device -> world: pixel / size * (to - from) + from.
long double MapFromPixel(int pixel, long double from, long double to, int size);

// A read-out number: fixed point with one decimal (halves away from zero), at most 6 significant digits;
// a value with more than six integer digits is written in the general form with 6 digits. Zero has no sign.
std::string FormatReadout(long double value);

// Printer resolution, estimated from the page size in pixels as for a letter page and snapped to a
// standard resolution.
struct TPrintResolution {
    int X = 0;
    int Y = 0;
};
// 76..125 -> 100, 126..225 -> 150, 226..449 -> 300, 450..899 -> 600, from 900 on 1200, below 76 -> 75.
int SnapResolution(int estimate);
// Landscape: X = pageWidth div 10, Y = pageHeight div 8; portrait: pageWidth div 8, pageHeight div 10; snapped.
TPrintResolution EstimatePrintResolution(int pageWidth, int pageHeight, bool landscape);

// Printing of the views.
inline constexpr const char* ViewPrintJobTitle = "Soil-Pile Profile";
inline constexpr int ViewPrintPenWidth = 12;  // printer pixels

// The message shown when building a view's elements failed: an index error (a table row that is not
// there) gives the sections message, any other error its own text.
inline constexpr const char* MissingSectionsMessage = "One or more Pile Types does not have any sections";
std::string ViewFailureMessage(const std::exception& error);

} // namespace quavis
