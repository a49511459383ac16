// A drag by the mouse and the same drag made without a window, through the
// document's press, motion and release calls as the command-line companion
// makes it, leave every element of a generated figure at the same place.
#include <cmath>

#include "bench/SheetGenerator.h"
#include "gui/MouseFixture.h"
#include "script/Script.h"

namespace {

// The n-th element of a list, or none.
template <class T>
T* Nth(T* head, int n) {
  for (; head && n > 0; --n) head = head->next;
  return head;
}

template <class T>
int IndexOf(T* head, const T* e) {
  int i = 0;
  for (; head && head != e; head = head->next) ++i;
  return head ? i : -1;
}

void ExpectSame(const CComplex& a, const CComplex& b, const char* what, int i) {
  // Both NaN (an undefined meet) counts as the same value.
  const bool same = (a.re == b.re || (std::isnan(a.re) && std::isnan(b.re))) &&
                    (a.im == b.im || (std::isnan(a.im) && std::isnan(b.im)));
  EXPECT_TRUE(same) << what << " " << i << ": (" << a.re << ", " << a.im << ") against (" << b.re
                    << ", " << b.im << ")";
}

void ExpectSameFigure(GDocument& mouse, GDocument& headless) {
  GSheet& a = mouse.Sheet();
  GSheet& b = headless.Sheet();
  int i = 0;
  GPoint* q = b.points.head;
  for (GPoint* p = a.points.head; p; p = p->next, q = q->next, ++i) {
    ASSERT_NE(q, nullptr);
    ExpectSame(p->x, q->x, "point x", i);
    ExpectSame(p->y, q->y, "point y", i);
    ExpectSame(p->z, q->z, "point z", i);
  }
  i = 0;
  GCircle* d = b.circles.head;
  for (GCircle* c = a.circles.head; c; c = c->next, d = d->next, ++i) {
    ASSERT_NE(d, nullptr);
    ExpectSame(c->cx, d->cx, "circle cx", i);
    ExpectSame(c->r2, d->r2, "circle r2", i);
  }
  i = 0;
  GLine* m = b.lines.head;
  for (GLine* l = a.lines.head; l; l = l->next, m = m->next, ++i) {
    ASSERT_NE(m, nullptr);
    ExpectSame(l->a, m->a, "line a", i);
    ExpectSame(l->c, m->c, "line c", i);
  }
}

}  // namespace

TEST_F(MouseTest, MouseDragAndHeadlessDragLeaveTheSameFigure) {
  for (uint64_t seed : {kSheetSeed, uint64_t{2}, uint64_t{7}}) {
    SCOPED_TRACE(seed);
    RecordingUser maker;
    const std::string text = WriteScript(*GenerateSheet(&maker, 300, seed));
    ASSERT_TRUE(ReadScript(*doc, text));
    RecordingUser quiet;
    GDocument headless(&quiet);
    GGesture hand(headless);  // the headless drag, with tools of its own
    headless.Viewport() = doc->Viewport();
    ASSERT_TRUE(ReadScript(headless, text));
    UseStyle(kTovik);

    // Movable points well inside the view: free ones and ones bound to lines
    // and circles, each pulled a little way in eight motion steps.
    int dragged = 0;
    for (GPoint* p = doc->Sheet().points.head; p && dragged < 6; p = p->next) {
      if (!doc->CanMovePoint(p) || !p->xz().realp() || !p->yz().realp()) continue;
      if (std::fabs(X(p)) > 3 || std::fabs(Y(p)) > 2) continue;
      const wxPoint from = At(X(p), Y(p));
      wxPoint at = from;
      canvas->LButtonDown(at);
      GPoint* held = canvas->m_Tool.m_PickedPoint;
      ASSERT_NE(held, nullptr);
      GPoint* twin = Nth(headless.Sheet().points.head, IndexOf(doc->Sheet().points.head, held));
      hand.BeginDrag(twin, false);
      const double offX = canvas->m_Tool.m_GrabOffsetX, offY = canvas->m_Tool.m_GrabOffsetY;
      for (int step = 1; step <= 8; ++step) {
        at = wxPoint(from.x + 9 * step, from.y + 5 * step * (dragged % 2 ? 1 : -1));
        canvas->LButtonDrag(at);
        hand.DragTo(canvas->WorldX(at.x) + offX, canvas->WorldY(at.y) + offY);
      }
      canvas->LButtonUp(at);
      hand.EndDrag(false);
      ++dragged;
      ExpectSameFigure(*doc, headless);
    }
    EXPECT_GE(dragged, 3);
  }
}
