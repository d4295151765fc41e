#include "command_registry.h"

#include "graph/graph_picture.h"
#include "graph/graph_plot.h"
#include "graph/plot_view.h"
#include "graph/qpainter_canvas.h"
#include "model/project.h"
#include "model/project_reader.h"
#include "results/graphics_menu.h"
#include "results/plot_data_reader.h"

#include <QGuiApplication>

#include <cmath>
#include <iostream>
#include <memory>
#include <stdexcept>
#include <string>

namespace {

struct TPlotArgs {
    std::string project;
    std::string graph;
    std::string out;
    double height = 4;
    double width = 6;
    long long ppi = 72;
};

// The window's resolution that a saved picture is laid out with; headless there is no screen to ask.
constexpr int kWindowDpi = 96;

// By component name ("pltRealKXX") or by the Graphics menu item that shows it ("mrealKxx").
quavis::TGraphPlot& FindGraph(quavis::TProject& project, const std::string& name)
{
    quavis::TResultGraphs& graphs = project.ResultGraphs();
    if (quavis::TGraphPlot* graph = graphs.Find(name)) return *graph;
    for (const auto& item : quavis::GraphicsMenuItems())
        if (item.GraphName && name == item.Field)
            if (quavis::TGraphPlot* graph = graphs.Find(item.GraphName)) return *graph;
    throw std::runtime_error("Unknown graph '" + name + "'");
}

// The limits of the Save Attributes fields.
void CheckArgs(const TPlotArgs& a)
{
    if (!(a.height >= 2)) throw CLI::ValidationError("--height", "must be at least 2 inches");
    if (!(a.width >= 2)) throw CLI::ValidationError("--width", "must be at least 2 inches");
    if (a.ppi < 10 || a.ppi > 2147483647LL) throw CLI::ValidationError("--ppi", "must be 10 to 2147483647");
}

int RunPlot(const TPlotArgs& a)
{
    quavis::TProject project;
    const std::string message = quavis::ReadProjectFile(project, a.project);
    if (!message.empty()) std::cerr << message << "\n";
    quavis::LoadProjectResults(project);
    if (!project.ResultGraphs().ResultsLoaded)
        throw std::runtime_error("No results could be read for " + a.project);
    quavis::TGraphPlot& graph = FindGraph(project, a.graph);

    quavis::DeviceSize size;
    if (!quavis::PictureSize(a.height, a.width, static_cast<long double>(a.ppi), size))
        throw std::runtime_error(quavis::NotEnoughMemoryMessage);

    // Fonts need the GUI layer; no display is used.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char name[] = "quavis-cli";
    char* argv[] = {name, nullptr};
    QGuiApplication app(argc, argv);

    // The legend and ranges of a freshly opened window.
    quavis::TPlotView view(graph, kWindowDpi, kWindowDpi);
    QFont legendFont(QStringLiteral("Times New Roman"));
    legendFont.setPixelSize(15);
    quavis::TFontMeasurer measurer(legendFont);
    if (!view.Create(measurer, graph.LegendFont, graph.LegendFont * 3 / 2))
        throw std::runtime_error("The graph " + graph.Name + " has no values to draw");

    const QImage image =
        quavis::RenderGraphPicture(graph, view.FullRange, view.Legend(), size, kWindowDpi, kWindowDpi);
    if (image.isNull()) throw std::runtime_error(quavis::NotEnoughMemoryMessage);
    quavis::WriteBitmap(image, a.out);
    return message.empty() ? 0 : 1;
}

const CliCommandRegistrar kPlot([](CLI::App& app, std::function<int()>& run) {
    auto* cmd = app.add_subcommand("plot", "writes the picture that Save To Disk writes for a result graph");
    auto args = std::make_shared<TPlotArgs>();
    cmd->add_option("PROJECT", args->project, "the project file (.vqd)")->required();
    cmd->add_option("GRAPH", args->graph, "the graph, e.g. pltRealKXX")->required();
    cmd->add_option("OUT", args->out, "the bitmap to write (.bmp)")->required();
    cmd->add_option("--height", args->height, "picture height in inches (default 4)");
    cmd->add_option("--width", args->width, "picture width in inches (default 6)");
    cmd->add_option("--ppi", args->ppi, "pixels per inch (default 72)");
    cmd->callback([&run, args] {
        CheckArgs(*args);
        run = [args] { return RunPlot(*args); };
    });
});

} // namespace
