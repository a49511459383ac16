// The copies of real positions kept while a script is read, and the passes
// over them that choose which elements the exact incidence tests look at.
#include "model/IncidenceShadow.h"

#include <cmath>
#include <limits>

#include "model/Document.h"
#include "model/Sheet.h"

namespace {

constexpr double kNotPlain = std::numeric_limits<double>::quiet_NaN();
// Four times the exact tests' slack: rounding in the copies can never turn a
// pass of the exact test into a refusal here.
constexpr double kSlack = 4e-5;

bool Real(const CComplex& v) { return v.im == 0; }

// Whether a copied element is still the one it was copied from.
template <class E>
bool Same(const E* e, unsigned serial) {
  return e->inUse && e->serial == serial;
}

}  // namespace

void GIncidenceShadow::Clear() {
  sheet_ = nullptr;
  points_.clear();
  lines_.clear();
}

void GIncidenceShadow::TakeIn(GPoint* P) {
  // Affine position of a point whose coordinates are real and of ordinary
  // size: there a·x + b·y + c·z = z·(a·X + b·Y + c), and the sums below lose
  // nothing the slack does not cover. Any other point is always chosen.
  PointCopy e{kNotPlain, 0, 0, P, P->serial};
  const double w = P->z.re * P->z.re;
  if (Real(P->x) && Real(P->y) && Real(P->z) && w >= 1e-8 && w <= 1e8) {
    const double x = P->x.re / P->z.re, y = P->y.re / P->z.re;
    if (std::fabs(x) <= 1e6 && std::fabs(y) <= 1e6) {
      e.x = x;
      e.y = y;
      e.w = w;
    }
  }
  points_.push_back(e);
}

void GIncidenceShadow::TakeIn(GLine* L) {
  LineCopy e{kNotPlain, 0, 0, L, L->serial};
  const double n2 = L->a.re * L->a.re + L->b.re * L->b.re + L->c.re * L->c.re;
  if (Real(L->a) && Real(L->b) && Real(L->c) && n2 > 1e-120 && n2 < 1e120) {
    e.a = L->a.re;
    e.b = L->b.re;
    e.n2 = n2;
  }
  lines_.push_back(e);
}

void GIncidenceShadow::Sync(GSheet& sheet) {
  // New elements are appended at the tail, so what follows the last element
  // taken in is new; when that element is gone the copies start over.
  if (&sheet != sheet_ ||
      (!points_.empty() && !Same(points_.back().point, points_.back().serial)) ||
      (!lines_.empty() && !Same(lines_.back().line, lines_.back().serial))) {
    Clear();
    sheet_ = &sheet;
    // Room for a full pool at once: growing by copies would touch twice the
    // memory, and what is never written is never touched.
    points_.reserve(kPoolSize);
    lines_.reserve(kPoolSize);
  }
  for (GPoint* P = points_.empty() ? sheet.points.head : points_.back().point->next; P; P = P->next)
    TakeIn(P);
  for (GLine* L = lines_.empty() ? sheet.lines.head : lines_.back().line->next; L; L = L->next)
    TakeIn(L);
}

const std::vector<GPoint*>* GIncidenceShadow::PointsMaybeOn(const GLine* L) {
  // The exact test is |a·x + b·y + c·z|² < 1e-5·(a² + b²) for the real parts a, b.
  const double den = L->a.re * L->a.re + L->b.re * L->b.re;
  if (!Real(L->a) || !Real(L->b) || !Real(L->c) || !(den > 1e-100 && den < 1e100)) return nullptr;
  const double a = L->a.re, b = L->b.re, c = L->c.re, limit = kSlack * den;
  std::vector<GPoint*>& out = chosenPoints_;
  out.clear();
  for (const PointCopy& e : points_) {
    const double d = a * e.x + b * e.y + c;
    // Written so that a point that is not plain (NaN) is chosen.
    if (!(e.w * d * d >= limit) && Same(e.point, e.serial)) out.push_back(e.point);
  }
  return &out;
}

const std::vector<GPoint*>* GIncidenceShadow::PointsMaybeOn(const GCircle* C) {
  // The exact test: the squared distance from the centre is within 1e-5 of r².
  const double r2 = C->r2.re;
  if (!Real(C->cx) || !Real(C->cy) || !(r2 >= 1e-8 && r2 <= 1e12) || std::fabs(C->cx.re) > 1e6 ||
      std::fabs(C->cy.re) > 1e6)
    return nullptr;
  const double cx = C->cx.re, cy = C->cy.re, limit = kSlack * r2;
  std::vector<GPoint*>& out = chosenPoints_;
  out.clear();
  for (const PointCopy& e : points_) {
    const double dx = cx - e.x, dy = cy - e.y;
    if (!(std::fabs(dx * dx + dy * dy - r2) > limit) && Same(e.point, e.serial))
      out.push_back(e.point);
  }
  return &out;
}

const std::vector<GLine*>* GIncidenceShadow::LinesMaybeSame(const GLine* L) {
  // Real lines are the same when (a, b) and (a', b') are parallel, measured
  // against the whole vectors: (a·b' − b·a')² < 2e-5·|u|²·|v|² lets through
  // every pair the exact test accepts.
  const double n2 = L->a.re * L->a.re + L->b.re * L->b.re + L->c.re * L->c.re;
  if (!Real(L->a) || !Real(L->b) || !Real(L->c) || !(n2 > 1e-120 && n2 < 1e120)) return nullptr;
  const double a = L->a.re, b = L->b.re, limit = kSlack * n2;
  std::vector<GLine*>& out = chosenLines_;
  out.clear();
  for (const LineCopy& e : lines_) {
    const double cross = a * e.b - b * e.a;
    if (!(cross * cross >= limit * e.n2) && Same(e.line, e.serial)) out.push_back(e.line);
  }
  return &out;
}
