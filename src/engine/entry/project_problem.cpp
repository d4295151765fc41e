#include "entry/project_problem.h"

#include "components/grid_column.h"
#include "components/grid_table.h"
#include "model/project.h"

namespace quavis::engine {

namespace {

// The project file carries the harmonic frequencies as 6.28 times the entered values; the reader divides
// them back. The analysis runs at the circular frequencies of the file.
constexpr long double kCircular = 6.28L;

double Value(long double v)
{
    return static_cast<double>(v);
}

double CellValue(const TGridTable& table, int col, int row)
{
    return Value(table.Cell(col, row).GetFloat());
}

} // namespace

double GravityOf(int unitSystem)
{
    constexpr double g = 9.81;
    return unitSystem == English ? g / 0.3048 : g;
}

TProjectProblem ProblemOfProject(const TProject& project)
{
    const TProgramData& d = project.ProgramData();
    TProjectProblem out;
    out.UnitSystem = d.UnitSystem == English ? English : SI;
    out.WriteMatrix = d.WriteMatrix > 0;
    out.Title = d.Title;
    out.FoundationKeyword = d.FoundationKeyword;

    const bool halfSpace = d.FoundationKeyword == HalfSpaceKeyword;
    const bool stratum = d.FoundationKeyword == StratumKeyword;
    if (!halfSpace && !stratum) {
        if (d.FoundationKeyword == PileKeyword)
            out.Unsupported = "Pile foundations (\"PILE\") are not yet supported by this engine.";
        else if (d.FoundationKeyword == MultilayerKeyword)
            out.Unsupported = "Multilayer embedded foundations (\"MULTILAYER\") are not yet supported by this engine.";
        else
            out.Unsupported = "The foundation type \"" + d.FoundationKeyword + "\" is unknown to this engine.";
        out.Unsupported += " This engine analyses footings on a half-space (\"HALF-SPACE\") and on a stratum over "
                           "bedrock (\"STRATUM\") under harmonic loading.";
        return out;
    }
    if (d.LoadingType != HarmonicLoading) {
        out.Unsupported = std::string(d.LoadingType == TransientLoading ? "Transient" : d.LoadingType == RandomLoading ? "Random" : "This")
                          + " loading is not yet supported by this engine: it computes the response to harmonic loading only.";
        return out;
    }

    numerics::FootingProblem& p = out.Problem;
    p.foundation = halfSpace ? numerics::FootingFoundation::HalfSpace : numerics::FootingFoundation::Stratum;
    p.gravity = GravityOf(out.UnitSystem);
    p.geometry.circular = d.ShapeCircular != RectangularShape;
    p.geometry.radius = Value(d.Radius);
    p.geometry.lengthX = Value(d.LengthX);
    p.geometry.widthY = Value(d.WidthY);
    p.below = {Value(d.BelowShearWaveVelocity), Value(d.BelowUnitWeight), Value(d.BelowPoisson), Value(d.BelowDamping)};

    if (halfSpace) {
        const TGridTable& layers = project.D1;
        for (int row = 0; row < layers.RowCount(); ++row) {
            numerics::SideLayerInput l;
            l.thickness = CellValue(layers, 0, row);
            l.soil = {CellValue(layers, 1, row), CellValue(layers, 2, row), CellValue(layers, 3, row),
                      CellValue(layers, 4, row)};
            // A project without weak-zone data carries no ratio: no weak zone then.
            l.weakZoneRatio = d.HasWeakZone ? CellValue(layers, 5, row) : 1.0;
            // The file's weak-zone damping is twice the layer's.
            l.weakZoneDamping = 2.0 * l.soil.damping;
            p.sideLayers.push_back(l);
        }
    } else {
        p.baseDepth = Value(d.BaseDepth);
        p.bedrockDepth = Value(d.BedrockDepth);
    }

    p.mass = {Value(d.TotalMass), Value(d.InertiaXX), Value(d.InertiaYY), Value(d.InertiaZZ),
              Value(d.ProductXY), Value(d.ProductXZ), Value(d.ProductYZ)};
    p.baseOffset = {Value(d.BaseX), Value(d.BaseY), Value(d.BaseZ)};
    p.load.force = {Value(d.ForceX), Value(d.ForceY), Value(d.ForceZ)};
    p.load.moment = {Value(d.MomentX), Value(d.MomentY), Value(d.MomentZ)};
    p.load.point = {Value(d.LoadPointX), Value(d.LoadPointY), Value(d.LoadPointZ)};
    p.load.quadratic = d.QuadraticLoading == 1;
    p.frequencies = {Value(d.MinFrequency * kCircular), Value(d.MaxFrequency * kCircular),
                     Value(d.FrequencyStep * kCircular)};
    p.computeResponse = true;
    return out;
}

} // namespace quavis::engine
