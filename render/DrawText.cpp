// Drawing of texts (several lines, evaluated values, centring, growth about
// the middle while emphasised) and of images with their frame and handles.
#include <cmath>
#include <string>
#include <vector>

#include "render/Draw.h"
#include "model/EvalText.h"

namespace {

// Lines of s; a break is "\n", "\r" or the pair "\r\n".
std::vector<std::string> SplitLines(const std::string& s) {
  std::vector<std::string> lines;
  size_t start = 0;
  for (size_t i = 0; i <= s.size(); ++i) {
    if (i == s.size() || s[i] == '\n' || s[i] == '\r') {
      lines.push_back(s.substr(start, i - start));
      if (i + 1 < s.size() && s[i] == '\r' && s[i + 1] == '\n') ++i;
      start = i + 1;
    }
  }
  return lines;
}

int FontPoints(double size) { return std::max(1, (int)std::floor(size)); }

// The box of one line; an empty line is as high as a blank and has no width.
void LineExtent(const std::string& line, GSurface& out, int size, bool bold, int* w, int* h,
                int* descent) {
  out.TextExtent(line.empty() ? std::string(" ") : line, size, bold, w, h, descent);
  if (line.empty()) *w = 0;
}

// The box of the lines of a text drawn at the given size: the widest line by
// the sum of the line heights (each with its descent).
void RunsSize(const std::vector<std::string>& lines, GSurface& out, int size, bool bold, int* width,
              int* height) {
  int w = 0, h = 0;
  for (const std::string& line : lines) {
    int lw = 0, lh = 0, descent = 0;
    LineExtent(line, out, size, bold, &lw, &lh, &descent);
    w = std::max(w, lw);
    h += lh + descent;
  }
  *width = w;
  *height = h;
}

}  // namespace

void GetMultiTextSize(const std::string& s, GSurface& out, int size, bool bold, int* width,
                      int* height) {
  RunsSize(SplitLines(s), out, size, bold, width, height);
}

void DrawMultiText(GText* t, const std::string& s, const GPaint& g, GSurface& out, int x, int y) {
  const int f = t->fadeLevel;
  if (f >= 4) return;
  const double w = t->widthFactor;
  const int size = FontPoints(t->fontSize * w);
  const GRgb col = Faded(GRgb{t->red, t->green, t->blue}, f, g);
  const std::vector<std::string> lines = SplitLines(s);
  int whole = 0, wholeH = 0;
  if (t->centered) RunsSize(lines, out, size, false, &whole, &wholeH);
  int top = 0;
  for (const std::string& line : lines) {
    int lw = 0, lh = 0, descent = 0;
    LineExtent(line, out, size, false, &lw, &lh, &descent);
    // An emphasised text grows about its middle rather than from its corner.
    int lx = x + t->offsetDx - (int)std::floor(lw * (w - 1) * 0.25);
    if (t->centered) lx += (int)std::floor((whole - lw) * 0.5);
    const int ly = y + top + t->offsetDy - (int)std::floor((lh + descent) * (w - 1) * 0.25);
    if (!line.empty()) out.Text(line, size, false, col, lx, ly);
    top += lh + descent;
  }
}

void DrawOneText(GText* t, const GPaint& g, GSurface& out) {
  if (!t || t->hidden) return;
  const int x = (int)std::floor(t->x), y = (int)std::floor(t->y);
  if (x < 0 || y < 0 || x >= g.view.width || y >= g.view.height) return;
  std::string shown;
  // A reference that cannot be read leaves the text as typed, so the person
  // sees what to mend instead of an empty spot.
  if (!g.doc || EvaluateText(g.doc->FirstConst(), t->text, shown, false) != 0) shown = t->text;
  RemoveYenCommaOnText(shown);
  DrawMultiText(t, shown, g, out, x, y);
  if (t->hilighted && t->fadeLevel < 4) {
    int tw = 0, th = 0;
    RunsSize(SplitLines(shown), out, FontPoints(t->fontSize * t->widthFactor), false, &tw, &th);
    out.Rectangle(GInk::Outline(g.look->hilightFrame, 1), x - 1, y, tw + 2, th);
  }
}

void DrawOneImage(GImage* im, const GPaint& g, GSurface& out) {
  if (!im || im->hidden || im->fadeLevel > 3) return;
  const auto* pic = dynamic_cast<const GRasterPicture*>(im->picture);
  if (!pic || pic->shown.Empty()) return;
  const int x = im->x + im->offsetDx, y = im->y + im->offsetDy;
  out.Picture(pic->shown, x, y);
  const double w = im->widthFactor;
  if (!im->hilighted && w <= 1.0) return;
  const GRgb c = g.look->hilightFrame;
  out.Rectangle(GInk::Outline(c, im->hilighted ? 1 : std::max(1, (int)std::floor(5 * w - 4))),
                x - 5, y - 5, im->width + 10, im->height + 10);
  // Four handles at the corners.
  const GInk handle = GInk::Both(c, 1, c);
  out.Rectangle(handle, x - 5, y - 5, 5, 5);
  out.Rectangle(handle, x - 5, y + im->height, 5, 5);
  out.Rectangle(handle, x + im->width, y - 5, 5, 5);
  out.Rectangle(handle, x + im->width, y + im->height, 5, 5);
}
