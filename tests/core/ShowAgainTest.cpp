// Hidden elements shown again: only what was put away on purpose can be
// chosen (while hidden ones are shown) and brought back, by a Visible step
// that undo takes back, that is written and read back; and squared paper, a
// sheet setting that only the sheets having it mention.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Recorder.h"
#include "model/Gesture.h"
#include "model/Invariants.h"
#include "model/Lookup.h"
#include "model/PutAway.h"
#include "script/Script.h"

namespace {

const char* const kPoints =
    "//Sheet 0;\npoint A=Pt(0.000,0.000);\npoint B=Pt(2.000,0.000);\npoint C=Pt(2.000,2.000);\n";

struct Doc {
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  GGesture gesture{*doc};

  explicit Doc(const std::string& script) { EXPECT_TRUE(ReadScript(*doc, script)); }
  GObject* Element(const std::string& name) {
    GConst* c = nullptr;
    FindNameFromCns(doc->FirstConst(), name, &c);
    return c ? c->Output() : nullptr;
  }
  // Chooses the element of that name as a click with the Select tool would.
  void Choose(const std::string& name) {
    GObject* e = Element(name);
    if (auto* p = dynamic_cast<GPoint*>(e)) doc->Sethilighted(p);
    if (auto* l = dynamic_cast<GLine*>(e)) doc->Sethilighted(l);
    if (auto* c = dynamic_cast<GCircle*>(e)) doc->Sethilighted(c);
    if (auto* a = dynamic_cast<GAngle*>(e)) doc->Sethilighted(a);
  }
  bool Hidden(const std::string& name) {
    GObject* e = Element(name);
    if (auto* a = dynamic_cast<GAngle*>(e)) return a->userHidden;
    return e->hidden;
  }
};

}  // namespace

TEST(ShowAgain, AVisibleStepShowsUndoesRedoesAndReadsBack) {
  struct Case {
    const char* name;
    std::string added;  // after kPoints: the element and how it was hidden
  };
  const Case cases[] = {
      {"a", "line a=Join(A,B);\nvoid Invisible(a);\n"},
      {"D", "point D=Pt(1.000,1.000,invisible);\n"},
      {"k", "circle k=Circle(A,B,invisible);\n"},
      {"ag1", "angle ag1=AngleBy3P(A,B,C,invisible,design:1,size:40,R:0,G:0,B:0);\n"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    Doc d(kPoints + c.added);
    ASSERT_TRUE(d.Hidden(c.name));
    d.Choose(c.name);
    ASSERT_EQ(d.doc->OnModeShowAgain(), 1);
    EXPECT_FALSE(d.Hidden(c.name));
    EXPECT_FALSE(d.Element(c.name)->hidden);  // an angle mark's arms are defined
    ASSERT_TRUE(d.doc->OnUndo());
    EXPECT_TRUE(d.Hidden(c.name));
    ASSERT_TRUE(d.doc->OnRedo());
    EXPECT_FALSE(d.Hidden(c.name));
    EXPECT_TRUE(CheckInvariants(*d.doc).empty());

    const std::string written = WriteSheetScript(*d.doc, 0);
    EXPECT_NE(written.find(std::string("void Visible(") + c.name + ");"), std::string::npos);
    Doc back(written);
    EXPECT_FALSE(back.Hidden(c.name));
    EXPECT_EQ(WriteSheetScript(*back.doc, 0), written);
    ASSERT_TRUE(back.doc->OnUndo());  // the replayed step undoes as the command's did
    EXPECT_TRUE(back.Hidden(c.name));
  }
}

TEST(ShowAgain, OnlyElementsPutAwayCanBeChosenAndShown) {
  Doc d(std::string(kPoints) + "point D=Pt(1.000,1.000,invisible);\n");
  auto* hidden = static_cast<GPoint*>(d.Element("D"));
  // A click on it chooses it only while hidden elements are shown.
  d.gesture.SelectHilight(d.doc->Sheet().points.head, 1.0, 1.0);
  EXPECT_FALSE(hidden->hilighted);
  d.doc->Viewport().SetShowHidden(true);
  d.gesture.SelectHilight(d.doc->Sheet().points.head, 1.0, 1.0);
  EXPECT_TRUE(hidden->hilighted);
  // Shown no more, it leaves the selection: nothing builds on it unseen.
  SetShowHidden(*d.doc, false);
  EXPECT_FALSE(hidden->hilighted);
  SetShowHidden(*d.doc, true);
  d.gesture.SelectHilight(d.doc->Sheet().points.head, 1.0, 1.0);
  // Invisible on what is hidden already adds no step that undo would reveal.
  EXPECT_EQ(d.doc->OnModeInvisible(), 0);
  EXPECT_TRUE(hidden->hidden);

  // An undone point is hidden too, but its step waits for redo: not put away.
  ASSERT_TRUE(d.doc->OnUndo());
  EXPECT_FALSE(PutAway(*d.doc, hidden));
  d.doc->Sethilighted(hidden);
  EXPECT_EQ(d.doc->OnModeShowAgain(), 0);
  EXPECT_TRUE(hidden->hidden);
}

TEST(SquaredPaper, SavedWithItsSheetAndAbsentFromPlainOnes) {
  Doc d{kPoints};
  EXPECT_FALSE(d.doc->SquaredPaper());
  EXPECT_EQ(WriteSheetScript(*d.doc, 0).find("SquaredPaper"), std::string::npos);
  d.doc->SetSquaredPaper(true);
  const std::string written = WriteSheetScript(*d.doc, 0);
  EXPECT_NE(written.find("void SquaredPaper(1);\n"), std::string::npos);
  Doc back(written);
  EXPECT_TRUE(back.doc->SquaredPaper());
  // A file that never mentions it opens plain, whatever the sheet had before.
  ASSERT_TRUE(ReadScript(*back.doc, kPoints));
  EXPECT_FALSE(back.doc->SquaredPaper());
}
