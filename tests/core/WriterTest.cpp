// The script writer: the exact statement of every step kind, display
// attributes only where they differ from a fresh element, the sheet block
// with its own appearance, and texts that must survive being written.
#include <gtest/gtest.h>

#include "ScriptFixture.h"
#include "script/ScriptText.h"

namespace {

class Writer : public ScriptTest {
 protected:
  GPoint *A = nullptr, *B = nullptr, *C = nullptr;
  GLine *a = nullptr, *b = nullptr;
  GCircle *C1 = nullptr, *C2 = nullptr;
  GParaCurve* f = nullptr;
  GAngle* ag1 = nullptr;

  void SetUp() override {
    A = Free(1, 2, "A");
    B = Free(-3, 0.5, "B");
    C = Free(0, 4, "C");
    a = Join(A, B, "a");
    b = Join(B, C, "b");
    C1 = Circle(A, B, "C1");
    C2 = Circle(B, C, "C2");
    f = doc->NewCurve();
    doc->AssignCurve(f);
    f->name = "f";
    ag1 = doc->NewAngle(0.5);
    doc->AssignAngle(ag1);
    ag1->name = "ag1";
  }
  // A step whose output is a fresh listed element of its kind, named `name`.
  GConst* Step(int type, const char* name) {
    GConst* k = doc->NewConst(type);
    switch (k->Output_Type()) {
      case OUTPUT_POINT:
        k->POutput = ListedPoint(0, 0, name);
        break;
      case OUTPUT_LINE:
        k->LOutput = ListedLine(name);
        break;
      case OUTPUT_CIRCLE:
        k->COutput = ListedCircle(name);
        break;
      case OUTPUT_CURVE:
        k->CurveOutput = doc->NewCurve();
        doc->AssignCurve(k->CurveOutput);
        k->CurveOutput->name = name;
        break;
      case OUTPUT_ANGLE:
        k->AngleOutput = doc->NewAngle(0.0);
        doc->AssignAngle(k->AngleOutput);
        k->AngleOutput->name = name;
        k->AngleOutput->hidden = 0;
        break;
      default:
        break;
    }
    return k;
  }
};

TEST_F(Writer, PointStatementsNameTheirInputsAndParameters) {
  // A fresh point's label has size 18, which is always written.
  EXPECT_EQ(Src(doc->FirstConst()), "point A=Pt(1.000,2.000,fontsize18);\n");

  GConst* k = Step(CONST_ON_LINE, "D");
  k->PInput1 = A, k->PInput2 = B, k->param1 = CComplex(0.25, 9), k->param2 = CComplex(0.75, 9);
  EXPECT_EQ(Src(k), "point D=PtOnLine(A,B,0.250,0.750,fontsize18);\n");

  k = Step(CONST_MEET, "E");
  k->LInput1 = a, k->LInput2 = b;
  EXPECT_EQ(Src(k), "point E=Meet(a,b,fontsize18);\n");
  k = Step(CONST_MID, "F");
  k->PInput1 = A, k->PInput2 = C;
  EXPECT_EQ(Src(k), "point F=Mid(A,C,fontsize18);\n");
  k = Step(CONST_PT_ON_PARA, "G");
  k->LInput1 = a, k->PInput1 = C, k->param1 = CComplex(-1.5, 0);
  EXPECT_EQ(Src(k), "point G=PtOnParallel(a,C,-1.500,fontsize18);\n");
  k = Step(CONST_PT_ON_PER, "H");
  k->LInput1 = a, k->PInput1 = C, k->param1 = CComplex(2, 0);
  EXPECT_EQ(Src(k), "point H=PtOnPerp(a,C,2.000,fontsize18);\n");
  k = Step(CONST_PT_ON_CIRCLE, "I");
  k->CInput1 = C1, k->param1 = CComplex(3.14159, 0);
  EXPECT_EQ(Src(k), "point I=PtOnCircle(C1,3.142,fontsize18);\n");

  // Both branch parameters in full, then the other intersection when known.
  k = Step(CONST_MEET_CL, "J");
  k->CInput1 = C1, k->LInput1 = a, k->param1 = CComplex(1, -2), k->param2 = CComplex(0.5, 0.25);
  EXPECT_EQ(Src(k), "point J=MeetCircleAndLine(C1,a,1.000,-2.000,0.500,0.250,fontsize18);\n");
  k->PInput1 = B;
  EXPECT_EQ(Src(k), "point J=MeetCircleAndLine(C1,a,1.000,-2.000,0.500,0.250,notB,fontsize18);\n");
  k = Step(CONST_MEET_CC, "K");
  k->CInput1 = C1, k->CInput2 = C2, k->param1 = CComplex(3, 4), k->param2 = CComplex(5, 6);
  k->PInput1 = A;
  EXPECT_EQ(Src(k), "point K=Meet2Circles(C1,C2,3.000,4.000,5.000,6.000,notA,fontsize18);\n");

  k = Step(CONST_PT_ON_CURVE, "L");
  k->CurveInput1 = f, k->param1 = CComplex(0.1, 0);
  EXPECT_EQ(Src(k), "point L=PtOnCurve(f,0.100,fontsize18);\n");
  k = Step(CONST_ORTHOCENTER, "M");
  k->PInput1 = A, k->PInput2 = B, k->PInput3 = C;
  EXPECT_EQ(Src(k), "point M=Orthocenter(A,B,C,fontsize18);\n");
  k = Step(CONST_PT_ON_3P_BISECTOR, "N");
  k->PInput1 = A, k->PInput2 = B, k->PInput3 = C, k->param1 = CComplex(7, 0);
  EXPECT_EQ(Src(k), "point N=PtOn3PBisector(A,B,C,7.000,fontsize18);\n");
  k = Step(CONST_PT_ON_BISECTOR, "O");
  k->LInput1 = a, k->LInput2 = b, k->param1 = CComplex(1, 0), k->param2 = CComplex(2, 0);
  EXPECT_EQ(Src(k), "point O=PtOnBisector(a,b,1.000,2.000,fontsize18);\n");
  k = Step(CONST_PT_ON_TANGENT, "P");
  k->CInput1 = C1, k->PInput1 = A, k->param1 = CComplex(0.25, 0);
  EXPECT_EQ(Src(k), "point P=PtOnTangent(C1,A,0.250,fontsize18);\n");
  k = Step(CONST_PT_ON_CURVE_TANGENT, "Q");
  k->CurveInput1 = f, k->PInput1 = A, k->param1 = CComplex(-0.5, 0);
  EXPECT_EQ(Src(k), "point Q=PtOnCurveTangent(f,A,-0.500,fontsize18);\n");
  k = Step(CONST_PT_ON_LINE_WITH_ANGLE, "R");
  k->LInput1 = a, k->PInput1 = A, k->AngleInput1 = ag1, k->param1 = CComplex(1.5, 0);
  EXPECT_EQ(Src(k), "point R=PtOnLineWithAngle(a,A,ag1,1.500,fontsize18);\n");
  k = Step(CONST_PT_ON_LINE_WITH_ANGLE_DEGREE, "S");
  k->LInput1 = a, k->PInput1 = A, k->param1 = CComplex(2, 0), k->param2 = CComplex(30, 0);
  EXPECT_EQ(Src(k), "point S=PtOnLineWithAngleDegree(a,A,2.000,30.000,fontsize18);\n");
}

TEST_F(Writer, LineCircleAndCurveStatementsNameTheirInputs) {
  EXPECT_EQ(Src(doc->FirstConst()->next->next->next), "line a=Join(A,B);\n");
  EXPECT_EQ(Src(doc->FirstConst()->next->next->next->next->next), "circle C1=Circle(A,B);\n");

  GConst* k = Step(CONST_PARALLEL, "c");
  k->LInput1 = a, k->PInput1 = C;
  EXPECT_EQ(Src(k), "line c=Parallel(a,C);\n");
  k = Step(CONST_PERP, "d");
  k->LInput1 = a, k->PInput1 = C;
  EXPECT_EQ(Src(k), "line d=Perp(a,C);\n");
  k = Step(CONST_BISECTOR, "e");
  k->LInput1 = a, k->LInput2 = b, k->param1 = CComplex(-1, 0);
  EXPECT_EQ(Src(k), "line e=Bisector(a,b,-1.000);\n");
  k = Step(CONST_3P_BISECTOR, "g");
  k->PInput1 = A, k->PInput2 = B, k->PInput3 = C;
  EXPECT_EQ(Src(k), "line g=3PBisector(A,B,C);\n");
  k = Step(CONST_CURVE_TANGENT, "h");
  k->CurveInput1 = f, k->PInput1 = A;
  EXPECT_EQ(Src(k), "line h=CurveTangent(f,A);\n");
  k = Step(CONST_TANGENT, "i");
  k->CInput1 = C1, k->PInput1 = A;
  EXPECT_EQ(Src(k), "line i=Tangent(C1,A);\n");
  k = Step(CONST_LINE_WITH_ANGLE, "j");
  k->LInput1 = a, k->PInput1 = C, k->AngleInput1 = ag1;
  EXPECT_EQ(Src(k), "line j=LineWithAngle(a,C,ag1);\n");
  k = Step(CONST_LINE_WITH_ANGLE_DEGREE, "k");
  k->LInput1 = a, k->PInput1 = C, k->param1 = CComplex(45, 0);
  EXPECT_EQ(Src(k), "line k=LineWithAngleDegree(a,C,45.000);\n");
  k = Step(CONST_COMPASS, "C3");
  k->PInput1 = A, k->PInput2 = B, k->PInput3 = C;
  EXPECT_EQ(Src(k), "circle C3=Compass(A,B,C);\n");

  k = Step(CONST_GRAPH, "x1");
  k->CurveOutput->expr1 = "x^2-1";
  k->CurveOutput->xmin = -2.5, k->CurveOutput->xmax = 3;
  EXPECT_EQ(Src(k), "curve x1=Graph(x^2-1,-2.500,3.000);\n");
  k = Step(CONST_PARA_CURVE, "x2");
  k->CurveOutput->expr1 = "cos(x)";
  k->CurveOutput->expr2 = "sin(x)";
  k->CurveOutput->xmin = 0, k->CurveOutput->xmax = 6.283;
  EXPECT_EQ(Src(k), "curve x2=ParaCurve(cos(x),sin(x),0.000,6.283);\n");
  k = Step(CONST_ORBIT1, "x3");
  k->PInput1 = A, k->PInput2 = B;
  EXPECT_EQ(Src(k), "curve x3=OrbitOnCircle(A,B);\n");
  k = Step(CONST_ORBIT2, "x4");
  k->PInput1 = A, k->PInput2 = B;
  EXPECT_EQ(Src(k), "curve x4=OrbitOnLine(A,B);\n");
}

TEST_F(Writer, TextAngleImageAndBracketStatements) {
  GText* t = Text("Hello\\, world", "SZ1");
  t->x = 10, t->y = 20.5, t->fontSize = 18, t->red = 1, t->green = 2, t->blue = 3;
  EXPECT_EQ(Last(), "text SZ1=Text(Hello\\, world,10.000,20.500,18.000,1,2,3);\n");

  // A mark's design, size and colour are always written: a new mark would
  // otherwise take whatever the settings are when the file is opened.
  GConst* k = Step(CONST_3P_ANGLE, "ag2");
  k->PInput1 = A, k->PInput2 = B, k->PInput3 = C;
  k->AngleOutput->style = 2, k->AngleOutput->radius = 40;
  k->AngleOutput->red = 255, k->AngleOutput->green = 0, k->AngleOutput->blue = 7;
  EXPECT_EQ(Src(k), "angle ag2=AngleBy3P(A,B,C,design:2,size:40,R:255,G:0,B:7);\n");

  k = doc->NewConst(CONST_IMAGE);
  GImage* im = doc->NewImage();
  k->ImageOutput = im;
  doc->AssignImage(im);
  im->name = "im1";
  im->fileName = "/home/pupil/pics/tree.png";
  im->x = 5, im->y = 6, im->width = 320, im->height = 200;
  EXPECT_EQ(Src(k), "image im1=Image(/home/pupil/pics/tree.png,5,6,320,200);\n");

  // The head carries the bulge in single precision, "height:" in full.
  k = doc->NewConst(CONST_BRACKET);
  k->PInput1 = A, k->PInput2 = B;
  GBracket* br = doc->NewBracket(A, B);
  doc->AssignBracket(br);
  k->BracketOutput = br;
  br->name = "br1";
  br->red = 10, br->green = 20, br->blue = 30;
  EXPECT_EQ(Src(k), "bracket br1=Bracket(A,B,0.300,10,20,30,height:0.300,design:0);\n");
  br->intField = -1;
  br->label = "x+1";
  br->hidden = 1;
  br->bulge = -0.5;
  EXPECT_EQ(Src(k),
            "bracket br1=Bracket(A,B,-0.500,10,20,30,height:-0.500,caption:x+1,invisible);\n");
}

TEST_F(Writer, EffectsAlwaysCarryAllFourOptions) {
  GConst* target = doc->FirstConst()->next->next->next;  // line a
  GConst* k = doc->NewConst(CONST_EFFECT_LINE);
  k->effectTarget = target;
  k->click = 0, k->direction = 2, k->inout = 0, k->effect = 1;
  EXPECT_EQ(Src(k), "void EffectLine(a,immediately,left,in,withEffect);\n");

  k = doc->NewConst(CONST_EFFECT_POINT);
  k->effectTarget = doc->FirstConst();
  k->click = 1, k->direction = 0, k->inout = 1, k->effect = 0;
  EXPECT_EQ(Src(k), "void EffectPoint(A,withClick,fade,out,noEffect);\n");
  // A direction outside the five known ones has no word at all.
  k->direction = 7;
  EXPECT_EQ(Src(k), "void EffectPoint(A,withClick,out,noEffect);\n");

  GText* t = Text("hi", "SZ1");
  k = doc->NewConst(CONST_EFFECT_TEXT);
  for (GConst* c = doc->FirstConst(); c; c = c->next)
    if (c->TextOutput == t) k->effectTarget = c;
  k->click = 1;
  EXPECT_EQ(Src(k), "void EffectText(SZ1,withClick,fade,in,noEffect);\n");
}

TEST_F(Writer, StepsThatOnlyZoomClipOrHideWriteNothing) {
  for (int type : {int{CONST_CLIPPING}, int{CONST_ZOOMIN}, int{CONST_ZOOMOUT}, int{CONST_INVISIBLE},
                   2033, 2099}) {
    GConst* k = doc->NewConst(type);
    k->POutput = A;
    EXPECT_EQ(Src(k), "") << type;
  }
}

TEST_F(Writer, AttributesOnlyWhereTheElementDiffersFromAFreshOne) {
  GPoint* p = B;
  p->hidden = 1, p->pointStyle = 2, p->nameFontSize = 30, p->nameAngle = 1.5;
  EXPECT_EQ(Src(doc->FirstConst()->next),
            "point B=Pt(-3.000,0.500,invisible,color3,fontsize30,"
            "nametheta1.500000);\n");
  // A label of size 14 keeps its size through saving and opening; sizes
  // that the reader would not take are left out.
  p->hidden = 0, p->pointStyle = 0, p->nameAngle = 0;
  p->nameFontSize = 14;
  EXPECT_EQ(Src(doc->FirstConst()->next), "point B=Pt(-3.000,0.500,fontsize14);\n");
  p->nameFontSize = 200;
  EXPECT_EQ(Src(doc->FirstConst()->next), "point B=Pt(-3.000,0.500);\n");
  p->pointStyle = 5;  // not a colour a file can hold
  EXPECT_EQ(Src(doc->FirstConst()->next), "point B=Pt(-3.000,0.500);\n");

  GConst* join = doc->FirstConst()->next->next->next;
  a->toolMark = 1, a->lineStyle = 2;
  EXPECT_EQ(Src(join), "line a=Join(A,B,clipping,color3);\n");
  a->hidden = 1, a->toolMark = 0, a->lineStyle = 4;
  EXPECT_EQ(Src(join), "line a=Join(A,B,invisible,color5);\n");

  GConst* circle = join->next->next;
  C1->toolMark = 1, C1->hidden = 1, C1->lineStyle = 1;
  EXPECT_EQ(Src(circle), "circle C1=Circle(A,B,clipping,invisible,color2);\n");

  GText* t = Text("x", "SZ1");
  t->hidden = 1, t->centered = 1;
  EXPECT_EQ(Last(), "text SZ1=Text(x,0.000,0.000,18.000,0,0,0,invisible,center);\n");
}

TEST_F(Writer, CoordinatesAndParametersAreRoundedToSinglePrecisionFirst) {
  // 17.6115000042 prints as 17.612 from a double but 17.611 from a float:
  // point coordinates go through single precision, a text's position not.
  const double v = 17.611500004152234;
  A->x = CComplex(v, 0);
  EXPECT_EQ(Src(doc->FirstConst()), "point A=Pt(17.611,2.000,fontsize18);\n");
  GText* t = Text("t", "SZ1");
  t->x = v;
  EXPECT_EQ(Last(), "text SZ1=Text(t,17.612,0.000,18.000,0,0,0);\n");
  // A hair below zero is still zero: no "-0.000" in a file.
  A->x = CComplex(-1e-9, 0);
  EXPECT_EQ(Src(doc->FirstConst()), "point A=Pt(0.000,2.000,fontsize18);\n");
  A->x = CComplex(-0.0006, 0);
  EXPECT_EQ(Src(doc->FirstConst()), "point A=Pt(-0.001,2.000,fontsize18);\n");
  // A point given by homogeneous coordinates is written by its position.
  A->x = CComplex(2, 0), A->y = CComplex(-4, 0), A->z = CComplex(2, 0);
  EXPECT_EQ(Src(doc->FirstConst()), "point A=Pt(1.000,-2.000,fontsize18);\n");
}

TEST_F(Writer, TextsKeepLineBreaksSemicolonsAndAnyLength) {
  GText* t = Text("one\r\ntwo; three", "SZ1");
  EXPECT_EQ(Last(), "text SZ1=Text(one\\ntwo\\; three,0.000,0.000,18.000,0,0,0);\n");

  // Far longer than any fixed statement buffer: written whole.
  t->text = std::string(5000, 'w') + "!";
  const std::string s = Last();
  EXPECT_EQ(s, "text SZ1=Text(" + std::string(5000, 'w') + "!,0.000,0.000,18.000,0,0,0);\n");

  // A bracket caption is one field as well.
  GConst* k = doc->NewConst(CONST_BRACKET);
  k->PInput1 = A, k->PInput2 = B;
  k->BracketOutput = doc->NewBracket(A, B);
  doc->AssignBracket(k->BracketOutput);
  k->BracketOutput->name = "br1";
  k->BracketOutput->intField = -1;
  k->BracketOutput->label = "a;b";
  EXPECT_EQ(Src(k), "bracket br1=Bracket(A,B,0.300,0,0,0,height:0.300,caption:a\\;b);\n");
}

TEST(ScriptText, EscapingIsUndoneByReading) {
  // Carriage returns are dropped; everything else comes back byte for byte,
  // a lone backslash and backslash-comma included.
  const std::string text = "x;y\r\n\\,z\\ end;\\";
  const std::string written = ConvertText4Script(text);
  EXPECT_EQ(written, "x\\;y\\n\\,z\\ end\\;\\");
  for (size_t i = 0; i < written.size(); ++i)
    if (written[i] == ';') {
      EXPECT_EQ(written[i - 1], '\\') << "a bare ; would end the statement";
    }
  EXPECT_EQ(ConvertTextFromScript(written), "x;y\n\\,z\\ end;\\");
  EXPECT_EQ(ConvertText4Script("plain text, as before"), "plain text, as before");
}

}  // namespace
