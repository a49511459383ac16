// The commands of the fgf tool: documents are read as Open reads them, written
// as Save writes them, and points are dragged as the Move tool drags them.
#include "tools/fgf/Commands.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <memory>

#include "tools/fgf/Dump.h"
#include "tools/fgf/FgfUser.h"
#include "script/Script.h"

namespace {

// The document is large (fixed pools): it lives on the heap.
struct Session {
  FgfUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  bool ok = false;
  std::string error;
};

// Reads `file` as Open does. On failure `error` is the reader's message: the
// last message it showed about a statement ("line %d ..."), or a plain
// reason when the file could not be read at all.
void Read(Session& s, const std::string& file) {
  struct stat st;
  const bool readable = !file.empty() && stat(file.c_str(), &st) == 0 && S_ISREG(st.st_mode) &&
                        access(file.c_str(), R_OK) == 0;
  const size_t before = s.user.messages.size();
  s.ok = readable && s.doc->OpenDocument(file);
  if (s.ok) return;
  if (!readable) {
    s.error = "cannot read the file";
    return;
  }
  for (size_t i = s.user.messages.size(); i > before; --i) {
    if (s.user.messages[i - 1].text.compare(0, 5, "line ") == 0) {
      s.error = s.user.messages[i - 1].text;
      return;
    }
  }
  s.error = s.user.messages.size() > before ? s.user.messages.back().text
                                            : std::string("the document could not be read");
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
  if (!doc.BeginDrag(p, false)) {
    doc.EndDrag(false);
    s.error = "point " + m.name + " cannot be moved";
    return false;
  }
  for (int i = 1; i <= steps; ++i) {
    const double f = static_cast<double>(i) / steps;
    const double x = i == steps ? m.x : x0 + (m.x - x0) * f;
    const double y = i == steps ? m.y : y0 + (m.y - y0) * f;
    doc.DragTo(x, y);
  }
  doc.EndDrag(false);
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
    if (!s.ok) status = 1;
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
