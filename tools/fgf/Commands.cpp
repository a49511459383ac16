// The commands of the fgf tool: documents are read as Open reads them, written
// as Save writes them, and points are dragged as the Move tool drags them.
#include "tools/fgf/Commands.h"

#include <cmath>
#include <cstdio>
#include <memory>

#include "tools/fgf/Dump.h"
#include "tools/fgf/FgfUser.h"
#include "model/Gesture.h"
#include "script/OpenFigure.h"
#include "script/Script.h"

namespace {

// The document is large (fixed pools): it lives on the heap.
struct Session {
  FgfUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  bool ok = false;
  std::string error;
};

// Reads `file` by the road Open takes. On failure `error` says why: the
// reader's message ("line %d ..."), or that the file cannot be read. After a
// reader's error the session holds the reading that stopped, its document
// and its messages, so that a dump shows how far the file read.
void Read(Session& s, const std::string& file) {
  GOpenResult opened = OpenFigure(*s.doc, file);
  s.ok = opened.Opened();
  if (s.ok) return;
  if (opened.status == GOpenStatus::kUnreadable) {
    s.error = "cannot read the file";
    return;
  }
  s.error = opened.why;
  if (opened.attempt) {
    s.doc = std::move(opened.attempt);
    s.doc->SetUser(&s.user);
  }
  for (const GOpenMessage& m : opened.messages) s.user.messages.push_back({m.caption, m.text});
}

GPoint* FindPoint(GDocument& doc, const std::string& name) {
  if (name.empty()) return nullptr;
  for (GPoint* p = doc.Sheet().points.head; p; p = p->next)
    if (p->name == name) return p;
  return nullptr;
}

// Drags the point from where it is to (m.x, m.y) in `steps` equal motion
// steps, then lets go: press, motion and release as the Move tool has them,
// without Shift. A point without a finite position starts at the target.
bool Drag(Session& s, const FgfMove& m, int steps) {
  GDocument& doc = *s.doc;
  GPoint* p = FindPoint(doc, m.name);
  if (!p) {
    s.error = "no point named " + m.name + " on the current sheet";
    return false;
  }
  double x0 = p->xz().re, y0 = p->yz().re;
  if (!std::isfinite(x0) || !std::isfinite(y0)) {
    x0 = m.x;
    y0 = m.y;
  }
  GGesture hand(doc);
  if (!hand.BeginDrag(p, false)) {
    hand.EndDrag(false);
    s.error = "point " + m.name + " cannot be moved";
    return false;
  }
  for (int i = 1; i <= steps; ++i) {
    const double f = static_cast<double>(i) / steps;
    const double x = i == steps ? m.x : x0 + (m.x - x0) * f;
    const double y = i == steps ? m.y : y0 + (m.y - y0) * f;
    hand.DragTo(x, y);
  }
  hand.EndDrag(false);
  return true;
}

void Print(const std::string& text) { std::fwrite(text.data(), 1, text.size(), stdout); }

}  // namespace

int RunCheck(const std::vector<std::string>& files) {
  int status = 0;
  for (const std::string& file : files) {
    Session s;
    Read(s, file);
    Print(file + ": " + (s.ok ? std::string("ok") : s.error) + "\n");
    if (s.ok) continue;
    // Named on standard error too: a check whose report goes elsewhere
    // still says which files did not read.
    std::fprintf(stderr, "fgf: %s: %s\n", file.c_str(), s.error.c_str());
    status = 1;
  }
  return status;
}

int RunFormat(const std::string& file) {
  Session s;
  Read(s, file);
  if (!s.ok) {
    std::fprintf(stderr, "%s: %s\n", file.c_str(), s.error.c_str());
    return 1;
  }
  Print(WriteScript(*s.doc));
  return 0;
}

int RunDump(const std::string& file, const std::vector<FgfMove>& moves, int steps) {
  Session s;
  Read(s, file);
  if (s.ok) {
    for (const FgfMove& m : moves) {
      if (!Drag(s, m, steps)) {
        s.ok = false;
        break;
      }
    }
  }
  Print(DumpDocument(*s.doc, s.ok, s.error, s.user.messages));
  return s.ok ? 0 : 1;
}

int RunCsv(const std::string& file, int sheet) {
  Session s;
  Read(s, file);
  if (!s.ok) {
    std::fprintf(stderr, "fgf: %s: %s\n", file.c_str(), s.error.c_str());
    return 1;
  }
  GDocument& doc = *s.doc;
  if (sheet < 1 || sheet > doc.SheetCount()) {
    std::fprintf(stderr, "fgf: no sheet %d in %s (it has %d)\n", sheet, file.c_str(),
                 doc.SheetCount());
    return 1;
  }
  while (doc.CurrentSheetIndex() + 1 < sheet && doc.NextSheet()) {
  }
  // Save data writes the elements a person chose; here every element of the
  // sheet is chosen (the document is this command's own and goes with it).
  GSheet& sh = doc.Sheet();
  auto choose = [](auto* head) {
    for (auto* e = head; e; e = e->next) e->hilighted = true;
  };
  choose(sh.points.head);
  choose(sh.lines.head);
  choose(sh.circles.head);
  choose(sh.texts.head);
  choose(sh.curves.head);
  Print(CsvText(doc));
  return 0;
}
