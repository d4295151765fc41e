#include "components/data_edit_rules.h"
#include "components/errors.h"
#include "support/scripted_prompter.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

namespace quavis {
namespace {

struct ExitCase {
    const char* name;
    const char* typed;
    bool integerOnly;
    long double minVal;
    long double maxVal;
    TEntryFailure failure;
    const char* message; // empty when the check passes
    const char* textAfter;
};

constexpr long double kNone = std::numeric_limits<long double>::max();

class DataEditExitCheck : public ::testing::TestWithParam<ExitCase> {};

TEST_P(DataEditExitCheck, OutcomeMessageAndText)
{
    const ExitCase& c = GetParam();
    TDataEditRules field;
    field.SetIntegerOnly(c.integerOnly);
    if (c.maxVal != kNone) field.SetMaxVal(c.maxVal);
    if (c.minVal != -kNone) field.SetMinVal(c.minVal);
    field.SetText(c.typed);
    const TExitCheckResult result = field.ExitCheck();
    EXPECT_EQ(result.Failure, c.failure);
    EXPECT_EQ(result.Message, c.message);
    EXPECT_EQ(result.ReturnFocus(), c.failure != TEntryFailure::None);
    EXPECT_EQ(field.IsValid(), c.failure == TEntryFailure::None);
    EXPECT_EQ(field.Text(), c.textAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataEditExitCheck,
    ::testing::Values(
        ExitCase{"Expression", "2*pi", false, -kNone, kNone, TEntryFailure::None, "", "6.28318530717958648"},
        ExitCase{"OperatorsAppended", "10*2", false, -kNone, kNone, TEntryFailure::None, "", "20"},
        ExitCase{"AboveMax", "150", false, -kNone, 100, TEntryFailure::Max, "Entry must be less than or equal to 100",
                 "100"},
        ExitCase{"AtMax", "100", false, -kNone, 100, TEntryFailure::None, "", "100"},
        ExitCase{"BelowMin", "-3/2", false, -1.25L, kNone, TEntryFailure::Min,
                 "Entry must be greater than or equal to -1.25", "-1.25"},
        ExitCase{"Fraction", "2.5", true, -kNone, kNone, TEntryFailure::Integer, "Entry must be an integer.", "2.5"},
        ExitCase{"IntegerBadText", "abc", true, -kNone, kNone, TEntryFailure::Entry, "Entry must be a valid integer.",
                 "abc"},
        ExitCase{"BadText", "abc", false, -kNone, kNone, TEntryFailure::Entry,
                 "Entry could not be evaluated:\rinvalid character(s) in expression", "abc"},
        ExitCase{"Blank", "", false, -kNone, kNone, TEntryFailure::Entry,
                 "Entry could not be evaluated:\rentry cannot be blank", ""},
        ExitCase{"DivisionByZeroKeepsText", "1/0", false, -kNone, kNone, TEntryFailure::Math, "Division by zero",
                 "1/0"},
        ExitCase{"IntegerBeyond32Bits", "3e9", true, -kNone, kNone, TEntryFailure::Max,
                 "Entry must be less than or equal to 2147483647", "2147483647"},
        ExitCase{"IntegerWhole", "6/3", true, -kNone, kNone, TEntryFailure::None, "", "2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(DataEdit, HexFieldsShowDollarFormWithFourDigitsAtLeast)
{
    TDataEditRules field;
    field.SetHex(true);
    field.SetNumber(255);
    EXPECT_EQ(field.Text(), "$00FF");
    field.SetText("$1F");
    ASSERT_TRUE(field.ExitCheck().Ok());
    EXPECT_EQ(field.Text(), "$001F");
    field.SetNumber(2.5L); // halves go to even
    EXPECT_EQ(field.Text(), "$0002");
    field.SetNumber(3.5L);
    EXPECT_EQ(field.Text(), "$0004");
    field.SetNumber(0x12345678);
    EXPECT_EQ(field.Text(), "$12345678");
    // -1 as the evaluator reads it back.
    field.SetNumber(-1);
    EXPECT_EQ(field.Text(), "$FFFFFFFF");
    EXPECT_EQ(field.Number(), -1);
}

TEST(DataEdit, HexValueBeyond32BitsKeepsGeneralFormSoItReadsBack)
{
    TDataEditRules field;
    field.SetHex(true);
    field.SetNumber(3e9L);
    EXPECT_EQ(field.Number(), 3e9L);
    EXPECT_EQ(field.Text(), "3000000000");
}

TEST(DataEdit, NumberIsClampedUnlessLoading)
{
    TDataEditRules field;
    field.SetMinVal(0);
    field.SetMaxVal(10);
    field.SetNumber(12);
    EXPECT_EQ(field.Text(), "10");
    field.SetNumber(-1);
    EXPECT_EQ(field.Text(), "0");
    field.SetLoading(true);
    field.SetNumber(12);
    EXPECT_EQ(field.Text(), "12");
}

TEST(DataEdit, LimitsMoveTheNumberAndEachOther)
{
    TDataEditRules field;
    field.SetNumber(5);
    field.SetMinVal(7); // above the number: the number follows
    EXPECT_EQ(field.Text(), "7");
    field.SetMaxVal(3); // below MinVal: raised to it
    EXPECT_EQ(field.MaxVal(), 7);
    field.SetMinVal(9); // above MaxVal: lowered to it
    EXPECT_EQ(field.MinVal(), 7);

    TDataEditRules loading;
    loading.SetLoading(true);
    loading.SetMaxVal(-5);
    loading.SetMinVal(5);
    EXPECT_EQ(loading.MinVal(), 5);
    EXPECT_EQ(loading.MaxVal(), -5);
    EXPECT_EQ(loading.Text(), "0");
}

TEST(DataEdit, LimitOverUnreadableTextLeavesTheTextForTheCheck)
{
    TDataEditRules field;
    field.SetText("2+");
    EXPECT_NO_THROW(field.SetMinVal(1));
    EXPECT_EQ(field.Text(), "2+");
    EXPECT_EQ(field.ExitCheck().Failure, TEntryFailure::Entry);
}

TEST(DataEdit, IntegerOnlyClampsLimitsTo32Bits)
{
    TDataEditRules field;
    field.SetIntegerOnly(true);
    EXPECT_EQ(field.MinVal(), -2147483648.0L);
    EXPECT_EQ(field.MaxVal(), 2147483647.0L);
    field.SetMaxVal(1e12L);
    EXPECT_EQ(field.MaxVal(), 2147483647.0L);

    TDataEditRules loading;
    loading.SetLoading(true);
    loading.SetIntegerOnly(true);
    EXPECT_EQ(loading.MaxVal(), std::numeric_limits<long double>::max());
}

TEST(DataEdit, NumberReadOfBadTextRaisesTheEntryError)
{
    TDataEditRules field;
    field.SetText("(1");
    EXPECT_THROW(field.Number(), EAssignError);
}

TEST(DataEdit, ShownUnitsAndLabel)
{
    struct Case {
        const char* units;
        int system;
        const char* shown;
    };
    const Case cases[] = {
        {"F6-L2^2", 1, "slug-ft^2"}, {"F6-L2^2", 2, "Mg-m^2"}, {"F/L2^3", 1, "lbs/ft^3"}, {"F/L2^3", 2, "kN/m^3"},
        {"L", 1, "in"},              {"L", 2, "m"},            {"Hz", 1, "Hz"},           {"F6-L2^2", 3, "F6-L2^2"},
        {"L2/SEC", 1, "ft/SEC"},     {"F1-L1", 2, "kN-mm"},
        // Only the first force code found is substituted.
        {"F1/F2", 1, "F1/tons"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TDataEditRules::ShownUnitsOf(c.units, c.system), c.shown) << c.units << " in " << c.system;
    }

    TDataEditRules field;
    field.SetCaption("Total mass (self weight only) of the foundation");
    EXPECT_EQ(field.LabelCaption(), "Total mass (self weight only) of the foundation");
    field.SetUnitsString("F6");
    EXPECT_EQ(field.LabelCaption(), "Total mass (self weight only) of the foundation (slug)");
    field.SetUnits(2);
    EXPECT_EQ(field.LabelCaption(), "Total mass (self weight only) of the foundation (Mg)");
    field.SetUnits(7);
    EXPECT_EQ(field.Units(), 3);
    EXPECT_EQ(field.LabelCaption(), "Total mass (self weight only) of the foundation (F6)");
    field.SetUnits(0);
    EXPECT_EQ(field.Units(), 1);
}

TEST(DataEdit, EnterChecksAndSelectsAllAndOperatorsAppendToASelectedValue)
{
    TDataEditRules field;
    field.SetText("5*2");
    const TKeyOutcome enter = field.KeyPress('\r', {3, 0});
    EXPECT_TRUE(enter.Consumed);
    EXPECT_TRUE(enter.Checked);
    EXPECT_TRUE(enter.Check.Ok());
    EXPECT_EQ(field.Text(), "10");
    EXPECT_EQ(enter.Selection.Start, 0);
    EXPECT_EQ(enter.Selection.Length, 2);

    const TKeyOutcome times = field.KeyPress('*', enter.Selection);
    EXPECT_FALSE(times.Consumed);
    EXPECT_FALSE(times.Checked);
    EXPECT_EQ(times.Selection.Start, 2);
    EXPECT_EQ(times.Selection.Length, 0);

    // A digit replaces the selection; an operator over part of the text keeps it.
    const TKeyOutcome digit = field.KeyPress('7', {0, 2});
    EXPECT_EQ(digit.Selection.Length, 2);
    const TKeyOutcome partial = field.KeyPress('+', {0, 1});
    EXPECT_EQ(partial.Selection.Length, 1);

    field.SetText("abc");
    const TKeyOutcome failed = field.KeyPress('\n', {0, 0});
    EXPECT_TRUE(failed.Consumed);
    EXPECT_EQ(failed.Check.Failure, TEntryFailure::Entry);
    EXPECT_EQ(field.Text(), "abc");
}

TEST(DataEdit, ExitHandlerRunsFirstAndValidateShowsTheMessage)
{
    TDataEditRules field;
    field.SetMaxVal(1);
    field.SetText("3");
    std::string textSeenByHandler;
    field.OnExit = [&] { textSeenByHandler = field.Text(); };
    test::ScriptedPrompter prompter;
    prompter.ExpectMessage("Entry must be less than or equal to 1");
    EXPECT_FALSE(field.Validate(prompter));
    EXPECT_EQ(textSeenByHandler, "3");
    EXPECT_TRUE(field.Validate(prompter)); // now holds the limit, no message
    EXPECT_EQ(prompter.Records().size(), 1u);
}

} // namespace
} // namespace quavis
