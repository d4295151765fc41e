#include "numerics/footing_analysis.h"

#include <cmath>

namespace quavis::numerics {

namespace {

bool Finite(double v)
{
    return std::isfinite(v);
}

// Poisson's ratios from 0.5 on make Vp infinite; the nearest value the methods can take.
constexpr double kMaxPoisson = 0.499;

void CheckPositive(double value, const std::string& what, Diagnostics& d)
{
    if (!Finite(value))
        d.Error("The " + what + " is not a number.");
    else if (!(value > 0.0))
        d.Error("The " + what + " is " + FormatNumber(value) + ": it must be greater than 0.");
}

void CheckNotNegative(double value, const std::string& what, Diagnostics& d)
{
    if (!Finite(value))
        d.Error("The " + what + " is not a number.");
    else if (value < 0.0)
        d.Error("The " + what + " is " + FormatNumber(value) + ": it must not be negative.");
}

void CheckFinite(double value, const std::string& what, Diagnostics& d)
{
    if (!Finite(value))
        d.Error("The " + what + " is not a number.");
}

void CheckSoil(SoilProperties& soil, const std::string& name, Diagnostics& d)
{
    CheckPositive(soil.shearWaveVelocity, "shear wave velocity of " + name, d);
    CheckPositive(soil.unitWeight, "unit weight of " + name, d);
    CheckNotNegative(soil.damping, "material damping of " + name, d);
    if (!Finite(soil.poisson)) {
        d.Error("Poisson's ratio of " + name + " is not a number.");
    } else if (soil.poisson >= 0.5) {
        d.Warning("Poisson's ratio of " + name + " is " + FormatNumber(soil.poisson) +
                  ": the impedances and the radiation damping are computed at nu = 0.499.");
        soil.poisson = kMaxPoisson;
    } else if (soil.poisson < 0.0) {
        d.Warning("Poisson's ratio of " + name + " is " + FormatNumber(soil.poisson) +
                  ": it is taken as 0, the lowest value the methods cover.");
        soil.poisson = 0.0;
    }
}

void CheckGeometry(const FootingGeometry& g, Diagnostics& d)
{
    if (g.circular) {
        CheckPositive(g.radius, "radius of the footing", d);
    } else {
        CheckPositive(g.lengthX, "length (x) of the footing", d);
        CheckPositive(g.widthY, "width (y) of the footing", d);
    }
}

void CheckMass(const RigidBodyMass& m, Diagnostics& d)
{
    CheckPositive(m.mass, "total mass of the footing", d);
    const struct {
        double value;
        const char* axis;
    } inertias[] = {{m.inertiaXX, "X"}, {m.inertiaYY, "Y"}, {m.inertiaZZ, "Z"}};
    for (const auto& i : inertias) {
        const std::string what = std::string("mass moment of inertia about the ") + i.axis + " axis";
        if (!Finite(i.value) || i.value < 0.0)
            CheckNotNegative(i.value, what, d);
        else if (i.value == 0.0)
            d.Warning("The " + what + " is 0: the rotation about that axis is computed without inertia.");
    }
    CheckFinite(m.productXY, "mass product of inertia XY", d);
    CheckFinite(m.productXZ, "mass product of inertia XZ", d);
    CheckFinite(m.productYZ, "mass product of inertia YZ", d);
}

void CheckVector(const Vector3& v, const std::string& what, Diagnostics& d)
{
    if (!Finite(v.x) || !Finite(v.y) || !Finite(v.z))
        d.Error("The " + what + " holds a value that is not a number.");
}

bool AllFinite(const Matrix6c& m)
{
    for (int i = 0; i < 36; ++i)
        if (!std::isfinite(m(i).real()) || !std::isfinite(m(i).imag()))
            return false;
    return true;
}

bool AllFinite(const StaticStiffness& k)
{
    return Finite(k.horizontalX) && Finite(k.horizontalY) && Finite(k.vertical) && Finite(k.rockingX) &&
           Finite(k.rockingY) && Finite(k.torsion);
}

} // namespace

FootingProblem ValidateFootingProblem(const FootingProblem& problem, Diagnostics& d)
{
    FootingProblem v = problem;
    CheckPositive(v.gravity, "acceleration of gravity", d);
    CheckGeometry(v.geometry, d);

    if (v.foundation == FootingFoundation::HalfSpace) {
        CheckSoil(v.below, "the soil below the footing", d);
        if (!Finite(v.weakZoneThicknessRatio) || v.weakZoneThicknessRatio <= 0.0)
            CheckPositive(v.weakZoneThicknessRatio, "thickness ratio of the weak zones", d);
        for (std::size_t i = 0; i < v.sideLayers.size(); ++i) {
            SideLayerInput& layer = v.sideLayers[i];
            const std::string name = "soil layer " + std::to_string(i + 1);
            CheckNotNegative(layer.thickness, "thickness of " + name, d);
            if (!(layer.thickness > 0.0))
                continue; // a layer of no thickness takes no part
            CheckSoil(layer.soil, name, d);
            CheckNotNegative(layer.weakZoneDamping, "weak zone damping of " + name, d);
            const double r = layer.weakZoneRatio;
            if (!Finite(r)) {
                d.Error("The weak zone shear modulus ratio of " + name + " is not a number.");
            } else if (r <= 0.0) {
                d.Warning("The weak zone shear modulus ratio of " + name + " is " + FormatNumber(r) +
                          ": no weak zone is taken for this layer.");
                layer.weakZoneRatio = 1.0;
            } else if (r > 1.000001) {
                d.Warning("The weak zone shear modulus ratio of " + name + " is " + FormatNumber(r) +
                          ": a weak zone cannot be stiffer than its layer, no weak zone is taken for this layer.");
                layer.weakZoneRatio = 1.0;
            }
        }
    } else {
        CheckSoil(v.below, "the stratum", d);
        CheckNotNegative(v.baseDepth, "depth of the footing base", d);
        CheckPositive(v.bedrockDepth, "depth to bedrock", d);
        if (Finite(v.baseDepth) && Finite(v.bedrockDepth) && v.bedrockDepth > 0.0 && v.baseDepth >= 0.0 &&
            !(v.bedrockDepth > v.baseDepth))
            d.Error("The depth to bedrock (" + FormatNumber(v.bedrockDepth) +
                    ") must be greater than the depth of the footing base (" + FormatNumber(v.baseDepth) + ").");
    }

    if (v.computeResponse) {
        CheckMass(v.mass, d);
        CheckVector(v.baseOffset, "position of the base centre", d);
        CheckVector(v.load.force, "harmonic force", d);
        CheckVector(v.load.moment, "harmonic moment", d);
        CheckVector(v.load.point, "point of application of the load", d);
    }
    return v;
}

std::unique_ptr<FootingImpedanceModel> MakeImpedanceModel(const FootingProblem& v)
{
    if (v.foundation == FootingFoundation::Stratum)
        return std::make_unique<StratumFootingModel>(v.geometry, v.below, v.baseDepth, v.bedrockDepth, v.gravity);
    return std::make_unique<HalfSpaceFootingModel>(v.geometry, v.below, v.sideLayers, v.gravity,
                                                   v.weakZoneThicknessRatio);
}

FootingResult RunFootingAnalysis(const FootingProblem& problem)
{
    FootingResult result;
    Diagnostics& d = result.diagnostics;
    const FootingProblem v = ValidateFootingProblem(problem, d);
    const std::vector<double> omegas = HarmonicFrequencies(v.frequencies, d);
    if (d.HasErrors())
        return result;

    const std::unique_ptr<FootingImpedanceModel> model = MakeImpedanceModel(v);
    result.statics = model->Statics();
    result.methods = model->Methods();
    if (!AllFinite(result.statics)) {
        d.Error("The static stiffnesses of the footing could not be computed from these soil properties.");
        return result;
    }
    if (v.computeResponse)
        result.methods.push_back("Response: rigid footing with its mass and inertias at the centre of gravity, "
                                 "impedances moved from the base centre to the centre of gravity, the complex "
                                 "6 x 6 equations of motion solved at every frequency.");

    const Matrix6d mass = MassMatrix(v.mass);
    result.omegas.reserve(omegas.size());
    result.impedances.reserve(omegas.size());
    if (v.computeResponse)
        result.amplitudes.reserve(omegas.size());
    const std::vector<Matrix6c> impedances = model->Sweep(omegas);
    for (std::size_t n = 0; n < omegas.size(); ++n) {
        const double omega = omegas[n];
        const Matrix6c& k = impedances[n];
        if (!AllFinite(k)) {
            d.Error("The impedances could not be computed at " + FormatNumber(omega) + " rad/s.");
            break;
        }
        if (v.computeResponse) {
            Vector6c q;
            const Matrix6c kCg = ImpedanceAtCentreOfGravity(k, v.baseOffset);
            if (!SolveHarmonic(kCg, mass, LoadAtCentreOfGravity(v.load, omega), omega, q)) {
                d.Error("The equations of motion cannot be solved at " + FormatNumber(omega) +
                        " rad/s: the system of footing and soil is singular there.");
                break;
            }
            result.amplitudes.push_back(q);
        }
        result.omegas.push_back(omega);
        result.impedances.push_back(k);
    }
    if (d.HasErrors()) {
        result.omegas.clear();
        result.impedances.clear();
        result.amplitudes.clear();
    }
    return result;
}

} // namespace quavis::numerics
