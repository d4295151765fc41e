#include "numerics/footing_analysis.h"

#include "support/float_compare.h"

#include <gtest/gtest.h>

#include <ostream>

#include <Eigen/Geometry>
#include <Eigen/LU>

#include <cmath>
#include <limits>

using namespace quavis::numerics;

namespace {

enum { X, Y, Z, RX, RY, RZ };

SoilProperties Soil(double vs, double unitWeight, double nu, double beta)
{
    SoilProperties s;
    s.shearWaveVelocity = vs;
    s.unitWeight = unitWeight;
    s.poisson = nu;
    s.damping = beta;
    return s;
}

SideLayerInput Layer(double thickness, const SoilProperties& soil, double ratio)
{
    SideLayerInput l;
    l.thickness = thickness;
    l.soil = soil;
    l.weakZoneRatio = ratio;
    l.weakZoneDamping = 2.0 * soil.damping;
    return l;
}

// An embedded rectangular machine foundation in SI (kN, m, Mg).
FootingProblem EmbeddedBlock()
{
    FootingProblem p;
    p.foundation = FootingFoundation::HalfSpace;
    p.geometry.circular = false;
    p.geometry.lengthX = 6.0;
    p.geometry.widthY = 4.0;
    p.below = Soil(260.0, 19.0, 0.33, 0.04);
    p.sideLayers = {Layer(0.6, Soil(140.0, 17.0, 0.3, 0.05), 0.4), Layer(0.9, Soil(180.0, 18.0, 0.35, 0.05), 1.0)};
    p.mass = {95.0, 210.0, 380.0, 450.0, 4.0, -6.0, 3.0};
    p.baseOffset = {0.15, -0.1, 1.1};
    p.load.force = {12.0, -5.0, 30.0};
    p.load.moment = {4.0, 9.0, -2.0};
    p.load.point = {0.8, 0.5, -0.9};
    p.frequencies = {10.0, 400.0, 5.0};
    p.gravity = 9.81;
    return p;
}

// The amplitudes solve (T^T K T - omega^2 M) q = Q, the matrix built here from rigid-body kinematics (base
// motion u + theta x d of the centre of gravity's motion) and the mass, inertias and products of the input.
TEST(FootingAnalysisTest, AmplitudesSolveTheEquationsOfMotionAtEveryFrequency)
{
    const FootingProblem p = EmbeddedBlock();
    const FootingResult r = RunFootingAnalysis(p);
    ASSERT_TRUE(r.Succeeded()) << (r.diagnostics.Items().empty() ? "" : r.diagnostics.Items().front().message);
    ASSERT_EQ(r.omegas.size(), 79u);
    ASSERT_EQ(r.amplitudes.size(), r.omegas.size());

    const Eigen::Vector3d d(p.baseOffset.x, p.baseOffset.y, p.baseOffset.z);
    Eigen::Matrix<double, 6, 6> t;
    for (int j = 0; j < 6; ++j) {
        Eigen::Matrix<double, 6, 1> q = Eigen::Matrix<double, 6, 1>::Zero();
        q(j) = 1.0;
        const Eigen::Vector3d u = q.head<3>(), theta = q.tail<3>();
        t.col(j) << u + theta.cross(d), theta;
    }
    Eigen::Matrix<double, 6, 6> m = Eigen::Matrix<double, 6, 6>::Zero();
    m.topLeftCorner<3, 3>() = p.mass.mass * Eigen::Matrix3d::Identity();
    m.bottomRightCorner<3, 3>() << p.mass.inertiaXX, -p.mass.productXY, -p.mass.productXZ, -p.mass.productXY,
        p.mass.inertiaYY, -p.mass.productYZ, -p.mass.productXZ, -p.mass.productYZ, p.mass.inertiaZZ;
    const Eigen::Vector3d f(p.load.force.x, p.load.force.y, p.load.force.z);
    const Eigen::Vector3d mo(p.load.moment.x, p.load.moment.y, p.load.moment.z);
    const Eigen::Vector3d at(p.load.point.x, p.load.point.y, p.load.point.z);
    Eigen::Matrix<double, 6, 1> load;
    load << f, mo + at.cross(f);

    const Matrix6c tc = t.cast<std::complex<double>>();
    for (std::size_t i = 0; i < r.omegas.size(); ++i) {
        const double w = r.omegas[i];
        const Matrix6c system = tc.transpose() * r.impedances[i] * tc - (w * w) * m.cast<std::complex<double>>();
        const Vector6c residual = system * r.amplitudes[i] - load.cast<std::complex<double>>();
        EXPECT_LE(residual.norm(), 1e-11 * load.norm()) << "omega " << w;
    }
}

// Base centre under the centre of gravity, vertical force through both: a single degree of freedom,
// w = F / (Kzz - omega^2 m), untouched by the other motions.
TEST(FootingAnalysisTest, VerticalMotionDecouplesUnderASymmetricLoad)
{
    FootingProblem p = EmbeddedBlock();
    p.baseOffset = {0.0, 0.0, 1.1};
    p.load = HarmonicLoad{};
    p.load.force = {0.0, 0.0, 50.0};
    p.load.point = {0.0, 0.0, -0.5};
    const FootingResult r = RunFootingAnalysis(p);
    ASSERT_TRUE(r.Succeeded());
    for (std::size_t i = 0; i < r.omegas.size(); i += 7) {
        const double w = r.omegas[i];
        const Complex expected = 50.0 / (r.impedances[i](Z, Z) - w * w * p.mass.mass);
        EXPECT_LE(std::abs(r.amplitudes[i](Z) - expected), 1e-13 * std::abs(expected));
        EXPECT_LE(std::abs(r.amplitudes[i](X)), 1e-12 * std::abs(expected));
        EXPECT_LE(std::abs(r.amplitudes[i](RZ)), 1e-12 * std::abs(expected));
    }
}

// Near zero frequency the mass does not matter: a load applied at the base centre moves the base centre by
// K_base^-1 F, whatever the centre of gravity's position.
TEST(FootingAnalysisTest, StaticLoadAtTheBaseCentreMovesItByTheBaseFlexibility)
{
    FootingProblem p = EmbeddedBlock();
    p.load = HarmonicLoad{};
    p.load.force = {10.0, 20.0, 30.0};
    p.load.point = p.baseOffset;
    p.frequencies = {1e-6, 1e-6, 1.0};
    const FootingResult r = RunFootingAnalysis(p);
    ASSERT_TRUE(r.Succeeded());
    ASSERT_EQ(r.omegas.size(), 1u);
    Vector6c fBase = Vector6c::Zero();
    fBase << 10.0, 20.0, 30.0, 0.0, 0.0, 0.0;
    const Vector6c expected = r.impedances[0].fullPivLu().solve(fBase);
    const Vector6c atBase = RigidTransfer(p.baseOffset).cast<std::complex<double>>() * r.amplitudes[0];
    EXPECT_LE((atBase - expected).norm(), 1e-9 * expected.norm());
}

TEST(FootingAnalysisTest, QuadraticLoadingScalesTheLoadWithOmegaSquared)
{
    FootingProblem p = EmbeddedBlock();
    const FootingResult linear = RunFootingAnalysis(p);
    p.load.quadratic = true;
    const FootingResult quadratic = RunFootingAnalysis(p);
    ASSERT_TRUE(linear.Succeeded() && quadratic.Succeeded());
    for (std::size_t i = 0; i < linear.omegas.size(); i += 10) {
        const double w2 = linear.omegas[i] * linear.omegas[i];
        EXPECT_LE((quadratic.amplitudes[i] - w2 * linear.amplitudes[i]).norm(), 1e-12 * w2 * linear.amplitudes[i].norm());
    }
}

// The same foundation in English units (lbs, ft, slug; g in ft/s^2) and in SI (kN, m, Mg) is the same physics:
// converted back, impedances and amplitudes agree to 1e-9.
TEST(FootingAnalysisTest, EnglishAndSiInputsGiveTheSamePhysics)
{
    const double ft = 0.3048;              // m
    const double lbf = 4.4482216152605e-3; // kN
    const double slug = lbf / ft;          // Mg
    for (FootingFoundation foundation : {FootingFoundation::HalfSpace, FootingFoundation::Stratum}) {
        FootingProblem si = EmbeddedBlock();
        si.foundation = foundation;
        si.baseDepth = 1.5;
        si.bedrockDepth = 9.0;
        FootingProblem en = si;
        const auto length = [&](double m) { return m / ft; };
        const auto unitWeight = [&](double kNm3) { return kNm3 / lbf * ft * ft * ft; };
        const auto soil = [&](SoilProperties s) {
            s.shearWaveVelocity = length(s.shearWaveVelocity);
            s.unitWeight = unitWeight(s.unitWeight);
            return s;
        };
        en.gravity = 9.81 / ft;
        en.geometry.lengthX = length(si.geometry.lengthX);
        en.geometry.widthY = length(si.geometry.widthY);
        en.below = soil(si.below);
        for (SideLayerInput& l : en.sideLayers) {
            l.thickness = length(l.thickness);
            l.soil = soil(l.soil);
        }
        en.baseDepth = length(si.baseDepth);
        en.bedrockDepth = length(si.bedrockDepth);
        en.mass.mass = si.mass.mass / slug;
        const double inertia = slug * ft * ft;
        en.mass.inertiaXX /= inertia, en.mass.inertiaYY /= inertia, en.mass.inertiaZZ /= inertia;
        en.mass.productXY /= inertia, en.mass.productXZ /= inertia, en.mass.productYZ /= inertia;
        en.baseOffset = {length(si.baseOffset.x), length(si.baseOffset.y), length(si.baseOffset.z)};
        en.load.force = {si.load.force.x / lbf, si.load.force.y / lbf, si.load.force.z / lbf};
        en.load.moment = {si.load.moment.x / (lbf * ft), si.load.moment.y / (lbf * ft), si.load.moment.z / (lbf * ft)};
        en.load.point = {length(si.load.point.x), length(si.load.point.y), length(si.load.point.z)};

        const FootingResult a = RunFootingAnalysis(si), b = RunFootingAnalysis(en);
        ASSERT_TRUE(a.Succeeded() && b.Succeeded());
        ASSERT_EQ(a.omegas.size(), b.omegas.size());
        // K converts by force/length (translations), force (coupling), force x length (rotations)
        double scale[6][6];
        for (int i = 0; i < 6; ++i)
            for (int j = 0; j < 6; ++j)
                scale[i][j] = lbf * std::pow(ft, (i >= 3) + (j >= 3) - 1);
        for (std::size_t n = 0; n < a.omegas.size(); ++n) {
            for (int i = 0; i < 6; ++i) {
                for (int j = 0; j < 6; ++j) {
                    const Complex ka = a.impedances[n](i, j), kb = b.impedances[n](i, j) * scale[i][j];
                    EXPECT_LE(std::abs(ka - kb), 1e-9 * std::abs(ka)) << n << " " << i << j;
                }
                const Complex qa = a.amplitudes[n](i), qb = b.amplitudes[n](i) * (i < 3 ? ft : 1.0);
                EXPECT_LE(std::abs(qa - qb), 1e-9 * std::abs(qa)) << n << " " << i;
            }
        }
    }
}

TEST(FrequencyGridTest, RunsFromMinimumToMaximumByTheStep)
{
    Diagnostics d;
    const std::vector<double> w = HarmonicFrequencies({1.0, 2.0, 0.1}, d);
    ASSERT_EQ(w.size(), 11u);
    EXPECT_NEAR(w.back(), 2.0, 1e-12);
    // within a millionth of a step the maximum still counts, beyond it not
    EXPECT_EQ(HarmonicFrequencies({0.1, 0.99999995, 0.1}, d).size(), 10u);
    EXPECT_EQ(HarmonicFrequencies({0.1, 0.9999998, 0.1}, d).size(), 9u);
    EXPECT_EQ(HarmonicFrequencies({5.0, 5.0, 1.0}, d).size(), 1u);
    EXPECT_EQ(HarmonicFrequencies({1.0, 100000.0, 1.0}, d).size(), 100000u);
    EXPECT_FALSE(d.HasErrors());
    EXPECT_TRUE(d.Warnings().empty());
}

TEST(FrequencyGridTest, LeavesOutZeroFrequencyWithAWarning)
{
    Diagnostics d;
    const std::vector<double> w = HarmonicFrequencies({0.0, 3.0, 1.0}, d);
    EXPECT_EQ(w, (std::vector<double>{1.0, 2.0, 3.0}));
    ASSERT_EQ(d.Warnings().size(), 1u);
    EXPECT_EQ(d.Warnings()[0], "The frequency 0 is left out: the damping coefficient K2/omega has no value there.");
}

struct BadCase {
    const char* name;
    void (*change)(FootingProblem&);
    const char* message;
};

void PrintTo(const BadCase& c, std::ostream* os) { *os << c.name; }

class BadDataTest : public ::testing::TestWithParam<BadCase> {};

// Bad data ends in a clear error, with no results at all, never in NaN or a partial list.
TEST_P(BadDataTest, GivesAClearErrorAndNoResults)
{
    FootingProblem p = EmbeddedBlock();
    GetParam().change(p);
    const FootingResult r = RunFootingAnalysis(p);
    EXPECT_FALSE(r.Succeeded());
    const std::vector<std::string> errors = r.diagnostics.Errors();
    ASSERT_FALSE(errors.empty());
    EXPECT_EQ(errors.front(), GetParam().message);
    EXPECT_TRUE(r.omegas.empty());
    EXPECT_TRUE(r.impedances.empty());
    EXPECT_TRUE(r.amplitudes.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadDataTest,
    ::testing::Values(
        BadCase{"ZeroVelocityBelow", [](FootingProblem& p) { p.below.shearWaveVelocity = 0.0; },
                "The shear wave velocity of the soil below the footing is 0: it must be greater than 0."},
        BadCase{"NegativeVelocityOfALayer", [](FootingProblem& p) { p.sideLayers[1].soil.shearWaveVelocity = -150.0; },
                "The shear wave velocity of soil layer 2 is -150: it must be greater than 0."},
        BadCase{"ZeroUnitWeight", [](FootingProblem& p) { p.below.unitWeight = 0.0; },
                "The unit weight of the soil below the footing is 0: it must be greater than 0."},
        BadCase{"NegativeDamping", [](FootingProblem& p) { p.sideLayers[0].soil.damping = -0.05; },
                "The material damping of soil layer 1 is -0.05: it must not be negative."},
        BadCase{"ZeroMass", [](FootingProblem& p) { p.mass.mass = 0.0; },
                "The total mass of the footing is 0: it must be greater than 0."},
        BadCase{"ZeroStep", [](FootingProblem& p) { p.frequencies.step = 0.0; },
                "The frequency step is 0 rad/s: it must be greater than 0."},
        BadCase{"MaximumBelowMinimum", [](FootingProblem& p) { p.frequencies = {50.0, 20.0, 1.0}; },
                "The maximum frequency (20 rad/s) is below the minimum frequency (50 rad/s)."},
        BadCase{"TooManyFrequencies", [](FootingProblem& p) { p.frequencies = {1.0, 1e9, 0.01}; },
                "The frequency range from 1 to 1e+09 rad/s by 0.01 gives 1e+11 frequencies: at most 100000 can be "
                "computed; choose a larger step."},
        BadCase{"NotANumber", [](FootingProblem& p) { p.geometry.widthY = std::numeric_limits<double>::quiet_NaN(); },
                "The width (y) of the footing is not a number."},
        BadCase{"NegativeThickness", [](FootingProblem& p) { p.sideLayers[1].thickness = -1.0; },
                "The thickness of soil layer 2 is -1: it must not be negative."},
        BadCase{"RockAboveTheBase",
                [](FootingProblem& p) {
                    p.foundation = FootingFoundation::Stratum;
                    p.baseDepth = 2.0;
                    p.bedrockDepth = 2.0;
                },
                "The depth to bedrock (2) must be greater than the depth of the footing base (2)."}),
    [](const ::testing::TestParamInfo<BadCase>& info) { return std::string(info.param.name); });

TEST(FootingAnalysisTest, PoissonsRatioOfOneHalfIsTakenAtNearlyIncompressible)
{
    FootingProblem p = EmbeddedBlock();
    p.sideLayers[1].soil.poisson = 0.5;
    p.below.poisson = 0.52;
    const FootingResult r = RunFootingAnalysis(p);
    ASSERT_TRUE(r.Succeeded());
    const std::vector<std::string> w = r.diagnostics.Warnings();
    ASSERT_EQ(w.size(), 2u);
    EXPECT_EQ(w[0], "Poisson's ratio of the soil below the footing is 0.52: the impedances and the radiation damping "
                    "are computed at nu = 0.499.");
    EXPECT_EQ(w[1], "Poisson's ratio of soil layer 2 is 0.5: the impedances and the radiation damping are computed "
                    "at nu = 0.499.");
    for (const Vector6c& q : r.amplitudes)
        EXPECT_TRUE(std::isfinite(q.norm()));
}

// A new project's soil table holds one layer of zeros: a surface footing, nothing to complain about; a real
// layer with a weak zone ratio of 0 is computed without weak zone, and says so.
TEST(FootingAnalysisTest, EmptyLayersMakeASurfaceFootingAndRatioZeroMeansNoWeakZone)
{
    FootingProblem p = EmbeddedBlock();
    p.sideLayers = {SideLayerInput{0.0, {}, 0.0, 0.0}};
    FootingResult r = RunFootingAnalysis(p);
    ASSERT_TRUE(r.Succeeded());
    EXPECT_TRUE(r.diagnostics.Items().empty());
    EXPECT_EQ(r.impedances[0](X, RY), Complex(0.0));

    p.sideLayers = {Layer(1.0, Soil(150.0, 18.0, 0.3, 0.05), 0.0)};
    r = RunFootingAnalysis(p);
    ASSERT_TRUE(r.Succeeded());
    ASSERT_EQ(r.diagnostics.Warnings().size(), 1u);
    EXPECT_EQ(r.diagnostics.Warnings()[0],
              "The weak zone shear modulus ratio of soil layer 1 is 0: no weak zone is taken for this layer.");
    p.sideLayers[0].weakZoneRatio = 1.0;
    const FootingResult none = RunFootingAnalysis(p);
    EXPECT_EQ(none.impedances[3], r.impedances[3]);
}

TEST(FootingAnalysisTest, ImpedancesAloneNeedNoMass)
{
    FootingProblem p = EmbeddedBlock();
    p.computeResponse = false;
    p.mass = RigidBodyMass{};
    const FootingResult r = RunFootingAnalysis(p);
    ASSERT_TRUE(r.Succeeded());
    EXPECT_EQ(r.impedances.size(), r.omegas.size());
    EXPECT_TRUE(r.amplitudes.empty());
    EXPECT_FALSE(r.methods.empty());
}

} // namespace
