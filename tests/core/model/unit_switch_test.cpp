#include "model/unit_switch.h"

#include "components/grid_table.h"
#include "model/project.h"

#include "model_fields.h"

#include "support/float_compare.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace quavis {
namespace {

using test::AllRealFields;
using test::FieldCase;
using test::Quantity;

// English-to-SI multipliers written out from the published factors.
long double EnglishToSi(Quantity q, bool quadratic)
{
    const long double force = 1 / 224.8089237L, inch = 1 / 39.37007874L, length = 1 / 3.280839895L,
                      mass = 1 / 68.364249L;
    switch (q) {
    case Quantity::None: return 1;
    case Quantity::Length: return length;
    case Quantity::Inch: return inch;
    case Quantity::Mass: return mass;
    case Quantity::MassLength2: return mass * length * length;
    case Quantity::ForcePerLength3: return force / (length * length * length);
    case Quantity::ForcePerLength2: return force / (length * length);
    case Quantity::Force: return force;
    case Quantity::LoadForce: return quadratic ? mass * length : force;
    case Quantity::LoadMoment: return quadratic ? mass * length * length : force * length;
    }
    return 0;
}

TProgramData EnglishModelWithDistinctValues(int quadratic)
{
    TProgramData d;
    d.UnitSystem = English;
    d.QuadraticLoading = quadratic;
    long double v = 1.25L;
    for (const FieldCase& c : AllRealFields()) {
        d.*c.field = v;
        v = v * 1.7L + 0.3L;
    }
    return d;
}

class UnitSwitchFields : public ::testing::TestWithParam<int> {};

TEST_P(UnitSwitchFields, EnglishToSiConvertsEveryFieldByItsQuantity)
{
    const int quadratic = GetParam();
    const TProgramData english = EnglishModelWithDistinctValues(quadratic);
    TProgramData d = english;
    ConvertProgramData(d, SI);
    EXPECT_EQ(d.UnitSystem, SI);
    for (const FieldCase& c : AllRealFields()) {
        const long double expected = english.*c.field * EnglishToSi(c.quantity, quadratic == 1);
        if (c.quantity == Quantity::None)
            EXPECT_EQ(d.*c.field, english.*c.field) << c.name;
        else
            EXPECT_TRUE(test::NearRel(d.*c.field, expected, 1e-15L)) << c.name;
    }
}

TEST_P(UnitSwitchFields, EnglishToSiAndBackRestoresEveryField)
{
    const TProgramData english = EnglishModelWithDistinctValues(GetParam());
    TProgramData d = english;
    ConvertProgramData(d, SI);
    ConvertProgramData(d, English);
    EXPECT_EQ(d.UnitSystem, English);
    for (const FieldCase& c : AllRealFields())
        EXPECT_TRUE(test::NearRel(d.*c.field, english.*c.field, 1e-15L)) << c.name;
}

INSTANTIATE_TEST_SUITE_P(NonQuadraticAndQuadratic, UnitSwitchFields, ::testing::Values(0, 1));

TEST(UnitSwitch, KnownConversions)
{
    TProgramData d;
    d.UnitSystem = English;
    d.LengthX = 1;              // 1 ft
    d.StaticLoad = 224.8089237L; // 1 kN in lbs
    d.TotalMass = 68.364249L;   // 1 Mg in slug
    d.ProfileDepth = 39.37007874L;
    d.QuadraticLoading = 1;
    d.ForceX = 1; // 1 slug-ft
    ConvertProgramData(d, SI);
    EXPECT_NEAR_REL(d.LengthX, 0.3048000000012192L, 1e-15L);
    EXPECT_NEAR_REL(d.StaticLoad, 1.0L, 1e-17L);
    EXPECT_NEAR_REL(d.TotalMass, 1.0L, 1e-17L);
    EXPECT_NEAR_REL(d.ProfileDepth, 1.0L, 1e-17L);
    EXPECT_NEAR_REL(d.ForceX, (1 / 68.364249L) * (1 / 3.280839895L), 1e-17L);

    TProgramData si;
    si.UnitSystem = SI;
    si.BelowUnitWeight = 1; // kN/m^3
    si.PileElasticModulus = 1;
    si.MomentY = 1; // kN-m, non-quadratic
    ConvertProgramData(si, English);
    EXPECT_NEAR_REL(si.BelowUnitWeight, 6.3658798L, 1e-7L);
    EXPECT_NEAR_REL(si.PileElasticModulus, 224.8089237L / (3.280839895L * 3.280839895L), 1e-17L);
    EXPECT_NEAR_REL(si.MomentY, 224.8089237L * 3.280839895L, 1e-17L);
}

TEST(UnitSwitch, SameSystemChangesNothing)
{
    const TProgramData english = EnglishModelWithDistinctValues(0);
    TProgramData d = english;
    ConvertProgramData(d, English);
    for (const FieldCase& c : AllRealFields())
        EXPECT_EQ(d.*c.field, english.*c.field) << c.name;
}

TEST(UnitSwitch, TargetOutsideOneToTwoIsClamped)
{
    TProgramData d;
    d.UnitSystem = English;
    d.BaseX = 1;
    ConvertProgramData(d, 7);
    EXPECT_EQ(d.UnitSystem, SI);
    EXPECT_NEAR_REL(d.BaseX, 1 / 3.280839895L, 1e-17L);
    ConvertProgramData(d, -4);
    EXPECT_EQ(d.UnitSystem, English);
    EXPECT_NEAR_REL(d.BaseX, 1.0L, 1e-17L);
    EXPECT_EQ(ClampUnitSystem(3), SI);
    EXPECT_EQ(ClampUnitSystem(0), English);
}

// Visits every float cell of the project's tables and of their sub-tables.
void ForEachFloatCell(TProject& p, const std::function<void(TGridTable&, int, int)>& visit)
{
    std::function<void(TGridTable&)> walk = [&](TGridTable& t) {
        for (int col = 0; col < t.ColumnCount(); ++col)
            for (int row = 0; row < t.RowCount(); ++row) {
                if (t.Column(col).TypeKey() == 2)
                    visit(t, col, row);
                else if (t.Column(col).TypeKey() == 3 && t.Cell(col, row).GetTable())
                    walk(*t.Cell(col, row).GetTable());
            }
    };
    for (TGridTable* t : p.Tables())
        walk(*t);
}

std::vector<long double> FloatCells(TProject& p)
{
    std::vector<long double> values;
    ForEachFloatCell(p, [&](TGridTable& t, int col, int row) { values.push_back(t.Cell(col, row).GetFloat()); });
    return values;
}

// An English project with distinct values in every field and every float cell.
void FillEnglishProject(TProject& p)
{
    p.ChangeUnitSystem(English);
    p.ProgramData() = EnglishModelWithDistinctValues(1);
    for (TGridTable* t : p.Tables())
        t->SetRowCount(3);
    p.TLoadtype.Cell(1, 2).GetTable()->SetRowCount(4);
    long double v = 0.75L;
    ForEachFloatCell(p, [&](TGridTable& t, int col, int row) {
        t.Cell(col, row).SetFloat(v);
        v = v * 1.3L + 0.1L;
    });
}

TEST(ProjectUnitSwitch, EnglishToSiAndBackRestoresEveryFieldAndCell)
{
    TProject p;
    int refreshed = 0;
    p.OnUnitSystemChanged = [&] { ++refreshed; };
    FillEnglishProject(p);
    const TProgramData english = p.ProgramData();
    const std::vector<long double> cells = FloatCells(p);
    ASSERT_GT(cells.size(), 100u);

    p.ChangeUnitSystem(SI);
    EXPECT_EQ(p.ProgramData().UnitSystem, SI);
    for (const TGridTable* t : p.Tables())
        EXPECT_EQ(t->UnitSystem(), SI);
    p.ChangeUnitSystem(English);

    for (const FieldCase& c : AllRealFields())
        EXPECT_TRUE(test::NearRel(p.ProgramData().*c.field, english.*c.field, 1e-15L)) << c.name;
    const std::vector<long double> back = FloatCells(p);
    ASSERT_EQ(back.size(), cells.size());
    for (std::size_t i = 0; i < cells.size(); ++i)
        EXPECT_TRUE(test::NearRel(back[i], cells[i], 1e-15L)) << "cell " << i;
    EXPECT_GE(refreshed, 3);
}

TEST(ProjectUnitSwitch, CellsConvertByTheirColumnUnits)
{
    TProject p;
    p.ChangeUnitSystem(English);
    p.D.Cell(0, 0).SetFloat(1000);       // ft/sec
    p.D.Cell(1, 0).SetFloat(120);        // lbs/ft^3
    p.D.Cell(2, 0).SetFloat(0.3L);       // Poisson's ratio
    p.PileData.Cell(4, 0).SetFloat(1);   // ft^4
    p.MassCal.Cell(0, 0).SetFloat(68.364249L); // slug
    p.Pilecoord.Cell(2, 0).SetFloat(15); // degrees
    p.Pilecoord.Cell(3, 0).SetInteger(2);
    p.TLoadtype.Cell(1, 0).GetTable()->Cell(0, 0).SetFloat(224.8089237L); // lbs

    p.ChangeUnitSystem(SI);
    EXPECT_NEAR_REL(p.D.Cell(0, 0).GetFloat(), 304.8L, 1e-9L);
    EXPECT_NEAR_REL(p.D.Cell(1, 0).GetFloat(), 120 / 6.3658798L, 1e-7L);
    EXPECT_EQ(p.D.Cell(2, 0).GetFloat(), 0.3L);
    EXPECT_NEAR_REL(p.PileData.Cell(4, 0).GetFloat(), 1 / 115.86177L, 1e-7L);
    EXPECT_NEAR_REL(p.MassCal.Cell(0, 0).GetFloat(), 1.0L, 1e-15L);
    EXPECT_EQ(p.Pilecoord.Cell(2, 0).GetFloat(), 15.0L);
    EXPECT_EQ(p.Pilecoord.Cell(3, 0).GetInteger(), 2);
    EXPECT_NEAR_REL(p.TLoadtype.Cell(1, 0).GetTable()->Cell(0, 0).GetFloat(), 1.0L, 1e-15L);

    // The system already in force changes nothing.
    const std::vector<long double> before = FloatCells(p);
    p.ChangeUnitSystem(SI);
    EXPECT_EQ(FloatCells(p), before);
}

TEST(ProjectUnitSwitch, TablesFollowEvenWhenTheModelIsAlreadyInTheTarget)
{
    // The reader sets the model's system by hand while the tables are still in SI.
    TProject p;
    p.D1.Cell(0, 0).SetFloat(1); // m
    p.ProgramData().UnitSystem = English;
    p.ProgramData().LengthX = 2;
    p.ChangeUnitSystem(English);
    EXPECT_EQ(p.ProgramData().LengthX, 2.0L);
    EXPECT_EQ(p.D1.UnitSystem(), English);
    EXPECT_NEAR_REL(p.D1.Cell(0, 0).GetFloat(), 3.280839895L, 1e-15L);
}

} // namespace
} // namespace quavis
