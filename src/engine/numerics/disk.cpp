#include "numerics/disk.h"

#include <algorithm>
#include <cmath>

namespace quavis::numerics {

namespace {

constexpr double kPi = 3.14159265358979323846;
const Complex kI(0.0, 1.0);

struct TableRow {
    double poisson;
    double a, b, c, d; // alpha1, beta1, beta2, beta3 or gamma1, gamma2, gamma3, gamma4
};

// Veletsos & Verbic (1973), parameters of their approximate expressions for the elastic half-space, as
// reproduced in Shye & Robinson (1980), Table 4.1. Sway and rocking: alpha1, beta1, beta2, beta3.
const TableRow kSwayRocking[] = {
    {0.0, 0.775, 0.8, 0.525, 0.0},
    {1.0 / 3.0, 0.65, 0.8, 0.5, 0.0},
    {0.45, 0.6, 0.8, 0.45, 0.023},
    {0.5, 0.6, 0.8, 0.4, 0.027},
};
// Vertical: gamma1 to gamma4. No row is published for nu = 0.45: between 1/3 and 1/2 they are interpolated.
const TableRow kVertical[] = {
    {0.0, 0.25, 1.0, 0.0, 0.85},
    {1.0 / 3.0, 0.35, 0.8, 0.0, 0.75},
    {0.5, 0.0, 0.0, 0.17, 0.85},
};

double Lerp(double a, double b, double t)
{
    return a + (b - a) * t;
}

// (b a0)^2 / (1 + (b a0)^2)
Complex Saturation(Complex a0, double b)
{
    const Complex x = b * a0 * b * a0;
    return x / (1.0 + x);
}

} // namespace

BaseSection SectionOf(const FootingGeometry& geometry)
{
    BaseSection s;
    if (geometry.circular) {
        const double r = geometry.radius;
        s.area = kPi * r * r;
        s.inertiaX = s.inertiaY = kPi * r * r * r * r / 4.0;
    } else {
        const double a = geometry.lengthX, b = geometry.widthY;
        s.area = a * b;
        s.inertiaX = a * b * b * b / 12.0;
        s.inertiaY = b * a * a * a / 12.0;
    }
    s.polar = s.inertiaX + s.inertiaY;
    return s;
}

SideRadii EquivalentRadii(const FootingGeometry& geometry)
{
    if (geometry.circular)
        return {geometry.radius, geometry.radius, geometry.radius, geometry.radius};
    const BaseSection s = SectionOf(geometry);
    SideRadii r;
    r.translation = std::sqrt(s.area / kPi);
    r.rockingX = std::pow(4.0 * s.inertiaX / kPi, 0.25);
    r.rockingY = std::pow(4.0 * s.inertiaY / kPi, 0.25);
    r.torsion = std::pow(2.0 * s.polar / kPi, 0.25);
    return r;
}

StaticStiffness DiskStatics(double g, double nu, double r)
{
    StaticStiffness k;
    k.vertical = 4.0 * g * r / (1.0 - nu);
    k.horizontalX = k.horizontalY = 8.0 * g * r / (2.0 - nu);
    k.rockingX = k.rockingY = 8.0 * g * r * r * r / (3.0 * (1.0 - nu));
    k.torsion = 16.0 * g * r * r * r / 3.0;
    return k;
}

StaticStiffness SurfaceStatics(const FootingGeometry& geometry, double g, double nu)
{
    if (geometry.circular)
        return DiskStatics(g, nu, geometry.radius);

    // Gazetas (1991): a rectangle 2L x 2B with L >= B; the x axis of his formulas runs along L.
    const bool longAlongX = geometry.lengthX >= geometry.widthY;
    const double l = std::max(geometry.lengthX, geometry.widthY) / 2.0;
    const double b = std::min(geometry.lengthX, geometry.widthY) / 2.0;
    const BaseSection s = SectionOf(geometry);
    const double inertiaLongAxis = longAlongX ? s.inertiaX : s.inertiaY;  // about the axis along L
    const double inertiaShortAxis = longAlongX ? s.inertiaY : s.inertiaX; // about the axis along B
    const double chi = b / l; // A_b / (4 L^2)

    const double kShort = 2.0 * g * l / (2.0 - nu) * (2.0 + 2.5 * std::pow(chi, 0.85));
    const double kLong = kShort - 0.2 / (0.75 - nu) * g * l * (1.0 - b / l);
    const double kRockLong = g / (1.0 - nu) * std::pow(inertiaLongAxis, 0.75) * std::pow(l / b, 0.25) * (2.4 + 0.5 * b / l);
    const double kRockShort = 3.0 * g / (1.0 - nu) * std::pow(inertiaShortAxis, 0.75) * std::pow(l / b, 0.15);

    StaticStiffness k;
    k.vertical = 2.0 * g * l / (1.0 - nu) * (0.73 + 1.54 * std::pow(chi, 0.75));
    k.horizontalX = longAlongX ? kLong : kShort;
    k.horizontalY = longAlongX ? kShort : kLong;
    k.rockingX = longAlongX ? kRockLong : kRockShort;
    k.rockingY = longAlongX ? kRockShort : kRockLong;
    k.torsion = 3.5 * g * std::pow(s.polar, 0.75) * std::pow(b / l, 0.4) * std::pow(s.polar / (b * b * b * b), 0.2);
    return k;
}

template <std::size_t N>
TableRow Interpolated(const TableRow (&table)[N], double nu)
{
    std::size_t i = 0;
    while (i + 2 < N && nu > table[i + 1].poisson)
        ++i;
    const TableRow& lo = table[i];
    const TableRow& hi = table[i + 1];
    const double t = (nu - lo.poisson) / (hi.poisson - lo.poisson);
    return {nu, Lerp(lo.a, hi.a, t), Lerp(lo.b, hi.b, t), Lerp(lo.c, hi.c, t), Lerp(lo.d, hi.d, t)};
}

VeletsosVerbicParameters VeletsosVerbic(double poisson)
{
    const double nu = std::clamp(poisson, 0.0, 0.5);
    const TableRow s = Interpolated(kSwayRocking, nu);
    const TableRow v = Interpolated(kVertical, nu);
    return {s.a, s.b, s.c, s.d, v.a, v.b, v.c, v.d};
}

Complex DiskHorizontalFunction(Complex a0, double poisson)
{
    return 1.0 + kI * a0 * VeletsosVerbic(poisson).alpha1;
}

Complex DiskVerticalFunction(Complex a0, double poisson)
{
    const VeletsosVerbicParameters p = VeletsosVerbic(poisson);
    const Complex sat = Saturation(a0, p.gamma2);
    const Complex k = 1.0 - p.gamma1 * sat - p.gamma3 * a0 * a0;
    const Complex c = p.gamma4 + p.gamma1 * p.gamma2 * sat;
    return k + kI * a0 * c;
}

double ConeDilatationalRatio(double poisson)
{
    return poisson <= 1.0 / 3.0 ? VelocityRatio(poisson) : 2.0;
}

Complex DiskRockingFunction(Complex a0, double poisson)
{
    const VeletsosVerbicParameters p = VeletsosVerbic(poisson);
    const Complex k = 1.0 - p.beta1 * Saturation(a0, p.beta2) - p.beta3 * a0 * a0;
    // Rotational cone: apex height z0 = (9 pi / 32)(1 - nu)(c / Vs)^2 R, b0 = omega z0 / c.
    const double ratio = ConeDilatationalRatio(poisson);
    const double apex = 9.0 * kPi / 32.0 * (1.0 - poisson) * ratio * ratio;
    const double scale = apex / ratio; // b0 / a0
    const Complex c = scale / 3.0 * Saturation(a0, scale);
    return k + kI * a0 * c;
}

Complex DiskTorsionFunction(Complex a0)
{
    const double scale = 9.0 * kPi / 32.0; // b0 / a0, with c = Vs
    const Complex sat = Saturation(a0, scale);
    return 1.0 - sat / 3.0 + kI * a0 * (scale / 3.0) * sat;
}

} // namespace quavis::numerics
