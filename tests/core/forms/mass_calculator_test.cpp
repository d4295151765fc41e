#include "forms/mass_calculator.h"

#include "components/grid_table.h"
#include "model/project.h"
#include "support/float_compare.h"

#include <gtest/gtest.h>

namespace quavis {
namespace {

constexpr long double kTol = 1e-15L;

TEST(MassCalculator, OneBlockOffTheOrigin)
{
    const TMassProperties p = ComputeMassProperties({{2, 1, 0, 0, 3, 0, 0}});
    EXPECT_EQ(p.TotalMass, 2);
    EXPECT_EQ(p.CgX, 1);
    EXPECT_EQ(p.CgY, 0);
    EXPECT_EQ(p.CgZ, 0);
    EXPECT_EQ(p.Ixx, 0);
    EXPECT_NEAR_REL(p.Iyy, 1.5L, kTol);
    EXPECT_NEAR_REL(p.Izz, 1.5L, kTol);
    EXPECT_EQ(p.Pxy, 0);
    EXPECT_EQ(p.Pxz, 0);
    EXPECT_EQ(p.Pyz, 0);
}

TEST(MassCalculator, TwoPointMassesGiveProductsWithTheFormsSigns)
{
    const TMassProperties p = ComputeMassProperties({{1, 0, 0, 0, 0, 0, 0}, {1, 2, 2, 2, 0, 0, 0}});
    EXPECT_EQ(p.CgX, 1);
    EXPECT_EQ(p.CgY, 1);
    EXPECT_EQ(p.CgZ, 1);
    EXPECT_NEAR_REL(p.Ixx, 4, kTol);
    EXPECT_NEAR_REL(p.Iyy, 4, kTol);
    EXPECT_NEAR_REL(p.Izz, 4, kTol);
    EXPECT_NEAR_REL(p.Pxy, 2, kTol);
    EXPECT_NEAR_REL(p.Pxz, 2, kTol);
    EXPECT_NEAR_REL(p.Pyz, 2, kTol);

    const TMassFormResult r = MassFormResult(p, 0, 0, 0);
    EXPECT_TRUE(r.HasMass);
    EXPECT_EQ(r.TotalMass, 2);
    EXPECT_NEAR_REL(r.ProductXY, 2, kTol);
    EXPECT_NEAR_REL(r.ProductXZ, -2, kTol);
    EXPECT_NEAR_REL(r.ProductYZ, -2, kTol);
    // The base centre at the local origin seen from the C.G. at (1, 1, 1), z down.
    EXPECT_EQ(r.CbGlobalX, -1);
    EXPECT_EQ(r.CbGlobalY, -1);
    EXPECT_EQ(r.CbGlobalZ, 1);
}

TEST(MassCalculator, BlockSizesAddTheirOwnInertiaAboutEachAxis)
{
    // A 2 x 4 x 6 block of mass 12 at the origin: Ixx = 12 (16 + 36) / 12 and so on.
    const TMassProperties p = ComputeMassProperties({{12, 0, 0, 0, 2, 4, 6}});
    EXPECT_NEAR_REL(p.Ixx, 52, kTol);
    EXPECT_NEAR_REL(p.Iyy, 40, kTol);
    EXPECT_NEAR_REL(p.Izz, 20, kTol);
}

TEST(MassCalculator, NoPositiveTotalMassTakesTheCentreOfGravityAtTheOrigin)
{
    // Zero masses: no centre can be found, the moments vanish.
    const TMassProperties zero = ComputeMassProperties({{0, 5, 6, 7, 1, 1, 1}});
    EXPECT_EQ(zero.CgX, 0);
    EXPECT_EQ(zero.CgY, 0);
    EXPECT_EQ(zero.CgZ, 0);
    EXPECT_EQ(zero.Ixx, 0);
    // Masses that cancel: the moments are taken about the origin, and they are finite.
    const TMassProperties cancel = ComputeMassProperties({{1, 1, 0, 0, 0, 0, 0}, {-1, 3, 0, 0, 0, 0, 0}});
    EXPECT_EQ(cancel.TotalMass, 0);
    EXPECT_EQ(cancel.CgX, 0);
    EXPECT_NEAR_REL(cancel.Iyy, 1 - 9, kTol);
    const TMassFormResult r = MassFormResult(cancel, 2, 3, 4);
    EXPECT_EQ(r.CbGlobalX, 2);
    EXPECT_EQ(r.CbGlobalY, 3);
    EXPECT_EQ(r.CbGlobalZ, -4);
    // No components at all: the mass field is left alone.
    EXPECT_FALSE(MassFormResult(ComputeMassProperties({}), 0, 0, 0).HasMass);
}

TEST(MassCalculator, ReadsTheProjectsMassComponentsTable)
{
    TProject project;
    TGridTable& t = project.MassCal;
    t.SetRowCount(2);
    const long double rows[2][7] = {{1, 0, 0, 0, 0, 0, 0}, {1, 2, 2, 2, 0, 0, 0}};
    for (int r = 0; r < 2; ++r)
        for (int c = 0; c < 7; ++c) t.Column(c).SetFloat(r, rows[r][c]);
    const std::vector<TMassComponent> components = MassComponentsOf(t);
    ASSERT_EQ(components.size(), 2u);
    EXPECT_EQ(components[1].Z, 2);
    const TMassProperties p = ComputeMassProperties(components);
    EXPECT_EQ(p.ComponentCount, 2);
    EXPECT_EQ(p.CgZ, 1);
}

} // namespace
} // namespace quavis
