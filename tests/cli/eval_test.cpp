#include "support/cli_runner.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quavis {
namespace {

using test::RunCli;

struct EvalCase {
    std::vector<std::string> args;
    int exitCode;
    const char* out;
    const char* err;
};

TEST(CliEval, AnswersAsAnEntryFieldWould)
{
    const EvalCase cases[] = {
        {{"eval", "2*pi"}, 0, "6.28318530717958648\n", ""},
        {{"eval", "-2^2"}, 0, "4\n", ""},
        {{"eval", "-pi"}, 0, "-3.14159265358979324\n", ""},
        {{"eval", "--", "-e"}, 0, "-2.71828182845904524\n", ""},
        {{"eval", "$FF"}, 0, "255\n", ""},
        {{"eval", "1e-5*2"}, 0, "2E-5\n", ""},
        {{"eval", "1e-4*2"}, 0, "0.0002\n", ""},
        {{"eval", "1/3"}, 0, "0.333333333333333333\n", ""},
        {{"eval", "1e19"}, 0, "1E19\n", ""},
        {{"eval", "2^-20"}, 0, "9.5367431640625E-7\n", ""},
        // Entry errors and arithmetic faults go to standard error with exit code 1.
        {{"eval", "5+"}, 1, "", "Entry could not be evaluated:\ninvalid expression\n"},
        {{"eval", ""}, 1, "", "Entry could not be evaluated:\nentry cannot be blank\n"},
        {{"eval", "-h"}, 1, "", "Entry could not be evaluated:\ninvalid character(s) in expression\n"},
        {{"eval", "1/0"}, 1, "", "Division by zero\n"},
        {{"eval", "1755!"}, 1, "", "Floating point overflow\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.back());
        const auto result = RunCli(c.args);
        EXPECT_EQ(result.exitCode, c.exitCode);
        EXPECT_EQ(result.out, c.out);
        EXPECT_EQ(result.err, c.err);
    }
}

TEST(CliEval, UsageErrorsExitWithCodeTwo)
{
    for (const auto& args : std::vector<std::vector<std::string>>{{"eval"}, {"eval", "1", "2"}, {"eval", "-pi", "2"}}) {
        const auto result = RunCli(args);
        EXPECT_EQ(result.exitCode, 2) << args.size();
        EXPECT_EQ(result.out, "");
        EXPECT_NE(result.err, "");
    }
}

} // namespace
} // namespace quavis
