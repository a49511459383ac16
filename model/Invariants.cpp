// The document's standing rules, checked by walking every sheet's lists, the
// steps in their order, the incidence records, the redo stack and the
// hilight lists.
#include "model/Invariants.h"

#include "model/Gesture.h"

#include <unordered_set>

#include "model/Document.h"

namespace {

using Seen = std::unordered_set<const void*>;

// Images are made one by one, not taken from a pool.
struct NoPool {
  static bool Holds(const void*) { return true; }
};

struct Checker {
  GDocument& doc;
  const GGesture* gesture;
  std::vector<std::string> broken;

  void Broken(const std::string& rule) { broken.push_back(rule); }

  static std::string Named(const GObject* e) { return e->name.empty() ? "(unnamed)" : e->name; }

  // Walks one element list of sheet s: each element in use, from the pool
  // given (when there is one), and no cycle. Returns the elements.
  template <class T, class Pool>
  Seen List(const GList<T>& list, const Pool* pool, const char* kind, int s) {
    Seen seen;
    for (const T* e = list.head; e; e = e->next) {
      if (!seen.insert(e).second) {
        Broken("sheet " + std::to_string(s) + ": the " + kind + " list runs in a circle");
        break;
      }
      if (!e->inUse)
        Broken("sheet " + std::to_string(s) + ": " + kind + " " + Named(e) +
               " is listed but not in use");
      if (pool && !pool->Holds(e))
        Broken("sheet " + std::to_string(s) + ": " + kind + " " + Named(e) +
               " lies outside its pool");
    }
    return seen;
  }

  void Incidents(const GList<GIncident>& ics, const Seen& points, const GObject* carrier, int s) {
    int n = 0;
    for (const GIncident* ic = ics.head; ic && n <= kPoolSize; ic = ic->next, ++n) {
      if (!ic->inUse || !doc.Store().Incidents().Holds(ic))
        Broken("sheet " + std::to_string(s) + ": an incidence record of " + Named(carrier) +
               " is not in use");
      if (!ic->point || !points.count(ic->point))
        Broken("sheet " + std::to_string(s) + ": " + Named(carrier) +
               " knows a point that is not on its sheet");
    }
  }

  void Steps(const GSheet& sheet, int s) {
    Seen made;  // what the steps so far made
    Seen steps;
    int n = 0;
    for (const GConst* c = sheet.consts.head; c; c = c->next) {
      if (!steps.insert(c).second || ++n > kPoolSize) {
        Broken("sheet " + std::to_string(s) + ": the step list runs in a circle");
        return;
      }
      const std::string which = "sheet " + std::to_string(s) + ": step " + std::to_string(n) +
                                " (" + ConstName(c->type) + ")";
      if (!c->inUse || !doc.Store().Steps().Holds(c)) Broken(which + " is listed but not in use");
      const GObject* inputs[] = {c->LInput1,     c->LInput2,     c->LInput3,      c->PInput1,
                                 c->PInput2,     c->PInput3,     c->CInput1,      c->CInput2,
                                 c->CInput3,     c->CurveInput1, c->CurveInput2,  c->TextInput1,
                                 c->AngleInput1, c->ImageInput1, c->BracketInput1};
      // A free point's step reads the point it makes.
      const GObject* out = c->Output();
      for (const GObject* in : inputs)
        if (in && in != out && !made.count(in))
          Broken(which + " reads " + Named(in) + ", which no earlier step made");
      if (c->effectTarget && !steps.count(c->effectTarget))
        Broken(which + " acts on a step that does not come before it");
      if (out) made.insert(out);
    }
  }

  void Sheets() {
    for (int s = 0; s < doc.Sheets().Count(); ++s) {
      GSheet& sheet = doc.Sheets().Slot(s);
      const Seen points = List(sheet.points, &doc.Store().Points(), "point", s);
      const Seen lines = List(sheet.lines, &doc.Store().Lines(), "line", s);
      const Seen circles = List(sheet.circles, &doc.Store().Circles(), "circle", s);
      List(sheet.texts, &doc.Store().Texts(), "text", s);
      List(sheet.curves, &doc.Store().Curves(), "curve", s);
      List(sheet.angles, &doc.Store().Angles(), "angle mark", s);
      List(sheet.brackets, &doc.Store().Brackets(), "bracket", s);
      List(sheet.images, static_cast<const NoPool*>(nullptr), "image", s);
      for (const GLine* l = sheet.lines.head; l && lines.count(l); l = l->next)
        Incidents(l->ics, points, l, s);
      for (const GCircle* c = sheet.circles.head; c && circles.count(c); c = c->next)
        Incidents(c->ics, points, c, s);
      Steps(sheet, s);
    }
  }

  void Redo() {
    for (int i = 0; i < doc.History().RedoCount(); ++i) {
      const GConst* c = doc.History().RedoAt(i);
      if (!c || !doc.Store().Steps().Holds(c)) {
        Broken("undone step " + std::to_string(i + 1) + " is not a step");
        continue;
      }
      const GObject* out = c->Output();
      if (out && !out->hidden)
        Broken("undone step " + std::to_string(i + 1) + " (" + ConstName(c->type) +
               ") still shows " + Named(out));
    }
  }

  template <class T>
  void Lit(const GHilightList<T>& list, const GList<T>& sheetList, const char* kind) {
    if (list.Count() < 0 || list.Count() >= kHilightSlots) {
      Broken(std::string("the hilight list of ") + kind + "s holds " +
             std::to_string(list.Count()));
      return;
    }
    for (int i = 0; i < list.Count(); ++i) {
      const T* e = list[i];
      // What a gesture is making (the point being placed, the line, circle
      // or midpoint of a two-point tool) is lit from the press on and
      // listed only at the release.
      const GObject* self = e;
      if (gesture && gesture->Making(self)) continue;
      bool listed = false;
      int n = 0;
      for (const T* k = sheetList.head; k && !listed && n++ <= kPoolSize; k = k->next)
        listed = k == e;
      if (!e || !listed)
        Broken(std::string("hilighted ") + kind + " " + (e ? Named(e) : "(none)") +
               " is not on the current sheet");
      else if (!e->hilighted)
        Broken(std::string("hilighted ") + kind + " " + Named(e) + " is not lit");
    }
  }

  void Hilights() {
    GSheet& sheet = doc.Sheet();
    Lit(doc.Selection().Points(), sheet.points, "point");
    Lit(doc.Selection().Lines(), sheet.lines, "line");
    Lit(doc.Selection().Circles(), sheet.circles, "circle");
    Lit(doc.Selection().Curves(), sheet.curves, "curve");
    Lit(doc.Selection().Angles(), sheet.angles, "angle mark");
    Lit(doc.Selection().Images(), sheet.images, "image");
    Lit(doc.Selection().Brackets(), sheet.brackets, "bracket");
  }
};

}  // namespace

std::vector<std::string> CheckInvariants(GDocument& doc, const GGesture* gesture) {
  Checker check{doc, gesture, {}};
  if (doc.Sheets().Count() < 1 || doc.Sheets().CurrentIndex() < 0 ||
      doc.Sheets().CurrentIndex() >= doc.Sheets().Count()) {
    check.Broken("the current sheet " + std::to_string(doc.Sheets().CurrentIndex()) +
                 " is not one of the " + std::to_string(doc.Sheets().Count()) + " sheets");
    return check.broken;
  }
  check.Sheets();
  check.Redo();
  check.Hilights();
  return check.broken;
}

std::string InvariantReport(GDocument& doc, const GGesture* gesture) {
  std::string out;
  for (const std::string& line : CheckInvariants(doc, gesture)) out += line + "\n";
  return out;
}
