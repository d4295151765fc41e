#include "numerics/footing_impedance.h"

#include <cmath>

namespace quavis::numerics {

namespace {

constexpr double kPi = 3.14159265358979323846;

enum Dof { X = 0, Y = 1, Z = 2, RX = 3, RY = 4, RZ = 5 };

std::string BaseMethod(const FootingGeometry& geometry)
{
    if (geometry.circular)
        return "Base: rigid circular footing on a visco-elastic half-space; exact static stiffnesses of the rigid disk.";
    return "Base: rigid rectangular footing on a visco-elastic half-space; static stiffnesses of Gazetas (1991), "
           "frequency functions at the radii of the circles of equal area, second moment and polar moment.";
}

const char* kFrequencyMethod =
    "Frequency dependence: Veletsos & Verbic (1973) for horizontal, vertical and rocking stiffness and for "
    "horizontal and vertical damping (their parameters interpolated linearly in Poisson's ratio between the "
    "tabulated 0, 1/3, 0.45 and 0.5, the vertical ones between 1/3 and 0.5); rocking damping by the rotational "
    "cone model (Wolf 1994), since theirs is too low at small a0; torsion by the rotational cone model (Wolf "
    "1994) in place of Veletsos & Nair (1974), exact in its statics and its high-frequency damping; "
    "material damping by the correspondence principle, G* = G (1 + 2 i beta).";

} // namespace

std::vector<Matrix6c> FootingImpedanceModel::Sweep(const std::vector<double>& omegas) const
{
    std::vector<Matrix6c> out;
    out.reserve(omegas.size());
    for (double omega : omegas)
        out.push_back(At(omega));
    return out;
}

// ---------------------------------------------------------------------------------------------------------
// Half-space

HalfSpaceFootingModel::HalfSpaceFootingModel(const FootingGeometry& geometry, const SoilProperties& below,
                                             const std::vector<SideLayerInput>& sideLayers, double gravity,
                                             double weakZoneThicknessRatio)
    : m_geometry(geometry), m_below(below), m_radii(EquivalentRadii(geometry))
{
    m_statics = SurfaceStatics(geometry, ShearModulus(below, gravity), below.poisson);

    double embedment = 0.0;
    for (const SideLayerInput& layer : sideLayers)
        if (layer.thickness > 0.0)
            embedment += layer.thickness;

    double top = 0.0;
    for (const SideLayerInput& layer : sideLayers) {
        if (!(layer.thickness > 0.0))
            continue;
        const double bottom = top + layer.thickness;
        const double a = embedment - top, b = embedment - bottom; // heights above the base
        Layer l;
        l.thickness = layer.thickness;
        l.lever1 = (a * a - b * b) / 2.0;
        l.lever2 = (a * a * a - b * b * b) / 3.0;
        l.soil.shearModulus = ShearModulus(layer.soil, gravity);
        l.soil.shearWaveVelocity = layer.soil.shearWaveVelocity;
        l.soil.poisson = layer.soil.poisson;
        l.soil.damping = layer.soil.damping;
        l.soil.weakZoneRatio = layer.weakZoneRatio;
        l.soil.weakZoneDamping = layer.weakZoneDamping;
        l.soil.weakZoneThicknessRatio = weakZoneThicknessRatio;
        m_weakZones = m_weakZones || HasWeakZone(l.soil);
        m_layers.push_back(l);
        top = bottom;
    }
}

Matrix6c HalfSpaceFootingModel::BaseAt(double omega) const
{
    Matrix6c k = Matrix6c::Zero();
    const Complex factor = HystereticFactor(m_below.damping);
    const double vs = m_below.shearWaveVelocity, nu = m_below.poisson;
    const auto a0 = [&](double radius) { return ComplexFrequency(omega * radius / vs, m_below.damping); };

    const Complex horizontal = factor * DiskHorizontalFunction(a0(m_radii.translation), nu);
    k(X, X) = m_statics.horizontalX * horizontal;
    k(Y, Y) = m_statics.horizontalY * horizontal;
    k(Z, Z) = m_statics.vertical * factor * DiskVerticalFunction(a0(m_radii.translation), nu);
    k(RX, RX) = m_statics.rockingX * factor * DiskRockingFunction(a0(m_radii.rockingX), nu);
    k(RY, RY) = m_statics.rockingY * factor * DiskRockingFunction(a0(m_radii.rockingY), nu);
    k(RZ, RZ) = m_statics.torsion * factor * DiskTorsionFunction(a0(m_radii.torsion));
    return k;
}

// Side layers: a horizontal reaction at height h above the base also acts on the rotation with lever h.
// With z down, a rotation ry about y moves a point at height h by -h ry in x, a rotation rx by +h rx in y.
void HalfSpaceFootingModel::AddLayer(Matrix6c& k, const Layer& layer, const SideStiffness& s)
{
    k(X, X) += s.horizontal * layer.thickness;
    k(Y, Y) += s.horizontal * layer.thickness;
    k(Z, Z) += s.vertical * layer.thickness;
    k(RX, RX) += s.rockingX * layer.thickness + s.horizontal * layer.lever2;
    k(RY, RY) += s.rockingY * layer.thickness + s.horizontal * layer.lever2;
    k(RZ, RZ) += s.torsion * layer.thickness;
    k(X, RY) -= s.horizontal * layer.lever1;
    k(Y, RX) += s.horizontal * layer.lever1;
    k(RY, X) = k(X, RY);
    k(RX, Y) = k(Y, RX);
}

Matrix6c HalfSpaceFootingModel::At(double omega) const
{
    Matrix6c k = BaseAt(omega);
    for (const Layer& layer : m_layers)
        AddLayer(k, layer, SideLayerStiffness(layer.soil, m_radii, omega));
    return k;
}

std::vector<Matrix6c> HalfSpaceFootingModel::Sweep(const std::vector<double>& omegas) const
{
    std::vector<SideLayerSweep> sweeps;
    sweeps.reserve(m_layers.size());
    for (const Layer& layer : m_layers)
        sweeps.emplace_back(layer.soil, m_radii);
    std::vector<Matrix6c> out;
    out.reserve(omegas.size());
    for (double omega : omegas) {
        Matrix6c k = BaseAt(omega);
        for (std::size_t i = 0; i < m_layers.size(); ++i)
            AddLayer(k, m_layers[i], sweeps[i].At(omega));
        out.push_back(k);
    }
    return out;
}

std::vector<std::string> HalfSpaceFootingModel::Methods() const
{
    std::vector<std::string> out = {BaseMethod(m_geometry), kFrequencyMethod};
    if (!m_layers.empty()) {
        out.push_back("Embedment: side layers by the plane-strain approach of Novak & Beredugo (1972) and Novak & "
                      "Sachs (1973), horizontal side reactions of Novak, Nogami & Aboul-Ella (1978), with the "
                      "coupling of sway and rocking.");
        if (m_weakZones)
            out.push_back("Weak zones: a massless boundary zone of reduced shear modulus around the footing, in "
                          "series with the side layer (Novak & Sheta 1980), of a thickness of " +
                          std::to_string(int(std::lround(m_layers.front().soil.weakZoneThicknessRatio * 100.0))) +
                          " percent of the radius.");
    }
    return out;
}

// ---------------------------------------------------------------------------------------------------------
// Stratum

StaticStiffness StratumStatics(double g, double nu, const SideRadii& radii, double e, double h)
{
    StaticStiffness k;
    const double rt = radii.translation;
    const double kh = 8.0 * g * rt / (2.0 - nu) * (1.0 + rt / (2.0 * h)) * (1.0 + 2.0 * e / (3.0 * rt)) * (1.0 + 5.0 * e / (4.0 * h));
    k.horizontalX = k.horizontalY = kh;
    k.vertical = 4.0 * g * rt / (1.0 - nu) * (1.0 + 1.28 * rt / h) * (1.0 + e / (2.0 * rt)) *
                 (1.0 + (0.85 - 0.28 * e / rt) * (e / h) / (1.0 - e / h));
    const auto rocking = [&](double r) {
        return 8.0 * g * r * r * r / (3.0 * (1.0 - nu)) * (1.0 + r / (6.0 * h)) * (1.0 + 2.0 * e / r) * (1.0 + 0.7 * e / h);
    };
    k.rockingX = rocking(radii.rockingX);
    k.rockingY = rocking(radii.rockingY);
    const double r = radii.torsion;
    k.torsion = 16.0 * g * r * r * r / 3.0 * (1.0 + r / (10.0 * h)) * (1.0 + 2.67 * e / r);
    return k;
}

StratumFootingModel::StratumFootingModel(const FootingGeometry& geometry, const SoilProperties& soil, double baseDepth,
                                         double bedrockDepth, double gravity)
    : m_geometry(geometry), m_soil(soil), m_baseDepth(baseDepth), m_bedrockDepth(bedrockDepth),
      m_radii(EquivalentRadii(geometry))
{
    const double g = ShearModulus(soil, gravity);
    m_statics = StratumStatics(g, soil.poisson, m_radii, baseDepth, bedrockDepth);
    // The embedment's share of the sway stiffness comes from the side walls; taken as spread evenly over the
    // embedded height, it acts at half that height above the base and couples sway with rocking.
    const double surface = StratumStatics(g, soil.poisson, m_radii, 0.0, bedrockDepth).horizontalX;
    m_couplingX = -(baseDepth / 2.0) * (m_statics.horizontalX - surface) / m_statics.horizontalX;
}

double StratumFootingModel::ShearCutoff() const
{
    return 2.0 * kPi * m_soil.shearWaveVelocity / (4.0 * m_bedrockDepth);
}

double StratumFootingModel::DilatationalCutoff() const
{
    return ShearCutoff() * ConeDilatationalRatio(m_soil.poisson);
}

Matrix6c StratumFootingModel::At(double omega) const
{
    const Complex factor = HystereticFactor(m_soil.damping);
    const double vs = m_soil.shearWaveVelocity, nu = m_soil.poisson;
    const bool shearRadiates = omega > ShearCutoff();
    const bool dilatationRadiates = omega > DilatationalCutoff();
    // Elastic functions at the real a0; below a cutoff the stratum cannot radiate that motion's waves.
    const auto shape = [&](Complex f, bool radiates) { return factor * (radiates ? f : Complex(f.real(), 0.0)); };

    const Complex horizontal = shape(DiskHorizontalFunction(omega * m_radii.translation / vs, nu), shearRadiates);
    Matrix6c k = Matrix6c::Zero();
    k(X, X) = m_statics.horizontalX * horizontal;
    k(Y, Y) = m_statics.horizontalY * horizontal;
    k(Z, Z) = m_statics.vertical * shape(DiskVerticalFunction(omega * m_radii.translation / vs, nu), dilatationRadiates);
    k(RX, RX) = m_statics.rockingX * shape(DiskRockingFunction(omega * m_radii.rockingX / vs, nu), dilatationRadiates);
    k(RY, RY) = m_statics.rockingY * shape(DiskRockingFunction(omega * m_radii.rockingY / vs, nu), dilatationRadiates);
    k(RZ, RZ) = m_statics.torsion * shape(DiskTorsionFunction(omega * m_radii.torsion / vs), shearRadiates);
    k(X, RY) = k(RY, X) = m_couplingX * k(X, X);
    k(Y, RX) = k(RX, Y) = -m_couplingX * k(Y, Y);
    return k;
}

std::vector<std::string> StratumFootingModel::Methods() const
{
    std::vector<std::string> out;
    out.push_back(std::string("Base: rigid ") + (m_geometry.circular ? "circular" : "rectangular (equivalent radii)") +
                  " footing on a stratum over rigid rock; static stiffnesses of Kausel (1974) and Elsabee & Morray "
                  "(1977) with embedment.");
    out.push_back("Frequency dependence: the half-space functions of Veletsos & Verbic (1973) and of the cone model "
                  "(Wolf 1994), without radiation damping below the stratum's cutoff frequencies Vs/4H (horizontal, "
                  "torsion) and Vc/4H (vertical, rocking; Vc = Vp up to nu = 1/3, 2 Vs beyond), a step at each "
                  "cutoff rather than the gradual onset of a cone model with echoes from the rock; material damping "
                  "by G* = G (1 + 2 i beta).");
    if (m_baseDepth > 0.0)
        out.push_back("Coupling of sway and rocking: the embedment's share of the sway stiffness acting at half the "
                      "embedded height.");
    return out;
}

} // namespace quavis::numerics
