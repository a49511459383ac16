// Tools' holds on elements across events: an undo, redo, erase, sheet switch
// or clearing lets go of every hold, and a hold on a slot that was given back
// and handed out again gives none, where a bare pointer would now name
// another element.
#include <functional>

#include "BuildFixture.h"
#include "model/Handle.h"

namespace {

using HandleTest = BuildTest;

TEST_F(HandleTest, EveryRoadThatRemovesOrSwitchesLetsGo) {
  struct Case {
    const char* road;
    std::function<void(GDocument&)> act;
  };
  const Case cases[] = {
      {"undo", [](GDocument& d) { d.OnUndo(); }},
      {"redo",
       [](GDocument& d) {
         d.OnUndo();
         GHandle<GPoint> again(&d.History());
         again = d.FirstConst()->POutput;
         d.OnRedo();
         EXPECT_EQ(again.Get(), nullptr);
       }},
      {"erase",
       [](GDocument& d) {
         d.ClearAllHilights();
         d.Sethilighted(d.Sheet().points.head);
         d.OnModeEraser();
       }},
      {"next sheet", [](GDocument& d) { d.InsertNewSheet(); }},
      {"clearing", [](GDocument& d) { d.ClearConst(); }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.road);
    doc->ClearConst();
    GPoint* p = Pt(0, 0);
    Pt(1, 1);
    GHandle<GPoint> held(&doc->History());
    held = p;
    gesture.SetStartPoint(p);
    ASSERT_EQ(held.Get(), p);
    k.act(*doc);
    EXPECT_EQ(held.Get(), nullptr);
    EXPECT_EQ(gesture.StartPoint(), nullptr);
  }
}

TEST_F(HandleTest, ASlotHandedOutAgainIsNotTheElementHeld) {
  GPoint* p = Pt(0, 0);
  GHandle<GPoint> held(&doc->History());
  held = p;
  GPoint* bare = p;
  doc->DeletePtFromCn(&doc->Sheet().consts.head, p);
  doc->DeletePoint(p);
  GPoint* q = Pt(3, 3);  // the lowest free slot: the one p had
  ASSERT_EQ(q, bare);
  EXPECT_EQ(held.Get(), nullptr);
  held = q;
  EXPECT_EQ(held.Get(), q);  // a hold taken afresh holds the new point
}

}  // namespace
