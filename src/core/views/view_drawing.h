#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

namespace quavis {

// Colours of the views by role; the painter maps them onto its palette (the system's window colours).
enum class TViewColor { Window, WindowText, Black };

struct TViewPoint {
    int X = 0;
    int Y = 0;
    friend bool operator==(const TViewPoint&, const TViewPoint&) = default;
};

// A box in device pixels as handed to the canvas: (Left, Top) to (Right, Bottom).
struct TViewRect {
    int Left = 0;
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    friend bool operator==(const TViewRect&, const TViewRect&) = default;
};

struct TViewSize {
    int Width = 0;
    int Height = 0;
};

// A solid pen; width 1 is the canvas default (one device pixel).
struct TViewPen {
    TViewColor Color = TViewColor::Black;
    int Width = 1;
    friend bool operator==(const TViewPen&, const TViewPen&) = default;
};

struct TViewBrush {
    TViewColor Color = TViewColor::Window;
    friend bool operator==(const TViewBrush&, const TViewBrush&) = default;
};

// The window font of the side views: "MS Sans Serif", 10 pixels high.
struct TViewFont {
    std::string Face = "MS Sans Serif";
    int PixelHeight = 10;
    TViewColor Color = TViewColor::WindowText;
    friend bool operator==(const TViewFont&, const TViewFont&) = default;
};

// Where a text's anchor point lies on its box. Every text of the views is anchored at its top left corner.
enum class TTextAlign { TopLeft };

// Fills the box with the brush, no outline.
struct TViewFillRect {
    TViewRect Rect;
    TViewBrush Brush;
};

struct TViewLine {
    TViewPoint From;
    TViewPoint To;
    TViewPen Pen;
};

// Connected segments through the points (closed when the last point repeats the first).
struct TViewPolyline {
    std::vector<TViewPoint> Points;
    TViewPen Pen;
};

// A closed polygon, outlined with the pen and filled with the brush.
struct TViewPolygon {
    std::vector<TViewPoint> Points;
    TViewPen Pen;
    TViewBrush Brush;
};

// An ellipse in its box (Left <= Right, Top <= Bottom), outlined with the pen and filled with the brush.
struct TViewEllipse {
    TViewRect Box;
    TViewPen Pen;
    TViewBrush Brush;
};

// A text with its anchor at At, drawn on its own box of the Background colour, or without background.
struct TViewText {
    TViewPoint At;
    std::string Text;
    TViewFont Font;
    TTextAlign Align = TTextAlign::TopLeft;
    std::optional<TViewColor> Background;
};

using TViewPrimitive = std::variant<TViewFillRect, TViewLine, TViewPolyline, TViewPolygon, TViewEllipse, TViewText>;

// What one paint of a view draws, in painting order. A window or a printer page paints it as it is.
struct TViewDrawing {
    std::vector<TViewPrimitive> Items;

    template <typename T>
    void Add(T item) { Items.emplace_back(std::move(item)); }

    // Every item of one kind, in order (for painters that batch and for checks).
    template <typename T>
    std::vector<T> All() const
    {
        std::vector<T> out;
        for (const TViewPrimitive& item : Items)
            if (const T* p = std::get_if<T>(&item)) out.push_back(*p);
        return out;
    }
};

// Text extents in the device's pixels for a font, as the painter would set it.
class TViewTextMeasurer {
public:
    virtual ~TViewTextMeasurer() = default;
    virtual TViewSize TextExtent(const TViewFont& font, std::string_view text) = 0;
};

} // namespace quavis
