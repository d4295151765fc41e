#include "components/errors.h"
#include "components/unit_labels.h"
#include "support/float_compare.h"

#include <gtest/gtest.h>

namespace quavis {
namespace {

struct FactorCase {
    int from, to;
    const char* units;
    long double expected;
};

TEST(UnitConversionFactor, WorkedValuesAndIdentities)
{
    const long double ft = 3.280839895L, in = 39.37007874L, lbs = 224.8089237L;
    const FactorCase cases[] = {
        {1, 2, "L2/SEC", 1.0L / ft},
        {2, 1, "L2/SEC", ft},
        {2, 1, "F/L2^3", lbs / (ft * ft * ft)},
        {2, 1, "L2^4", ft * ft * ft * ft},
        {2, 1, "F6", 68.364249L},
        {2, 1, "F/L^3", lbs / (in * in * in)},
        {2, 1, "F-L2", lbs * ft},
        {2, 1, "F1/L2", 0.2248089237L / ft},
        {2, 1, "F4", 5.7101483L},
        {2, 1, "F2^2", 0.1124044745L * 0.1124044745L},
        {1, 2, "", 1.0L},
        {1, 2, "DEGREES", 1.0L},
        {2, 2, "F", 1.0L},
        {1, 3, "F", 1.0L},
        {3, 2, "L2", 1.0L},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_NEAR_REL(UnitConversionFactor(c.from, c.to, c.units), c.expected, 1e-15L);
    }
    EXPECT_NEAR_REL(UnitConversionFactor(2, 1, "F/L2^3"), 6.3658798L, 1e-7L);
    EXPECT_NEAR_REL(UnitConversionFactor(2, 1, "L2^4"), 115.86177L, 1e-7L);
    EXPECT_NEAR_REL(UnitConversionFactor(1, 2, "L2/SEC"), 0.3048L, 1e-9L);
}

TEST(UnitLabelFactor, ShortFormsEqualTheirZeroForms)
{
    EXPECT_EQ(UnitLabelFactor("F"), UnitLabelFactor("F0"));
    EXPECT_EQ(UnitLabelFactor("L"), UnitLabelFactor("L0"));
    EXPECT_EQ(UnitLabelFactor("L^2"), UnitLabelFactor("L0^2"));
    EXPECT_EQ(UnitLabelFactor("SEC"), 1.0L);
}

TEST(UnitLabelFactor, MalformedExponentIsAConversionError)
{
    EXPECT_THROW(UnitLabelFactor("L2xy"), EConvertError);
    EXPECT_THROW(UnitLabelFactor("L2^"), EConvertError);
    EXPECT_THROW(UnitLabelFactor("F0^x"), EConvertError);
    EXPECT_THROW(UnitConversionFactor(1, 2, "L2SEC"), EConvertError);
}

TEST(UnitLabelText, SubstitutesEveryCodeInEachSystem)
{
    struct Case {
        const char* units;
        const char* english;
        const char* si;
        const char* letters;
    } cases[] = {
        {"L2/SEC", "ft/SEC", "m/SEC", "L/SEC"},
        {"F/L2^3", "lbs/ft^3", "kN/m^3", "F/L^3"},
        {"F/L^3", "lbs/in^3", "kN/m^3", "F/L^3"},
        {"L2^2", "ft^2", "m^2", "L^2"},
        {"F6", "slug", "Mg", "F"},
        {"DEGREES", "DEGREES", "DEGREES", "DEGREES"},
        {"L2-L2", "ft-ft", "m-m", "L-L"},
        {"F1-L1", "kips-in", "kN-mm", "F-L"},
        {"F4", "lb-sec2/in", "Mg", "M"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_EQ(UnitLabelText(c.units, 1), c.english);
        EXPECT_EQ(UnitLabelText(c.units, 2), c.si);
        EXPECT_EQ(UnitLabelText(c.units, 3), c.letters);
    }
}

} // namespace
} // namespace quavis
