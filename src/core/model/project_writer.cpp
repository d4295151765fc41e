#include "model/project_writer.h"

#include "components/decimal_text.h"
#include "components/errors.h"
#include "components/float_format.h"
#include "components/grid_table.h"
#include "model/file_replacer.h"
#include "model/file_text.h"
#include "model/geometry_file.h"
#include "model/project.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <string_view>

namespace quavis {

namespace {

using namespace file_text;

// A cell's value as the file gives it to a reader: its text read back. Values derived from a cell and
// tests on a cell are made on this value, so that reading the file and saving it again gives the same
// derived values (a damping of 1/3 is written 0.33333333, and its weak-zone damping 0.66666666).
long double WrittenValue(const TGridTable& table, int col, int row)
{
    long double value = 0;
    if (ParseDecimalText(CellText(table, col, row), value) != DecimalTextResult::Ok) return CellFloat(table, col, row);
    return value;
}

// The weak-zone values derived from a soil row: damping of the weak zone, and the flag that says a
// weak zone is present (a ratio of practically 1 means no reduction).
std::string WeakZoneDamping(long double damping) { return G8(2 * damping); }
std::string WeakZoneFlag(long double ratio, long double noReductionAbove) { return ratio > noReductionAbove ? "0" : "1"; }

constexpr long double SoilNoReduction = 0.999999L;
constexpr long double MultilayerNoReduction = 0.99999L;

// One row of D (pile and multilayer): i c1 c2 c3 c4 c5 c3 w f.
void SoilPropertiesRow(TLines& out, const TGridTable& d, int row, long double noReductionAbove)
{
    out.Values(false, Int(row + 1), CellText(d, 0, row), CellText(d, 1, row), CellText(d, 2, row),
               CellText(d, 3, row), CellText(d, 4, row), CellText(d, 2, row), WeakZoneDamping(WrittenValue(d, 3, row)),
               WeakZoneFlag(WrittenValue(d, 4, row), noReductionAbove));
}

// One row of a layer table with thickness first (D1, pilecapsoil), with weak-zone data:
// i c1 c2 c3 c4 c5 c6 c4 w f.
void LayerRowWithWeakZone(TLines& out, const TGridTable& t, int row)
{
    out.Values(false, Int(row + 1), CellText(t, 0, row), CellText(t, 1, row), CellText(t, 2, row),
               CellText(t, 3, row), CellText(t, 4, row), CellText(t, 5, row), CellText(t, 3, row),
               WeakZoneDamping(WrittenValue(t, 4, row)), WeakZoneFlag(WrittenValue(t, 5, row), SoilNoReduction));
}

// The same without weak-zone data: i c1 c2 c3 c4 c5.
void LayerRow(TLines& out, const TGridTable& t, int row)
{
    out.Values(false, Int(row + 1), CellText(t, 0, row), CellText(t, 1, row), CellText(t, 2, row),
               CellText(t, 3, row), CellText(t, 4, row));
}

// The values of a loading row's sub-table, one per line; rows beyond the sub-table are written as zeros
// (only possible for a row without a sub-table, see NormaliseLoadPoints).
void SubTableValues(TLines& out, const TGridTable& loading, int row, int count)
{
    const TGridTable* sub = loading.Cell(1, row).GetTable();
    for (int i = 0; i < count; ++i) {
        if (sub != nullptr && i < sub->RowCount())
            out.Values(true, CellText(*sub, 0, i));
        else
            out.Values(true, std::string("0"));
    }
}

void PileSection(TLines& out, TProject& project)
{
    const TProgramData& d = project.ProgramData();
    const TGridTable& coords = project.Pilecoord;
    out.Line("LAYERS=" + Int(project.PileData.RowCount()));
    out.Line((d.PileHeadFixed == FixedPileHead ? "FIXED=" : "PINNED=") + Int(coords.RowCount()));
    for (int row = 0; row < coords.RowCount(); ++row)
        out.Values(true, Int(row + 1), CellText(coords, 0, row), CellText(coords, 1, row));
}

// The plane word of a battered pile; empty for a plane that is neither item (the line stays a line).
const char* BatterPlane(int item)
{
    if (item == 1) return "XZ  ";
    if (item == 2) return "YZ  ";
    return "";
}

void BatteredBlock(TLines& out, TProject& project)
{
    if (!project.DetectBatteredPiles()) return;
    const TGridTable& coords = project.Pilecoord;
    out.Line("BATTERED");
    for (int row = 0; row < coords.RowCount(); ++row) {
        out.Line(Int(row + 1) + " " + BatterPlane(coords.Cell(3, row).GetInteger()));
        out.Values(true, CellText(coords, 2, row));
    }
}

void HalfSpaceSoil(TLines& out, TProject& project)
{
    const TGridTable& d1 = project.D1;
    const bool weak = project.DetectWeakZone();
    if (weak) out.Line("WEAK ");
    out.Line("CONSTANTS=" + Int(d1.RowCount()));
    for (int row = 0; row < d1.RowCount(); ++row) {
        if (weak)
            LayerRowWithWeakZone(out, d1, row);
        else
            LayerRow(out, d1, row);
    }
}

void MultilayerSoil(TLines& out, TProject& project)
{
    const TGridTable& d = project.D;
    const TGridTable& soil = project.Multisoil;
    for (int row = 0; row < d.RowCount(); ++row) SoilPropertiesRow(out, d, row, MultilayerNoReduction);
    // One soil row for each foundation layer beyond the rows of D. Multisoil follows the layer count
    // only when the Data menu resizes it; a row it does not hold yet is written as a default row.
    const int extra = project.MultiElement.RowCount() - d.RowCount();
    for (int j = 0; j < extra; ++j) {
        std::string line = Int(j + 1 + d.RowCount());
        for (int col = 0; col < 5; ++col) line += ' ' + (j < soil.RowCount() ? CellText(soil, col, j) : "0");
        out.Line(line);
    }
}

void SideCapBlock(TLines& out, TProject& project)
{
    const TGridTable& cap = project.pilecapsoil;
    const int rows = cap.RowCount();
    if (rows == 0) return;
    if (project.DetectSideCapWeakZone()) {
        out.Line("SIDE-CAP");
        out.Line("EMBEDDED");
        out.Values(true, Int(rows));
        for (int row = 0; row < rows; ++row) LayerRowWithWeakZone(out, cap, row);
    } else if (WrittenValue(cap, 1, rows - 1) > 1e-5L) {
        out.Line("EMBEDDED");
        out.Values(true, Int(rows));
        for (int row = 0; row < rows; ++row) LayerRow(out, cap, row);
    }
}

void HarmonicBlock(TLines& out, const TProgramData& d)
{
    out.Line(d.QuadraticLoading == 1 ? "QUADRATIC " : "NONQUADRATIC ");
    // Circular frequencies, with the factor the engine has always been given.
    constexpr long double Circular = 6.28L;
    out.Values(true, G8(d.MaxFrequency * Circular), G8(d.MinFrequency * Circular), G8(d.FrequencyStep * Circular));
    out.Values(true, G8(d.ForceX), G8(d.ForceY), G8(d.ForceZ));
    out.Values(true, G8(d.MomentX), G8(d.MomentY), G8(d.MomentZ));
    out.Values(true, G8(d.LoadPointX), G8(d.LoadPointY), G8(d.LoadPointZ));
}

void TransientBlock(TLines& out, TProject& project)
{
    const int points = NormaliseLoadPoints(project);
    const TProgramData& d = project.ProgramData();
    const TGridTable& loads = project.TLoadtype;
    out.Values(true, Int(d.PointCount));
    out.Values(true, G8(d.TimeInterval));
    out.Values(true, Int(loads.RowCount()));
    for (int row = 0; row < loads.RowCount(); ++row) {
        out.Values(true, CellText(loads, 0, row));
        SubTableValues(out, loads, row, points);
    }
}

void RandomBlock(TLines& out, TProject& project)
{
    const int points = NormaliseLoadPoints(project);
    const TProgramData& d = project.ProgramData();
    const TGridTable& spectra = project.Trandom;
    out.Values(true, G8(d.RandomMaxFrequency));
    out.Values(true, G8(d.RandomMinFrequency));
    out.Values(true, Int(d.PointCount));
    out.Values(true, G8(d.ObservationPeriod));
    out.Values(true, Int(spectra.RowCount()));
    for (int row = 0; row < spectra.RowCount(); ++row) {
        out.Values(false, CellText(spectra, 0, row), CellText(spectra, 0, row));
        SubTableValues(out, spectra, row, points);
    }
}

void MassBlock(TLines& out, TProject& project)
{
    TProgramData& d = project.ProgramData();
    const TGridTable& mass = project.MassCal;
    d.MassComponentCount = mass.RowCount();
    if (mass.RowCount() == 0 || CellFloat(mass, 0, 0) < 1e-8L) d.MassComponentCount = 0;
    out.Line(Int(d.MassComponentCount));
    if (d.MassComponentCount > 0) {
        for (int row = 0; row < mass.RowCount(); ++row) {
            std::string line;
            for (int col = 0; col < 7; ++col) line += CellText(mass, col, row) + ' ';
            out.Line(line);
        }
    }
    out.Values(true, FormatE23(d.CgLocalX), FormatE23(d.CgLocalY), FormatE23(d.CgLocalZ));
    out.Values(true, FormatE23(d.CbLocalX), FormatE23(d.CbLocalY), FormatE23(d.CbLocalZ));
    out.Values(true, FormatE23(d.CbGlobalX), FormatE23(d.CbGlobalY), FormatE23(d.CbGlobalZ));
}

} // namespace

int NormaliseLoadPoints(TProject& project)
{
    TProgramData& d = project.ProgramData();
    TGridTable* loading = d.LoadingType == TransientLoading ? &project.TLoadtype
                          : d.LoadingType == RandomLoading  ? &project.Trandom
                                                            : nullptr;
    if (loading == nullptr) return 0;
    int points = std::max(d.PointCount, 0);
    for (int row = 0; row < loading->RowCount(); ++row) {
        if (const TGridTable* sub = loading->Cell(1, row).GetTable()) points = std::max(points, sub->RowCount());
    }
    d.PointCount = points;
    for (int row = 0; row < loading->RowCount(); ++row) {
        if (TGridTable* sub = loading->Cell(1, row).GetTable()) sub->SetRowCount(points);
    }
    return points;
}

std::string ComposeProjectFile(TProject& project)
{
    TProgramData& d = project.ProgramData();
    const std::string& k = d.FoundationKeyword;
    const bool pile = k == PileKeyword;
    const bool multilayer = k == MultilayerKeyword;
    const bool halfSpace = k == HalfSpaceKeyword;
    const bool stratum = k == StratumKeyword;

    TLines out;
    out.Line("TITLE=" + d.Title);
    if (d.WriteMatrix == 1) out.Line("MATRIX");
    out.Line(d.UnitSystem == English ? "GRAVITY=32.2" : "GRAVITY=9.8");
    out.Line("FOUNDATION=" + k);
    if (d.ShapeCircular == RectangularShape)
        out.Line("RECTANGULAR=" + G8(d.LengthX) + "," + G8(d.WidthY));
    else
        out.Line("CIRCULAR=" + G8(d.Radius));
    out.Line("MASS ");
    out.Values(false, G8(d.TotalMass), G8(d.InertiaXX), G8(d.InertiaYY), G8(d.InertiaZZ), G8(d.ProductXY),
               G8(d.ProductXZ), G8(d.ProductYZ));
    if (pile) PileSection(out, project);
    if (multilayer) out.Line("LAYER=" + Int(project.MultiElement.RowCount()));
    out.Line("CONSTANTS ");
    if (halfSpace) out.Values(true, G8(d.BaseX), G8(d.BaseY), G8(d.BaseZ));
    if (stratum) out.Values(true, G8(d.BaseX), G8(d.BaseY), G8(d.BaseZ), G8(d.BaseDepth), G8(d.BedrockDepth));
    if (pile || multilayer) {
        out.Values(false, G8(d.BaseX), G8(d.BaseY), G8(d.BaseZ), G8(d.PileLength), G8(d.PileUnitWeight));
        out.Values(false, G8(d.StaticLoad), G8(d.PilePoisson), G8(d.PileDamping), G8(d.ShearRigidityCoefficient),
                   G8(d.PileElasticModulus));
    }
    if (multilayer) {
        out.Line("ELEMENT");
        for (int row = 0; row < project.MultiElement.RowCount(); ++row) ElementRow(out, project.MultiElement, row);
    }
    if (pile) {
        out.Line("ELEMENT");
        for (int row = 0; row < project.PileData.RowCount(); ++row) ElementRow(out, project.PileData, row);
        out.Line(d.EndBearing == FloatingPiles ? "FLOATING" : "END-BEARING");
        BatteredBlock(out, project);
        if (d.PileInteraction == 1) out.Line("INTERACTION ");
    }
    out.Line("SOIL ");
    if (stratum) out.Line("CONSTANTS ");
    if (multilayer) {
        if (project.D.RowCount() >= 1) out.Line("WEAK ");
        out.Line("CONSTANTS=" + Int(project.D.RowCount()));
    }
    if (halfSpace) HalfSpaceSoil(out, project);
    if (pile) {
        out.Line("WEAK");
        out.Line("CONSTANTS");
        // One soil row per pile layer, as the file is read back: a layer without a soil row yet gets a
        // default row, and soil rows beyond the layers have no place in the file.
        for (int row = 0; row < project.PileData.RowCount(); ++row) {
            if (row < project.D.RowCount())
                SoilPropertiesRow(out, project.D, row, SoilNoReduction);
            else
                out.Line(Int(row + 1) + " 0 0 0 0 0 0 0 1");
        }
    }
    if (multilayer) MultilayerSoil(out, project);
    if (stratum)
        out.Values(false, G8(d.BelowShearWaveVelocity), G8(d.BelowUnitWeight), G8(d.BelowPoisson), G8(d.BelowDamping));
    else
        out.Line("BELOW=" + G8(d.BelowShearWaveVelocity) + " " + G8(d.BelowUnitWeight) + " " + G8(d.BelowPoisson) +
                 " " + G8(d.BelowDamping));
    if (pile) SideCapBlock(out, project);
    out.Line("LOAD ");
    out.Line(d.LoadingType == TransientLoading ? "TRANSIENT " : d.LoadingType == RandomLoading ? "RANDOM " : "HARMONIC ");
    out.Line("CONSTANTS ");
    if (d.LoadingType == TransientLoading)
        TransientBlock(out, project);
    else if (d.LoadingType == RandomLoading)
        RandomBlock(out, project);
    else
        HarmonicBlock(out, d);
    out.Line("RUN ");
    MassBlock(out, project);
    return out.Take();
}

void TProject::Save()
{
    TProgramData& d = ProgramData();
    const std::string projectText = ComposeProjectFile(*this);

    // The geometry file's effects on the model belong to a save that took place.
    const std::string oldGeometryFileName = d.GeometryFileName;
    const long double oldEmbedment = d.EmbedmentDepth;
    const long double oldPileLength = d.PileLength;
    try {
        d.GeometryFileName = GeometryFileNameOf(d.FileName);
        const std::string geometryText = ComposeGeometryFile(*this);
        if (std::filesystem::path(d.GeometryFileName).lexically_normal() ==
            std::filesystem::path(d.FileName).lexically_normal())
            // The geometry file would overwrite the project it was written for.
            throw EInOutError("A project file cannot have the extension of its geometry file (.vqt)");
        ReplaceFiles({{d.FileName, projectText}, {d.GeometryFileName, geometryText}});
    } catch (...) {
        d.GeometryFileName = oldGeometryFileName;
        d.EmbedmentDepth = oldEmbedment;
        d.PileLength = oldPileLength;
        throw;
    }
    SetModified(false);
}

} // namespace quavis
