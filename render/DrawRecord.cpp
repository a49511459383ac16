// The recording surface: each call with copies of its points and letters,
// and the calls made again in the same order.
#include "render/DrawRecord.h"

void GRecordSurface::Forget() {
  m_Recs.clear();
  m_Pix.clear();
  m_PixF.clear();
  m_Counts.clear();
  m_Texts.clear();
}

GRecordSurface::Rec& GRecordSurface::Add(Kind kind) {
  m_Recs.emplace_back();
  Rec& r = m_Recs.back();
  r.kind = kind;
  r.item = m_Item;
  return r;
}

bool GRecordSurface::Direct(size_t i) const {
  switch (m_Recs[i].kind) {
    case Kind::Stroke:
    case Kind::StrokeChain:
    case Kind::Fill:
    case Kind::Picture:
      return true;
    default:
      return false;
  }
}

void GRecordSurface::Clear(const GRgb& bg) { Add(Kind::Clear).colour = bg; }

void GRecordSurface::Stroke(const GRgb& c, int width, GPix a, GPix b) {
  Rec& r = Add(Kind::Stroke);
  r.colour = c;
  r.width = width;
  r.x = a.x, r.y = a.y, r.w = b.x, r.h = b.y;
}

namespace {
// The points of a record kept at the end of `into`.
template <class P, class R>
void Keep(std::vector<P>& into, R& r, const P* pts, int n) {
  r.n = n;
  r.at = into.size();
  into.insert(into.end(), pts, pts + n);
}
}  // namespace

void GRecordSurface::StrokeChain(const GRgb& c, int width, const GPixF* pts, int n) {
  Rec& r = Add(Kind::StrokeChain);
  r.colour = c;
  r.width = width;
  Keep(m_PixF, r, pts, n);
}

void GRecordSurface::Polyline(const GRgb& c, int width, const GPix* pts, int n) {
  Rec& r = Add(Kind::Polyline);
  r.colour = c;
  r.width = width;
  Keep(m_Pix, r, pts, n);
}

void GRecordSurface::Fill(const GRgb& c, const GPix* pts, const int* counts, int n) {
  Rec& r = Add(Kind::Fill);
  r.colour = c;
  r.n = n;
  r.at = m_Counts.size();
  r.x = (int)m_Pix.size();  // where the vertices begin
  int total = 0;
  for (int i = 0; i < n; ++i) total += counts[i];
  m_Counts.insert(m_Counts.end(), counts, counts + n);
  m_Pix.insert(m_Pix.end(), pts, pts + total);
}

void GRecordSurface::Polygon(const GInk& ink, const GPix* pts, int n) {
  Rec& r = Add(Kind::Polygon);
  r.ink = ink;
  Keep(m_Pix, r, pts, n);
}

void GRecordSurface::Circle(const GInk& ink, GPix centre, int radius) {
  Rec& r = Add(Kind::Circle);
  r.ink = ink;
  r.x = centre.x, r.y = centre.y, r.w = radius;
}

void GRecordSurface::Rectangle(const GInk& ink, int x, int y, int w, int h) {
  Rec& r = Add(Kind::Rectangle);
  r.ink = ink;
  r.x = x, r.y = y, r.w = w, r.h = h;
}

void GRecordSurface::EllipticArc(const GInk& ink, int x, int y, int w, int h, double start,
                                 double end) {
  Rec& r = Add(Kind::EllipticArc);
  r.ink = ink;
  r.x = x, r.y = y, r.w = w, r.h = h;
  r.start = start, r.end = end;
}

void GRecordSurface::Picture(const GRaster& picture, int x, int y) {
  Rec& r = Add(Kind::Picture);
  r.picture = &picture;
  r.x = x, r.y = y;
}

void GRecordSurface::Text(const std::string& text, int size, bool bold, const GRgb& c, int x,
                          int y) {
  Rec& r = Add(Kind::Text);
  r.colour = c;
  r.bold = bold;
  r.w = size;
  r.x = x, r.y = y;
  r.at = m_Texts.size();
  m_Texts.push_back(text);
}

void GRecordSurface::Make(const Rec& r, GSurface& out) const {
  const GRgb& c = r.colour;
  const GInk& ink = r.ink;
  switch (r.kind) {
    case Kind::Clear:
      out.Clear(c);
      break;
    case Kind::Stroke:
      out.Stroke(c, r.width, GPix{r.x, r.y}, GPix{r.w, r.h});
      break;
    case Kind::StrokeChain:
      out.StrokeChain(c, r.width, &m_PixF[r.at], r.n);
      break;
    case Kind::Polyline:
      out.Polyline(c, r.width, &m_Pix[r.at], r.n);
      break;
    case Kind::Fill:
      out.Fill(c, &m_Pix[(size_t)r.x], &m_Counts[r.at], r.n);
      break;
    case Kind::Polygon:
      out.Polygon(ink, &m_Pix[r.at], r.n);
      break;
    case Kind::Circle:
      out.Circle(ink, GPix{r.x, r.y}, r.w);
      break;
    case Kind::Rectangle:
      out.Rectangle(ink, r.x, r.y, r.w, r.h);
      break;
    case Kind::EllipticArc:
      out.EllipticArc(ink, r.x, r.y, r.w, r.h, r.start, r.end);
      break;
    case Kind::Picture:
      out.Picture(*r.picture, r.x, r.y);
      break;
    case Kind::Text:
      out.Text(m_Texts[r.at], r.w, r.bold, c, r.x, r.y);
      break;
  }
}
