#pragma once

#include "graph/curve_palette.h"
#include "graph/legend_entry.h"
#include "graph/plot_canvas.h"
#include "graph/plot_layout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quavis {

class TGraphPlot;

// The state of one plot window without its widgets: visible and full data range, layout, legend entries
// and geometry, and the mouse interaction of zooming and moving the legend. The desktop window owns one,
// forwards its events and draws what it says. Coordinates are the window's client coordinates.
class TPlotView {
public:
    // Legend list defaults of the window: 21 pixels wide at first.
    static constexpr int kInitialLegendWidth = 21;

    TPlotView(TGraphPlot& graph, int dpiX, int dpiY);

    TGraphPlot& Graph() const { return *m_graph; }
    int DpiX() const { return m_dpiX; }
    int DpiY() const { return m_dpiY; }

    // Window creation: ranges from the curves, every curve active again (only the first 20 when the graph
    // limits them), one legend entry per active curve with its legend text through onGetCaption, and
    // the legend list sized with the measurer (set to the legend font). legendPointSize becomes the graph's
    // LegendFont. False when the graph's values give no usable range: the window closes itself.
    bool Create(TTextMeasurer& legendMeasurer, int legendPointSize, int legendItemHeight);

    // The curves changed since Create (a results read): entries may name curves that are gone.
    bool IsStale() const;
    // Removes the entries whose curve no longer exists; true when any was removed.
    bool PruneLegend();

    DataRange ViewRange;
    DataRange FullRange;
    PlotLayout Layout;

    // Lays the window out for its client size. Without a sender the legend returns to the data area's lower
    // right corner; either way it is then kept inside the client area.
    void FormResize(DeviceSize client, bool withSender);

    // Font-size choice v (10 = default): legend font point size v × LegendFont / 10, item height 3/2 of it,
    // width back to 21 and widened with the measurer (set to the new legend font).
    void SetupLegend(int sizeValue, TTextMeasurer& legendMeasurer);

    // Legend list.
    const std::vector<LegendEntry>& Legend() const { return m_legend; }
    std::vector<LegendEntry>& Legend() { return m_legend; }
    DeviceRect LegendRect;    // position and size of the list in the client area
    int LegendItemHeight = 0; // fixed item height
    int LegendPointSize = 0;  // point size of the list's font
    bool LegendVisible() const;
    // Height entries × item height + 3; width widened to every entry's text with " *" plus a quarter inch.
    void SizeLegend(TTextMeasurer& legendMeasurer);
    // Entry text as the list draws it (" *" marks a shown curve) and its colour.
    std::string LegendItemText(int entry) const;
    static TColorRGB LegendItemColor(int entry) { return CurvePalette(static_cast<std::size_t>(entry)); }
    // Double click on an entry (or its Plot-menu entry): toggles Shown of its curve. False when the
    // entry or its curve does not exist.
    bool ToggleEntry(int entry);

    // Draws the picture for the current layout and view.
    void Paint(TPlotCanvas& canvas) const;

    // Mouse on the data area.
    enum class Button { Left, Right, Other };
    struct MoveResult {
        std::string title;                 // the window's new title
        std::optional<DeviceRect> eraseBox; // zoom box to erase (not-xor) before drawing the new one
        std::optional<DeviceRect> drawBox;
    };
    MoveResult PaintBoxMouseMove(const DevicePoint& p);
    // Left inside the data area starts a zoom drag; right zooms out around the point. True: repaint.
    bool PaintBoxMouseDown(const DevicePoint& p, Button button);
    // Ends a zoom drag and applies the box. True: repaint.
    bool FormMouseUp(const DevicePoint& p);
    bool ZoomDragging() const { return m_zoomDragging; }

    // Legend dragging, with positions relative to the legend's top-left corner as its events give them.
    void LegendMouseDown(const DevicePoint& local);
    // True when the legend moved.
    bool LegendMouseMove(const DevicePoint& local);
    void LegendMouseUp() { m_legendDragging = false; }
    bool LegendDragging() const { return m_legendDragging; }

private:
    void KeepLegendInside();

    TGraphPlot* m_graph;
    int m_dpiX;
    int m_dpiY;
    std::uint64_t m_stamp = 0;
    std::vector<LegendEntry> m_legend;
    bool m_zoomDragging = false;
    DevicePoint m_dragStart;
    DevicePoint m_dragCorner;
    bool m_legendDragging = false;
    DevicePoint m_grab;
};

// Window title while the mouse is over the data area: Caption + " X: " + x + " Y: " + y, 5 digits.
std::string MouseReadoutTitle(const std::string& caption, long double x, long double y);

} // namespace quavis
