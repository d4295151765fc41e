#include "numerics/side_layer.h"

#include "numerics/bessel.h"

#include <cmath>

namespace quavis::numerics {

namespace {

constexpr double kPi = 3.14159265358979323846;
const Complex kI(0.0, 1.0);

// a0 H0(a0) / H1(a0), from the scaled functions (the exponential factors cancel).
Complex A0H0OverH1(Complex a0)
{
    const BesselPair h = HankelH2Scaled(a0);
    return a0 * h.order0 / h.order1;
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
    const BesselPair h = HankelH2Scaled(a0);
    return 2.0 * kPi * a0 * h.order1 / h.order0;
}

Complex SideTorsion(Complex a0)
{
    if (a0 == Complex(0.0))
        return 4.0 * kPi;
    return 2.0 * kPi * (2.0 - A0H0OverH1(a0));
}

Complex SideRocking(Complex a0)
{
    if (a0 == Complex(0.0))
        return kPi;
    return kPi * (1.0 - A0H0OverH1(a0));
}

Complex SideHorizontal(Complex a0, double poisson)
{
    if (a0 == Complex(0.0))
        return 0.0;
    const double eta = VelocityRatio(poisson);
    const Complex s = kI * a0;
    const Complex q = s / eta;
    // Scaled K: every product below holds one K of q and one of s, so exp(q + s) cancels.
    const BesselPair kq = BesselKScaled(q);
    const BesselPair ks = BesselKScaled(s);
    const Complex num = 4.0 * kq.order1 * ks.order1 + s * kq.order1 * ks.order0 + q * kq.order0 * ks.order1;
    const Complex den = q * kq.order0 * ks.order1 + s * kq.order1 * ks.order0 + q * s * kq.order0 * ks.order0;
    return -kPi * a0 * a0 * num / den;
}

bool HasWeakZone(const SideSoil& soil)
{
    return soil.weakZoneRatio > 0.0 && soil.weakZoneRatio < 0.999999 && soil.weakZoneThicknessRatio > 0.0;
}

SideStiffness SideLayerStiffness(const SideSoil& soil, const SideRadii& radii, double omega)
{
    const Complex gOuter = soil.shearModulus * HystereticFactor(soil.damping);
    const auto a0 = [&](double radius) { return ComplexFrequency(omega * radius / soil.shearWaveVelocity, soil.damping); };

    SideStiffness k;
    if (!HasWeakZone(soil)) {
        k.vertical = gOuter * SideVertical(a0(radii.translation));
        k.horizontal = gOuter * SideHorizontal(a0(radii.translation), soil.poisson);
        k.rockingX = gOuter * radii.rockingX * radii.rockingX * SideRocking(a0(radii.rockingX));
        k.rockingY = gOuter * radii.rockingY * radii.rockingY * SideRocking(a0(radii.rockingY));
        k.torsion = gOuter * radii.torsion * radii.torsion * SideTorsion(a0(radii.torsion));
        return k;
    }

    // The weak zone is a massless ring from R to R1 = (1 + t/R) R; the outer layer starts at R1.
    const Complex gRing = soil.shearModulus * soil.weakZoneRatio * HystereticFactor(soil.weakZoneDamping);
    const double ratio = 1.0 + soil.weakZoneThicknessRatio;
    const auto outerA0 = [&](double radius) { return a0(radius * ratio); };

    k.vertical = Series(RingVertical(gRing, ratio), gOuter * SideVertical(outerA0(radii.translation)));
    k.horizontal = Series(RingHorizontal(gRing, soil.poisson, ratio),
                          gOuter * SideHorizontal(outerA0(radii.translation), soil.poisson));
    k.rockingX = RockingWithRing(gRing, gOuter, radii.rockingX, ratio, SideRocking(outerA0(radii.rockingX)));
    k.rockingY = RockingWithRing(gRing, gOuter, radii.rockingY, ratio, SideRocking(outerA0(radii.rockingY)));
    const double outerTorsionRadius = radii.torsion * ratio;
    k.torsion = Series(RingTorsion(gRing, radii.torsion, ratio),
                       gOuter * outerTorsionRadius * outerTorsionRadius * SideTorsion(outerA0(radii.torsion)));
    return k;
}

} // namespace quavis::numerics
