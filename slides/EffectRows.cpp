// The effect dialog's rows, kept apart from the dialog so that what Up, Down,
// Delete and Ok do to the sheet needs no window.
#include "slides/EffectRows.h"

#include <utility>

#include "slides/SlideShow.h"

namespace {

// The element a step makes, of any kind; none for steps without one.
const GObject* OutputOf(const GConst* c) {
  if (c->POutput) return c->POutput;
  if (c->LOutput) return c->LOutput;
  if (c->COutput) return c->COutput;
  if (c->CurveOutput) return c->CurveOutput;
  if (c->TextOutput) return c->TextOutput;
  if (c->AngleOutput) return c->AngleOutput;
  if (c->BracketOutput) return c->BracketOutput;
  return c->ImageOutput;
}

}  // namespace

std::vector<GEffectRow> EffectRows(GDocument& doc) {
  std::vector<GEffectRow> rows;
  for (GConst* c = doc.FirstConst(); c && rows.size() < kMaxEffectRows; c = c->next)
    if (EffectElement(c))
      rows.push_back({c->effectTarget, c->click, c->direction, c->effect, c->inout});
  for (GConst* c = doc.FirstConst(); c && rows.size() < kMaxEffectRows; c = c->next) {
    if (IsEffect(c)) continue;
    const GObject* e = OutputOf(c);
    if (e && e->hilighted) rows.push_back({c, 0, 0, 0, 0});
  }
  return rows;
}

std::string EffectRowText(const GEffectRow& row) {
  std::string s;
  if (row.target) row.target->ConstSrc(s);
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r')) s.pop_back();
  return s;
}

int MoveEffectRow(std::vector<GEffectRow>& rows, int i, int delta) {
  const int j = i + delta;
  if (i < 0 || j < 0 || i >= (int)rows.size() || j >= (int)rows.size()) return i;
  std::swap(rows[(size_t)i], rows[(size_t)j]);
  return j;
}

int DeleteEffectRow(std::vector<GEffectRow>& rows, int i) {
  if (i < 0 || i >= (int)rows.size()) return rows.empty() ? -1 : i;
  rows.erase(rows.begin() + i);
  if (rows.empty()) return -1;
  return i < (int)rows.size() ? i : (int)rows.size() - 1;
}

void ApplyEffectRows(GDocument& doc, const std::vector<GEffectRow>& rows) {
  ClearConstEffect(doc);
  for (const GEffectRow& r : rows)
    AddConstEffect(doc, r.target, r.click, r.direction, r.effect, r.inout);
}
