// Effect steps: which element an effect acts on, making an effect step for
// the output of a step, and taking every effect step out of the sheet.
#include <cstdio>

#include "slides/SlideShow.h"

bool IsEffect(const GConst* step) {
  return step && step->type >= CONST_EFFECT_POINT && step->type <= CONST_EFFECT_IMAGE;
}

GObject* EffectElement(const GConst* effect) {
  if (!IsEffect(effect)) return nullptr;
  // The target may have been erased since the effect was made: a free slot,
  // or one reused by a step of another kind, shows no element of this kind.
  const GConst* t = effect->effectTarget;
  if (!t || !t->inUse) return nullptr;
  switch (effect->type) {
    case CONST_EFFECT_POINT:
      return t->POutput;
    case CONST_EFFECT_LINE:
      return t->LOutput;
    case CONST_EFFECT_CIRCLE:
      return t->COutput;
    case CONST_EFFECT_CURVE:
      return t->CurveOutput;
    case CONST_EFFECT_TEXT:
      return t->TextOutput;
    case CONST_EFFECT_ANGLE:
      return t->AngleOutput;
    case CONST_EFFECT_BRACKET:
      return t->BracketOutput;
    case CONST_EFFECT_IMAGE:
      return t->ImageOutput;
    default:
      return nullptr;
  }
}

namespace {

// The effect kind for a step's output kind; none (the zero kind) for outputs
// without effects.
GStepKind EffectKindFor(int output) {
  switch (output) {
    case OUTPUT_POINT:
      return CONST_EFFECT_POINT;
    case OUTPUT_LINE:
      return CONST_EFFECT_LINE;
    case OUTPUT_CIRCLE:
      return CONST_EFFECT_CIRCLE;
    case OUTPUT_CURVE:
      return CONST_EFFECT_CURVE;
    case OUTPUT_TEXT:
      return CONST_EFFECT_TEXT;
    case OUTPUT_ANGLE:
      return CONST_EFFECT_ANGLE;
    case OUTPUT_BRACKET:
      return CONST_EFFECT_BRACKET;
    case OUTPUT_IMAGE:
      return CONST_EFFECT_IMAGE;
    default:
      return GStepKind{};
  }
}

}  // namespace

GConst* AddConstEffect(GDocument& doc, GConst* target, int click, int direction, int effect,
                       int inout) {
  const GStepKind kind = target ? EffectKindFor(target->Output_Type()) : GStepKind{};
  if (kind == GStepKind{}) return nullptr;
  GConst* c = doc.NewConst(kind);
  if (!c) return nullptr;
  c->effectTarget = target;
  c->click = click;
  c->direction = direction;
  c->effect = effect;
  c->inout = inout;
  char line[96];
  std::snprintf(line, sizeof line, "  click=%d,direction=%d,effect=%d,inout=%d\n", click, direction,
                effect, inout);
  doc.WriteLogFile(line);
  return c;
}

void ClearConstEffect(GDocument& doc) {
  GList<GConst>& list = doc.Sheet().consts;
  GConst** link = &list.head;
  while (*link) {
    GConst* c = *link;
    if (!IsEffect(c)) {
      link = &c->next;
      continue;
    }
    *link = c->next;
    c->next = nullptr;
    c->inUse = 0;
    if (doc.CurrentConst() == c) doc.SetCurrentConst(nullptr);
  }
  // The tail is the last link walked: the list's end, wherever effects were.
  list.tail = link;
  doc.History().Edited();
}
