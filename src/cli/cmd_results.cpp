#include "command_registry.h"
#include "results_json.h"

#include "model/project.h"
#include "model/project_reader.h"
#include "results/plot_data_reader.h"

#include <nlohmann/json.hpp>

#include <charconv>
#include <cmath>
#include <iostream>
#include <memory>
#include <string>

namespace {

// Exactly what the graph holds, to 17 significant digits; JSON has no form for infinities and NaN.
void AppendNumber(std::string& out, long double value)
{
    if (!std::isfinite(value)) {
        out += "null";
        return;
    }
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::general, 17);
    out.append(buffer, result.ptr);
}

// Texts of the program are single-byte; bytes that are not UTF-8 are replaced rather than refused.
void AppendString(std::string& out, const std::string& text)
{
    out += nlohmann::json(text).dump(-1, ' ', false, nlohmann::json::error_handler_t::replace);
}

std::string AsLines(std::string text)
{
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

const CliCommandRegistrar kResults([](CLI::App& app, std::function<int()>& run) {
    auto* cmd = app.add_subcommand("results", "opens PROJECT, reads its plot-data file into the graphs as Open "
                                              "does and prints the graphs as JSON");
    auto project = std::make_shared<std::string>();
    cmd->add_option("PROJECT", *project, "the project file (.vqd)")->required();
    cmd->callback([&run, project] {
        run = [project] {
            quavis::TProject p;
            const std::string message = quavis::ReadProjectFile(p, *project);
            // Open goes on to the plot-data file after a read error too, so the graphs are printed.
            quavis::LoadProjectResults(p);
            std::cout << ResultsJson(p.ResultGraphs());
            if (message.empty()) return 0;
            std::cerr << AsLines(message) << "\n";
            return 1;
        };
    });
});

} // namespace

std::string ResultsJson(const quavis::TResultGraphs& graphs)
{
    std::string out = "{\"resultsLoaded\": ";
    out += graphs.ResultsLoaded ? "true" : "false";
    out += ", \"graphs\": [";
    bool firstGraph = true;
    for (const quavis::TGraphPlot* graph : graphs.Graphs()) {
        out += firstGraph ? "\n  " : ",\n  ";
        firstGraph = false;
        out += "{\"name\": ";
        AppendString(out, graph->Name);
        out += ", \"units\": " + std::to_string(graph->Units()) + ", \"caption\": ";
        AppendString(out, graph->Caption);
        out += ", \"curves\": [";
        for (int c = 0; c < graph->LineCount(); ++c) {
            const quavis::TLine& line = graph->LineAt(c);
            out += c == 0 ? "\n    " : ",\n    ";
            out += "{\"legend\": ";
            AppendString(out, line.LegendName());
            out += ", \"points\": [";
            bool firstPoint = true;
            for (const quavis::TFloatPoint& point : line.CurvePoints()) {
                if (!firstPoint) out += ", ";
                firstPoint = false;
                out += '[';
                AppendNumber(out, point.X);
                out += ", ";
                AppendNumber(out, point.Y);
                out += ']';
            }
            out += "]}";
        }
        out += graph->LineCount() > 0 ? "\n  ]}" : "]}";
    }
    out += "\n]}\n";
    return out;
}
