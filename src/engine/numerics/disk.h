#pragma once

#include "numerics/side_layer.h"
#include "numerics/soil.h"

namespace quavis::numerics {

// Plan of a rigid footing: a circle of the radius, or a rectangle of LengthX (along x) by WidthY (along y).
struct FootingGeometry {
    bool circular = true;
    double radius = 0.0;
    double lengthX = 0.0;
    double widthY = 0.0;
};

// Stiffness of each motion about the base centre; rocking about x resists a rotation about the x axis.
struct StaticStiffness {
    double horizontalX = 0.0;
    double horizontalY = 0.0;
    double vertical = 0.0;
    double rockingX = 0.0;
    double rockingY = 0.0;
    double torsion = 0.0;
};

// Area, second moments about x and y and polar moment of the base.
struct BaseSection {
    double area = 0.0;
    double inertiaX = 0.0;
    double inertiaY = 0.0;
    double polar = 0.0;
};

BaseSection SectionOf(const FootingGeometry& geometry);

// Radii of the circles of equal area (translation), equal second moment (rocking) and equal polar moment
// (torsion); a circle's own radius for a circle.
SideRadii EquivalentRadii(const FootingGeometry& geometry);

// Exact static stiffnesses of a rigid disk on an elastic half-space:
// Kv = 4GR/(1-nu), Kh = 8GR/(2-nu), Kr = 8GR^3/(3(1-nu)), Kt = 16GR^3/3.
StaticStiffness DiskStatics(double shearModulus, double poisson, double radius);

// Surface footing statics: the exact disk for a circle; for a rectangle 2L x 2B the formulas of Gazetas
// (1991), which follow the rigorous solutions of rectangles much closer than equivalent circles do for
// elongated plans.
StaticStiffness SurfaceStatics(const FootingGeometry& geometry, double shearModulus, double poisson);

// Parameters of the approximate impedance functions of Veletsos & Verbic (1973) for a rigid disk on a
// half-space, tabulated for nu = 0, 1/3, 0.45, 0.5 (the vertical ones for 0, 1/3, 0.5) and interpolated
// linearly in between:
//   horizontal: k = 1,                                           c = alpha1
//   rocking:    k = 1 - beta1 (beta2 a0)^2 / (1 + (beta2 a0)^2) - beta3 a0^2
//   vertical:   k = 1 - gamma1 (gamma2 a0)^2 / (1 + (gamma2 a0)^2) - gamma3 a0^2,
//               c = gamma4 + gamma1 gamma2 (gamma2 a0)^2 / (1 + (gamma2 a0)^2)
struct VeletsosVerbicParameters {
    double alpha1, beta1, beta2, beta3, gamma1, gamma2, gamma3, gamma4;
};

VeletsosVerbicParameters VeletsosVerbic(double poisson);

// Dimensionless impedance functions of the rigid disk, K(a0) / K_static = k(a0) + i a0 c(a0). With a complex
// a0* (ComplexFrequency) and the factor 1 + 2 i beta they give the visco-elastic impedance.
Complex DiskHorizontalFunction(Complex a0, double poisson);
Complex DiskVerticalFunction(Complex a0, double poisson);
// Veletsos & Verbic's rocking stiffness with the rocking damping of the rotational cone (Wolf 1994): their
// rocking damping grows from zero far too slowly at small a0, the cone's follows the rigorous solution there
// and tends to the same high-frequency limit (3 pi / 32)(1 - nu) Vp / Vs.
Complex DiskRockingFunction(Complex a0, double poisson);
// Torsion by the rotational cone (Wolf 1994) with the apex ratio z0/R = 9 pi / 32 of a disk: exact statics and
// the exact high-frequency damping 3 pi / 32, as in the rigorous solution of Veletsos & Nair (1974).
Complex DiskTorsionFunction(Complex a0);

// Wave velocity over Vs of the cone model for vertical and rocking motion: Vp up to nu = 1/3, 2 Vs beyond,
// where the nearly incompressible soil under the footing moves with it instead of radiating.
double ConeDilatationalRatio(double poisson);

} // namespace quavis::numerics
