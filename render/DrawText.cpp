// Drawing of texts (several lines, evaluated values, centring, growth about
// the middle while emphasised) and of images with their frame and handles.
#include <cmath>
#include <vector>
#include <wx/font.h>

#include "render/Draw.h"
#include "model/EvalText.h"

namespace {

// Lines of s; a break is "\n", "\r" or the pair "\r\n".
std::vector<wxString> SplitLines(const std::string& s) {
  std::vector<wxString> lines;
  size_t start = 0;
  for (size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s[i] == '\n' || s[i] == '\r') {
      lines.push_back(wxString::FromUTF8(s.data() + start, i - start));
      if (i + 1 < s.size() && s[i] == '\r' && s[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  return lines;
}

int FontPoints(double size) { return std::max(1, (int)std::floor(size)); }

}  // namespace

void GetMultiTextSize(const std::string& s, wxDC& dc, int* width, int* height) {
  int w = 0, h = 0;
  for (const wxString& line : SplitLines(s)) {
    wxCoord lw = 0, lh = 0, descent = 0;
    dc.GetTextExtent(line.empty() ? wxString(" ") : line, &lw, &lh, &descent);
    if (line.empty()) lw = 0;
    w = std::max(w, (int)lw);
    h += lh + descent;
  }
  *width = w;
  *height = h;
}

// The box of the lines of a text drawn at the given size: the widest line by
// the sum of the line heights (each with its descent).
static void RunsSize(const std::vector<wxString>& lines, wxDC& dc, int size, int* width,
                     int* height) {
  int w = 0, h = 0;
  for (const wxString& line : lines) {
    int lw = 0, lh = 0, descent = 0;
    GetTextRunExtent(dc, line.empty() ? wxString(" ") : line, size, &lw, &lh, &descent);
    if (line.empty()) lw = 0;
    w = std::max(w, lw);
    h += lh + descent;
  }
  *width = w;
  *height = h;
}

void DrawMultiText(GText* t, const std::string& s, const GPaint& g, wxDC& dc, int x, int y) {
  const int f = t->fadeLevel;
  if (f >= 4) return;
  const double w = t->widthFactor;
  const int size = FontPoints(t->fontSize * w);
  const wxColour col = Faded(GRgb{t->red, t->green, t->blue}, f, g);
  const std::vector<wxString> lines = SplitLines(s);
  int whole = 0, wholeH = 0;
  if (t->centered) RunsSize(lines, dc, size, &whole, &wholeH);
  int top = 0;
  for (const wxString& line : lines) {
    int lw = 0, lh = 0, descent = 0;
    GetTextRunExtent(dc, line.empty() ? wxString(" ") : line, size, &lw, &lh, &descent);
    if (line.empty()) lw = 0;
    // An emphasised text grows about its middle rather than from its corner.
    int lx = x + t->offsetDx - (int)std::floor(lw * (w - 1) * 0.25);
    if (t->centered) lx += (int)std::floor((whole - lw) * 0.5);
    const int ly = y + top + t->offsetDy - (int)std::floor((lh + descent) * (w - 1) * 0.25);
    if (!line.empty()) DrawTextRun(dc, line, size, col, lx, ly);
    top += lh + descent;
  }
}

void DrawOneText(GText* t, const GPaint& g, wxDC& dc) {
  if (!t || t->hidden) return;
  const int x = (int)std::floor(t->x), y = (int)std::floor(t->y);
  if (x < 0 || y < 0 || x >= g.view.width || y >= g.view.height) return;
  std::string shown;
  // A reference that cannot be read leaves the text as typed, so the person
  // sees what to mend instead of an empty spot.
  if (!g.doc || EvaluateText(g.doc->FirstConst(), t->text, shown, false) != 0) shown = t->text;
  RemoveYenCommaOnText(shown);
  DrawMultiText(t, shown, g, dc, x, y);
  if (t->hilighted && t->fadeLevel < 4) {
    int tw = 0, th = 0;
    RunsSize(SplitLines(shown), dc, FontPoints(t->fontSize * t->widthFactor), &tw, &th);
    dc.SetPen(wxPen(ToWx(g.look->hilightFrame), 1));
    dc.SetBrush(*wxTRANSPARENT_BRUSH);
    dc.DrawRectangle(x - 1, y, tw + 2, th);
  }
}

void DrawOneImage(GImage* im, const GPaint& g, wxDC& dc) {
  if (!im || im->hidden || im->fadeLevel > 3) return;
  const auto* pic = dynamic_cast<const GWxPicture*>(im->picture);
  if (!pic || !pic->bitmap.IsOk()) return;
  const int x = im->x + im->offsetDx, y = im->y + im->offsetDy;
  dc.DrawBitmap(pic->bitmap, x, y, false);
  const double w = im->widthFactor;
  if (!im->hilighted && w <= 1.0) return;
  const wxColour c = ToWx(g.look->hilightFrame);
  dc.SetPen(wxPen(c, im->hilighted ? 1 : std::max(1, (int)std::floor(5 * w - 4))));
  dc.SetBrush(*wxTRANSPARENT_BRUSH);
  dc.DrawRectangle(x - 5, y - 5, im->width + 10, im->height + 10);
  // Four handles at the corners.
  dc.SetPen(wxPen(c, 1));
  dc.SetBrush(wxBrush(c));
  dc.DrawRectangle(x - 5, y - 5, 5, 5);
  dc.DrawRectangle(x - 5, y + im->height, 5, 5);
  dc.DrawRectangle(x + im->width, y - 5, 5, 5);
  dc.DrawRectangle(x + im->width, y + im->height, 5, 5);
}
