#pragma once

#include <cstdint>
#include <string>

#include "components/unit_labels.h"

namespace quavis {

// Foundation types (`FoundationType`); the keyword of each type is in FoundationKeywordOf.
enum : int32_t {
    HalfSpaceFoundation = 1,
    PileFoundation = 2,
    StratumFoundation = 3,
    MultilayerFoundation = 4,
};

// Loading types (`LoadingType`).
enum : int32_t {
    HarmonicLoading = 1,
    TransientLoading = 2,
    RandomLoading = 3,
};

// Shapes (`ShapeCircular`).
enum : int32_t {
    RectangularShape = 0,
    CircularShape = 1,
};

// Pile head connections (`PileHeadFixed`).
enum : int32_t {
    PinnedPileHead = 0,
    FixedPileHead = 1,
};

// Pile tip conditions (`EndBearing`).
enum : int32_t {
    FloatingPiles = 0,
    EndBearingPiles = 1,
};

inline constexpr const char* HalfSpaceKeyword = "HALF-SPACE";
inline constexpr const char* PileKeyword = "PILE";
inline constexpr const char* StratumKeyword = "STRATUM";
inline constexpr const char* MultilayerKeyword = "MULTILAYER";

// The keyword of a foundation type (1..4); empty for any other number.
inline const char* FoundationKeywordOf(int32_t foundationType)
{
    switch (foundationType) {
    case HalfSpaceFoundation: return HalfSpaceKeyword;
    case PileFoundation: return PileKeyword;
    case StratumFoundation: return StratumKeyword;
    case MultilayerFoundation: return MultilayerKeyword;
    default: return "";
    }
}

// The name a project has until it is saved under a name of its own.
inline constexpr const char* NewProjectFileName = "NewData.vqd";

// The scalar model of one project. Every dimensioned real is held in the current UnitSystem
// (English: lbs, slug, ft; SI: kN, Mg, m). The tabular data lives in the project's grid tables.
// Declaration order and defaults are those of a new model.
struct TProgramData {
    int32_t UnitSystem = SI;
    std::string FileName = NewProjectFileName;
    std::string GeometryFileName;          // FileName with ".vqt"; set by Save
    std::string FoundationKeyword = HalfSpaceKeyword;
    std::string LoadingKeyword;            // loading line of the last file read, as written
    int32_t FoundationType = HalfSpaceFoundation;
    std::string Title = "New Pile";        // at most 80 characters when edited
    long double ProfileDepth = 0;          // in / m; scratch value of the side views
    int32_t MassComponentCount = 0;
    long double TotalMass = 0;             // slug / Mg
    long double InertiaXX = 0;             // slug-ft^2 / Mg-m^2
    long double InertiaYY = 0;
    long double InertiaZZ = 0;
    long double ProductXY = 0;
    long double ProductXZ = 0;
    long double ProductYZ = 0;
    long double BaseX = 0;                 // ft / m
    long double BaseY = 0;
    long double BaseZ = 0;
    long double PileLength = 0;            // ft / m
    long double PileUnitWeight = 0;        // lbs/ft^3 / kN/m^3
    long double StaticLoad = 0;            // lbs / kN
    long double PilePoisson = 0;
    long double PileDamping = 0;
    long double ShearRigidityCoefficient = 0;
    long double BaseDepth = 0;             // ft / m
    long double BedrockDepth = 0;          // ft / m
    long double CgLocalX = 0;              // ft / m, computed by the mass calculator
    long double CgLocalY = 0;
    long double CgLocalZ = 0;
    long double CbGlobalX = 0;             // ft / m, computed by the mass calculator
    long double CbGlobalY = 0;
    long double CbGlobalZ = 0;
    long double CbLocalX = 0;              // ft / m, entered by the user
    long double CbLocalY = 0;
    long double CbLocalZ = 0;
    long double MaxFrequency = 0;          // Hz
    long double MinFrequency = 0;
    long double FrequencyStep = 0;
    long double ForceX = 0;                // lbs / kN; quadratic: slug-ft / Mg-m
    long double ForceY = 0;
    long double ForceZ = 0;
    long double MomentX = 0;               // lbs-ft / kN-m; quadratic: slug-ft^2 / Mg-m^2
    long double MomentY = 0;
    long double MomentZ = 0;
    long double LoadPointX = 0;            // ft / m
    long double LoadPointY = 0;
    long double LoadPointZ = 0;
    long double BelowShearWaveVelocity = 0; // ft/sec / m/sec
    long double BelowUnitWeight = 0;       // lbs/ft^3 / kN/m^3
    long double BelowDamping = 0;
    long double BelowPoisson = 0;
    int32_t PileHeadFixed = FixedPileHead;
    int32_t ShapeCircular = RectangularShape;
    int32_t EndBearing = FloatingPiles;
    std::string PileHeadText;              // "FIXED" / "PINNED"; PileHeadFixed is authoritative
    std::string PileTipText;               // "Floating Piles" / "End-Bearing Piles"
    std::string InteractionText;           // "Yes" / "No"
    long double Radius = 0;                // ft / m
    long double LengthX = 0;               // ft / m
    long double WidthY = 0;                // ft / m
    long double GeometryWidthY = 0;        // ft / m; width of the geometry file
    long double EmbedmentDepth = 0;        // ft / m; derived by Save
    long double PileElasticModulus = 0;    // lbs/ft^2 / kN/m^2
    int32_t WriteMatrix = 1;
    int32_t LoadingType = HarmonicLoading;
    int32_t PileInteraction = 1;
    long double TimeInterval = 0;          // sec
    long double RandomMaxFrequency = 0;    // Hz
    long double RandomMinFrequency = 0;
    long double ObservationPeriod = 0;
    int32_t PointCount = 0;
    int32_t LoadTypeCount = 0;
    int32_t QuadraticLoading = 0;
    // The three flags only ever become true while saving; a new model or a file read resets them.
    bool HasBatteredPiles = false;
    bool HasSideCapWeakZone = false;
    bool HasWeakZone = true;
};

} // namespace quavis
