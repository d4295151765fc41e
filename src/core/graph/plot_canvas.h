#pragma once

#include "graph/curve_palette.h"
#include "graph/plot_types.h"

#include <string>
#include <string_view>
#include <vector>

namespace quavis {

enum class PenStyle { Solid, Dot, Clear };
enum class PenMode { Copy, NotXor };
enum class BrushStyle { Solid, Clear };

struct PlotPen {
    TColorRGB color = kColorBlack;
    PenStyle style = PenStyle::Solid;
    int width = 1; // device pixels
    PenMode mode = PenMode::Copy;
    friend bool operator==(const PlotPen&, const PlotPen&) = default;
};

struct PlotBrush {
    TColorRGB color = kColorWhite;
    BrushStyle style = BrushStyle::Solid;
    friend bool operator==(const PlotBrush&, const PlotBrush&) = default;
};

inline constexpr int kFontNormal = 400;
inline constexpr int kFontBold = 700;

// Every text of a picture is set in this face, at a height derived from the canvas's base font.
struct PlotFont {
    std::string face = "Times New Roman";
    int height = 0;          // device pixels
    int weight = kFontNormal;
    int angle = 0;           // degrees counter-clockwise; 90 runs upwards
    TColorRGB color = kColorBlack;
    friend bool operator==(const PlotFont&, const PlotFont&) = default;
};

// Text extents, for whatever font the implementation currently has selected.
class TTextMeasurer {
public:
    virtual ~TTextMeasurer() = default;
    // Width and height of the text as if it ran horizontally.
    virtual DeviceSize TextExtent(std::string_view text) = 0;
};

// What drawing a plot needs from a device (window, printer page, bitmap). The desktop program implements
// it with its painter.
class TPlotCanvas : public TTextMeasurer {
public:
    virtual void SetPen(const PlotPen& pen) = 0;
    virtual void SetBrush(const PlotBrush& brush) = 0;
    virtual void SetFont(const PlotFont& font) = 0;
    // Fills with the brush, no outline; right and bottom edges excluded.
    virtual void FillRect(const DeviceRect& rect) = 0;
    // Outline with the pen and fill with the brush, from (left, top) to (right - 1, bottom - 1).
    virtual void Rectangle(const DeviceRect& rect) = 0;
    // Connected line segments through the points with the pen.
    virtual void Polyline(const std::vector<DevicePoint>& points) = 0;
    // Text with the current font; (x, y) is the top-left corner of the text before rotation, and the font's
    // angle turns the text about that point.
    virtual void TextOut(int x, int y, std::string_view text) = 0;
    // Drawing is limited to the rectangle until the next call.
    virtual void SetClipRect(const DeviceRect& rect) = 0;
};

} // namespace quavis
