// A canvas driven by pixel positions, as the mouse drives it: gestures of the
// Point and Move tools in each interaction style, synthetic mouse events, and
// figures built from placed points with the document's builders.
#pragma once

#include <wx/event.h>

#include "gui/CanvasFixture.h"

using Style = GStyle;
constexpr Style kTovik = kGModeTovik, kQuil = kGModeQuil, kPanel = kGModePanel;

class MouseTest : public CanvasTest {
 protected:
  void SetUp() override {
    CanvasTest::SetUp();
    doc->ResetAllName();
  }

  wxPoint At(double x, double y) const { return wxPoint(Px(x), Py(y)); }

  void UseStyle(Style s) {
    canvas->m_Tool.SetStyle(s);
    canvas->m_Tool.SetMode(kModeMove);
  }

  // A placing gesture in style s: press at `from`, drag to and release at
  // `to` (Tovik: the Point tool, Quil: the right button, touch panel: a tap
  // at `to` with the point button on). Returns the point the release gave.
  GPoint* Place(Style s, wxPoint from, wxPoint to) {
    canvas->m_Tool.SetStyle(s);
    switch (s) {
      case kTovik:
        canvas->m_Tool.SetMode(kModeSPoint);
        canvas->LButtonDown(from);
        canvas->LButtonDrag(to);
        canvas->LButtonUp(to);
        break;
      case kQuil:
        canvas->RButtonDown(from);
        canvas->RButtonDrag(to);
        canvas->RButtonUp(to);
        break;
      case kPanel:
        canvas->m_Tool.SetPanel(canvas->m_Tool.m_PanelKeep, true, false);
        canvas->LButtonUp(to);
        break;
    }
    EXPECT_EQ(InvariantReport(*doc, gesture), "");
    return gesture->PlacedPoint();
  }
  GPoint* Place(Style s, double x, double y) { return Place(s, At(x, y), At(x, y)); }
  // The same gesture without any motion: press and release at `at` (a tap,
  // a trackpad click).
  GPoint* Click(Style s, wxPoint at) {
    canvas->m_Tool.SetStyle(s);
    switch (s) {
      case kTovik:
        canvas->m_Tool.SetMode(kModeSPoint);
        canvas->LButtonDown(at);
        canvas->LButtonUp(at);
        break;
      case kQuil:
        canvas->RButtonDown(at);
        canvas->RButtonUp(at);
        break;
      case kPanel:
        canvas->m_Tool.SetPanel(canvas->m_Tool.m_PanelKeep, true, false);
        canvas->LButtonUp(at);
        break;
    }
    EXPECT_EQ(InvariantReport(*doc, gesture), "");
    return gesture->PlacedPoint();
  }
  GPoint* Place(double x, double y) { return Place(kTovik, At(x, y), At(x, y)); }

  // A Move-tool drag from `from` to `to` in Tovik style.
  void Drag(wxPoint from, wxPoint to) {
    canvas->m_Tool.SetStyle(kTovik);
    canvas->m_Tool.SetMode(kModeMove);
    canvas->LButtonDown(from);
    canvas->LButtonDrag(to);
    canvas->LButtonUp(to);
    EXPECT_EQ(InvariantReport(*doc, gesture), "");
  }

  // Builds from exactly the given hilighted points (and line).
  template <class Build>
  bool BuildFrom(std::initializer_list<GPoint*> points, GLine* line, Build build) {
    doc->ClearAllHilights();
    for (GPoint* p : points) doc->Sethilighted(p);
    if (line) doc->Sethilighted(line);
    return KeptRules((gesture->*build)());
  }
  // Passes `built` on, once the document is seen to keep its standing rules.
  bool KeptRules(bool built) {
    EXPECT_EQ(InvariantReport(*doc, gesture), "");
    return built;
  }
  GLine* Join(GPoint* a, GPoint* b) {
    return BuildFrom({a, b}, nullptr, &GGesture::ConstDefLine) ? doc->CurrentConst()->LOutput
                                                               : nullptr;
  }
  GLine* Para(GPoint* through, GLine* to) {
    return BuildFrom({through}, to, &GGesture::ConstDefPara) ? doc->CurrentConst()->LOutput
                                                             : nullptr;
  }
  GCircle* CircleOf(GPoint* centre, GPoint* on) {
    return BuildFrom({centre, on}, nullptr, &GGesture::ConstDefCircle)
               ? doc->CurrentConst()->COutput
               : nullptr;
  }

  GConst* StepOf(GPoint* p) {
    GConst* k = nullptr;
    for (GConst* c = doc->FirstConst(); c; c = c->next)
      if (c->POutput == p) k = c;
    return k;
  }
  int Steps() {
    int n = 0;
    for (GConst* c = doc->FirstConst(); c; c = c->next) ++n;
    return n;
  }
  int Points() {
    int n = 0;
    for (GPoint* p = doc->Sheet().points.head; p; p = p->next) ++n;
    return n;
  }
  static double X(const GPoint* p) { return p->xz().re; }
  static double Y(const GPoint* p) { return p->yz().re; }
  // Distance of p from the line.
  static double Off(const GPoint* p, const GLine* l) {
    const double a = l->a.re, b = l->b.re, c = l->c.re;
    return std::fabs(a * X(p) + b * Y(p) + c) / std::hypot(a, b);
  }
  // A mouse event of the given type at pos, with the buttons held after it.
  static wxMouseEvent Event(wxEventType type, wxPoint pos, bool left, bool shift = false) {
    wxMouseEvent e(type);
    e.m_x = pos.x;
    e.m_y = pos.y;
    e.m_leftDown = left;
    e.m_shiftDown = shift;
    return e;
  }
};
