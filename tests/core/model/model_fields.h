#pragma once

#include "model/program_data.h"

#include <vector>

namespace quavis::test {

using RealField = long double TProgramData::*;

// How a field converts from English to SI.
enum class Quantity { None, Length, Inch, Mass, MassLength2, ForcePerLength3, ForcePerLength2, Force, LoadForce, LoadMoment };

struct FieldCase {
    const char* name;
    RealField field;
    Quantity quantity;
};

// Every real of the model, with the quantity it holds.
inline const std::vector<FieldCase>& AllRealFields()
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

} // namespace quavis::test
