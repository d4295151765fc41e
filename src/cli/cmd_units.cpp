#include "command_registry.h"

#include "components/unit_labels.h"
#include "model/project.h"
#include "model/project_reader.h"

#include <iostream>
#include <map>
#include <memory>
#include <string>

namespace {

const CliCommandRegistrar kUnits([](CLI::App& app, std::function<int()>& run) {
    auto* cmd = app.add_subcommand("units", "opens IN, switches it to the unit system given and saves it as OUT");
    auto in = std::make_shared<std::string>();
    auto system = std::make_shared<int>(0);
    auto out = std::make_shared<std::string>();
    const std::map<std::string, int> systems{{"english", quavis::English}, {"si", quavis::SI}};
    cmd->add_option("IN", *in, "the project file to read")->required();
    cmd->add_option("SYSTEM", *system, "english or si")->required()->transform(CLI::CheckedTransformer(systems));
    cmd->add_option("OUT", *out, "the project file to write")->required();
    cmd->callback([&run, in, system, out] {
        run = [in, system, out] {
            quavis::TProject project;
            std::string message = quavis::ReadProjectFile(project, *in);
            project.ChangeUnitSystem(*system);
            project.ProgramData().FileName = *out;
            project.Save();
            if (message.empty()) return 0;
            // A file read only in part is still converted and saved, as the desktop allows; the fault
            // is reported.
            for (char& c : message) {
                if (c == '\r') c = '\n';
            }
            std::cerr << message << "\n";
            return 1;
        };
    });
});

} // namespace
