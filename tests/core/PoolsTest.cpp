// Element pools: shared limits over all sheets, reuse of freed slots, fresh
// state of reused slots, afterimage copies and incidence records.
#include <gtest/gtest.h>

#include <memory>

#include "model/Afterimages.h"
#include "Recorder.h"
#include "model/BigBlock.h"
#include "model/Document.h"

namespace {

struct Pools : ::testing::Test {
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);

  GPoint* AddPoint(double x, double y) {
    GPoint* p = doc->NewPoint(CComplex(x, 0), CComplex(y, 0));
    doc->AssignPoint(p);
    return p;
  }
};

}  // namespace

TEST_F(Pools, PoolsAreSharedByAllSheetsAndRefuseWhenFull) {
  for (int i = 0; i < 600; ++i) ASSERT_NE(AddPoint(i, 0), nullptr);
  doc->Sheets().SetCount(2);
  doc->Sheets().SetCurrent(1);
  for (int i = 0; i < 400; ++i) ASSERT_NE(AddPoint(i, 1), nullptr);
  EXPECT_EQ(doc->NewPoint(CComplex(0, 0), CComplex(0, 0)), nullptr);
  EXPECT_EQ(doc->Sheets().Slot(0).points.head->NumbOfPt(), 600);

  for (int i = 0; i < 49; ++i) ASSERT_NE(doc->NewCurve(), nullptr);
  EXPECT_NE(doc->NewCurve(), nullptr);  // the 50th
  EXPECT_EQ(doc->NewCurve(), nullptr);
}

TEST(Pool, GivenBackSlotsAreFoundAgainEvenWhenUnsaid) {
  struct Rec {
    unsigned char inUse = 0;
  };
  GPool<Rec, 4> pool;
  auto take = [&] {
    Rec* r = pool.FirstFree();
    if (r) r->inUse = 1;
    return r ? pool.IndexOf(r) : -1;
  };
  EXPECT_EQ(take(), 0);
  EXPECT_EQ(take(), 1);
  EXPECT_EQ(take(), 2);
  pool[1].inUse = 0;
  pool.Released(&pool[1]);
  EXPECT_EQ(take(), 1);  // said: the lowest free slot again
  pool[0].inUse = 0;     // unsaid: found once nothing above is free or can be made
  EXPECT_EQ(take(), 3);
  EXPECT_EQ(take(), 0);
  EXPECT_EQ(take(), -1);
}

TEST(BigBlock, EveryByteIsWritableAndAGivenBackBlockServesTheNextOfItsSize) {
  // Sizes around the large page's 2 MB: the block is cut out of a larger
  // mapping, and a cut one page too far would lose the block's ends.
  for (size_t bytes :
       {size_t{1}, size_t{4096}, (size_t{2} << 20) - 1, size_t{2} << 20, (size_t{5} << 20) + 3}) {
    auto* b = static_cast<unsigned char*>(NewBigBlock(bytes));
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(b) % 64, 0u);
    for (size_t i : {size_t{0}, bytes / 2, bytes - 1}) b[i] = 0xA5;
    // A second block while the first is out is another one.
    auto* other = static_cast<unsigned char*>(NewBigBlock(bytes));
    ASSERT_NE(other, nullptr);
    EXPECT_NE(other, b);
    other[bytes - 1] = 1;
    EXPECT_EQ(b[bytes - 1], 0xA5);
    FreeBigBlock(other, bytes);
    FreeBigBlock(b, bytes);
  }
  void* a = NewBigBlock(3 << 20);
  FreeBigBlock(a, 3 << 20);
  EXPECT_EQ(NewBigBlock(3 << 20), a);
  FreeBigBlock(a, 3 << 20);
}

TEST_F(Pools, FreedSlotsAreReusedLowestFirstAndStartFresh) {
  AddPoint(1, 1);
  GPoint* b = AddPoint(2, 2);
  AddPoint(3, 3);
  b->name = "B";
  b->hidden = b->hilighted = 1;
  b->fadeLevel = 3;
  b->a11 = 7;
  doc->DeleteAllPoints(b);
  GPoint* again = doc->NewPoint(CComplex(5, 0), CComplex(6, 0));
  ASSERT_EQ(again, b);
  EXPECT_EQ(again->name, "");
  EXPECT_EQ(again->hidden + again->hilighted + again->fadeLevel, 0);
  EXPECT_EQ(again->a11, 0.0);
  EXPECT_EQ(again->next, nullptr);
  EXPECT_EQ(doc->NewPoint(CComplex(0, 0), CComplex(0, 0)), b + 1);

  // A freed line gives its incidence records back; its slot starts empty.
  GLine* l = doc->NewLine(0, 0, 1, 0);
  doc->AssignIncident(l, b, 0.5);
  doc->DeleteAllLines(l);
  EXPECT_EQ(doc->Store().Incidents()[0].inUse, 0);
  GLine* l2 = doc->NewLine(CComplex(0, 0), CComplex(1, 0), CComplex(0, 0));
  ASSERT_EQ(l2, l);
  EXPECT_EQ(l2->ics.head, nullptr);
  EXPECT_EQ(l2->icCount, 0);
}

TEST_F(Pools, ClonesFadeOneLevelPerGenerationAndStayOffTheLists) {
  GPoint* a = AddPoint(0, 0);
  AddPoint(1, 0)->pointStyle = 3;
  AddPoint(2, 0)->hidden = 1;
  a->name = "A";
  GPoint* first = makePClone(*doc, a);
  ASSERT_EQ(first->NumbOfPt(), 3);
  for (GPoint *c = first, *s = a; c; c = c->next, s = s->next) {
    EXPECT_EQ(c->fadeLevel, 1);
    EXPECT_EQ(c->x.re, s->x.re);
    EXPECT_EQ(c->hidden, s->hidden);
    EXPECT_EQ(c->pointStyle, s->pointStyle);
    EXPECT_EQ(c->name, "");
  }
  GPoint* second = makePClone(*doc, first);
  EXPECT_EQ(second->next->next->fadeLevel, 2);
  EXPECT_EQ(doc->Sheet().points.head->NumbOfPt(), 3);

  a->x = CComplex(9, 0);
  copyToPClone(first, a);
  EXPECT_EQ(first->x.re, 9.0);

  GLine* l = doc->NewLine(0, 0, 1, 0);
  doc->AssignIncident(l, a, 0.0);
  EXPECT_EQ(makeLClone(*doc, l)->icCount, -999);
}

TEST_F(Pools, CloneEndsEarlyWhenThePoolRunsOut) {
  for (int i = 0; i < kPoolSize - 2; ++i) ASSERT_NE(AddPoint(i, 0), nullptr);
  GPoint* copy = makePClone(*doc, doc->Sheet().points.head);
  ASSERT_NE(copy, nullptr);
  EXPECT_EQ(copy->NumbOfPt(), 2);
  deletePClone(*doc, copy);
  EXPECT_NE(doc->NewPoint(CComplex(0, 0), CComplex(0, 0)), nullptr);
}

TEST_F(Pools, RemovingTheLastIncidenceRecordKeepsTheListAppendable) {
  GLine* l = doc->NewLine(0, 0, 1, 0);
  GCircle* k = doc->NewCircle(0, 0, 1);
  GPoint* p = AddPoint(1, 0);
  GPoint* q = AddPoint(2, 0);
  GPoint* r = AddPoint(3, 0);
  doc->AssignLine(l);
  doc->AssignCircle(k);
  doc->AssignIncident(l, p, 1.0);
  doc->AssignIncident(l, q, 2.0);
  doc->AssignIncident(k, q, 0.0);

  doc->DeletePtFromIcs(q);  // from the line and the circle
  EXPECT_EQ(l->icCount, 1);
  EXPECT_EQ(k->icCount, 0);
  doc->AssignIncident(l, r, 3.0);
  doc->AssignIncident(k, r, 0.5);
  ASSERT_NE(l->ics.head->next, nullptr);
  EXPECT_EQ(l->ics.head->next->point, r);
  EXPECT_EQ(k->ics.head->point, r);

  doc->DeleteIcs(l);
  EXPECT_EQ(l->icCount, 0);
  doc->AssignIncident(l, p, 0.0);
  EXPECT_EQ(l->ics.head->point, p);
}
