#pragma once

// Small projects of every foundation type and loading type, built as the forms and table editors
// would fill them. Their saved files are the golden fixtures tests/fixtures/<name>.vqd and .vqt.

#include "components/grid_table.h"
#include "model/project.h"

#include "model_fields.h"

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <vector>

namespace quavis::test {

using Row = std::vector<long double>;

// Gives the table these rows of floats, column by column from the first.
inline void FillRows(TGridTable& table, std::initializer_list<Row> rows)
{
    table.SetRowCount(static_cast<int>(rows.size()));
    int r = 0;
    for (const Row& row : rows) {
        for (std::size_t c = 0; c < row.size(); ++c) table.Cell(static_cast<int>(c), r).SetFloat(row[c]);
        ++r;
    }
}

// One loading row: its pick-list item and the values of its sub-table.
struct LoadRow {
    int item;
    Row values;
};

inline void FillLoading(TGridTable& table, std::initializer_list<LoadRow> rows)
{
    table.SetRowCount(static_cast<int>(rows.size()));
    int r = 0;
    for (const LoadRow& row : rows) {
        table.Cell(0, r).SetInteger(row.item);
        TGridTable& values = *table.Cell(1, r).GetTable();
        values.SetRowCount(static_cast<int>(row.values.size()));
        for (std::size_t i = 0; i < row.values.size(); ++i) values.Cell(0, static_cast<int>(i)).SetFloat(row.values[i]);
        ++r;
    }
}

// Every real of the model gets its own value with few digits, so that a field written or read in the
// place of another shows.
inline void DistinctReals(TProgramData& d)
{
    long double v = 1.5L;
    for (const FieldCase& c : AllRealFields()) {
        d.*c.field = v;
        v += 0.25L;
    }
    d.ProfileDepth = 0;
    d.EmbedmentDepth = 0;
}

inline void Foundation(TProject& p, int type)
{
    p.ProgramData().FoundationType = type;
    p.ProgramData().FoundationKeyword = FoundationKeywordOf(type);
}

inline void PileBattered(TProject& p)
{
    p.ChangeUnitSystem(SI);
    TProgramData& d = p.ProgramData();
    DistinctReals(d);
    d.Title = "Pile group, battered, weak side soil";
    Foundation(p, PileFoundation);
    d.ShapeCircular = RectangularShape;
    d.GeometryWidthY = d.WidthY;
    d.PileHeadFixed = FixedPileHead;
    d.EndBearing = EndBearingPiles;
    d.PileInteraction = 1;
    d.LoadingType = HarmonicLoading;
    d.QuadraticLoading = 0;
    FillRows(p.PileData, {{10, 0.3L, 0.3L, 0.2827L, 0.0064L, 0.0064L, 0.0127L},
                          {8, 0.25L, 0.25L, 0.19635L, 0.0031L, 0.0031L, 0.0062L}});
    FillRows(p.Pilecoord, {{0, 0, 15}, {2.5L, 0, 10}, {0, 2.5L, 0}});
    p.Pilecoord.Cell(3, 1).SetInteger(2);
    FillRows(p.D, {{150, 18, 0.35L, 0.05L, 0.5L}, {200, 19, 0.4L, 0.04L, 1}});
    FillRows(p.pilecapsoil, {{0.5L, 120, 17, 0.3L, 0.05L, 0.5L}, {1, 140, 17.5L, 0.3L, 0.06L, 1}});
    FillRows(p.MassCal, {{50, 0, 0, 0.5L, 4, 3, 1}, {5, 1, 0.5L, 1.2L, 1, 1, 0.4L}});
}

inline void PileEmbeddedRandom(TProject& p)
{
    p.ChangeUnitSystem(English);
    TProgramData& d = p.ProgramData();
    DistinctReals(d);
    d.Title = "Pinned floating piles, embedded cap, random";
    Foundation(p, PileFoundation);
    d.ShapeCircular = CircularShape;
    d.PileHeadFixed = PinnedPileHead;
    d.EndBearing = FloatingPiles;
    d.PileInteraction = 0;
    d.LoadingType = RandomLoading;
    d.PointCount = 3;
    d.LoadTypeCount = 2;
    FillRows(p.PileData, {{30, 1, 1, 3.1416L, 0.7854L, 0.7854L, 1.5708L}});
    FillRows(p.Pilecoord, {{-3, 0}, {3, 0}});
    FillRows(p.D, {{500, 110, 0.3L, 0.05L, 0.75L}});
    FillRows(p.pilecapsoil, {{2, 300, 105, 0.25L, 0.05L, 0}});
    FillLoading(p.Trandom, {{3, {1.5L, 2.5L, 3.5L}}, {5, {0.5L, 0.25L, 0.125L}}});
    // A first mass of zero means no mass components, whatever the later rows hold.
    FillRows(p.MassCal, {{0, 1, 1, 1, 1, 1, 1}, {7, 1, 1, 1, 1, 1, 1}});
}

inline void MultilayerQuadratic(TProject& p)
{
    p.ChangeUnitSystem(SI);
    TProgramData& d = p.ProgramData();
    DistinctReals(d);
    d.Title = "Multilayer, three layers over one soil row";
    Foundation(p, MultilayerFoundation);
    d.ShapeCircular = RectangularShape;
    d.GeometryWidthY = d.WidthY;
    d.LoadingType = HarmonicLoading;
    d.QuadraticLoading = 1;
    FillRows(p.MultiElement, {{1, 2, 2, 16, 5.3333L, 5.3333L, 0.9L},
                              {1.5L, 2, 2, 16, 5.3333L, 5.3333L, 0.9L},
                              {2, 2.5L, 2.5L, 25, 13.02L, 13.02L, 0.95L}});
    FillRows(p.D, {{180, 18.5L, 0.33L, 0.05L, 0.999995L}});
    FillRows(p.Multisoil, {{220, 19, 0.35L, 0.04L, 0.6L}, {260, 19.5L, 0.38L, 0.03L, 1}});
    FillRows(p.MassCal, {{120, 0, 0, 2, 4, 4, 4.5L}});
}

inline void StratumTransient(TProject& p)
{
    p.ChangeUnitSystem(English);
    TProgramData& d = p.ProgramData();
    DistinctReals(d);
    d.Title = "Stratum, circular, transient";
    d.PileLength = 0; // a pile property: the forms of this foundation do not edit it
    Foundation(p, StratumFoundation);
    d.ShapeCircular = CircularShape;
    d.LoadingType = TransientLoading;
    d.PointCount = 3;
    d.LoadTypeCount = 2;
    d.TimeInterval = 0.01L;
    FillLoading(p.TLoadtype, {{1, {10, 20, 15}}, {6, {-5, 0, 5}}});
    FillRows(p.D1, {{3, 400, 110, 0.3L, 0.05L, 0}, {6, 600, 115, 0.3L, 0.04L, 0}});
}

inline void HalfSpaceWeakZone(TProject& p)
{
    p.ChangeUnitSystem(English);
    TProgramData& d = p.ProgramData();
    DistinctReals(d);
    d.Title = "Half-space with weak zones";
    d.PileLength = 0; // a pile property: the forms of this foundation do not edit it
    Foundation(p, HalfSpaceFoundation);
    d.ShapeCircular = RectangularShape;
    d.GeometryWidthY = d.WidthY;
    d.LoadingType = HarmonicLoading;
    d.QuadraticLoading = 0;
    FillRows(p.D1, {{2, 350, 110, 0.33L, 0.05L, 0.5L}, {3, 450, 112, 0.35L, 0.04L, 0.999999L}});
    FillRows(p.MassCal, {{10, 0, 0, 1, 2, 2, 2}, {2.5L, 0.5L, 0, 2.25L, 0.5L, 0.5L, 0.5L}});
}

inline void HalfSpacePlain(TProject& p)
{
    p.ChangeUnitSystem(SI);
    TProgramData& d = p.ProgramData();
    DistinctReals(d);
    d.Title = "Half-space, no weak zone, no matrix";
    d.PileLength = 0; // a pile property: the forms of this foundation do not edit it
    Foundation(p, HalfSpaceFoundation);
    d.ShapeCircular = CircularShape;
    d.WriteMatrix = 0;
    d.HasWeakZone = false;
    d.LoadingType = HarmonicLoading;
    d.QuadraticLoading = 1;
    FillRows(p.D1, {{1.5L, 150, 18, 0.3L, 0.05L, 0}});
}

struct ProjectCase {
    const char* name; // fixture base name
    std::function<void(TProject&)> build;
    std::vector<const char*> tables; // the input tables the project file carries for this project
    // False when the geometry file draws on a table the project file does not carry (the layers of D1
    // of a stratum), so that it cannot be rebuilt from the project file alone.
    bool geometryCarried = true;
};

inline const std::vector<ProjectCase>& ProjectCases()
{
    static const std::vector<ProjectCase> cases = {
        {"pile_battered", PileBattered, {"PileData", "Pilecoord", "D", "pilecapsoil", "MassCal"}, true},
        {"pile_embedded_random", PileEmbeddedRandom, {"PileData", "Pilecoord", "D", "Trandom"}, true},
        {"multilayer_quadratic", MultilayerQuadratic, {"MultiElement", "D", "Multisoil", "MassCal"}, true},
        {"stratum_transient", StratumTransient, {"TLoadtype"}, false},
        {"halfspace_weak", HalfSpaceWeakZone, {"D1", "MassCal"}, true},
        {"halfspace_plain", HalfSpacePlain, {"D1"}, true},
    };
    return cases;
}

inline TGridTable& TableNamed(TProject& p, const std::string& name)
{
    static const char* const names[] = {"D",          "TLoadtype", "PileData",  "pilecapsoil", "Multisoil", "MultiElement",
                                        "Pilecoord",  "Dtransient", "Trandom",  "Tspectrum",   "D1",        "MassCal"};
    for (std::size_t i = 0; i < TProject::TableCount; ++i)
        if (name == names[i]) return *p.Tables()[i];
    throw std::invalid_argument("no table " + name);
}

} // namespace quavis::test
