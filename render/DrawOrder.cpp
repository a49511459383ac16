// The painting order of a sheet as items, the drawing of one item and the
// prints that tell whether an item would be drawn as before.
#include "render/DrawOrder.h"

#include <cstring>
#include <memory>

#include "model/EvalText.h"
#include "model/PutAway.h"

namespace {

template <class T>
void Push(std::vector<GPaintItem>* items, GPaintKind kind, const T* head) {
  for (const T* e = head; e; e = e->next) items->push_back({kind, e});
}

// Elements put away are drawn faintly, from copies, as the document keeps
// them hidden.
template <class T>
void PushFaint(std::vector<GPaintItem>* items, const GPaint& g, GPaintKind kind, T* head) {
  for (T* e = head; e; e = e->next)
    if (PutAway(*g.doc, e)) items->push_back({kind, e});
}

template <class T, class F>
void DrawFaint(const void* e, const GPaint& g, GSurface& s, F draw) {
  auto copy = std::make_unique<T>(*static_cast<const T*>(e));
  copy->hidden = 0;
  copy->fadeLevel = 3;
  draw(copy.get(), g, s);
}

template <class T>
T* As(const GPaintItem& item) {
  return const_cast<T*>(static_cast<const T*>(item.element));
}

// 64-bit FNV-1a over the bytes of plain values.
class Print {
 public:
  template <class T>
  void Add(const T& v) {
    static_assert(std::is_trivially_copyable_v<T>);
    Bytes(&v, sizeof v);
  }
  void Add(const CComplex& c) {
    Add(c.re);
    Add(c.im);
  }
  void Add(const std::string& s) {
    Add(s.size());
    Bytes(s.data(), s.size());
  }
  void Bytes(const void* p, size_t n) {
    const auto* b = static_cast<const unsigned char*>(p);
    for (size_t i = 0; i < n; ++i) m_H = (m_H ^ b[i]) * 1099511628211ull;
  }
  void Object(const GObject& e) {
    Add(e.name);
    Add(e.nameFontSize);
    Add(e.hilighted);
    Add(e.fadeLevel);
    Add(e.hidden);
    Add(e.offsetDx);
    Add(e.offsetDy);
    Add(e.widthFactor);
  }
  void Point(const GPoint& p) {
    Object(p);
    Add(p.x);
    Add(p.y);
    Add(p.z);
    Add(p.pointStyle);
    Add(p.nameAngle);
    // A hilighted point steps through its animation at each drawing.
    if (p.hilighted) Add(p.frameCount);
  }
  // The points a clipped line or circle reaches to, with their parameters.
  void Incidents(const GIncident* i) {
    for (; i; i = i->next) {
      Add(i->param);
      if (i->point) Point(*i->point);
    }
  }
  // The text a reference to other elements shows now.
  void Shown(const GPaint& g, const std::string& text) {
    Add(text);
    if (!g.doc || text.find('{') == std::string::npos) return;
    std::string shown;
    if (EvaluateText(g.doc->FirstConst(), text, shown, false) == 0) Add(shown);
  }
  uint64_t Value() const { return m_H; }

 private:
  uint64_t m_H = 1469598103934665603ull;
};

}  // namespace

void PaintItems(const GPaint& g, const GOverlay& o, std::vector<GPaintItem>* items) {
  items->clear();
  if (!g.doc || !g.look) return;
  if (g.doc->SquaredPaper()) items->push_back({GPaintKind::Paper, nullptr});
  if (g.axis) items->push_back({GPaintKind::Axis, nullptr});
  for (int gen = 0; gen < 3; ++gen) {
    if (o.afterLines) Push(items, GPaintKind::AfterLine, o.afterLines[gen].head);
    if (o.afterCircles) Push(items, GPaintKind::AfterCircle, o.afterCircles[gen].head);
    if (o.afterPoints) Push(items, GPaintKind::AfterPoint, o.afterPoints[gen].head);
  }
  if (o.compass) items->push_back({GPaintKind::Compass, nullptr});
  GSheet& sheet = g.doc->Sheet();
  if (o.faintHidden) {
    PushFaint(items, g, GPaintKind::FaintLine, sheet.lines.head);
    PushFaint(items, g, GPaintKind::FaintCircle, sheet.circles.head);
    PushFaint(items, g, GPaintKind::FaintCurve, sheet.curves.head);
    PushFaint(items, g, GPaintKind::FaintPoint, sheet.points.head);
  }
  Push(items, GPaintKind::Image, sheet.images.head);
  Push(items, GPaintKind::Angle, sheet.angles.head);
  Push(items, GPaintKind::Line, sheet.lines.head);
  Push(items, GPaintKind::Circle, sheet.circles.head);
  Push(items, GPaintKind::Curve, sheet.curves.head);
  Push(items, GPaintKind::Bracket, sheet.brackets.head);
  Push(items, GPaintKind::Point, sheet.points.head);
  Push(items, GPaintKind::Text, sheet.texts.head);

  auto point = [&](int i) { items->push_back({GPaintKind::PreviewPoint, o.previewPoint[i]}); };
  switch (o.previewMode) {
    case kModeSPoint:
      point(0);
      break;
    case kModeMLine:
    case kModePara:
    case kModePerp:
    case kModeLineWithAngle:
      point(0);
      items->push_back({GPaintKind::PreviewLine, o.previewLine});
      break;
    case kModeMid:
      point(0);
      point(1);
      break;
    case kModeMCircle:
      point(0);
      items->push_back({GPaintKind::PreviewCircle, o.previewCircle});
      break;
    case kModeBracket:
      point(0);
      items->push_back({GPaintKind::PreviewBracket, o.previewBracket});
      break;
    default:
      break;
  }
}

void DrawItem(const GPaintItem& item, const GPaint& g, const GOverlay& o, GSurface& s) {
  switch (item.kind) {
    case GPaintKind::Paper:
      DrawSquaredPaper(g, s);
      break;
    case GPaintKind::Axis:
      DrawAxis(g, s);
      break;
    case GPaintKind::Compass:
      DrawCompass(g, s, o.compassCenter, o.compassRadius);
      break;
    case GPaintKind::FaintLine:
      DrawFaint<GLine>(item.element, g, s, DrawOneLine);
      break;
    case GPaintKind::FaintCircle:
      DrawFaint<GCircle>(item.element, g, s, DrawOneCircle);
      break;
    case GPaintKind::FaintCurve:
      DrawFaint<GParaCurve>(item.element, g, s, DrawOneCurve);
      break;
    case GPaintKind::FaintPoint:
      DrawFaint<GPoint>(item.element, g, s, DrawOnePoint);
      break;
    case GPaintKind::Image:
      DrawOneImage(As<GImage>(item), g, s);
      break;
    case GPaintKind::Angle:
      DrawOneAngle(As<GAngle>(item), g, s);
      break;
    case GPaintKind::AfterLine:
    case GPaintKind::Line:
    case GPaintKind::PreviewLine:
      DrawOneLine(As<GLine>(item), g, s);
      break;
    case GPaintKind::AfterCircle:
    case GPaintKind::Circle:
    case GPaintKind::PreviewCircle:
      DrawOneCircle(As<GCircle>(item), g, s);
      break;
    case GPaintKind::Curve:
      DrawOneCurve(As<GParaCurve>(item), g, s);
      break;
    case GPaintKind::Bracket:
    case GPaintKind::PreviewBracket:
      DrawOneBracket(As<GBracket>(item), g, s);
      break;
    case GPaintKind::AfterPoint:
    case GPaintKind::Point:
    case GPaintKind::PreviewPoint:
      DrawOnePoint(As<GPoint>(item), g, s);
      break;
    case GPaintKind::Text:
      DrawOneText(As<GText>(item), g, s);
      break;
  }
}

void DrawItemAgain(const GPaintItem& item, const GPaint& g, const GOverlay& o, GSurface& s) {
  const bool point = item.kind == GPaintKind::Point || item.kind == GPaintKind::AfterPoint ||
                     item.kind == GPaintKind::PreviewPoint;
  GPoint* p = point ? As<GPoint>(item) : nullptr;
  const int frame = p ? p->frameCount : 0;
  DrawItem(item, g, o, s);
  if (p) p->frameCount = frame;
}

bool OverlayItem(GPaintKind kind) {
  switch (kind) {
    case GPaintKind::AfterLine:
    case GPaintKind::AfterCircle:
    case GPaintKind::AfterPoint:
    case GPaintKind::Compass:
    case GPaintKind::PreviewPoint:
    case GPaintKind::PreviewLine:
    case GPaintKind::PreviewCircle:
    case GPaintKind::PreviewBracket:
      return true;
    default:
      return false;
  }
}

uint64_t ItemPrint(const GPaintItem& item, const GPaint& g, const GOverlay& o) {
  Print h;
  h.Add(item.kind);
  h.Add(item.element);
  if (!item.element) {
    if (item.kind == GPaintKind::Compass) {
      h.Add(o.compassCenter);
      h.Add(o.compassRadius);
    }
    return h.Value();
  }
  switch (item.kind) {
    case GPaintKind::Image: {
      const GImage& im = *As<GImage>(item);
      h.Object(im);
      h.Add(im.x);
      h.Add(im.y);
      h.Add(im.width);
      h.Add(im.height);
      h.Add(im.picture);
      if (const auto* pic = dynamic_cast<const GRasterPicture*>(im.picture)) h.Add(pic->shown.id);
      break;
    }
    case GPaintKind::Angle: {
      const GAngle& a = *As<GAngle>(item);
      h.Object(a);
      for (const CComplex* c : {&a.value, &a.vx, &a.vy, &a.d1x, &a.d1y, &a.d2x, &a.d2y}) h.Add(*c);
      h.Add(a.style);
      h.Add(a.radius);
      h.Add(a.red);
      h.Add(a.green);
      h.Add(a.blue);
      h.Add(a.userHidden);
      break;
    }
    case GPaintKind::FaintLine:
    case GPaintKind::AfterLine:
    case GPaintKind::Line:
    case GPaintKind::PreviewLine: {
      const GLine& l = *As<GLine>(item);
      h.Object(l);
      h.Add(l.a);
      h.Add(l.b);
      h.Add(l.c);
      h.Add(l.toolMark);
      h.Add(l.icCount);
      h.Add(l.lineStyle);
      if (l.toolMark && l.icCount < 0) {
        h.Add(l.ex1);
        h.Add(l.ey1);
        h.Add(l.ex2);
        h.Add(l.ey2);
      }
      if (l.toolMark) h.Incidents(l.ics.head);
      break;
    }
    case GPaintKind::FaintCircle:
    case GPaintKind::AfterCircle:
    case GPaintKind::Circle:
    case GPaintKind::PreviewCircle: {
      const GCircle& c = *As<GCircle>(item);
      h.Object(c);
      h.Add(c.cx);
      h.Add(c.cy);
      h.Add(c.r2);
      h.Add(c.toolMark);
      h.Add(c.icCount);
      h.Add(c.lineStyle);
      if (c.toolMark) h.Incidents(c.ics.head);
      break;
    }
    case GPaintKind::FaintCurve:
    case GPaintKind::Curve: {
      const GParaCurve& c = *As<GParaCurve>(item);
      h.Object(c);
      h.Add(c.count);
      h.Add(c.lineStyle);
      h.Add(c.xmin);
      h.Add(c.xmax);
      const int n = c.count < 0 ? 0 : c.count > kCurveSamples ? kCurveSamples : c.count;
      h.Bytes(c.X, sizeof(double) * n);
      h.Bytes(c.Y, sizeof(double) * n);
      h.Bytes(c.flag, n);
      break;
    }
    case GPaintKind::Bracket:
    case GPaintKind::PreviewBracket: {
      const GBracket& b = *As<GBracket>(item);
      h.Object(b);
      for (const CComplex* c : {&b.x1, &b.y1, &b.z1, &b.x2, &b.y2, &b.z2}) h.Add(*c);
      h.Add(b.intField);
      h.Add(b.bulge);
      h.Add(b.red);
      h.Add(b.green);
      h.Add(b.blue);
      h.Shown(g, b.label);
      break;
    }
    case GPaintKind::FaintPoint:
    case GPaintKind::AfterPoint:
    case GPaintKind::Point:
    case GPaintKind::PreviewPoint:
      h.Point(*As<GPoint>(item));
      break;
    case GPaintKind::Text: {
      const GText& t = *As<GText>(item);
      h.Object(t);
      h.Add(t.x);
      h.Add(t.y);
      h.Add(t.fontSize);
      h.Add(t.red);
      h.Add(t.green);
      h.Add(t.blue);
      h.Add(t.centered);
      h.Shown(g, t.text);
      break;
    }
    default:
      break;
  }
  return h.Value();
}

namespace {
// Everything of the theme's look that a drawing reads (the pictures of the
// point styles and the background follow from their numbers).
void LookPrint(Print& h, const GAppearance& a) {
  h.Add(a.theme);
  h.Add(a.background);
  h.Add(a.bg.number);
  for (const GRgb* c : {&a.bg.colour, &a.text, &a.pointName, &a.hilightFrame, &a.axis, &a.tick})
    h.Add(*c);
  for (int i = 0; i < kSlots; ++i) {
    const PtBmp& p = a.point[i];
    for (int v : {a.pointStyle[i], p.style, (int)p.bitmapMode, p.r1, p.r2, p.r3}) h.Add(v);
    for (const GRgb* c : {&p.c1, &p.c2, &p.c3}) h.Add(*c);
    const GLnRgn& l = a.line[i];
    for (int v : {a.lineStyle[i], l.style, l.layers}) h.Add(v);
    h.Add(l.period);
    h.Add(l.margin);
    for (int k = 0; k < kMaxLayers; ++k) {
      h.Add(l.layer[k].n);
      h.Add(l.layer[k].colour);
      for (const GPix& v : l.layer[k].v) h.Add(v);
    }
  }
}
}  // namespace

uint64_t PaintPrint(const GPaint& g, const GOverlay& o) {
  Print h;
  if (g.look) LookPrint(h, *g.look);
  const GView& v = g.view;
  for (double d : {v.originX, v.originY, v.scale, v.xMin, v.xMax, v.yMin, v.yMax}) h.Add(d);
  for (int i : {v.centerX, v.centerY, v.width, v.height}) h.Add(i);
  h.Add(g.look);
  h.Add(g.doc);
  h.Add(g.quickCurves);
  h.Add(g.compassMode);
  h.Add(g.axis);
  h.Add(o.faintHidden);
  if (g.doc) {
    h.Add(&g.doc->Sheet());
    h.Add(ToRgb(g.doc->Defaults().NameColour()));
  }
  return h.Value();
}

uint64_t FramePrint(const GPaint& g, const GOverlay& o) {
  std::vector<GPaintItem> items;
  PaintItems(g, o, &items);
  uint64_t h = PaintPrint(g, o);
  for (const GPaintItem& item : items) h = (h ^ ItemPrint(item, g, o)) * 1099511628211ull;
  return h;
}

bool Animates(const GPaint& g, const GOverlay&) {
  if (!g.doc || !g.look) return false;
  for (const GPoint* p = g.doc->Sheet().points.head; p; p = p->next) {
    if (!p->hilighted || p->hidden) continue;
    const PtBmp& st = g.look->PointSlot(p->pointStyle);
    if (st.bitmapMode && st.HilightFrames().size() > 1) return true;
  }
  return false;
}
