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

// Hankel functions of the first kind, H0(1) = J0 + i Y0 and H1(1).
BesselPair HankelH1(Complex z);

// Hankel functions of the second kind, H0(2) = J0 - i Y0 and H1(2): outgoing waves for exp(+i omega t).
BesselPair HankelH2(Complex z);

// exp(i z) H0(2)(z) and exp(i z) H1(2)(z).
BesselPair HankelH2Scaled(Complex z);

} // namespace quavis::numerics
