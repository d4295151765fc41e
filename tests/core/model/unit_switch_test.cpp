#include "model/unit_switch.h"

#include "support/float_compare.h"

#include <gtest/gtest.h>

#include <vector>

namespace quavis {
namespace {

using RealField = long double TProgramData::*;

// How a field converts from English to SI.
enum class Quantity { None, Length, Inch, Mass, MassLength2, ForcePerLength3, ForcePerLength2, Force, LoadForce, LoadMoment };

struct FieldCase {
    const char* name;
    RealField field;
    Quantity quantity;
};

// Every real of the model, with the quantity it holds.
const std::vector<FieldCase>& AllRealFields()
{
    static const std::vector<FieldCase> cases = {
        {"ProfileDepth", &TProgramData::ProfileDepth, Quantity::Inch},
        {"TotalMass", &TProgramData::TotalMass, Quantity::Mass},
        {"InertiaXX", &TProgramData::InertiaXX, Quantity::MassLength2},
        {"InertiaYY", &TProgramData::InertiaYY, Quantity::MassLength2},
        {"InertiaZZ", &TProgramData::InertiaZZ, Quantity::MassLength2},
        {"ProductXY", &TProgramData::ProductXY, Quantity::MassLength2},
        {"ProductXZ", &TProgramData::ProductXZ, Quantity::MassLength2},
        {"ProductYZ", &TProgramData::ProductYZ, Quantity::MassLength2},
        {"BaseX", &TProgramData::BaseX, Quantity::Length},
        {"BaseY", &TProgramData::BaseY, Quantity::Length},
        {"BaseZ", &TProgramData::BaseZ, Quantity::Length},
        {"PileLength", &TProgramData::PileLength, Quantity::Length},
        {"PileUnitWeight", &TProgramData::PileUnitWeight, Quantity::ForcePerLength3},
        {"StaticLoad", &TProgramData::StaticLoad, Quantity::Force},
        {"PilePoisson", &TProgramData::PilePoisson, Quantity::None},
        {"PileDamping", &TProgramData::PileDamping, Quantity::None},
        {"ShearRigidityCoefficient", &TProgramData::ShearRigidityCoefficient, Quantity::None},
        {"BaseDepth", &TProgramData::BaseDepth, Quantity::Length},
        {"BedrockDepth", &TProgramData::BedrockDepth, Quantity::Length},
        {"CgLocalX", &TProgramData::CgLocalX, Quantity::Length},
        {"CgLocalY", &TProgramData::CgLocalY, Quantity::Length},
        {"CgLocalZ", &TProgramData::CgLocalZ, Quantity::Length},
        {"CbGlobalX", &TProgramData::CbGlobalX, Quantity::Length},
        {"CbGlobalY", &TProgramData::CbGlobalY, Quantity::Length},
        {"CbGlobalZ", &TProgramData::CbGlobalZ, Quantity::Length},
        {"CbLocalX", &TProgramData::CbLocalX, Quantity::Length},
        {"CbLocalY", &TProgramData::CbLocalY, Quantity::Length},
        {"CbLocalZ", &TProgramData::CbLocalZ, Quantity::Length},
        {"MaxFrequency", &TProgramData::MaxFrequency, Quantity::None},
        {"MinFrequency", &TProgramData::MinFrequency, Quantity::None},
        {"FrequencyStep", &TProgramData::FrequencyStep, Quantity::None},
        {"ForceX", &TProgramData::ForceX, Quantity::LoadForce},
        {"ForceY", &TProgramData::ForceY, Quantity::LoadForce},
        {"ForceZ", &TProgramData::ForceZ, Quantity::LoadForce},
        {"MomentX", &TProgramData::MomentX, Quantity::LoadMoment},
        {"MomentY", &TProgramData::MomentY, Quantity::LoadMoment},
        {"MomentZ", &TProgramData::MomentZ, Quantity::LoadMoment},
        {"LoadPointX", &TProgramData::LoadPointX, Quantity::Length},
        {"LoadPointY", &TProgramData::LoadPointY, Quantity::Length},
        {"LoadPointZ", &TProgramData::LoadPointZ, Quantity::Length},
        {"BelowShearWaveVelocity", &TProgramData::BelowShearWaveVelocity, Quantity::Length},
        {"BelowUnitWeight", &TProgramData::BelowUnitWeight, Quantity::ForcePerLength3},
        {"BelowDamping", &TProgramData::BelowDamping, Quantity::None},
        {"BelowPoisson", &TProgramData::BelowPoisson, Quantity::None},
        {"Radius", &TProgramData::Radius, Quantity::Length},
        {"LengthX", &TProgramData::LengthX, Quantity::Length},
        {"WidthY", &TProgramData::WidthY, Quantity::Length},
        {"GeometryWidthY", &TProgramData::GeometryWidthY, Quantity::Length},
        {"EmbedmentDepth", &TProgramData::EmbedmentDepth, Quantity::None}, // derived anew by every save
        {"PileElasticModulus", &TProgramData::PileElasticModulus, Quantity::ForcePerLength2},
        {"TimeInterval", &TProgramData::TimeInterval, Quantity::None},
        {"RandomMaxFrequency", &TProgramData::RandomMaxFrequency, Quantity::None},
        {"RandomMinFrequency", &TProgramData::RandomMinFrequency, Quantity::None},
        {"ObservationPeriod", &TProgramData::ObservationPeriod, Quantity::None},
    };
    return cases;
}

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

} // namespace
} // namespace quavis
