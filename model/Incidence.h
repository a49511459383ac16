// Relations between elements that the incidence checks look for (a point on a
// line or circle, a tangency, two equal elements), the walk that decides
// whether a relation holds for every position of the free points, and the
// texts of the messages that announce found relations.
#pragma once

#include <string>
#include <vector>

#include "model/Document.h"

// Message texts ("%s" stands for element names) and their captions.
extern const char* const IncidentMsg;
extern const char* const IncidentMsgC;
extern const char* const IncidentMsgPL;
extern const char* const IncidentMsgPLAB;
extern const char* const IncidentMsgPC;
extern const char* const TangentMsgLC;
extern const char* const TangentMsgLCAB;
extern const char* const TangentMsgCL;
extern const char* const TangentMsgCLAB;
extern const char* const TangentMsgCC;
extern const char* const IncidencyCaption;
extern const char* const TangencyCaption;

enum class RelationKind {
  kPointOnLine,
  kPointOnCircle,
  kLineTouchesCircle,
  kCirclesTouch,
  kSamePoint,
  kSameLine,
  kSameCircle,
};

// One relation to test; only the fields its kind names are used.
struct Relation {
  RelationKind kind = RelationKind::kSamePoint;
  GPoint *point1 = nullptr, *point2 = nullptr;
  GLine *line1 = nullptr, *line2 = nullptr;
  GCircle *circle1 = nullptr, *circle2 = nullptr;
};

// The relations in the present position of the figure. Inline: the checks
// after a new element test it against every element of the sheet, and almost
// every pair fails here, before any walk.
namespace incidence_now {

inline bool Within(double v, double target, double slack) {
  return (1.0 - slack) * target <= v && v <= (1.0 + slack) * target;
}

inline bool PointOnLine(const GLine* L, const GPoint* P) {
  if (!L || !P) return false;
  const CComplex v = L->a * P->x + L->b * P->y + L->c * P->z;
  return norm2(v) / (L->a.re * L->a.re + L->b.re * L->b.re) < 0.00001;
}

inline bool PointOnCircle(const GCircle* C, const GPoint* P) {
  // A point at infinity has no affine position; dividing it out would put it
  // at the origin and make it "lie" on every circle through the origin.
  if (!C || !P || P->z.zerop()) return false;
  const double s = norm2(C->cx - P->xz()) + norm2(C->cy - P->yz());
  return Within(s, C->r2.re, 0.00001);
}

inline bool LineTouchesCircle(const GCircle* C, const GLine* L) {
  if (!C || !L) return false;
  const double e = (L->a * C->cx + L->b * C->cy + L->c).re;
  const double d = e * e / (L->a * L->a + L->b * L->b).re;
  return Within(d, C->r2.re, 0.00001);
}

// |<u, v>|² / (|u|²·|v|²) > 0.99999: the complex vectors are parallel.
inline bool Aligned(const CComplex u[3], const CComplex v[3]) {
  CComplex dot;
  double uu = 0, vv = 0;
  for (int i = 0; i < 3; ++i) {
    dot += u[i] * conjugate(v[i]);
    uu += norm2(u[i]);
    vv += norm2(v[i]);
  }
  return norm2(dot) / (uu * vv) > 0.99999;
}

inline bool SameLine(const GLine* L, const GLine* M) {
  if (!L || !M || L == M) return false;
  const CComplex u[3] = {L->a, L->b, L->c}, v[3] = {M->a, M->b, M->c};
  return Aligned(u, v);
}

inline bool SameCircle(const GCircle* C, const GCircle* D) {
  if (!C || !D || C == D) return false;
  return norm2(C->cx - D->cx) + norm2(C->cy - D->cy) + norm2(C->r2 - D->r2) < 0.00001;
}

// Cheap tests run before the exact ones over a whole sheet: each is true
// whenever its exact test is, dividing nothing and with twice the slack, so
// that it only passes over pairs the exact test would refuse. Coordinates
// whose squares leave the range of ordinary numbers go to the exact test.
inline bool MaybePointOnCircle(const GCircle* C, const GPoint* P) {
  // |c - p/z|² = |c·z - p|² / |z|²: the exact test's sum, times |z|².
  const double z2 = norm2(P->z);
  const double t = C->r2.re * z2;
  if (!(z2 > 1e-100 && z2 < 1e100 && t > 0 && t < 1e200)) return true;
  const double s = norm2(C->cx * P->z - P->x) + norm2(C->cy * P->z - P->y);
  return (1.0 - 2e-5) * t <= s && s <= (1.0 + 2e-5) * t;
}

// `den` is a.re² + b.re² of the line, the exact test's divisor.
inline bool MaybePointOnLine(const GLine* L, const GPoint* P, double den) {
  // The real part of a·x + b·y + c·z is at most its modulus.
  if (!(den > 1e-250 && den < 1e250)) return true;
  const double re = (L->a.re * P->x.re - L->a.im * P->x.im) +
                    (L->b.re * P->y.re - L->b.im * P->y.im) +
                    (L->c.re * P->z.re - L->c.im * P->z.im);
  return re * re < 2e-5 * den;
}

inline double PointOnLineDivisor(const GLine* L) { return L->a.re * L->a.re + L->b.re * L->b.re; }

inline bool MaybeSameLine(const GLine* L, const GLine* M) {
  // |u|²|v|² - |<u, v>|² is the sum of |u_i v_j - u_j v_i|² over i < j, so
  // parallel vectors make every such term small, the first one among them.
  const double p =
      (norm2(L->a) + norm2(L->b) + norm2(L->c)) * (norm2(M->a) + norm2(M->b) + norm2(M->c));
  if (!(p > 1e-250 && p < 1e250)) return true;
  return norm2(L->a * M->b - L->b * M->a) < 2e-5 * p;
}

}  // namespace incidence_now

bool RelationHoldsNow(GDocument& doc, const Relation& r);

// True when the relation holds now and still holds after each free point whose
// step lies at or after `from` has been moved by 0.1 world units along x and,
// separately, along y (the figure re-evaluated each time). The figure is left
// exactly as it was: coordinates, intersection branches and motion records.
// The figure must be evaluated at its present positions (the checks see to it).
// Unless the literal walk is asked for (GRelations::LiteralWalk), only the free points the two
// elements depend on are moved and only the steps they drive are evaluated,
// with the same outcome as moving every free point and evaluating the whole
// list.
bool RelationHoldsEverywhere(GDocument& doc, GConst* from, const Relation& r);

// While alive: the drag prediction of circle intersections is off (no point is
// being dragged and the motion matrix is zero), so a check never depends on how
// the last drag moved; every point's motion record is put back at the end.
// With evaluate set, the sheet is first evaluated at its present positions
// (unless a script is being read, which keeps it evaluated step by step).
class QuietCheckScope {
 public:
  QuietCheckScope(GDocument& doc, bool saveMotion, bool evaluate);
  ~QuietCheckScope();
  QuietCheckScope(const QuietCheckScope&) = delete;
  QuietCheckScope& operator=(const QuietCheckScope&) = delete;

 private:
  GDocument& doc_;
  GPoint* movingPoint_;
  GMotion dragMotion_;
  bool saveMotion_;
  std::vector<double> motion_;  // eight doubles per point-pool slot
};
