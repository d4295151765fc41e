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
constexpr double kEps2 = kEps * kEps;
const Complex kI(0.0, 1.0);

// Below this modulus the power series are used: their terms fall off like 1/(k!)^2 and the largest term
// is never far above the sum, so nothing cancels badly.
constexpr double kSeriesRadius = 2.0;
// From this modulus on, Hankel's asymptotic expansion reaches full double precision within a few terms.
constexpr double kAsymptoticRadius = 25.0;
// For K the expansion, cut at its smallest term, is accurate to about 1e-15 relative from here on.
constexpr double kAsymptoticRadiusK = 16.0;

// The series of K loses about exp(|z| + Re z) against its value (the growth of its terms and the cancellation
// against I); near the imaginary axis it stays accurate well beyond |z| = 2, where it is much cheaper than the
// continued fraction.
constexpr double kSeriesLimitK = 5.0;

bool KSeriesIsAccurate(Complex z)
{
    const double m = std::abs(z);
    return m < kSeriesRadius || m + std::fabs(z.real()) < kSeriesLimitK;
}

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
        if (std::norm(term0) <= kEps2 * std::norm(sum0) && std::norm(term1) <= kEps2 * std::norm(sum1))
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
        if (std::norm(term0) <= kEps2 * std::norm(sum0) && std::norm(term1) <= kEps2 * std::norm(sum1))
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
        if (std::norm(term0) <= kEps2 * std::norm(sum0) && std::norm(term1) <= kEps2 * std::norm(sum1))
            break;
    }
    const Complex k0 = -(logHalf + kEulerGamma) * i.order0 + sum0;
    const Complex k1 = 1.0 / z + logHalf * i.order1 - z / 4.0 * sum1;
    return {k0, k1};
}

// Plain complex arithmetic for the inner loops: std::complex guards every product and quotient against
// infinities and NaN at a cost that dominates these loops; their operands are finite and moderate.
struct Fast {
    double re, im;
};
inline Fast Add(Fast a, Fast b) { return {a.re + b.re, a.im + b.im}; }
inline Fast Mul(Fast a, Fast b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
inline Fast Scale(Fast a, double s) { return {a.re * s, a.im * s}; }
// Operands stay within a few hundred binary orders of magnitude here (the recurrence is rescaled), so the
// squares cannot overflow.
inline Fast Inverse(Fast a)
{
    const double s = 1.0 / (a.re * a.re + a.im * a.im);
    return {a.re * s, -a.im * s};
}
inline double Norm(Fast a) { return a.re * a.re + a.im * a.im; }

// exp(z) K0(z), exp(z) K1(z) by Steed's continued fraction (Temme's form of it), Re z >= 0, |z| >= 2.
// It converges for complex z there, on the imaginary axis too, faster as |z| grows.
// h = 1/(b1 + a2/(b2 + a3/(b3 + ...))), b_n = 2(z + n), a_n = -(n - 1/2)^2, is summed from its increments
// h_n - h_(n-1) = N_n / (B_n B_(n-1)), with the denominators B_n from their forward recurrence and
// N_n = (3/2)^2 (5/2)^2 ... (n - 1/2)^2: the only serial chain is the recurrence's multiply-adds, the divisions
// do not feed back. S = 1 + sum Q_n (h_n - h_(n-1)) gives K0 = sqrt(pi/2z) / S.
BesselPair ContinuedFractionKScaled(Complex zc)
{
    const Fast z{zc.real(), zc.imag()};
    Fast bPrev{1.0, 0.0};                        // B_0
    Fast b{2.0 * (1.0 + z.re), 2.0 * z.im};      // b_1
    Fast bCur = b;                               // B_1
    double n = 1.0;                              // N_1
    Fast delh = Inverse(bCur);                   // h_1
    Fast h = delh;
    Fast q1{0.0, 0.0}, q2{1.0, 0.0};
    const double a1 = 0.25;
    Fast q{a1, 0.0};
    double c = a1;
    double a = -a1;
    Fast s = Add({1.0, 0.0}, Mul(q, delh));
    const double eps2 = 1e-32;
    for (int i = 2; i < 100000; ++i) {
        a -= 2.0 * (i - 1);                      // a_i = -(i - 1/2)^2
        c *= -a / i;                             // the quotient off the serial chain
        const Fast qnew = Scale(Add(q1, Scale(Mul(b, q2), -1.0)), 1.0 / a);
        q1 = q2;
        q2 = qnew;
        q = Add(q, Scale(qnew, c));
        b.re += 2.0;                             // b_i
        const Fast bNext = Add(Mul(b, bCur), Scale(bPrev, a));
        bPrev = bCur;
        bCur = bNext;
        n *= -a;
        delh = Scale(Inverse(Mul(bCur, bPrev)), n);
        h = Add(h, delh);
        const Fast dels = Mul(q, delh);
        s = Add(s, dels);
        if (Norm(dels) < eps2 * Norm(s))
            break;
        if ((i & 7) == 0) {
            // keep B and N in range: scale B_n, B_(n-1) by 2^-e and N by 2^-2e, which leaves N / (B B) alone
            int e = 0;
            std::frexp(std::fabs(bCur.re) + std::fabs(bCur.im), &e);
            bCur = {std::ldexp(bCur.re, -e), std::ldexp(bCur.im, -e)};
            bPrev = {std::ldexp(bPrev.re, -e), std::ldexp(bPrev.im, -e)};
            n = std::ldexp(n, -2 * e);
        }
    }
    const Complex hh = a1 * Complex(h.re, h.im);
    const Complex k0 = std::sqrt(kPi / (2.0 * zc)) / Complex(s.re, s.im);
    const Complex k1 = k0 * (zc + 0.5 - hh) / zc;
    return {k0, k1};
}

// exp(z) K(z) ~ sqrt(pi / 2z) sum a_k(n) / z^k for large |z| (A&S 9.7.2).
BesselPair AsymptoticKScaled(Complex z)
{
    const Complex pref = std::sqrt(kPi / (2.0 * z));
    const Complex inv = 1.0 / (8.0 * z);
    Complex sums[2];
    for (int n = 0; n < 2; ++n) {
        const double mu = 4.0 * n * n;
        Complex term = 1.0, sum = 1.0;
        double last = 1.0;
        for (int k = 1; k < 60; ++k) {
            const double odd = 2.0 * k - 1.0;
            term *= (mu - odd * odd) / k * inv;
            const double size = std::norm(term);
            if (size > last)
                break;
            sum += term;
            last = size;
            if (size < kEps2)
                break;
        }
        sums[n] = sum;
    }
    return {pref * sums[0], pref * sums[1]};
}

// exp(z) K(z) for Re z >= 0, z != 0, without checks.
BesselPair KScaledCore(Complex z)
{
    const double m = std::sqrt(std::norm(z)); // no overflow to guard against here, and much cheaper than hypot
    if (m < kSeriesRadius || m + std::fabs(z.real()) < kSeriesLimitK) {
        const BesselPair k = SeriesK(z);
        const Complex e = std::exp(z);
        return {k.order0 * e, k.order1 * e};
    }
    if (m >= kAsymptoticRadiusK)
        return AsymptoticKScaled(z);
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
    if (KSeriesIsAccurate(z))
        return SeriesK(z);
    const BesselPair ks = KScaledCore(z);
    const Complex e = std::exp(-z);
    return {ks.order0 * e, ks.order1 * e};
}

BesselPair BesselKScaled(Complex z)
{
    CheckRightHalfPlane(z, "BesselKScaled");
    return KScaledCore(z);
}

BesselPair BesselKScaledSweep::operator()(Complex z)
{
    if (m_hasCentre && std::norm(z - m_centre) <= m_reach) {
        const Complex w = z - m_centre;
        Complex g0 = m_p[kOrder], g1 = m_r[kOrder];
        for (int n = kOrder - 1; n >= 0; --n) {
            g0 = g0 * w + m_p[n];
            g1 = g1 * w + m_r[n];
        }
        return {g0, g1};
    }
    const BesselPair g = BesselKScaled(z);
    const double modulus2 = std::norm(z);
    // Near the origin the logarithm makes the expansion short-ranged; the series is cheap there anyway.
    if (modulus2 < 0.25) {
        m_hasCentre = false;
        return g;
    }
    // g0 = exp(z) K0 and g1 = exp(z) K1 obey g0' = g0 - g1 and z g1' = z g1 - z g0 - g1.
    m_centre = z;
    m_reach = 0.0025 * modulus2; // (5 % of |z|)^2
    m_p[0] = g.order0;
    m_r[0] = g.order1;
    const Complex inv = 1.0 / z;
    for (int n = 0; n < kOrder; ++n) {
        m_p[n + 1] = (m_p[n] - m_r[n]) / double(n + 1);
        const Complex previous = n > 0 ? m_r[n - 1] - m_p[n - 1] : Complex(0.0);
        m_r[n + 1] = ((m_r[n] - m_p[n]) + (previous - double(n + 1) * m_r[n]) * inv) / double(n + 1);
    }
    m_hasCentre = true;
    return g;
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
