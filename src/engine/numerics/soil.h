#pragma once

#include <complex>

namespace quavis::numerics {

using Complex = std::complex<double>;

// One homogeneous, visco-elastic soil: shear wave velocity, unit weight (weight per volume), Poisson's ratio
// and material damping ratio beta, in one consistent unit system.
struct SoilProperties {
    double shearWaveVelocity = 0.0;
    double unitWeight = 0.0;
    double poisson = 0.0;
    double damping = 0.0;
};

// rho = unit weight / g.
inline double Density(const SoilProperties& soil, double gravity)
{
    return soil.unitWeight / gravity;
}

// G = rho Vs^2.
inline double ShearModulus(const SoilProperties& soil, double gravity)
{
    return Density(soil, gravity) * soil.shearWaveVelocity * soil.shearWaveVelocity;
}

// Vp / Vs of an elastic solid; nu < 0.5.
double VelocityRatio(double poisson);

// The correspondence principle: G* = G (1 + 2 i beta).
inline Complex HystereticFactor(double damping)
{
    return Complex(1.0, 2.0 * damping);
}

// Dimensionless frequency of the visco-elastic soil, a0* = omega R / Vs* with Vs* = Vs sqrt(1 + 2 i beta).
Complex ComplexFrequency(double a0, double damping);

} // namespace quavis::numerics
