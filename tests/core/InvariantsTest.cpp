// The document's standing rules: each inconsistency planted into a figure
// built by the tools is reported in plain words (that the tools keep them is
// checked by the fixtures after every command).
#include <gtest/gtest.h>

#include <functional>

#include "Recorder.h"
#include "model/Gesture.h"
#include "model/Invariants.h"

namespace {

// Points A and B, the line a through them and the circle c about A through B,
// built by the tools' builders.
struct Figure {
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  GGesture gesture{*doc};
  GPoint *A = nullptr, *B = nullptr;
  GLine* a = nullptr;
  GCircle* c = nullptr;
  Figure() {
    doc->ResetAllName();
    A = Free(0, 0);
    B = Free(1, 0);
    Pick({A, B});
    gesture.ConstDefLine();
    a = doc->CurrentConst()->LOutput;
    Pick({A, B});
    gesture.ConstDefCircle();
    c = doc->CurrentConst()->COutput;
    doc->ClearAllHilights();
  }
  GPoint* Free(double x, double y) {
    gesture.LDown_SPoint(x, y);
    gesture.LUp_SPoint(x, y);
    return gesture.PlacedPoint();
  }
  void Pick(std::initializer_list<GPoint*> points) {
    doc->ClearAllHilights();
    for (GPoint* p : points) doc->Sethilighted(p);
  }
  GConst* StepOf(const GObject* out) {
    for (GConst* k = doc->FirstConst(); k; k = k->next)
      if (k->Output() == out) return k;
    return nullptr;
  }
};

TEST(Invariants, EachPlantedInconsistencyIsReported) {
  struct Case {
    const char* what;
    std::function<void(Figure&)> plant;
    const char* report;
  } cases[] = {
      {"a listed point given back", [](Figure& f) { f.B->inUse = 0; },
       "point B is listed but not in use"},
      {"a step reading a later element", [](Figure& f) { f.StepOf(f.a)->CInput1 = f.c; },
       "reads C1, which no earlier step made"},
      {"a step reading an element no step made",
       [](Figure& f) {
         GPoint* stray = f.doc->NewPoint(CComplex(5, 0), CComplex(5, 0));
         stray->name =
             std::string("Z");  // a copy: GCC 12 at -O3 misreads the literal as an overlap
         f.StepOf(f.a)->PInput2 = stray;
       },
       "reads Z, which no earlier step made"},
      {"an incidence record of a point of no sheet",
       [](Figure& f) {
         GPoint* stray = f.doc->NewPoint(CComplex(2, 0), CComplex(0, 0));
         f.doc->AssignIncident(f.a, stray, 2);
       },
       "a knows a point that is not on its sheet"},
      {"an undone step still showing its element",
       [](Figure& f) {
         f.doc->OnUndo();
         f.c->hidden = 0;
       },
       "still shows C1"},
      {"a hilight list entry that is not lit",
       [](Figure& f) {
         f.doc->Sethilighted(f.A);
         f.A->hilighted = 0;
       },
       "hilighted point A is not lit"},
      {"a list running in a circle", [](Figure& f) { f.B->next = f.A; },
       "the point list runs in a circle"},
      {"a current sheet out of range", [](Figure& f) { f.doc->Sheets().SetCurrent(3); },
       "the current sheet 3 is not one of the 1 sheets"},
  };
  for (const Case& k : cases) {
    Figure f;
    k.plant(f);
    const std::string report = InvariantReport(*f.doc, &f.gesture);
    EXPECT_NE(report.find(k.report), std::string::npos) << k.what << ":\n" << report;
    // Put right what would otherwise trip the document's own teardown.
    f.doc->Sheets().SetCurrent(0);
    f.B->next = nullptr;
    f.B->inUse = 1;
  }
}

}  // namespace
