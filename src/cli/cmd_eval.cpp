#include "command_registry.h"

#include "components/evaluator.h"
#include "components/float_format.h"

#include <iostream>
#include <memory>
#include <string>

namespace {

// As an entry field shows a value once it is left: the general format with 18 significant digits.
constexpr int kEntryFieldDigits = 18;

const CliCommandRegistrar kEval([](CLI::App& app, std::function<int()>& run) {
    auto* cmd = app.add_subcommand("eval", "evaluates an expression as an entry field does and prints its value");
    // Expressions such as -pi or -e look like options: take the arguments raw, and keep only the long
    // help flag, so that nothing typed as an expression is mistaken for one.
    cmd->prefix_command();
    cmd->set_help_flag("--help", "Print this help message and exit");
    auto positional = std::make_shared<std::vector<std::string>>();
    cmd->add_option("EXPR", *positional, "the expression, for example 2*pi*3.5^2 or -2^2 (quote it for the shell)");
    cmd->callback([&run, cmd, positional] {
        auto args = std::make_shared<std::vector<std::string>>(*positional);
        for (const auto& arg : cmd->remaining()) {
            if (arg != "--") args->push_back(arg);
        }
        if (args->size() != 1) {
            throw CLI::ValidationError("EXPR", args->empty() ? "an expression is required"
                                                             : "give the expression as one argument");
        }
        run = [args] {
            const long double value = quavis::Evaluate(args->front());
            std::cout << quavis::FormatGeneral(value, kEntryFieldDigits) << "\n";
            return 0;
        };
    });
});

} // namespace
