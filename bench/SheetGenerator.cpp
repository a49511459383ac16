// Builds a benchmark sheet: a shuffled recipe of step kinds, each step made
// with NewConst and new elements like the tools make them, its inputs picked
// among elements that are real and near the view so the figure stays drawable,
// and its written statements readable as they are.
#include "bench/SheetGenerator.h"

#include "bench/SheetBuilder.h"

namespace {

using namespace sheetgen;

// Kinds and their share of a 1000-step sheet; the first 40 steps are free
// points so that every later kind finds inputs.
struct Share {
  GStepKind kind;
  int count;
};
constexpr Share kRecipe[] = {
    {CONST_FREE, 160},
    // lines: 325
    {CONST_JOIN, 170},
    {CONST_PARALLEL, 40},
    {CONST_PERP, 40},
    {CONST_BISECTOR, 20},
    {CONST_3P_BISECTOR, 20},
    {CONST_TANGENT, 20},
    {CONST_LINE_WITH_ANGLE_DEGREE, 15},
    // circles: 155
    {CONST_MULTI_CIRCLE, 115},
    {CONST_COMPASS, 40},
    // points: 335
    {CONST_ON_LINE, 30},
    {CONST_PT_ON_PARA, 10},
    {CONST_PT_ON_PER, 10},
    {CONST_PT_ON_CIRCLE, 45},
    {CONST_PT_ON_TANGENT, 10},
    {CONST_PT_ON_BISECTOR, 5},
    {CONST_PT_ON_3P_BISECTOR, 5},
    {CONST_MEET, 80},
    {CONST_MID, 40},
    {CONST_MEET_CL, 45},
    {CONST_MEET_CC, 30},
    {CONST_ORTHOCENTER, 20},
    {CONST_PT_ON_LINE_WITH_ANGLE_DEGREE, 5},
    // angle marks and brackets: 25
    {CONST_3P_ANGLE, 15},
    {CONST_BRACKET, 10},
};
constexpr int kSeedPoints = 40;

// Fills the current sheet of `doc` with `steps` steps of the recipe's mix.
// Kinds whose inputs do not exist yet (a point on a kind of line not made so
// far) wait until the end of the list; what still finds no inputs there
// becomes a simpler step of its element kind.
void FillSheet(GDocument& doc, int steps, uint64_t seed) {
  std::vector<GStepKind> kinds;
  for (const Share& share : kRecipe) kinds.insert(kinds.end(), share.count, share.kind);
  // Free points first, then the rest in a fixed shuffled order.
  std::stable_partition(kinds.begin(), kinds.end(), [](GStepKind k) { return k == CONST_FREE; });
  Rng order{seed ^ 0x5eedULL};
  for (size_t i = kinds.size() - 1; i > kSeedPoints; --i) {
    const size_t j = kSeedPoints + order.Next() % (i - kSeedPoints + 1);
    std::swap(kinds[i], kinds[j]);
  }
  kinds.resize(std::min<size_t>(kinds.size(), std::max(steps, 0)));

  Builder builder(doc, seed);
  std::vector<GStepKind> waiting;
  for (GStepKind kind : kinds) {
    if (builder.TryMake(kind)) continue;
    if (CarrierKind(kind) != GStepKind{})
      waiting.push_back(kind);
    else
      builder.Fallback(kind);
  }
  for (GStepKind kind : waiting)
    if (!builder.TryMake(kind)) builder.Fallback(kind);

  for (GLine* l = doc.Sheet().lines.head; l; l = l->next) doc.Relations().ResetLineIcPara(l);
  for (GCircle* c = doc.Sheet().circles.head; c; c = c->next) doc.Relations().ResetCircleIcPara(c);
  doc.EvaluateConst(doc.FirstConst());
}

}  // namespace

std::unique_ptr<GDocument> GenerateSheet(GUser* user, int steps, uint64_t seed) {
  auto doc = std::make_unique<GDocument>(user);
  doc->ResetAllName();
  FillSheet(*doc, std::clamp(steps, 0, kPoolSize), seed);
  return doc;
}

std::unique_ptr<GDocument> GenerateDocument(GUser* user, int sheets, int stepsPerSheet,
                                            uint64_t seed) {
  auto doc = std::make_unique<GDocument>(user);
  sheets = std::clamp(sheets, 1, kSheetPoolSize);
  stepsPerSheet = std::clamp(stepsPerSheet, 0, kPoolSize / sheets);
  Rng looks{seed ^ 0x100cULL};
  for (int i = 0; i < sheets; ++i) {
    if (i > 0 && !doc->InsertNewSheet()) break;
    // Each sheet keeps an appearance of its own.
    GSheet& sheet = doc->Sheet();
    for (int k = 0; k < 5; ++k) {
      sheet.pointStyles[k] = looks.Index(3);
      sheet.lineStyles[k] = looks.Index(3);
    }
    sheet.background = looks.Index(5);
    doc->ResetAllName();
    FillSheet(*doc, stepsPerSheet, seed + i);
  }
  // Sheet 0 on screen, as after opening a file.
  doc->Sheets().SetCurrent(0);
  doc->MoveSheet(false);
  doc->EvaluateConst(doc->FirstConst());
  return doc;
}

SheetStats CountSheet(GDocument& doc) {
  SheetStats st;
  std::set<GStepKind> kinds;
  for (GConst* c = doc.FirstConst(); c; c = c->next) {
    ++st.steps;
    kinds.insert(c->type);
    if (c->type == CONST_FREE) ++st.freePoints;
  }
  st.kinds = static_cast<int>(kinds.size());
  for (GPoint* p = doc.Sheet().points.head; p; p = p->next) {
    ++st.points;
    if (GoodPoint(p)) ++st.realPoints;
  }
  for (GLine* l = doc.Sheet().lines.head; l; l = l->next) {
    ++st.lines;
    if (GoodLine(l)) ++st.realLines;
  }
  for (GCircle* c = doc.Sheet().circles.head; c; c = c->next) {
    ++st.circles;
    if (GoodCircle(c)) ++st.realCircles;
  }
  return st;
}

bool PickMeetingLines(GDocument& doc, unsigned pick, GLine** l, GLine** m) {
  std::vector<GLine*> lines;
  for (GLine* g = doc.Sheet().lines.head; g; g = g->next)
    if (GoodLine(g)) lines.push_back(g);
  if (lines.size() < 2) return false;
  Rng rng{kSheetSeed + pick};
  double x, y;
  for (int i = 0; i < 1000; ++i) {
    *l = lines[rng.Index(lines.size())];
    *m = lines[rng.Index(lines.size())];
    if (*l != *m && MeetOf(*l, *m, &x, &y)) return true;
  }
  return false;
}

GPoint* PlaceMeetPoint(GDocument& doc, GLine* l, GLine* m, GConst** step) {
  if (step) *step = nullptr;
  GPoint* p = doc.NewPoint(CComplex(0, 0), CComplex(0, 0));
  if (!p) return nullptr;
  GConst* c = doc.NewConst(CONST_MEET);
  if (!c) {
    p->inUse = 0;
    return nullptr;
  }
  c->LInput1 = l;
  c->LInput2 = m;
  c->POutput = p;
  c->Evaluate();
  doc.AssignPoint(p);
  doc.SetPointName(p);
  if (step) *step = c;
  return p;
}
