#include "graph/plot_view.h"

#include "components/float_format.h"
#include "graph/graph_plot.h"
#include "graph/paint_graph.h"

#include <algorithm>

namespace quavis {

namespace {

constexpr int kMaxActiveCurves = 20;

DeviceRect BoxOf(DevicePoint a, DevicePoint b)
{
    return {std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x), std::max(a.y, b.y)};
}

} // namespace

std::string MouseReadoutTitle(const std::string& caption, long double x, long double y)
{
    return caption + " X: " + FormatGeneral(x, 5) + " Y: " + FormatGeneral(y, 5);
}

TPlotView::TPlotView(TGraphPlot& graph, int dpiX, int dpiY) : m_graph(&graph), m_dpiX(dpiX), m_dpiY(dpiY)
{
    Layout.dpiX = dpiX;
    Layout.dpiY = dpiY;
    Layout.baseFontHeight = ScreenBaseFontHeight(dpiY);
    LegendRect = {0, 0, kInitialLegendWidth, 0};
}

bool TPlotView::Create(TTextMeasurer& legendMeasurer, int legendPointSize, int legendItemHeight)
{
    TGraphPlot& graph = *m_graph;
    m_stamp = graph.StructureStamp();
    m_zoomDragging = m_legendDragging = false;
    const std::optional<DataRange> range = AxisRange(graph);
    if (range) ViewRange = FullRange = *range;

    m_legend.clear();
    for (int i = 0; i < graph.LineCount(); ++i) {
        TLine& curve = graph.LineAt(i);
        curve.Active = !(graph.LimitActiveCurves() && i >= kMaxActiveCurves);
        if (!curve.Active) continue;
        std::string text = curve.LegendName();
        if (graph.onGetCaption) graph.onGetCaption(i, text);
        m_legend.push_back({i, std::move(text)});
    }
    graph.LegendFont = legendPointSize;
    LegendPointSize = legendPointSize;
    LegendItemHeight = legendItemHeight;
    SizeLegend(legendMeasurer);
    return range.has_value();
}

bool TPlotView::IsStale() const { return m_stamp != m_graph->StructureStamp(); }

bool TPlotView::PruneLegend()
{
    const int count = m_graph->LineCount();
    const auto gone = std::remove_if(m_legend.begin(), m_legend.end(),
                                     [count](const LegendEntry& e) { return e.curve < 0 || e.curve >= count; });
    const bool removed = gone != m_legend.end();
    m_legend.erase(gone, m_legend.end());
    if (removed) LegendRect.bottom = LegendRect.top + static_cast<int>(m_legend.size()) * LegendItemHeight + 3;
    return removed;
}

void TPlotView::FormResize(DeviceSize client, bool withSender)
{
    Layout = ScreenLayout(*m_graph, client, m_dpiX, m_dpiY);
    if (!withSender) {
        const int w = LegendRect.Width(), h = LegendRect.Height();
        LegendRect = {Layout.PlotRect.right - w, Layout.PlotRect.bottom - h, Layout.PlotRect.right,
                      Layout.PlotRect.bottom};
    }
    KeepLegendInside();
}

void TPlotView::KeepLegendInside()
{
    const int w = LegendRect.Width(), h = LegendRect.Height();
    int left = LegendRect.left, top = LegendRect.top;
    const DeviceRect& client = Layout.PageRect;
    if (left + w > client.right) left = client.right - w;
    if (top + h > client.bottom) top = client.bottom - h;
    if (left < 0) left = 0;
    if (top < 0) top = 0;
    LegendRect = {left, top, left + w, top + h};
}

void TPlotView::SetupLegend(int sizeValue, TTextMeasurer& legendMeasurer)
{
    LegendPointSize = sizeValue * m_graph->LegendFont / 10;
    LegendItemHeight = LegendPointSize * 3 / 2;
    LegendRect.right = LegendRect.left + kInitialLegendWidth;
    SizeLegend(legendMeasurer);
}

void TPlotView::SizeLegend(TTextMeasurer& legendMeasurer)
{
    LegendRect.bottom = LegendRect.top + static_cast<int>(m_legend.size()) * LegendItemHeight + 3;
    int width = LegendRect.Width();
    for (const LegendEntry& e : m_legend)
        width = std::max(width, legendMeasurer.TextExtent(e.text + " *").width + m_dpiX / 4);
    LegendRect.right = LegendRect.left + width;
}

bool TPlotView::LegendVisible() const { return m_graph->LineCount() > 0 && m_graph->ShowLegend; }

std::string TPlotView::LegendItemText(int entry) const
{
    if (entry < 0 || entry >= static_cast<int>(m_legend.size())) return {};
    const LegendEntry& e = m_legend[static_cast<std::size_t>(entry)];
    const bool shown = e.curve >= 0 && e.curve < m_graph->LineCount() && m_graph->LineAt(e.curve).Shown;
    return shown ? e.text + " *" : e.text;
}

bool TPlotView::ToggleEntry(int entry)
{
    if (entry < 0 || entry >= static_cast<int>(m_legend.size())) return false;
    const int curve = m_legend[static_cast<std::size_t>(entry)].curve;
    if (curve < 0 || curve >= m_graph->LineCount()) return false;
    TLine& line = m_graph->LineAt(curve);
    line.Shown = !line.Shown;
    return true;
}

void TPlotView::Paint(TPlotCanvas& canvas) const { PaintGraph(canvas, *m_graph, Layout, ViewRange, m_legend); }

TPlotView::MoveResult TPlotView::PaintBoxMouseMove(const DevicePoint& p)
{
    MoveResult result;
    const DevicePoint clamped = ClampToRect(p, Layout.PlotRect);
    const TFloatPoint d = ToData(clamped, ViewRange, Layout.PlotRect, m_graph->XOnTop);
    result.title = MouseReadoutTitle(m_graph->Caption, d.X, d.Y);
    if (m_zoomDragging) {
        result.eraseBox = BoxOf(m_dragStart, m_dragCorner);
        m_dragCorner = clamped;
        result.drawBox = BoxOf(m_dragStart, m_dragCorner);
    }
    return result;
}

bool TPlotView::PaintBoxMouseDown(const DevicePoint& p, Button button)
{
    if (!Contains(Layout.PlotRect, p)) return false;
    if (button == Button::Left) {
        m_zoomDragging = true;
        m_dragStart = m_dragCorner = p;
        return false;
    }
    if (button == Button::Right) {
        ViewRange = ZoomOut(ViewRange, FullRange, ToData(p, ViewRange, Layout.PlotRect, m_graph->XOnTop));
        return true;
    }
    return false;
}

bool TPlotView::FormMouseUp(const DevicePoint& p)
{
    if (!m_zoomDragging) return false;
    m_zoomDragging = false;
    const std::optional<DataRange> zoomed =
        ZoomIn(ViewRange, FullRange, m_dragStart, p, Layout.PlotRect, m_graph->XOnTop);
    if (zoomed) ViewRange = *zoomed;
    // Repaint in any case: the drag box drawn on the window must go.
    return true;
}

void TPlotView::LegendMouseDown(const DevicePoint& local)
{
    m_legendDragging = true;
    m_grab = local;
}

bool TPlotView::LegendMouseMove(const DevicePoint& local)
{
    if (!m_legendDragging) return false;
    const int dx = local.x - m_grab.x, dy = local.y - m_grab.y;
    if (dx == 0 && dy == 0) return false;
    LegendRect = {LegendRect.left + dx, LegendRect.top + dy, LegendRect.right + dx, LegendRect.bottom + dy};
    KeepLegendInside();
    return true;
}

} // namespace quavis
