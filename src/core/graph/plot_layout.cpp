#include "graph/plot_layout.h"

#include "graph/graph_plot.h"

namespace quavis {

int PlotLayout::TextUnitFor(const TGraphPlot& graph) const { return TextUnit(baseFontHeight, graph.SizeFont); }

PlotLayout ScreenLayout(const TGraphPlot& graph, DeviceSize client, int dpiX, int dpiY)
{
    PlotLayout layout;
    layout.dpiX = dpiX;
    layout.dpiY = dpiY;
    layout.baseFontHeight = ScreenBaseFontHeight(dpiY);
    layout.PageRect = {0, 0, client.width, client.height};
    layout.PlotRect = ScreenPlotRect(layout.PageRect, layout.TextUnitFor(graph), dpiX, dpiY, graph.XOnTop,
                                     !graph.GraphTitle.empty(), graph.TitleOnTop);
    return layout;
}

PlotLayout PrinterLayout(const TGraphPlot& graph, const PrinterPage& printer, const PageMargins& margins,
                         int printerBaseFontHeight)
{
    PlotLayout layout;
    layout.dpiX = printer.dpiX;
    layout.dpiY = printer.dpiY;
    layout.baseFontHeight = printerBaseFontHeight;
    layout.legendBox = true;
    layout.PageRect = PrinterPageRect(printer, margins);
    layout.PlotRect = PrinterPlotRect(layout.PageRect, layout.TextUnitFor(graph), printer.dpiX, printer.dpiY,
                                      graph.XOnTop, !graph.GraphTitle.empty(), graph.TitleOnTop);
    return layout;
}

PlotLayout BitmapLayout(const TGraphPlot& graph, DeviceSize picture, int windowDpiX, int windowDpiY,
                        int pictureBaseFontHeight)
{
    PlotLayout layout;
    layout.dpiX = windowDpiX;
    layout.dpiY = windowDpiY;
    layout.baseFontHeight = pictureBaseFontHeight;
    layout.legendBox = true;
    layout.PageRect = {0, 0, picture.width, picture.height};
    layout.PlotRect =
        BitmapPlotRect(layout.PageRect, layout.TextUnitFor(graph), windowDpiX, windowDpiY, graph.XOnTop);
    return layout;
}

} // namespace quavis
