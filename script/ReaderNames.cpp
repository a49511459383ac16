// The reader's index of element names (GStepNames) and the lookups of the
// elements a statement names: a point, line, circle, curve or angle of the
// current sheet, or any step by the name of its output.
#include "script/ReaderHelpers.h"

namespace {

// Calls f with each named output of a step.
template <class F>
void ForEachName(const GConst* c, F f) {
  const GObject* outputs[] = {c->COutput,    c->LOutput,     c->POutput,       c->CurveOutput,
                              c->TextOutput, c->AngleOutput, c->BracketOutput, c->ImageOutput};
  for (const GObject* e : outputs)
    if (e && !e->name.empty()) f(e->name);
}

// The first step of the list whose output picked by `out` bears `name`.
template <class T, class Pick>
T* FindOutput(GConst* first, const std::string& name, Pick out) {
  for (GConst* c = first; c; c = c->next) {
    T* e = out(c);
    if (e && e->name == name) return e;
  }
  return nullptr;
}

// The element picked by `out` of the first step bearing the name. A name is
// one element's in a script; should two steps still share it (an output of
// another kind first), the list is searched as it stands.
template <class T, class Pick>
T* Named(GReader& r, int i, Pick out) {
  if (i >= r.count) return nullptr;
  const std::string name = ScriptName(r.Word(i));
  GConst* c = r.names.Find(name);
  if (!c) return nullptr;
  T* e = out(c);
  if (e && e->name == name) return e;
  return FindOutput<T>(r.doc.FirstConst(), name, out);
}

}  // namespace

void GStepNames::Reset() {
  m_First.Clear();
  m_Head = m_Last = nullptr;
}

void GStepNames::TakeIn(GDocument& doc) {
  GConst* head = doc.FirstConst();
  // Another list, or the last step taken in is gone from it: start again.
  if (head != m_Head || (m_Last && !m_Last->inUse)) {
    Reset();
    m_Head = head;
  }
  for (GConst* c = m_Last ? m_Last->next : head; c; c = c->next) {
    ForEachName(c, [&](const std::string& name) { m_First.Insert(name, c); });
    m_Last = c;
  }
}

GConst* GStepNames::Find(const std::string& name) const {
  GConst* const* found = m_First.Find(name);
  return found ? *found : nullptr;
}

GPoint* GReader::Point(int i) {
  return Named<GPoint>(*this, i, [](GConst* c) { return c->POutput; });
}

GLine* GReader::Line(int i) {
  return Named<GLine>(*this, i, [](GConst* c) { return c->LOutput; });
}

GCircle* GReader::Circle(int i) {
  return Named<GCircle>(*this, i, [](GConst* c) { return c->COutput; });
}

GParaCurve* GReader::Curve(int i) {
  return Named<GParaCurve>(*this, i, [](GConst* c) { return c->CurveOutput; });
}

GAngle* GReader::Angle(int i) {
  return Named<GAngle>(*this, i, [](GConst* c) { return c->AngleOutput; });
}

GConst* GReader::StepNamed(int i) {
  if (i >= count) return nullptr;
  return names.Find(ScriptName(Word(i)));
}

bool GReader::NameTaken(const std::string& name) { return names.Find(name) != nullptr; }
