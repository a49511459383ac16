// The log line of a construction step names every set slot in a fixed order.
#include <gtest/gtest.h>

#include <memory>

#include "Recorder.h"
#include "model/Document.h"

TEST(WriteConst, LogsSetSlotsInFixedOrderWithNames) {
  RecordingUser user;
  auto doc = std::make_unique<GDocument>(&user);
  GPoint& A = doc->Store().Points()[0];
  GPoint& B = doc->Store().Points()[1];
  GLine& a = doc->Store().Lines()[0];
  // Copies, not the literals themselves: GCC 12 at -O3 misreads those as overlaps.
  A.name = std::string("A");
  B.name = std::string("B");
  a.name = std::string("a");
  GConst join;
  join.type = CONST_JOIN;
  join.PInput1 = &A;
  join.PInput2 = &B;
  join.LOutput = &a;
  doc->WriteConst(&join);
  ASSERT_EQ(user.log.size(), 1u);
  EXPECT_EQ(user.log[0], "  PInput1=A,PInput2=B,LOutput=a,\n");

  // Outputs follow all inputs; the image comes before the bracket.
  GCircle& c = doc->Store().Circles()[0];
  c.name = "C1";
  GBracket& br = doc->Store().Brackets()[0];
  br.name = "br1";
  GAngle& ag = doc->Store().Angles()[0];
  ag.name = "ag1";
  GImage img;
  img.name = "im1";
  GConst mixed;
  mixed.BracketOutput = &br;
  mixed.ImageOutput = &img;
  mixed.AngleInput1 = &ag;
  mixed.CInput1 = &c;
  mixed.POutput = &B;
  mixed.LInput2 = &a;
  mixed.PInput3 = &A;
  doc->WriteConst(&mixed);
  ASSERT_EQ(user.log.size(), 2u);
  EXPECT_EQ(user.log[1],
            "  PInput3=A,LInput2=a,CInput1=C1,AngleInput1=ag1,POutput=B,ImageOutput=im1,"
            "BracketOutput=br1,\n");

  GConst empty;
  doc->WriteConst(&empty);
  EXPECT_EQ(user.log.back(), "  \n");
}
