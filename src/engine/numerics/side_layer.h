#pragma once

#include "numerics/bessel.h"
#include "numerics/soil.h"

namespace quavis::numerics {

// Plane-strain soil reactions per unit depth on a rigid disk of radius R moving in an infinite layer
// (the side-layer approach of Novak and co-workers), as dimensionless functions S(a0), a0 = omega R / Vs,
// for exp(+i omega t). For a visco-elastic layer pass the complex a0* (ComplexFrequency) and multiply by G*.
//   vertical:   k_w   = G S_w(a0),        S_w   = 2 pi a0 H1(a0) / H0(a0)
//   torsion:    k_eta = G R^2 S_eta(a0),  S_eta = 2 pi [2 - a0 H0(a0) / H1(a0)]
//   rocking:    k_psi = G R^2 S_psi(a0),  S_psi = pi [1 - a0 H0(a0) / H1(a0)]  (out-of-plane, cos theta)
//   horizontal: k_u   = G S_u(a0, nu)  (Novak, Nogami and Aboul-Ella 1978)
// H = Hankel functions of the second kind. At a0 = 0 the static limits are returned (0, 4 pi, pi, 0).
Complex SideVertical(Complex a0);
Complex SideTorsion(Complex a0);
Complex SideRocking(Complex a0);
Complex SideHorizontal(Complex a0, double poisson);

// One side layer around a footing: its soil and the massless weak zone around the footing (Novak and
// Sheta 1980). weakZoneRatio is the zone's shear modulus over the layer's; a ratio of 0 or below, or from
// 0.999999 on, means no weak zone (as the project file flags it). weakZoneDamping is the zone's beta.
struct SideSoil {
    double shearModulus = 0.0;
    double shearWaveVelocity = 0.0;
    double poisson = 0.0;
    double damping = 0.0;
    double weakZoneRatio = 1.0;
    double weakZoneDamping = 0.0;
    // Thickness of the weak zone over the radius of the footing.
    double weakZoneThicknessRatio = 0.1;
};

// Radii of the footing seen by each motion: a circle has one; a rectangle its equivalent radii.
struct SideRadii {
    double translation = 0.0;
    double rockingX = 0.0;
    double rockingY = 0.0;
    double torsion = 0.0;
};

// Complex soil stiffness per unit depth of one side layer at circular frequency omega.
struct SideStiffness {
    Complex vertical;
    Complex horizontal;
    Complex rockingX;
    Complex rockingY;
    Complex torsion;
};

bool HasWeakZone(const SideSoil& soil);

SideStiffness SideLayerStiffness(const SideSoil& soil, const SideRadii& radii, double omega);

// The same at a sequence of frequencies, such as an analysis sweeps: the Bessel functions of neighbouring
// frequencies come from a Taylor expansion about a directly evaluated one (BesselKScaledSweep), several times
// faster and equal to SideLayerStiffness within rounding.
class SideLayerSweep {
public:
    SideLayerSweep(const SideSoil& soil, const SideRadii& radii) : m_soil(soil), m_radii(radii) {}
    SideStiffness At(double omega);

private:
    SideSoil m_soil;
    SideRadii m_radii;
    BesselKScaledSweep m_translation, m_slow, m_rockingX, m_rockingY, m_torsion;
};

} // namespace quavis::numerics
