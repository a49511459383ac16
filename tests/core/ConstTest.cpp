// Construction steps: making steps, evaluating the list, unlinking steps,
// clearing the document and the redo stack.
#include <gtest/gtest.h>

#include <memory>

#include "Recorder.h"
#include "model/Document.h"

namespace {

struct Steps : ::testing::Test {
  RecordingUser user;
  std::unique_ptr<GDocument> doc = std::make_unique<GDocument>(&user);

  GConst* Step(int type, GPoint* p, GPoint* q, GPoint* pOut, GLine* lOut = nullptr) {
    if (pOut) doc->AssignPoint(pOut);
    if (lOut) doc->AssignLine(lOut);
    GConst* c = doc->NewConst(type);
    c->PInput1 = p;
    c->PInput2 = q;
    c->POutput = pOut;
    c->LOutput = lOut;
    return c;
  }
  GPoint* Free(double x, double y) {
    GPoint* p = doc->NewPoint(CComplex(x, 0), CComplex(y, 0));
    return Step(CONST_FREE, p, nullptr, p)->POutput;
  }
  GPoint* Mid(GPoint* p, GPoint* q) {
    return Step(CONST_MID, p, q, doc->NewPoint(CComplex(0, 0), CComplex(0, 0)))->POutput;
  }
  GLine* Join(GPoint* p, GPoint* q) {
    return Step(CONST_JOIN, p, q, nullptr, doc->NewLine(0, 0, 1, 0))->LOutput;
  }
  // Undo as the interaction does it: push the last step, then unlink it.
  void UndoLast() {
    GConst* last = doc->FirstConst();
    while (last->next) last = last->next;
    doc->PushConst(last);
    doc->Sheet().consts.Unlink(last);
  }
};

}  // namespace

TEST_F(Steps, NewStepIsAppendedWithTheViewAndLogged) {
  doc->Viewport().SetScale(0.02);
  doc->Viewport().SetBounds(-1, doc->Viewport().XMax(), -4, doc->Viewport().YMax());
  GConst* a = doc->NewConst(CONST_FREE);
  GConst* b = doc->NewConst(CONST_JOIN);
  EXPECT_EQ(a->next, b);
  EXPECT_EQ(b->firstConst, a);
  EXPECT_EQ(doc->CurrentConst(), b);
  EXPECT_EQ(b->viewScale, 0.02);
  EXPECT_EQ(b->viewLeft, -1);
  EXPECT_EQ(b->viewBottom, -4);
  ASSERT_EQ(user.log.size(), 2u);
  EXPECT_EQ(user.log[1], "NewConst: CONST_JOIN\n");
  for (int i = 2; i < kPoolSize; ++i) ASSERT_NE(doc->NewConst(CONST_ZOOMIN), nullptr);
  EXPECT_EQ(doc->NewConst(CONST_ZOOMIN), nullptr);
}

TEST_F(Steps, EvaluationGoesOnPastAFailingStepAndPublishesTheDraggedPoint) {
  GPoint* a = Free(0, 0);
  GPoint* b = Free(4, 2);
  GPoint* broken = Mid(a, b);
  GPoint* m = Mid(a, b);
  doc->FirstConst()->next->next->PInput2 = nullptr;  // its input was deleted
  broken->x = CComplex(7, 0);
  GMotion stale = doc->Motion();
  stale.a11 = -5;
  doc->SetMotion(stale);
  doc->EvaluateConst(doc->FirstConst());
  EXPECT_EQ(broken->x.re, 7.0);
  EXPECT_NEAR(m->xz().re, 2.0, 1e-12);
  EXPECT_NEAR(m->yz().re, 1.0, 1e-12);
  EXPECT_EQ(doc->Motion().a11, -5);  // nothing is dragged

  doc->SetMovingPoint(b);
  b->x = CComplex(6, 0);
  doc->EvaluateConst(doc->FirstConst());
  EXPECT_EQ(doc->Motion().a11, b->a11);
  EXPECT_EQ(doc->Motion().a21, b->a21);
}

TEST_F(Steps, UnlinkingTheLastStepKeepsTheListAppendable) {
  GPoint* a = Free(0, 0);
  GPoint* b = Free(1, 0);
  GLine* l = Join(a, b);
  GConst** head = &doc->Sheet().consts.head;
  EXPECT_EQ(doc->DeleteLnFromCn(head, l), 1);
  EXPECT_EQ(doc->DeleteLnFromCn(head, l), 0);
  EXPECT_EQ(doc->DeleteCiFromCn(head, nullptr), 0);
  GConst* c = doc->NewConst(CONST_MID);
  EXPECT_EQ(doc->FirstConst()->next->next, c);
  EXPECT_EQ(doc->DeletePtFromCn(head, a), 1);
  EXPECT_EQ(doc->DeletePtFromCn(head, b), 1);
  EXPECT_EQ(doc->FirstConst(), c);
  EXPECT_EQ(doc->NewConst(CONST_FREE), c->next);
}

TEST_F(Steps, DeletingAllStepsFromOneFreesTheirOutputsAndClosesTheList) {
  GPoint* a = Free(0, 0);
  GPoint* b = Free(1, 0);
  GLine* l = Join(a, b);
  GConst* second = doc->FirstConst()->next;
  doc->DeleteAllConstFromSheet(second);
  EXPECT_EQ(b->inUse + l->inUse + second->inUse, 0);
  EXPECT_EQ(a->inUse, 1);
  EXPECT_EQ(doc->NewConst(CONST_FREE), doc->FirstConst()->next);
}

TEST_F(Steps, ClearingGivesAnEmptyReusableDocument) {
  GPoint* a = Free(0, 0);
  GLine* l = Join(a, Free(1, 0));
  doc->AssignIncident(l, a, 0);
  doc->AssignImage(doc->NewImage());
  doc->Selection().Points().Add(a);
  UndoLast();
  doc->Sheets().SetCount(2);
  doc->Sheets().SetCurrent(1);
  Free(5, 5);

  doc->ClearConst();
  EXPECT_EQ(doc->Sheets().Count(), 1);
  EXPECT_EQ(doc->Sheets().CurrentIndex(), 0);
  EXPECT_TRUE(doc->Sheets().Slot(1).points.empty());
  EXPECT_TRUE(doc->Sheet().images.empty());
  EXPECT_EQ(doc->Selection().Points().Count() + doc->History().RedoCount(), 0);
  EXPECT_EQ(doc->Naming().Next(GNameKind::kPoint), "A");
  for (int i = 0; i < kPoolSize; ++i)
    ASSERT_EQ(doc->Store().Points()[i].inUse + doc->Store().Steps()[i].inUse +
                  doc->Store().Incidents()[i].inUse + doc->Store().Lines()[i].inUse,
              0);
  EXPECT_EQ(Free(2, 3), &doc->Store().Points()[0]);
  EXPECT_EQ(doc->FirstConst(), &doc->Store().Steps()[0]);
}

TEST_F(Steps, NewStepDiscardsTheRedoStackAndDeletesItsOutputs) {
  GPoint* a = Free(0, 0);
  GPoint* b = Free(1, 0);
  GLine* l = Join(a, b);
  GPoint* m = Mid(a, b);
  UndoLast();
  UndoLast();
  EXPECT_EQ(doc->History().RedoCount(), 2);
  EXPECT_EQ(l->inUse, 1);  // undone, not freed
  doc->NewConst(CONST_ZOOMIN);
  EXPECT_EQ(doc->PopConst(), nullptr);
  EXPECT_EQ(l->inUse + m->inUse, 0);
  EXPECT_EQ(doc->Sheet().points.head->NumbOfPt(), 2);
  EXPECT_TRUE(doc->Sheet().lines.empty());
}

// A full stack gives up its oldest entry, so what redo brings back is always
// the steps undone last, without a gap.
TEST_F(Steps, RedoStackHoldsAtMost255Steps) {
  GConst* keep = doc->NewConst(CONST_ZOOMIN);  // pushing needs a non-empty list
  for (int i = 1; i <= kRedoStackSize + 1; ++i) doc->PushConst(&doc->Store().Steps()[i]);
  EXPECT_EQ(doc->History().RedoCount(), 255);
  EXPECT_EQ(doc->History().RedoAt(0), &doc->Store().Steps()[2]);
  GConst* top = doc->PopConst();
  EXPECT_EQ(top, &doc->Store().Steps()[kRedoStackSize + 1]);
  EXPECT_EQ(top->inUse, 1);

  doc->DeleteConst(keep);
  GConst* lone = &doc->Store().Steps()[500];
  doc->PushConst(lone);
  EXPECT_EQ(doc->History().RedoCount(), 254);
}
