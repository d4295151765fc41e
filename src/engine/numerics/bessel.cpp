#include "numerics/bessel.h"

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>

namespace quavis::numerics {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kEulerGamma = 0.57721566490153286061;
constexpr double kEps = 1e-17;
const Complex kI(0.0, 1.0);

// Below this modulus the power series are used: their terms fall off like 1/(k!)^2 and the largest term
// is never far above the sum, so nothing cancels badly.
constexpr double kSeriesRadius = 2.0;
// From this modulus on, Hankel's asymptotic expansion reaches full double precision within a few terms.
constexpr double kAsymptoticRadius = 25.0;

void CheckFinite(Complex z, const char* name)
{
    if (!std::isfinite(z.real()) || !std::isfinite(z.imag()))
        throw std::domain_error(std::string(name) + ": the argument is not a finite number");
}

void CheckRightHalfPlane(Complex z, const char* name)
{
    CheckFinite(z, name);
    if (z.real() < 0.0)
        throw std::domain_error(std::string(name) + ": the argument must lie in the right half-plane (Re z >= 0)");
    if (z == Complex(0.0, 0.0))
        throw std::domain_error(std::string(name) + ": the function is singular at z = 0");
}

// J (sign -1) or I (sign +1) by their power series.
BesselPair SeriesJI(Complex z, double sign)
{
    const Complex t = sign * z * z / 4.0;
    Complex term0 = 1.0, sum0 = 1.0, term1 = 1.0, sum1 = 1.0;
    for (int k = 1; k < 200; ++k) {
        term0 *= t / double(k * k);
        term1 *= t / double(k * (k + 1));
        sum0 += term0;
        sum1 += term1;
        if (std::abs(term0) <= kEps * std::abs(sum0) && std::abs(term1) <= kEps * std::abs(sum1))
            break;
    }
    return {sum0, z / 2.0 * sum1};
}

// Y0, Y1 by their series (small |z|, Re z >= 0): the logarithm carries the singularity.
BesselPair SeriesY(Complex z)
{
    const BesselPair j = SeriesJI(z, -1.0);
    const Complex t = z * z / 4.0;
    const Complex logHalf = std::log(z / 2.0);
    // sum0: sum_{k>=1} (-1)^(k+1) H_k t^k / (k!)^2
    // sum1: sum_{k>=0} (psi(k+1) + psi(k+2)) (-t)^k / (k! (k+1)!)
    Complex power0 = 1.0, sum0 = 0.0;
    Complex power1 = 1.0, sum1 = (-2.0 * kEulerGamma + 1.0);
    double harmonic = 0.0;
    for (int k = 1; k < 200; ++k) {
        harmonic += 1.0 / k;
        power0 *= -t / double(k * k);
        power1 *= -t / double(k * (k + 1));
        const Complex term0 = -power0 * harmonic;
        const Complex term1 = power1 * (-2.0 * kEulerGamma + 2.0 * harmonic + 1.0 / (k + 1));
        sum0 += term0;
        sum1 += term1;
        if (std::abs(term0) <= kEps * std::abs(sum0) && std::abs(term1) <= kEps * std::abs(sum1))
            break;
    }
    const Complex y0 = 2.0 / kPi * ((logHalf + kEulerGamma) * j.order0 + sum0);
    const Complex y1 = -2.0 / (kPi * z) + 2.0 / kPi * logHalf * j.order1 - z / (2.0 * kPi) * sum1;
    return {y0, y1};
}

// K0, K1 by their series (small |z|, Re z >= 0).
BesselPair SeriesK(Complex z)
{
    const BesselPair i = SeriesJI(z, 1.0);
    const Complex t = z * z / 4.0;
    const Complex logHalf = std::log(z / 2.0);
    Complex power0 = 1.0, sum0 = 0.0;
    Complex power1 = 1.0, sum1 = (-2.0 * kEulerGamma + 1.0);
    double harmonic = 0.0;
    for (int k = 1; k < 200; ++k) {
        harmonic += 1.0 / k;
        power0 *= t / double(k * k);
        power1 *= t / double(k * (k + 1));
        const Complex term0 = power0 * harmonic;
        const Complex term1 = power1 * (-2.0 * kEulerGamma + 2.0 * harmonic + 1.0 / (k + 1));
        sum0 += term0;
        sum1 += term1;
        if (std::abs(term0) <= kEps * std::abs(sum0) && std::abs(term1) <= kEps * std::abs(sum1))
            break;
    }
    const Complex k0 = -(logHalf + kEulerGamma) * i.order0 + sum0;
    const Complex k1 = 1.0 / z + logHalf * i.order1 - z / 4.0 * sum1;
    return {k0, k1};
}

// exp(z) K0(z), exp(z) K1(z) by Steed's continued fraction (Temme's form of it), Re z >= 0, |z| >= 2.
// It converges for complex z there, on the imaginary axis too, faster as |z| grows.
BesselPair ContinuedFractionKScaled(Complex z)
{
    Complex b = 2.0 * (1.0 + z);
    Complex d = 1.0 / b;
    Complex h = d, delh = d;
    Complex q1 = 0.0, q2 = 1.0;
    const double a1 = 0.25;
    Complex q = a1, c = a1;
    double a = -a1;
    Complex s = 1.0 + q * delh;
    for (int i = 2; i < 100000; ++i) {
        a -= 2.0 * (i - 1);
        c = -a * c / double(i);
        const Complex qnew = (q1 - b * q2) / a;
        q1 = q2;
        q2 = qnew;
        q += c * qnew;
        b += 2.0;
        d = 1.0 / (b + a * d);
        delh = (b * d - 1.0) * delh;
        h += delh;
        const Complex dels = q * delh;
        s += dels;
        if (std::abs(dels) < kEps * std::abs(s))
            break;
    }
    h = a1 * h;
    const Complex k0 = std::sqrt(kPi / (2.0 * z)) / s;
    const Complex k1 = k0 * (z + 0.5 - h) / z;
    return {k0, k1};
}

// exp(z) K(z) for Re z >= 0, z != 0, without checks.
BesselPair KScaledCore(Complex z)
{
    if (std::abs(z) < kSeriesRadius) {
        const BesselPair k = SeriesK(z);
        const Complex e = std::exp(z);
        return {k.order0 * e, k.order1 * e};
    }
    return ContinuedFractionKScaled(z);
}

// I1(w)/I0(w) by its continued fraction (modified Lentz).
Complex RatioI1I0(Complex w)
{
    const double tiny = 1e-300;
    Complex f = tiny, c = f, d = 0.0;
    for (int k = 1; k < 100000; ++k) {
        const Complex b = 2.0 * k / w;
        d = b + d;
        if (d == Complex(0.0))
            d = tiny;
        c = b + 1.0 / c;
        if (c == Complex(0.0))
            c = tiny;
        d = 1.0 / d;
        const Complex delta = c * d;
        f *= delta;
        if (std::abs(delta - 1.0) < kEps)
            break;
    }
    return f;
}

// I0, I1 for Re w >= 0, kSeriesRadius <= |w| < kAsymptoticRadius: the ratio I1/I0 from its continued fraction
// and the Wronskian I0 K1 + I1 K0 = 1/w fix both without any cancellation.
BesselPair CoreI(Complex w)
{
    const BesselPair ks = ContinuedFractionKScaled(w);
    const Complex f = RatioI1I0(w);
    const Complex i0 = std::exp(w) / (w * (ks.order1 + f * ks.order0));
    return {i0, f * i0};
}

// Hankel's asymptotic expansions of H(1) and H(2), Re z >= 0, |z| large.
void AsymptoticHankel(Complex z, BesselPair& h1, BesselPair& h2)
{
    const Complex pref = std::sqrt(2.0 / (kPi * z));
    for (int n = 0; n < 2; ++n) {
        const double mu = 4.0 * n * n;
        Complex term = 1.0, sumPlus = 1.0, sumMinus = 1.0;
        double lastSize = 1.0;
        for (int k = 1; k < 80; ++k) {
            const double odd = 2.0 * k - 1.0;
            term *= (mu - odd * odd) / (k * 8.0 * z);
            const double size = std::abs(term);
            if (size > lastSize)
                break; // the series is asymptotic: stop at its smallest term
            const Complex ik = std::pow(kI, k);
            sumPlus += ik * term;
            sumMinus += std::conj(ik) * term;
            lastSize = size;
            if (size < kEps)
                break;
        }
        const Complex chi = z - (0.5 * n + 0.25) * kPi;
        const Complex v1 = pref * std::exp(kI * chi) * sumPlus;
        const Complex v2 = pref * std::exp(-kI * chi) * sumMinus;
        (n == 0 ? h1.order0 : h1.order1) = v1;
        (n == 0 ? h2.order0 : h2.order1) = v2;
    }
}

// J for z in the closed fourth quadrant (Re z >= 0, Im z <= 0) outside the series disc.
BesselPair JFourthQuadrant(Complex z)
{
    if (std::abs(z) >= kAsymptoticRadius) {
        BesselPair h1, h2;
        AsymptoticHankel(z, h1, h2);
        return {(h1.order0 + h2.order0) / 2.0, (h1.order1 + h2.order1) / 2.0};
    }
    // J_n(z) = (-i)^n I_n(i z), and i z lies in the right half-plane here.
    const BesselPair i = CoreI(kI * z);
    return {i.order0, -kI * i.order1};
}

// H(2) for z in the closed fourth quadrant, z != 0: H_n(2)(z) = (2i/pi) i^n K_n(i z), scaled by exp(i z).
BesselPair H2ScaledFourthQuadrant(Complex z)
{
    const BesselPair ks = KScaledCore(kI * z);
    return {2.0 * kI / kPi * ks.order0, -2.0 / kPi * ks.order1};
}

BesselPair Conj(const BesselPair& p)
{
    return {std::conj(p.order0), std::conj(p.order1)};
}

} // namespace

BesselPair BesselJ(Complex z)
{
    CheckFinite(z, "BesselJ");
    if (std::abs(z) < kSeriesRadius)
        return SeriesJI(z, -1.0);
    // J0 is even and J1 odd; both are real on the real axis.
    double parity = 1.0;
    if (z.real() < 0.0) {
        z = -z;
        parity = -1.0;
    }
    const bool upper = z.imag() > 0.0;
    BesselPair j = JFourthQuadrant(upper ? std::conj(z) : z);
    if (upper)
        j = Conj(j);
    j.order1 *= parity;
    if (z.imag() == 0.0) {
        j.order0.imag(0.0);
        j.order1.imag(0.0);
    }
    return j;
}

BesselPair BesselI(Complex z)
{
    CheckFinite(z, "BesselI");
    if (std::abs(z) < kSeriesRadius)
        return SeriesJI(z, 1.0);
    double parity = 1.0;
    if (z.real() < 0.0) {
        z = -z;
        parity = -1.0;
    }
    BesselPair i;
    if (std::abs(z) < kAsymptoticRadius) {
        i = CoreI(z);
    } else {
        // I_n(z) = (-i)^n J_n(i z)
        const BesselPair j = BesselJ(kI * z);
        i = {j.order0, -kI * j.order1};
    }
    i.order1 *= parity;
    if (z.imag() == 0.0) {
        i.order0.imag(0.0);
        i.order1.imag(0.0);
    }
    return i;
}

BesselPair BesselK(Complex z)
{
    CheckRightHalfPlane(z, "BesselK");
    if (std::abs(z) < kSeriesRadius)
        return SeriesK(z);
    const BesselPair ks = ContinuedFractionKScaled(z);
    const Complex e = std::exp(-z);
    return {ks.order0 * e, ks.order1 * e};
}

BesselPair BesselKScaled(Complex z)
{
    CheckRightHalfPlane(z, "BesselKScaled");
    return KScaledCore(z);
}

BesselPair HankelH2Scaled(Complex z)
{
    CheckRightHalfPlane(z, "HankelH2");
    if (z.imag() <= 0.0)
        return H2ScaledFourthQuadrant(z);
    // Upper half: H(2) grows there, H(1) decays in the mirror point, where H(1) = 2J - H(2) loses nothing.
    const Complex zc = std::conj(z);
    const BesselPair j = BesselJ(zc);
    const BesselPair h2 = H2ScaledFourthQuadrant(zc);
    const Complex e = std::exp(-kI * zc);
    const BesselPair h1 = {2.0 * j.order0 - h2.order0 * e, 2.0 * j.order1 - h2.order1 * e};
    const Complex scale = std::exp(kI * z);
    return {std::conj(h1.order0) * scale, std::conj(h1.order1) * scale};
}

BesselPair HankelH2(Complex z)
{
    const BesselPair hs = HankelH2Scaled(z);
    const Complex e = std::exp(-kI * z);
    return {hs.order0 * e, hs.order1 * e};
}

BesselPair HankelH1(Complex z)
{
    CheckRightHalfPlane(z, "HankelH1");
    return Conj(HankelH2(std::conj(z)));
}

BesselPair BesselY(Complex z)
{
    CheckRightHalfPlane(z, "BesselY");
    if (std::abs(z) < kSeriesRadius)
        return SeriesY(z);
    const bool upper = z.imag() > 0.0;
    const Complex w = upper ? std::conj(z) : z;
    // In the fourth quadrant H(2) decays and Y = i (H(2) - J) has no cancellation beyond that of Y itself.
    const BesselPair j = JFourthQuadrant(w);
    const BesselPair h2s = H2ScaledFourthQuadrant(w);
    const Complex e = std::exp(-kI * w);
    BesselPair y = {kI * (h2s.order0 * e - j.order0), kI * (h2s.order1 * e - j.order1)};
    if (upper)
        y = Conj(y);
    if (z.imag() == 0.0) {
        y.order0.imag(0.0);
        y.order1.imag(0.0);
    }
    return y;
}

} // namespace quavis::numerics
