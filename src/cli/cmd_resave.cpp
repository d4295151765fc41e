#include "command_registry.h"

#include "model/project.h"
#include "model/project_reader.h"

#include <iostream>
#include <memory>
#include <string>

namespace {

const CliCommandRegistrar kResave([](CLI::App& app, std::function<int()>& run) {
    auto* cmd = app.add_subcommand("resave", "opens IN as Open does and saves it as OUT as Save does");
    auto in = std::make_shared<std::string>();
    auto out = std::make_shared<std::string>();
    cmd->add_option("IN", *in, "the project file to read")->required();
    cmd->add_option("OUT", *out, "the project file to write")->required();
    cmd->callback([&run, in, out] {
        run = [in, out] {
            quavis::TProject project;
            std::string message = quavis::ReadProjectFile(project, *in);
            // What was read before a fault is saved all the same, as the desktop would after Open.
            project.ProgramData().FileName = *out;
            project.Save();
            if (message.empty()) return 0;
            for (char& c : message) {
                if (c == '\r') c = '\n';
            }
            std::cerr << message << "\n";
            return 1;
        };
    });
});

} // namespace
