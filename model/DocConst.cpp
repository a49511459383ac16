// Construction steps of the document: making a step, evaluating the list,
// unlinking steps, clearing the whole document and the redo stack.
#include "model/Document.h"

GConst* GDocument::NewConst(GStepKind type) {
  // A new step ends every chance to redo: the undone steps are gone for good,
  // and so are the (hidden) elements they produced.
  DiscardRedo();

  GConst* c = m_Store.Take<GConst>();
  if (!c) return nullptr;

  // Every field goes back to its fresh value, so a reused slot carries no
  // outputs, parameters or effect settings of its former step; the slot's
  // new serial stays.
  const unsigned serial = c->serial;
  *c = GConst();
  c->serial = serial;
  c->owner = this;
  c->type = type;
  c->inUse = 1;
  c->viewScale = m_Viewport.Scale();
  c->viewLeft = m_Viewport.XMin();
  c->viewRight = m_Viewport.XMax();
  c->viewTop = m_Viewport.YMax();
  c->viewBottom = m_Viewport.YMin();

  Sheet().consts.Append(c);
  c->firstConst = Sheet().consts.head;
  m_CurrentConst = c;
  if (Logging()) WriteLogFile(std::string("NewConst: ") + ConstName(type) + "\n");
  return c;
}

// Runs every step from `from` on, in creation order. A failing step does not
// stop the chain. After the dragged point's own step, its motion matrix is
// published for the circle intersections that follow.
void GDocument::EvaluateConst(GConst* from) {
  GPoint* const moving = m_MovingPoint;
  for (GConst* c = from; c; c = c->next) {
    c->Evaluate();
    if (moving && c->POutput == moving) {
      m_Motion = {moving->a11, moving->a12, moving->a21, moving->a22};
    }
  }
}

namespace {

// Unlinks the first step of `*list` matching `match`; repairs the sheet's
// tail when that step was the last. Returns the step or none.
template <class Match>
GConst* UnlinkStep(GConst** list, GList<GConst>& consts, Match match) {
  if (!list) return nullptr;
  for (GConst** link = list; *link; link = &(*link)->next) {
    GConst* c = *link;
    if (!match(c)) continue;
    *link = c->next;
    if (consts.tail == &c->next) consts.tail = link;
    c->next = nullptr;
    c->inUse = 0;
    return c;
  }
  return nullptr;
}

}  // namespace

int GDocument::DeletePtFromCn(GConst** list, GPoint* p) {
  if (!p) return 0;
  GConst* c = UnlinkStep(list, Sheet().consts, [p](GConst* s) { return s->POutput == p; });
  m_Store.Steps().Released(c);
  if (c) m_History.Edited();
  if (c == m_CurrentConst && c) m_CurrentConst = nullptr;
  return c ? 1 : 0;
}

int GDocument::DeleteLnFromCn(GConst** list, GLine* l) {
  if (!l) return 0;
  GConst* c = UnlinkStep(list, Sheet().consts, [l](GConst* s) { return s->LOutput == l; });
  m_Store.Steps().Released(c);
  if (c) m_History.Edited();
  if (c == m_CurrentConst && c) m_CurrentConst = nullptr;
  return c ? 1 : 0;
}

int GDocument::DeleteCiFromCn(GConst** list, GCircle* ci) {
  if (!ci) return 0;
  GConst* c = UnlinkStep(list, Sheet().consts, [ci](GConst* s) { return s->COutput == ci; });
  m_Store.Steps().Released(c);
  if (c) m_History.Edited();
  if (c == m_CurrentConst && c) m_CurrentConst = nullptr;
  return c ? 1 : 0;
}

// Frees the steps from `first` to the end of the list, the last one first,
// together with the elements they produced. When `first` belongs to the
// current sheet, its list is closed before `first`, so no link is left
// pointing at a freed step.
void GDocument::DeleteAllConstFromSheet(GConst* first) {
  if (!first) return;
  GConst* steps[kPoolSize];
  int n = 0;
  for (GConst* c = first; c && n < kPoolSize; c = c->next) steps[n++] = c;

  GList<GConst>& consts = Sheet().consts;
  m_History.Edited();
  for (GConst** link = &consts.head; *link; link = &(*link)->next) {
    if (*link == first) {
      *link = nullptr;
      consts.tail = link;
      break;
    }
  }

  while (n > 0) {
    GConst* c = steps[--n];
    DeleteOutputOf(c);
    c->next = nullptr;
    c->inUse = 0;
    m_Store.Steps().Released(c);
    if (c == m_CurrentConst) m_CurrentConst = nullptr;
  }
}

void GDocument::ClearConst() {
  if (m_Sheets.Count() < 1) m_Sheets.SetCount(1);
  if (m_Sheets.Count() > kSheetPoolSize) m_Sheets.SetCount(kSheetPoolSize);
  for (int i = 0; i < m_Sheets.Count(); ++i) {
    GSheet& s = m_Sheets.Slot(i);
    DeleteAllPoints(s.points.head);
    DeleteAllLines(s.lines.head);
    DeleteAllCircles(s.circles.head);
    DeleteAllTexts(s.texts.head);
    DeleteAllCurves(s.curves.head);
    DeleteAllAngles(s.angles.head);
    DeleteAllImages(s.images.head);
    DeleteAllBrackets(s.brackets.head);
  }
  for (GParaCurve& c : m_Store.Curves()) c.inUse = 0;
  m_Store.Curves().ReleasedAll();
  m_Store.Steps().ReleasedAll();
  m_Store.Incidents().ReleasedAll();
  for (GConst& c : m_Store.Steps()) {
    c.inUse = 0;
    c.next = nullptr;
    c.LOutput = nullptr;
    c.POutput = nullptr;
    c.COutput = nullptr;
    c.TextOutput = nullptr;
    c.AngleOutput = nullptr;
    c.CurveOutput = nullptr;
    c.ImageOutput = nullptr;
    c.BracketOutput = nullptr;
  }
  for (GIncident& r : m_Store.Incidents()) {
    r.inUse = 0;
    r.point = nullptr;
    r.next = nullptr;
  }
  for (GSheet& s : m_Sheets) s.ResetLists();
  m_History.Edited();
  m_Sheets.SetCount(1);
  m_Sheets.SetCurrent(0);

  m_Selection.ClearLists();
  m_History.ClearRedo();
  m_History.NewEra();  // every hold a tool took lets go
  m_CurrentConst = nullptr;
  ResetAllName();
}

// The redo stack holds undone steps, their in-use byte cleared while they
// wait. When it is full, the step undone longest ago is given up for good.
void GDocument::PushConst(GConst* c) {
  if (!c || Sheet().consts.empty()) return;
  if (GConst* oldest = m_History.PushRedo(c)) DeleteOutputOf(oldest);
  c->inUse = 0;
  m_Store.Steps().Released(c);
}

GConst* GDocument::PopConst() {
  GConst* c = m_History.PopRedo();
  if (c) c->inUse = 1;
  return c;
}
