// Reading scripts: every statement kind builds its step with the right inputs,
// parameters and positions; bound points are recorded on their carriers;
// attributes, texts, effects and appearance statements; writing what was
// read gives the same script back.
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <fstream>

#include "ReaderFixture.h"

namespace {

// A small regular file standing in for a picture.
struct TempPicture {
  std::string path;
  TempPicture() {
    char name[] = "/tmp/figuretta-reader-XXXXXX";
    const int fd = mkstemp(name);
    if (fd >= 0) {
      (void)!write(fd, "GIF89a", 6);
      close(fd);
    }
    path = name;
  }
  ~TempPicture() { std::remove(path.c_str()); }
};

double X(const GPoint* p) { return p->xz().re; }
double Y(const GPoint* p) { return p->yz().re; }

// Every kind the language has, in the writer's own form.
std::string EveryKind(const std::string& picture) {
  return std::string(kHeader) +
         "point A=Pt(0.000,0.000,fontsize18);\n"
         "point B=Pt(2.000,0.000,fontsize18);\n"
         "point C=Pt(0.000,2.000,fontsize18);\n"
         "point F=Pt(1.000,3.000,fontsize18);\n"
         "line a=Join(A,B);\n"
         "line b=Join(A,C);\n"
         "line d=Join(C,F);\n"
         "point D=PtOnLine(A,B,0.250,0.750,fontsize18);\n"
         "point E=Meet(a,d,fontsize18);\n"
         "line p=Parallel(a,C);\n"
         "line q=Perp(a,F);\n"
         "point G=Mid(A,B,fontsize18);\n"
         "point H=PtOnParallel(a,C,1.500,fontsize18);\n"
         "point I=PtOnPerp(a,F,0.500,fontsize18);\n"
         "circle C1=Circle(A,F);\n"
         "point J=PtOnCircle(C1,0.785,fontsize18);\n"
         "point K=MeetCircleAndLine(C1,p,2.449,0.000,2.000,0.000,fontsize18);\n"
         "point L=MeetCircleAndLine(C1,p,-2.449,0.000,2.000,0.000,notK,fontsize18);\n"
         "circle C2=Circle(B,A);\n"
         "point M=Meet2Circles(C1,C2,2.500,0.000,1.936,0.000,fontsize18);\n"
         "line e=Bisector(a,b,-1.000);\n"
         "line f=3PBisector(B,A,C);\n"
         "point N=PtOn3PBisector(B,A,C,1.000,fontsize18);\n"
         "point O=PtOnBisector(a,b,-1.000,0.500,fontsize18);\n"
         "line g=Tangent(C1,F);\n"
         "point Q=PtOnTangent(C1,F,0.500,fontsize18);\n"
         "circle C3=Compass(A,B,C);\n"
         "angle ag1=AngleBy3P(B,A,C,design:0,size:40,R:0,G:0,B:0);\n"
         "line h=LineWithAngle(a,B,ag1);\n"
         "point R=PtOnLineWithAngle(a,B,ag1,1.000,fontsize18);\n"
         "line i=LineWithAngleDegree(a,C,45.000);\n"
         "point S=PtOnLineWithAngleDegree(a,C,45.000,1.000,fontsize18);\n"
         "curve x1=Graph(x*x,-2.000,2.000);\n"
         "point T=PtOnCurve(x1,10.000,fontsize18);\n"
         "line j=CurveTangent(x1,T);\n"
         "point U=PtOnCurveTangent(x1,T,0.500,fontsize18);\n"
         "curve x2=ParaCurve(cos(x),sin(x),0.000,6.283);\n"
         "curve x3=OrbitOnCircle(J,G);\n"
         "curve x4=OrbitOnLine(D,G);\n"
         "point V=Orthocenter(A,B,C,fontsize18);\n"
         "text TA=Text(hello\\, world\\nline 2,100.000,50.000,18.000,255,0,0,center);\n"
         "image im1=Image(" +
         picture +
         ",10,20,30,40);\n"
         "bracket br1=Bracket(A,B,0.300,0,0,255,height:0.300,design:0);\n"
         "void EffectPoint(A,withClick,fade,in,noEffect);\n"
         "void EffectLine(a,immediately,left,out,withEffect);\n"
         "void EffectCircle(C1,withClick,right,in,noEffect);\n"
         "void EffectCurve(x1,withClick,top,in,noEffect);\n"
         "void EffectText(TA,withClick,bottom,in,noEffect);\n"
         "void EffectAngle(ag1,withClick,fade,in,noEffect);\n"
         "void EffectImage(im1,withClick,fade,in,noEffect);\n"
         "void EffectBracket(br1,withClick,fade,in,noEffect);\n";
}

TEST_F(ReaderTest, EveryKindBuildsItsStepAndWritesBackIdentically) {
  TempPicture pic;
  const std::string script = EveryKind(pic.path);
  ASSERT_TRUE(Read(script)) << LastMessage();
  EXPECT_TRUE(user.messages.empty()) << LastMessage();
  EXPECT_EQ(StepCount(0), 51);
  EXPECT_EQ(Written(), script);
  // And once more: reading the written script is a fixed point.
  const std::string once = Written();
  ASSERT_TRUE(Read(once));
  EXPECT_EQ(Written(), once);
}

TEST_F(ReaderTest, ConstructionsLandWhereTheirGeometrySays) {
  TempPicture pic;
  ASSERT_TRUE(Read(EveryKind(pic.path))) << LastMessage();
  EXPECT_NEAR(X(P("D")), 0.5, 1e-12);  // weight 3/4 on A, 1/4 on B
  EXPECT_NEAR(X(P("E")), -2.0, 1e-12);
  EXPECT_NEAR(Y(P("E")), 0.0, 1e-12);
  EXPECT_NEAR(X(P("G")), 1.0, 1e-12);
  EXPECT_NEAR(X(P("H")), -3.0, 1e-12);
  EXPECT_NEAR(Y(P("H")), 2.0, 1e-12);
  EXPECT_NEAR(Y(P("I")), 4.0, 1e-12);
  // The two meets of C1 with a take opposite sides; the second knows the first.
  EXPECT_NEAR(X(P("K")), std::sqrt(6.0), 1e-9);
  EXPECT_NEAR(X(P("L")), -std::sqrt(6.0), 1e-9);
  EXPECT_EQ(StepOf("L")->PInput1, P("K"));
  EXPECT_NEAR(X(P("M")), 2.5, 1e-9);
  EXPECT_NEAR(Y(P("M")), std::sqrt(3.75), 1e-9);
  EXPECT_NEAR(X(P("V")), 1.0, 1e-12);
  EXPECT_NEAR(Y(P("V")), 1.0, 1e-12);
  EXPECT_NEAR(C("C3")->r2.re, 4.0, 1e-12);
  EXPECT_NEAR(C("C3")->cy.re, 2.0, 1e-12);
  EXPECT_EQ(StepOf("j")->curveStep, StepOf("T"));
  EXPECT_EQ(StepOf("x2")->CurveOutput->expr2, "sin(x)");
  EXPECT_EQ(StepOf("x2")->type, CONST_PARA_CURVE);
  EXPECT_EQ(StepOf("S")->type, CONST_PT_ON_LINE_WITH_ANGLE_DEGREE);
  EXPECT_FALSE(StepOf("ag1")->AngleOutput->hidden);
  const GText* t = StepOf("TA")->TextOutput;
  EXPECT_EQ(t->text, "hello\\, world\nline 2");
  EXPECT_EQ(t->red, 255);
  EXPECT_TRUE(t->centered);
  const GImage* im = doc->Sheet().images.head;
  ASSERT_NE(im, nullptr);
  EXPECT_EQ(im->fileName, pic.path);
  EXPECT_EQ(im->width, 30);
  // Effects point at the steps of their elements, options as written.
  GConst* effect = StepOf("br1")->next->next;  // after EffectPoint: EffectLine
  ASSERT_EQ(effect->type, CONST_EFFECT_LINE);
  EXPECT_EQ(effect->effectTarget, StepOf("a"));
  EXPECT_EQ(effect->click, 0);
  EXPECT_EQ(effect->direction, 2);
  EXPECT_EQ(effect->inout, 1);
  EXPECT_EQ(effect->effect, 1);
}

TEST_F(ReaderTest, BoundPointsAndFoundIncidencesAreRecorded) {
  TempPicture pic;
  ASSERT_TRUE(Read(EveryKind(pic.path)));
  // Joins carry their two points first, with parameters 0 and 1.
  GLine* a = L("a");
  ASSERT_NE(a->ics.head, nullptr);
  EXPECT_EQ(a->ics.head->point, P("A"));
  EXPECT_EQ(a->ics.head->next->point, P("B"));
  EXPECT_EQ(a->ics.head->next->param.re, 1.0);
  EXPECT_TRUE(OnLine(a, P("D")));  // placed on the join
  EXPECT_TRUE(OnLine(a, P("E")));  // meet of a and d
  EXPECT_TRUE(OnLine(L("d"), P("E")));
  EXPECT_TRUE(OnLine(a, P("G")));  // midpoint: found by the incidence check
  EXPECT_TRUE(OnLine(L("p"), P("K")));
  EXPECT_TRUE(OnCircle(C("C1"), P("L")));
  EXPECT_TRUE(OnLine(L("p"), P("H")));  // on the parallel through C
  EXPECT_TRUE(OnLine(L("q"), P("I")));
  EXPECT_TRUE(OnLine(L("e"), P("O")));
  EXPECT_TRUE(OnLine(L("f"), P("N")));
  EXPECT_TRUE(OnLine(L("g"), P("Q")));
  EXPECT_TRUE(OnLine(L("g"), P("F")));  // F lies on C1: its polar is the tangent at F
  EXPECT_TRUE(OnLine(L("h"), P("R")));
  EXPECT_TRUE(OnLine(L("i"), P("S")));
  EXPECT_TRUE(OnCircle(C("C1"), P("F")));
  EXPECT_TRUE(OnCircle(C("C1"), P("J")));
  EXPECT_TRUE(OnCircle(C("C1"), P("M")));
  EXPECT_TRUE(OnCircle(C("C2"), P("M")));
  EXPECT_TRUE(OnCircle(C("C2"), P("A")));
  // A free point placed by eye near a line is not on it.
  EXPECT_FALSE(OnLine(L("q"), P("G")));
}

TEST_F(ReaderTest, SplitStatementsAndBlanksReadAsOneLine) {
  ASSERT_TRUE(Read(" point  A = Pt ( 1 , 2 ) ;\r\n\n point B=Pt(3,\n4);line a\n=Join( A ,\r\nB );"))
      << LastMessage();
  ASSERT_NE(L("a"), nullptr);
  EXPECT_EQ(StepOf("a")->PInput2, P("B"));
  EXPECT_NEAR(Y(P("B")), 4.0, 1e-12);
}

TEST_F(ReaderTest, PointAttributesAndTheirLimits) {
  ASSERT_TRUE(
      Read("point A=Pt(1,2,color3,fontsize30);point B=Pt(0,0,fontsize6,nametheta1.5);"
           "point C=Pt(0,1,fontsize101,nametheta7,invisible);point D=Pt(5,5,color1,color6);"));
  EXPECT_EQ(P("A")->pointStyle, 2);
  EXPECT_EQ(P("A")->nameFontSize, 30);
  EXPECT_EQ(P("B")->nameFontSize, 18);
  EXPECT_DOUBLE_EQ(P("B")->nameAngle, 1.5);
  EXPECT_EQ(P("C")->nameFontSize, 18);
  EXPECT_EQ(P("C")->nameAngle, 0.0);
  EXPECT_TRUE(P("C")->hidden);
  EXPECT_EQ(P("D")->pointStyle, 0);  // only color2..color5 exist
}

TEST_F(ReaderTest, TextsKeepEscapedCommasAndMayLackColours) {
  doc->Defaults().SetTextColour(
      GColour{7, doc->Defaults().TextColour().g, doc->Defaults().TextColour().b});
  ASSERT_TRUE(Read("text T=Text(a\\,b,10,20,18);text U=Text(x,1,2,3,invisible);"));
  GText* t = StepOf("T")->TextOutput;
  EXPECT_EQ(t->text, "a\\,b");
  EXPECT_EQ(t->red, 7);  // the colour of new texts
  EXPECT_DOUBLE_EQ(t->y, 20.0);
  EXPECT_TRUE(StepOf("U")->TextOutput->hidden);
  EXPECT_EQ(StepOf("U")->TextOutput->red, 7);
}

TEST_F(ReaderTest, CopyWithoutTextsSkipsTextStatementsSilently) {
  ASSERT_TRUE(Read("point A=Pt(1,2);text t=Text(x,1,2,3);point B=Pt(0,0);", false, false));
  EXPECT_TRUE(user.messages.empty());
  EXPECT_EQ(StepCount(0), 2);
  EXPECT_EQ(doc->Sheet().texts.head, nullptr);
}

TEST_F(ReaderTest, TextWithoutSheetCommentGoesIntoTheCurrentSheet) {
  ASSERT_TRUE(Read("//Sheet 0;\r\npoint A=Pt(1,2);//Sheet 1;\r\npoint A=Pt(3,4);"));
  doc->Sheets().SetCurrent(1);
  doc->MoveSheet(false);
  ASSERT_TRUE(Read("point B=Pt(0,0);", false));
  EXPECT_EQ(doc->Sheets().Count(), 2);
  EXPECT_EQ(StepCount(1), 2);
  EXPECT_EQ(StepCount(0), 1);
}

TEST_F(ReaderTest, SheetCommentsOpenSheetsWhateverTheirNumbers) {
  doc->SetHooks(&hooks);
  ASSERT_TRUE(
      Read("point Z=Pt(9,9);//Sheet 0;\r\npoint A=Pt(1,2);//Sheet 7;\r\n"
           "//Sheet 0;\r\npoint A=Pt(1,2);point B=Pt(2,2);"));
  EXPECT_EQ(doc->Sheets().Count(), 3);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 0);
  EXPECT_EQ(StepCount(0), 1);  // Z, standing before the first separator, is gone
  EXPECT_EQ(P("Z"), nullptr);
  EXPECT_EQ(StepCount(1), 0);
  EXPECT_EQ(StepCount(2), 2);
  EXPECT_EQ(StepsInUse(), 3);  // and its slot is free again
  EXPECT_EQ(hooks.freshSwitches, 3);
}

TEST_F(ReaderTest, NamesAreFoundInTheirOwnSheetAndPastARemovedCopy) {
  // Both sheets name their elements alike; "m" copies "l" and is removed; the
  // midpoint after it still finds A and B of its own sheet, and lies on l.
  ASSERT_TRUE(
      Read("//Sheet 0;\r\npoint A=Pt(0,0);point B=Pt(2,0);line l=Join(A,B);\r\n"
           "//Sheet 1;\r\npoint A=Pt(5,5);point B=Pt(5,7);line l=Join(A,B);"
           "line m=Join(B,A);point M=Mid(A,B);line k=Join(M,A);"))
      << LastMessage();
  EXPECT_EQ(StepCount(0), 3);
  doc->Sheets().SetCurrent(1);
  doc->MoveSheet(false);
  EXPECT_EQ(StepCount(1), 4);  // m and k (below) are gone
  EXPECT_EQ(L("m"), nullptr);
  ASSERT_NE(P("M"), nullptr);
  EXPECT_NEAR(X(P("M")), 5, 1e-12);
  EXPECT_NEAR(Y(P("M")), 6, 1e-12);
  EXPECT_TRUE(OnLine(L("l"), P("M")));
  // k joins M and A of this sheet: it is l again, and removed as well.
  EXPECT_EQ(L("k"), nullptr);
  // A name read in this sheet is taken here, whatever the other sheet holds.
  EXPECT_FALSE(Read("point M=Pt(1,1);", false));
  EXPECT_EQ(LastMessage(), "line 1 : element name error : M ");
  EXPECT_TRUE(Read("point Q=Pt(1,1);point R=Mid(Q,M);", false)) << LastMessage();
  EXPECT_NEAR(X(P("R")), 3, 1e-12);
}

TEST_F(ReaderTest, AppearanceStatementsGoToTheSheetAndTheWindow) {
  doc->SetHooks(&hooks);
  ASSERT_TRUE(
      Read("//Sheet 0;\r\nvoid SetPtMode(5,6,7,8,9);\nvoid SetLnMode(1,2,3,4,5);\n"
           "void SetBgMode(3);\nvoid SetPointTextColor(10,20,30);\n"
           "void WindowSize(950,550);\n//Sheet 1;\r\nvoid SetBgMode(4);"));
  EXPECT_EQ(doc->Sheets().Slot(0).pointStyles[4], 9);
  EXPECT_EQ(doc->Sheets().Slot(0).lineStyles[0], 1);
  EXPECT_EQ(doc->Sheets().Slot(0).background, 3);
  EXPECT_EQ(doc->Sheets().Slot(1).background, 4);
  EXPECT_EQ(doc->Defaults().NameColour().g, 20);
  EXPECT_EQ(hooks.appearance, 6);
  EXPECT_DOUBLE_EQ(doc->Viewport().Scale(), 0.01);  // written for this very window size
}

TEST_F(ReaderTest, TextsOfAnotherWindowSizeAreScaledOnceAndTheViewZoomedOnce) {
  doc->Viewport().SetWindowSize(1000, 450);  // 400 usable pixels where the file had 800
  ASSERT_TRUE(
      Read("//Sheet 0;\r\nvoid WindowSize(500,850);\ntext T=Text(s,100,200,20);"
           "//Sheet 1;\r\nvoid WindowSize(500,850);\ntext T=Text(s,100,200,20);"));
  for (int s = 0; s < 2; ++s) {
    const GText* t = doc->Sheets().Slot(s).texts.head;
    ASSERT_NE(t, nullptr);
    EXPECT_DOUBLE_EQ(t->x, 200.0);
    EXPECT_DOUBLE_EQ(t->y, 100.0);
    EXPECT_DOUBLE_EQ(t->fontSize, 10.0);
  }
  EXPECT_DOUBLE_EQ(doc->Viewport().Scale(), 0.02);
  EXPECT_DOUBLE_EQ(doc->Viewport().PickDistance(), 0.2);
}

TEST_F(ReaderTest, EffectsTakeDefaultsForMissingWords) {
  ASSERT_TRUE(Read("point A=Pt(1,2);void EffectPoint(A);void EffectPoint(A,out,bottom,junk);"));
  GConst* first = StepOf("A")->next;
  EXPECT_EQ(first->effectTarget, StepOf("A"));
  EXPECT_EQ(first->click, 1);
  EXPECT_EQ(first->direction, 0);
  EXPECT_EQ(first->inout, 0);
  EXPECT_EQ(first->effect, 0);
  EXPECT_EQ(first->next->inout, 1);
  EXPECT_EQ(first->next->direction, 4);
}

TEST_F(ReaderTest, BracketCaptionAndAngleLook) {
  ASSERT_TRUE(
      Read("point A=Pt(0,0);point B=Pt(1,0);point C=Pt(0,1);"
           "bracket br1=Bracket(A,B,0.25,1,2,3,height:0.123456,caption:x = 1\\; y,invisible);"
           "angle ag1=AngleBy3P(B,A,C,invisible,design:3,size:60,R:9,G:8,B:7);",
           false));
  const GBracket* b = StepOf("br1")->BracketOutput;
  EXPECT_EQ(b->label, "x = 1; y");
  EXPECT_EQ(b->intField, -1);
  EXPECT_DOUBLE_EQ(b->bulge, 0.123456);
  EXPECT_EQ(b->blue, 3);
  EXPECT_TRUE(b->hidden);
  const GAngle* m = StepOf("ag1")->AngleOutput;
  EXPECT_TRUE(m->hidden);
  EXPECT_EQ(m->style, 3);
  EXPECT_EQ(m->radius, 60);
  EXPECT_EQ(m->green, 8);
  EXPECT_NEAR(m->value.re, M_PI / 2, 1e-12);
}

TEST_F(ReaderTest, EveryStepIsLogged) {
  ASSERT_TRUE(Read("point A=Pt(0,0);point B=Pt(1,0);line a=Join(A,B);"));
  bool newConst = false, slots = false;
  for (const std::string& l : user.log) {
    newConst |= l == "NewConst: CONST_JOIN\n";
    slots |= l == "  PInput1=A,PInput2=B,LOutput=a,\n";
  }
  EXPECT_TRUE(newConst);
  EXPECT_TRUE(slots);
}

}  // namespace
