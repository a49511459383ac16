// Saving and restoring what evaluating a step changes, so that a walk through
// other positions of the figure leaves it exactly as it was.
#include "model/StepState.h"

#include <cstring>

void SaveStep(GConst* s, SavedStep& out) {
  out.step = s;
  out.param[0] = s->param1;
  out.param[1] = s->param2;
  out.param[2] = s->param3;
  out.param[3] = s->param4;
  out.curveStep = s->curveStep;
  out.word2 = s->curveWord2;
  out.word3 = s->curveWord3;
  if (GPoint* p = s->POutput) {
    out.value[0] = p->x;
    out.value[1] = p->y;
    out.value[2] = p->z;
    const double m[8] = {p->a11, p->a12, p->a21, p->a22, p->prevX, p->prevY, p->dX, p->dY};
    std::memcpy(out.motion, m, sizeof m);
    out.hidden = p->hidden;
  } else if (GLine* l = s->LOutput) {
    out.value[0] = l->a;
    out.value[1] = l->b;
    out.value[2] = l->c;
    out.hidden = l->hidden;
  } else if (GCircle* c = s->COutput) {
    out.value[0] = c->cx;
    out.value[1] = c->cy;
    out.value[2] = c->r2;
    out.hidden = c->hidden;
  } else if (GAngle* a = s->AngleOutput) {
    const CComplex v[7] = {a->value, a->vx, a->vy, a->d1x, a->d1y, a->d2x, a->d2y};
    for (int i = 0; i < 7; ++i) out.value[i] = v[i];
    out.hidden = a->hidden;
  } else if (GBracket* b = s->BracketOutput) {
    const CComplex v[6] = {b->x1, b->y1, b->z1, b->x2, b->y2, b->z2};
    for (int i = 0; i < 6; ++i) out.value[i] = v[i];
    out.hidden = b->hidden;
  }
}

void RestoreValues(const SavedStep& in) {
  GConst* s = in.step;
  s->param1 = in.param[0];
  s->param2 = in.param[1];
  s->param3 = in.param[2];
  s->param4 = in.param[3];
  s->curveStep = in.curveStep;
  s->curveWord2 = in.word2;
  s->curveWord3 = in.word3;
  if (GPoint* p = s->POutput) {
    p->x = in.value[0];
    p->y = in.value[1];
    p->z = in.value[2];
    p->a11 = in.motion[0];
    p->a12 = in.motion[1];
    p->a21 = in.motion[2];
    p->a22 = in.motion[3];
    p->prevX = in.motion[4];
    p->prevY = in.motion[5];
    p->dX = in.motion[6];
    p->dY = in.motion[7];
    p->hidden = in.hidden;
  } else if (GLine* l = s->LOutput) {
    l->a = in.value[0];
    l->b = in.value[1];
    l->c = in.value[2];
    l->hidden = in.hidden;
  } else if (GCircle* c = s->COutput) {
    c->cx = in.value[0];
    c->cy = in.value[1];
    c->r2 = in.value[2];
    c->hidden = in.hidden;
  } else if (GAngle* a = s->AngleOutput) {
    CComplex* v[7] = {&a->value, &a->vx, &a->vy, &a->d1x, &a->d1y, &a->d2x, &a->d2y};
    for (int i = 0; i < 7; ++i) *v[i] = in.value[i];
    a->hidden = in.hidden;
  } else if (GBracket* b = s->BracketOutput) {
    CComplex* v[6] = {&b->x1, &b->y1, &b->z1, &b->x2, &b->y2, &b->z2};
    for (int i = 0; i < 6; ++i) *v[i] = in.value[i];
    b->hidden = in.hidden;
  }
}

// Puts the saved steps back. Curves keep hundreds of samples and their own
// expression trees, so they are sampled again instead; sampling may disturb
// other steps (a locus runs the figure through its whole range), hence the
// values are put back once more afterwards.
void RestoreSteps(const std::vector<SavedStep>& saved) {
  for (const SavedStep& s : saved) RestoreValues(s);
  bool sampled = false;
  for (const SavedStep& s : saved) {
    if (s.step->CurveOutput) {
      s.step->Evaluate();
      sampled = true;
    }
  }
  if (sampled)
    for (const SavedStep& s : saved) RestoreValues(s);
}
