#pragma once

#include "graph/legend_entry.h"
#include "graph/plot_canvas.h"
#include "graph/plot_layout.h"

#include <string>
#include <vector>

namespace quavis {

class TGraphPlot;

// Axis label: the caption, with " (unit text)" when the unit string is not empty.
std::string AxisLabel(const std::string& caption, const std::string& units, int system);

// Pen width of the curves: (nint(dpiX / 300) + 1) × WidthLine, at least 1.
int CurvePenWidth(int dpiX, int widthLine);

// Draws the whole picture of the graph for the layout and the visible data range: background, titles,
// grid and ticks, the active shown curves with their markers, the legend box when the layout asks for it,
// and the frame. Curves are read from the graph as they are now; legend entries whose curve no longer
// exists are passed over.
void PaintGraph(TPlotCanvas& canvas, const TGraphPlot& graph, const PlotLayout& layout, const DataRange& view,
                const std::vector<LegendEntry>& legend);

// The legend drawn into the picture (printing, saving): a framed box in the lower right corner of the data
// area with the marker and text of each entry whose curve is shown. Nothing when no entry's curve is shown.
void DrawLegendBox(TPlotCanvas& canvas, const TGraphPlot& graph, const PlotLayout& layout,
                   const std::vector<LegendEntry>& legend);

} // namespace quavis
