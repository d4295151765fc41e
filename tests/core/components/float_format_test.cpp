#include "comma_locale.h"
#include "components/float_format.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <limits>

namespace quavis {
namespace {

struct GeneralCase {
    long double value;
    int digits;
    const char* expected;
};

TEST(FormatGeneral, FixedAndScientificForms)
{
    const GeneralCase cases[] = {
        {0.0L, 8, "0"},
        {-0.0L, 8, "0"},
        {12.0L, 8, "12"},
        {-12.0L, 8, "-12"},
        {32.2L, 8, "32.2"},
        {0.0001L, 8, "0.0001"},
        {0.00001L, 8, "1E-5"},
        {-0.000025L, 8, "-2.5E-5"},
        {1.5e10L, 8, "1.5E10"},
        {-1.5e10L, 8, "-1.5E10"},
        {123456789.0L, 8, "1.2345679E8"},
        {12345678.0L, 8, "12345678"},
        {100000000.0L, 8, "1E8"},          // 0.1 x 10^9: e = 9 > 8
        {99999999.0L, 8, "99999999"},
        {1000000000.0L, 8, "1E9"},
        {0.5L, 8, "0.5"},
        {1.0L / 3.0L, 8, "0.33333333"},
        {2.0L / 3.0L, 8, "0.66666667"},
        {1e300L, 8, "1E300"},
        {1.25e-300L, 8, "1.25E-300"},
        {1e4000L, 8, "1E4000"},
        {3.14159265358979323846L, 18, "3.14159265358979324"},
        {2 * 3.14159265358979323846264338L, 18, "6.28318530717958648"},
        {123456789012345678.0L, 18, "123456789012345678"},
        {1234567890123456789.0L, 18, "1.23456789012345679E18"},
        {0.1L, 18, "0.1"},
        {1.0L, 1, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FormatGeneral(c.value, c.digits), c.expected);
    }
}

TEST(FormatGeneral, RoundingCarriesIntoANewDigitAndAcrossTheFormBoundary)
{
    const GeneralCase cases[] = {
        {9.99999999L, 8, "10"},
        {-9.99999999L, 8, "-10"},
        {0.999999999L, 8, "1"},
        {99999999.9L, 8, "1E8"},      // the carry lifts e from 8 to 9: scientific
        {99999999.4L, 8, "99999999"},
        {0.000999999999L, 8, "0.001"}, // the carry lifts e from -3 to -2
        {0.0000999999999L, 8, "0.0001"}, // from e = -4 (scientific) to e = -3 (fixed)
        {0.0000999999L, 8, "9.99999E-5"},
        {9.5L, 1, "1E1"},              // 0.1 x 10^2: e = 2 > 1
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FormatGeneral(c.value, c.digits), c.expected);
    }
}

TEST(FormatGeneral, ExactHalvesRoundAwayFromZero)
{
    const GeneralCase cases[] = {
        {2.5L, 1, "3"},
        {-2.5L, 1, "-3"},
        {3.5L, 1, "4"},
        {12345678.5L, 8, "12345679"},
        {12345677.5L, 8, "12345678"},
        {-0.125L, 2, "-0.13"},
        {99999999.5L, 8, "1E8"},
        {0.15L, 1, "0.2"},             // long double 0.15 lies just above the half
        {12345678.4999999L, 8, "12345678"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        EXPECT_EQ(FormatGeneral(c.value, c.digits), c.expected);
    }
}

TEST(FormatGeneral, ExtremesNonFiniteValuesAndDigitCounts)
{
    EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::quiet_NaN(), 8), "NAN");
    EXPECT_EQ(FormatGeneral(std::numeric_limits<long double>::infinity(), 8), "INF");
    EXPECT_EQ(FormatGeneral(-std::numeric_limits<long double>::infinity(), 18), "-INF");
    EXPECT_EQ(FormatGeneral(LDBL_MAX, 8), "1.1897315E4932");
    EXPECT_EQ(FormatGeneral(LDBL_TRUE_MIN, 8), "3.6451995E-4951");
    // Out-of-range digit counts are clamped rather than trusted.
    EXPECT_EQ(FormatGeneral(2.5L, 0), "3");
    EXPECT_EQ(FormatGeneral(2.5L, -5), "3");
    EXPECT_EQ(FormatGeneral(1.0L / 3.0L, 99), FormatGeneral(1.0L / 3.0L, 40));
    EXPECT_EQ(FormatGeneral(1.0L / 3.0L, 99).size(), 42u); // "0." and 40 digits
}

TEST(FormatGeneral, WritesAPointUnderACommaLocale)
{
    test::CommaDecimalLocale comma;
    if (!comma.Active()) GTEST_SKIP() << "could not build a locale with a decimal comma";
    EXPECT_EQ(FormatGeneral(2.5L, 8), "2.5");
    EXPECT_EQ(FormatGeneral(-1.25e-7L, 8), "-1.25E-7");
    EXPECT_EQ(FormatE23(2.5L), " 2.50000000000000E+0000");
}

struct E23Case {
    long double value;
    const char* expected;
};

TEST(FormatE23, FixedWidthScientificForm)
{
    const E23Case cases[] = {
        {1.5L, " 1.50000000000000E+0000"},
        {12.5L, " 1.25000000000000E+0001"},
        {-12.5L, "-1.25000000000000E+0001"},
        {0.0L, " 0.00000000000000E+0000"},
        {-0.0L, " 0.00000000000000E+0000"},
        {0.001L, " 1.00000000000000E-0003"},
        {9.999999999999999L, " 1.00000000000000E+0001"}, // rounding carry into the exponent
        {1.0L / 3.0L, " 3.33333333333333E-0001"},
        {100000000000000.5L, " 1.00000000000001E+0014"}, // an exact half rounds up
        {1e300L, " 1.00000000000000E+0300"},
        {LDBL_MAX, " 1.18973149535723E+4932"},
        {-LDBL_TRUE_MIN, "-3.64519953188247E-4951"},
        {std::numeric_limits<long double>::quiet_NaN(), " NAN                   "},
        {-std::numeric_limits<long double>::infinity(), "-INF                   "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expected);
        const std::string text = FormatE23(c.value);
        EXPECT_EQ(text, c.expected);
        EXPECT_EQ(text.size(), 23u);
    }
}

} // namespace
} // namespace quavis
