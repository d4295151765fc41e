#include "numerics/side_layer.h"

#include "numerics/bessel.h"

#include <cmath>

namespace quavis::numerics {

namespace {

constexpr double kPi = 3.14159265358979323846;
const Complex kI(0.0, 1.0);

// The Hankel functions of a dimensionless frequency a0 (Im a0 <= 0 for a visco-elastic soil) through
// H_n(2)(a0) = (2i/pi) i^n K_n(i a0): one evaluation of exp-scaled K at i a0 serves every function of a0,
// the horizontal one included (its s is i a0). In the upper half-plane the general Hankel functions are used.
struct Waves {
    Complex a0;
    Complex h1OverH0; // H1(2)(a0) / H0(2)(a0)
    BesselPair ks;    // exp(s) K(s), s = i a0; valid when fromK
    bool fromK;
};

BesselPair DirectK(Complex z)
{
    return BesselKScaled(z);
}

template <typename KFunction = BesselPair (*)(Complex)>
Waves WavesAt(Complex a0, KFunction&& kScaled = DirectK)
{
    Waves w;
    w.a0 = a0;
    w.fromK = a0.imag() <= 0.0;
    if (w.fromK) {
        w.ks = kScaled(kI * a0);
        w.h1OverH0 = kI * w.ks.order1 / w.ks.order0;
    } else {
        const BesselPair h = HankelH2Scaled(a0);
        w.h1OverH0 = h.order1 / h.order0;
    }
    return w;
}

Complex VerticalOf(const Waves& w)
{
    return 2.0 * kPi * w.a0 * w.h1OverH0;
}

Complex A0H0OverH1(const Waves& w)
{
    return w.a0 / w.h1OverH0;
}

template <typename KFunction = BesselPair (*)(Complex)>
Complex HorizontalOf(const Waves& w, double poisson, KFunction&& kScaled = DirectK)
{
    const double eta = VelocityRatio(poisson);
    const Complex s = kI * w.a0;
    const Complex q = s / eta;
    // Scaled K: every product below holds one K of q and one of s, so exp(q + s) cancels.
    const BesselPair kq = kScaled(q);
    const BesselPair ks = w.fromK ? w.ks : BesselKScaled(s);
    const Complex num = 4.0 * kq.order1 * ks.order1 + s * kq.order1 * ks.order0 + q * kq.order0 * ks.order1;
    const Complex den = q * kq.order0 * ks.order1 + s * kq.order1 * ks.order0 + q * s * kq.order0 * ks.order0;
    return -kPi * w.a0 * w.a0 * num / den;
}

// Stiffness per unit depth of the massless ring R <= r <= R1 for each motion, rigid at both rims.
Complex RingVertical(Complex gRing, double ratio)
{
    return 2.0 * kPi * gRing / std::log(ratio);
}

Complex RingTorsion(Complex gRing, double radius, double ratio)
{
    return 4.0 * kPi * gRing * radius * radius / (1.0 - 1.0 / (ratio * ratio));
}

// Plane strain, rigid inclusion translated inside a ring whose outer rim translates rigidly.
Complex RingHorizontal(Complex gRing, double poisson, double ratio)
{
    const double m = 3.0 - 4.0 * poisson;
    const double r2 = ratio * ratio;
    return 8.0 * kPi * gRing * (1.0 - poisson) * m / (m * m * std::log(ratio) - (r2 - 1.0) / (r2 + 1.0));
}

// Out-of-plane cos(theta) motion: the ring's static field w = (A r + B / r) cos(theta) matched in
// displacement and shear stress to the outer layer at R1; returns the moment per unit depth and rotation.
Complex RockingWithRing(Complex gRing, Complex gOuter, double radius, double ratio, Complex sOuter)
{
    const Complex s = gOuter * sOuter / (kPi * gRing);
    const Complex m = (1.0 - s) / (1.0 + s);
    const double rho = 1.0 / (ratio * ratio);
    return kPi * radius * radius * gRing * (1.0 - m * rho) / (1.0 + m * rho);
}

Complex Series(Complex inner, Complex outer)
{
    return inner * outer / (inner + outer);
}

} // namespace

Complex SideVertical(Complex a0)
{
    if (a0 == Complex(0.0))
        return 0.0;
    return VerticalOf(WavesAt(a0));
}

Complex SideTorsion(Complex a0)
{
    if (a0 == Complex(0.0))
        return 4.0 * kPi;
    return 2.0 * kPi * (2.0 - A0H0OverH1(WavesAt(a0)));
}

Complex SideRocking(Complex a0)
{
    if (a0 == Complex(0.0))
        return kPi;
    return kPi * (1.0 - A0H0OverH1(WavesAt(a0)));
}

Complex SideHorizontal(Complex a0, double poisson)
{
    if (a0 == Complex(0.0))
        return 0.0;
    return HorizontalOf(WavesAt(a0), poisson);
}

bool HasWeakZone(const SideSoil& soil)
{
    return soil.weakZoneRatio > 0.0 && soil.weakZoneRatio < 0.999999 && soil.weakZoneThicknessRatio > 0.0;
}

namespace {

struct DirectSource {
    BesselPair (*translation)(Complex) = DirectK;
    BesselPair (*slow)(Complex) = DirectK;
    BesselPair (*rockingX)(Complex) = DirectK;
    BesselPair (*rockingY)(Complex) = DirectK;
    BesselPair (*torsion)(Complex) = DirectK;
};

// The side layer's stiffness at omega; k supplies exp-scaled K for each kind of argument (translation, its slow
// wave q, rocking about x and y, torsion).
template <typename KSource>
SideStiffness Stiffness(const SideSoil& soil, const SideRadii& radii, double omega, KSource& k)
{
    const Complex gOuter = soil.shearModulus * HystereticFactor(soil.damping);
    const bool weak = HasWeakZone(soil);
    // The outer layer starts at R1 = (1 + t/R) R behind a weak zone, at R without one.
    const double ratio = weak ? 1.0 + soil.weakZoneThicknessRatio : 1.0;
    const Complex toComplex = ComplexFrequency(1.0, soil.damping); // 1 / sqrt(1 + 2 i beta)
    const auto a0 = [&](double radius) { return (omega * radius * ratio / soil.shearWaveVelocity) * toComplex; };

    // Plane-strain functions of the outer layer; at rest their static limits.
    Complex sw = 0.0, su = 0.0, sRockX = kPi, sRockY = kPi, sTwist = 4.0 * kPi;
    if (omega != 0.0) {
        // One evaluation per distinct radius: a circle has one, a rectangle up to four.
        const Waves translation = WavesAt(a0(radii.translation), k.translation);
        const Waves rockX = radii.rockingX == radii.translation ? translation : WavesAt(a0(radii.rockingX), k.rockingX);
        const Waves rockY = radii.rockingY == radii.rockingX ? rockX : WavesAt(a0(radii.rockingY), k.rockingY);
        const Waves twist = radii.torsion == radii.translation ? translation : WavesAt(a0(radii.torsion), k.torsion);
        sw = VerticalOf(translation);
        su = HorizontalOf(translation, soil.poisson, k.slow);
        sRockX = kPi * (1.0 - A0H0OverH1(rockX));
        sRockY = kPi * (1.0 - A0H0OverH1(rockY));
        sTwist = 2.0 * kPi * (2.0 - A0H0OverH1(twist));
    }

    SideStiffness out;
    if (!weak) {
        out.vertical = gOuter * sw;
        out.horizontal = gOuter * su;
        out.rockingX = gOuter * radii.rockingX * radii.rockingX * sRockX;
        out.rockingY = gOuter * radii.rockingY * radii.rockingY * sRockY;
        out.torsion = gOuter * radii.torsion * radii.torsion * sTwist;
        return out;
    }

    // The weak zone is a massless ring from R to R1 in series with (matched to) the outer layer.
    const Complex gRing = soil.shearModulus * soil.weakZoneRatio * HystereticFactor(soil.weakZoneDamping);
    out.vertical = Series(RingVertical(gRing, ratio), gOuter * sw);
    out.horizontal = Series(RingHorizontal(gRing, soil.poisson, ratio), gOuter * su);
    out.rockingX = RockingWithRing(gRing, gOuter, radii.rockingX, ratio, sRockX);
    out.rockingY = RockingWithRing(gRing, gOuter, radii.rockingY, ratio, sRockY);
    const double outerTorsionRadius = radii.torsion * ratio;
    out.torsion = Series(RingTorsion(gRing, radii.torsion, ratio), gOuter * outerTorsionRadius * outerTorsionRadius * sTwist);
    return out;
}

} // namespace

SideStiffness SideLayerStiffness(const SideSoil& soil, const SideRadii& radii, double omega)
{
    DirectSource direct;
    return Stiffness(soil, radii, omega, direct);
}

SideStiffness SideLayerSweep::At(double omega)
{
    struct Source {
        BesselKScaledSweep &translation, &slow, &rockingX, &rockingY, &torsion;
    } source{m_translation, m_slow, m_rockingX, m_rockingY, m_torsion};
    return Stiffness(m_soil, m_radii, omega, source);
}

} // namespace quavis::numerics
