#include "command_registry.h"

#include "components/evaluator.h"
#include "model/project.h"
#include "model/project_reader.h"
#include "results/amplitude_window_state.h"
#include "results/graphics_menu.h"
#include "results/plot_data_reader.h"

#include <array>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

namespace {

struct TAmplitudeArgs {
    std::string project;
    std::array<std::string, 3> point;
    std::string out;
    int shown = 0; // 0: the project's unit system
    bool rotation = false;
};

int ShownSystem(const std::string& name)
{
    if (name == "english") return quavis::English;
    if (name == "si") return quavis::SI;
    throw CLI::ValidationError("--shown", "must be english or si, not '" + name + "'");
}

// Coordinates such as -2 or -pi look like options to a parser; the few options are picked out by hand
// and every other argument is positional.
TAmplitudeArgs ParseArgs(const std::vector<std::string>& args)
{
    TAmplitudeArgs parsed;
    std::vector<std::string> positional;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--rotation") {
            parsed.rotation = true;
        } else if (arg == "--shown") {
            if (i + 1 == args.size()) throw CLI::ValidationError("--shown", "needs english or si");
            parsed.shown = ShownSystem(args[++i]);
        } else if (arg.compare(0, 8, "--shown=") == 0) {
            parsed.shown = ShownSystem(arg.substr(8));
        } else {
            throw CLI::ValidationError(arg, "unknown option");
        }
    }
    if (positional.size() != 5)
        throw CLI::ValidationError("arguments", "expected PROJECT.vqd X Y Z OUT.txt, got " +
                                                    std::to_string(positional.size()) + " arguments");
    parsed.project = positional[0];
    parsed.point = {positional[1], positional[2], positional[3]};
    parsed.out = positional[4];
    return parsed;
}

std::string AsLines(std::string text)
{
    for (char& c : text)
        if (c == '\r') c = '\n';
    return text;
}

const CliCommandRegistrar kAmplitude([](CLI::App& app, std::function<int()>& run) {
    auto* cmd = app.add_subcommand(
        "amplitude", "writes the export of the interactive amplitude window for the reference point X Y Z "
                     "(in the shown unit system, by default the project's): PROJECT.vqd X Y Z "
                     "[--shown english|si] [--rotation] OUT.txt");
    cmd->prefix_command();
    cmd->set_help_flag("--help", "Print this help message and exit");
    // Every argument stays unparsed, in order: a declared positional would take the plain ones and leave
    // the rest out of order.
    cmd->callback([&run, cmd] {
        const std::vector<std::string> args = cmd->remaining();
        auto parsed = std::make_shared<TAmplitudeArgs>(ParseArgs(args));
        run = [parsed] {
            quavis::TProject project;
            const std::string message = quavis::ReadProjectFile(project, parsed->project);
            const quavis::TProgramData& data = project.ProgramData();
            quavis::TResultGraphs& graphs = project.ResultGraphs();
            std::string detail;
            const bool present = quavis::LoadProjectResults(project, &detail);
            // The window opens only from its Graphics item, which needs results read from a file that exists.
            if (!quavis::GraphicsMenuState(data, graphs.ResultsLoaded)
                     [quavis::TGraphicsItem::FootingResponseAmplitudeDisplacement1]) {
                if (!message.empty()) std::cerr << AsLines(message) << "\n";
                if (!present) throw quavis::EInOutError("No results: " + quavis::PlotDataFileName(data.FileName) +
                                                        " does not exist.");
                throw quavis::EInOutError(std::string(quavis::PlotDataReadErrorMessage) + "\r" + detail);
            }
            quavis::TAmplitudeWindowState window(data, graphs);
            window.FormActivate();
            if (parsed->shown != 0) window.SelectUnits(parsed->shown);
            for (int axis = 0; axis < 3; ++axis)
                window.SetPoint(axis, quavis::Evaluate(parsed->point[static_cast<std::size_t>(axis)]));
            if (parsed->rotation) window.SetType(quavis::TAmplitudeType::Rotation);
            window.Export(parsed->out);
            if (message.empty()) return 0;
            std::cerr << AsLines(message) << "\n";
            return 1;
        };
    });
});

} // namespace
