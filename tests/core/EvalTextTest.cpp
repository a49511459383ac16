// Evaluated texts: references replaced by coordinates, angles and bracket
// lengths; malformed references; the escaping of commas.
#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "Recorder.h"
#include "model/Document.h"
#include "model/EvalText.h"

namespace {

struct Sheet {
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);
  int used = 0;

  GConst* Add(GStepKind type) {
    GConst* c = &doc->Store().Steps()[used];
    c->type = type;
    c->inUse = 1;
    doc->Sheet().consts.Append(c);
    return c;
  }
  // A free point with the given homogeneous coordinates.
  GPoint* Point(const char* name, CComplex x, CComplex y, CComplex z = CComplex(1, 0)) {
    GPoint* p = &doc->Store().Points()[used];
    p->x = x;
    p->y = y;
    p->z = z;
    // A copy, not the literal itself: GCC 12 at -O3 misreads that as an overlap.
    p->name = std::string(name);
    Add(CONST_FREE)->POutput = p;
    ++used;
    return p;
  }
  std::string Eval(const std::string& in, bool parenthesise = false, int* result = nullptr) {
    std::string out = "stale";
    int r = EvaluateText(doc->FirstConst(), in, out, parenthesise);
    if (result) *result = r;
    return out;
  }
};

}  // namespace

TEST(EvaluateText, ReplacesCoordinatesWithSignedFourDecimals) {
  Sheet s;
  s.Point("A", CComplex(1, 0), CComplex(-2, 0));
  int r = -1;
  EXPECT_EQ(s.Eval("A = ({Ax}, {Ay})", false, &r), "A = (+1.0000, -2.0000)");
  EXPECT_EQ(r, 0);
  EXPECT_EQ(s.Eval("no references"), "no references");
  EXPECT_EQ(s.Eval(""), "");
}

TEST(EvaluateText, ReadsAffineCoordinatesOfHomogeneousPoints) {
  Sheet s;
  s.Point("P", CComplex(3, 0), CComplex(-1, 0), CComplex(2, 0));
  EXPECT_EQ(s.Eval("{Px};{Py}"), "+1.5000;-0.5000");
}

TEST(EvaluateText, ParenthesisedValuesKeepTheirSignInFormulas) {
  Sheet s;
  s.Point("A", CComplex(-3, 0), CComplex(0.25, 0));
  EXPECT_EQ(s.Eval("{Ax}^2", true), "(-3.0000)^2");
  EXPECT_EQ(s.Eval("2{Ay}", true), "2(+0.2500)");
}

TEST(EvaluateText, ComplexValuesShowTheirImaginaryPart) {
  Sheet s;
  s.Point("Q", CComplex(1.5, -0.25), CComplex(0, 2));
  EXPECT_EQ(s.Eval("{Qx} {Qy}"), "+1.5000-0.2500i +0.0000+2.0000i");
}

TEST(EvaluateText, AnglesInDegreesAndBracketLengths) {
  Sheet s;
  GAngle& ang = s.doc->Store().Angles()[0];
  ang.name = "ag1";
  ang.value = CComplex(std::acos(-1.0) / 2, 0);
  s.Add(CONST_3P_ANGLE)->AngleOutput = &ang;
  s.used++;
  GBracket& br = s.doc->Store().Brackets()[0];
  br.name = "br1";
  br.x1 = CComplex(1, 0), br.y1 = CComplex(1, 0), br.z1 = CComplex(1, 0);
  br.x2 = CComplex(8, 0), br.y2 = CComplex(10, 0), br.z2 = CComplex(2, 0);
  s.Add(CONST_BRACKET)->BracketOutput = &br;
  s.used++;
  // The conversion factor is 180 / 3.14159, so a right angle reads 90.0001.
  EXPECT_EQ(s.Eval("{ag1_}"), "+90.0001");
  EXPECT_EQ(s.Eval("|{br1_}|"), "|5.0000|");
  EXPECT_EQ(s.Eval("{br1_}", true), "(5.0000)");
}

TEST(EvaluateText, MalformedReferenceEmptiesTheWholeResult) {
  Sheet s;
  s.Point("A", CComplex(1, 0), CComplex(2, 0));
  int r = 0;
  EXPECT_EQ(s.Eval("x = {A}", false, &r), "");
  EXPECT_EQ(r, 1);
  EXPECT_EQ(s.Eval("{Ax} and {x", false, &r), "");
  EXPECT_EQ(r, 1);
  EXPECT_EQ(s.Eval("{}", false, &r), "");
  EXPECT_EQ(r, 1);
}

TEST(EvaluateText, UnknownNamesAndWrongSelectorsVanish) {
  Sheet s;
  s.Point("A", CComplex(1, 0), CComplex(2, 0));
  GLine& a = s.doc->Store().Lines()[0];
  // A copy, not the literal itself: GCC 12 at -O3 misreads that as an overlap.
  a.name = std::string("a");
  s.Add(CONST_JOIN)->LOutput = &a;
  int r = -1;
  EXPECT_EQ(s.Eval("[{Qx}]", true, &r), "[]");
  EXPECT_EQ(r, 0);
  EXPECT_EQ(s.Eval("[{ax}][{A_}][{Az}]"), "[][][]");
}

TEST(EvaluateText, UsesUtf8NamesAndKeepsOtherBytes) {
  Sheet s;
  s.Point("Ä", CComplex(0.5, 0), CComplex(0, 0));
  EXPECT_EQ(s.Eval("Ä: {Äx} €"), "Ä: +0.5000 €");
}

TEST(CommaEscaping, StoredTextsEscapeCommasAndDrawnTextsRestoreThem) {
  std::string t = "a,b";
  AddYenCommaOnText(t);
  EXPECT_EQ(t, "a\\,b");
  RemoveYenCommaOnText(t);
  EXPECT_EQ(t, "a,b");

  // A backslash before a comma already in the text survives the round trip.
  std::string odd = ",x\\,y,\\";
  std::string copy = odd;
  AddYenCommaOnText(copy);
  EXPECT_EQ(copy, "\\,x\\\\,y\\,\\");
  RemoveYenCommaOnText(copy);
  EXPECT_EQ(copy, odd);
}
