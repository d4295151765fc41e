#include "comma_locale.h"
#include "components/errors.h"
#include "components/evaluator.h"
#include "components/float_format.h"
#include "support/float_compare.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

namespace quavis {
namespace {

constexpr long double kPi = 3.141592653589793238462643383279502884L;
constexpr long double kE = 2.718281828459045235360287471352662498L;

struct ValueCase {
    const char* text;
    long double expected;
};

void ExpectValues(const ValueCase* begin, const ValueCase* end)
{
    for (const ValueCase* c = begin; c != end; ++c) {
        SCOPED_TRACE(c->text);
        try {
            EXPECT_NEAR_REL(Evaluate(c->text), c->expected, 1e-17L);
        } catch (const std::exception& e) {
            ADD_FAILURE() << "threw " << e.what();
        }
    }
}

TEST(Evaluate, PrecedenceAssociativityAndSigns)
{
    const ValueCase cases[] = {
        {"2+3*4", 14},     {"(2+3)*4", 20},   {"2^3^2", 64},     {"8/2/2", 2},       {"7%3", 1},
        {"-7%3", -1},      {"7%-3", 1},       {"7.9%3.9", 1},    {"-2^2", 4},        {"2^-2", 0.25L},
        {"5--3", 8},       {"5---3", 2},      {"1e-5*2", 2e-5L}, {"1.5E3-1", 1499},  {"pi-1", kPi - 1},
        {"2*-3", -6},      {"-(2)", -2},      {"1-2+3", 2},      {"10-2*3^2", -8},   {"2*3%4", 2},
        {"1=1", 1},        {"1=2", 0},        {"1+1=2", 1},      {"0|2", 1},         {"0|0", 0},
        {"0&1", 0},        {"3&2", 1},        {"1|abc", 1},      {" 2 \t+ 3 ", 5},   {"5", 5},
        {"2^0.5", std::sqrt(2.0L)}, {"0^0", 1}, {"0^2.5", 0},    {"-2^3", -8},       {"-1^1e30", 1},
        {"0.5^1e30", 0},   {"1e-4000*1e-4000", 0}, {"1e-4000/1e4000", 0}, {"4^0.5^2", 4},
    };
    ExpectValues(std::begin(cases), std::end(cases));
}

TEST(Evaluate, ParenthesesAreReplacedByTheirValueAsText)
{
    const ValueCase cases[] = {
        {"2(3)", 23},          {"(2)(3)", 23},    {"((2))", 2},           {"2*(3+(4-1))", 12},
        {"sin(0-1)", std::sin(-1.0L)}, {"(1e-5)*2", 2e-5L}, {"(1e20)-3", 1e20L - 3}, {"5-(0-3)", 8},
        {"(0-2)^2", 4},        {"2^(0-1)", 0.5L},
    };
    ExpectValues(std::begin(cases), std::end(cases));
    // Intermediate values carry 18 significant digits, not the full extended precision.
    long double third = 0;
    ASSERT_NO_THROW(third = Evaluate("0.999999999999999999"));
    EXPECT_EQ(Evaluate("1/3*3"), third);
    EXPECT_EQ(FormatGeneral(Evaluate("2*pi"), 18), "6.28318530717958648");
}

TEST(EvaluateOperand, ConstantsFunctionsFactorialsAndHexadecimal)
{
    const ValueCase cases[] = {
        {"pi", kPi},           {"-pi", -kPi},         {"PI", kPi},             {"e", kE},
        {"-e", -kE},           {"--pi", kPi},         {"---3", -3},            {"sin2", std::sin(2.0L)},
        {"SIN2", std::sin(2.0L)}, {"sincos0", std::sin(1.0L)}, {"sin-1", std::sin(-1.0L)}, {"sqrt$10", 4},
        {"cosh1", std::cosh(1.0L)}, {"cos1", std::cos(1.0L)}, {"cosec1", 1 / std::sin(1.0L)},
        {"csc1", 1 / std::sin(1.0L)}, {"sec1", 1 / std::cos(1.0L)}, {"cotan1", 1 / std::tan(1.0L)},
        {"tan1", std::tan(1.0L)}, {"tanh0.5", std::tanh(0.5L)}, {"arctan1", kPi / 4},
        {"arctanh0.5", std::atanh(0.5L)}, {"arccos-1", kPi}, {"arccos0.5", kPi / 3}, {"arcsin1", kPi / 2},
        {"arcsin-0.5", -kPi / 6}, {"arcsinh1", std::asinh(1.0L)}, {"arccosh2", std::acosh(2.0L)},
        {"sinh1", std::sinh(1.0L)}, {"abs-3", 3}, {"frac-2.5", -0.5L}, {"frac2.25", 0.25L},
        {"int-2.7", -2}, {"int2.7", 2}, {"lne", 1}, {"ln1", 0}, {"log1000", 3},
        {"round2.5", 2}, {"round3.5", 4}, {"round-2.5", -2}, {"round-2.6", -3}, {"round2.4", 2},
        {"ceil-1.5", -1}, {"ceil1.2", 2}, {"floor-1.5", -2}, {"floor2147483647.5", 2147483647},
        {"sqrt2", std::sqrt(2.0L)}, {"sinpi", std::sin(kPi)},
        {"3!", 6}, {"0!", 1}, {"-3!", -6}, {"3!!", 720}, {"sin3!", std::sin(6.0L)},
        {"20!", 2432902008176640000.0L}, {"$ff", 255}, {"$FF", 255}, {"$7FFFFFFF", 2147483647},
        {"$FFFFFFFF", -1}, {"$80000000", -2147483648.0L}, {"$000000001f", 31}, {"$6!", 720},
        {"5.", 5}, {".5", 0.5L}, {"1E-3", 0.001L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            EXPECT_NEAR_REL(EvaluateOperand(c.text), c.expected, 1e-17L);
        } catch (const std::exception& e) {
            ADD_FAILURE() << "threw " << e.what();
        }
    }
}

struct ErrorCase {
    const char* text;
    const char* message;
};

TEST(Evaluate, EntryErrorsCarryTheirMessage)
{
    const char* const blank = "Entry could not be evaluated:\rentry cannot be blank";
    const char* const parens = "Entry could not be evaluated:\r() (parentheses) do not match";
    const char* const expr = "Entry could not be evaluated:\rinvalid expression";
    const char* const chars = "Entry could not be evaluated:\rinvalid character(s) in expression";
    const char* const hex = "Entry could not be evaluated:\rinvalid use of $ (hex function)";
    const char* const fact = "Entry could not be evaluated:\r! (factoral) applicable to integers only";
    const ErrorCase cases[] = {
        {"", blank},           {"()", blank},          {" ", expr},            {"\t", expr},
        {"5+", expr},          {"2*", expr},           {"(2)))", parens},      {")", parens},
        {"2)(", parens},       {"(2", chars},          {"e-1", chars},         {"2*sin(0-1)", chars},
        {"2**3", chars},       {"+5", chars},          {"abc", chars},         {"1,5", chars},
        {"sin", chars},        {"1e+5", chars},        {"inf", chars},         {"nan", chars},
        {"2 .5.", chars},      {"1\n", chars},         {"!", chars},           {"2.5!", fact},
        {"pi!", fact},         {"-2.5!", fact},        {"$xyz", hex},          {"$", hex},
        {"$100000000", hex},   {"$-1", hex},           {"$1.5", hex},          {"sqrt$g", hex},
        {"1+2.5!", fact},      {"e!", fact},           {"abc*sqrt-1", chars}, // the left operand is valued first
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            Evaluate(c.text);
            ADD_FAILURE() << "no error";
        } catch (const EAssignError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        } catch (const std::exception& e) {
            ADD_FAILURE() << "not an entry error: " << e.what();
        }
    }
}

TEST(Evaluate, ArithmeticFaultsAreNotEntryErrors)
{
    const char* const divZero = "Division by zero";
    const char* const invalid = "Invalid floating point operation";
    const char* const overflow = "Floating point overflow";
    const ErrorCase cases[] = {
        {"1/0", divZero},        {"0/0", invalid},          {"5%0", divZero},       {"5%0.5", divZero},
        {"1e30%2", invalid},     {"ln0", divZero},          {"ln-1", invalid},      {"log0", divZero},
        {"log-2", invalid},      {"sqrt-1", invalid},       {"arcsin2", invalid},   {"arccos-1.5", invalid},
        {"arccosh0.5", invalid}, {"arctanh1", divZero},     {"arctanh-2", invalid}, {"-8^0.5", invalid},
        {"0^-1", divZero},       {"0^-0.5", divZero},       {"ceil3e9", invalid},   {"floor-3e9", invalid},
        {"1755!", overflow},     {"1e30!", overflow},       {"1e4000*1e4000", overflow}, {"1e5000", overflow},
        {"10^5000", overflow},   {"sinh20000", overflow},   {"cosh-20000", overflow}, {"cotan0", divZero},
        {"cosec0", divZero},     {"csc0", divZero},         {"1e4932+1e4932", overflow},
        {"1e4000/1e-4000", overflow}, {"2-0/0", invalid},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        try {
            Evaluate(c.text);
            ADD_FAILURE() << "no fault";
        } catch (const EMathError& e) {
            EXPECT_EQ(std::string(e.what()), c.message);
        } catch (const std::exception& e) {
            ADD_FAILURE() << "not an arithmetic fault: " << e.what();
        }
    }
}

TEST(IsFunctionName, TheFunctionTableAndTheTwoOperandMarks)
{
    for (const char* name : {"sin", "SIN", "arctanh", "cotan", "csc", "floor", "sqrt", "Log", "!", "$"})
        EXPECT_TRUE(IsFunctionName(name)) << name;
    for (const char* name : {"", "pi", "e", "si", "sinh2", "sin ", "exp", "!!", "$1", "arctanhx"})
        EXPECT_FALSE(IsFunctionName(name)) << name;
}

TEST(Evaluate, LongChainsDoNotOverflowTheStack)
{
    std::string nested;
    for (int i = 0; i < 30000; ++i) nested += "sin";
    EXPECT_NEAR_REL(EvaluateOperand(nested + "0"), 0, 1e-17L);
    std::string facts = "1";
    facts.append(30000, '!');
    EXPECT_EQ(EvaluateOperand(facts), 1);
    std::string sum = "0";
    for (int i = 0; i < 2000; ++i) sum += "+1";
    EXPECT_EQ(Evaluate(sum), 2000);
    std::string parens(1000, '(');
    parens += "1";
    parens.append(1000, ')');
    EXPECT_EQ(Evaluate(parens), 1);
    EXPECT_EQ(Evaluate(std::string(100001, '-') + "3"), -3);
}

TEST(Evaluate, ReadsPointDecimalsUnderACommaLocale)
{
    test::CommaDecimalLocale comma;
    if (!comma.Active()) GTEST_SKIP() << "could not build a locale with a decimal comma";
    EXPECT_EQ(Evaluate("2.5*2"), 5);
    EXPECT_EQ(Evaluate("(1/4)+1"), 1.25L);
    EXPECT_THROW(Evaluate("2,5"), EAssignError);
}

} // namespace
} // namespace quavis
