#include "components/decimal_text.h"

#include <gtest/gtest.h>

namespace quavis {
namespace {

struct ValidCase {
    const char* text;
    long double expected;
};

TEST(ParseDecimalText, AcceptsSignDigitsFractionAndExponent)
{
    const ValidCase cases[] = {
        {"12", 12.0L},     {"-0.5", -0.5L},   {"1.5E3", 1500.0L}, {"2e-4", 2e-4L}, {"+5", 5.0L},
        {"5.", 5.0L},      {".5", 0.5L},      {"-.5", -0.5L},     {"1e+5", 1e5L},  {"007", 7.0L},
        {"0.1", 0.1L},     {"1E-5000", 0.0L}, {"-0", -0.0L},
        {"1.18973149535723176502e4932", 1.18973149535723176502e4932L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        long double value = -1;
        ASSERT_EQ(ParseDecimalText(c.text, value), DecimalTextResult::Ok);
        EXPECT_EQ(value, c.expected);
    }
    long double tiny = 0;
    ASSERT_EQ(ParseDecimalText("1e-4940", tiny), DecimalTextResult::Ok); // a denormal is kept, not lost
    EXPECT_GT(tiny, 0.0L);
}

TEST(ParseDecimalText, RejectsEverythingElseAndLeavesTheValueAlone)
{
    const char* const invalid[] = {"",    "-",   "+",    ".",    "e5",  "1e",  "1e+", "1.5.2", "inf", "nan",
                                   "0x1F", " 1", "1 ",  "1,5",  "--1", "1e5e", "abc", "1-2",  "$FF", "1e-"};
    for (const char* text : invalid) {
        SCOPED_TRACE(text);
        long double value = 42;
        EXPECT_EQ(ParseDecimalText(text, value), DecimalTextResult::Invalid);
        EXPECT_EQ(value, 42);
    }
    long double value = 42;
    EXPECT_EQ(ParseDecimalText("1e5000", value), DecimalTextResult::Overflow);
    EXPECT_EQ(ParseDecimalText("-2E4932", value), DecimalTextResult::Overflow);
    EXPECT_EQ(value, 42);
    // Only the given length counts: a text without its terminator is read as far as it goes.
    EXPECT_EQ(ParseDecimalText(std::string_view("123", 2), value), DecimalTextResult::Ok);
    EXPECT_EQ(value, 12);
}

} // namespace
} // namespace quavis
