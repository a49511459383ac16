// The step graph of a sheet, kept up to date step by step: reading a script
// appends one step at a time and checks it against the figure, so making the
// graph anew for every check made reading quadratic.
#include "model/StepGraph.h"

#include <utility>

#include "model/Document.h"

namespace {

// The pools steps read from, in the order of GStepGraph's per-pool tables.
enum { kPoints, kLines, kCircles, kAngles, kCurves };

uint64_t Print(const GConst* c) {
  uint64_t h = 0xcbf29ce484222325ull ^ (uint64_t)(uint16_t)c->type;
  const void* fields[] = {c->POutput,     c->LOutput,    c->COutput, c->AngleOutput, c->CurveOutput,
                          c->PInput1,     c->PInput2,    c->PInput3, c->LInput1,     c->LInput2,
                          c->LInput3,     c->CInput1,    c->CInput2, c->CInput3,     c->CurveInput1,
                          c->CurveInput2, c->AngleInput1};
  for (const void* f : fields) h = (h ^ (uint64_t)(uintptr_t)f) * 0x100000001b3ull;
  return h;
}

}  // namespace

void GStepGraph::Reset() {
  steps.clear();
  readStart.assign(1, 0);
  readList.clear();
  readsAllEarlier.clear();
  usable = true;
  m_Prints.clear();
  m_StepAt.clear();
  for (auto& v : m_MadeBy) v.clear();
  for (auto& v : m_ReadFirst) v.clear();
  m_ConstSlot.clear();
  m_UndoStart.clear();
  m_UsableBefore.clear();
  m_Undo.clear();
}

void GStepGraph::Truncate(size_t n) {
  if (n >= steps.size()) return;
  for (size_t k = steps.size(); k-- > n;) {
    for (size_t e = m_Undo.size(); e-- > (size_t)m_UndoStart[k];) {
      const Change& ch = m_Undo[e];
      if (ch.before == -2)
        m_ReadFirst[ch.pool][ch.slot] = 0;
      else
        m_MadeBy[ch.pool][ch.slot] = ch.before;
    }
    m_Undo.resize(m_UndoStart[k]);
    if (m_ConstSlot[k] >= 0) m_StepAt[m_ConstSlot[k]] = -1;
  }
  usable = m_UsableBefore[n];
  steps.resize(n);
  m_Prints.resize(n);
  readsAllEarlier.resize(n);
  readList.resize(readStart[n]);
  readStart.resize(n + 1);
  m_ConstSlot.resize(n);
  m_UndoStart.resize(n);
  m_UsableBefore.resize(n);
}

// The last steps taken in may still have been getting their inputs (a tool
// checks what it has just made); older ones change only with the list.
constexpr size_t kRecentSteps = 8;

void GStepGraph::Update(GDocument& doc) {
  // After a change to the list every step is compared with what was taken
  // in; otherwise the list only grew, and the recent steps are compared.
  const bool edited = doc.History().Version() != m_Edits;
  m_Edits = doc.History().Version();
  const size_t compareFrom =
      edited || steps.size() < kRecentSteps ? 0 : steps.size() - kRecentSteps;
  GConst* c = doc.FirstConst();
  size_t i = 0;
  for (; c && i < steps.size(); c = c->next, ++i)
    if (steps[i] != c || (i >= compareFrom && m_Prints[i] != Print(c))) break;
  Truncate(i);
  if (!c) return;
  // Every slot a step can make or read has been made in its pool: the
  // tables are sized once here, and Append indexes them directly.
  auto fit = [](auto& table, int built, auto fresh) {
    if ((int)table.size() < built) table.resize(built, fresh);
  };
  fit(m_StepAt, doc.Store().Steps().Built(), -1);
  const int built[] = {doc.Store().Points().Built(), doc.Store().Lines().Built(),
                       doc.Store().Circles().Built(), doc.Store().Angles().Built(),
                       doc.Store().Curves().Built()};
  for (int pool = 0; pool < 5; ++pool) {
    fit(m_MadeBy[pool], built[pool], -1);
    fit(m_ReadFirst[pool], built[pool], (char)0);
  }
  for (; c; c = c->next) Append(doc, c);
}

void GStepGraph::Append(GDocument& doc, GConst* c) {
  const int i = (int)steps.size();
  steps.push_back(c);
  m_Prints.push_back(Print(c));
  m_UsableBefore.push_back(usable);
  m_UndoStart.push_back((int)m_Undo.size());
  const int at = doc.Store().Steps().IndexOf(c);
  m_ConstSlot.push_back(at);
  if (at >= 0) m_StepAt[at] = i;
  // A locus drives the whole figure through its range and resets every
  // intersection's branch memory: its evaluation reaches beyond what it reads.
  if (c->type == CONST_ORBIT1 || c->type == CONST_ORBIT2) usable = false;

  // Pool and slot of each element the step makes, then of each it reads.
  const std::pair<int, int> outputs[] = {{kPoints, doc.Store().Points().IndexOf(c->POutput)},
                                         {kLines, doc.Store().Lines().IndexOf(c->LOutput)},
                                         {kCircles, doc.Store().Circles().IndexOf(c->COutput)},
                                         {kAngles, doc.Store().Angles().IndexOf(c->AngleOutput)},
                                         {kCurves, doc.Store().Curves().IndexOf(c->CurveOutput)}};
  for (const auto& [pool, slot] : outputs) {
    if (slot < 0) continue;
    int& maker = m_MadeBy[pool][slot];
    if (maker >= 0) usable = false;               // two steps make one element
    if (m_ReadFirst[pool][slot]) usable = false;  // read before it was made
    m_Undo.push_back({pool, slot, maker});
    maker = i;
  }
  const std::pair<int, int> inputs[] = {{kPoints, doc.Store().Points().IndexOf(c->PInput1)},
                                        {kPoints, doc.Store().Points().IndexOf(c->PInput2)},
                                        {kPoints, doc.Store().Points().IndexOf(c->PInput3)},
                                        {kLines, doc.Store().Lines().IndexOf(c->LInput1)},
                                        {kLines, doc.Store().Lines().IndexOf(c->LInput2)},
                                        {kLines, doc.Store().Lines().IndexOf(c->LInput3)},
                                        {kCircles, doc.Store().Circles().IndexOf(c->CInput1)},
                                        {kCircles, doc.Store().Circles().IndexOf(c->CInput2)},
                                        {kCircles, doc.Store().Circles().IndexOf(c->CInput3)},
                                        {kCurves, doc.Store().Curves().IndexOf(c->CurveInput1)},
                                        {kCurves, doc.Store().Curves().IndexOf(c->CurveInput2)},
                                        {kAngles, doc.Store().Angles().IndexOf(c->AngleInput1)}};
  for (const auto& [pool, slot] : inputs) {
    if (slot < 0) continue;
    const int maker = m_MadeBy[pool][slot];
    if (maker >= 0) {
      if (maker != i) readList.push_back(maker);
    } else if (!m_ReadFirst[pool][slot]) {
      m_ReadFirst[pool][slot] = 1;
      m_Undo.push_back({pool, slot, -2});
    }
  }
  // Formulas name elements; a point on a curve tangent finds its tangent
  // step by search. Both may read anything made before them.
  readsAllEarlier.push_back(c->type == CONST_GRAPH || c->type == CONST_PARA_CURVE ||
                            c->type == CONST_PT_ON_CURVE_TANGENT);
  readStart.push_back((int)readList.size());
}

int GStepGraph::Maker(int pool, int slot) const {
  return slot >= 0 && slot < (int)m_MadeBy[pool].size() ? m_MadeBy[pool][slot] : -1;
}

int GStepGraph::Position(GDocument& doc, const GConst* c) const {
  const int at = doc.Store().Steps().IndexOf(c);
  if (at < 0 || at >= (int)m_StepAt.size()) return -1;
  const int i = m_StepAt[at];
  return i >= 0 && i < (int)steps.size() && steps[i] == c ? i : -1;
}

int GStepGraph::MakerOf(GDocument& doc, const GPoint* p) const {
  return Maker(kPoints, doc.Store().Points().IndexOf(p));
}
int GStepGraph::MakerOf(GDocument& doc, const GLine* l) const {
  return Maker(kLines, doc.Store().Lines().IndexOf(l));
}
int GStepGraph::MakerOf(GDocument& doc, const GCircle* c) const {
  return Maker(kCircles, doc.Store().Circles().IndexOf(c));
}
