// The tolerance of complex comparisons and the complex square root.
#include "geometry/CComplex.h"

double CCPXepsilon = 1e-7;

CComplex sqrtC(const CComplex& z) {
  const double m = std::sqrt(std::sqrt(z.re * z.re + z.im * z.im));
  const double t = std::atan2(z.im, z.re) / 2.0;
  return CComplex(m * std::cos(t), m * std::sin(t));
}

// Division for divisors whose squared modulus leaves the range of doubles:
// scale the divisor by its larger part first (the quotient is unchanged).
CComplex CComplex::DivideScaled(const CComplex& b) const {
  const double s = std::fmax(std::fabs(b.re), std::fabs(b.im));
  const CComplex bs(b.re / s, b.im / s);
  const double d = bs.re * bs.re + bs.im * bs.im;
  return CComplex((re * bs.re + im * bs.im) / d / s, (im * bs.re - re * bs.im) / d / s);
}
