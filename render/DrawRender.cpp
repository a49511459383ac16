// Drawing a document file without a window: a painter stands in for the
// canvas, taking the looks a sheet or a script brings as the canvas does; SVG
// goes from there to the file with nothing of the toolkit.
#include "render/DrawRender.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <sstream>

#include "render/SvgSurface.h"
#include "script/OpenFigure.h"
#include "script/SafeFile.h"
#include "script/Script.h"

const char kRenderUsage[] =
    "usage: fgf render FILE OUT.{png,bmp,svg,pdf} [--sheet N|all] [--size WxH] [--theme NAME]\n"
    "                  [--paper a4|letter]\n";

namespace {

// The canvas's answers to the document, for a painter without a window.
class Host : public GDocumentHooks {
 public:
  Host(GDocument& doc, FigurePainter& p) : m_Doc(doc), m_Painter(p) {}
  void SheetSwitched(bool fresh) override {
    if (fresh)
      m_Painter.SetTheme(m_Painter.m_Look.theme, 1);
    else
      m_Painter.LoadSheetAppearance();
  }
  void AppearanceRead() override {
    m_Painter.LoadSheetAppearance();
    m_Painter.m_Look.pointName = ToRgb(m_Doc.Defaults().NameColour());
    m_Painter.UpdateView();
  }

 private:
  GDocument& m_Doc;
  FigurePainter& m_Painter;
};

std::string Lower(std::string s) {
  for (char& c : s) c = (char)std::tolower((unsigned char)c);
  return s;
}

bool EndsWith(const std::string& s, const char* tail) {
  const std::string t(tail);
  return s.size() >= t.size() && Lower(s.substr(s.size() - t.size())) == t;
}

}  // namespace

bool ParseRenderArgs(const std::vector<std::string>& args, GRenderRequest* r, std::string& error,
                     int* status) {
  *status = 2;
  if (args.size() < 2) {
    error = kRenderUsage;
    return false;
  }
  r->file = args[0];
  r->out = args[1];
  for (size_t i = 2; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--sheet" && hasValue && Lower(args[i + 1]) == "all") {
      r->allSheets = true;
      ++i;
    } else if (args[i] == "--paper" && hasValue) {
      const std::string v = Lower(args[++i]);
      if (v != "a4" && v != "letter") {
        error = "unknown paper " + args[i] + " (a4 or letter)";
        *status = 1;
        return false;
      }
      r->paper = v == "a4" ? GPaper::kA4 : GPaper::kLetter;
    } else if (args[i] == "--sheet" && hasValue) {
      const std::string& v = args[++i];
      if (v.empty() || v.size() > 6 || v.find_first_not_of("0123456789") != std::string::npos) {
        error = "unknown sheet " + v + " (sheets are counted from 1)";
        *status = 1;
        return false;
      }
      r->sheet = std::atoi(v.c_str());
      if (r->sheet < 1) {
        error = "unknown sheet 0 (sheets are counted from 1)";
        *status = 1;
        return false;
      }
    } else if (args[i] == "--size" && hasValue) {
      if (!ParseRenderSize(args[++i], &r->width, &r->height)) {
        error = "unknown size " + args[i] + " (WxH, each 16 to 10000 pixels)";
        *status = 1;
        return false;
      }
    } else if (args[i] == "--theme" && hasValue) {
      r->theme = args[++i];
    } else {
      error = "unexpected argument: " + args[i] + "\n" + kRenderUsage;
      return false;
    }
  }
  // Checked before anything is read: a wrong name costs nothing and leaves nothing.
  GImageFormat format;
  *status = 1;
  if (!RenderFormatOf(r->out, &format)) {
    error = r->out + ": the picture's name must end in .png, .bmp, .svg or .pdf";
    return false;
  }
  if (r->allSheets && format != kImagePdf) {
    error = "--sheet all needs a PDF (one page per sheet)";
    return false;
  }
  *status = 0;
  return true;
}

bool ParseRenderSize(const std::string& text, int* width, int* height) {
  const size_t x = text.find_first_of("xX");
  if (x == std::string::npos || x == 0 || x + 1 >= text.size()) return false;
  const std::string a = text.substr(0, x), b = text.substr(x + 1);
  if (a.find_first_not_of("0123456789") != std::string::npos ||
      b.find_first_not_of("0123456789") != std::string::npos || a.size() > 5 || b.size() > 5)
    return false;
  *width = std::atoi(a.c_str());
  *height = std::atoi(b.c_str());
  return *width >= 16 && *height >= 16 && *width <= 10000 && *height <= 10000;
}

GTheme RenderThemeByName(const std::string& name) {
  std::string n = Lower(name);
  if (n.rfind("like ", 0) == 0) n = n.substr(5);
  static const struct {
    const char* name;
    GTheme theme;
  } kThemes[] = {{"standard", THM_STANDARD}, {"cat", THM_CAT},   {"star", THM_STAR},
                 {"skeleton", THM_SKELETON}, {"quil", THM_QUIL}, {"tovik", THM_TOVIK},
                 {"pastel", THM_PASTEL}};
  for (const auto& t : kThemes)
    if (n == t.name) return t.theme;
  return GTheme::kNone;
}

bool RenderFormatOf(const std::string& out, GImageFormat* format) {
  if (EndsWith(out, ".png")) {
    *format = kImagePng;
  } else if (EndsWith(out, ".svg")) {
    *format = kImageSvg;
  } else if (EndsWith(out, ".bmp")) {
    *format = kImageBmp;
  } else if (EndsWith(out, ".pdf")) {
    *format = kImagePdf;
  } else {
    return false;
  }
  return true;
}

bool LoadForRender(const GRenderRequest& r, GDocument& doc, FigurePainter& p, std::string& error,
                   bool* partial) {
  const GTheme theme = r.theme.empty() ? GTheme::kNone : RenderThemeByName(r.theme);
  if (!r.theme.empty() && theme == GTheme::kNone) {
    error = "unknown theme " + r.theme + " (standard, cat, star, skeleton, quil, tovik or pastel)";
    return false;
  }
  // The canvas's start: its size, scale and the Standard theme, then the file.
  p.m_Width = p.m_OldWidth = r.width;
  p.m_Height = p.m_OldHeight = r.height;
  p.SetTheme(THM_STANDARD, 0);
  p.UpdateView();

  Host host(doc, p);
  doc.SetHooks(&host);
  const GOpenResult opened = OpenFigure(doc, r.file);
  bool stopped = false;
  if (opened.status == GOpenStatus::kReadError && partial) {
    // The same text again, straight into doc this time: the reader keeps
    // what it built before the statement it stopped at.
    std::ifstream in(r.file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    ReadScript(doc, text.str());
    stopped = true;
  }
  doc.SetHooks(nullptr);
  if (!opened.Opened()) {
    error = r.file + ": " +
            (opened.status == GOpenStatus::kUnreadable ? std::string("cannot read the file")
                                                       : opened.why);
    if (!stopped) return false;
  }
  if (!r.allSheets &&
      (r.sheet < 1 || r.sheet > doc.SheetCount() || !TurnToSheet(doc, p, r.sheet))) {
    error = "no sheet " + std::to_string(r.sheet) + " in " + r.file + " (it has " +
            std::to_string(doc.SheetCount()) + ")";
    return false;
  }
  if (theme != GTheme::kNone) p.SetTheme(theme, 0);
  if (stopped) *partial = true;
  return !stopped;
}

bool LoadTextForRender(const std::string& text, int width, int height, GTheme theme, GDocument& doc,
                       FigurePainter& p) {
  p.m_Width = p.m_OldWidth = width;
  p.m_Height = p.m_OldHeight = height;
  p.SetTheme(theme != GTheme::kNone ? theme : THM_STANDARD, 0);
  p.UpdateView();
  Host host(doc, p);
  doc.SetHooks(&host);
  const bool read = ReadScript(doc, text);
  doc.SetHooks(nullptr);
  return read;
}

bool TurnToSheet(GDocument& doc, FigurePainter& p, int sheet) {
  if (sheet < 1 || sheet > doc.SheetCount()) return false;
  Host host(doc, p);
  doc.SetHooks(&host);
  for (int at = -1; doc.CurrentSheetIndex() + 1 > sheet && at != doc.CurrentSheetIndex();) {
    at = doc.CurrentSheetIndex();
    doc.PrevSheet();
  }
  while (doc.CurrentSheetIndex() + 1 < sheet && doc.NextSheet()) {
  }
  doc.SetHooks(nullptr);
  return doc.CurrentSheetIndex() + 1 == sheet;
}

void DrawBackground(GSurface& s, const FigurePainter& p) {
  const BGBmp& bg = p.m_Look.bg;
  if (bg.tile.Empty() || bg.width <= 0 || bg.height <= 0) {
    s.Clear(bg.colour);
    return;
  }
  for (int i = 0; i <= p.m_Width / bg.width; ++i)
    for (int j = 0; j <= p.m_Height / bg.height; ++j)
      s.Picture(bg.tile, i * bg.width, j * bg.height);
}

bool WriteSvgOfFigure(FigurePainter& p, const GOverlay& o, const std::string& path,
                      std::string& why, bool durable, const GSvgLetters& letters) {
  // The document goes to the file as it is drawn, a piece at a time.
  auto produce = [&](const GFilePut& put) {
    GSvgSurface svg(std::max(1, p.m_Width), std::max(1, p.m_Height), put, letters);
    DrawBackground(svg, p);
    DrawSheet(svg, p.Paint(o), o);
    return svg.End();
  };
  return ReplaceFileBy(path, produce, why, durable);
}

bool RenderSvg(const GRenderRequest& r, std::string& error, const GSvgLetters& letters) {
  GSilentUser user;
  // The document is large (fixed pools): it lives on the heap.
  auto doc = std::make_unique<GDocument>(&user);
  FigurePainter p(*doc);
  bool partial = false;
  if (!LoadForRender(r, *doc, p, error, &partial) && !partial) return false;
  std::string why;
  // A rendered picture can always be made again from its document: it is
  // written safely (never half-written under its name) but not waited for,
  // which would cost more than all the drawing in a batch of renders.
  if (!WriteSvgOfFigure(p, GOverlay(), r.out, why, false, letters)) {
    error = r.out + ": cannot write the picture (" + why + ")";
    return false;
  }
  return !partial;
}
