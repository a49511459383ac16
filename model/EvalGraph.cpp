// Sampling of function graphs and parametric curves into polylines. The step
// adapts to the picture: consecutive samples lie 5 to 10 pixels apart on the
// screen, and only the view (with a margin) is sampled.
#include <cmath>

#include "model/EvalText.h"
#include "model/Formula.h"
#include "model/GConst.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The offset in `text` as written of the byte at `at` in the text parsed
// (values put in, blanks dropped): a place inside a value is its reference.
size_t WrittenOffset(GConst* first, const std::string& text, size_t at) {
  size_t parsed = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (IsBlank(text[i])) continue;
    size_t length = 1, next = i;
    if (text[i] == '{') {
      next = text.find('}', i + 1);
      std::string value;
      EvaluateText(first, text.substr(i, next - i + 1), value, true);
      length = value.size();
    }
    if (at < parsed + length) return i;
    parsed += length;
    i = next;
  }
  return text.size();
}

// The first reference without its "}" or without a name and a letter.
size_t BrokenReference(const std::string& text) {
  for (size_t open = text.find('{'); open != std::string::npos; open = text.find('{', open + 1)) {
    const size_t close = text.find('}', open + 1);
    if (close == std::string::npos || close - open - 1 < 2) return open;
    open = close;
  }
  return 0;
}

}  // namespace

int ParseCurveFormula(GConst* first, const std::string& text, GCalculation*& tree,
                      GFormulaError* error) {
  std::string substituted, bare;
  const bool broken = EvaluateText(first, text, substituted, true) != 0;
  bare.reserve(substituted.size());
  for (char c : substituted)
    if (!IsBlank(c)) bare += c;
  DeleteGCalc(tree);
  tree = nullptr;
  const int code = MakeCalcPolynomial(bare, tree, error);
  if (code != CALC_OK && error) {
    // A broken reference empties the whole text: that, not the emptiness, is
    // what the person has to mend.
    if (broken)
      *error = GFormulaError{code, GFormulaFault::kReference, BrokenReference(text), "{"};
    else
      error->at = WrittenOffset(first, text, error->at);
  }
  return code;
}

void ReleaseCurveTrees(GParaCurve* c) {
  DeleteGCalc(c->calc1);
  DeleteGCalc(c->calc2);
  c->calc1 = c->calc2 = nullptr;
}

namespace {

// How the step length last changed while the samples are refined.
enum Refine { kSettled, kShrunk, kGrown };

constexpr int kMaxGraphSamples = 499;
// Bounds the work of one sampling: a parametric curve over an enormous range
// would otherwise take 0.1 steps across all of it, far outside the view.
constexpr int kMaxTrials = 100000;

// A step view with a pixel size and bounds to sample in.
bool ViewUsable(const GConst& k) {
  return k.viewScale > 0 && std::isfinite(k.viewScale) && std::isfinite(k.viewLeft) &&
         std::isfinite(k.viewRight) && std::isfinite(k.viewTop) && std::isfinite(k.viewBottom);
}

// One sample of the curve: where, and whether it counts (defined and near
// enough to the view to be drawn).
struct Sample {
  double x = 0, y = 0;
  bool defined = false, good = false;
};

// Stores samples by the rule shared by graphs and parametric curves: the
// polyline enters the view with the last sample outside it, and leaves it
// with the first sample outside it. Undefined samples are never stored, so
// no chord runs to the made-up value of a pole or a logarithm of 0.
void StoreSample(GParaCurve* c, const Sample& prev, const Sample& cur) {
  auto store = [c](const Sample& s) {
    if (!s.defined || c->count >= kMaxGraphSamples) return;
    c->X[c->count] = s.x;
    c->Y[c->count] = s.y;
    c->flag[c->count] = 1;
    ++c->count;
  };
  if (cur.good && !prev.good) store(prev);
  if (cur.good || prev.good) store(cur);
}

double Gap(const Sample& a, const Sample& b) { return std::hypot(b.x - a.x, b.y - a.y); }

// Adapts the step to the gap (in pixels) between two good samples: more than
// 10 pixels shrinks it (down to 0.0005), less than 5 grows it (up to
// `most`), but never back the other way at once, so the refinement ends.
// True when the sample must be taken again with the new step.
bool Retry(double gap, double* step, double most, Refine* state) {
  if (gap > 10 && *step > 0.0005 && *state != kGrown) {
    *step *= 0.7;
    *state = kShrunk;
    return true;
  }
  if (gap < 5 && *step < most && *state != kShrunk) {
    *step /= 0.7;
    *state = kGrown;
    return true;
  }
  return false;
}

}  // namespace

// y = f(x) across the step view. x runs from a little left of the view (or
// from x-min) to the right edge of the view (or x-max).
int GConst::Evaluate_Graph() {
  GParaCurve* c = CurveOutput;
  if (!c) return 1;
  c->count = 0;
  // A formula that cannot be built fails the step quietly: the person was
  // told why when the formula was typed or read.
  if (ParseCurveFormula(firstConst, c->expr1, c->calc1) != 0) return 1;
  const GCalculation& f = *c->calc1;
  const double px = viewScale;
  if (!ViewUsable(*this)) return 1;
  const double band = 0.1 * (viewTop - viewBottom);
  const double low = viewBottom - band, high = viewTop + band;
  auto at = [&](double x) {
    Sample s;
    s.x = x;
    s.defined = f.Evaluate(x, &s.y);
    s.good = s.defined && s.y > low && s.y < high;
    return s;
  };
  double h = 10 * px;
  const double end = std::min(viewRight + 3 * h, c->xmax);
  Sample prev = at(std::max(viewLeft - 3 * h, c->xmin));
  if (prev.good) StoreSample(c, Sample(), prev);
  Refine state = kSettled;
  for (int n = 0; prev.x < end && c->count < kMaxGraphSamples && n < kMaxTrials; ++n) {
    const Sample cur = at(std::min(std::max(prev.x + h, c->xmin), end));
    if (!cur.good)
      h = 10 * px;
    else if (Retry(Gap(prev, cur) / px, &h, 20 * px, &state))
      continue;
    state = kSettled;
    StoreSample(c, prev, cur);
    prev = cur;
  }
  return 0;
}

// (x(t), y(t)) for t over the curve's range: the second formula gives x, the
// first y.
int GConst::Evaluate_ParaCurve() {
  GParaCurve* c = CurveOutput;
  if (!c) return 1;
  c->count = 0;
  if (ParseCurveFormula(firstConst, c->expr1, c->calc1) != 0 ||
      ParseCurveFormula(firstConst, c->expr2, c->calc2) != 0)
    return 1;
  const double px = viewScale;
  if (!ViewUsable(*this)) return 1;
  const double w = 0.1 * (viewRight - viewLeft), hgt = 0.1 * (viewTop - viewBottom);
  auto at = [&](double t) {
    Sample s;
    s.defined = c->calc2->Evaluate(t, &s.x) && c->calc1->Evaluate(t, &s.y);
    s.good = s.defined && s.x > viewLeft - w && s.x < viewRight + w && s.y > viewBottom - hgt &&
             s.y < viewTop + hgt;
    return s;
  };
  double t = c->xmin, dt = 0.1;
  Sample prev = at(t);
  if (prev.good) StoreSample(c, Sample(), prev);
  Refine state = kSettled;
  for (int n = 0; t < c->xmax && c->count < kMaxGraphSamples && n < kMaxTrials; ++n) {
    const double t2 = std::min(t + dt, c->xmax);
    const Sample cur = at(t2);
    if (!cur.good)
      dt = 0.1;
    else if (Retry(Gap(prev, cur) / px, &dt, 0.2, &state))
      continue;
    state = kSettled;
    StoreSample(c, prev, cur);
    prev = cur;
    t = t2;
  }
  return 0;
}
