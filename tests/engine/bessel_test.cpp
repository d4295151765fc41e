#include "numerics/bessel.h"

#include "support/float_compare.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>
#include <stdexcept>
#include <vector>

using quavis::numerics::BesselI;
using quavis::numerics::BesselJ;
using quavis::numerics::BesselK;
using quavis::numerics::BesselKScaled;
using quavis::numerics::BesselKScaledSweep;
using quavis::numerics::BesselPair;
using quavis::numerics::BesselY;
using quavis::numerics::Complex;
using quavis::test::NearComplex;
using quavis::numerics::HankelH1;
using quavis::numerics::HankelH2;
using quavis::numerics::HankelH2Scaled;

namespace {

constexpr double kPi = 3.14159265358979323846;

// Abramowitz & Stegun, Handbook of Mathematical Functions, Table 9.1 (J, Y at x = 1) and Table 9.8 (I, K at
// x = 1), to the 15 digits printed there.
TEST(BesselTest, MatchesTheTablesOfAbramowitzAndStegunOnTheRealAxis)
{
    const BesselPair j = BesselJ(1.0), y = BesselY(1.0), i = BesselI(1.0), k = BesselK(1.0);
    EXPECT_NEAR_REL(j.order0.real(), 0.765197686557967, 1e-14);
    EXPECT_NEAR_REL(j.order1.real(), 0.440050585744934, 1e-14);
    EXPECT_NEAR_REL(y.order0.real(), 0.088256964215677, 1e-13);
    EXPECT_NEAR_REL(y.order1.real(), -0.781212821300289, 1e-14);
    EXPECT_NEAR_REL(i.order0.real(), 1.266065877752008, 1e-14);
    EXPECT_NEAR_REL(i.order1.real(), 0.565159103992485, 1e-14);
    EXPECT_NEAR_REL(k.order0.real(), 0.421024438240708, 1e-14);
    EXPECT_NEAR_REL(k.order1.real(), 0.601907230197235, 1e-14);
    EXPECT_EQ(j.order0.imag(), 0.0);
    EXPECT_EQ(y.order1.imag(), 0.0);
}

// Kelvin functions: ker x + i kei x = K0(x exp(i pi/4)); A&S Table 9.12 gives ker 1 = 0.2867062087 and
// kei 1 = -0.4949946365, ker 5 = -0.0115117272, kei 5 = 0.0111875865.
TEST(BesselTest, MatchesTheKelvinFunctionTablesOffTheRealAxis)
{
    const Complex rot = std::polar(1.0, kPi / 4.0);
    EXPECT_TRUE(NearComplex(BesselK(1.0 * rot).order0, Complex(0.2867062087, -0.4949946365), 1e-9));
    EXPECT_TRUE(NearComplex(BesselK(5.0 * rot).order0, Complex(-0.0115117272, 0.0111875865), 2e-8));
}

// Reference values computed with mpmath 1.3 at 60 significant digits, over the regions of every method
// (series, continued fractions, asymptotic expansion), on and off the axes.
struct ComplexCase {
    Complex z, j0, j1, y0, y1, k0, k1;
};

// Names the case in test listings by its argument.
void PrintTo(const ComplexCase& c, std::ostream* os) { *os << "z " << c.z.real() << " " << c.z.imag() << "i"; }

class BesselComplexTest : public ::testing::TestWithParam<ComplexCase> {};

TEST_P(BesselComplexTest, AgreesWithHighPrecisionValues)
{
    const ComplexCase& c = GetParam();
    const BesselPair j = BesselJ(c.z), y = BesselY(c.z), k = BesselK(c.z);
    EXPECT_TRUE(NearComplex(j.order0, c.j0, 1e-13));
    EXPECT_TRUE(NearComplex(j.order1, c.j1, 1e-13));
    EXPECT_TRUE(NearComplex(y.order0, c.y0, 1e-13));
    EXPECT_TRUE(NearComplex(y.order1, c.y1, 1e-13));
    EXPECT_TRUE(NearComplex(k.order0, c.k0, 1e-13));
    EXPECT_TRUE(NearComplex(k.order1, c.k1, 1e-13));
}

INSTANTIATE_TEST_SUITE_P(
    Regions, BesselComplexTest,
    ::testing::Values(
        ComplexCase{{0.3, 0.1}, {0.98004390220662208, -0.014850405885365545}, {0.14887469828650735, 0.048383215847239987},
                    {-0.77490822435572482, 0.22213204768736422}, {-2.086723861527529, 0.61345044277912741},
                    {1.3175637855641977, -0.29377488736632001}, {2.7154724409804309, -1.0438514301797857}},
        ComplexCase{{1.5, -1.2}, {0.61944389544664169, 0.79269334464034524}, {0.87795180660006489, -0.19126038671763579},
                    {0.84804372171969633, -0.46236400374854969}, {-0.36395291434874855, -0.78563733287254678},
                    {0.012145095186653335, 0.19231768244575509}, {-0.012455290925479119, 0.23127173341737264}},
        ComplexCase{{3, -0.5}, {-0.30753601797880276, 0.17324844577780657}, {0.36149679840403171, 0.19336161497912513},
                    {0.41071074264252377, 0.17028150550830334}, {0.37260837346001696, -0.13658956325895599},
                    {0.028933109997571253, 0.018845610213519968}, {0.032883023598122875, 0.022405736196462755}},
        ComplexCase{{6, 2}, {0.71356461401238935, 0.92198131540737049}, {-0.88749970448762272, 0.75475465488323901},
                    {-0.96239437445296361, 0.70000975496307438}, {-0.77162484224249128, -0.84698063368286569},
                    {-0.00066981624156477594, -0.0010121679665081882}, {-0.00074227285907968313, -0.0010700989726943825}},
        ComplexCase{{0.2, 9}, {1074.067202696752, -204.93876368804825}, {194.61532063139964, 1012.2749762242958},
                    {204.93873201696056, 1074.0671959188069}, {-1012.2749834063644, 194.61535400900442},
                    {-0.32256249910851736, 0.11256129474849512}, {-0.31722077514901559, 0.13070613618560964}},
        ComplexCase{{12, -3}, {0.74364883100416879, -2.153124703644842}, {-2.1154722903124745, -0.82109351209781134},
                    {-2.1643456592596562, -0.74267072146965341}, {-0.82251712307932734, 2.1041717113035765},
                    {-2.1684161163636269e-06, 4.6372343964935606e-08}, {-2.2524245983271206e-06, 2.7650852867840215e-08}},
        ComplexCase{{30, -1}, {-0.1309349050389251, -0.14003354166518239}, {-0.18475921606889584, 0.096069994840210726},
                    {-0.18263149122685388, 0.098461331147945558}, {0.12785747176343168, 0.14159158243953868},
                    {1.1220650823930602e-14, 1.8127178574074046e-14}, {1.1396050136983765e-14, 1.8432660887388355e-14}},
        ComplexCase{{0, 2}, {2.2795853023360673, 0}, {0, 1.5906368546373291}, {-0.072507091343870247, 2.2795853023360673},
                    {-1.5906368546373291, 0.089041385844025545}, {-0.80169623188369421, -0.35168681347830044},
                    {-0.90591720959598965, -0.16812615031243094}},
        ComplexCase{{18, 0}, {-0.013355805721984111, 0}, {-0.18799488548806959, 0}, {-0.18755215961141061, 0},
                    {0.0081551322782214414, 0}, {4.4687533373093828e-09, 0}, {4.591249627740241e-09, 0}}));

// Wronskians (A&S 9.1.16, 9.6.15) and the Hankel combinations, on a grid across the right half-plane.
TEST(BesselTest, SatisfiesTheWronskiansAcrossTheRightHalfPlane)
{
    for (double r : {0.05, 0.7, 1.99, 2.01, 4.0, 9.0, 24.0, 26.0, 60.0}) {
        for (double angle : {-1.5707963267948966, -1.0, -0.4, 0.0, 0.4, 1.0, 1.5707963267948966}) {
            const Complex z = std::polar(r, angle);
            SCOPED_TRACE(::testing::Message() << "z = " << z);
            const BesselPair j = BesselJ(z), y = BesselY(z), i = BesselI(z), k = BesselK(z);
            const Complex wJY = j.order1 * y.order0 - j.order0 * y.order1;
            const double scaleJY = std::abs(j.order1 * y.order0) + std::abs(j.order0 * y.order1);
            EXPECT_LE(std::abs(wJY - 2.0 / (kPi * z)), 1e-14 * scaleJY);
            const Complex wIK = i.order0 * k.order1 + i.order1 * k.order0;
            const double scaleIK = std::abs(i.order0 * k.order1) + std::abs(i.order1 * k.order0);
            EXPECT_LE(std::abs(wIK - 1.0 / z), 1e-14 * scaleIK);

            const BesselPair h1 = HankelH1(z), h2 = HankelH2(z);
            EXPECT_LE(std::abs((h1.order0 + h2.order0) / 2.0 - j.order0),
                      1e-13 * (std::abs(h1.order0) + std::abs(h2.order0)));
            EXPECT_LE(std::abs(h1.order1 - h2.order1 - Complex(0, 2) * y.order1),
                      1e-13 * (std::abs(h1.order1) + std::abs(h2.order1)));
        }
    }
}

TEST(BesselTest, ScaledFunctionsStayFiniteWhereTheUnscaledUnderflow)
{
    const Complex z(800.0, 3.0);
    const BesselPair k = BesselK(z), ks = BesselKScaled(z);
    EXPECT_EQ(std::abs(k.order0), 0.0);
    // e^z K0(z) ~ sqrt(pi / 2z) (1 - 1/(8z)) for large z
    const Complex expected = std::sqrt(kPi / (2.0 * z)) * (1.0 - 1.0 / (8.0 * z) + 9.0 / (128.0 * z * z));
    EXPECT_TRUE(NearComplex(ks.order0, expected, 1e-9));
    const Complex w(2.0, -800.0);
    EXPECT_TRUE(std::isfinite(std::abs(HankelH2Scaled(w).order1)));
    EXPECT_GT(std::abs(HankelH2Scaled(w).order1), 0.0);
}

// A frequency sweep's Taylor steps agree with direct evaluation, forwards, backwards and after jumps.
TEST(BesselTest, SweepAgreesWithDirectEvaluation)
{
    BesselKScaledSweep sweep;
    const Complex direction = Complex(0.05, 1.0);
    std::vector<double> steps;
    for (int i = 1; i <= 3000; ++i)
        steps.push_back(0.01 * i);
    for (int i = 3000; i >= 1; i -= 7)
        steps.push_back(0.0101 * i);
    for (double t : {0.3, 25.0, 1.0, 14.9, 15.1, 4.9, 5.1})
        steps.push_back(t);
    for (double t : steps) {
        const Complex z = t * direction;
        const BesselPair a = sweep(z), b = BesselKScaled(z);
        ASSERT_TRUE(NearComplex(a.order0, b.order0, 1e-14)) << "z = " << z;
        ASSERT_TRUE(NearComplex(a.order1, b.order1, 1e-14)) << "z = " << z;
    }
}

TEST(BesselTest, RefusesArgumentsOutsideItsDomain)
{
    EXPECT_THROW(BesselK(Complex(-1.0, 0.5)), std::domain_error);
    EXPECT_THROW(BesselY(0.0), std::domain_error);
    EXPECT_THROW(HankelH2(0.0), std::domain_error);
    EXPECT_THROW(BesselJ(Complex(std::nan(""), 0.0)), std::domain_error);
    // J and I are entire: the left half-plane is theirs too (J1 odd, J0 even).
    EXPECT_TRUE(NearComplex(BesselJ(Complex(-3.0, 0.5)).order1, -BesselJ(Complex(3.0, -0.5)).order1, 1e-15));
    EXPECT_TRUE(NearComplex(BesselI(Complex(-3.0, 0.5)).order0, BesselI(Complex(3.0, -0.5)).order0, 1e-15));
}

} // namespace
