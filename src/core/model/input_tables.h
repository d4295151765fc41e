#pragma once

#include <array>
#include <cstddef>

namespace quavis {

class TGridTable;

// Identifiers of the twelve input tables; the amplitude and spectrum tables are the templates of the
// sub-tables of the transient and random loading tables.
enum : int {
    DIdentifier = 1,
    TLoadtypeIdentifier = 2,
    PileDataIdentifier = 3,
    pilecapsoilIdentifier = 4,
    MultisoilIdentifier = 5,
    MultiElementIdentifier = 6,
    PilecoordIdentifier = 7,
    DtransientIdentifier = 8,
    TrandomIdentifier = 9,
    TspectrumIdentifier = 10,
    D1Identifier = 11,
    MassCalIdentifier = 12,
};

inline constexpr std::size_t InputTableCount = 12;

// The weak-zone advice shown under the soil table's editor; lines separated by carriage returns.
extern const char* const SoilTableComments;

// Gives each table its definition: identifier, caption, limits, TopLeft, comments and columns.
// The tables are passed in identifier order (D first, MassCal last) and must have no columns yet.
void DefineInputTables(const std::array<TGridTable*, InputTableCount>& tables);

} // namespace quavis
