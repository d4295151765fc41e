#pragma once

#include <complex>

namespace quavis::numerics {

using Complex = std::complex<double>;

// Values of orders 0 and 1 of one cylinder function at one argument.
struct BesselPair {
    Complex order0;
    Complex order1;
};

// Bessel functions of the first kind, J0 and J1: entire, any complex z.
BesselPair BesselJ(Complex z);

// Modified Bessel functions of the first kind, I0 and I1: entire, any complex z.
BesselPair BesselI(Complex z);

// The functions below have a branch cut on the negative real axis and a singularity at 0. They are
// evaluated on the closed right half-plane Re z >= 0, z != 0 (all the soil functions need), and throw
// std::domain_error elsewhere.

// Bessel functions of the second kind, Y0 and Y1.
BesselPair BesselY(Complex z);

// Modified Bessel functions of the second kind, K0 and K1.
BesselPair BesselK(Complex z);

// exp(z) K0(z) and exp(z) K1(z): free of underflow for large Re z; ratios of K are taken from these.
BesselPair BesselKScaled(Complex z);

// exp(z) K0(z), exp(z) K1(z) along a sequence of nearby arguments, as a frequency sweep produces them. A value
// within 5 % of the modulus of the last directly evaluated argument comes from the Taylor expansion about it
// (12 terms from the Bessel equation, truncation error below 1e-17 relative); any other is evaluated directly
// and becomes the new centre. Same domain as BesselKScaled.
class BesselKScaledSweep {
public:
    BesselPair operator()(Complex z);

private:
    static constexpr int kOrder = 12;
    bool m_hasCentre = false;
    Complex m_centre;
    double m_reach = 0.0;
    Complex m_p[kOrder + 1];
    Complex m_r[kOrder + 1];
};

// Hankel functions of the first kind, H0(1) = J0 + i Y0 and H1(1).
BesselPair HankelH1(Complex z);

// Hankel functions of the second kind, H0(2) = J0 - i Y0 and H1(2): outgoing waves for exp(+i omega t).
BesselPair HankelH2(Complex z);

// exp(i z) H0(2)(z) and exp(i z) H1(2)(z).
BesselPair HankelH2Scaled(Complex z);

} // namespace quavis::numerics
