// The Measure command and the measuring words of evaluated texts: the text
// made for each kind of choice, how it follows a drag, and that it reads back
// from the saved script still measuring.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Recorder.h"
#include "model/Document.h"
#include "model/EvalText.h"
#include "model/Invariants.h"
#include "model/Lookup.h"
#include "model/Measure.h"
#include "script/Script.h"

namespace {

// A right angle at B: AB = 3 along the x axis, BC = 4 upwards.
const char* const kFigure =
    "//Sheet 0;\n"
    "point A=Pt(0.000,0.000);\npoint B=Pt(3.000,0.000);\npoint C=Pt(3.000,4.000);\n"
    "line a=Join(A,B);\nline b=Join(C,B);\ncircle k=Circle(A,B);\n"
    "angle ag1=AngleBy3P(A,B,C,design:1,size:40,R:0,G:0,B:0);\n"
    "line p=3PBisector(A,B,C);\n";

struct Figure {
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);

  explicit Figure(const std::string& script) { EXPECT_TRUE(ReadScript(*doc, script)); }
  GConst* Step(const std::string& name) {
    GConst* c = nullptr;
    FindNameFromCns(doc->FirstConst(), name, &c);
    return c;
  }
  void Choose(const std::string& name) {
    GConst* c = Step(name);
    ASSERT_NE(c, nullptr) << name;
    if (c->POutput) doc->Sethilighted(c->POutput);
    if (c->LOutput) doc->Sethilighted(c->LOutput);
    if (c->COutput) doc->Sethilighted(c->COutput);
    if (c->AngleOutput) doc->Sethilighted(c->AngleOutput);
  }
  std::string Shown(const GText* t) {
    std::string out;
    EXPECT_EQ(EvaluateText(doc->FirstConst(), t->text, out, false), 0);
    RemoveYenCommaOnText(out);
    return out;
  }
};

}  // namespace

TEST(Measure, TextsFollowADragAndReadBackStillMeasuring) {
  struct Case {
    std::vector<std::string> chosen;
    std::string before, afterDrag;  // B dragged from (3, 0) to (4, 0)
  };
  const Case cases[] = {
      {{"B", "C"}, "BC = 4.00", "BC = 4.12"},
      {{"a"}, "AB = 3.00\nslope a = 0.00", "AB = 4.00\nslope a = 0.00"},
      // Vertical at first: no slope is shown until the line leans.
      {{"b"}, "CB = 4.00\nslope b = ", "CB = 4.12\nslope b = -4.00"},
      {{"k"}, "k: r = 3.00, C = 18.85, S = 28.27", "k: r = 4.00, C = 25.13, S = 50.27"},
      {{"ag1"}, "ag1 = 90.00\xC2\xB0", "ag1 = 75.96\xC2\xB0"},
      {{"A", "B", "C"}, "area ABC = 6.00", "area ABC = 8.00"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.before);
    Figure f(kFigure);
    for (const std::string& n : c.chosen) f.Choose(n);
    GText* t = AddMeasureText(*f.doc, MeasureContent(*f.doc), 10, 20);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(f.Shown(t), c.before);
    ASSERT_TRUE(f.doc->MovePoint(f.Step("B")->POutput, 4, 0));
    EXPECT_EQ(f.Shown(t), c.afterDrag);
    EXPECT_TRUE(CheckInvariants(*f.doc).empty());

    Figure back(WriteSheetScript(*f.doc, 0));
    GConst* text = back.Step(t->name);
    ASSERT_TRUE(text && text->TextOutput);
    EXPECT_EQ(text->TextOutput->text, t->text);
    EXPECT_EQ(back.Shown(text->TextOutput), c.afterDrag);
  }
}

TEST(Measure, NothingMeasurableMakesNoText) {
  Figure f(kFigure);
  EXPECT_EQ(MeasureContent(*f.doc), "");
  EXPECT_EQ(AddMeasureText(*f.doc, "", 0, 0), nullptr);
  f.Choose("A");  // one point alone has nothing to measure
  EXPECT_EQ(MeasureContent(*f.doc), "");
}

TEST(Measure, WordsWithoutARealValueShowNothing) {
  Figure f(kFigure);
  // A bisector through three points is no segment, though it holds two of them.
  const char* const refs[] = {"{distance(A,Q)}", "{distance(A)}", "{area(A,B)}", "{radius(a)}",
                              "{length(k)}",     "{slope(A)}",    "{angle(a)}",  "{distance(A,)}",
                              "{width(A,B)}",    "{length(p)}"};
  for (const char* r : refs) {
    std::string out = "stale";
    EXPECT_EQ(EvaluateText(f.doc->FirstConst(), std::string("[") + r + "]", out, false), 0) << r;
    EXPECT_EQ(out, "[]") << r;
  }
  // Escaped commas, as texts are stored, and spaces read alike.
  std::string out;
  EvaluateText(f.doc->FirstConst(), "{distance(A\\, C)}", out, true);
  EXPECT_EQ(out, "(5.00)");
}
