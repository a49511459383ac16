// What the writer produces, the reader must take back: a document read and
// written again gives the same text (hand-written and generated sheets of
// every kind), and a copied sheet is the same figure built from new elements.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>

#include "ScriptFixture.h"
#include "bench/SheetGenerator.h"
#include "script/Script.h"

namespace {

// Reads `text` as a file into a fresh document and writes it back.
std::string Rewrite(GUser* user, const std::string& text) {
  auto doc = std::make_unique<GDocument>(user);
  EXPECT_TRUE(ReadScript(*doc, text));
  return WriteScript(*doc);
}

// Two scripts statement by statement: the first that differs, or "" when
// they are the same (a whole generated sheet is too long to compare by eye).
std::string FirstDifference(const std::string& want, const std::string& got) {
  size_t a = 0, b = 0;
  for (int n = 1;; ++n) {
    const size_t ea = want.find('\n', a), eb = got.find('\n', b);
    const std::string x = want.substr(a, ea - a), y = got.substr(b, eb - b);
    if (x != y) return "statement " + std::to_string(n) + ": wrote " + x + " read back " + y;
    if (ea == std::string::npos || eb == std::string::npos) return "";
    a = ea + 1;
    b = eb + 1;
  }
}

// Every message the reader gave, as a test failure.
void ExpectNoMessages(const RecordingUser& user) {
  for (const RecordedMessage& m : user.messages) ADD_FAILURE() << m.caption << ": " << m.text;
}

// One sheet with every statement kind and every attribute of every output
// kind, in a figure where every step is well defined (intersections at their exact
// places), so that nothing is refused or moved when read.
const char* const kEveryKind =
    "//Sheet 0;\r\n"
    "void SetPtMode(1,0,0,0,0);\nvoid SetLnMode(0,2,0,0,0);\nvoid SetBgMode(4);\n"
    "void SetPointTextColor(9,8,7);\nvoid WindowSize(950,550);\n"
    "point A=Pt(0.000,0.000,fontsize14);\n"
    "point B=Pt(1.000,0.000,invisible,color3,fontsize30,nametheta1.250000);\n"
    "point C=Pt(0.000,2.000,fontsize18);\n"
    "point L=Pt(3.000,1.000,fontsize18);\n"
    "line a=Join(A,B,clipping,color3);\n"
    "line b=Join(A,C);\n"
    "circle C1=Circle(A,B,invisible,color2);\n"
    "point D=MeetCircleAndLine(C1,a,-1.000,0.000,0.000,0.000,notB,fontsize18);\n"
    "point E=Mid(B,C,fontsize18);\n"
    "line c=Parallel(a,C,invisible);\n"
    "line d=Perp(a,E);\n"
    "point F=PtOnParallel(a,C,3.000,fontsize18);\n"
    "point G=PtOnPerp(a,E,1.000,fontsize18);\n"
    "point H=PtOnLine(A,C,0.250,0.750,fontsize18);\n"
    "point I=Meet(c,d,fontsize18);\n"
    "circle C2=Circle(B,A);\n"
    "point J=Meet2Circles(C1,C2,0.500,0.000,0.866,0.000,fontsize18);\n"
    "point J2=Meet2Circles(C1,C2,0.500,0.000,-0.866,0.000,notJ,fontsize18);\n"
    "line e=Bisector(a,b,1.000);\n"
    "line f=3PBisector(A,B,C);\n"
    "line g=Tangent(C1,B);\n"
    "circle C3=Compass(A,B,C,clipping);\n"
    "point K=Orthocenter(A,B,L,fontsize18);\n"
    "point M=PtOn3PBisector(B,A,C,1.000,fontsize18);\n"
    "point N=PtOnBisector(a,b,1.000,2.000,fontsize18);\n"
    "point O=PtOnTangent(C1,B,0.500,fontsize18);\n"
    "angle ag1=AngleBy3P(B,A,C,design:1,size:40,R:0,G:0,B:0);\n"
    "angle ag2=AngleBy3P(C,A,B,invisible,design:2,size:25,R:200,G:100,B:50);\n"
    "line h=LineWithAngle(a,L,ag1);\n"
    "line i=LineWithAngleDegree(a,L,30.000);\n"
    "point P=PtOnLineWithAngle(a,L,ag1,1.000,fontsize18);\n"
    "point Q=PtOnLineWithAngleDegree(a,L,30.000,1.000,fontsize18);\n"
    "curve x1=Graph(x^2,-2.000,2.000,color4);\n"
    "curve x2=ParaCurve(cos(x),sin(x),0.000,6.283,invisible);\n"
    "point R=PtOnCurve(x1,0.500,fontsize18);\n"
    "line j=CurveTangent(x1,R);\n"
    "point S=PtOnCurveTangent(x1,R,0.500,fontsize18);\n"
    "curve x3=OrbitOnLine(H,I);\n"
    "curve x4=OrbitOnCircle(O,K,invisible,color2);\n"
    "text SZ1=Text(two\\nlines\\; a comma\\, here,10.000,20.000,18.000,1,2,3,center);\n"
    "text "
    "SZ2=Text("
    "LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL"
    "LLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLLL,"
    "1.000,2.000,12.000,0,0,0,invisible);\n"
    "bracket br1=Bracket(A,B,0.400,1,2,3,height:0.400,caption:x\\;y);\n"
    "bracket br2=Bracket(B,C,-0.250,9,8,7,height:-0.250,design:2,invisible);\n"
    "void EffectPoint(A,withClick,fade,in,noEffect);\n"
    "void EffectLine(a,immediately,left,in,withEffect);\n"
    "void EffectCircle(C1,withClick,right,out,noEffect);\n"
    "void EffectCurve(x1,withClick,top,in,noEffect);\n"
    "void EffectText(SZ1,withClick,bottom,in,noEffect);\n"
    "void EffectAngle(ag1,immediately,fade,out,withEffect);\n"
    "void EffectBracket(br1,withClick,fade,in,noEffect);\n";

TEST(ScriptRoundTrip, EveryStatementKindReadsBackToTheSameText) {
  RecordingUser user;
  EXPECT_EQ(Rewrite(&user, kEveryKind), kEveryKind);
  ExpectNoMessages(user);
}

// Generated figures at pool scale: points bound to every kind of line, meets
// of lines and circles on both branches, all with their checks on reading.
// Written, read as a file and written again, they give the text they were.
TEST(ScriptRoundTrip, GeneratedSheetsReadBackToTheSameText) {
  const struct {
    uint64_t seed;
    int steps;
  } runs[] = {{kSheetSeed, kPoolSize}, {1, 400}, {2, 400}, {0xfeed, 250}};
  for (const auto& run : runs) {
    SCOPED_TRACE(run.seed);
    RecordingUser user;
    auto source = GenerateSheet(&user, run.steps, run.seed);
    ASSERT_EQ(CountSheet(*source).steps, run.steps);
    const std::string text = WriteScript(*source);
    RecordingUser reader;
    EXPECT_EQ(FirstDifference(text, Rewrite(&reader, text)), "");
    ExpectNoMessages(reader);
  }
}

// An image needs its picture file to be read at all; the type word "graph"
// is read but never written, the curve coming back as a "curve".
TEST(ScriptRoundTrip, ImagesAndGraphsComeBackInTheirWrittenForm) {
  char path[] = "/tmp/figuretta-roundtrip-XXXXXX";
  const int fd = mkstemp(path);
  ASSERT_GE(fd, 0);
  (void)!write(fd, "GIF89a", 6);
  close(fd);
  const std::string image = std::string("image im1=Image(") + path + ",10,20,30,40,invisible);\n";
  const std::string head =
      "//Sheet 0;\r\nvoid SetPtMode(0,0,0,0,0);\nvoid SetLnMode(0,0,0,0,0);\nvoid SetBgMode(0);\n"
      "void SetPointTextColor(0,0,0);\nvoid WindowSize(950,550);\n";
  const std::string effect = "void EffectImage(im1,immediately,bottom,out,withEffect);\n";
  RecordingUser user;
  EXPECT_EQ(Rewrite(&user, head + image + effect + "graph g=Graph(x,0.000,1.000);\n"),
            head + image + effect + "curve g=Graph(x,0.000,1.000);\n");
  ExpectNoMessages(user);
  std::remove(path);
}

// Opening a file after a drag: the motion matrix of the last dragged point is
// still there, but the points being read have never moved, so every meet of
// two circles stays on the branch the file gives.
TEST(ScriptRoundTrip, GeneratedSheetReadAfterADragKeepsItsIntersections) {
  RecordingUser user;
  auto source = GenerateSheet(&user, kPoolSize, 2);
  const std::string text = WriteScript(*source);
  RecordingUser reader;
  auto doc = std::make_unique<GDocument>(&reader);
  doc->SetMotion({1.0, 0.3, -0.3, 1.0});  // stale: the drag was on this document
  EXPECT_TRUE(ReadScript(*doc, text));
  EXPECT_EQ(FirstDifference(text, WriteScript(*doc)), "");
  ExpectNoMessages(reader);
}

// Several sheets with their own appearance and names used again on every
// sheet; every sheet comes back whole and in its place.
TEST(ScriptRoundTrip, GeneratedDocumentOfSeveralSheetsReadsBackToTheSameText) {
  RecordingUser user;
  auto source = GenerateDocument(&user, 3, 300, 5);
  ASSERT_EQ(source->Sheets().Count(), 3);
  const std::string text = WriteScript(*source);

  RecordingUser reader;
  GDocument doc(&reader);
  ASSERT_TRUE(ReadScript(doc, text));
  ExpectNoMessages(reader);
  EXPECT_EQ(FirstDifference(text, WriteScript(doc)), "");
  EXPECT_EQ(doc.Sheets().CurrentIndex(), 0);
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(doc.Sheets().Slot(i).background, source->Sheets().Slot(i).background);
    EXPECT_EQ(doc.Sheets().Slot(i).consts.head->POutput->name, "A");
  }
}

class SheetCopy : public ScriptTest {};

TEST_F(SheetCopy, IsTheSameFigureMadeOfNewElementsWithOrWithoutTexts) {
  GPoint* A = Free(1, 2, "A");
  GPoint* B = Free(3, 2, "B");
  Join(A, B, "a");
  Text("label; with semicolon", "SZ1");
  doc->Sheet().background = 5;
  ASSERT_TRUE(doc->InsertNewSheet());  // sheet 1 stays after the copy
  Free(9, 9, "Z");
  doc->PrevSheet();

  ASSERT_TRUE(doc->InsertCopyFigure(false));
  EXPECT_EQ(doc->Sheets().Count(), 3);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
  EXPECT_EQ(doc->Sheet().background, 5);
  EXPECT_TRUE(doc->Sheet().texts.empty());
  EXPECT_EQ(doc->Sheets().Slot(2).points.head->name, "Z");

  // Same statements, apart from the text left out.
  std::string original;
  for (GConst* c = doc->Sheets().Slot(0).consts.head; c; c = c->next)
    if (c->type != CONST_TEXT) c->ConstSrc(original);
  std::string copy;
  for (GConst* c = doc->FirstConst(); c; c = c->next) c->ConstSrc(copy);
  EXPECT_EQ(copy, original);

  // Moving a point of the copy leaves the original where it was.
  GPoint* copiedA = doc->Sheet().points.head;
  ASSERT_NE(copiedA, A);
  ASSERT_TRUE(doc->MovePoint(copiedA, 4, 4));
  EXPECT_DOUBLE_EQ(A->xz().re, 1);
  EXPECT_DOUBLE_EQ(A->yz().re, 2);

  // With its texts, escaped ";" and all.
  doc->PrevSheet();
  ASSERT_TRUE(doc->InsertCopyFigure(true));
  ASSERT_NE(doc->Sheet().texts.head, nullptr);
  EXPECT_EQ(doc->Sheet().texts.head->text, "label; with semicolon");
  EXPECT_NE(doc->Sheet().texts.head, doc->Sheets().Slot(0).texts.head);
  EXPECT_EQ(doc->Sheets().Count(), 4);
}

// A copy goes through the reader into a sheet that is not the first: the
// generated figure comes out statement for statement.
TEST(ScriptRoundTrip, CopyOfAGeneratedSheetIsTheSameStatements) {
  RecordingUser user;
  auto doc = GenerateSheet(&user, 450, 3);
  std::string original;
  for (GConst* c = doc->FirstConst(); c; c = c->next) c->ConstSrc(original);
  ASSERT_TRUE(doc->InsertCopyFigure(true));
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 1);
  std::string copy;
  for (GConst* c = doc->FirstConst(); c; c = c->next) c->ConstSrc(copy);
  EXPECT_EQ(FirstDifference(original, copy), "");
  ExpectNoMessages(user);
}

}  // namespace

// A mark a file puts away stays away through the evaluations that follow
// (reading ends with one, every drag makes more) and is saved as put away.
// A mark hidden only because its arms coincide is not: it shows again once
// they part, and is saved as an ordinary mark.
TEST(ScriptRoundTrip, PutAwayAngleMarksStayHiddenAndUndefinedOnesComeBack) {
  RecordingUser user;
  auto owned = std::make_unique<GDocument>(&user);
  GDocument& doc = *owned;
  const std::string text =
      "point A=Pt(0.000,0.000);\npoint B=Pt(1.000,0.000);\npoint C=Pt(0.000,1.000);\n"
      "point D=Pt(2.000,0.000);\n"
      "angle ag1=AngleBy3P(B,A,C,invisible,design:1,size:40,R:0,G:0,B:0);\n"
      "angle ag2=AngleBy3P(B,A,D,design:1,size:40,R:0,G:0,B:0);\n";
  ASSERT_TRUE(ReadScript(doc, text));
  GAngle* put = doc.Sheet().angles.head;
  ASSERT_NE(put, nullptr);
  GAngle* flat = put->next;
  ASSERT_NE(flat, nullptr);
  EXPECT_EQ(put->hidden, 1);
  EXPECT_EQ(flat->hidden, 1);  // B, A, D on one ray: nothing to mark
  const std::string saved = WriteScript(doc);
  EXPECT_NE(saved.find("ag1=AngleBy3P(B,A,C,invisible,"), std::string::npos) << saved;
  EXPECT_NE(saved.find("ag2=AngleBy3P(B,A,D,design:"), std::string::npos) << saved;

  GPoint* D = doc.Sheet().points.head->next->next->next;
  ASSERT_EQ(D->name, "D");
  ASSERT_TRUE(doc.MovePoint(D, 1.0, 1.0));
  EXPECT_EQ(put->hidden, 1);
  EXPECT_EQ(flat->hidden, 0);
}
