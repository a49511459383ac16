// The builder of the benchmark sheets: a repeatable random source, the tests
// that keep inputs real and near the view, and the maker of one step of each
// kind with inputs picked among the elements already made.
#pragma once

#include <algorithm>
#include <cmath>
#include <map>
#include <set>
#include <vector>

#include "model/Document.h"
#include "model/StepKinds.h"

namespace sheetgen {

// splitmix64: the same numbers on every platform and library.
struct Rng {
  uint64_t s;
  uint64_t Next() {
    uint64_t z = (s += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
  }
  double Uniform(double a, double b) { return a + (b - a) * (Next() >> 11) * 0x1.0p-53; }
  int Index(size_t n) { return static_cast<int>(Next() % n); }
  double Sign() { return (Next() & 1) ? 1.0 : -1.0; }
};
// The region where inputs are taken from: a little more than the view.
constexpr double kBoundX = 7.0, kBoundY = 5.0;

inline bool Real(const CComplex& z) { return z.realp() && std::isfinite(z.re); }

inline bool GoodPoint(const GPoint* p) {
  if (!Real(p->x) || !Real(p->y) || !Real(p->z) || std::fabs(p->z.re) < 1e-9) return false;
  const double x = p->x.re / p->z.re, y = p->y.re / p->z.re;
  return std::fabs(x) < kBoundX && std::fabs(y) < kBoundY;
}

inline bool GoodLine(const GLine* l) {
  if (!Real(l->a) || !Real(l->b) || !Real(l->c)) return false;
  const double n = std::hypot(l->a.re, l->b.re);
  return n > 1e-9 && std::fabs(l->c.re) / n < kBoundY;  // passes near the view
}

inline bool GoodCircle(const GCircle* c) {
  if (!Real(c->cx) || !Real(c->cy) || !Real(c->r2)) return false;
  return c->r2.re > 0.04 && c->r2.re < 16.0 && std::fabs(c->cx.re) < kBoundX &&
         std::fabs(c->cy.re) < kBoundY;
}

inline double X(const GPoint* p) { return p->x.re / p->z.re; }
inline double Y(const GPoint* p) { return p->y.re / p->z.re; }
inline double Dist(const GPoint* p, const GPoint* q) {
  return std::hypot(X(p) - X(q), Y(p) - Y(q));
}

// Where two real lines meet; false when they are nearly parallel or meet far
// outside the view.
inline bool MeetOf(const GLine* l, const GLine* m, double* x, double* y) {
  const double na = std::hypot(l->a.re, l->b.re), nb = std::hypot(m->a.re, m->b.re);
  const double det = l->a.re * m->b.re - l->b.re * m->a.re;
  if (std::fabs(det) < 0.25 * na * nb) return false;  // less than about 15 degrees
  *x = (l->b.re * m->c.re - l->c.re * m->b.re) / det;
  *y = (l->c.re * m->a.re - l->a.re * m->c.re) / det;
  return std::fabs(*x) < kBoundX && std::fabs(*y) < kBoundY;
}

// Values the generator chooses freely (coordinates of free points, positions
// along lines and circles, angles) lie on the grid of the file's three
// decimals: the written document is then the figure itself, and reading it
// back rebuilds the same positions to the last bit.
inline double Grid(double v) { return std::round(v * 1000.0) / 1000.0; }

// The kind of line a point-on-a-line kind runs along, as the point tool binds
// a point to the line under it; 0 for the other kinds.
inline GStepKind CarrierKind(GStepKind pointKind) { return StepKindOf(pointKind)->carrier; }

class Builder {
 public:
  Builder(GDocument& doc, uint64_t seed) : doc_(doc), rng_{seed} {}

  // Makes a step of `kind`; false when its inputs cannot be found yet or
  // the new element turned out to repeat an existing one (and was removed).
  bool TryMake(GStepKind kind);

  // A failed pick of inputs becomes a simpler step of the same element kind.
  void Fallback(GStepKind kind) {
    switch (StepKindOf(kind)->output) {
      case OUTPUT_LINE:
        if (TryMake(CONST_JOIN)) return;
        break;
      case OUTPUT_CIRCLE:
        if (TryMake(CONST_MULTI_CIRCLE)) return;
        break;
      default:
        break;
    }
    TryMake(CONST_FREE);
  }

 private:
  GDocument& doc_;
  Rng rng_;
  std::vector<GPoint*> points_;  // good points, usable as inputs
  std::vector<GLine*> lines_;
  std::vector<GCircle*> circles_;
  std::vector<std::pair<GCircle*, GPoint*>> onCircle_;  // points made on circles
  std::map<GStepKind, std::vector<GConst*>> carriers_;  // steps of good lines, by kind

  GPoint* AnyPoint() { return points_[rng_.Index(points_.size())]; }

  // Two good points at a distance within [lo, hi], or none.
  bool TwoPoints(double lo, double hi, GPoint** p, GPoint** q) {
    if (points_.size() < 2) return false;
    for (int i = 0; i < 40; ++i) {
      *p = AnyPoint();
      *q = AnyPoint();
      const double d = Dist(*p, *q);
      if (*p != *q && d >= lo && d <= hi) return true;
    }
    return false;
  }

  // Three points spanning a triangle that is neither tiny nor flat.
  bool Triangle(GPoint** a, GPoint** v, GPoint** b) {
    for (int i = 0; i < 40; ++i) {
      if (!TwoPoints(0.5, 4.0, a, v)) return false;
      *b = AnyPoint();
      const double area = (X(*v) - X(*a)) * (Y(*b) - Y(*a)) - (X(*b) - X(*a)) * (Y(*v) - Y(*a));
      if (std::fabs(area) > 0.6 && Dist(*b, *a) < 4.0 && Dist(*b, *v) < 4.0) return true;
    }
    return false;
  }

  bool MeetingLines(GLine** l, GLine** m, double* x, double* y) {
    if (lines_.size() < 2) return false;
    for (int i = 0; i < 40; ++i) {
      *l = lines_[rng_.Index(lines_.size())];
      *m = lines_[rng_.Index(lines_.size())];
      if (*l != *m && MeetOf(*l, *m, x, y)) return true;
    }
    return false;
  }

  bool LineAndPoint(GLine** l, GPoint** p) {
    if (lines_.empty() || points_.empty()) return false;
    *l = lines_[rng_.Index(lines_.size())];
    *p = AnyPoint();
    return true;
  }

  // A line crossing a circle well inside it, and one of the two crossings.
  bool LineCircle(GLine** l, GCircle** c, double* x, double* y) {
    if (lines_.empty() || circles_.empty()) return false;
    for (int i = 0; i < 60; ++i) {
      *l = lines_[rng_.Index(lines_.size())];
      *c = circles_[rng_.Index(circles_.size())];
      const double a = (*l)->a.re, b = (*l)->b.re, cc = (*l)->c.re;
      const double n = std::hypot(a, b);
      const double cx = (*c)->cx.re, cy = (*c)->cy.re, r = std::sqrt((*c)->r2.re);
      const double d = (a * cx + b * cy + cc) / n;  // signed distance of the centre
      if (std::fabs(d) > 0.9 * r) continue;
      const double fx = cx - d * a / n, fy = cy - d * b / n;  // foot on the line
      const double h = rng_.Sign() * std::sqrt(r * r - d * d);
      *x = fx - h * b / n;
      *y = fy + h * a / n;
      return true;
    }
    return false;
  }

  // Two circles crossing at a clear angle, and one of the two crossings.
  bool CircleCircle(GCircle** c, GCircle** e, double* x, double* y) {
    if (circles_.size() < 2) return false;
    for (int i = 0; i < 60; ++i) {
      *c = circles_[rng_.Index(circles_.size())];
      *e = circles_[rng_.Index(circles_.size())];
      if (*c == *e) continue;
      const double x1 = (*c)->cx.re, y1 = (*c)->cy.re, r1 = std::sqrt((*c)->r2.re);
      const double x2 = (*e)->cx.re, y2 = (*e)->cy.re, r2 = std::sqrt((*e)->r2.re);
      const double d = std::hypot(x2 - x1, y2 - y1);
      if (d < std::fabs(r1 - r2) + 0.1 || d > r1 + r2 - 0.1) continue;
      const double along = (d * d + r1 * r1 - r2 * r2) / (2 * d);
      const double h = rng_.Sign() * std::sqrt(r1 * r1 - along * along);
      const double ux = (x2 - x1) / d, uy = (y2 - y1) / d;
      *x = x1 + along * ux - h * uy;
      *y = y1 + along * uy + h * ux;
      return true;
    }
    return false;
  }

  // ---- outputs: made, evaluated, listed and named as the tools do ----
  //
  // With `unique`, the coincidence check of the tools (and of opening a file)
  // runs: a new element that is an old one again is removed with its step,
  // and none is returned. A document written from the sheet therefore reads
  // back into the very same steps.

  GPoint* OutPoint(GConst* c, bool unique) {
    GPoint* p = doc_.NewPoint(CComplex(0, 0), CComplex(0, 0));
    if (!p) return nullptr;
    c->POutput = p;
    c->Evaluate();
    doc_.AssignPoint(p);
    doc_.SetPointName(p);
    if (unique && doc_.Relations().CheckCoincidency(p)) return nullptr;
    if (GoodPoint(p)) points_.push_back(p);
    return p;
  }

  GLine* OutLine(GConst* c) {
    GLine* l = doc_.NewLine(CComplex(1, 0), CComplex(0, 0), CComplex(0, 0));
    if (!l) return nullptr;
    c->LOutput = l;
    c->Evaluate();
    doc_.AssignLine(l);
    l->name = doc_.TakeName(GNameKind::kLine);
    if (doc_.Relations().CheckCoincidency(l)) return nullptr;
    if (GoodLine(l)) {
      lines_.push_back(l);
      carriers_[c->type].push_back(c);
    }
    return l;
  }

  GCircle* OutCircle(GConst* c) {
    GCircle* e = doc_.NewCircle(0, 0, 1);
    if (!e) return nullptr;
    c->COutput = e;
    c->Evaluate();
    doc_.AssignCircle(e);
    doc_.SetCircleName(e);
    if (doc_.Relations().CheckCoincidency(e)) return nullptr;
    if (GoodCircle(e)) circles_.push_back(e);
    return e;
  }

  // Records that p lies on l (or c), as the tools do for the points they
  // place on a line or circle.
  void OnLine(GLine* l, GPoint* p) {
    if (l && p) doc_.AssignIncident(l, p, 0.0);
  }
  void OnCircle(GCircle* c, GPoint* p) {
    if (!c || !p) return;
    doc_.AssignIncident(c, p, std::atan2(c->cy.re - Y(p), X(p) - c->cx.re));
  }

  bool OnCarrier(GStepKind kind);
};

}  // namespace sheetgen
