// The SVG context: a wxDCImpl whose drawing calls append SVG elements. Pens
// become strokes, brushes fills; pictures are embedded once as PNG and
// reused; letters are measured with cairo at 96 pixels per inch.
#include "render/SvgDC.h"

#include <cairo.h>

#include <cmath>
#include <cstdio>
#include <initializer_list>
#include <map>
#include <string_view>
#include <wx/base64.h>
#include <wx/bitmap.h>
#include <wx/icon.h>
#include <wx/image.h>
#include <wx/mstream.h>

namespace {

std::string Colour(const wxColour& c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", c.Red(), c.Green(), c.Blue());
  return buf;
}

// A number as SVG wants it, without a heap string: whole numbers bare,
// others with two decimals.
struct Num {
  char s[32];
  int n;
  explicit Num(double v) {
    n = (v == std::floor(v) && std::fabs(v) < 1e9) ? std::snprintf(s, sizeof s, "%d", (int)v)
                                                   : std::snprintf(s, sizeof s, "%.2f", v);
  }
  operator std::string_view() const { return {s, (size_t)n}; }
};

std::string Escape(const std::string& s) {
  std::string out;
  for (char c : s) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      case '"':
        out += "&quot;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

// Pixel size of a font of `points` at 96 pixels per inch, as the screen draws it.
double PixelSize(const wxFont& f) {
  const double pt = f.IsOk() ? f.GetFractionalPointSize() : 12.0;
  return pt * 96.0 / 72.0;
}

class SvgImpl : public wxDCImpl {
 public:
  SvgImpl(wxDC* owner, int w, int h) : wxDCImpl(owner), m_W(w), m_H(h) {
    m_Measure = cairo_image_surface_create(CAIRO_FORMAT_A8, 1, 1);
    m_Cr = cairo_create(m_Measure);
    m_ok = true;
    m_Body.reserve(1 << 20);
  }
  ~SvgImpl() override {
    cairo_destroy(m_Cr);
    cairo_surface_destroy(m_Measure);
  }

  std::string Text() const {
    const Num w(m_W), h(m_H);
    std::string head =
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<svg xmlns=\"http://www.w3.org/2000/svg\" "
        "xmlns:xlink=\"http://www.w3.org/1999/xlink\" width=\"";
    for (std::string_view part :
         {std::string_view(w), std::string_view("\" height=\""), std::string_view(h),
          std::string_view("\" viewBox=\"0 0 "), std::string_view(w), std::string_view(" "),
          std::string_view(h), std::string_view("\">\n")})
      head.append(part);
    return head + m_Body + "</svg>\n";
  }

  // ---- state ----
  bool IsOk() const override { return true; }
  void SetFont(const wxFont& f) override { m_font = f; }
  // The stroke and fill attributes are made once per pen and brush: a figure
  // draws thousands of shapes with a few of them.
  void SetPen(const wxPen& p) override {
    m_pen = p;
    m_StrokeAttr = " stroke=\"none\"";
    if (!Stroked()) return;
    m_StrokeAttr = " stroke=\"" + Colour(p.GetColour()) + "\" stroke-width=\"";
    m_StrokeAttr.append(Num(std::max(1, p.GetWidth())));
    m_StrokeAttr += "\" stroke-linecap=\"round\"";
  }
  void SetBrush(const wxBrush& b) override {
    m_brush = b;
    m_FillAttr = (!b.IsOk() || b.GetStyle() == wxBRUSHSTYLE_TRANSPARENT)
                     ? " fill=\"none\""
                     : " fill=\"" + Colour(b.GetColour()) + "\"";
  }
  void SetBackground(const wxBrush& b) override { m_backgroundBrush = b; }
  void SetBackgroundMode(int mode) override { m_backgroundMode = mode; }
  void SetLogicalFunction(wxRasterOperationMode) override {}
  void SetPalette(const wxPalette&) override {}
  bool CanDrawBitmap() const override { return true; }
  bool CanGetTextExtent() const override { return true; }
  int GetDepth() const override { return 24; }
  wxSize GetPPI() const override { return wxSize(96, 96); }
  void DoGetSize(int* w, int* h) const override {
    if (w) *w = m_W;
    if (h) *h = m_H;
  }
  void DoGetSizeMM(int* w, int* h) const override {
    if (w) *w = (int)std::lround(m_W * 25.4 / 96);
    if (h) *h = (int)std::lround(m_H * 25.4 / 96);
  }
  void DoSetClippingRegion(wxCoord, wxCoord, wxCoord, wxCoord) override {}
  void DoSetDeviceClippingRegion(const wxRegion&) override {}
  bool DoFloodFill(wxCoord, wxCoord, const wxColour&, wxFloodFillStyle) override { return false; }
  bool DoGetPixel(wxCoord, wxCoord, wxColour*) const override { return false; }
  bool DoBlit(wxCoord, wxCoord, wxCoord, wxCoord, wxDC*, wxCoord, wxCoord, wxRasterOperationMode,
              bool, wxCoord, wxCoord) override {
    return false;
  }

  // ---- letters ----
  wxCoord GetCharHeight() const override {
    wxCoord h = 0;
    DoGetTextExtent("X", nullptr, &h, nullptr, nullptr, nullptr);
    return h;
  }
  wxCoord GetCharWidth() const override {
    wxCoord w = 0;
    DoGetTextExtent("x", &w, nullptr, nullptr, nullptr, nullptr);
    return w;
  }
  void DoGetTextExtent(const wxString& s, wxCoord* w, wxCoord* h, wxCoord* descent,
                       wxCoord* leading, const wxFont* font) const override {
    cairo_font_extents_t fe;
    cairo_text_extents_t te;
    Select(font ? *font : m_font);
    cairo_font_extents(m_Cr, &fe);
    cairo_text_extents(m_Cr, s.utf8_string().c_str(), &te);
    if (w) *w = (wxCoord)std::ceil(te.x_advance);
    if (h) *h = (wxCoord)std::ceil(fe.ascent + fe.descent);
    if (descent) *descent = (wxCoord)std::ceil(fe.descent);
    if (leading) *leading = 0;
  }
  // (x, y) is the corner of the letters' box; SVG places the base line.
  void DoDrawText(const wxString& s, wxCoord x, wxCoord y) override {
    cairo_font_extents_t fe;
    Select(m_font);
    cairo_font_extents(m_Cr, &fe);
    Put({"<text x=\"", Num(x), "\" y=\"", Num(y + std::ceil(fe.ascent)),
         "\" font-family=\"DejaVu Sans, sans-serif\" font-size=\"", Num(PixelSize(m_font)),
         "\" fill=\"", Colour(m_textForegroundColour), "\" xml:space=\"preserve\">",
         Escape(s.utf8_string()), "</text>\n"});
  }
  void DoDrawRotatedText(const wxString& s, wxCoord x, wxCoord y, double angle) override {
    Put({"<g transform=\"rotate(", Num(-angle), " ", Num(x), " ", Num(y), ")\">\n"});
    DoDrawText(s, x, y);
    Put({"</g>\n"});
  }

  // ---- shapes ----
  void Clear() override {
    Put({"<rect width=\"", Num(m_W), "\" height=\"", Num(m_H), "\" fill=\"",
         Colour(m_backgroundBrush.GetColour()), "\"/>\n"});
  }
  void DoDrawPoint(wxCoord x, wxCoord y) override { DoDrawLine(x, y, x + 1, y); }
  void DoDrawLine(wxCoord x1, wxCoord y1, wxCoord x2, wxCoord y2) override {
    if (!Stroked()) return;
    Put({"<line x1=\"", Num(x1), "\" y1=\"", Num(y1), "\" x2=\"", Num(x2), "\" y2=\"", Num(y2),
         "\"", m_StrokeAttr, "/>\n"});
  }
  void DoDrawLines(int n, const wxPoint* p, wxCoord dx, wxCoord dy) override {
    if (n < 2 || !Stroked()) return;
    Put({"<polyline points=\""});
    Points(n, p, dx, dy);
    Put({"\" fill=\"none\"", m_StrokeAttr, "/>\n"});
  }
  void DoDrawPolygon(int n, const wxPoint* p, wxCoord dx, wxCoord dy, wxPolygonFillMode) override {
    if (n < 3) return;
    Put({"<polygon points=\""});
    Points(n, p, dx, dy);
    Put({"\"", m_FillAttr, m_StrokeAttr, "/>\n"});
  }
  void DoDrawRectangle(wxCoord x, wxCoord y, wxCoord w, wxCoord h) override {
    Put({"<rect x=\"", Num(x), "\" y=\"", Num(y), "\" width=\"", Num(w), "\" height=\"", Num(h),
         "\"", m_FillAttr, m_StrokeAttr, "/>\n"});
  }
  void DoDrawRoundedRectangle(wxCoord x, wxCoord y, wxCoord w, wxCoord h, double r) override {
    Put({"<rect x=\"", Num(x), "\" y=\"", Num(y), "\" width=\"", Num(w), "\" height=\"", Num(h),
         "\" rx=\"", Num(r), "\"", m_FillAttr, m_StrokeAttr, "/>\n"});
  }
  void DoDrawEllipse(wxCoord x, wxCoord y, wxCoord w, wxCoord h) override {
    const double rx = w / 2.0, ry = h / 2.0;
    if (w == h)
      Put({"<circle cx=\"", Num(x + rx), "\" cy=\"", Num(y + ry), "\" r=\"", Num(rx), "\"",
           m_FillAttr, m_StrokeAttr, "/>\n"});
    else
      Put({"<ellipse cx=\"", Num(x + rx), "\" cy=\"", Num(y + ry), "\" rx=\"", Num(rx), "\" ry=\"",
           Num(ry), "\"", m_FillAttr, m_StrokeAttr, "/>\n"});
  }
  // Angles in degrees, counter-clockwise from the positive x axis with y up.
  void DoDrawEllipticArc(wxCoord x, wxCoord y, wxCoord w, wxCoord h, double sa,
                         double ea) override {
    const double rx = w / 2.0, ry = h / 2.0, cx = x + rx, cy = y + ry;
    double sweep = std::fmod(ea - sa, 360.0);
    if (sweep <= 0) sweep += 360.0;
    const double a0 = sa * M_PI / 180, a1 = (sa + sweep) * M_PI / 180;
    Put({"<path d=\"M", Num(cx + rx * std::cos(a0)), " ", Num(cy - ry * std::sin(a0)), " A",
         Num(rx), " ", Num(ry), " 0 ", sweep > 180 ? "1" : "0", " 0 ", Num(cx + rx * std::cos(a1)),
         " ", Num(cy - ry * std::sin(a1)), "\" fill=\"none\"", m_StrokeAttr, "/>\n"});
  }
  void DoDrawArc(wxCoord x1, wxCoord y1, wxCoord x2, wxCoord y2, wxCoord xc, wxCoord yc) override {
    const double r = std::hypot(x1 - xc, y1 - yc);
    const double a1 = std::atan2(yc - y1, x1 - xc) * 180 / M_PI;
    const double a2 = std::atan2(yc - y2, x2 - xc) * 180 / M_PI;
    DoDrawEllipticArc((wxCoord)(xc - r), (wxCoord)(yc - r), (wxCoord)(2 * r), (wxCoord)(2 * r), a1,
                      a2);
  }
  void DoCrossHair(wxCoord, wxCoord) override {}

  // ---- pictures: each distinct one embedded once, then referred to ----
  void DoDrawIcon(const wxIcon& icon, wxCoord x, wxCoord y) override {
    wxBitmap bmp;
    bmp.CopyFromIcon(icon);
    DoDrawBitmap(bmp, x, y, true);
  }
  void DoDrawBitmap(const wxBitmap& bmp, wxCoord x, wxCoord y, bool useMask) override {
    if (!bmp.IsOk()) return;
    const void* key = bmp.GetRefData();
    auto found = m_Pictures.find(key);
    if (found == m_Pictures.end()) {
      wxImage img = bmp.ConvertToImage();
      if (useMask && img.HasMask() && !img.HasAlpha()) img.InitAlpha();
      if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
      wxMemoryOutputStream png;
      if (!img.SaveFile(png, wxBITMAP_TYPE_PNG)) return;
      const size_t n = png.GetSize();
      std::string bytes(n, '\0');
      png.CopyTo(bytes.data(), n);
      std::string id = "p";
      id += std::to_string(m_Pictures.size());
      Put({"<defs><image id=\"", id, "\" width=\"", Num(img.GetWidth()), "\" height=\"",
           Num(img.GetHeight()), "\" xlink:href=\"data:image/png;base64,",
           wxBase64Encode(bytes.data(), n).utf8_string(), "\"/></defs>\n"});
      found = m_Pictures.emplace(key, std::make_pair(bmp, id)).first;
    }
    Put({"<use xlink:href=\"#", found->second.second, "\" x=\"", Num(x), "\" y=\"", Num(y),
         "\"/>\n"});
  }

 private:
  void Select(const wxFont& f) const {
    const bool bold = f.IsOk() && f.GetWeight() >= wxFONTWEIGHT_BOLD;
    const bool italic = f.IsOk() && f.GetStyle() != wxFONTSTYLE_NORMAL;
    cairo_select_font_face(m_Cr, "DejaVu Sans",
                           italic ? CAIRO_FONT_SLANT_ITALIC : CAIRO_FONT_SLANT_NORMAL,
                           bold ? CAIRO_FONT_WEIGHT_BOLD : CAIRO_FONT_WEIGHT_NORMAL);
    cairo_set_font_size(m_Cr, PixelSize(f));
  }
  bool Stroked() const { return m_pen.IsOk() && m_pen.GetStyle() != wxPENSTYLE_TRANSPARENT; }
  void Put(std::initializer_list<std::string_view> parts) {
    for (std::string_view part : parts) m_Body.append(part);
  }
  void Points(int n, const wxPoint* p, wxCoord dx, wxCoord dy) {
    for (int i = 0; i < n; ++i) Put({i ? " " : "", Num(p[i].x + dx), ",", Num(p[i].y + dy)});
  }

  int m_W, m_H;
  std::string m_Body;
  std::string m_StrokeAttr = " stroke=\"#000000\" stroke-width=\"1\" stroke-linecap=\"round\"";
  std::string m_FillAttr = " fill=\"#ffffff\"";
  // Each picture is held while the context lives, so that its address
  // cannot come back as another picture's.
  std::map<const void*, std::pair<wxBitmap, std::string>> m_Pictures;
  cairo_surface_t* m_Measure;
  cairo_t* m_Cr;
};

}  // namespace

GSvgDC::GSvgDC(int width, int height) : wxDC(new SvgImpl(this, width, height)) {}

std::string GSvgDC::Text() const { return static_cast<const SvgImpl*>(GetImpl())->Text(); }
