// The Measure command: a live text for what is chosen, built of the
// measuring references of evaluated texts, appended as an ordinary text step.
#include "model/Measure.h"

#include "model/Document.h"
#include "model/EvalText.h"
#include "model/Lookup.h"

namespace {

void AddLine(std::string& out, const std::string& line) {
  if (!out.empty()) out += '\n';
  out += line;
}

// The points in the order chosen: two give their distance, three or more
// the area of the polygon they span in that order.
void MeasurePoints(GDocument& d, std::string& out) {
  const auto& pts = d.Selection().Points();
  if (pts.Count() == 2) {
    const std::string a = pts[0]->name, b = pts[1]->name;
    AddLine(out, a + b + " = {distance(" + a + "," + b + ")}");
  } else if (pts.Count() >= 3) {
    std::string names, args;
    for (const GPoint* p : pts) {
      names += p->name;
      if (!args.empty()) args += ',';
      args += p->name;
    }
    AddLine(out, "area " + names + " = {area(" + args + ")}");
  }
}

// A line through two points is a segment with a length; every line that is
// not vertical has a slope.
void MeasureLines(GDocument& d, std::string& out) {
  for (GLine* l : d.Selection().Lines()) {
    GConst* step = nullptr;
    FindLnFromCn(d.FirstConst(), l, &step);
    if (step && step->type == CONST_JOIN && step->PInput1 && step->PInput2)
      AddLine(out, step->PInput1->name + step->PInput2->name + " = {length(" + l->name + ")}");
    AddLine(out, "slope " + l->name + " = {slope(" + l->name + ")}");
  }
}

void MeasureCircles(GDocument& d, std::string& out) {
  for (const GCircle* c : d.Selection().Circles()) {
    const std::string& n = c->name;
    AddLine(out,
            n + ": r = {radius(" + n + ")}, C = {circumference(" + n + ")}, S = {area(" + n + ")}");
  }
}

void MeasureAngles(GDocument& d, std::string& out) {
  for (const GAngle* a : d.Selection().Angles())
    AddLine(out, a->name + " = {angle(" + a->name + ")}\xC2\xB0");
}

}  // namespace

std::string MeasureContent(GDocument& d) {
  std::string out;
  MeasurePoints(d, out);
  MeasureLines(d, out);
  MeasureCircles(d, out);
  MeasureAngles(d, out);
  AddYenCommaOnText(out);
  return out;
}

GText* AddMeasureText(GDocument& d, const std::string& content, double x, double y) {
  if (content.empty()) return nullptr;
  GText* t = d.NewText(content);
  if (!t) return nullptr;
  GConst* c = d.NewConst(CONST_TEXT);
  if (!c) {
    t->inUse = 0;
    return nullptr;
  }
  t->x = x;
  t->y = y;
  t->name = d.TakeName(GNameKind::kText);
  d.AssignText(t);
  c->TextOutput = t;
  d.SetCurrentConst(c);
  d.WriteConst(c);
  return t;
}
