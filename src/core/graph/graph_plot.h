#pragma once

#include "graph/line.h"
#include "graph/plot_window_handle.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace quavis {

class TGraphPlot;

// Called for every active curve as a plot window opens; may replace the legend text.
using TGetCaptionEvent = std::function<void(int curveIndex, std::string& legendText)>;

// Creates the plot window of a graph (set by the desktop program; headless code leaves it empty).
using TPlotWindowFactory = std::function<std::unique_ptr<TPlotWindowHandle>(TGraphPlot&)>;

// The curves of one result quantity and the settings with which its plot window draws them.
// Not copyable or movable: curves and windows refer back to their graph.
class TGraphPlot {
public:
    TGraphPlot() = default;
    explicit TGraphPlot(std::string name) : Name(std::move(name)) {}
    ~TGraphPlot();
    TGraphPlot(const TGraphPlot&) = delete;
    TGraphPlot& operator=(const TGraphPlot&) = delete;

    // Component name ("pltRealKXX"); identifies the graph in reports.
    std::string Name;

    // Stored settings, with the defaults of a new graph.
    std::string Caption;
    std::string CurveName = "Curve #";
    std::string XCaption;
    std::string XUnits;
    std::string YCaption;
    std::string YUnits;
    bool XOnTop = true;
    bool ShowLegend = true;
    bool ShowFontWidth = true;
    int Markers = 1;     // a marker every this many points; 0 = none
    int SizeFont = 10;   // text size in tenths of the base font height
    int LegendFont = 11; // base point size of the legend font
    int WidthLine = 1;   // multiplier of the curve pen width
    TGetCaptionEvent onGetCaption;

    // Unit system of the axis-label codes: 1 English, 2 SI, 3 codes as written; stored clamped into 1..3.
    int Units() const { return m_units; }
    void SetUnits(int units);

    // Display state that lives with the graph until the program ends (not written to any file).
    std::string GraphTitle;
    bool TitleOnTop = false;
    // Only the first 20 curves become active when a plot window opens.
    bool LimitActiveCurves() const { return true; }

    // Curves. n below 0 is taken as 0; surplus curves are destroyed from the end, new ones appended with
    // CurvePointCount() (0, 0) points.
    void SetLineCount(int n);
    int LineCount() const { return static_cast<int>(m_curves.size()); }
    // Curve i (0-based); EListError outside 0..LineCount()-1.
    TLine& LineAt(int i);
    const TLine& LineAt(int i) const;

    // Every curve gets n points (n below 0 taken as 0); leading points keep their values. Either every
    // curve is resized or, when memory runs out, none is.
    void SetPointCount(int n);
    // Points of the first curve; 0 without curves.
    int CurvePointCount() const;
    // Point j of curve i; EListError outside the counts of that curve.
    TFloatPoint& PointAt(int i, int j) { return LineAt(i).PointAt(j); }
    const TFloatPoint& PointAt(int i, int j) const { return LineAt(i).PointAt(j); }

    // Changes whenever a curve is added or removed or a curve's point count changes, so that a window can
    // tell that indices it kept may be stale.
    std::uint64_t StructureStamp() const { return m_structureStamp; }

    // Plot window: created on first ShowPlot through PlotWindowFactory, then shown (restored when
    // minimized). Without a factory ShowPlot does nothing.
    TPlotWindowFactory PlotWindowFactory;
    void ShowPlot();
    TPlotWindowHandle* PlotWindow() const { return m_plotWindow.get(); }
    // The window closes: the graph forgets it and hands the handle back to the caller, which destroys it
    // when convenient (a window must not be destroyed from inside its own close handler).
    std::unique_ptr<TPlotWindowHandle> ReleasePlotWindow() { return std::move(m_plotWindow); }
    // Tells an open window that the curves were replaced (after a results read).
    void NotifyCurvesChanged();

private:
    friend class TLine;

    std::vector<std::unique_ptr<TLine>> m_curves;
    int m_units = 1;
    std::uint64_t m_structureStamp = 0;
    std::unique_ptr<TPlotWindowHandle> m_plotWindow;
};

} // namespace quavis
