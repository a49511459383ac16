// Drawing a document file without a window: a painter stands in for the
// canvas, taking the looks a sheet or a script brings as the canvas does.
#include "render/RenderDocument.h"

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <memory>

#include "render/CanvasPainter.h"
#include "render/ImageExport.h"

namespace {

// Nobody to ask: messages are kept, questions answered No.
class QuietUser : public GSilentUser {
 public:
  std::string lastMessage;
  void ShowMessage(const std::string& text, const std::string&, Icon) override {
    lastMessage = text;
  }
};

// The canvas's answers to the document, for a painter without a window.
class Host : public GDocumentHooks {
 public:
  explicit Host(GDocument& doc) : m_Painter(doc), m_Doc(doc) {}
  void SheetSwitched(bool fresh) override {
    if (fresh)
      m_Painter.SetTheme(m_Painter.m_Look.theme, 1);
    else
      m_Painter.LoadSheetAppearance();
  }
  void AppearanceRead() override {
    m_Painter.LoadSheetAppearance();
    m_Painter.m_Look.pointName = GRgb{m_Doc.m_NameRed, m_Doc.m_NameGreen, m_Doc.m_NameBlue};
    m_Painter.UpdateView();
  }
  CanvasPainter m_Painter;

 private:
  GDocument& m_Doc;
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

int RenderThemeByName(const std::string& name) {
  std::string n = Lower(name);
  if (n.rfind("like ", 0) == 0) n = n.substr(5);
  static const struct {
    const char* name;
    int theme;
  } kThemes[] = {{"standard", THM_STANDARD}, {"cat", THM_CAT},   {"star", THM_STAR},
                 {"skeleton", THM_SKELETON}, {"quil", THM_QUIL}, {"tovik", THM_TOVIK},
                 {"pastel", THM_PASTEL}};
  for (const auto& t : kThemes)
    if (n == t.name) return t.theme;
  return 0;
}

bool RenderDocument(const GRenderRequest& r, std::string& error) {
  GImageFormat format;
  if (EndsWith(r.out, ".png")) {
    format = kImagePng;
  } else if (EndsWith(r.out, ".svg")) {
    format = kImageSvg;
  } else if (EndsWith(r.out, ".bmp")) {
    format = kImageBmp;
  } else {
    error = r.out + ": the picture's name must end in .png, .svg or .bmp";
    return false;
  }
  const int theme = r.theme.empty() ? 0 : RenderThemeByName(r.theme);
  if (!r.theme.empty() && !theme) {
    error = "unknown theme " + r.theme + " (standard, cat, star, skeleton, quil, tovik or pastel)";
    return false;
  }

  QuietUser user;
  // The document is large (fixed pools): it lives on the heap.
  auto doc = std::make_unique<GDocument>(&user);
  auto host = std::make_unique<Host>(*doc);
  CanvasPainter& p = host->m_Painter;
  // The canvas's start: its size, scale and the Standard theme, then the file.
  p.m_Width = p.m_OldWidth = r.width;
  p.m_Height = p.m_OldHeight = r.height;
  p.SetTheme(THM_STANDARD, 0);
  p.UpdateView();
  doc->m_Hooks = host.get();

  struct stat st;
  if (stat(r.file.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || access(r.file.c_str(), R_OK) != 0) {
    error = r.file + ": cannot read the file";
    return false;
  }
  if (!doc->OpenDocument(r.file)) {
    error = r.file + ": " +
            (user.lastMessage.empty() ? "the document could not be read" : user.lastMessage);
    return false;
  }
  if (r.sheet < 1 || r.sheet > doc->m_SheetCount) {
    error = "no sheet " + std::to_string(r.sheet) + " in " + r.file + " (it has " +
            std::to_string(doc->m_SheetCount) + ")";
    return false;
  }
  while (doc->m_CurrentSheet + 1 < r.sheet && doc->NextSheet()) {
  }
  if (theme) p.SetTheme(theme, 0);

  std::string why;
  const GOverlay nothing;
  if (!SaveFigureImage(
          p, [&](wxDC& dc) { p.Draw(dc, nothing); }, wxString::FromUTF8(r.out), format, why)) {
    error = r.out + ": cannot write the picture (" + why + ")";
    return false;
  }
  doc->m_Hooks = nullptr;
  return true;
}
