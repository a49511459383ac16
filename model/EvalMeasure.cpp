// The measuring words of evaluated texts: {distance(A,B)}, {length(a)},
// {radius(c)}, {circumference(c)}, {area(c)}, {area(A,B,C,...)},
// {angle(ag1)} and {slope(a)}, each replaced by the value of the figure now.
#include <cmath>
#include <cstdio>
#include <vector>

#include "model/EvalText.h"
#include "model/GConst.h"
#include "model/Lookup.h"

namespace {

// The step that made the element of that name.
GConst* Named(GConst* first, const std::string& name) {
  GConst* step = nullptr;
  if (!FindNameFromCns(first, name, &step)) return nullptr;
  return step;
}

// The real affine position of a named point; false when the point is
// unknown, at infinity or has left the real plane.
bool PointAt(GConst* first, const std::string& name, double* x, double* y) {
  GConst* step = Named(first, name);
  const GPoint* p = step ? step->POutput : nullptr;
  if (!p || zerop(p->z)) return false;
  const CComplex px = p->x / p->z, py = p->y / p->z;
  if (!px.realp() || !py.realp()) return false;
  *x = px.re;
  *y = py.re;
  return true;
}

// A real, finite circle's radius.
bool RadiusOf(GConst* first, const std::string& name, double* r) {
  GConst* step = Named(first, name);
  const GCircle* c = step ? step->COutput : nullptr;
  if (!c || !c->r2.realp() || c->r2.re < 0 || !std::isfinite(c->r2.re)) return false;
  *r = std::sqrt(c->r2.re);
  return true;
}

// The signed area of the polygon through the points in the order given
// (the shoelace sum); its size is the area whatever the turning sense.
bool PolygonArea(GConst* first, const std::vector<std::string>& names, double* area) {
  if (names.size() < 3) return false;
  std::vector<double> xs(names.size()), ys(names.size());
  for (size_t i = 0; i < names.size(); ++i)
    if (!PointAt(first, names[i], &xs[i], &ys[i])) return false;
  double twice = 0;
  for (size_t i = 0; i < names.size(); ++i) {
    const size_t j = (i + 1) % names.size();
    twice += xs[i] * ys[j] - xs[j] * ys[i];
  }
  *area = std::fabs(twice) / 2;
  return true;
}

// Splits "word(a,b,...)" into the word and its arguments; a comma may come
// escaped (stored texts keep every comma as backslash-comma).
bool SplitCall(const std::string& ref, std::string& word, std::vector<std::string>& args) {
  const size_t open = ref.find('(');
  if (open == std::string::npos || open == 0 || ref.back() != ')') return false;
  word = ref.substr(0, open);
  std::string arg;
  for (size_t i = open + 1; i + 1 < ref.size(); ++i) {
    const char ch = ref[i];
    if (ch == '\\' && i + 2 < ref.size() && ref[i + 1] == ',') continue;
    if (ch == ' ') continue;
    if (ch == ',') {
      args.push_back(arg);
      arg.clear();
    } else {
      arg += ch;
    }
  }
  args.push_back(arg);
  for (const std::string& a : args)
    if (a.empty()) return false;
  return true;
}

bool Compute(GConst* first, const std::string& word, const std::vector<std::string>& args,
             double* v) {
  const size_t n = args.size();
  if (word == "distance" && n == 2) {
    double x1, y1, x2, y2;
    if (!PointAt(first, args[0], &x1, &y1) || !PointAt(first, args[1], &x2, &y2)) return false;
    *v = std::hypot(x2 - x1, y2 - y1);
    return true;
  }
  if (word == "length" && n == 1) {
    // A segment: the line of two points, measured between them.
    GConst* step = Named(first, args[0]);
    if (!step || step->type != CONST_JOIN || !step->PInput1 || !step->PInput2) return false;
    const std::vector<std::string> ends{step->PInput1->name, step->PInput2->name};
    return Compute(first, "distance", ends, v);
  }
  if (word == "radius" && n == 1) return RadiusOf(first, args[0], v);
  if (word == "circumference" && n == 1) {
    double r;
    if (!RadiusOf(first, args[0], &r)) return false;
    *v = 2 * M_PI * r;
    return true;
  }
  if (word == "area" && n == 1) {
    double r;
    if (!RadiusOf(first, args[0], &r)) return false;
    *v = M_PI * r * r;
    return true;
  }
  if (word == "area") return PolygonArea(first, args, v);
  if (word == "angle" && n == 1) {
    // Full degrees of the mark, unlike the older {ag1_} with its 3.14159.
    GConst* step = Named(first, args[0]);
    const GAngle* a = step ? step->AngleOutput : nullptr;
    if (!a || !a->value.realp()) return false;
    *v = std::fabs(a->value.re) * 180.0 / M_PI;
    return true;
  }
  if (word == "slope" && n == 1) {
    // y = m x + k for the line a x + b y + c = 0: m = -a / b; a vertical
    // line has none.
    GConst* step = Named(first, args[0]);
    const GLine* l = step ? step->LOutput : nullptr;
    double a, b, c;
    if (!l || !l->realp(&a, &b, &c) || std::fabs(b) < CCPXepsilon * std::fabs(a)) return false;
    *v = -a / b;
    return true;
  }
  return false;
}

}  // namespace

bool MeasureValue(GConst* first, const std::string& ref, std::string& value) {
  std::string word;
  std::vector<std::string> args;
  if (!SplitCall(ref, word, args)) return false;
  double v = 0;
  if (!Compute(first, word, args, &v) || !std::isfinite(v)) return false;
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.2f", v);
  // "-0.00" reads as a fault to a child: a slope of almost nothing is 0.
  value = std::string(buf) == "-0.00" ? std::string("0.00") : std::string(buf);
  return true;
}
