#include "graph/graph_plot.h"
#include "graph/paint_graph.h"
#include "graph/plot_geometry.h"
#include "graph/plot_layout.h"
#include "graph/plot_view.h"
#include "graph/qpainter_canvas.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cmath>
#include <memory>

namespace {

// Fonts need the GUI layer; made once for the whole run, without a display.
void EnsureGuiApplication()
{
    static std::unique_ptr<QGuiApplication> app;
    if (app || QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "quavis_bench";
    static char* argv[] = {name, nullptr};
    app = std::make_unique<QGuiApplication>(argc, argv);
}

// The window's picture of three curves of 20 000 points each, with markers every 100 points, on a
// 1920 × 1080 image.
void BM_PaintGraphThreeCurves(benchmark::State& state)
{
    EnsureGuiApplication();
    constexpr int kPoints = 20000;
    quavis::TGraphPlot graph("pltBench");
    graph.Caption = "Bench";
    graph.XCaption = "Frequency";
    graph.YCaption = "Stiffness";
    graph.Markers = 100;
    graph.SetLineCount(3);
    graph.SetPointCount(kPoints);
    for (int c = 0; c < 3; ++c)
        for (int j = 0; j < kPoints; ++j)
            graph.PointAt(c, j) = {j * 0.01L, (c + 1) * 1000.0L + 300.0L * std::sin(j * 0.001L * (c + 1))};
    quavis::TPlotView view(graph, 96, 96);
    QFont legendFont(QStringLiteral("Times New Roman"));
    legendFont.setPixelSize(15);
    quavis::TFontMeasurer measurer(legendFont);
    if (!view.Create(measurer, 11, 16)) {
        state.SkipWithError("no range");
        return;
    }
    view.FormResize({1920, 1080}, false);
    QImage image(1920, 1080, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        quavis::TQPainterCanvas canvas(painter);
        view.Paint(canvas);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
    state.SetItemsProcessed(state.iterations() * 3 * kPoints);
}
BENCHMARK(BM_PaintGraphThreeCurves)->Unit(benchmark::kMillisecond);

} // namespace
