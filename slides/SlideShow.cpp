// The ticks of the slide show. Each repaint advances the current effect by one
// tick: a fade takes 4 ticks, a slide 10, a swell ("effect") 10; then the next
// effect of the sheet becomes current, or the show waits for a click.
#include "slides/SlideShow.h"

#include <cmath>
#include <vector>

namespace {

// Pixels an element keeps from the window edge when it has left the window.
constexpr int kSpare = 30;
// A slide moves its element in this many equal whole-pixel steps.
constexpr int kSlideSteps = 10;
constexpr double kSwellStep = 0.2;

// The element's hilight goes: a hilighted element is drawn in the hilight
// look, which would hide the fading and the swell.
void Unlight(GDocument& doc, const GConst* effect, GObject* e) {
  switch (effect->type) {
    case CONST_EFFECT_POINT:
      doc.Deletehilighted(static_cast<GPoint*>(e));
      break;
    case CONST_EFFECT_LINE:
      doc.Deletehilighted(static_cast<GLine*>(e));
      break;
    case CONST_EFFECT_CIRCLE:
      doc.Deletehilighted(static_cast<GCircle*>(e));
      break;
    case CONST_EFFECT_CURVE:
      doc.Deletehilighted(static_cast<GParaCurve*>(e));
      break;
    case CONST_EFFECT_ANGLE:
      doc.Deletehilighted(static_cast<GAngle*>(e));
      break;
    case CONST_EFFECT_BRACKET:
      doc.Deletehilighted(static_cast<GBracket*>(e));
      break;
    case CONST_EFFECT_IMAGE:
      doc.Deletehilighted(static_cast<GImage*>(e));
      break;
    default:
      break;
  }
  e->hilighted = 0;
}

// One tick of the swell: the width factor grows by 0.2 up to 2, then shrinks
// back to 1. True on the tick the round ends (the tenth).
bool Swell(GObject* e) {
  e->widthFactor += e->emphasisSpeed;
  if (e->emphasisSpeed > 0 && e->widthFactor >= 2.0 - 1e-9) {
    e->widthFactor = 2.0;
    e->emphasisSpeed = -e->emphasisSpeed;
  } else if (e->emphasisSpeed < 0 && e->widthFactor <= 1.0 + 1e-9) {
    e->widthFactor = 1.0;
    return true;
  }
  return false;
}

// After its round the swell keeps its shrinking speed at the normal width;
// Init_anim_entry starts every effect with a growing one.
bool SwellDone(const GObject* e) { return e->emphasisSpeed < 0 && e->widthFactor <= 1.0; }

// Curves have no slide limits: every curve effect fades.
int DirectionOf(const GConst* effect) {
  if (effect->type == CONST_EFFECT_CURVE) return kFade;
  return (effect->direction >= kFade && effect->direction <= kBottom) ? effect->direction : kFade;
}

int& OffsetOf(GObject* e, int direction) {
  return (direction == kRight || direction == kLeft) ? e->offsetDx : e->offsetDy;
}

int LimitOf(const GObject* e, int direction) {
  switch (direction) {
    case kRight:
      return e->offRight;
    case kLeft:
      return e->offLeft;
    case kTop:
      return e->offTop;
    default:
      return e->offBottom;
  }
}

}  // namespace

bool GSlideShow::Init_anim_entry(GConst* step) {
  GObject* e = EffectElement(step);
  if (!e) return false;  // not an effect, or its element is gone
  m_CurrentEffect = step;
  m_EffectWaiting = step->click == 1;
  e->widthFactor = 1.0;
  e->emphasisSpeed = kSwellStep;
  Unlight(m_Doc, step, e);
  const int direction = DirectionOf(step);
  const bool appear = step->inout == 0;
  if (step->type == CONST_EFFECT_CURVE) {
    e->SetOffset(appear ? 4 : 0, 0, 0, 0);
    e->offRight = e->offLeft = e->offTop = e->offBottom = 0;
    return true;
  }

  // The offsets at which the element lies wholly outside the window, with
  // some pixels to spare, in each of the four directions.
  const GSlideBox w = m_Window ? m_Window->Window() : GSlideBox{};
  GSlideBox b = w;  // an element drawn nowhere crosses a whole window
  if (m_Window && !m_Window->Extent(step, &b)) b = w;
  e->offRight = w.right - b.left + kSpare;
  e->offLeft = w.left - b.right - kSpare;
  e->offTop = w.top - b.bottom - kSpare;
  e->offBottom = w.bottom - b.top + kSpare;

  if (direction == kFade) {
    e->SetOffset(appear ? 4 : 0, 0, 0, 0);
    return true;
  }
  // Ten equal whole-pixel steps; an appearing element starts ten steps out,
  // which is outside the window too (the rest of the division is less than
  // the spare pixels).
  const int s = LimitOf(e, direction) / kSlideSteps;
  const int start = appear ? kSlideSteps * s : 0;
  if (direction == kRight || direction == kLeft)
    e->SetOffset(0, start, 0, s);
  else
    e->SetOffset(0, 0, start, s);
  return true;
}

void GSlideShow::SlideShowStart(GConst* step) {
  // Prepared from the last to the first, so that an element with several
  // effects starts as its first effect wants it, and the first effect of the
  // list is current at the end.
  std::vector<GConst*> effects;
  for (GConst* c = step; c; c = c->next)
    if (IsEffect(c)) effects.push_back(c);
  for (auto it = effects.rbegin(); it != effects.rend(); ++it) Init_anim_entry(*it);
}

int GSlideShow::FindNextEffectFromCns() {
  GConst* from = m_CurrentEffect ? m_CurrentEffect->next : nullptr;
  for (GConst* c = from; c; c = c->next)
    if (Init_anim_entry(c)) return 1;
  m_CurrentEffect = nullptr;
  return 0;
}

void GSlideShow::Animnext() {
  GConst* k = m_CurrentEffect;
  GObject* e = k && k->inUse ? EffectElement(k) : nullptr;
  if (!e) {
    // All effects of the sheet are done (or the effect lost its element):
    // the next click goes on.
    m_CurrentEffect = nullptr;
    m_EffectWaiting = true;
    return;
  }
  const int direction = DirectionOf(k);
  const bool swell = k->effect == 1;
  bool done = false;
  if (k->inout == 1) {  // disappear
    if (swell && !SwellDone(e)) {
      if (Swell(e) && direction == kFade) e->fadeLevel = 1;
    } else if (direction == kFade) {
      // Level 4 is not drawn any more: the fade is over as it gets there.
      if (++e->fadeLevel >= 4) {
        e->fadeLevel = 5;
        done = true;
      }
    } else {
      int& o = OffsetOf(e, direction);
      const int s = e->offsetStep;
      o += s;
      if (s >= 0 ? o >= kSlideSteps * s : o <= kSlideSteps * s) {
        o = LimitOf(e, direction);
        done = true;
      }
    }
  } else {  // appear
    int* o = direction == kFade ? &e->fadeLevel : &OffsetOf(e, direction);
    const int s = direction == kFade ? 1 : e->offsetStep;
    if (*o != 0) {
      *o -= s;
      if (s >= 0 ? *o <= 0 : *o >= 0) *o = 0;
      done = *o == 0 && !swell;
    } else {
      done = !swell || Swell(e);
    }
  }
  if (done) FindNextEffectFromCns();
}
