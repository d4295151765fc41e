#pragma once

#include "graph/plot_canvas.h"

#include <string>
#include <vector>

namespace quavis::test {

// Records what a painter draws, with the pen, brush, font and clip in force at each call. Texts measure
// 7 pixels per character and the font's height.
class RecordingCanvas : public TPlotCanvas {
public:
    enum class Kind { Fill, Rectangle, Polyline, Text };
    struct Op {
        Kind kind;
        PlotPen pen;
        PlotBrush brush;
        PlotFont font;
        DeviceRect clip;
        DeviceRect rect;
        std::vector<DevicePoint> points;
        DevicePoint at;
        std::string text;
    };
    std::vector<Op> ops;

    void SetPen(const PlotPen& pen) override { m_pen = pen; }
    void SetBrush(const PlotBrush& brush) override { m_brush = brush; }
    void SetFont(const PlotFont& font) override { m_font = font; }
    DeviceSize TextExtent(std::string_view text) override
    {
        return {7 * static_cast<int>(text.size()), m_font.height};
    }
    void FillRect(const DeviceRect& rect) override { Record(Kind::Fill).rect = rect; }
    void Rectangle(const DeviceRect& rect) override { Record(Kind::Rectangle).rect = rect; }
    void Polyline(const std::vector<DevicePoint>& points) override { Record(Kind::Polyline).points = points; }
    void TextOut(int x, int y, std::string_view text) override
    {
        Op& op = Record(Kind::Text);
        op.at = {x, y};
        op.text = std::string(text);
    }
    void SetClipRect(const DeviceRect& rect) override { m_clip = rect; }

    std::vector<Op> Of(Kind kind) const
    {
        std::vector<Op> out;
        for (const Op& op : ops)
            if (op.kind == kind) out.push_back(op);
        return out;
    }
    const Op* FindText(const std::string& text) const
    {
        for (const Op& op : ops)
            if (op.kind == Kind::Text && op.text == text) return &op;
        return nullptr;
    }

private:
    Op& Record(Kind kind)
    {
        ops.push_back({kind, m_pen, m_brush, m_font, m_clip, {}, {}, {}, {}});
        return ops.back();
    }
    PlotPen m_pen;
    PlotBrush m_brush;
    PlotFont m_font;
    DeviceRect m_clip;
};

// Measures 7 pixels per character, as the recording canvas does.
class FixedMeasurer : public TTextMeasurer {
public:
    DeviceSize TextExtent(std::string_view text) override { return {7 * static_cast<int>(text.size()), 15}; }
};

} // namespace quavis::test
