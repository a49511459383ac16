// The tolerance of complex comparisons and the complex square root.
#include "geometry/CComplex.h"

double CCPXepsilon = 1e-7;

CComplex sqrtC(const CComplex& z) {
  const double m = std::sqrt(std::sqrt(z.re * z.re + z.im * z.im));
  const double t = std::atan2(z.im, z.re) / 2.0;
  return CComplex(m * std::cos(t), m * std::sin(t));
}
