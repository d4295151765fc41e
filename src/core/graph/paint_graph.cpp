#include "graph/paint_graph.h"

#include "components/float_format.h"
#include "graph/graph_plot.h"
#include "graph/graph_unit_text.h"

#include <algorithm>
#include <cstdlib>

namespace quavis {

namespace {

PlotFont TextFont(int h, int weight, int angle, TColorRGB color = kColorBlack)
{
    PlotFont font;
    font.height = h;
    font.weight = weight;
    font.angle = angle;
    font.color = color;
    return font;
}

PlotPen Pen(TColorRGB color, PenStyle style, int width) { return PlotPen{color, style, width, PenMode::Copy}; }

void Line(TPlotCanvas& canvas, DevicePoint a, DevicePoint b) { canvas.Polyline({a, b}); }

void DrawTitles(TPlotCanvas& canvas, const TGraphPlot& graph, const PlotLayout& layout, int h)
{
    const DeviceRect& page = layout.PageRect;
    const bool titleOnTop = !graph.GraphTitle.empty() && graph.TitleOnTop;
    const bool titleAtBottom = !graph.GraphTitle.empty() && !graph.TitleOnTop;
    const int titleSpace = h / 8 + h;
    const auto centredX = [&](int width) { return (std::abs(page.right + page.left) - width) / 2; };

    canvas.SetFont(TextFont(h, kFontBold, 0));
    const std::string xLabel = AxisLabel(graph.XCaption, graph.XUnits, graph.Units());
    const DeviceSize xSize = canvas.TextExtent(xLabel);
    const int xLabelY = graph.XOnTop ? page.top + (titleOnTop ? titleSpace : 0)
                                     : page.bottom - xSize.height - (titleAtBottom ? titleSpace : 0);
    canvas.TextOut(centredX(xSize.width), xLabelY, xLabel);

    if (!graph.GraphTitle.empty()) {
        const DeviceSize size = canvas.TextExtent(graph.GraphTitle);
        canvas.TextOut(centredX(size.width), graph.TitleOnTop ? page.top : page.bottom - size.height,
                       graph.GraphTitle);
    }

    canvas.SetFont(TextFont(h, kFontBold, 90));
    const std::string yLabel = AxisLabel(graph.YCaption, graph.YUnits, graph.Units());
    const DeviceSize ySize = canvas.TextExtent(yLabel);
    canvas.TextOut(page.left, (page.bottom + page.top + ySize.width) / 2, yLabel);
}

void DrawGrid(TPlotCanvas& canvas, const TGraphPlot& graph, const PlotLayout& layout, const DataRange& view,
              const TickSteps& ticks, int h)
{
    const DeviceRect& plot = layout.PlotRect;
    const int dpiX = layout.dpiX, dpiY = layout.dpiY;
    const PlotPen dotted = Pen(kColorBlack, PenStyle::Dot, 1), solid = Pen(kColorBlack, PenStyle::Solid, 1);

    if (ticks.x.present) {
        canvas.SetFont(TextFont(h, kFontNormal, 0));
        for (int k = ticks.x.first; k <= ticks.x.last; ++k) {
            const long double value = k * ticks.x.minor;
            const int px = ToPixel({value, 0.0L}, view, plot, graph.XOnTop).x;
            if (px < plot.left || px > plot.right) continue;
            if (k % 5 == 0) {
                canvas.SetPen(dotted);
                Line(canvas, {px, plot.top}, {px, plot.bottom});
                const std::string label = FormatGeneral(value, 4);
                const DeviceSize size = canvas.TextExtent(label);
                canvas.TextOut(px - size.width / 2,
                               graph.XOnTop ? plot.top - size.height - dpiY / 32 : plot.bottom + dpiY / 16, label);
            }
            canvas.SetPen(solid);
            if (graph.XOnTop) Line(canvas, {px, plot.top}, {px, plot.top + dpiY / 16});
            else Line(canvas, {px, plot.bottom}, {px, plot.bottom - dpiY / 16});
        }
    }
    if (ticks.y.present) {
        canvas.SetFont(TextFont(h, kFontNormal, 90));
        for (int k = ticks.y.first; k <= ticks.y.last; ++k) {
            const long double value = k * ticks.y.minor;
            const int py = ToPixel({0.0L, value}, view, plot, graph.XOnTop).y;
            if (py < plot.top || py > plot.bottom) continue;
            if (k % 5 == 0) {
                canvas.SetPen(dotted);
                Line(canvas, {plot.left, py}, {plot.right, py});
                const std::string label = FormatGeneral(value, 4);
                const DeviceSize size = canvas.TextExtent(label);
                canvas.TextOut(plot.left - size.height - dpiX / 32, py + size.width / 2, label);
            }
            canvas.SetPen(solid);
            Line(canvas, {plot.left, py}, {plot.left + dpiX / 16, py});
        }
    }
}

void DrawCurves(TPlotCanvas& canvas, const TGraphPlot& graph, const PlotLayout& layout, const DataRange& view,
                int penWidth)
{
    if (graph.LineCount() == 0 || graph.LineAt(0).PointCount() < 2) return;
    canvas.SetClipRect(layout.PlotRect);
    std::size_t colour = 0;
    std::vector<DevicePoint> pixels;
    for (int n = 0; n < graph.LineCount(); ++n) {
        const TLine& curve = graph.LineAt(n);
        if (!curve.Active) continue;
        if (curve.Shown && curve.PointCount() > 0) {
            canvas.SetPen(Pen(CurvePalette(colour), PenStyle::Solid, penWidth));
            canvas.SetBrush({CurvePalette(colour), BrushStyle::Solid});
            pixels.clear();
            pixels.reserve(curve.CurvePoints().size());
            for (const TFloatPoint& p : curve.CurvePoints())
                pixels.push_back(ToPixel(p, view, layout.PlotRect, graph.XOnTop));
            canvas.Polyline(pixels);
            if (graph.Markers > 0)
                for (std::size_t j = 0; j < pixels.size(); j += static_cast<std::size_t>(graph.Markers))
                    canvas.Polyline(MarkerVertices(pixels[j], n, layout.dpiX, layout.dpiY));
        }
        ++colour;
    }
    canvas.SetPen(Pen(kColorBlack, PenStyle::Solid, penWidth));
    canvas.SetBrush({kColorWhite, BrushStyle::Solid});
    canvas.SetClipRect(layout.PageRect);
}

} // namespace

std::string AxisLabel(const std::string& caption, const std::string& units, int system)
{
    if (units.empty()) return caption;
    return caption + " (" + GraphUnitText(units, system) + ")";
}

int CurvePenWidth(int dpiX, int widthLine)
{
    const long long width = static_cast<long long>(RoundToPixel(dpiX / 300.0L) + 1) * widthLine;
    return static_cast<int>(std::clamp<long long>(width, 1, 1000));
}

void PaintGraph(TPlotCanvas& canvas, const TGraphPlot& graph, const PlotLayout& layout, const DataRange& view,
                const std::vector<LegendEntry>& legend)
{
    const DeviceRect& page = layout.PageRect;
    canvas.SetClipRect(page);
    canvas.SetBrush({kColorWhite, BrushStyle::Solid});
    canvas.FillRect(page);
    const int penWidth = CurvePenWidth(layout.dpiX, graph.WidthLine);
    canvas.SetPen(Pen(kColorBlack, PenStyle::Solid, penWidth));
    if (page.Width() < layout.dpiX || page.Height() < layout.dpiY) return; // under an inch: background only

    const int h = layout.TextUnitFor(graph);
    DrawTitles(canvas, graph, layout, h);

    const TickSteps ticks = TickStep(view, layout.PlotRect, h);
    if (ticks.ok) {
        DrawGrid(canvas, graph, layout, view, ticks, h);
        canvas.SetPen(Pen(kColorBlack, PenStyle::Solid, penWidth));
    }

    DrawCurves(canvas, graph, layout, view, penWidth);

    if (layout.legendBox) DrawLegendBox(canvas, graph, layout, legend);

    canvas.SetPen(Pen(kColorBlack, PenStyle::Solid, 1));
    canvas.SetBrush({kColorWhite, BrushStyle::Clear});
    const DeviceRect& plot = layout.PlotRect;
    canvas.Rectangle({plot.left, plot.top, plot.right + 1, plot.bottom + 1});
}

void DrawLegendBox(TPlotCanvas& canvas, const TGraphPlot& graph, const PlotLayout& layout,
                   const std::vector<LegendEntry>& legend)
{
    const int h = layout.TextUnitFor(graph);
    const int dpiX = layout.dpiX, dpiY = layout.dpiY;
    canvas.SetFont(TextFont(h, kFontNormal, 0));

    // Entries keep their legend position for colour and marker shape even when others are hidden.
    std::vector<std::size_t> shown;
    int textWidth = 0, textHeight = 0;
    for (std::size_t e = 0; e < legend.size(); ++e) {
        const int curve = legend[e].curve;
        if (curve < 0 || curve >= graph.LineCount() || !graph.LineAt(curve).Shown) continue;
        shown.push_back(e);
        const DeviceSize size = canvas.TextExtent(legend[e].text);
        textWidth = std::max(textWidth, size.width);
        textHeight = std::max(textHeight, size.height);
    }
    if (shown.empty()) return;

    const DeviceRect& plot = layout.PlotRect;
    const int count = static_cast<int>(shown.size());
    const DeviceRect box{plot.right - textWidth - 3 * dpiX / 16, plot.bottom - (dpiY / 32 + textHeight) * count - dpiY / 32,
                         plot.right, plot.bottom};
    canvas.SetPen(Pen(kColorBlack, PenStyle::Solid, 1));
    canvas.SetBrush({kColorWhite, BrushStyle::Solid});
    canvas.Rectangle(box);

    int lineTop = box.top + dpiY / 32;
    for (const std::size_t e : shown) {
        canvas.SetPen(Pen(kColorBlack, PenStyle::Solid, 1));
        canvas.Polyline(MarkerVertices({box.left + dpiX / 16, lineTop + textHeight / 2}, static_cast<int>(e),
                                       dpiX, dpiY));
        canvas.SetFont(TextFont(h, kFontNormal, 0, CurvePalette(e)));
        canvas.TextOut(box.left + dpiX / 16 + dpiX / 16, lineTop, legend[e].text);
        lineTop += dpiY / 32 + textHeight;
    }
}

} // namespace quavis
