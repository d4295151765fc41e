#include "command_registry.h"

#include "model/project.h"

#include <memory>
#include <string>

namespace {

const CliCommandRegistrar kNew([](CLI::App& app, std::function<int()>& run) {
    auto* cmd = app.add_subcommand("new", "saves a new project with defaults as OUT.vqd (with its geometry file OUT.vqt)");
    auto out = std::make_shared<std::string>();
    cmd->add_option("OUT", *out, "the project file to write")->required();
    cmd->callback([&run, out] {
        run = [out] {
            quavis::TProject project;
            project.ProgramData().FileName = *out;
            project.Save();
            return 0;
        };
    });
});

} // namespace
