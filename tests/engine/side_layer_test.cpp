#include "numerics/side_layer.h"

#include "support/float_compare.h"

#include <gtest/gtest.h>

#include <ostream>

#include <cmath>

using quavis::numerics::Complex;
using quavis::test::NearComplex;
using quavis::numerics::ComplexFrequency;
using quavis::numerics::SideHorizontal;
using quavis::numerics::SideLayerStiffness;
using quavis::numerics::SideRadii;
using quavis::numerics::SideRocking;
using quavis::numerics::SideSoil;
using quavis::numerics::SideStiffness;
using quavis::numerics::SideTorsion;
using quavis::numerics::SideVertical;

namespace {

constexpr double kPi = 3.14159265358979323846;

// The plane-strain functions of Novak, Nogami & Aboul-Ella (1978) evaluated independently with mpmath 1.3
// (50 digits) from their closed forms: S_w = 2 pi a0 H1/H0, S_eta = 2 pi (2 - a0 H0/H1),
// S_psi = pi (1 - a0 H0/H1), S_u from the modified Bessel functions of q = i a0/eta and s = i a0.
struct PlaneStrainCase {
    double a0, poisson;
    Complex vertical, torsion, rocking, horizontal;
};

// Names the case in test listings by its frequency and Poisson's ratio.
void PrintTo(const PlaneStrainCase& c, std::ostream* os) { *os << "a0 " << c.a0 << " nu " << c.poisson; }

class PlaneStrainTest : public ::testing::TestWithParam<PlaneStrainCase> {};

TEST_P(PlaneStrainTest, AgreesWithIndependentHighPrecisionValues)
{
    const PlaneStrainCase& c = GetParam();
    EXPECT_TRUE(NearComplex(SideVertical(c.a0), c.vertical, 1e-13));
    EXPECT_TRUE(NearComplex(SideTorsion(c.a0), c.torsion, 1e-13));
    EXPECT_TRUE(NearComplex(SideRocking(c.a0), c.rocking, 1e-13));
    EXPECT_TRUE(NearComplex(SideHorizontal(c.a0, c.poisson), c.horizontal, 1e-12));
}

INSTANTIATE_TEST_SUITE_P(
    Frequencies, PlaneStrainTest,
    ::testing::Values(
        PlaneStrainCase{0.5, 0.25, {2.5680481923164065, 3.7094654531033493}, {11.321191889959058, 1.7986217995913787},
                        {2.519003291389736, 0.89931089979568934}, {3.689884239391791, 5.0084643842172394}},
        PlaneStrainCase{1.0, 0.25, {2.8357534976052623, 6.7417609934790592}, {10.473547303955545, 4.9755081223519371},
                        {2.095180998387979, 2.4877540611759685}, {3.9654808432119193, 9.1080610015192427}},
        PlaneStrainCase{1.5, 0.25, {2.9523306118360853, 9.7982840762041512}, {10.062183843891814, 8.3109707491911866},
                        {1.8894992683561136, 4.1554853745955933}, {4.0434168146746812, 13.329893015631592}},
        PlaneStrainCase{0.5, 0.4, {2.5680481923164065, 3.7094654531033493}, {11.321191889959058, 1.7986217995913787},
                        {2.519003291389736, 0.89931089979568934}, {4.1107728901068503, 5.7878484804663826}},
        PlaneStrainCase{1.0, 0.4, {2.8357534976052623, 6.7417609934790592}, {10.473547303955545, 4.9755081223519371},
                        {2.095180998387979, 2.4877540611759685}, {4.1126323461919005, 10.652388101529294}},
        PlaneStrainCase{1.5, 0.4, {2.9523306118360853, 9.7982840762041512}, {10.062183843891814, 8.3109707491911866},
                        {1.8894992683561136, 4.1554853745955933}, {3.7883491344088585, 15.869974329118467}}));

// Material damping by a complex frequency a0* = a0 / sqrt(1 + 2 i beta); same independent source, beta = 0.05.
TEST(SideLayerTest, ViscoElasticLayerUsesTheComplexFrequency)
{
    const Complex a0 = ComplexFrequency(1.0, 0.05);
    EXPECT_TRUE(NearComplex(a0, {0.9962771201104087, -0.049689940174038431}, 1e-15));
    EXPECT_TRUE(NearComplex(SideVertical(a0), {3.1375400862934675, 6.7025325668596745}, 1e-13));
    EXPECT_TRUE(NearComplex(SideTorsion(a0), {10.805488331296033, 5.0074659238698223}, 1e-13));
    EXPECT_TRUE(NearComplex(SideRocking(a0), {2.2611515120582233, 2.5037329619349111}, 1e-13));
    EXPECT_TRUE(NearComplex(SideHorizontal(a0, 0.25), {4.3792594919776437, 9.0640587051255395}, 1e-12));
}

// The radiation damping per unit depth tends to that of plane waves at high frequency: rho Vs 2 pi R for
// vertical motion (Im S_w -> 2 pi a0) and rho (Vp + Vs) pi R for horizontal motion (Im S_u -> pi a0 (1 + eta)).
TEST(SideLayerTest, HighFrequencyDampingTendsToPlaneWaveRadiation)
{
    const double a0 = 400.0, nu = 0.25, eta = std::sqrt(3.0);
    EXPECT_NEAR(SideVertical(a0).imag() / (2.0 * kPi * a0), 1.0, 1e-3);
    EXPECT_NEAR(SideHorizontal(a0, nu).imag() / (kPi * a0 * (1.0 + eta)), 1.0, 2e-3);
    EXPECT_NEAR(SideTorsion(a0).imag() / (2.0 * kPi * a0), 1.0, 1e-3);
}

TEST(SideLayerTest, StaticLimitsAtZeroFrequency)
{
    EXPECT_EQ(SideVertical(0.0), Complex(0.0));
    EXPECT_EQ(SideHorizontal(0.0, 0.3), Complex(0.0));
    EXPECT_NEAR(SideTorsion(0.0).real(), 4.0 * kPi, 1e-15);
    EXPECT_NEAR(SideRocking(0.0).real(), kPi, 1e-15);
    // and the functions approach them continuously (the vertical one logarithmically)
    EXPECT_NEAR(SideTorsion(1e-6).real(), 4.0 * kPi, 1e-9);
    EXPECT_LT(std::abs(SideVertical(1e-12)), 0.3);
}

// Weak zone: the layer (G = 2, Vs = 1) around a footing of radius 1 with a massless zone of 0.4 G from r = 1 to
// 1.1, at omega = 0.8. The composite of the static ring and the outer layer solved independently with mpmath,
// matching displacement and shear stress at r = 1.1: vertical (w = A + B ln r), rocking (w = (A r + B/r) cos t)
// and torsion (v = A r + B/r) to the Hankel functions outside.
TEST(SideLayerTest, WeakZoneMatchesTheExactCompositeOfRingAndLayer)
{
    SideSoil soil;
    soil.shearModulus = 2.0;
    soil.shearWaveVelocity = 1.0;
    soil.poisson = 0.3;
    soil.weakZoneRatio = 0.4;
    soil.weakZoneThicknessRatio = 0.1;
    const SideRadii unit{1.0, 1.0, 1.0, 1.0};
    const SideStiffness k = SideLayerStiffness(soil, unit, 0.8);
    EXPECT_TRUE(NearComplex(k.vertical, {6.9940332776419297, 9.4313393683138105}, 1e-12));
    EXPECT_TRUE(NearComplex(k.rockingX, {4.3418988740238439, 3.0032870117068574}, 1e-12));
    EXPECT_TRUE(NearComplex(k.rockingY, k.rockingX, 1e-15));
    EXPECT_TRUE(NearComplex(k.torsion, {18.385651178751291, 4.7854968094592688}, 1e-12));
}

// Horizontal weak zone: the ring's static stiffness (rigid inclusion translated in a plane-strain ring whose
// outer rim translates rigidly) in series with the layer outside. For G_ring = 0.7, nu = 0.3, radii 1 and
// 1.25 the elasticity solution (Michell's n = 1 fields solved symbolically) gives 44.0283424856155.
TEST(SideLayerTest, HorizontalWeakZoneIsTheRingInSeriesWithTheLayer)
{
    SideSoil soil;
    soil.shearModulus = 1.4;
    soil.shearWaveVelocity = 1.0;
    soil.poisson = 0.3;
    soil.weakZoneRatio = 0.5;
    soil.weakZoneThicknessRatio = 0.25;
    const double omega = 0.6;
    const Complex composite = SideLayerStiffness(soil, {1.0, 1.0, 1.0, 1.0}, omega).horizontal;
    const Complex outer = 1.4 * SideHorizontal(omega * 1.25, 0.3);
    const Complex ring = 1.0 / (1.0 / composite - 1.0 / outer);
    EXPECT_TRUE(NearComplex(ring, 44.0283424856155, 1e-12));
}

TEST(SideLayerTest, RatiosOfOneOrZeroMeanNoWeakZone)
{
    SideSoil soil;
    soil.shearModulus = 3.0;
    soil.shearWaveVelocity = 2.0;
    soil.poisson = 0.35;
    soil.damping = 0.05;
    const SideRadii radii{1.5, 1.6, 1.7, 1.8};
    const double omega = 2.0;
    soil.weakZoneRatio = 1.0;
    const SideStiffness none = SideLayerStiffness(soil, radii, omega);
    const Complex g = 3.0 * Complex(1.0, 0.1);
    EXPECT_TRUE(NearComplex(none.horizontal, g * SideHorizontal(ComplexFrequency(1.5, 0.05), 0.35), 1e-15));
    EXPECT_TRUE(NearComplex(none.rockingY, g * 1.7 * 1.7 * SideRocking(ComplexFrequency(1.7, 0.05)), 1e-15));
    soil.weakZoneRatio = 0.0;
    EXPECT_TRUE(NearComplex(SideLayerStiffness(soil, radii, omega).vertical, none.vertical, 1e-15));
    // a real weak zone softens every motion
    soil.weakZoneRatio = 0.3;
    const SideStiffness weak = SideLayerStiffness(soil, radii, omega);
    EXPECT_LT(std::abs(weak.vertical), std::abs(none.vertical));
    EXPECT_LT(std::abs(weak.horizontal), std::abs(none.horizontal));
    EXPECT_LT(std::abs(weak.rockingX), std::abs(none.rockingX));
    EXPECT_LT(std::abs(weak.torsion), std::abs(none.torsion));
}

} // namespace
