// Loci: the path of a traced point while a driving point runs once round its
// circle (CONST_ORBIT1) or along its whole line (CONST_ORBIT2). The figure is
// swept through the driver's positions and then put back exactly as it was.
#include <cmath>
#include <unordered_map>
#include <vector>

#include "model/Document.h"
#include "model/Lookup.h"
#include "model/StepState.h"

namespace {

constexpr int kMaxTrials = 60000;  // bounds a sweep whose step keeps shrinking

bool IsMeet(const GConst* c) { return c->type == CONST_MEET_CL || c->type == CONST_MEET_CC; }

// Loci being swept right now. While one is, evaluating another locus leaves
// that locus as it is: it would run the figure through its own sweep inside
// every trial of this one (and reset the branch memory of the intersections
// each time), and the figure returns to its place before anything is drawn.
int g_Sweeping = 0;

// The steps from the head up to and including `last` that the traced point
// depends on, in list order; with `whole` set every one of them. A step that
// names elements in its formula (or finds its tangent by search) may read
// anything before it.
std::vector<GConst*> SweepSteps(GConst* head, GConst* last, bool whole) {
  std::vector<GConst*> steps;
  for (GConst* c = head; c; c = c->next) {
    steps.push_back(c);
    if (c == last) break;
  }
  if (whole) return steps;
  const int n = static_cast<int>(steps.size());
  std::unordered_map<const void*, int> producer;
  for (int i = 0; i < n; ++i) {
    GConst* c = steps[i];
    for (const void* out :
         {static_cast<const void*>(c->POutput), static_cast<const void*>(c->LOutput),
          static_cast<const void*>(c->COutput), static_cast<const void*>(c->AngleOutput),
          static_cast<const void*>(c->CurveOutput)})
      if (out) producer[out] = i;
  }
  std::vector<char> need(n, 0);
  need[n - 1] = 1;
  bool all = false;
  for (int i = n - 1; i >= 0; --i) {
    if (all) need[i] = 1;
    if (!need[i]) continue;
    GConst* c = steps[i];
    const void* inputs[] = {c->PInput1, c->PInput2,     c->PInput3,     c->LInput1,
                            c->LInput2, c->LInput3,     c->CInput1,     c->CInput2,
                            c->CInput3, c->CurveInput1, c->CurveInput2, c->AngleInput1};
    for (const void* in : inputs) {
      if (!in) continue;
      auto it = producer.find(in);
      if (it != producer.end() && it->second < i) need[it->second] = 1;
    }
    if (c->type == CONST_GRAPH || c->type == CONST_PARA_CURVE ||
        c->type == CONST_PT_ON_CURVE_TANGENT)
      all = true;
  }
  std::vector<GConst*> out;
  for (int i = 0; i < n; ++i)
    if (need[i]) out.push_back(steps[i]);
  return out;
}

// Everything a sweep disturbs, saved at its start and put back at its end:
// the motion matrix, the dragged point, every point's motion record and the
// state of every step the sweep evaluates.
class SweepScope {
 public:
  // The driver's step is saved too: its parameter is what the sweep varies.
  SweepScope(GDocument& doc, const std::vector<GConst*>& steps, GConst* driverStep,
             const GPoint* driver)
      : doc_(doc), motion_(doc.Motion()), moving_(doc.MovingPoint()) {
    records_.resize(doc.Store().Points().Built());
    for (int i = 0; i < (int)records_.size(); ++i) {
      const GPoint& p = doc.Store().Points()[i];
      records_[i] = {p.a11, p.a12, p.a21, p.a22, p.prevX, p.prevY, p.dX, p.dY};
    }
    saved_.resize(steps.size() + 1);
    SaveStep(driverStep, saved_[0]);
    for (size_t i = 0; i < steps.size(); ++i) SaveStep(steps[i], saved_[i + 1]);
    doc.SetMovingPoint(nullptr);
    doc.SetMotion({driver->a11, driver->a12, driver->a21, driver->a22});
    ++g_Sweeping;
  }
  ~SweepScope() {
    RestoreSteps(saved_);
    for (int i = 0; i < (int)records_.size(); ++i) {
      GPoint& p = doc_.Store().Points()[i];
      const Record& r = records_[i];
      p.a11 = r.a11;
      p.a12 = r.a12;
      p.a21 = r.a21;
      p.a22 = r.a22;
      p.prevX = r.prevX;
      p.prevY = r.prevY;
      p.dX = r.dX;
      p.dY = r.dY;
    }
    doc_.SetMotion(motion_);
    doc_.SetMovingPoint(moving_);
    // The intersections start their branch memory afresh from where they are.
    for (GConst* c = doc_.FirstConst(); c; c = c->next) {
      if (!IsMeet(c) || !c->POutput) continue;
      c->param1 = c->POutput->x;
      c->param2 = c->POutput->y;
      c->param3 = c->param4 = kNoRejectedMeet;
    }
    --g_Sweeping;
  }
  SweepScope(const SweepScope&) = delete;
  SweepScope& operator=(const SweepScope&) = delete;

 private:
  struct Record {
    double a11, a12, a21, a22, prevX, prevY, dX, dY;
  };
  GDocument& doc_;
  GMotion motion_;
  GPoint* moving_;
  std::vector<Record> records_;
  std::vector<SavedStep> saved_;
};

// The trials of one sweep: the driver's step takes each value in turn, the
// steps are evaluated and the traced point read.
class Sweep {
 public:
  Sweep(GConst* locus, GConst* driverStep, const std::vector<GConst*>& steps)
      : locus_(locus), driver_(driverStep), steps_(steps) {
    // The first intersection of the list (not kept apart from another point)
    // before the traced point chooses its branch afresh from where it was in
    // every trial. It is looked for in the whole list, so that sweeping only
    // the steps the traced point depends on changes nothing.
    for (GConst* c = locus->owner->FirstConst(); c && c != steps_.back(); c = c->next) {
      if (IsMeet(c) && !c->PInput1) {
        meet_ = c;
        break;
      }
    }
    if (meet_) {
      meetParams_[0] = meet_->param1;
      meetParams_[1] = meet_->param2;
      meetParams_[2] = meet_->param3;
      meetParams_[3] = meet_->param4;
    }
  }

  // Evaluates at driver parameters (p1, p2); reads the traced point.
  void Trial(double p1, double p2, double* x, double* y, bool* real) {
    driver_->param1 = CComplex(p1, 0);
    if (locus_->type == CONST_ORBIT2) driver_->param2 = CComplex(p2, 0);
    for (GConst* c : steps_) c->Evaluate();
    if (meet_) {
      meet_->param1 = meetParams_[0];
      meet_->param2 = meetParams_[1];
      meet_->param3 = meetParams_[2];
      meet_->param4 = meetParams_[3];
    }
    const GPoint* p = locus_->PInput2;
    const CComplex px = p->xz(), py = p->yz();
    *x = px.re;
    *y = py.re;
    *real = std::fabs(px.im) <= 1e-6 && std::fabs(py.im) <= 1e-6 && std::isfinite(px.re) &&
            std::isfinite(py.re);
  }

 private:
  GConst* locus_;
  GConst* driver_;
  const std::vector<GConst*>& steps_;
  GConst* meet_ = nullptr;
  CComplex meetParams_[4];
};

enum Phase { kForward, kBackward, kForwardAgain };

// The state of a sweep's walk along the driver's parameter: the adaptive
// step, the stored samples and the turns at complex positions.
struct Walk {
  GConst* locus;
  GParaCurve* curve;
  double delta = 0.2;
  int dir = 1;
  Phase phase = kForward;
  int state = 0;  // -1 last change a shrink, +1 a growth
  bool prevReal = true;
  double prevX = 0, prevY = 0;

  bool Inside(double x, double y) const {
    return x > locus->viewLeft && x < locus->viewRight && y > locus->viewBottom &&
           y < locus->viewTop;
  }
  // Adapts the step to the distance from the previous trial: false when the
  // trial must be repeated with the new step.
  bool Accept(double x, double y, double far, double near) {
    if (!Inside(x, y)) {
      delta = 0.2;
      state = 0;
      return true;
    }
    const double g = std::hypot(x - prevX, y - prevY) / locus->viewScale;
    if (g > far && delta > 0.0005 && state != 1) {
      delta *= 0.7;
      state = -1;
      return false;
    }
    if (g < near && delta < 0.2 && state != -1) {
      delta /= 0.7;
      state = 1;
      return false;
    }
    state = 0;
    return true;
  }
  // Stores the sample when it is the first, far enough from the last one, or
  // where the point has just left the real plane.
  void Store(double x, double y, bool real, bool onlyReal) {
    GParaCurve* c = curve;
    if (c->count >= kCurveSamples || (onlyReal && !real)) return;
    const bool turned = prevReal && !real;
    const bool far =
        c->count == 0 ||
        std::hypot(x - c->X[c->count - 1], y - c->Y[c->count - 1]) / locus->viewScale > 7.5;
    if (!(far || turned)) return;
    c->X[c->count] = x;
    c->Y[c->count] = y;
    c->flag[c->count] = real ? 1 : 0;
    ++c->count;
  }
  // An accepted trial: stored by the rule, then the turn (returned).
  bool Take(double x, double y, bool real, bool onlyReal) {
    Store(x, y, real, onlyReal);
    prevX = x;
    prevY = y;
    return Turn(real);
  }
  // After a trial was accepted: a point that left the real plane sends the
  // sweep back from the start (the first time) and forward again (the second).
  // Returns true when the sweep turned; the parameter restarts at `start`.
  bool Turn(bool real) {
    const bool turned = prevReal && !real;
    prevReal = real;
    if (!turned) return false;
    if (phase == kForward) {
      phase = kBackward;
      dir = -1;
      return true;
    }
    if (phase == kBackward) {
      phase = kForwardAgain;
      dir = 1;
    }
    return false;
  }
};

// Finds the steps of the driver and the traced point, and the curve; false
// when a locus has nothing to sweep.
bool Prepare(GConst* locus, GConst** driverStep, GConst** tracedStep) {
  if (!locus->CurveOutput || !locus->PInput1 || !locus->PInput2 || !locus->owner) return false;
  locus->CurveOutput->count = 0;
  return FindCnFromPt(locus->firstConst, locus->PInput1, driverStep) == 0 && *driverStep &&
         FindCnFromPt(locus->firstConst, locus->PInput2, tracedStep) == 0 && *tracedStep;
}

bool TracedIsReal(const GPoint* p) {
  return std::fabs(p->xz().im) <= 1e-6 && std::fabs(p->yz().im) <= 1e-6;
}

// Whether a locus sweeps only the steps its traced point depends on (false:
// every step from the head to the traced point's, as the reference).
bool g_LocusWholeList = false;

}  // namespace

void SetLocusWholeListSweep(bool whole) { g_LocusWholeList = whole; }

namespace {

// What both kinds of locus share: the steps are found and saved, a traced
// point that is not real gives no samples, and `run` sweeps with a fresh walk.
// Everything is put back when it returns.
template <class Run>
int SweepLocus(GConst* locus, bool (*driverFits)(const GConst*), Run run) {
  if (g_Sweeping > 0) return 0;  // inside another locus's sweep: kept as it is
  GConst *drv = nullptr, *traced = nullptr;
  if (!Prepare(locus, &drv, &traced) || !driverFits(drv)) return 1;
  if (!(locus->viewScale > 0) || !std::isfinite(locus->viewScale)) return 1;
  const std::vector<GConst*> steps =
      SweepSteps(locus->owner->FirstConst(), traced, g_LocusWholeList);
  if (steps.empty() || steps.back() != traced) return 1;
  SweepScope scope(*locus->owner, steps, drv, locus->PInput1);
  if (!TracedIsReal(locus->PInput2)) return 0;
  Sweep sweep(locus, drv, steps);
  Walk w{locus, locus->CurveOutput};
  w.prevX = locus->PInput2->xz().re;
  w.prevY = locus->PInput2->yz().re;
  run(drv, sweep, w);
  return 0;
}

bool OnCircle(const GConst* drv) { return drv->type == CONST_PT_ON_CIRCLE; }
// A point on a line with weights t and s; t + s = 0 places it nowhere.
bool OnLine(const GConst* drv) {
  return BoundToLine(drv->type) && drv->param1.re + drv->param2.re != 0;
}

}  // namespace

// The driver's angle runs once round from where it is.
int GConst::Evaluate_Orbit1() {
  return SweepLocus(this, OnCircle, [](GConst* drv, Sweep& sweep, Walk& w) {
    const double start = drv->param1.re;
    double m = start + w.delta, last = start;
    for (int trial = 0; trial < kMaxTrials; ++trial) {
      double x, y;
      bool real;
      sweep.Trial(m, 0, &x, &y, &real);
      if (!w.Accept(x, y, 10, 5)) {
        m = last + w.dir * w.delta;
        continue;
      }
      if (w.Take(x, y, real, false)) m = start;
      if ((w.phase == kForward && m >= start + 6.28) ||
          (w.phase == kBackward && m <= start - 6.28) || (w.phase == kForwardAgain && m >= start))
        break;
      last = m;
      m += w.dir * w.delta;
    }
  });
}

// The driver's ratio u along its line runs out to one far end, comes back
// from the other and returns to where it was.
int GConst::Evaluate_Orbit2() {
  return SweepLocus(this, OnLine, [](GConst* drv, Sweep& sweep, Walk& w) {
    const double u0 = drv->param1.re / (drv->param1.re + drv->param2.re);
    double u = u0 + w.delta, last = u0;
    double x, y;
    bool real;
    for (int trial = 0; trial < kMaxTrials; ++trial) {
      // Past a far end of the line the sweep comes back from the other end,
      // walking the figure across so that intersections keep their branches.
      if (u > 10 || u < -10) {
        const double to = u > 10 ? -9.5 : 9.5, by = u > 10 ? -0.2 : 0.2;
        for (; by < 0 ? u > to : u < to; u += by) sweep.Trial(u, 1 - u, &x, &y, &real);
        u = to;
        last = u - w.dir * w.delta;
      }
      sweep.Trial(u, 1 - u, &x, &y, &real);
      if (!w.Accept(x, y, 4, 1)) {
        u = last + w.dir * w.delta;
        continue;
      }
      // Back where it began, the line has been run through once; the backward
      // leg ends there too, so that a line without complex stretches ends.
      if (w.Take(x, y, real, true))
        u = u0;
      else if (std::fabs(u - u0) < 0.6 * w.delta)
        break;
      last = u;
      u += w.dir * w.delta;
    }
  });
}
