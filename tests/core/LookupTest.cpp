// Finding existing steps: inputs in either order, the side of a bisector, the
// tolerance of typed angles, and the lookups whose result is 0 when found.
#include <gtest/gtest.h>

#include <memory>

#include "Recorder.h"
#include "model/Document.h"
#include "model/Lookup.h"

namespace {

// A document whose current sheet gets hand-made steps, without the tools.
struct StepList {
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  int used = 0;

  GConst* Add(GStepKind type) {
    GConst* c = &doc->Store().Steps()[used++];
    c->type = type;
    c->inUse = 1;
    doc->Sheet().consts.Append(c);
    return c;
  }
  GConst* First() { return doc->FirstConst(); }
  GPoint* P(int i) { return &doc->Store().Points()[i]; }
  GLine* L(int i) { return &doc->Store().Lines()[i]; }
};

GConst* const kSentinel = reinterpret_cast<GConst*>(0x10);

}  // namespace

TEST(FindJoin, FindsTheLineWhicheverPointCameFirst) {
  StepList s;
  s.Add(CONST_FREE);
  GConst* join = s.Add(CONST_JOIN);
  join->PInput1 = s.P(1);
  join->PInput2 = s.P(0);
  GConst* out = nullptr;
  EXPECT_EQ(FindJoinFromCns(s.First(), s.P(0), s.P(1), &out), 1);
  EXPECT_EQ(out, join);
  out = nullptr;
  EXPECT_EQ(FindJoinFromCns(s.First(), s.P(1), s.P(0), &out), 1);
  EXPECT_EQ(out, join);
  // Not found: the out-parameter keeps what it held.
  out = kSentinel;
  EXPECT_EQ(FindJoinFromCns(s.First(), s.P(0), s.P(2), &out), 0);
  EXPECT_EQ(out, kSentinel);
}

TEST(FindMeet, ReportsZeroWhenTheMeetExistsInEitherOrder) {
  StepList s;
  GConst* out = kSentinel;
  EXPECT_EQ(FindMeetFromCn(nullptr, s.L(0), s.L(1), &out), 1);
  EXPECT_EQ(out, nullptr);

  GConst* meet = s.Add(CONST_MEET);
  meet->LInput1 = s.L(0);
  meet->LInput2 = s.L(1);
  EXPECT_EQ(FindMeetFromCn(s.First(), s.L(1), s.L(0), &out), 0);
  EXPECT_EQ(out, meet);
  EXPECT_EQ(FindMeetFromCn(s.First(), s.L(1), s.L(2), &out), 1);
  EXPECT_EQ(out, nullptr);
}

TEST(FindCnFromPt, ReportsZeroWhenFoundAndLeavesOutAloneOnAnEmptyList) {
  StepList s;
  GConst* out = kSentinel;
  EXPECT_EQ(FindCnFromPt(nullptr, s.P(0), &out), 1);
  EXPECT_EQ(out, kSentinel);

  s.Add(CONST_JOIN)->LOutput = s.L(0);
  GConst* free = s.Add(CONST_FREE);
  free->POutput = s.P(3);
  EXPECT_EQ(FindCnFromPt(s.First(), s.P(3), &out), 0);
  EXPECT_EQ(out, free);
  EXPECT_EQ(FindCnFromPt(s.First(), s.P(4), &out), 1);
  EXPECT_EQ(out, nullptr);
}

TEST(FindBisector, TellsTheTwoSidesAndTheLineOrderApart) {
  StepList s;
  GConst* plus = s.Add(CONST_BISECTOR);
  plus->LInput1 = s.L(0);
  plus->LInput2 = s.L(1);
  plus->param1 = CComplex(1.0, 0.0);
  GConst* out = nullptr;
  EXPECT_EQ(FindBisectorFromCns(s.First(), s.L(0), s.L(1), 1.0, &out), 1);
  EXPECT_EQ(out, plus);
  EXPECT_EQ(FindBisectorFromCns(s.First(), s.L(0), s.L(1), -1.0, &out), 0);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(FindBisectorFromCns(s.First(), s.L(1), s.L(0), 1.0, &out), 0);

  GConst* minus = s.Add(CONST_BISECTOR);
  minus->LInput1 = s.L(0);
  minus->LInput2 = s.L(1);
  minus->param1 = CComplex(-1.0, 0.0);
  EXPECT_EQ(FindBisectorFromCns(s.First(), s.L(0), s.L(1), -1.0, &out), 1);
  EXPECT_EQ(out, minus);
}

TEST(FindLineWithAngleDegree, AcceptsAnglesWithinAHundredthOfADegree) {
  StepList s;
  GConst* c = s.Add(CONST_LINE_WITH_ANGLE_DEGREE);
  c->LInput1 = s.L(0);
  c->PInput1 = s.P(0);
  c->param1 = CComplex(30.0, 0.0);
  GConst* out = nullptr;
  EXPECT_EQ(FindLineWithAngleDegreeFromCns(s.First(), s.L(0), s.P(0), 30.005, &out), 1);
  EXPECT_EQ(out, c);
  EXPECT_EQ(FindLineWithAngleDegreeFromCns(s.First(), s.L(0), s.P(0), 29.995, &out), 1);
  EXPECT_EQ(FindLineWithAngleDegreeFromCns(s.First(), s.L(0), s.P(0), 30.02, &out), 0);
  EXPECT_EQ(out, nullptr);
  EXPECT_EQ(FindLineWithAngleDegreeFromCns(s.First(), s.L(0), s.P(1), 30.0, &out), 0);
}

TEST(FindByInputs, ReturnsTheFirstMatchAndClearsOutWhenNothingMatches) {
  StepList s;
  GConst* perp = s.Add(CONST_PERP);
  perp->LInput1 = s.L(0);
  perp->PInput1 = s.P(0);
  GConst* para1 = s.Add(CONST_PARALLEL);
  para1->LInput1 = s.L(0);
  para1->PInput1 = s.P(0);
  GConst* para2 = s.Add(CONST_PARALLEL);
  para2->LInput1 = s.L(0);
  para2->PInput1 = s.P(0);
  GConst* bis = s.Add(CONST_3P_BISECTOR);
  bis->PInput1 = s.P(0);
  bis->PInput2 = s.P(1);
  bis->PInput3 = s.P(2);
  GConst* tan = s.Add(CONST_TANGENT);
  tan->CInput1 = &s.doc->Store().Circles()[0];
  tan->PInput1 = s.P(1);

  GConst* out = kSentinel;
  EXPECT_EQ(FindParaFromCns(s.First(), s.L(0), s.P(0), &out), 1);
  EXPECT_EQ(out, para1);
  EXPECT_EQ(FindPerpFromCns(s.First(), s.L(0), s.P(0), &out), 1);
  EXPECT_EQ(out, perp);
  EXPECT_EQ(Find3PBisectorFromCns(s.First(), s.P(0), s.P(1), s.P(2), &out), 1);
  EXPECT_EQ(out, bis);
  EXPECT_EQ(FindTangentFromCns(s.First(), &s.doc->Store().Circles()[0], s.P(1), &out), 1);
  EXPECT_EQ(out, tan);

  // The vertex of a three-point bisector is its middle input: order matters.
  out = kSentinel;
  EXPECT_EQ(Find3PBisectorFromCns(s.First(), s.P(1), s.P(0), s.P(2), &out), 0);
  EXPECT_EQ(out, nullptr);
  out = kSentinel;
  EXPECT_EQ(FindParaFromCns(nullptr, s.L(0), s.P(0), &out), 0);
  EXPECT_EQ(out, nullptr);
  out = kSentinel;
  EXPECT_EQ(FindTangentFromCns(s.First(), &s.doc->Store().Circles()[0], s.P(0), &out), 0);
  EXPECT_EQ(out, nullptr);
}

TEST(FindByOutput, FindsTheMakingStepAndLeavesOutAloneWhenAbsent) {
  StepList s;
  GConst* mid = s.Add(CONST_MID);
  mid->POutput = s.P(2);
  GConst* circle = s.Add(CONST_MULTI_CIRCLE);
  circle->COutput = &s.doc->Store().Circles()[0];
  GConst* br = s.Add(CONST_BRACKET);
  br->BracketOutput = &s.doc->Store().Brackets()[0];

  GConst* out = kSentinel;
  EXPECT_EQ(FindPtFromCn(s.First(), s.P(2), &out), 1);
  EXPECT_EQ(out, mid);
  EXPECT_EQ(FindCiFromCn(s.First(), &s.doc->Store().Circles()[0], &out), 1);
  EXPECT_EQ(out, circle);
  EXPECT_EQ(FindBrFromCn(s.First(), &s.doc->Store().Brackets()[0], &out), 1);
  EXPECT_EQ(out, br);
  out = kSentinel;
  EXPECT_EQ(FindLnFromCn(s.First(), s.L(0), &out), 0);
  EXPECT_EQ(FindAngleFromCn(s.First(), &s.doc->Store().Angles()[0], &out), 0);
  EXPECT_EQ(out, kSentinel);
}

TEST(FindName, FindsAStepByTheNameOfAnyOfItsOutputs) {
  StepList s;
  GConst* join = s.Add(CONST_JOIN);
  join->LOutput = s.L(0);
  // A copy, not the literal itself: GCC 12 at -O3 misreads that as an overlap.
  s.L(0)->name = std::string("a");
  GConst* angle = s.Add(CONST_3P_ANGLE);
  angle->AngleOutput = &s.doc->Store().Angles()[0];
  s.doc->Store().Angles()[0].name = "ag1";
  GConst* text = s.Add(CONST_TEXT);
  text->TextOutput = &s.doc->Store().Texts()[0];
  s.doc->Store().Texts()[0].name = "TA";

  GConst* out = nullptr;
  EXPECT_EQ(FindNameFromCns(s.First(), "ag1", &out), 1);
  EXPECT_EQ(out, angle);
  EXPECT_EQ(FindNameFromCns(s.First(), "TA", &out), 1);
  EXPECT_EQ(out, text);
  EXPECT_EQ(FindNameFromCns(s.First(), "a", &out), 1);
  EXPECT_EQ(out, join);
  // Names are compared exactly.
  out = kSentinel;
  EXPECT_EQ(FindNameFromCns(s.First(), "A", &out), 0);
  EXPECT_EQ(out, kSentinel);
}
