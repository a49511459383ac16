// The SVG surface's elements. Each call makes room for the longest text its
// element can take and writes the element straight into the document; many
// filled polygons of one colour become one path of relative moves and lines.
#include "render/SvgSurface.h"

#include <algorithm>
#include <cmath>

#include "render/FontMetrics.h"
#include "render/Png.h"

namespace {

// Room for the attributes PutStroke or PutInk writes.
constexpr size_t kInkBytes = 128;
// Room for an element's name, attributes and end besides its numbers.
constexpr size_t kElementBytes = 256;

// The outline of a stroke `width` pixels wide (at least 1), round ends, and
// round joins where it bends.
char* PutStroke(char* p, const GRgb& c, int width, bool joins) {
  p = Put(p, " stroke=\"");
  p = PutColour(p, c);
  p = Put(p, "\" stroke-width=\"");
  p = PutInt(p, std::max(1, width));
  p = Put(p, "\" stroke-linecap=\"round\"");
  if (joins) p = Put(p, " stroke-linejoin=\"round\"");
  return p;
}

char* PutInk(char* p, const GInk& ink, bool joins) {
  if (ink.filled) {
    p = Put(p, " fill=\"");
    p = PutColour(p, ink.fill);
    *p++ = '"';
  } else {
    p = Put(p, " fill=\"none\"");
  }
  if (ink.width > 0) p = PutStroke(p, ink.line, ink.width, joins);
  return p;
}

bool Visible(const GInk& ink) { return ink.filled || ink.width > 0; }

char* PutCoord(char* p, int v) { return PutInt(p, v); }
char* PutCoord(char* p, double v) { return PutNum(p, v); }

// "x,y x,y ...", room: n * kPointBytes.
constexpr size_t kPointBytes = 2 * kNumBytes + 2;
template <class Point>
char* PutPoints(char* p, const Point* pts, int n) {
  for (int i = 0; i < n; ++i) {
    if (i) *p++ = ' ';
    p = PutCoord(p, pts[i].x);
    *p++ = ',';
    p = PutCoord(p, pts[i].y);
  }
  return p;
}

// A path number after another: a minus sign separates by itself, anything
// else takes a space. The small steps that make most of a fill come from a
// table of their texts (" 7", "-12"), whose length comes from the number
// itself rather than from memory: the writing position then never waits for
// a load.
struct StepTexts {
  char text[199][4] = {};
  constexpr StepTexts() {
    for (int v = -99; v <= 99; ++v) {
      char* t = text[v + 99];
      const int a = v < 0 ? -v : v;
      int n = 0;
      t[n++] = v < 0 ? '-' : ' ';
      if (a >= 10) t[n++] = (char)('0' + a / 10);
      t[n++] = (char)('0' + a % 10);
    }
  }
};
constexpr StepTexts kSteps;

char* PutStep(char* p, int64_t v) {
  if (v > -100 && v < 100) {
    const char* t = kSteps.text[v + 99];
    std::memcpy(p, t, 4);
    return p + 2 + (v <= -10 || v >= 10);
  }
  if (v >= 0) *p++ = ' ';
  return PutInt(p, v);
}

template <class Point>
void PutPolyline(GSvgOut& out, const GRgb& c, int width, const Point* pts, int n) {
  if (n < 2) return;
  char* p = Put(out.Room(kElementBytes + (size_t)n * kPointBytes), "<polyline points=\"");
  p = PutPoints(p, pts, n);
  p = Put(p, "\" fill=\"none\"");
  p = PutStroke(p, c, width, true);
  out.Done(Put(p, "/>\n"));
}

// A CSS identifier of plain letters: it starts with a letter or an
// underscore and holds only letters, digits, hyphens and underscores.
bool PlainWord(std::string_view w) {
  auto letter = [](char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || c == '_'; };
  if (w.empty() || !letter(w[0])) return false;
  for (char c : w)
    if (!letter(c) && !(c >= '0' && c <= '9') && c != '-') return false;
  return true;
}

bool PlainName(std::string_view name) {
  // The generic families and the words CSS keeps for itself, in any case,
  // would mean something else unquoted.
  std::string lower(name);
  for (char& c : lower)
    if (c >= 'A' && c <= 'Z') c = (char)(c - 'A' + 'a');
  for (const char* kept : {"serif", "sans-serif", "monospace", "cursive", "fantasy", "system-ui",
                           "inherit", "initial", "unset", "default"})
    if (lower == kept) return false;
  for (size_t at = 0;;) {
    const size_t space = name.find(' ', at);
    if (!PlainWord(name.substr(at, space - at))) return false;
    if (space == std::string_view::npos) return true;
    at = space + 1;
  }
}

}  // namespace

std::string SvgFamilyList(std::string_view family) {
  if (family.empty()) return "sans-serif";
  std::string list;
  if (PlainName(family)) {
    list.append(family.data(), family.size());
  } else {
    list.push_back('\'');
    for (char c : family) {
      if (c == '\\' || c == '\'') list += '\\';
      // A CSS string cannot hold a line break.
      list += (unsigned char)c < 0x20 ? ' ' : c;
    }
    list += '\'';
  }
  return list.append(", sans-serif");
}

// Without a sink the whole document is held; with one, a chunk at a time:
// a few pages, written again and again, instead of fresh ones all along. The
// chunk's buffer is small enough to come from the heap rather than a mapping
// of its own, which would be unmapped again at the end.
constexpr size_t kWholeReserve = 1 << 18, kChunk = 1 << 16, kChunkReserve = kChunk + kChunk / 2;

GSvgSurface::GSvgSurface(int width, int height, GSvgSink sink, GSvgLetters letters)
    : m_W(std::max(1, width)),
      m_H(std::max(1, height)),
      m_Out(sink ? kChunkReserve : kWholeReserve),
      m_Letters(std::move(letters)) {
  const std::string list = SvgFamilyList(m_Letters.family);
  std::string attr(list.size() * 6 + 32, '\0');
  char* a = Put(&attr[0], "\" font-family=\"");
  a = PutEscaped(a, list);
  a = Put(a, "\" font-size=\"");
  attr.resize((size_t)(a - attr.data()));
  m_FontAttr = std::move(attr);
  if (sink) m_Out.SetSink(std::move(sink), kChunk);
  char* p = m_Out.Room(kElementBytes);
  p = Put(p,
          "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
          "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"");
  p = PutInt(p, m_W);
  p = Put(p, "\" height=\"");
  p = PutInt(p, m_H);
  p = Put(p, "\" viewBox=\"0 0 ");
  p = PutInt(p, m_W);
  *p++ = ' ';
  p = PutInt(p, m_H);
  p = Put(p, "\">\n");
  m_Out.Done(p);
}

std::string GSvgSurface::Document() const {
  std::string text;
  text.reserve(m_Out.View().size() + 8);
  text.append(m_Out.View());
  text.append("</svg>\n");
  return text;
}

bool GSvgSurface::End() {
  if (!m_Finished) m_Out.Done(Put(m_Out.Room(8), "</svg>\n"));
  m_Finished = true;
  return m_Out.Flush();
}

std::string GSvgSurface::TakeDocument() {
  End();
  std::string text(m_Out.View());
  m_Out.Clear();
  m_Finished = false;
  m_Pictures.clear();
  m_Embedded = 0;
  m_PatternDefs.clear();
  return text;
}

void GSvgSurface::Clear(const GRgb& bg) {
  char* p = Put(m_Out.Room(kElementBytes), "<rect width=\"");
  p = PutInt(p, m_W);
  p = Put(p, "\" height=\"");
  p = PutInt(p, m_H);
  p = Put(p, "\" fill=\"");
  p = PutColour(p, bg);
  m_Out.Done(Put(p, "\"/>\n"));
}

void GSvgSurface::Stroke(const GRgb& c, int width, GPix a, GPix b) {
  char* p = Put(m_Out.Room(kElementBytes), "<line x1=\"");
  p = PutInt(p, a.x);
  p = Put(p, "\" y1=\"");
  p = PutInt(p, a.y);
  p = Put(p, "\" x2=\"");
  p = PutInt(p, b.x);
  p = Put(p, "\" y2=\"");
  p = PutInt(p, b.y);
  *p++ = '"';
  p = PutStroke(p, c, width, false);
  m_Out.Done(Put(p, "/>\n"));
}

void GSvgSurface::StrokeChain(const GRgb& c, int width, const GPixF* pts, int n) {
  PutPolyline(m_Out, c, width, pts, n);
}

void GSvgSurface::Polyline(const GRgb& c, int width, const GPix* pts, int n) {
  PutPolyline(m_Out, c, width, pts, n);
}

// One path for all the polygons: each starts with a move relative to where
// the one before started (the first from the corner, so in effect absolute),
// goes on by relative lines and closes with "z".
void GSvgSurface::Fill(const GRgb& c, const GPix* pts, const int* counts, int n) {
  size_t total = 0;
  bool any = false;
  for (int i = 0; i < n; ++i) {
    total += (size_t)std::max(0, counts[i]);
    any = any || counts[i] >= 3;
  }
  if (!any) return;
  char* p = Put(m_Out.Room(kElementBytes + total * kPointBytes + (size_t)n * 2), "<path fill=\"");
  p = PutColour(p, c);
  p = Put(p, "\" d=\"");
  int64_t startX = 0, startY = 0;
  const GPix* poly = pts;
  for (int i = 0; i < n; poly += std::max(0, counts[i]), ++i) {
    const int k = counts[i];
    if (k < 3) continue;
    *p++ = 'm';
    p = PutInt(p, poly[0].x - startX);
    p = PutStep(p, poly[0].y - startY);
    startX = poly[0].x, startY = poly[0].y;
    for (int j = 1; j < k; ++j) {
      p = PutStep(p, (int64_t)poly[j].x - poly[j - 1].x);
      p = PutStep(p, (int64_t)poly[j].y - poly[j - 1].y);
    }
    *p++ = 'z';
  }
  m_Out.Done(Put(p, "\"/>\n"));
}

void GSvgSurface::Polygon(const GInk& ink, const GPix* pts, int n) {
  if (n < 3 || !Visible(ink)) return;
  char* p =
      Put(m_Out.Room(kElementBytes + kInkBytes + (size_t)n * kPointBytes), "<polygon points=\"");
  p = PutPoints(p, pts, n);
  *p++ = '"';
  p = PutInk(p, ink, true);
  m_Out.Done(Put(p, "/>\n"));
}

void GSvgSurface::Circle(const GInk& ink, GPix centre, int radius) {
  if (radius <= 0 || !Visible(ink)) return;
  char* p = Put(m_Out.Room(kElementBytes + kInkBytes), "<circle cx=\"");
  p = PutInt(p, centre.x);
  p = Put(p, "\" cy=\"");
  p = PutInt(p, centre.y);
  p = Put(p, "\" r=\"");
  p = PutInt(p, radius);
  *p++ = '"';
  p = PutInk(p, ink, false);
  m_Out.Done(Put(p, "/>\n"));
}

void GSvgSurface::Rectangle(const GInk& ink, int x, int y, int w, int h) {
  if (!Visible(ink)) return;
  // A box given from its far corner is the same box (SVG draws none).
  int64_t x0 = x, y0 = y, w0 = w, h0 = h;
  if (w0 < 0) x0 += w0, w0 = -w0;
  if (h0 < 0) y0 += h0, h0 = -h0;
  char* p = Put(m_Out.Room(kElementBytes + kInkBytes), "<rect x=\"");
  p = PutInt(p, x0);
  p = Put(p, "\" y=\"");
  p = PutInt(p, y0);
  p = Put(p, "\" width=\"");
  p = PutInt(p, w0);
  p = Put(p, "\" height=\"");
  p = PutInt(p, h0);
  *p++ = '"';
  p = PutInk(p, ink, false);
  m_Out.Done(Put(p, "/>\n"));
}

// Counter-clockwise on the screen from `start` to `end` degrees (y grows
// downward, so a point at angle a is (cx + rx cos a, cy - ry sin a)); equal
// angles make the whole ellipse. SVG cannot draw an arc back to its own
// start, so a whole one is two halves.
void GSvgSurface::EllipticArc(const GInk& ink, int x, int y, int w, int h, double start,
                              double end) {
  if (!Visible(ink) || !std::isfinite(start) || !std::isfinite(end)) return;
  const double rx = std::fabs(w / 2.0), ry = std::fabs(h / 2.0), cx = x + w / 2.0, cy = y + h / 2.0;
  double sweep = std::fmod(end - start, 360.0);
  if (sweep <= 0) sweep += 360.0;
  const bool whole = sweep >= 360.0;
  const double a0 = start * M_PI / 180, a1 = (start + (whole ? 180 : sweep)) * M_PI / 180;
  char* p = Put(m_Out.Room(2 * kElementBytes + kInkBytes + 12 * kNumBytes), "<path d=\"M");
  auto at = [&](double a) {
    p = PutNum(p, cx + rx * std::cos(a));
    *p++ = ' ';
    p = PutNum(p, cy - ry * std::sin(a));
  };
  auto arc = [&](bool large, double a) {
    p = Put(p, " A");
    p = PutNum(p, rx);
    *p++ = ' ';
    p = PutNum(p, ry);
    p = large ? Put(p, " 0 1 0 ") : Put(p, " 0 0 0 ");
    at(a);
  };
  // A filled part of the ellipse is a pie: from the centre out and back.
  const bool pie = ink.filled && !whole;
  if (pie) {
    p = PutNum(p, cx);
    *p++ = ' ';
    p = PutNum(p, cy);
    p = Put(p, " L");
  }
  at(a0);
  arc(!whole && sweep > 180, a1);
  if (whole) arc(false, a0);
  if (pie || whole) p = Put(p, " Z");
  *p++ = '"';
  p = PutInk(p, ink, false);
  m_Out.Done(Put(p, "/>\n"));
}

// Each picture is embedded once, as a PNG in an <image> of its own, and
// every drawing of it is a <use> of that.
void GSvgSurface::Picture(const GRaster& picture, int x, int y) {
  auto found = std::find_if(m_Pictures.begin(), m_Pictures.end(),
                            [&](const auto& e) { return e.first == picture.id; });
  if (found == m_Pictures.end()) {
    const std::string png = EncodePng(picture);
    // A picture that cannot be encoded is left out, each time it comes.
    const int index = png.empty() ? -1 : m_Embedded++;
    m_Pictures.emplace_back(picture.id, index);
    found = m_Pictures.end() - 1;
    if (index >= 0) {
      char* p = Put(m_Out.Room(kElementBytes + Base64Size(png.size())), "<defs><image id=\"p");
      p = PutInt(p, index);
      p = Put(p, "\" width=\"");
      p = PutInt(p, picture.width);
      p = Put(p, "\" height=\"");
      p = PutInt(p, picture.height);
      p = Put(p, "\" xlink:href=\"data:image/png;base64,");
      p = PutBase64(p, reinterpret_cast<const uint8_t*>(png.data()), png.size());
      m_Out.Done(Put(p, "\"/></defs>\n"));
    }
  }
  if (found->second < 0) return;
  char* p = Put(m_Out.Room(kElementBytes), "<use xlink:href=\"#p");
  p = PutInt(p, found->second);
  p = Put(p, "\" x=\"");
  p = PutInt(p, x);
  p = Put(p, "\" y=\"");
  p = PutInt(p, y);
  m_Out.Done(Put(p, "\"/>\n"));
}

GLetterBox GSvgSurface::Measure(const std::string& text, int size, bool bold) const {
  return m_Letters.measure ? m_Letters.measure(text, size, bold) : MeasureLetters(text, size, bold);
}

void GSvgSurface::TextExtent(const std::string& text, int size, bool bold, int* w, int* h,
                             int* descent) {
  const GLetterBox box = Measure(text, size, bold);
  if (w) *w = box.width;
  if (h) *h = box.height;
  if (descent) *descent = box.descent;
}

// (x, y) is the corner of the letters' box; SVG places the base line, one
// ascent lower. The size goes at 96 pixels per inch. A measure of the
// program's own may give letters it lays out in another font (a fallback for
// a script the family lacks) a higher base line: the text's own box counts.
void GSvgSurface::Text(const std::string& text, int size, bool bold, const GRgb& c, int x, int y) {
  size = std::max(1, size);
  const GLetterBox box =
      m_Letters.measure ? m_Letters.measure(text, size, bold) : MeasureLetters({}, size, bold);
  char* p = Put(m_Out.Room(kElementBytes + m_FontAttr.size() + 6 * text.size()), "<text x=\"");
  p = PutInt(p, x);
  p = Put(p, "\" y=\"");
  p = PutInt(p, (int64_t)y + box.ascent);
  p = Put(p, m_FontAttr);
  p = PutNum(p, size * 96.0 / 72.0);
  if (bold) p = Put(p, "\" font-weight=\"bold");
  p = Put(p, "\" fill=\"");
  p = PutColour(p, c);
  p = Put(p, "\" xml:space=\"preserve\">");
  p = PutEscaped(p, text);
  m_Out.Done(Put(p, "</text>\n"));
}
