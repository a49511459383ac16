// Element pools of the document: creating elements in the lowest free slot,
// appending them to the current sheet's lists, freeing whole lists, the
// afterimage copies of the point, line and circle lists, and incidence records.
#include <cmath>

#include "model/Document.h"
#include "model/Formula.h"

namespace {

int Clamp(int v, int lo, int hi) { return v < lo ? lo : (v > hi ? hi : v); }

// Drops the first record of `p` from an incidence list; true when one was found.
bool RemoveIncident(GList<GIncident>& ics, int& count, GPoint* p) {
  for (GIncident* r = ics.head; r; r = r->next) {
    if (r->point == p) {
      ics.Unlink(r);
      r->inUse = 0;
      r->point = nullptr;
      --count;
      return true;
    }
  }
  return false;
}

}  // namespace

// ---- creation ----

GPoint* GDocument::NewPoint(CComplex x, CComplex y, CComplex z) {
  GPoint* p = m_Store.Take<GPoint>();
  if (!p) return nullptr;
  p->ResetObject(m_Defaults.NameFontSize());
  p->x = x;
  p->y = y;
  p->z = z;
  p->next = nullptr;
  p->pointStyle = Clamp(m_Defaults.PointMode() - kPointMode0, 0, 4);
  p->frameCount = 0;
  p->nameAngle = 0.0;
  p->a11 = p->a12 = p->a21 = p->a22 = 0.0;
  p->prevX = p->prevY = p->dX = p->dY = 0.0;
  for (double& s : p->saved) s = 0.0;
  return p;
}

GPoint* GDocument::NewPoint(CComplex x, CComplex y) { return NewPoint(x, y, CComplex(1, 0)); }

// A reused line slot may still hold an incidence list; the records were freed
// with the line, so the list is simply forgotten here.
static void ResetLineSlot(GLine* l, int fontSize, int lineMode) {
  l->ResetObject(fontSize);
  l->toolMark = 0;
  l->next = nullptr;
  l->ics.Reset();
  l->icCount = 0;
  l->ex1 = l->ey1 = l->ex2 = l->ey2 = 0.0;
  l->lineStyle = lineMode - kLineMode0;
}

GLine* GDocument::NewLine(CComplex a, CComplex b, CComplex c) {
  GLine* l = m_Store.Take<GLine>();
  if (!l) return nullptr;
  ResetLineSlot(l, m_Defaults.NameFontSize(), m_Defaults.LineMode());
  l->a = a;
  l->b = b;
  l->c = c;
  return l;
}

GLine* GDocument::NewLine(double x1, double y1, double x2, double y2) {
  GLine* l = m_Store.Take<GLine>();
  if (!l) return nullptr;
  ResetLineSlot(l, m_Defaults.NameFontSize(), m_Defaults.LineMode());
  l->SetLine(x1, y1, x2, y2);
  return l;
}

GCircle* GDocument::NewCircle(double cx, double cy, double r2) {
  GCircle* c = m_Store.Take<GCircle>();
  if (!c) return nullptr;
  c->ResetObject(m_Defaults.NameFontSize());
  c->SetCircle(cx, cy, r2);
  c->next = nullptr;
  c->toolMark = 0;
  c->ics.Reset();
  c->icCount = 0;
  c->lineStyle = m_Defaults.LineMode() - kLineMode0;
  return c;
}

GText* GDocument::NewText(const std::string& content) {
  GText* t = m_Store.Take<GText>();
  if (!t) return nullptr;
  t->ResetObject(m_Defaults.NameFontSize());
  t->text = content;
  t->x = t->y = 0.0;
  t->fontSize = 18;
  t->red = m_Defaults.TextColour().r;
  t->green = m_Defaults.TextColour().g;
  t->blue = m_Defaults.TextColour().b;
  t->centered = 0;
  t->next = nullptr;
  return t;
}

GParaCurve* GDocument::NewCurve() {
  GParaCurve* c = m_Store.Curves().FirstFree();
  if (!c) return nullptr;
  c->ResetObject(m_Defaults.NameFontSize());
  c->expr1.clear();
  c->expr2.clear();
  ReleaseCurveTrees(c);  // a slot given up without its trees
  c->count = 0;
  c->next = nullptr;
  c->lineStyle = m_Defaults.LineMode() - kLineMode0;
  c->xmin = c->xmax = 0.0;
  c->inUse = 1;
  return c;
}

// A new mark stands at the origin, from the x axis to the direction of the
// angle's (real) value; it stays hidden until its step has defined it.
GAngle* GDocument::NewAngle(CComplex value) {
  GAngle* a = m_Store.Take<GAngle>();
  if (!a) return nullptr;
  a->ResetObject(m_Defaults.NameFontSize());
  a->hidden = 1;
  a->userHidden = 0;
  a->value = value;
  a->vx = a->vy = CComplex();
  a->d1x = CComplex(1, 0);
  a->d1y = CComplex();
  a->d2x = CComplex(std::cos(value.re), 0);
  a->d2y = CComplex(std::sin(value.re), 0);
  a->style = m_Defaults.AngleMode() - kAngleMode0;
  a->radius = 40;
  a->red = m_Defaults.AngleColour().r;
  a->green = m_Defaults.AngleColour().g;
  a->blue = m_Defaults.AngleColour().b;
  a->next = nullptr;
  return a;
}

GAngle* GDocument::NewAngle(double value) { return NewAngle(CComplex(value, 0)); }

GBracket* GDocument::NewBracket(GPoint* p, GPoint* q) {
  GBracket* b = m_Store.Take<GBracket>();
  if (!b) return nullptr;
  b->ResetObject(m_Defaults.NameFontSize());
  b->spare = CComplex();
  // A missing end point leaves that end at the origin rather than faulting.
  b->x1 = p ? p->x : CComplex();
  b->y1 = p ? p->y : CComplex();
  b->z1 = p ? p->z : CComplex(1, 0);
  b->x2 = q ? q->x : CComplex();
  b->y2 = q ? q->y : CComplex();
  b->z2 = q ? q->z : CComplex(1, 0);
  b->intField = 0;
  b->bulge = 0.3;
  b->label.clear();
  b->red = m_Defaults.BracketColour().r;
  b->green = m_Defaults.BracketColour().g;
  b->blue = m_Defaults.BracketColour().b;
  b->next = nullptr;
  return b;
}

GImage* GDocument::NewImage() { return m_Images.Make(); }

// ---- lists of the current sheet ----

// ---- freeing whole lists (the caller resets the list heads) ----

void GDocument::DeleteAllPoints(GPoint* from) { m_Store.FreeAll(from); }

// A freed line or circle gives its incidence records back as well, so that
// clearing sheets does not slowly use up the record pool.
void GDocument::DeleteAllLines(GLine* from) {
  for (GLine* l = from; l; l = l->next) DeleteIcs(l);
  m_Store.FreeAll(from);
}
void GDocument::DeleteAllCircles(GCircle* from) {
  for (GCircle* c = from; c; c = c->next) DeleteIcs(c);
  m_Store.FreeAll(from);
}
void GDocument::DeleteAllTexts(GText* from) { m_Store.FreeAll(from); }
void GDocument::DeleteAllCurves(GParaCurve* from) {
  for (GParaCurve* c = from; c; c = c->next) ReleaseCurveTrees(c);
  m_Store.FreeAll(from);
}
void GDocument::DeleteAllAngles(GAngle* from) { m_Store.FreeAll(from); }
void GDocument::DeleteAllBrackets(GBracket* from) { m_Store.FreeAll(from); }
void GDocument::DeleteAllImages(GImage* from) {
  for (; from; from = from->next) from->inUse = 0;  // kept aside, as one erased
}

// ---- incidence records ----

namespace {

GIncident* TakeIncident(GPool<GIncident, kPoolSize>& pool, GPoint* p, double t) {
  GIncident* r = pool.FirstFree();
  if (!r) return nullptr;
  r->point = p;
  r->next = nullptr;
  r->param = CComplex(t, 0);
  r->inUse = 1;
  return r;
}

void FreeIncidents(GList<GIncident>& ics, int& count) {
  for (GIncident* r = ics.head; r;) {
    GIncident* next = r->next;
    r->inUse = 0;
    r->point = nullptr;
    r->next = nullptr;
    r = next;
  }
  ics.Reset();
  count = 0;
}

}  // namespace

void GDocument::AssignIncident(GLine* l, GPoint* p, double t) {
  if (!l) return;
  GIncident* r = TakeIncident(m_Store.Incidents(), p, t);
  if (!r) return;
  l->ics.Append(r);
  ++l->icCount;
}

void GDocument::AssignIncident(GCircle* c, GPoint* p, double t) {
  if (!c) return;
  GIncident* r = TakeIncident(m_Store.Incidents(), p, t);
  if (!r) return;
  c->ics.Append(r);
  ++c->icCount;
}

// Records given back anywhere in the pool: its next search starts afresh.
void GDocument::DeleteIcs(GLine* l) {
  if (l) FreeIncidents(l->ics, l->icCount);
  m_Store.Incidents().ReleasedAll();
}
void GDocument::DeleteIcs(GCircle* c) {
  if (c) FreeIncidents(c->ics, c->icCount);
  m_Store.Incidents().ReleasedAll();
}

// Walks every line and circle in use, not just the current sheet's lists, so a
// point leaves no stale record behind wherever it was registered.
void GDocument::DeletePtFromIcs(GPoint* p) {
  if (!p) return;
  for (GLine& l : m_Store.Lines())
    if (l.inUse && l.ics.head) RemoveIncident(l.ics, l.icCount, p);
  for (GCircle& c : m_Store.Circles())
    if (c.inUse && c.ics.head) RemoveIncident(c.ics, c.icCount, p);
  m_Store.Incidents().ReleasedAll();
}
