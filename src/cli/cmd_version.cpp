#include "command_registry.h"

#include <iostream>

namespace {

const CliCommandRegistrar kVersion([](CLI::App& app, std::function<int()>& run) {
    auto* cmd = app.add_subcommand("version", "prints the program's version");
    cmd->callback([&run] {
        run = [] {
            std::cout << "QUAVIS 3.0.6\n";
            return 0;
        };
    });
});

} // namespace
