// Undo, redo, the eraser, Invisible and the zoom steps on small figures built
// as the tools build them: what a child sees after each command, and the
// mends (zooms stopped by their limit, redo of hidden elements, erasing under
// undone steps, steps left pointing at erased elements).
#include <gtest/gtest.h>

#include <memory>

#include "model/ViewSteps.h"
#include "Recorder.h"
#include "model/Gesture.h"
#include "script/Script.h"

namespace {

class Undo : public ::testing::Test {
 protected:
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  GGesture gesture{*doc};

  void SetUp() override { doc->ResetAllName(); }

  GPoint* Place(double x, double y) {
    doc->ClearAllHilights();
    gesture.LDown_SPoint(x, y);
    gesture.LUp_SPoint(x, y);
    return gesture.PlacedPoint();
  }
  template <class Build>
  GConst* BuildFrom(std::initializer_list<GPoint*> points, Build build) {
    doc->ClearAllHilights();
    for (GPoint* p : points) doc->Sethilighted(p);
    return (gesture.*build)() ? doc->CurrentConst() : nullptr;
  }
  GLine* Join(GPoint* a, GPoint* b) { return BuildFrom({a, b}, &GGesture::ConstDefLine)->LOutput; }
  GPoint* Mid(GPoint* a, GPoint* b) { return BuildFrom({a, b}, &GGesture::ConstDefMid)->POutput; }
  int Steps() {
    int n = 0;
    for (GConst* c = doc->FirstConst(); c; c = c->next) ++n;
    return n;
  }
  GConst* Last() {
    GConst* c = doc->FirstConst();
    while (c && c->next) c = c->next;
    return c;
  }
  bool Read(const char* text) { return ReadScript(*doc, text); }
  std::string Text() { return WriteSheetScript(*doc, doc->Sheets().CurrentIndex()); }
};

TEST_F(Undo, PointGoesAndComesBackUnderItsName) {
  GPoint* a = Place(1, 1);
  ASSERT_EQ(a->name, "A");
  ASSERT_TRUE(doc->OnUndo());
  EXPECT_EQ(Steps(), 0);
  EXPECT_TRUE(a->hidden);
  EXPECT_EQ(doc->Naming().Next(GNameKind::kPoint), "A");  // free for the next point
  EXPECT_FALSE(doc->OnUndo());                            // nothing left to undo
  ASSERT_TRUE(doc->OnRedo());
  EXPECT_FALSE(a->hidden);
  EXPECT_EQ(a->name, "A");
  EXPECT_EQ(doc->Naming().Next(GNameKind::kPoint), "B");
  EXPECT_FALSE(doc->OnRedo());
}

TEST_F(Undo, UndoneElementLeavesTheSelectionAndItsIncidences) {
  GPoint* a = Place(0, 0);
  GPoint* b = Place(2, 0);
  GLine* l = Join(a, b);
  GPoint* m = Mid(a, b);
  doc->Sethilighted(m);
  ASSERT_TRUE(doc->OnUndo());
  EXPECT_FALSE(doc->Selection().Points().Contains(m));
  EXPECT_EQ(m->hilighted, 0);
  for (GIncident* r = l->ics.head; r; r = r->next) EXPECT_NE(r->point, m);
  ASSERT_TRUE(doc->OnRedo());
  bool onLine = false;  // redo finds the midpoint on the line again
  for (GIncident* r = l->ics.head; r; r = r->next) onLine = onLine || r->point == m;
  EXPECT_TRUE(onLine);
}

// Zooms undo by the factor they zoomed with; at a limit the view stays, the
// step is still recorded, and undoing it leaves the view alone.
TEST_F(Undo, ZoomStepsUndoExactlyWhatTheyDid) {
  struct Case {
    bool in;
    double scale;   // before the zoom
    double zoomed;  // after it
    bool changed;
  } cases[] = {
      {true, 0.01, 0.01 / 1.2, true},
      {false, 0.01, 0.012, true},
      {true, 0.001, 0.001, false},  // at the limit
      {false, 0.1, 0.1, false},
      {false, 0.095, 0.114, true},  // past the limit by one step, and back exactly
  };
  for (const Case& k : cases) {
    doc = std::make_unique<GDocument>(&user);
    doc->Viewport().SetScale(k.scale);
    doc->Viewport().SetPickDistance(k.scale * 10);
    const double left = doc->Viewport().XMin();
    GConst* c = ZoomStep(*doc, k.in);
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->type, k.in ? CONST_ZOOMIN : CONST_ZOOMOUT);
    EXPECT_EQ(c->viewChanged, k.changed);
    EXPECT_NEAR(doc->Viewport().Scale(), k.zoomed, 1e-12);
    EXPECT_NEAR(doc->Viewport().XMin(), left * k.zoomed / k.scale, 1e-9);
    EXPECT_NEAR(doc->Viewport().PickDistance2(), 100 * k.zoomed * k.zoomed, 1e-12);
    ASSERT_TRUE(doc->OnUndo());
    EXPECT_NEAR(doc->Viewport().Scale(), k.scale, 1e-12) << k.in << " " << k.scale;
    EXPECT_NEAR(doc->Viewport().XMin(), left, 1e-9);
    ASSERT_TRUE(doc->OnRedo());
    EXPECT_NEAR(doc->Viewport().Scale(), k.zoomed, 1e-12);
  }
}

TEST_F(Undo, InvisibleHidesEachChosenElementByItsOwnStep) {
  GPoint* a = Place(0, 0);
  GPoint* b = Place(2, 1);
  GLine* l = Join(a, b);
  doc->ClearAllHilights();
  doc->Sethilighted(l);
  doc->Sethilighted(a);
  EXPECT_EQ(doc->OnModeInvisible(), 2);
  EXPECT_TRUE(l->hidden && a->hidden);
  EXPECT_EQ(doc->Selection().Lines().Count() + doc->Selection().Points().Count(), 0);
  EXPECT_EQ(Last()->type, CONST_INVISIBLE);
  EXPECT_EQ(Last()->PInput1, a);  // lines first, then points
  EXPECT_EQ(user.log.back(), "  PInput1=A,\n");
  ASSERT_TRUE(doc->OnUndo());
  EXPECT_FALSE(a->hidden);
  EXPECT_TRUE(l->hidden);
  ASSERT_TRUE(doc->OnUndo());
  EXPECT_FALSE(l->hidden);
  ASSERT_TRUE(doc->OnRedo());
  EXPECT_TRUE(l->hidden);
}

TEST_F(Undo, HiddenAngleMarkStaysHiddenThroughEvaluation) {
  GPoint* a = Place(1, 0);
  GPoint* v = Place(0, 0);
  GPoint* b = Place(0, 1);
  GConst* c = BuildFrom({a, v, b}, &GGesture::ConstDefAngle);
  ASSERT_NE(c, nullptr);
  GAngle* mark = c->AngleOutput;
  doc->ClearAllHilights();
  doc->Sethilighted(mark);
  doc->OnModeInvisible();
  doc->EvaluateConst(doc->FirstConst());
  EXPECT_TRUE(mark->hidden);
  doc->OnUndo();
  EXPECT_FALSE(mark->hidden);
}

TEST_F(Undo, EraserTakesAPointWithEverythingBuiltOnIt) {
  GPoint* a = Place(0, 0);
  GPoint* b = Place(2, 0);
  GPoint* c = Place(1, 2);
  Join(a, b);
  Mid(a, b);
  GLine* kept = Join(b, c);
  doc->ClearAllHilights();
  doc->Sethilighted(a);
  EXPECT_EQ(doc->OnModeEraser(), 3);
  EXPECT_EQ(Steps(), 3);
  EXPECT_EQ(doc->Sheet().lines.head, kept);
  EXPECT_EQ(kept->next, nullptr);
  EXPECT_EQ(doc->Naming().Next(GNameKind::kPoint), "A");  // the erased name is free again
}

// An element hidden by the file stays hidden when its step is undone and redone.
TEST_F(Undo, RedoKeepsAnElementThatWasHiddenBefore) {
  ASSERT_TRUE(Read("point A=Pt(1,2,invisible);text T=Text(hi,10,10,18,invisible);"));
  ASSERT_TRUE(doc->OnUndo());
  ASSERT_TRUE(doc->OnUndo());
  ASSERT_TRUE(doc->OnRedo());
  ASSERT_TRUE(doc->OnRedo());
  EXPECT_TRUE(doc->FirstConst()->POutput->hidden);
  EXPECT_TRUE(doc->FirstConst()->next->TextOutput->hidden);
}

// Images and brackets disappear and come back like every other element.
TEST_F(Undo, ImageAndBracketOutputsAreUndoneAndRedone) {
  GPoint* a = Place(0, 0);
  GPoint* b = Place(2, 0);
  GConst* br = BuildFrom({a, b}, &GGesture::ConstDefBracket);
  ASSERT_NE(br, nullptr);
  GImage* im = doc->NewImage();
  doc->AssignImage(im);
  GConst* ic = doc->NewConst(CONST_IMAGE);
  ic->ImageOutput = im;
  ASSERT_TRUE(doc->OnUndo());
  ASSERT_TRUE(doc->OnUndo());
  EXPECT_TRUE(im->hidden);
  EXPECT_TRUE(br->BracketOutput->hidden);
  ASSERT_TRUE(doc->OnRedo());
  ASSERT_TRUE(doc->OnRedo());
  EXPECT_FALSE(im->hidden);
  EXPECT_FALSE(br->BracketOutput->hidden);
  doc->DeleteConst(br);
  EXPECT_EQ(doc->Sheet().brackets.head, nullptr);
}

// Erasing gives up the undone steps: one might be built on what is erased,
// and redoing it would bring back a step with a freed input.
TEST_F(Undo, EraserGivesUpUndoneStepsBuiltOnWhatItErases) {
  GPoint* a = Place(0, 0);
  GPoint* b = Place(2, 0);
  GLine* l = Join(a, b);
  ASSERT_TRUE(doc->OnUndo());
  doc->ClearAllHilights();
  doc->Sethilighted(a);
  doc->OnModeEraser();
  EXPECT_EQ(doc->History().RedoCount(), 0);
  EXPECT_FALSE(doc->OnRedo());
  EXPECT_EQ(l->inUse, 0);
  EXPECT_EQ(doc->Sheet().lines.head, nullptr);
}

// Steps that only refer to an erased element go with it: the Invisible step
// of a hidden line, and a point bound to a line that is erased (its file
// could not be read back without the line).
TEST_F(Undo, EraserTakesStepsThatReferToWhatGoes) {
  ASSERT_TRUE(
      Read("point A=Pt(0,0);point B=Pt(2,0);point C=Pt(0,2);line a=Join(A,B);"
           "line b=Parallel(a,C);point D=PtOnParallel(a,C,1);line c=Join(B,C);"
           "void Invisible(c);point E=Pt(5,5);"));
  ASSERT_EQ(Steps(), 9);
  GConst* steps[9];
  int n = 0;
  for (GConst* c = doc->FirstConst(); c; c = c->next) steps[n++] = c;
  ASSERT_TRUE(steps[6]->LOutput->hidden);
  doc->ClearAllHilights();
  doc->Sethilighted(steps[4]->LOutput);  // the parallel b
  EXPECT_EQ(doc->OnModeEraser(), 2);     // and D on it
  std::string written = Text();
  EXPECT_EQ(written.find("PtOnParallel"), std::string::npos);
  doc->Sethilighted(steps[1]->POutput);  // B
  EXPECT_EQ(doc->OnModeEraser(), 4);     // B, a, c and the step hiding c
  written = Text();
  EXPECT_EQ(written.find("Invisible"), std::string::npos);
  EXPECT_TRUE(Read(written.c_str())) << written;
  EXPECT_EQ(Steps(), 3);
}

TEST_F(Undo, NewStepEndsRedo) {
  Place(0, 0);
  GPoint* b = Place(1, 0);
  doc->OnUndo();
  Place(3, 3);
  EXPECT_EQ(doc->History().RedoCount(), 0);
  EXPECT_FALSE(doc->OnRedo());
  EXPECT_EQ(b->inUse, 0);  // the undone point is freed for good
}

// Zoom and Invisible steps are written, read back and replayed, so they can
// be undone after opening the file.
TEST_F(Undo, ZoomAndInvisibleStepsTravelThroughTheFile) {
  GPoint* a = Place(1, 1);
  ZoomStep(*doc, true);
  doc->ClearAllHilights();
  doc->Sethilighted(a);
  doc->OnModeInvisible();
  ZoomStep(*doc, false);
  const std::string text = Text();
  EXPECT_NE(text.find("point A=Pt(1.000,1.000,fontsize18);\nvoid ZoomIn();\n"
                      "void Invisible(A);\nvoid ZoomOut();\n"),
            std::string::npos)
      << text;
  const double scale = doc->Viewport().Scale();
  ASSERT_TRUE(Read(text.c_str()));
  EXPECT_EQ(Steps(), 4);
  EXPECT_TRUE(doc->FirstConst()->POutput->hidden);     // by the replayed step
  EXPECT_NEAR(doc->Viewport().Scale(), scale, 1e-12);  // in and out again
  EXPECT_EQ(Text(), text);
  doc->OnUndo();
  doc->OnUndo();
  EXPECT_FALSE(doc->FirstConst()->POutput->hidden);
  EXPECT_FALSE(Read("void Invisible(Q);"));
  EXPECT_EQ(user.messages.back().text, "line 1 : Invisible : syntax error");
}

// Applying the editor's text unchanged keeps every step and the view; a copy
// of the sheet keeps the zoom steps without zooming again.
TEST_F(Undo, EditorAndSheetCopyKeepZoomSteps) {
  Place(1, 1);
  ZoomStep(*doc, true);
  ZoomStep(*doc, true);
  const double scale = doc->Viewport().Scale();
  const std::string text = SheetScriptText(*doc);
  ASSERT_TRUE(ApplySheetScript(*doc, text));
  EXPECT_EQ(Steps(), 3);
  EXPECT_NEAR(doc->Viewport().Scale(), scale, 1e-12);
  ASSERT_TRUE(doc->InsertCopyFigure(true));
  EXPECT_EQ(Steps(), 3);
  EXPECT_NEAR(doc->Viewport().Scale(), scale, 1e-12);
  doc->OnUndo();  // a copied zoom step: the view stays
  EXPECT_NEAR(doc->Viewport().Scale(), scale, 1e-12);
}

TEST_F(Undo, TovikClippingReachesTheChosenLinesAndCircles) {
  GPoint* a = Place(0, 0);
  GPoint* b = Place(2, 0);
  GLine* l = Join(a, b);
  GConst* c = BuildFrom({a, b}, &GGesture::ConstDefCircle);
  doc->ClearAllHilights();
  doc->Sethilighted(l);
  doc->Sethilighted(c->COutput);
  gesture.SetClipping(true);
  EXPECT_EQ(l->toolMark + c->COutput->toolMark, 2);
  gesture.SetClipping(false);
  EXPECT_EQ(l->toolMark + c->COutput->toolMark, 0);
}

}  // namespace
