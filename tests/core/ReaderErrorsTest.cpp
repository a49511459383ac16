// Reader errors: each statement's message with its line number and caption,
// in the first sheet and in a later one; reading stops there and leaves what
// was read before; what counts as a line; comments, empty texts and the
// silent statements.
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <random>

#include "ReaderFixture.h"
#include "script/ReaderHelpers.h"
#include "model/Utf8Text.h"

namespace {

// Points A, B, C, D, a line a through A and B, the parallel p and the
// perpendicular q to a through D, circles C1 and C4, an angle ag1 and a
// curve x1: enough for every statement to name inputs of the right and wrong
// kinds, and for every bound point to find its line.
const char* kBase =
    "point A=Pt(0,0);point B=Pt(2,0);point C=Pt(0,2);point D=Pt(1,1);line a=Join(A,B);"
    "circle C1=Circle(A,C);circle C4=Circle(B,A);angle ag1=AngleBy3P(B,A,C);"
    "line p=Parallel(a,D);line q=Perp(a,D);curve x1=Graph(x,0,1);";
constexpr int kBaseLines = 11;

struct BadStatement {
  const char* statement;
  const char* message;  // "line %d : ...", the number being the statement's
  const char* caption;
};

std::string Line(const char* format, int line) { return StrFormat(format, line); }

// Each statement that must fail, with its message. Many statements fail in
// several ways (too few fields, a name that is not there, a name of another
// kind, a further condition); every way has its row.
const BadStatement kBad[] = {
    {"point P=Pt(1);", "line %d : Pt : syntax error", "Syntax error"},
    {"point P=Pt();", "line %d : Pt : syntax error", "Syntax error"},
    {"line b=Join(A);", "line %d : Join : syntax error", "Syntax error"},
    {"line b=Join(A,A);", "line %d : Join : syntax error", "Syntax error"},
    {"line b=Join(A,nowhere);", "line %d : Join : syntax error", "Syntax error"},
    {"point P=PtOnLine(A,B,1);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOnLine(A,B,1,-1);", "line %d : syntax error", "Syntax error"},  // t + u = 0
    {"point P=PtOnLine(A,C,1,1);", "line %d : syntax error", "Syntax error"},   // A, C unjoined
    {"point P=Meet(a);", "line %d : syntax error", "Syntax error"},
    {"point P=Meet(a,A);", "line %d : syntax error", "Syntax error"},  // A is no line
    {"line b=Parallel(a);", "line %d : syntax error", "Syntax error"},
    {"line b=Perp(a);", "line %d : syntax error", "Syntax error"},
    {"line b=Perp(C1,A);", "line %d : syntax error", "Syntax error"},
    {"point P=Mid(A);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOnParallel(a,D);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOnParallel(a,C,1);", "line %d : syntax error", "Syntax error"},  // none through C
    {"point P=PtOnPerp(a);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOnPerp(a,C);", "line %d : syntax error", "Syntax error"},
    {"circle C2=Circle(A);", "line %d : syntax error", "Syntax error"},
    {"circle C2=Circle(A,a);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOnCircle(C1);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOnCircle(a,1);", "line %d : syntax error", "Syntax error"},
    {"point P=MeetCircleAndLine(C1,a,1,0,0);", "line %d : syntax error", "Syntax error"},
    {"point P=MeetCircleAndLine(a,C1,1,0,0,0);", "line %d : syntax error", "Syntax error"},
    {"point P=MeetCircleAndLine(C1,a,1,0,0,0,notX);", "line %d : syntax error", "Syntax error"},
    {"point P=Meet2Circles(C1,C4,1,0,0);", "line %d : Meet_CC syntax error", "Syntax error"},
    {"point P=Meet2Circles(C1,a,1,0,0,0);", "line %d : Meet_CC syntax error", "Syntax error"},
    {"point P=Meet2Circles(C1,C4,1,0,0,0,notX);", "line %d : Meet_CC syntax error", "Syntax error"},
    {"line b=Bisector(a,q);", "line %d : syntax error", "Syntax error"},
    {"line b=Bisector(a,A,1);", "line %d : syntax error", "Syntax error"},
    {"line b=3PBisector(A,B);", "line %d : syntax error", "Syntax error"},
    {"line b=3PBisector(A,B,a);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOn3PBisector(A,B,C);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOnBisector(a,q,1);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOnBisector(a,C1,1,1);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOnTangent(C1,A);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOnTangent(a,A,1);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOnCurveTangent(x1,A);", "line %d : syntax error", "Syntax error"},
    {"point P=PtOnCurveTangent(C1,A,1);", "line %d : syntax error", "Syntax error"},
    {"curve f=Graph(x,1);", "line %d : Graph syntax error", "Syntax error"},
    {"curve f=ParaCurve(x,x,1);", "line %d : Graph syntax error", "Syntax error"},
    {"point P=PtOnCurve(x1);", "line %d : PtOnGraph syntax error", "Syntax error"},
    {"point P=PtOnCurve(C1,1);", "line %d : PtOnGraph syntax error", "Syntax error"},
    {"line b=CurveTangent(x1);", "line %d : TangentGraph syntax error", "Syntax error"},
    {"line b=CurveTangent(C1,A);", "line %d : TangentGraph syntax error", "Syntax error"},
    {"line b=Tangent(C1);", "line %d : Tangent syntax error", "Syntax error"},
    {"line b=Tangent(a,A);", "line %d : Tangent syntax error", "Syntax error"},
    {"text T=Text(x,1,2);", "line %d :Text syntax error", "Syntax error"},
    {"circle C2=Compass(A,B);", "line %d :Compass syntax error", "Syntax error"},
    {"circle C2=Compass(A,B,a);", "line %d :Compass syntax error", "Syntax error"},
    {"curve f=OrbitOnCircle(A);", "line %d :OrbitOnCircle syntax error", "Syntax error"},
    {"curve f=OrbitOnLine(A);", "line %d :OrbitOnLine syntax error", "Syntax error"},
    {"curve f=OrbitOnLine(A,a);", "line %d :OrbitOnLine syntax error", "Syntax error"},
    {"angle ag2=AngleBy3P(A,B);", "line %d : Angle By 3P syntax error", "Syntax error"},
    {"angle ag2=AngleBy3P(A,B,a);", "line %d : Angle By 3P syntax error", "Syntax error"},
    {"line b=LineWithAngle(a,A);", "line %d : LineWithAngle syntax error", "Syntax error"},
    {"line b=LineWithAngle(a,A,B);", "line %d : LineWithAngle syntax error", "Syntax error"},
    {"line b=LineWithAngleDegree(a,A);", "line %d : LineWithAngle syntax error", "Syntax error"},
    {"line b=LineWithAngleDegree(A,a,30);", "line %d : LineWithAngle syntax error", "Syntax error"},
    {"point P=PtOnLineWithAngle(a,A,ag1);", "line %d : PtOnLineWithAngle : syntax error",
     "Syntax error"},
    {"point P=PtOnLineWithAngle(a,A,B,1);", "line %d : PtOnLineWithAngle : syntax error",
     "Syntax error"},
    {"point P=PtOnLineWithAngleDegree(a,A,1);", "line %d : PtOnLineWithAngleDegree : syntax error",
     "Syntax error"},
    {"point P=PtOnLineWithAngleDegree(a,ag1,1,1);",
     "line %d : PtOnLineWithAngleDegree : syntax error", "Syntax error"},
    {"image I=Image(x,1,2,3);", "line %d :Image syntax error", "Syntax error"},
    {"bracket br=Bracket(A,B,1,2,3);", "line %d : Bracket : syntax error", "Syntax error"},
    {"bracket br=Bracket(A,a,1,2,3,4);", "line %d : Bracket : syntax error", "Syntax error"},
    {"void EffectPoint();", "line %d : syntax error", "Syntax error"},
    {"void EffectPoint(a);", "line %d : syntax error", "Syntax error"},  // a is a line
    {"void EffectLine(A);", "line %d : syntax error", "Syntax error"},
    {"void EffectCircle();", "line %d : syntax error", "Syntax error"},
    {"void EffectCircle(a);", "line %d : syntax error", "Syntax error"},
    {"void EffectCurve(C1);", "line %d : syntax error", "Syntax error"},
    {"void EffectText(A);", "line %d : EffectText : syntax error", "Syntax error"},
    {"void EffectAngle(A);", "line %d : EffectAngle : syntax error", "Syntax error"},
    {"void EffectBracket(A);", "line %d : EffectBracket : syntax error", "Syntax error"},
    {"void EffectImage(A);", "line %d : EffectImage : syntax error", "Syntax error"},
    {"void SetPtMode(1,2,3,4);", "line %d : SetPtMode : syntax error", "Syntax error"},
    {"void SetLnMode(1);", "line %d : SetLnMode : syntax error", "Syntax error"},
    {"void SetBgMode();", "line %d : SetBgMode : syntax error", "Syntax error"},
    {"void SetPointTextColor(1,2);", "line %d : SetPointTextColor : syntax error", "Syntax error"},
    {"void WindowSize(1);", "line %d : WindowSize : syntax error", "Syntax error"},
    {"points P=Pt(1,2);", "line %d : invalid type", "Syntax error"},
    {"point;", "line %d : invalid type", "Syntax error"},
    {"point A=Pt(1,2);", "line %d : element name error : A ", "Syntax error"},
    {"circle a=Circle(A,B);", "line %d : element name error : a ", "Syntax error"},
    {"point P Pt(1,2);", "line %d : element name error :  ", "Syntax error"},
    // An unknown keyword is the caption of its own message.
    {"point P=Circel(1,2);", "line %d : illegal function name", "Circel"},
    {"void Foo(1);", "line %d : illegal function name", "Foo"},
};

// A failing statement stops reading where it stands: one message, with the
// number of the statement and its caption; the steps before it stay, it and
// everything after it are not read, and reading reports failure.
TEST_F(ReaderTest, EveryStatementReportsItsOwnSyntaxError) {
  for (const BadStatement& c : kBad) {
    SCOPED_TRACE(c.statement);
    user.messages.clear();
    EXPECT_FALSE(Read(std::string(kBase) + c.statement + "point Z=Pt(5,5);"));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(LastMessage(), Line(c.message, kBaseLines + 1));
    EXPECT_EQ(LastCaption(), c.caption);
    EXPECT_EQ(StepCount(0), kBaseLines);
    EXPECT_EQ(StepsInUse(), kBaseLines);  // nothing of the failed statement is left
    EXPECT_EQ(P("Z"), nullptr);
  }
}

// The same statements in the second sheet of a file: the number counts every
// statement of the file, comments and sheet lines included. The first sheet
// stays whole, the second holds what stood before the error, no later sheet
// is opened and the first is not made current again.
TEST_F(ReaderTest, ErrorInALaterSheetCountsFromTheStartOfTheFileAndKeepsWhatWasRead) {
  const std::string sheet0 = std::string("//Sheet 0;\r\n") + kBase;
  const std::string sheet1 = std::string("//Sheet 1;\r\n// copied from sheet 0;\r\n") + kBase;
  const int line = 1 + kBaseLines + 2 + kBaseLines + 1;
  doc->SetHooks(&hooks);
  for (const BadStatement& c : kBad) {
    SCOPED_TRACE(c.statement);
    hooks.switched = hooks.freshSwitches = 0;
    user.messages.clear();
    EXPECT_FALSE(Read(sheet0 + sheet1 + c.statement + "point Z=Pt(5,5);//Sheet 2;\r\n"));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(LastMessage(), Line(c.message, line));
    EXPECT_EQ(LastCaption(), c.caption);
    EXPECT_EQ(doc->Sheets().Count(), 2);
    EXPECT_EQ(StepCount(0), kBaseLines);
    EXPECT_EQ(StepCount(1), kBaseLines);
    EXPECT_EQ(StepsInUse(), 2 * kBaseLines);
    EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
    EXPECT_EQ(hooks.switched, hooks.freshSwitches);  // no switch back to sheet 0
  }
  doc->SetHooks(nullptr);
}

// What counts as one statement for the numbers of the messages: every piece
// up to a ";" (comments, sheet lines, statements that are skipped or build
// nothing, a statement spread over several lines), but not the line breaks
// between them.
TEST_F(ReaderTest, EveryPieceUpToASemicolonCountsAsALine) {
  const struct {
    const char* before;
    bool withTexts;
    int line;
  } cases[] = {
      {"", true, 1},
      {"\r\n\r\n\n", true, 1},
      {"// note;\r\n", true, 2},
      {"//Sheet 0;\r\n//Sheet 1;\r\n", true, 3},
      {"point A=Pt(0,\r\n0);\r\n", true, 2},
      {"point A=Pt(0,0);point V=Orthocenter(A,A,nowhere);", true, 3},
      {"void Clipping(A);angle x=Angle(1);angle y=AngleByDegree(2);", true, 4},
      {"text T=Text(x,1,2);", false, 2},                              // skipped, malformed or not
      {"image I=Image(/nonexistent/picture.png,1,2,3,4);", true, 2},  // no file chosen
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.before);
    user.messages.clear();
    EXPECT_FALSE(Read(std::string(c.before) + "point Z=Pt(1);", true, c.withTexts));
    ASSERT_EQ(user.messages.size(), 1u);
    EXPECT_EQ(LastMessage(), Line("line %d : Pt : syntax error", c.line));
  }
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
  EXPECT_EQ(doc->Sheets().Count(), 1);
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

TEST(FieldReal, GivesTheDoubleStrtodGivesForEveryForm) {
  // The usual "-12.345" is read without strtod; it must round exactly as
  // strtod does, and every other form is strtod's own.
  std::vector<std::string> fields = {"",
                                     "-",
                                     ".",
                                     "1.",
                                     ".5",
                                     "-0.000",
                                     "+3.25",
                                     "00012.50",
                                     "1e5",
                                     " 1.5",
                                     "1.5x",
                                     "1..5",
                                     "--1",
                                     "0.1",
                                     "0.3",
                                     "123456789012345",
                                     "1234567890123456",
                                     "9007199254740993",
                                     "0.000000000000001",
                                     "-4.000000000000001",
                                     "inf",
                                     "nan",
                                     "1000555555555555555555555.5"};
  std::mt19937 rng(7);
  for (int i = 0; i < 20000; ++i) {
    std::string f = rng() % 2 ? "-" : "";
    const int before = 1 + rng() % 8, after = rng() % 9;
    for (int k = 0; k < before; ++k) f += (char)('0' + rng() % 10);
    if (after) f += '.';
    for (int k = 0; k < after; ++k) f += (char)('0' + rng() % 10);
    fields.push_back(f);
  }
  for (const std::string& f : fields) {
    const double want = std::strtod(f.c_str(), nullptr), got = FieldReal(f);
    if (std::isnan(want)) {
      EXPECT_TRUE(std::isnan(got)) << f;
    } else {
      EXPECT_EQ(std::memcmp(&want, &got, sizeof got), 0) << f << " " << want << " " << got;
    }
  }
}
