// Afterimages of a drag: copies of the point, line and circle lists, each one
// level fainter than what it copies.
#include "model/Afterimages.h"

#include "model/Document.h"

namespace {

void CopyPointState(GPoint* d, const GPoint* s) {
  d->x = s->x;
  d->y = s->y;
  d->z = s->z;
  d->fadeLevel = s->fadeLevel + 1;
  d->hidden = s->hidden;
  d->widthFactor = s->widthFactor;
}

void CopyLineState(GLine* d, const GLine* s) {
  d->a = s->a;
  d->b = s->b;
  d->c = s->c;
  d->fadeLevel = s->fadeLevel + 1;
  d->hidden = s->hidden;
  d->widthFactor = s->widthFactor;
  d->toolMark = s->toolMark;
  d->ex1 = s->ex1;
  d->ey1 = s->ey1;
  d->ex2 = s->ex2;
  d->ey2 = s->ey2;
}

void CopyCircleState(GCircle* d, const GCircle* s) {
  d->cx = s->cx;
  d->cy = s->cy;
  d->r2 = s->r2;
  d->fadeLevel = s->fadeLevel + 1;
  d->hidden = s->hidden;
  d->widthFactor = s->widthFactor;
  d->toolMark = s->toolMark;  // a clipped circle's afterimage stays an arc
}

// Copy lists carry no incidence records; -999 marks them as copies.
constexpr int kCloneIcCount = -999;

}  // namespace

GPoint* makePClone(GDocument& doc, GPoint* src) {
  GPoint* head = nullptr;
  GPoint** link = &head;
  for (; src; src = src->next) {
    GPoint* p = doc.NewPoint(src->x, src->y, src->z);
    if (!p) break;
    CopyPointState(p, src);
    p->pointStyle = src->pointStyle;
    *link = p;
    link = &p->next;
  }
  return head;
}

GLine* makeLClone(GDocument& doc, GLine* src) {
  GLine* head = nullptr;
  GLine** link = &head;
  for (; src; src = src->next) {
    GLine* l = doc.NewLine(src->a, src->b, src->c);
    if (!l) break;
    CopyLineState(l, src);
    l->lineStyle = src->lineStyle;
    l->icCount = kCloneIcCount;
    *link = l;
    link = &l->next;
  }
  return head;
}

GCircle* makeCClone(GDocument& doc, GCircle* src) {
  GCircle* head = nullptr;
  GCircle** link = &head;
  for (; src; src = src->next) {
    GCircle* c = doc.NewCircle(src->cx.re, src->cy.re, src->r2.re);
    if (!c) break;
    CopyCircleState(c, src);
    c->icCount = kCloneIcCount;
    *link = c;
    link = &c->next;
  }
  return head;
}

void copyToPClone(GPoint* dst, GPoint* src) {
  for (; dst && src; dst = dst->next, src = src->next) CopyPointState(dst, src);
}
void copyToLClone(GLine* dst, GLine* src) {
  for (; dst && src; dst = dst->next, src = src->next) CopyLineState(dst, src);
}
void copyToCClone(GCircle* dst, GCircle* src) {
  for (; dst && src; dst = dst->next, src = src->next) CopyCircleState(dst, src);
}

void deletePClone(GDocument& doc, GPoint* p) { doc.DeleteAllPoints(p); }
void deleteLClone(GDocument& doc, GLine* l) { doc.DeleteAllLines(l); }
void deleteCClone(GDocument& doc, GCircle* c) { doc.DeleteAllCircles(c); }
