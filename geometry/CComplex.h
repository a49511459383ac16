// Complex numbers for all geometry of the program, with the one tolerance
// CCPXepsilon used by every comparison. Division by exact zero yields 0 so that
// points at infinity never fault.
#pragma once

#include <cmath>

extern double CCPXepsilon;

class CComplex {
 public:
  double re;
  double im;

  CComplex() : re(0.0), im(0.0) {}
  CComplex(double r, double i) : re(r), im(i) {}

  void SetComplex(double r, double i) {
    re = r;
    im = i;
  }
  double real() const { return re; }
  double imag() const { return im; }

  CComplex operator+(const CComplex& b) const { return CComplex(re + b.re, im + b.im); }
  CComplex operator-(const CComplex& b) const { return CComplex(re - b.re, im - b.im); }
  CComplex operator-() const { return CComplex(-re, -im); }
  CComplex operator*(const CComplex& b) const {
    return CComplex(re * b.re - im * b.im, re * b.im + im * b.re);
  }
  CComplex operator*(double s) const { return CComplex(re * s, im * s); }
  // Division by an exact zero gives 0 + 0i: a point at infinity divided out
  // lands on the origin instead of producing NaN.
  CComplex operator/(const CComplex& b) const {
    if (b.re == 0.0 && b.im == 0.0) return CComplex();
    const double d = b.re * b.re + b.im * b.im;
    if (d >= kMinSafeNorm && d <= kMaxSafeNorm)
      return CComplex((re * b.re + im * b.im) / d, (im * b.re - re * b.im) / d);
    return DivideScaled(b);
  }
  CComplex operator+=(const CComplex& b) { return *this = *this + b; }
  CComplex operator-=(const CComplex& b) { return *this = *this - b; }
  CComplex operator*=(const CComplex& b) { return *this = *this * b; }
  CComplex operator/=(const CComplex& b) { return *this = *this / b; }
  CComplex operator/=(double d) {
    if (d == 0.0) {
      re = 0.0;
      im = 0.0;
    } else {
      re /= d;
      im /= d;
    }
    return *this;
  }
  // Equality within the tolerance, strict in both parts.
  bool operator==(const CComplex& b) const {
    return std::fabs(re - b.re) < CCPXepsilon && std::fabs(im - b.im) < CCPXepsilon;
  }
  bool operator!=(const CComplex& b) const { return !(*this == b); }
  bool zerop() const { return std::fabs(re) < CCPXepsilon && std::fabs(im) < CCPXepsilon; }
  bool realp() const { return std::fabs(im) < CCPXepsilon; }

 private:
  // Outside this range re(b)^2 + im(b)^2 underflows or overflows, so a divisor
  // like 1e-300 would give infinity instead of an ordinary quotient.
  static constexpr double kMinSafeNorm = 1e-290;
  static constexpr double kMaxSafeNorm = 1e290;
  CComplex DivideScaled(const CComplex& b) const;
};

inline CComplex operator*(double s, const CComplex& z) { return z * s; }
inline bool zerop(const CComplex& z) { return z.zerop(); }
inline double supnorm(const CComplex& z) { return std::fabs(z.re) + std::fabs(z.im); }
inline double norm2(const CComplex& z) { return z.re * z.re + z.im * z.im; }
inline double norm1(const CComplex& z) { return std::sqrt(z.re * z.re + z.im * z.im); }
inline CComplex conjugate(const CComplex& z) { return CComplex(z.re, -z.im); }
// Principal square root by polar form; the cut lies on the negative real axis.
CComplex sqrtC(const CComplex& z);
