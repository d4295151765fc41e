#include "views/soil_profile.h"

#include <algorithm>

#include "components/float_format.h"
#include "components/grid_table.h"
#include "model/project.h"

namespace quavis {

namespace {

// The shortest general form, up to 15 significant digits.
std::string Number(long double value) { return FormatGeneral(value, 15); }

// Label depth of a layer of thickness t ending at b: just below its top.
long double LabelDepth(long double bottom, long double thickness) { return bottom - 0.95L * thickness; }

TProfileLabel LayerLabel(long double depth, long double top, long double bottom, int number, std::string values)
{
    return TProfileLabel{depth, TLabelShift::None, LayerRangeText(top, bottom, number), std::move(values), true};
}

std::string TableSoilValues(const TGridTable& table, int velocityCol, int poissonCol, int row)
{
    return SoilValuesText(table.Cell(velocityCol, row).GetFloat(), table.Cell(poissonCol, row).GetFloat());
}

void PileProfile(const TProject& p, TSoilProfile& out)
{
    // A layer needs its section length and its soil row; the rows of either table beyond the other's
    // have nothing to draw.
    const int layers = std::min(p.D.RowCount(), p.PileData.RowCount());
    long double bottom = 0;
    for (int i = 0; i < layers; ++i) {
        const long double t = p.PileData.Cell(0, i).GetFloat();
        bottom += t;
        out.Lines.push_back(bottom);
        if (i == 0) out.Ground = 0;
        out.Labels.push_back(LayerLabel(LabelDepth(bottom, t), bottom - t, bottom, i + 1, TableSoilValues(p.D, 0, 2, i)));
    }
}

void MultilayerProfile(const TProject& p, TSoilProfile& out)
{
    const int soilRows = p.D.RowCount();
    long double bottom = 0;
    for (int i = 0; i < p.MultiElement.RowCount(); ++i) {
        const long double t = p.MultiElement.Cell(0, i).GetFloat();
        bottom += t;
        out.Lines.push_back(bottom);
        if (i == 0) out.Ground = 0;
        std::string values;
        if (i < soilRows)
            values = TableSoilValues(p.D, 0, 2, i);
        else if (i - soilRows < p.Multisoil.RowCount())
            values = TableSoilValues(p.Multisoil, 0, 2, i - soilRows);
        // A layer without a soil row keeps its depth line alone.
        out.Labels.push_back(LayerLabel(LabelDepth(bottom, t), bottom - t, bottom, i + 1, std::move(values)));
    }
}

void HalfSpaceProfile(const TProject& p, TSoilProfile& out)
{
    const TProgramData& data = p.ProgramData();
    long double total = 0;
    for (int i = 0; i < p.D1.RowCount(); ++i) total += p.D1.Cell(0, i).GetFloat();
    // The side layers end at the footing's base depth; their labels keep the depths as entered.
    const long double shift = data.BaseZ - total;
    long double bottom = 0;
    for (int i = 0; i < p.D1.RowCount(); ++i) {
        const long double t = p.D1.Cell(0, i).GetFloat();
        bottom += t;
        out.Lines.push_back(bottom + shift);
        if (i == 0) out.Ground = shift;
        out.Labels.push_back(
            LayerLabel(LabelDepth(bottom, t) + shift, bottom - t, bottom, i + 1, TableSoilValues(p.D1, 1, 3, i)));
    }
    out.Labels.push_back(TProfileLabel{2 * data.BaseZ, TLabelShift::Up, "Soil below the tip ",
                                       SoilValuesText(data.BelowShearWaveVelocity, data.BelowPoisson), false});
}

void StratumProfile(const TProject& p, TSoilProfile& out)
{
    const TProgramData& data = p.ProgramData();
    const long double ground = 2 * data.BaseZ - data.BaseDepth;
    const long double rock = ground + data.BedrockDepth;
    out.Lines.push_back(rock);
    out.Lines.push_back(ground);
    out.Ground = ground;
    out.Labels.push_back(TProfileLabel{ground, TLabelShift::Down,
                                       "Layer thickness= " + Number(data.BedrockDepth) + "; Layer 1",
                                       SoilValuesText(data.BelowShearWaveVelocity, data.BelowPoisson), true});
    out.Labels.push_back(TProfileLabel{rock, TLabelShift::Down, "Rock Layer ", "", false});
}

} // namespace

std::string LayerRangeText(long double top, long double bottom, int layerNumber)
{
    return "depth= " + Number(top) + " - " + Number(bottom) + "; Layer " + std::to_string(layerNumber);
}

std::string SoilValuesText(long double shearWaveVelocity, long double poisson)
{
    return "Shear Wave Velocity= " + Number(shearWaveVelocity) + "; Poissons Ratio= " + Number(poisson);
}

TSoilProfile BuildSoilProfile(const TProject& project)
{
    TSoilProfile out;
    switch (project.ProgramData().FoundationType) {
    case PileFoundation: PileProfile(project, out); break;
    case MultilayerFoundation: MultilayerProfile(project, out); break;
    case HalfSpaceFoundation: HalfSpaceProfile(project, out); break;
    case StratumFoundation: StratumProfile(project, out); break;
    default: break;
    }
    return out;
}

} // namespace quavis
