#pragma once

#include "graph/plot_geometry.h"
#include "graph/plot_types.h"

namespace quavis {

class TGraphPlot;

// Where and at what resolution one picture of a graph is drawn.
struct PlotLayout {
    DeviceRect PageRect; // the area of the whole picture
    DeviceRect PlotRect; // the data area inside it
    int dpiX = 96;
    int dpiY = 96;
    int baseFontHeight = 14; // the canvas's base font, device pixels; texts scale it by SizeFont
    bool legendBox = false;  // the legend is drawn into the picture (printing, saving)

    // TextUnit h of this layout for the graph's SizeFont.
    int TextUnitFor(const TGraphPlot& graph) const;
    friend bool operator==(const PlotLayout&, const PlotLayout&) = default;
};

// The window: the client area, the window font at the screen's resolution, no legend box.
PlotLayout ScreenLayout(const TGraphPlot& graph, DeviceSize client, int dpiX, int dpiY);
// A printed page: the page inside the margins, the printer's resolution and base font, legend box.
PlotLayout PrinterLayout(const TGraphPlot& graph, const PrinterPage& printer, const PageMargins& margins,
                         int printerBaseFontHeight);
// A saved picture: the whole bitmap, laid out with the window's resolution (the picture's own pixels per
// inch only sets its size) and the picture canvas's base font; no title adjustment; legend box.
PlotLayout BitmapLayout(const TGraphPlot& graph, DeviceSize picture, int windowDpiX, int windowDpiY,
                        int pictureBaseFontHeight);

} // namespace quavis
