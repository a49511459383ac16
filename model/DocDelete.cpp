// Deleting one construction step or one element of the current sheet: the
// element leaves its list, its hilight list and (for points) every incidence
// list, and its kind's name counter goes back to the first free name.
#include "model/Document.h"
#include "model/Formula.h"
#include "model/Lookup.h"

namespace {

// Sets a name counter to the first name of its sequence, skipping it when an
// element of the current construction list already carries it.
void RestartCounter(GDocument& doc, std::string& counter, const char* first) {
  counter = first;
  GConst* found = nullptr;
  if (FindNameFromCns(doc.FirstConst(), counter, &found)) doc.next_name(counter);
}

}  // namespace

void GDocument::DeleteOutputOf(GConst* c) {
  if (!c) return;
  switch (c->Output_Type()) {
    case OUTPUT_POINT:
      DeletePoint(c->POutput);
      break;
    case OUTPUT_LINE:
      DeleteLine(c->LOutput);
      break;
    case OUTPUT_CIRCLE:
      DeleteCircle(c->COutput);
      break;
    case OUTPUT_TEXT:
      DeleteText(c->TextOutput);
      break;
    case OUTPUT_CURVE:
      DeleteCurve(c->CurveOutput);
      break;
    case OUTPUT_ANGLE:
      DeleteAngle(c->AngleOutput);
      break;
    case OUTPUT_IMAGE:
      DeleteImage(c->ImageOutput);
      c->ImageOutput = nullptr;
      break;
    case OUTPUT_BRACKET:
      DeleteBracket(c->BracketOutput);
      break;
    default:
      break;
  }
}

// The step leaves the list before its output is deleted, so the renaming that
// follows the deletion no longer sees the vanished element's name.
void GDocument::DeleteConst(GConst* c) {
  if (!c || !Sheet().consts.Unlink(c)) return;
  m_History.Edited();
  c->inUse = 0;
  m_Store.Steps().Released(c);
  if (c == m_CurrentConst) m_CurrentConst = nullptr;
  DeleteOutputOf(c);
}

void GDocument::DeletePoint(GPoint* p) {
  if (!p || !Sheet().points.Unlink(p)) return;
  DeletePtFromIcs(p);
  p->inUse = 0;
  m_Store.Points().Released(p);
  p->name = std::string();  // a freed slot must not keep its name taken
  p->hilighted = 0;
  Selection().Points().Remove(p);
  if (m_MovingPoint == p) m_MovingPoint = nullptr;
  RestartCounter(*this, m_Naming.Counter(GNameKind::kPoint), "A");
}

void GDocument::DeleteLine(GLine* l) {
  if (!l || !Sheet().lines.Unlink(l)) return;
  DeleteIcs(l);
  l->inUse = 0;
  m_Store.Lines().Released(l);
  l->name = std::string();
  l->hilighted = 0;
  Selection().Lines().Remove(l);
  RestartCounter(*this, m_Naming.Counter(GNameKind::kLine), "a");
}

void GDocument::DeleteCircle(GCircle* c) {
  if (!c || !Sheet().circles.Unlink(c)) return;
  DeleteIcs(c);
  c->inUse = 0;
  m_Store.Circles().Released(c);
  c->name = std::string();
  c->hilighted = 0;
  Selection().Circles().Remove(c);
  RestartCounter(*this, m_Naming.Counter(GNameKind::kCircle), "C1");
}

void GDocument::DeleteCurve(GParaCurve* c) {
  if (!c || !Sheet().curves.Unlink(c)) return;
  ReleaseCurveTrees(c);
  c->inUse = 0;
  m_Store.Curves().Released(c);
  c->name = std::string();
  c->hilighted = 0;
  Selection().Curves().Remove(c);
  RestartCounter(*this, m_Naming.Counter(GNameKind::kCurve), "x1");
}

void GDocument::DeleteText(GText* t) {
  if (!t || !Sheet().texts.Unlink(t)) return;
  t->inUse = 0;
  m_Store.Texts().Released(t);
  t->name = std::string();
  t->hilighted = 0;
  RestartCounter(*this, m_Naming.Counter(GNameKind::kText), "TA");
}

void GDocument::DeleteAngle(GAngle* a) {
  if (!a || !Sheet().angles.Unlink(a)) return;
  a->inUse = 0;
  m_Store.Angles().Released(a);
  a->name = std::string();
  a->hilighted = 0;
  Selection().Angles().Remove(a);
  RestartCounter(*this, m_Naming.Counter(GNameKind::kAngle), "ag1");
}

// An erased image leaves its sheet and is kept aside (model/ImageKeeper.h),
// so that undo can bring it back; any step of the list or of the redo stack
// that still names it forgets it.
void GDocument::DeleteImage(GImage* img) {
  if (!img || !Sheet().images.Unlink(img)) return;
  Selection().Images().Remove(img);
  auto forget = [img](GConst* c) {
    if (c && c->ImageOutput == img) c->ImageOutput = nullptr;
    if (c && c->ImageInput1 == img) c->ImageInput1 = nullptr;  // an Invisible step
  };
  for (GConst* c = FirstConst(); c; c = c->next) forget(c);
  for (int i = 0; i < History().RedoCount(); ++i) forget(History().RedoAt(i));
  img->inUse = 0;
  RestartCounter(*this, m_Naming.Counter(GNameKind::kImage), "im1");
}

void GDocument::DeleteBracket(GBracket* b) {
  if (!b || !Sheet().brackets.Unlink(b)) return;
  b->inUse = 0;
  m_Store.Brackets().Released(b);
  b->name = std::string();
  b->hilighted = 0;
  Selection().Brackets().Remove(b);
  RestartCounter(*this, m_Naming.Counter(GNameKind::kBracket), "br1");
}
