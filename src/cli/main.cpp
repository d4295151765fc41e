#include "command_registry.h"

#include <exception>
#include <iostream>
#include <string>

std::vector<CliCommand>& CliCommands()
{
    static std::vector<CliCommand> commands;
    return commands;
}

namespace {

// The desktop shows a carriage return in a message box as a line break; so do we.
std::string AsLines(std::string text)
{
    for (char& c : text) {
        if (c == '\r') c = '\n';
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    CLI::App app{"QUAVIS 3.0.6 command-line tool: dynamic analysis of foundations, headless"};
    app.require_subcommand(1);
    std::function<int()> run;
    for (auto& command : CliCommands()) {
        command.setup(app, run);
    }
    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError& e) {
        const int code = app.exit(e);
        return code == 0 ? 0 : 2;
    }
    try {
        return run ? run() : 2;
    } catch (const std::exception& e) {
        std::cerr << AsLines(e.what()) << "\n";
        return 1;
    } catch (...) {
        std::cerr << "Unknown error\n";
        return 1;
    }
}
