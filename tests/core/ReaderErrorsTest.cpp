// Reader errors: each statement's message with its line number and caption,
// reading stops there and leaves what was read before; comments, empty texts
// and the silent statements.
#include "ReaderFixture.h"

namespace {

// Points A, B, C, a line a through A and B, a circle C1 and an angle ag1:
// enough for every statement to name inputs of the right and wrong kinds.
const char* kBase =
    "point A=Pt(0,0);point B=Pt(2,0);point C=Pt(0,2);line a=Join(A,B);"
    "circle C1=Circle(A,C);angle ag1=AngleBy3P(B,A,C);";
constexpr int kBaseLines = 6;

struct BadStatement {
  const char* statement;
  const char* message;  // with the line number of the statement after kBase
};

TEST_F(ReaderTest, EveryStatementReportsItsOwnSyntaxError) {
  const BadStatement cases[] = {
      {"point P=Pt(1);", "line 7 : Pt : syntax error"},
      {"line b=Join(A,A);", "line 7 : Join : syntax error"},
      {"line b=Join(A,nowhere);", "line 7 : Join : syntax error"},
      {"point P=PtOnLine(A,B,1,-1);", "line 7 : syntax error"},  // t + u = 0
      {"point P=PtOnLine(A,C,1,1);", "line 7 : syntax error"},   // no join of A and C
      {"point P=Meet(a,A);", "line 7 : syntax error"},           // A is no line
      {"line b=Parallel(a);", "line 7 : syntax error"},
      {"line b=Perp(C1,A);", "line 7 : syntax error"},
      {"point P=Mid(A);", "line 7 : syntax error"},
      {"point P=PtOnParallel(a,C,1);", "line 7 : syntax error"},  // no parallel through C
      {"point P=PtOnPerp(a,C);", "line 7 : syntax error"},
      {"circle C2=Circle(A,a);", "line 7 : syntax error"},
      {"point P=PtOnCircle(a,1);", "line 7 : syntax error"},
      {"point P=MeetCircleAndLine(C1,a,1,0,0);", "line 7 : syntax error"},
      {"point P=MeetCircleAndLine(C1,a,1,0,0,0,notX);", "line 7 : syntax error"},
      {"point P=Meet2Circles(C1,a,1,0,0,0);", "line 7 : Meet_CC syntax error"},
      {"line b=Bisector(a,a);", "line 7 : syntax error"},
      {"line b=3PBisector(A,B);", "line 7 : syntax error"},
      {"point P=PtOn3PBisector(A,B,C);", "line 7 : syntax error"},
      {"point P=PtOnBisector(a,a,1);", "line 7 : syntax error"},
      {"point P=PtOnTangent(C1,A);", "line 7 : syntax error"},
      {"point P=PtOnCurveTangent(C1,A,1);", "line 7 : syntax error"},
      {"curve f=Graph(x,1);", "line 7 : Graph syntax error"},
      {"curve f=ParaCurve(x,x,1);", "line 7 : Graph syntax error"},
      {"point P=PtOnCurve(C1,1);", "line 7 : PtOnGraph syntax error"},
      {"line b=CurveTangent(C1,A);", "line 7 : TangentGraph syntax error"},
      {"line b=Tangent(a,A);", "line 7 : Tangent syntax error"},
      {"text T=Text(x,1,2);", "line 7 :Text syntax error"},
      {"circle C2=Compass(A,B);", "line 7 :Compass syntax error"},
      {"curve f=OrbitOnCircle(A);", "line 7 :OrbitOnCircle syntax error"},
      {"curve f=OrbitOnLine(A,a);", "line 7 :OrbitOnLine syntax error"},
      {"angle ag2=AngleBy3P(A,B);", "line 7 : Angle By 3P syntax error"},
      {"line b=LineWithAngle(a,A,B);", "line 7 : LineWithAngle syntax error"},
      {"line b=LineWithAngleDegree(a,A);", "line 7 : LineWithAngle syntax error"},
      {"point P=PtOnLineWithAngle(a,A,ag1);", "line 7 : PtOnLineWithAngle : syntax error"},
      {"point P=PtOnLineWithAngleDegree(a,A,1);",
       "line 7 : PtOnLineWithAngleDegree : syntax error"},
      {"image I=Image(x,1,2,3);", "line 7 :Image syntax error"},
      {"bracket br=Bracket(A,B,1,2,3);", "line 7 : Bracket : syntax error"},
      {"void EffectPoint(a);", "line 7 : syntax error"},  // a is a line
      {"void EffectLine(A);", "line 7 : syntax error"},
      {"void EffectCircle();", "line 7 : syntax error"},
      {"void EffectCurve(C1);", "line 7 : syntax error"},
      {"void EffectText(A);", "line 7 : EffectText : syntax error"},
      {"void EffectAngle(A);", "line 7 : EffectAngle : syntax error"},
      {"void EffectBracket(A);", "line 7 : EffectBracket : syntax error"},
      {"void EffectImage(A);", "line 7 : EffectImage : syntax error"},
      {"void SetPtMode(1,2,3,4);", "line 7 : SetPtMode : syntax error"},
      {"void SetLnMode(1);", "line 7 : SetLnMode : syntax error"},
      {"void SetBgMode();", "line 7 : SetBgMode : syntax error"},
      {"void SetPointTextColor(1,2);", "line 7 : SetPointTextColor : syntax error"},
      {"void WindowSize(1);", "line 7 : WindowSize : syntax error"},
      {"points P=Pt(1,2);", "line 7 : invalid type"},
      {"point A=Pt(1,2);", "line 7 : element name error : A "},
      {"point P Pt(1,2);", "line 7 : element name error :  "},
  };
  for (const BadStatement& c : cases) {
    SCOPED_TRACE(c.statement);
    user.messages.clear();
    EXPECT_FALSE(Read(std::string(kBase) + c.statement + "point Z=Pt(5,5);"));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(LastMessage(), c.message);
    EXPECT_EQ(LastCaption(), "Syntax error");
    // Everything before the statement stays; nothing of it or after it.
    EXPECT_EQ(StepCount(0), kBaseLines);
    EXPECT_EQ(P("Z"), nullptr);
  }
}

TEST_F(ReaderTest, UnknownKeywordIsCaptionedWithTheKeyword) {
  EXPECT_FALSE(Read("// a comment;\npoint A=Circel(1,2);"));
  EXPECT_EQ(LastMessage(), "line 2 : illegal function name");
  EXPECT_EQ(LastCaption(), "Circel");
}

TEST_F(ReaderTest, SecondStatementOfTheSameNameIsRefused) {
  EXPECT_FALSE(Read("point A=Pt(1,2);\npoint A=Pt(1,2);\n"));
  EXPECT_EQ(LastMessage(), "line 2 : element name error : A ");
  EXPECT_EQ(StepCount(0), 1);
}

TEST_F(ReaderTest, ErrorInALaterSheetKeepsEarlierSheetsAndTheFailingSheetsStart) {
  CountingHooks hooks;
  doc->m_Hooks = &hooks;
  EXPECT_FALSE(
      Read("//Sheet 0;\r\npoint A=Pt(0,0);point B=Pt(1,0);line a=Join(A,B);"
           "//Sheet 1;\r\npoint A=Pt(5,5);"
           "//Sheet 2;\r\npoint A=Pt(1,1);point B=Pt(2,2);line a=Join(A,A);point C=Pt(0,0);"));
  EXPECT_EQ(LastMessage(), "line 10 : Join : syntax error");
  EXPECT_EQ(doc->m_SheetCount, 3);
  EXPECT_EQ(StepCount(0), 3);
  EXPECT_EQ(StepCount(1), 1);
  EXPECT_EQ(StepCount(2), 2);
  EXPECT_EQ(doc->m_CurrentSheet, 2);  // sheet 0 is not made current
  EXPECT_EQ(hooks.switched, hooks.freshSwitches);
}

TEST_F(ReaderTest, FailingCentreStatementIsSkippedAndReadingGoesOn) {
  EXPECT_TRUE(Read("point A=Pt(0,0);point V=Orthocenter(A,B,C);point B=Pt(1,0);"));
  EXPECT_TRUE(user.messages.empty());
  EXPECT_EQ(StepCount(0), 2);
  EXPECT_NE(P("B"), nullptr);
}

TEST_F(ReaderTest, NothingToReadIsNoError) {
  EXPECT_TRUE(Read(""));
  EXPECT_TRUE(Read("point A=Pt(1,2)"));  // no ";": the bytes are ignored
  EXPECT_TRUE(Read("\r\n\n"));
  EXPECT_EQ(StepCount(0), 0);
  EXPECT_EQ(doc->m_SheetCount, 1);
  EXPECT_TRUE(user.messages.empty());
}

TEST_F(ReaderTest, CommentEndsAtTheNextSemicolonOnly) {
  EXPECT_TRUE(Read("// note;point A=Pt(1,2);// no end\npoint B=Pt(3,4);point C=Pt(0,0);"));
  EXPECT_NE(P("A"), nullptr);
  EXPECT_EQ(P("B"), nullptr);  // swallowed by the comment
  EXPECT_NE(P("C"), nullptr);
}

TEST_F(ReaderTest, RecognisedKeywordsThatBuildNothing) {
  EXPECT_TRUE(Read("point A=Pt(1,2);void Clipping(A);angle x=Angle(1);angle y=AngleByDegree(2);"));
  EXPECT_TRUE(user.messages.empty());
  EXPECT_EQ(StepCount(0), 1);
}

TEST_F(ReaderTest, CoincidingPointIsRemovedAndLaterUseOfItFails) {
  EXPECT_FALSE(
      Read("point A=Pt(0,0);point B=Pt(2,0);point M=Mid(A,B);point N=Mid(B,A);"
           "line m=Join(N,A);"));
  EXPECT_EQ(P("N"), nullptr);
  EXPECT_EQ(LastMessage(), "line 5 : Join : syntax error");
}

}  // namespace
