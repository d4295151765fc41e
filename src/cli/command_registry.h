#pragma once

#include <CLI/CLI.hpp>

#include <functional>
#include <vector>

// Each subcommand lives in its own file and registers itself here, so adding one touches no other file.
// The setup function adds the subcommand to the app and sets `Run`, which returns the exit code.
struct CliCommand {
    std::function<void(CLI::App&, std::function<int()>&)> setup;
};

std::vector<CliCommand>& CliCommands();

struct CliCommandRegistrar {
    explicit CliCommandRegistrar(std::function<void(CLI::App&, std::function<int()>&)> setup)
    {
        CliCommands().push_back({std::move(setup)});
    }
};
