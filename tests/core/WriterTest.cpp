// The script writer: display attributes only where they differ from a fresh
// element, rounding of numbers, texts that must survive being written, and
// the statements a round trip through the reader cannot show.
#include <gtest/gtest.h>

#include "ScriptFixture.h"
#include "script/ScriptText.h"

namespace {

class Writer : public ScriptTest {
 protected:
  GPoint *A = nullptr, *B = nullptr;
  GLine* a = nullptr;
  void SetUp() override {
    A = Free(1, 2, "A");
    B = Free(-3, 0.5, "B");
    a = Join(A, B, "a");
  }
  GConst* StepOf(const GObject* out) {
    for (GConst* c = doc->FirstConst(); c; c = c->next)
      if (c->POutput == out || c->LOutput == out || c->BracketOutput == out) return c;
    return nullptr;
  }
  GBracket* Bracket() {
    GConst* k = doc->NewConst(CONST_BRACKET);
    k->PInput1 = A, k->PInput2 = B;
    k->BracketOutput = doc->NewBracket(A, B);
    doc->AssignBracket(k->BracketOutput);
    k->BracketOutput->name = "br1";
    return k->BracketOutput;
  }
};

TEST_F(Writer, AttributesOnlyWhereTheElementDiffersFromAFreshOne) {
  B->hidden = 1, B->pointStyle = 2, B->nameFontSize = 30, B->nameAngle = 1.5;
  EXPECT_EQ(Src(StepOf(B)),
            "point B=Pt(-3.000,0.500,invisible,color3,fontsize30,nametheta1.500000);\n");
  // A label of size 14 keeps its size through saving and opening; sizes the
  // reader would not take, and colours a file cannot hold, are left out.
  B->hidden = 0, B->pointStyle = 5, B->nameAngle = 0, B->nameFontSize = 14;
  EXPECT_EQ(Src(StepOf(B)), "point B=Pt(-3.000,0.500,fontsize14);\n");
  B->nameFontSize = 200;
  EXPECT_EQ(Src(StepOf(B)), "point B=Pt(-3.000,0.500);\n");

  a->toolMark = 1, a->lineStyle = 2;
  EXPECT_EQ(Src(StepOf(a)), "line a=Join(A,B,clipping,color3);\n");
  a->hidden = 1, a->toolMark = 0, a->lineStyle = 4;
  EXPECT_EQ(Src(StepOf(a)), "line a=Join(A,B,invisible,color5);\n");

  GText* t = Text("x", "SZ1");
  t->hidden = 1, t->centered = 1;
  EXPECT_EQ(Last(), "text SZ1=Text(x,0.000,0.000,18.000,0,0,0,invisible,center);\n");

  // The head carries the bulge in single precision, "height:" in full; a
  // negative design means the bracket shows its caption.
  GBracket* br = Bracket();
  EXPECT_EQ(Src(StepOf(br)), "bracket br1=Bracket(A,B,0.300,0,0,0,height:0.300,design:0);\n");
  br->intField = -1, br->label = "x+1", br->hidden = 1;
  EXPECT_EQ(Src(StepOf(br)),
            "bracket br1=Bracket(A,B,0.300,0,0,0,height:0.300,caption:x+1,invisible);\n");
}

TEST_F(Writer, NumbersAreRoundedLikeTheFileAlwaysHadThem) {
  // 17.6115000042 prints as 17.612 from a double but 17.611 from a float:
  // point coordinates go through single precision, a text's position not.
  const double v = 17.611500004152234;
  A->x = CComplex(v, 0);
  EXPECT_EQ(Src(doc->FirstConst()), "point A=Pt(17.611,2.000,fontsize18);\n");
  GText* t = Text("t", "SZ1");
  t->x = v;
  EXPECT_EQ(Last(), "text SZ1=Text(t,17.612,0.000,18.000,0,0,0);\n");
  // A hair below zero is zero; a homogeneous point is written by its place.
  A->x = CComplex(-1e-9, 0);
  EXPECT_EQ(Src(doc->FirstConst()), "point A=Pt(0.000,2.000,fontsize18);\n");
  A->x = CComplex(2, 0), A->y = CComplex(-4, 0), A->z = CComplex(2, 0);
  EXPECT_EQ(Src(doc->FirstConst()), "point A=Pt(1.000,-2.000,fontsize18);\n");
}

TEST_F(Writer, TextsKeepLineBreaksSemicolonsAndAnyLength) {
  GText* t = Text("one\r\ntwo; th\\ree", "SZ1");
  EXPECT_EQ(Last(), "text SZ1=Text(one\\ntwo\\; th\\ree,0.000,0.000,18.000,0,0,0);\n");
  EXPECT_EQ(ConvertTextFromScript(ConvertText4Script(t->text)), "one\ntwo; th\\ree");

  // Far longer than any fixed statement buffer: written whole.
  t->text = std::string(5000, 'w') + "!";
  EXPECT_EQ(Last(), "text SZ1=Text(" + std::string(5000, 'w') + "!,0.000,0.000,18.000,0,0,0);\n");

  GBracket* br = Bracket();
  br->intField = -1, br->label = "a;b";
  EXPECT_EQ(Src(StepOf(br)), "bracket br1=Bracket(A,B,0.300,0,0,0,height:0.300,caption:a\\;b);\n");
}

TEST_F(Writer, ImagesEffectsAndStepsWithoutStatement) {
  GConst* k = doc->NewConst(CONST_IMAGE);
  k->ImageOutput = doc->NewImage();
  doc->AssignImage(k->ImageOutput);
  k->ImageOutput->name = "im1";
  k->ImageOutput->fileName = "/home/pupil/tree.png";
  k->ImageOutput->x = 5, k->ImageOutput->y = 6;
  k->ImageOutput->width = 320, k->ImageOutput->height = 200;
  EXPECT_EQ(Src(k), "image im1=Image(/home/pupil/tree.png,5,6,320,200);\n");

  // A direction outside the five known ones has no word at all.
  k = doc->NewConst(CONST_EFFECT_POINT);
  k->effectTarget = doc->FirstConst();
  k->click = 1, k->direction = 7, k->inout = 1;
  EXPECT_EQ(Src(k), "void EffectPoint(A,withClick,out,noEffect);\n");

  for (GStepKind type : {CONST_CLIPPING, GStepKind{2033}}) {
    k = doc->NewConst(type);
    k->POutput = A;
    EXPECT_EQ(Src(k), "") << StepKindNumber(type);
  }
  // Zooms and hiding are replayed from statements of their own.
  EXPECT_EQ(Src(doc->NewConst(CONST_ZOOMIN)), "void ZoomIn();\n");
  EXPECT_EQ(Src(doc->NewConst(CONST_ZOOMOUT)), "void ZoomOut();\n");
  k = doc->NewConst(CONST_INVISIBLE);
  k->PInput1 = A;
  EXPECT_EQ(Src(k), "void Invisible(A);\n");
}

}  // namespace
