#pragma once

// The arithmetic of a plot picture: axis ranges, text unit, layouts of the screen, the printed page and a
// saved bitmap, the mapping between data and device, tick steps, marker shapes and zooming. Pixel values
// are rounded to the nearest integer, ties to even.

#include "graph/float_point.h"
#include "graph/plot_types.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace quavis {

class TGraphPlot;

// Nearest integer (ties to even), saturated into the int range; NaN gives 0 so that no pixel value is
// ever undefined.
int RoundToPixel(long double value);

// One axis of AxisRange: limits that include 0, widened by 0.01 either way when they are equal, then moved
// outwards to multiples of the axis unit (the largest power of ten not above the extent, or the next lower
// one when the extent's leading digits are below 3). Returns false (limits unchanged) when the unit comes
// out as 0 or the limits are not finite.
bool RoundAxisLimits(long double& lo, long double& hi);
// The axis unit of an extent, 0 when there is none.
long double AxisUnit(long double extent);

// Limits over every point of every curve, active or not. Points with a non-finite coordinate are left out
// of that coordinate's limits. No value: the window cannot show the graph (it closes itself).
std::optional<DataRange> AxisRange(const TGraphPlot& graph);

// |baseFontHeight * sizeFont / 10|, the division truncating.
int TextUnit(int baseFontHeight, int sizeFont);
// The window font, 14 pixels at 96 dots per inch, scaled to the screen's resolution.
int ScreenBaseFontHeight(int dpi);
// The default font of a printer page or bitmap canvas: 8 points at the device's resolution.
int CanvasBaseFontHeight(int dpi);

// Data area of the window for a page (the client area). The title adjustment applies when hasTitle.
DeviceRect ScreenPlotRect(const DeviceRect& page, int h, int dpiX, int dpiY, bool xOnTop, bool hasTitle,
                          bool titleOnTop);
// A saved picture: the window formulas without the title adjustment.
inline DeviceRect BitmapPlotRect(const DeviceRect& page, int h, int dpiX, int dpiY, bool xOnTop)
{
    return ScreenPlotRect(page, h, dpiX, dpiY, xOnTop, false, false);
}

// What the printer reports about its page, in device pixels.
struct PrinterPage {
    int dpiX = 0;
    int dpiY = 0;
    int offsetX = 0; // unprintable left strip
    int offsetY = 0; // unprintable top strip
    int printableWidth = 0;
    int printableHeight = 0;
};
// The page inside the margins (each at least the unprintable strip), in printable-area coordinates.
DeviceRect PrinterPageRect(const PrinterPage& printer, const PageMargins& margins);
// Data area on a printed page. Its vertical label spaces use dpiX, as the printed layout always has.
DeviceRect PrinterPlotRect(const DeviceRect& page, int h, int dpiX, int dpiY, bool xOnTop, bool hasTitle,
                           bool titleOnTop);

// Pixel size of a saved picture: nint(ppi * inches) each way. Values that do not fit an int are reported
// as they are so that the caller can refuse them ("not enough memory").
struct BitmapExtent {
    std::int64_t width = 0;
    std::int64_t height = 0;
};
BitmapExtent BitmapSize(long double heightInches, long double widthInches, long double pixelsPerInch);

// Data point to device point. With xOnTop y grows downwards from the top edge.
DevicePoint ToPixel(const TFloatPoint& point, const DataRange& view, const DeviceRect& plot, bool xOnTop);
// The inverse; a device point left or right of the data area maps to (0, 0).
TFloatPoint ToData(const DevicePoint& pixel, const DataRange& view, const DeviceRect& plot, bool xOnTop);
// The point moved into the rectangle (edges included).
DevicePoint ClampToRect(const DevicePoint& point, const DeviceRect& rect);
inline bool Contains(const DeviceRect& rect, const DevicePoint& p)
{
    return p.x >= rect.left && p.x <= rect.right && p.y >= rect.top && p.y <= rect.bottom;
}

// Ticks of one axis: indices first..last of the minor step; a label and a grid line every fifth index.
struct TickAxis {
    bool present = false; // false: no ticks, grid lines or labels on this axis
    long double step = 0.0L;
    long double minor = 0.0L;
    int first = 0; // <= 0
    int last = 0;  // >= 0
};
struct TickSteps {
    bool ok = false; // false: the data area is too small for one label space (6h) either way
    TickAxis x;
    TickAxis y;
};
// A readable step for `extent` divided into `intervals`: 1, 2, 5 or 10 times a power of ten.
long double NiceStep(long double extent, int intervals);
TickSteps TickStep(const DataRange& view, const DeviceRect& plot, int h);

// Corners of the marker of the curve at graph position n around (cx, cy); the first vertex is repeated
// at the end, so the list draws a closed outline.
std::vector<DevicePoint> MarkerVertices(const DevicePoint& centre, int n, int dpiX, int dpiY);
// A marker at point j of a curve for the Markers setting (0 and below: none).
inline bool MarkerAt(int j, int markers) { return markers > 0 && j % markers == 0; }

// Right-click zoom out around (x0, y0): the visible extent doubles, limited to and kept inside `full`.
DataRange ZoomOut(const DataRange& view, const DataRange& full, const TFloatPoint& at);
// Zoom box from start to end (device points; start inside the data area). No value when the box has no
// width or height in pixels. Each axis becomes the box's extent, but at least one twentieth of the full
// extent, kept inside `full`.
std::optional<DataRange> ZoomIn(const DataRange& view, const DataRange& full, const DevicePoint& start,
                                const DevicePoint& end, const DeviceRect& plot, bool xOnTop);

} // namespace quavis
